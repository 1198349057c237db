#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's build: only the game and the command-line tool, with the
# test, benchmark and fuzzing dependencies made unfindable.  The Debian
# package built without its tests (DEB_BUILD_OPTIONS=nocheck, as the
# package_deb test builds it) is exactly that build, so this test looks at
# the build folder package_deb left: its configuration looked for no test
# library, it built no test or benchmark, and `cmake --install` of it into a
# staging folder gives the game in Debian's layout.
# usage: game_only_build_test.sh PACKAGE_WORK_DIR VERSION APP_ID
set -euo pipefail
work_in=$1 version=$2 id=$3
. "$(dirname "$0")/lib.sh"

b=$(ls -d "$work_in"/one/vezuvire-"$version"/obj-* 2> /dev/null | head -n1)
[ -n "$b" ] && [ -f "$b/CMakeCache.txt" ] || fail "no package build folder in $work_in (package_deb runs first)"
grep -q '^VZ_TESTS:BOOL=OFF' "$b/CMakeCache.txt" && grep -q '^VZ_BENCH:BOOL=OFF' "$b/CMakeCache.txt" &&
    grep -q '^VZ_FUZZ:BOOL=OFF' "$b/CMakeCache.txt" || fail "the package was not built as the game alone"
grep -q '^CMAKE_DISABLE_FIND_PACKAGE_GTest:[A-Z]*=ON' "$b/CMakeCache.txt" || fail "GTest was not made unfindable"
! grep -q -E '^(VZ_CLANGXX|GTEST_|benchmark_DIR|Qt6Test_DIR)[^=]*=[^-]' "$b/CMakeCache.txt" ||
    fail "the game-only configuration looked for a test dependency"
[ ! -e "$b/bin/vezuvire-bench" ] && [ -z "$(find "$b" -name 'test_*' -type f -perm -u+x)" ] ||
    fail "the game-only build built tests or benchmarks"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/stage" cmake --install "$b" > /dev/null || fail "install of the game alone"
root=$work/stage/usr
for f in games/vezuvire games/vezuvire-cli libexec/vezuvire/vezuvire share/games/vezuvire/BGM.wav \
         share/applications/$id.desktop share/icons/hicolor/48x48/apps/$id.png \
         share/icons/hicolor/scalable/apps/$id.svg share/mime/packages/$id.xml; do
    [ -e "$root/$f" ] || fail "game-only install lacks $f"
done
echo "game-only build: ok"
