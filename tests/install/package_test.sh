#!/usr/bin/env bash
# The Debian package: build it with CPack from the build folder, inspect its
# control fields and contents, unpack it and run the command-line tool from
# it.  A real install and removal happens only as root with CI=true (it
# changes the machine), and only when no vezuvire package is installed yet.
# usage: package_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 id=$3
. "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" > "$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack"
}
deb=$(ls "$work"/out/vezuvire_"$version"_*.deb)
[ -f "$deb" ] || fail "no vezuvire_${version}_*.deb"

# ---- control fields -----------------------------------------------------------
info() { dpkg-deb --field "$deb" "$1"; }
[ "$(info Package)" = vezuvire ] || fail "Package"
[ "$(info Version)" = "$version" ] || fail "Version $(info Version)"
[ "$(info Section)" = games ] || fail "Section"
[ "$(info Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
depends=$(info Depends)
echo "Depends: $depends"
for need in 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'libsdl2-mixer-2.0-0' 'qt6-qpa-plugins' \
            'fonts-noto-cjk | fonts-japanese-mincho' 'libstdc++6'; do
    grep -q -F "$need" <<< "$depends" || fail "Depends lacks $need"
done
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
for path in ./usr/bin/vezuvire ./usr/bin/vezuvire-cli ./usr/lib/vezuvire/vezuvire \
            ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/256x256/apps/$id.png ./usr/share/icons/hicolor/16x16/apps/$id.png \
            ./usr/share/man/man6/vezuvire.6.gz ./usr/share/man/man6/vezuvire-cli.6.gz \
            ./usr/share/doc/vezuvire/copyright ./usr/share/doc/vezuvire/changelog.gz \
            "${SOUNDS[@]/#/./usr/share/vezuvire/}"; do
    grep -q -F " $path" "$work/contents" || fail "package lacks $path"
done
! grep -q -E ' \./usr/local|test_|bench|fuzz' "$work/contents" || fail "package holds files it should not"
grep -E ' \./usr/bin/vezuvire$' "$work/contents" | grep -q '^-rwxr-xr-x root/root' || fail "launcher mode or owner"

# ---- unpacked ------------------------------------------------------------------------
dpkg-deb -x "$deb" "$work/x"
is_elf "$work/x/usr/lib/vezuvire/vezuvire" || fail "game binary"
! readelf -S "$work/x/usr/lib/vezuvire/vezuvire" | grep -q '\.debug_info' || fail "game binary not stripped"
"$work/x/usr/bin/vezuvire-cli" --help | grep -q '^usage: vezuvire-cli' || fail "unpacked vezuvire-cli does not run"
printf '' | "$work/x/usr/bin/vezuvire-cli" play --level 1 > /dev/null || fail "unpacked vezuvire-cli cannot play"

# ---- real install and removal -------------------------------------------------------
if [ "$(id -u)" -eq 0 ] && [ "${CI:-}" = true ]; then
    if dpkg-query -W -f='${Status}' vezuvire 2>/dev/null | grep -q 'installed'; then
        echo "vezuvire is already installed here: real install skipped"
    else
        dpkg -i "$deb" || fail "dpkg -i"
        trap 'dpkg --purge vezuvire > /dev/null 2>&1 || true; rm -rf "$work"' EXIT
        [ -x /usr/bin/vezuvire ] && [ -x /usr/lib/vezuvire/vezuvire ] || fail "installed files"
        /usr/bin/vezuvire-cli --help > /dev/null || fail "installed vezuvire-cli"
        dpkg --purge vezuvire || fail "dpkg --purge"
        for path in /usr/bin/vezuvire /usr/bin/vezuvire-cli /usr/lib/vezuvire /usr/share/vezuvire \
                    /usr/share/applications/$id.desktop /usr/share/doc/vezuvire; do
            [ ! -e "$path" ] || fail "$path left after removal"
        done
        echo "installed and removed for real"
    fi
else
    echo "not root with CI=true: package inspected and unpacked, not installed"
fi
echo "package: ok"
