#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's build: only the game and the command-line tool, with the
# test, benchmark and fuzzing dependencies made unfindable, configured and
# built in a fresh folder and installed into a staging folder.
# usage: game_only_build_test.sh SOURCE_DIR APP_ID
set -euo pipefail
src=$1 id=$2
. "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$src" -B "$work/b" -DCMAKE_BUILD_TYPE=Debug \
    -DVZ_TESTS=OFF -DVZ_BENCH=OFF -DVZ_FUZZ=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON > "$work/configure.log" 2>&1 || {
    cat "$work/configure.log"
    fail "configure without test dependencies"
}
! grep -q -E '^(VZ_CLANGXX|GTEST_|benchmark_DIR|Qt6Test_DIR)[^=]*=[^-]' "$work/b/CMakeCache.txt" ||
    fail "the game-only configuration looked for a test dependency"
cmake --build "$work/b" -j 2 > "$work/build.log" 2>&1 || {
    tail -n 50 "$work/build.log"
    fail "build of the game alone"
}
DESTDIR="$work/stage" cmake --install "$work/b" > /dev/null || fail "install of the game alone"
root=$work/stage$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$work/b/CMakeCache.txt")
for f in bin/vezuvire bin/vezuvire-cli libexec/vezuvire/vezuvire share/applications/$id.desktop share/icons/hicolor/48x48/apps/$id.png; do
    [ -e "$root/$f" ] || fail "game-only install lacks $f"
done
[ ! -e "$work/b/bin/vezuvire-bench" ] && [ -z "$(find "$work/b" -name 'test_*' -type f -perm -u+x)" ] ||
    fail "the game-only build built tests or benchmarks"
echo "game-only build: ok"
