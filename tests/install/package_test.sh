#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built twice with package_build.sh, from copies of the
# sources in two folders of different names and depths, without its own
# tests (the build that runs this has run them) and without ccache, so that
# every byte comes from the compiler: the .deb files of the two builds must
# be identical, and so must the upstream tarballs and the source packages.
# Then lintian (-I --pedantic) on the .changes, which takes the .dsc and
# the .deb along, must show no error, no warning and no override (but the
# one warning of a first upload whose ITP bug is not filed yet: see below); the control fields and the files are checked, and the
# command-line tool run from the unpacked package.  A real install and
# removal happens only as root with CI=true (it changes the machine), and
# only when no vezuvire package is installed yet.
# usage: package_test.sh SOURCE_DIR WORK_DIR VERSION APP_ID
set -euo pipefail
src=$1 work=$2 version=$3 id=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

rm -rf "$work"
mkdir -p "$work/one" "$work/second/build-of-the-package"
export DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
for out in "$work/one" "$work/second/build-of-the-package"; do
    bash "$here/package_build.sh" "$src" "$out" > "$out/build.log" 2>&1 || {
        tail -n 60 "$out/build.log"
        fail "dpkg-buildpackage in $out"
    }
done
out=$work/one
# the Debian version: the upstream one and the revision of debian/changelog
dversion=$(cd "$src" && dpkg-parsechangelog -S Version)
case "$dversion" in "$version"-[1-9]*) ;; *) fail "Debian version $dversion is not $version-REVISION" ;; esac
deb=$out/vezuvire_${dversion}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb")"

# ---- the same bytes from both folders -------------------------------------------
echo "SHA-256 of the two builds:"
(cd "$work" && sha256sum one/*.deb second/build-of-the-package/*.deb)
for f in "$out"/*.deb "$out"/*.orig.tar.* "$out"/*.debian.tar.* "$out"/*.dsc; do
    g=$work/second/build-of-the-package/$(basename "$f")
    cmp "$f" "$g" || fail "$(basename "$f") differs between the two folders"
done
grep -q -e '-ffile-prefix-map=' "$out/build.log" || fail "the build does not map its folder out"
# the package's game-only configuration did not look for the test libraries
! grep -q -E '^(GTEST_|Qt6Test_DIR)[^=]*=[^-]' "$out"/vezuvire-"$version"/obj-*/CMakeCache.txt ||
    fail "the build without tests looked for a test library"

# ---- lintian ----------------------------------------------------------------------
changes=$out/vezuvire_${dversion}_$(dpkg --print-architecture).changes
dsc=$out/vezuvire_$dversion.dsc
[ -f "$changes" ] && [ -f "$dsc" ] || fail "no .changes or .dsc"
# a source package with its upstream tarball, made by `make dist`
grep -q -x 'Format: 3.0 (quilt)' "$dsc" || fail "the source package is not 3.0 (quilt)"
grep -q " vezuvire_$version.orig.tar.gz\$" "$dsc" || fail "the .dsc lacks vezuvire_$version.orig.tar.gz"
cmp "$out/vezuvire_$version.orig.tar.gz" "$out/vezuvire-$version.tar.gz" || fail "the orig tarball is not the release tarball"
lintian -I -E --pedantic --show-overrides "$changes" > "$work/lintian.txt" 2>&1 || true
echo "lintian -I -E --pedantic --show-overrides (everything it said, if anything):"
cat "$work/lintian.txt"
# A first upload closes its ITP bug; until that bug is filed, lintian's
# warning about it is the one allowed, and only while the changelog has a
# single entry closing nothing.
allowed='^W: vezuvire( source| changes)?: initial-upload-closes-no-bugs '
if [ "$(cd "$src" && dpkg-parsechangelog -S Closes)" = "" ] && [ "$(grep -c '^ -- ' "$src/debian/changelog")" = 1 ]; then
    grep -v -E "$allowed" "$work/lintian.txt" > "$work/lintian-rest.txt" || true
else
    cp "$work/lintian.txt" "$work/lintian-rest.txt"
fi
! grep -E '^(E|W|O): ' "$work/lintian-rest.txt" || fail "lintian reports errors, warnings or overrides"
[ ! -e "$out/vezuvire-$version/debian/vezuvire/usr/share/lintian/overrides" ] || fail "a lintian override is installed"

# ---- control fields -----------------------------------------------------------
info() { dpkg-deb --field "$deb" "$1"; }
[ "$(info Package)" = vezuvire ] || fail "Package"
[ "$(info Version)" = "$dversion" ] || fail "Version $(info Version)"
[ "$(info Section)" = games ] || fail "Section"
[ "$(info Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ "$(info Homepage)" = https://vezuvire.github.io/ ] || fail "Homepage"
[ "$(info Maintainer)" = 'The Vezuvire developers <developers@vezuvire.github.io>' ] || fail "Maintainer"
depends=$(info Depends)
echo "Depends: $depends"
echo "Recommends: $(info Recommends)"
for need in 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'libsdl2-mixer-2.0-0' \
            'fonts-ipaexfont-mincho | fonts-noto-cjk | fonts-japanese-mincho' 'libstdc++6'; do
    grep -q -F "$need" <<< "$depends" || fail "Depends lacks $need"
done
# Qt's X11 and off-screen plugins come with libqt6gui6
! grep -q -F 'qt6-qpa-plugins' <<< "$depends" || fail "Depends names qt6-qpa-plugins"
grep -q -F 'qt6-translations-l10n' <<< "$(info Recommends)" || fail "Recommends lacks qt6-translations-l10n"
for never in gtest gmock benchmark clang libqt6test; do
    ! grep -q -F "$never" <<< "$depends" || fail "Depends names $never"
done
synopsis=$(info Description | sed -n 1p)
[ -n "$synopsis" ] && [ "$(info Description | sed -n '2s/^ //p')" != "$synopsis" ] || fail "Description synopsis"
dpkg-deb --info "$deb" > "$work/info"
grep -q 'md5sums' "$work/info" || fail "no md5sums in the control archive"

# ---- contents ------------------------------------------------------------------
dpkg-deb --contents "$deb" > "$work/contents"
echo "Files:"
awk '{print $NF}' "$work/contents"
for path in ./usr/games/vezuvire ./usr/games/vezuvire-cli ./usr/libexec/vezuvire/vezuvire \
            ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/mime/packages/$id.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/icons/hicolor/256x256/apps/$id.png ./usr/share/icons/hicolor/16x16/apps/$id.png \
            ./usr/share/man/man6/vezuvire.6.gz ./usr/share/man/man6/vezuvire-cli.6.gz \
            ./usr/share/doc/vezuvire/copyright ./usr/share/doc/vezuvire/changelog.Debian.gz \
            "${SOUNDS[@]/#/./usr/share/games/vezuvire/}"; do
    grep -q -F " $path" "$work/contents" || fail "package lacks $path"
done
! grep -q -E ' \./usr/(local|bin|lib)/|test_|bench|fuzz|lintian' "$work/contents" || fail "package holds files it should not"
grep -E ' \./usr/games/vezuvire$' "$work/contents" | grep -q '^-rwxr-xr-x root/root' || fail "launcher mode or owner"

# ---- unpacked ------------------------------------------------------------------------
dpkg-deb -x "$deb" "$work/x"
game=$work/x/usr/libexec/vezuvire/vezuvire
is_elf "$game" || fail "game binary"
# (each listing read whole into a file first: grep -q ending a pipe early
# would fail the pipe under pipefail)
for bin in "$game" "$work/x/usr/games/vezuvire-cli"; do
    readelf -S -W "$bin" > "$work/sections"
    readelf -d -W "$bin" > "$work/dynamic"
    readelf --dyn-syms -W "$bin" > "$work/symbols"
    strings -a "$bin" > "$work/strings"
    ! grep -q '\.debug_info' "$work/sections" || fail "$bin not stripped"
    grep -q 'BIND_NOW' "$work/dynamic" || fail "$bin without BIND_NOW"
    grep -q 'Flags: NOW PIE' "$work/dynamic" || fail "$bin is not PIE"
    grep -q '__stack_chk_fail' "$work/symbols" || fail "$bin without the stack protector"
    grep -q '_chk@' "$work/symbols" || fail "$bin without fortified functions"
    ! grep -q -F "$out" "$work/strings" || fail "the build folder's path is in $bin"
done
grep -q 'License: GPL-3+' "$work/x/usr/share/doc/vezuvire/copyright" || fail "copyright licence"
"$work/x/usr/games/vezuvire-cli" --help | grep '^usage: vezuvire-cli' >/dev/null || fail "unpacked vezuvire-cli does not run"
printf '' | "$work/x/usr/games/vezuvire-cli" play --level 1 > /dev/null || fail "unpacked vezuvire-cli cannot play"

# ---- real install and removal -------------------------------------------------------
if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = true ]; then
    if dpkg-query -W -f='${Status}' vezuvire 2>/dev/null | grep 'installed' >/dev/null; then
        echo "vezuvire is already installed here: real install skipped"
    else
        dpkg -i "$deb" || fail "dpkg -i"
        trap 'dpkg --purge vezuvire > /dev/null 2>&1 || true' EXIT
        [ -x /usr/games/vezuvire ] && [ -x /usr/libexec/vezuvire/vezuvire ] || fail "installed files"
        /usr/games/vezuvire-cli --version > /dev/null || fail "installed vezuvire-cli"
        dpkg --purge vezuvire || fail "dpkg --purge"
        for path in /usr/games/vezuvire /usr/games/vezuvire-cli /usr/libexec/vezuvire /usr/share/games/vezuvire \
                    /usr/share/applications/$id.desktop /usr/share/doc/vezuvire; do
            [ ! -e "$path" ] || fail "$path left after removal"
        done
        echo "installed and removed for real"
    fi
else
    echo "not root with CI=true: package inspected and unpacked, not installed"
fi
echo "package: ok"
