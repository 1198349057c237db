#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The release tarball (`make dist`): made twice, under another umask, time
# zone and locale, it has the same bytes; it holds exactly the files git
# tracks outside debian/, under vezuvire-VERSION/, as they are in the
# working tree, dated the release day and owned by root; and made again
# from its own unpacked copy (no git there) it comes out the same.
# usage: dist_test.sh SOURCE_DIR VERSION RELEASE_DATE
set -euo pipefail
src=$(cd "$1" && pwd) version=$2 released=$3
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset SOURCE_DATE_EPOCH
name=vezuvire-$version

one=$(sh "$src/tools/dist.sh" "$src" "$work/one") || fail "tools/dist.sh"
[ "$one" = "$work/one/$name.tar.gz" ] || fail "the tarball is $one"
two=$( (umask 077; TZ=Asia/Tokyo LC_ALL=C.UTF-8 sh "$src/tools/dist.sh" "$src" "$work/two") ) || fail "second dist.sh"
cmp "$one" "$two" || fail "two runs of dist.sh differ"
gzip -t "$one" || fail "not gzip"
sha256sum "$one"

TZ=UTC0 tar -tvzf "$one" > "$work/listing"
odd=$(TZ=UTC0 grep -v -E "^-rw[-x]r-[-x]r-[-x] 0/0 +[0-9]+ $released 00:00 $name/" "$work/listing" | head -n 5 || true)
[ -z "$odd" ] || fail "entries with another owner, mode, date or folder: $odd"
sed -n "s,.* $name/,,p" "$work/listing" > "$work/names"
LC_ALL=C sort -c "$work/names" || fail "names not sorted"
if git -C "$src" rev-parse --show-toplevel > /dev/null 2>&1; then
    (cd "$src" && git ls-files | grep -v '^debian/' | while IFS= read -r f; do [ -e "$f" ] && echo "$f"; done) |
        LC_ALL=C sort > "$work/tracked"
    diff "$work/tracked" "$work/names" || fail "the tarball does not hold the tracked files"
fi
! grep -q -E '^(debian|build|obj-)' "$work/names" || fail "packaging or build folders in the tarball"
grep -qx CMakeLists.txt "$work/names" && grep -qx COPYING "$work/names" || fail "CMakeLists.txt or COPYING missing"

mkdir "$work/x"
tar -xzf "$one" -C "$work/x"
while IFS= read -r f; do
    cmp -s "$src/$f" "$work/x/$name/$f" || fail "$f differs from the working tree"
    if [ -x "$src/$f" ]; then [ -x "$work/x/$name/$f" ] || fail "$f lost its execute bit"; fi
done < "$work/names"
three=$(sh "$work/x/$name/tools/dist.sh" "$work/x/$name" "$work/three") || fail "dist.sh outside git"
cmp "$one" "$three" || fail "the tarball made from its own copy differs"
echo "dist: ok"
