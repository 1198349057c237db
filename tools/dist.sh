#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The release tarball: OUT_DIR/vezuvire-VERSION.tar.gz with every file git
# tracks (as it is in the working tree: from a clean checkout of the tag
# v<VERSION> that is the release) under vezuvire-VERSION/, except the Debian
# packaging, which is not part of the upstream release.  The same sources
# always give the same bytes: names sorted (bytewise), every time stamp the release
# date of CMakeLists.txt (or SOURCE_DATE_EPOCH), owner root, modes 0644 or
# 0755, no gzip name or time.  Outside a git checkout every file but build
# folders goes in.  Prints the tarball's path.
# usage: tools/dist.sh SOURCE_DIR OUT_DIR
set -eu
src=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)

version=$(sed -n 's/^project(Vezuvire VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
date=$(sed -n 's/^set(VZ_RELEASE_DATE "\([0-9-]*\)")/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] && [ -n "$date" ] || { echo "dist.sh: no version or release date in CMakeLists.txt" >&2; exit 2; }
epoch=${SOURCE_DATE_EPOCH:-$(date -u -d "$date 00:00:00" +%s)}
name=vezuvire-$version
tarball=$out/$name.tar.gz

list=$(mktemp)
trap 'rm -f "$list" "$tarball.tar" "$tarball.part"' EXIT
cd "$src"
if git rev-parse --show-toplevel > /dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$src" ]; then
    git ls-files -z --cached
else
    find . -path ./.git -prune -o -path ./build -prune -o -path './build-*' -prune -o -path './obj-*' -prune \
        -o \( -type f -o -type l \) -printf '%P\0'
fi | tr '\0' '\n' | grep -v -e '^debian/' -e '^$' | while IFS= read -r f; do
    [ -e "$f" ] && printf '%s\n' "$f"  # a file deleted but not yet committed
done | LC_ALL=C sort > "$list"

LC_ALL=C tar --create --format=gnu --sort=name --transform="s,^,$name/," --mtime="@$epoch" \
    --owner=0 --group=0 --numeric-owner --mode='u+rw,go=u-w' \
    --no-recursion --verbatim-files-from --files-from="$list" --file="$tarball.tar"
gzip -n -9 < "$tarball.tar" > "$tarball.part"
rm -f "$tarball.tar"
mv "$tarball.part" "$tarball"
echo "$tarball"
