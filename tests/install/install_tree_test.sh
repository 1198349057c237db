#!/usr/bin/env bash
# The installed game: stage `cmake --install` with DESTDIR, check every file a
# desktop expects, validate the desktop entry and the metainfo, then start the
# installed launcher as a new player would, and again with files the player
# already has.
# usage: install_tree_test.sh BUILD_DIR PREFIX APP_ID GAMEDIR
set -euo pipefail
build=$1 prefix=$2 id=$3 gamedir=$4
. "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/stage cmake --install "$build" > "$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}
root=$work/stage$prefix

# ---- the tree ------------------------------------------------------------------
[ -x "$root/bin/vezuvire" ] || fail "no launcher bin/vezuvire"
head -n1 "$root/bin/vezuvire" | grep -qx '#!/bin/sh' || fail "bin/vezuvire is not a shell launcher"
[ -x "$root/$gamedir/vezuvire" ] && is_elf "$root/$gamedir/vezuvire" || fail "no game in $gamedir"
[ -x "$root/bin/vezuvire-cli" ] && is_elf "$root/bin/vezuvire-cli" || fail "no bin/vezuvire-cli"
"$root/bin/vezuvire-cli" --help | grep -q '^usage: vezuvire-cli' || fail "installed vezuvire-cli does not run"
for f in "${SOUNDS[@]}"; do
    cmp -s "$build/bin/$f" "$root/share/vezuvire/$f" || fail "sound $f not installed"
done
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
[ -f "$metainfo" ] || fail "no metainfo $id.metainfo.xml"
for n in "${ICON_SIZES[@]}"; do
    icon=$root/share/icons/hicolor/${n}x${n}/apps/$id.png
    [ -f "$icon" ] || fail "no ${n}x${n} icon"
    [ "$(png_size "$icon")" = "$n $n" ] || fail "icon ${n}x${n} is $(png_size "$icon")"
done
# the icon is drawn, not blank: the big one uses many colours
colours=$(od -An -v -tx1 -j100 "$root/share/icons/hicolor/256x256/apps/$id.png" | tr ' ' '\n' | sort -u | wc -l)
[ "$colours" -gt 200 ] || fail "the 256-pixel icon looks empty"
for page in vezuvire vezuvire-cli; do
    man=$root/share/man/man6/$page.6.gz
    [ -f "$man" ] || fail "no manual page $page.6.gz"
    gzip -t "$man" || fail "$page.6.gz is not gzip"
    zcat "$man" | grep -q "^\.TH $(echo "$page" | tr a-z A-Z | sed 's/-/\\\\-/')" || fail "$page.6 has no title line"
done
zcat "$root/share/man/man6/vezuvire-cli.6.gz" | grep -q '^\.B vezuvire\\-cli show' || fail "vezuvire-cli.6 lacks the show command"
[ -f "$root/share/doc/vezuvire/copyright" ] || fail "no copyright file"
zcat "$root/share/doc/vezuvire/changelog.gz" | head -n1 | grep -q '^vezuvire (' || fail "changelog"
# nothing else: no test programs, benchmarks or build leftovers
extra=$(cd "$root" && find . -type f -o -type l | grep -v -E \
    "^\./(bin/vezuvire|bin/vezuvire-cli|$gamedir/vezuvire|share/vezuvire/.*\.wav|share/applications/$id\.desktop|share/metainfo/$id\.metainfo\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/$id\.png|share/man/man6/vezuvire(-cli)?\.6\.gz|share/doc/vezuvire/(copyright|changelog\.gz)|share/lintian/overrides/vezuvire)$" || true)
[ -z "$extra" ] || fail "unexpected installed files: $extra"

# ---- desktop entry and metainfo -------------------------------------------------
grep -qx 'Name=Vezuvire' "$desktop" || fail "desktop Name"
grep -q '^Name\[ja\]=.' "$desktop" || fail "desktop Japanese name"
grep -q '^Comment\[ja\]=.' "$desktop" || fail "desktop Japanese comment"
grep -qx 'Categories=Game;BoardGame;' "$desktop" || fail "desktop categories"
grep -qx "Icon=$id" "$desktop" || fail "desktop icon"
grep -qx 'Exec=vezuvire' "$desktop" || fail "desktop Exec"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo screenshot"

# ---- the launcher, as a new player ------------------------------------------------
run_game() {  # run_game DIR_TO_START_IN PROGRAM [ENV...]
    local from=$1 prog=$2
    shift 2
    (cd "$from" && env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS=detect_leaks=0 VEZUVIRE_QUIT_AFTER_MS=300 "$@" \
        timeout 60 "$prog") > "$work/game.log" 2>&1 || {
        cat "$work/game.log"
        fail "$prog did not end cleanly"
    }
}
mkdir -p "$work/home" "$work/data" "$work/config" "$work/cache" "$work/start" "$work/runtime"
chmod 700 "$work/runtime"
xdg=(HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
     XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime")
run_game "$work/start" "$root/bin/vezuvire" "${xdg[@]}"

mine=$work/data/vezuvire
[ -d "$mine" ] || fail "the launcher made no per-user folder"
for f in "${SOUNDS[@]}"; do
    [ -L "$mine/$f" ] || fail "sound $f not linked into the per-user folder"
    cmp -s "$mine/$f" "$root/share/vezuvire/$f" || fail "sound $f does not lead to the installed one"
done
printf '背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n' | iconv -f UTF-8 -t SHIFT_JIS > "$work/default.ini"
cmp -s "$work/default.ini" "$mine/Vezuvire.ini" || fail "the default settings file was not written in the per-user folder"
[ -z "$(ls -A "$work/start")" ] || fail "the game wrote into the folder it was started from"
[ -z "$(ls -A "$work/home")" ] || fail "the game wrote into HOME although XDG_DATA_HOME is set"

# ---- the launcher, with a player's own files ------------------------------------------
printf '背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n' | iconv -f UTF-8 -t SHIFT_JIS > "$work/own.ini"
cp "$work/own.ini" "$mine/Vezuvire.ini"
rm "$mine/禁止.wav"
printf 'my own sound' > "$mine/禁止.wav"                 # a sound of the player's
rm "$mine/駒打音.wav"                                      # a sound deleted
ln -sfn "$work/gone/BGM.wav" "$mine/BGM.wav"              # left dangling by an old install
printf 'record' > "$mine/対局.棋譜"
run_game "$work/start" "$root/bin/vezuvire" "${xdg[@]}"
cmp -s "$work/own.ini" "$mine/Vezuvire.ini" || fail "the player's settings were changed"
[ "$(cat "$mine/禁止.wav")" = 'my own sound' ] || fail "the player's own sound was replaced"
cmp -s "$mine/駒打音.wav" "$root/share/vezuvire/駒打音.wav" || fail "a deleted sound was not linked again"
cmp -s "$mine/BGM.wav" "$root/share/vezuvire/BGM.wav" || fail "a dangling sound link was not renewed"
[ "$(cat "$mine/対局.棋譜")" = 'record' ] || fail "the player's record was touched"

# ---- the launcher without XDG_DATA_HOME, and with a relative one --------------------
run_game "$work/start" "$root/bin/vezuvire" HOME="$work/home2" XDG_RUNTIME_DIR="$work/runtime"
cmp -s "$work/default.ini" "$work/home2/.local/share/vezuvire/Vezuvire.ini" || fail "default folder without XDG_DATA_HOME"
run_game "$work/start" "$root/bin/vezuvire" HOME="$work/home3" XDG_DATA_HOME=relative XDG_RUNTIME_DIR="$work/runtime"
cmp -s "$work/default.ini" "$work/home3/.local/share/vezuvire/Vezuvire.ini" || fail "a relative XDG_DATA_HOME was not ignored"
[ ! -e "$work/start/relative" ] || fail "a relative XDG_DATA_HOME was used"

# ---- the game itself keeps to its working directory ---------------------------------
mkdir "$work/folder"
run_game "$work/folder" "$root/$gamedir/vezuvire" "${xdg[@]}"
cmp -s "$work/default.ini" "$work/folder/Vezuvire.ini" || fail "the bare game did not keep its settings in its working directory"
echo "installed tree, validators and launcher: ok"
