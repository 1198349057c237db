#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game: stage `cmake --install` with DESTDIR, check every file a
# desktop expects, validate the desktop entry and the metainfo, then start the
# installed launcher as a new player would, and again with files the player
# already has, with a record to open, and where it cannot start.
# usage: install_tree_test.sh BUILD_DIR PREFIX APP_ID BINDIR GAMEDIR SOUNDDIR VERSION RELEASE_DATE
set -euo pipefail
build=$1 prefix=$2 id=$3 bindir=$4 gamedir=$5 sounddir=$6 version=$7 released=$8
. "$(dirname "$0")/lib.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/stage cmake --install "$build" > "$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}
root=$work/stage$prefix

# ---- the tree ------------------------------------------------------------------
[ -x "$root/$bindir/vezuvire" ] || fail "no launcher $bindir/vezuvire"
head -n1 "$root/$bindir/vezuvire" | grep -qx '#!/bin/sh' || fail "$bindir/vezuvire is not a shell launcher"
[ -x "$root/$gamedir/vezuvire" ] && is_elf "$root/$gamedir/vezuvire" || fail "no game in $gamedir"
[ -x "$root/$bindir/vezuvire-cli" ] && is_elf "$root/$bindir/vezuvire-cli" || fail "no $bindir/vezuvire-cli"
"$root/$bindir/vezuvire-cli" --help | grep '^usage: vezuvire-cli' >/dev/null || fail "installed vezuvire-cli does not run"
for f in "${SOUNDS[@]}"; do
    cmp -s "$build/bin/$f" "$root/$sounddir/$f" || fail "sound $f not installed"
done
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
mime=$root/share/mime/packages/$id.xml
svg=$root/share/icons/hicolor/scalable/apps/$id.svg
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
[ -f "$metainfo" ] || fail "no metainfo $id.metainfo.xml"
[ -f "$mime" ] || fail "no file type description mime/packages/$id.xml"
for n in "${ICON_SIZES[@]}"; do
    icon=$root/share/icons/hicolor/${n}x${n}/apps/$id.png
    [ -f "$icon" ] || fail "no ${n}x${n} icon"
    [ "$(png_size "$icon")" = "$n $n" ] || fail "icon ${n}x${n} is $(png_size "$icon")"
done
# the icon is drawn, not blank: the big one uses many colours
colours=$(od -An -v -tx1 -j100 "$root/share/icons/hicolor/256x256/apps/$id.png" | tr ' ' '\n' | sort -u | wc -l)
[ "$colours" -gt 200 ] || fail "the 256-pixel icon looks empty"
# the scalable icon: well-formed XML whose root is an svg element
[ -f "$svg" ] || fail "no scalable icon"
xmllint --noout "$svg" || fail "the scalable icon is not well-formed XML"
[ "$(xmllint --xpath 'local-name(/*)' "$svg")" = svg ] || fail "the scalable icon's root is not svg"
[ "$(xmllint --xpath 'count(//*[local-name()="path"])' "$svg")" -gt 10 ] || fail "the scalable icon has too few shapes"
for page in vezuvire vezuvire-cli; do
    man=$root/share/man/man6/$page.6.gz
    [ -f "$man" ] || fail "no manual page $page.6.gz"
    gzip -t "$man" || fail "$page.6.gz is not gzip"
    zcat "$man" | grep "^\.TH $(echo "$page" | tr a-z A-Z | sed 's/-/\\\\-/')" >/dev/null || fail "$page.6 has no title line"
    # renders without a warning under an unset LANG
    warnings=$(zcat "$man" | env -u LANG -u LC_ALL -u LC_CTYPE groff -man -Tascii -ww -z 2>&1) || fail "$page.6 does not render"
    [ -z "$warnings" ] || fail "$page.6 renders with warnings: $warnings"
    ! zcat "$man" | LC_ALL=C grep -q -P '[^\x00-\x7f]' || fail "$page.6 holds bytes outside ASCII"
    zcat "$man" | grep -F '\-\-version' >/dev/null || fail "$page.6 lacks --version"
done
zcat "$root/share/man/man6/vezuvire-cli.6.gz" | grep '^\.B vezuvire\\-cli show' >/dev/null || fail "vezuvire-cli.6 lacks the show command"
zcat "$root/share/man/man6/vezuvire.6.gz" > "$work/vezuvire.6"
for f in "$prefix/$gamedir/vezuvire" "$prefix/$sounddir/" "$prefix/$bindir/vezuvire" Vezuvire.autosave \
         Vezuvire.autosave.lock Vezuvire.ini; do
    grep -q -F "$(printf '%s' "$f" | sed 's/-/\\-/g')" "$work/vezuvire.6" || fail "vezuvire.6 does not name $f"
done
# nothing else: no test programs, benchmarks, build leftovers or Debian's files
extra=$(cd "$root" && find . -type f -o -type l | grep -v -E \
    "^\./($bindir/vezuvire|$bindir/vezuvire-cli|$gamedir/vezuvire|$sounddir/.*\.wav|share/applications/$id\.desktop|share/metainfo/$id\.metainfo\.xml|share/mime/packages/$id\.xml|share/icons/hicolor/[0-9]+x[0-9]+/apps/$id\.png|share/icons/hicolor/scalable/apps/$id\.svg|share/man/man6/vezuvire(-cli)?\.6\.gz)$" || true)
[ -z "$extra" ] || fail "unexpected installed files: $extra"

# ---- versions and help ------------------------------------------------------------
for prog in "$root/$bindir/vezuvire" "$root/$gamedir/vezuvire" "$root/$bindir/vezuvire-cli"; do
    name=$(basename "$prog")
    [ "$(env -i PATH="$PATH" "$prog" --version)" = "$name $version ($released)" ] || fail "$prog --version"
    env -i PATH="$PATH" "$prog" --help | grep "^usage: $name" >/dev/null || fail "$prog --help"
    if env -i PATH="$PATH" "$prog" --help > /dev/full 2> /dev/null; then fail "$prog --help >/dev/full ended with 0"; fi
    if env -i PATH="$PATH" "$prog" --version > /dev/full 2> /dev/null; then fail "$prog --version >/dev/full ended with 0"; fi
done
"$root/$bindir/vezuvire-cli" --help > "$work/help"
for option in --level --gote --movetime --depth --seed --save --game-name --top-name --bottom-name --lines \
              --movetime-a --movetime-b --depth-a --depth-b --jobs --games --version; do
    grep -q -e "$option" "$work/help" || fail "vezuvire-cli --help lacks $option"
done

# ---- the file type of records ------------------------------------------------------
xmllint --noout "$mime" || fail "mime XML not well-formed"
grep -q '<glob pattern="\*\.棋譜"/>' "$mime" || fail "mime glob"
grep -q '<comment xml:lang="ja">.' "$mime" && grep -q '<comment>.' "$mime" || fail "mime comments"
cp -r "$root/share/mime" "$work/mime"
update-mime-database "$work/mime" || fail "update-mime-database"
# the best glob match of a record's name, as a desktop reads the database
best=$(awk -F: -v name='対局.棋譜' '
    /^#/ { next }
    { pat = $3; gsub(/[.]/, "[.]", pat); gsub(/[*]/, ".*", pat)
      if (name ~ ("^" pat "$") && (best == "" || $1 > w)) { best = $2; w = $1 } }
    END { print best }' "$work/mime/globs2")
[ "$best" = application/x-vezuvire-record ] || fail "a .棋譜 file resolves to '$best'"

# ---- desktop entry and metainfo -------------------------------------------------
grep -qx 'Name=Vezuvire' "$desktop" || fail "desktop Name"
grep -q '^Name\[ja\]=.' "$desktop" || fail "desktop Japanese name"
grep -q '^Comment\[ja\]=.' "$desktop" || fail "desktop Japanese comment"
grep -qx 'Categories=Game;BoardGame;' "$desktop" || fail "desktop categories"
grep -qx "Icon=$id" "$desktop" || fail "desktop icon"
grep -qx 'Exec=vezuvire %f' "$desktop" || fail "desktop Exec with %f"
grep -qx 'MimeType=application/x-vezuvire-record;' "$desktop" || fail "desktop MimeType"
grep -qx 'StartupWMClass=Vezuvire' "$desktop" || fail "desktop StartupWMClass (Qt's class is the application name)"
grep -q '^Comment=.' "$desktop" || fail "desktop English comment"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --pedantic --no-net "$metainfo" || fail "appstreamcli validate --pedantic"
for want in '<project_license>GPL-3.0-or-later</project_license>' '<metadata_license>FSFAP</metadata_license>' \
            '<url type="bugtracker">https://github.com/vezuvire/vezuvire/issues</url>' \
            '<url type="homepage">https://vezuvire.github.io/</url>' '<developer id="' \
            "<release version=\"$version\" date=\"$released\">" '<content_rating type="oars-1.1"/>' \
            '<mediatype>application/x-vezuvire-record</mediatype>' '<name xml:lang="ja">' '<summary xml:lang="ja">'; do
    grep -q -F "$want" "$metainfo" || fail "metainfo lacks $want"
done
grep -q -F '<developer_name>The Vezuvire developers</developer_name>' "$metainfo" || fail "metainfo developer_name (bookworm's AppStream)"
! grep -q -e example "$metainfo" "$desktop" || fail "a placeholder name is left"
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
run_game "$work/start" "$root/$bindir/vezuvire" "${xdg[@]}"

mine=$work/data/vezuvire
[ -d "$mine" ] || fail "the launcher made no per-user folder"
for f in "${SOUNDS[@]}"; do
    [ -L "$mine/$f" ] || fail "sound $f not linked into the per-user folder"
    cmp -s "$mine/$f" "$root/$sounddir/$f" || fail "sound $f does not lead to the installed one"
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
run_game "$work/start" "$root/$bindir/vezuvire" "${xdg[@]}"
cmp -s "$work/own.ini" "$mine/Vezuvire.ini" || fail "the player's settings were changed"
[ "$(cat "$mine/禁止.wav")" = 'my own sound' ] || fail "the player's own sound was replaced"
cmp -s "$mine/駒打音.wav" "$root/$sounddir/駒打音.wav" || fail "a deleted sound was not linked again"
cmp -s "$mine/BGM.wav" "$root/$sounddir/BGM.wav" || fail "a dangling sound link was not renewed"
[ "$(cat "$mine/対局.棋譜")" = 'record' ] || fail "the player's record was touched"

# ---- the launcher without XDG_DATA_HOME, and with a relative one --------------------
run_game "$work/start" "$root/$bindir/vezuvire" HOME="$work/home2" XDG_RUNTIME_DIR="$work/runtime"
cmp -s "$work/default.ini" "$work/home2/.local/share/vezuvire/Vezuvire.ini" || fail "default folder without XDG_DATA_HOME"
run_game "$work/start" "$root/$bindir/vezuvire" HOME="$work/home3" XDG_DATA_HOME=relative XDG_RUNTIME_DIR="$work/runtime"
cmp -s "$work/default.ini" "$work/home3/.local/share/vezuvire/Vezuvire.ini" || fail "a relative XDG_DATA_HOME was not ignored"
[ ! -e "$work/start/relative" ] || fail "a relative XDG_DATA_HOME was used"

# ---- the game itself keeps to its working directory ---------------------------------
mkdir "$work/folder"
run_game "$work/folder" "$root/$gamedir/vezuvire" "${xdg[@]}"
cmp -s "$work/default.ini" "$work/folder/Vezuvire.ini" || fail "the bare game did not keep its settings in its working directory"
# ---- the launcher where it cannot start: stderr, a message box, status 1 -------------
mkdir -p "$work/fakebin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$work/zenity.log" > "$work/fakebin/zenity"
chmod +x "$work/fakebin/zenity"
touch "$work/a-file"
refused() {  # refused WHAT EXPECTED-TEXT ENV...
    local what=$1 text=$2
    shift 2
    rm -f "$work/zenity.log"
    if (cd "$work/start" && env -i PATH="$work/fakebin:$PATH" QT_QPA_PLATFORM=offscreen "$@" \
        timeout 60 "$root/$bindir/vezuvire") > "$work/refused.log" 2>&1; then
        fail "the launcher started with $what"
    fi
    grep -q -F "$text" "$work/refused.log" || fail "no message on stderr for $what: $(cat "$work/refused.log")"
    grep -q -x -e --error "$work/zenity.log" && grep -q -F "$text" "$work/zenity.log" ||
        fail "no message box for $what"
}
refused "HOME unset" "HOME is not set"
refused "a relative HOME" "is not an absolute path" HOME=relative
[ ! -e "$work/start/relative" ] || fail "a relative HOME was used"
refused "XDG_DATA_HOME naming a file" "cannot make or write the folder" HOME="$work/home" XDG_DATA_HOME="$work/a-file"
# without zenity or kdialog the game's own box says it, closed here by the test switch
(env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen VEZUVIRE_QUIT_AFTER_MS=200 \
    timeout 60 "$root/$gamedir/vezuvire" --show-message "test") > "$work/box.log" 2>&1 ||
    fail "the game's own message box: $(cat "$work/box.log")"

# ---- the launcher hands a record over by its full path -------------------------------
# (a stand-in for the game, beside a copy of the launcher, tells where it was
# started and what it was given)
mkdir -p "$work/fake/$bindir" "$work/fake/$gamedir" "$work/fake/$sounddir"
cp "$root/$bindir/vezuvire" "$work/fake/$bindir/vezuvire"
printf '#!/bin/sh\npwd > "%s"\nprintf "%%s\\n" "$@" >> "%s"\n' "$work/stub.log" "$work/stub.log" \
    > "$work/fake/$gamedir/vezuvire"
chmod +x "$work/fake/$gamedir/vezuvire"
touch "$work/start/ここの対局.棋譜"
handed() {  # handed "EXPECTED LINES" ARGS...
    local want=$1
    shift
    (cd "$work/start" && env -i PATH="$PATH" "${xdg[@]}" "$work/fake/$bindir/vezuvire" "$@") ||
        fail "the launcher with $*"
    [ "$(cat "$work/stub.log")" = "$(printf '%s\n%b' "$mine" "$want")" ] ||
        fail "launcher given '$*' handed over: $(cat "$work/stub.log")"
}
handed "$work/start/ここの対局.棋譜\n" ここの対局.棋譜
handed "$work/start/ない.棋譜\n" ない.棋譜
handed "/abs/対局.棋譜\n" /abs/対局.棋譜
handed "-platform\noffscreen\n" -platform offscreen
handed "-platform\noffscreen\n$work/start/ここの対局.棋譜\n" -platform offscreen ここの対局.棋譜
echo "installed tree, validators and launcher: ok"
