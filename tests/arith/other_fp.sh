#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game must play and draw the same on every machine.  This builds the
# parts without a window (rules, computer, game, command-line tool) with
# another machine's floating point and runs their tests: the rules, the
# computer (with the search corpus), the golden traces and the
# command-line tool.
#
# usage: other_fp.sh VARIANT BUILD_DIR [JOBS]
#   fma  -mfma: fused multiply-add, what GCC does by default on arm64,
#        ppc64el and s390x.  Runs only on an x86 processor with FMA.
#   x87  -m32 -mfpmath=387: i386's arithmetic, with its 80-bit registers.
#        Needs g++-multilib; GoogleTest is built for 32 bits from
#        /usr/src/googletest (Debian ships it only for the native width).
# A variant that cannot run here is skipped with a message (status 0).
set -eu
variant=$1 build=$2 jobs=${3:-2}
src=$(cd "$(dirname "$0")/../.." && pwd)

skip() { echo "other_fp.sh $variant: skipped: $1"; exit 0; }

case $variant in
fma)
    grep -qw fma /proc/cpuinfo 2> /dev/null || skip "this processor has no FMA instructions"
    flags="-mfma"
    prefix=""
    ;;
x87)
    flags="-m32 -mfpmath=387"
    printf 'int main() { return 0; }\n' > "/tmp/vz_m32_$$.cpp"
    if ! ${CXX:-c++} -m32 "/tmp/vz_m32_$$.cpp" -o "/tmp/vz_m32_$$" 2> /dev/null || ! "/tmp/vz_m32_$$"; then
        rm -f "/tmp/vz_m32_$$.cpp" "/tmp/vz_m32_$$"
        skip "no 32-bit C++ compiler and library (g++-multilib) or no 32-bit programs here"
    fi
    rm -f "/tmp/vz_m32_$$.cpp" "/tmp/vz_m32_$$"
    [ -f /usr/src/googletest/CMakeLists.txt ] || skip "no GoogleTest sources in /usr/src/googletest (libgtest-dev)"
    # GoogleTest for 32 bits, once per build folder.
    prefix=$build/gtest32
    if [ ! -f "$prefix/.built" ]; then
        cmake -S /usr/src/googletest -B "$build/gtest32-build" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_CXX_FLAGS=-m32 -DCMAKE_C_FLAGS=-m32 -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
            -DCMAKE_INSTALL_PREFIX="$prefix" > /dev/null
        cmake --build "$build/gtest32-build" -j "$jobs" > /dev/null
        cmake --install "$build/gtest32-build" > /dev/null
        touch "$prefix/.built"
    fi
    ;;
*)
    echo "usage: other_fp.sh fma|x87 BUILD_DIR [JOBS]" >&2
    exit 2
    ;;
esac

echo "other_fp.sh $variant: building with $flags in $build"
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_GUI=OFF -DVZ_TESTS=ON -DVZ_BENCH=OFF \
    -DVZ_FUZZ=OFF -DVZ_WERROR=ON -DCMAKE_CXX_FLAGS="$flags" ${prefix:+-DCMAKE_PREFIX_PATH="$prefix"} > /dev/null
tests="test_core test_com test_eval test_golden test_cli"
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $tests vezuvire-cli > /dev/null

cd "$build"
failed=""
for t in $tests; do
    SDL_AUDIODRIVER=dummy "./bin/$t" --gtest_brief=1 || failed="$failed $t"
done
ctest -R '^cli_' --output-on-failure || failed="$failed command-line-tests"
if [ -n "$failed" ]; then
    echo "other_fp.sh $variant: FAILED:$failed"
    exit 1
fi
echo "other_fp.sh $variant: every rules, computer, golden and command-line test passed"
