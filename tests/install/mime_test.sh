#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Records open on GNOME-style desktops: GLib does not match a name ending in
# kanji, so a record must be known by what it holds.  With the file type and
# the desktop entry of the build in a private XDG_DATA_DIRS (its MIME
# database made by update-mime-database, its application cache by
# update-desktop-database), `gio info` and `xdg-mime query filetype` (as
# GNOME, Xfce, MATE and Cinnamon run it) must call records the game saved
# application/x-vezuvire-record, with CR LF or LF line ends and with no
# name at all, and `gio open` must hand one to the program of the desktop
# entry (a stand-in `vezuvire` on PATH).  Plain text stays text/plain.
# Exits 77 (skipped) when a tool is missing; `make deps` installs them all.
# usage: mime_test.sh BUILD_DIR APP_ID VEZUVIRE_CLI
set -euo pipefail
build=$(cd "$1" && pwd) id=$2 cli=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
. "$(dirname "$0")/lib.sh"
type=application/x-vezuvire-record
for tool in gio xdg-mime update-mime-database update-desktop-database iconv; do
    command -v "$tool" > /dev/null || { echo "SKIP: no $tool (make deps installs it)"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
data=$work/share
mkdir -p "$data/mime/packages" "$data/applications" "$work/bin" "$work/home" "$work/files"
cp "$build/dist/$id.xml" "$data/mime/packages/"
cp "$build/dist/$id.desktop" "$data/applications/"
update-mime-database "$data/mime" > /dev/null 2>&1 || fail "update-mime-database"
update-desktop-database "$data/applications" || fail "update-desktop-database"
grep -q -x "$type text/plain" "$data/mime/subclasses" || fail "a record is not a kind of text/plain"
# the program of the desktop entry: notes what it was given
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened"\n' "$work" > "$work/bin/vezuvire"
chmod +x "$work/bin/vezuvire"

desktop() {  # desktop [VAR=VALUE...] COMMAND...: as a session with only our data and the system's
    env -i PATH="$work/bin:$PATH" HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
        XDG_CONFIG_HOME="$work/home/config" XDG_DATA_DIRS="$data:/usr/share" "$@"
}
gio_type() { desktop gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }

# ---- records as the game writes them, and the same bytes under other names ----------
cd "$work/files"
echo "7 7 7 6" | "$cli" play --level 1 --save 記録.棋譜 --game-name 対局 --top-name コンピュータ \
    --bottom-name 人間 > /dev/null || fail "vezuvire-cli could not save a record"
echo "7 7 7 6" | "$cli" play --level 1 --save 空.棋譜 --game-name "" --top-name "" --bottom-name "" > /dev/null || fail "vezuvire-cli could not save an unnamed record"
tr -d '\r' < 記録.棋譜 > 改行LF.棋譜
cp 記録.棋譜 record-without-extension
cp 記録.棋譜 'game 1.棋譜'
for f in 記録.棋譜 空.棋譜 改行LF.棋譜 record-without-extension 'game 1.棋譜'; do
    got=$(gio_type "$work/files/$f")
    [ "$got" = "$type" ] || fail "gio info calls $f $got"
    for de in GNOME XFCE MATE X-Cinnamon; do
        got=$(desktop XDG_CURRENT_DESKTOP=$de xdg-mime query filetype "$work/files/$f")
        [ "$got" = "$type" ] || fail "xdg-mime under $de calls $f $got"
    done
done
# ---- text that is not a record -----------------------------------------------------
printf 'Shopping list\n- rice\n- 0 0 0\n' > notes.txt
printf 'Shopping list\n- rice\n' > notes
for f in notes.txt notes; do
    got=$(gio_type "$work/files/$f")
    [ "$got" = text/plain ] || fail "gio info calls the text file $f $got"
done

# ---- opening one starts the game ---------------------------------------------------
desktop gio mime "$type" > "$work/apps"
grep -q "$id.desktop" "$work/apps" || { cat "$work/apps"; fail "no application registered for $type"; }
head -n1 "$work/apps" | grep -q "$id.desktop" || { cat "$work/apps"; fail "the game is not the default for $type"; }
desktop gio open "$work/files/記録.棋譜" || fail "gio open"
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2> /dev/null)" = "$work/files/記録.棋譜" ] || fail "gio open did not start vezuvire with the record"
echo "mime: ok"
