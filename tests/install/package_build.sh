#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages of the sources in SOURCE_DIR
# the way Debian builds them: the upstream tarball made by tools/dist.sh
# (`make dist`) becomes OUT_DIR/vezuvire_VERSION.orig.tar.gz, is unpacked
# into OUT_DIR/vezuvire-VERSION, and the packaging in debian/ (the files git
# tracks, as they are in the working tree, or the whole folder outside a
# git checkout) is put beside it.  The packages land in OUT_DIR.
# SOURCE_DATE_EPOCH defaults to the release date in CMakeLists.txt.  Extra
# arguments go to dpkg-buildpackage.
# usage: package_build.sh SOURCE_DIR OUT_DIR [DPKG-BUILDPACKAGE-ARGS...]
set -euo pipefail
src=$(cd "$1" && pwd) out=$2
shift 2
mkdir -p "$out"
out=$(cd "$out" && pwd)

version=$(sed -n 's/^project(Vezuvire VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
date=$(sed -n 's/^set(VZ_RELEASE_DATE "\([0-9-]*\)")/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] && [ -n "$date" ] || { echo "no version or release date in CMakeLists.txt" >&2; exit 2; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$date 00:00:00" +%s)}

tarball=$(sh "$src/tools/dist.sh" "$src" "$out")
orig=$out/vezuvire_$version.orig.tar.gz
cp "$tarball" "$orig"
tree=$out/vezuvire-$version
rm -rf "$tree"
tar -xzf "$orig" -C "$out"
[ -d "$tree" ] || { echo "the upstream tarball does not unpack into vezuvire-$version/" >&2; exit 2; }
if git -C "$src" rev-parse --show-toplevel > /dev/null 2>&1 &&
   [ "$(git -C "$src" rev-parse --show-toplevel)" = "$src" ]; then
    (cd "$src" && git ls-files -z --cached debian | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf -) | tar -xf - -C "$tree"
else
    (cd "$src" && tar --exclude='debian/.debhelper' --exclude='debian/vezuvire' --exclude='debian/tmp' -cf - debian) |
        tar -xf - -C "$tree"
fi
cd "$tree"
dpkg-buildpackage -us -uc "$@"
