#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Black-box test of vezuvire-cli against recorded results: a scripted game
# at each strength, its record written with --save and read back with show.
# usage: cli_test.sh VEZUVIRE_CLI EXPECTED_DIR
set -eu
cli=$1
expected=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

moves='7 7 7 6
3 7 3 6
8 8 3 3 +
2 8 3 7
5 9 5 8

5 8 4 8
4 8 5 8
9 7 9 6 +'

for level in 1 2 3; do
    printf '%s\n' "$moves" | "$cli" play --level "$level" --save "game$level.棋譜" \
        --game-name "記録$level" --top-name "COM" --bottom-name "人間" > "play$level.out"
    diff -u "$expected/play$level.out" "play$level.out"
    "$cli" show --lines "game$level.棋譜" > "lines$level.out"
    diff -u "$expected/lines$level.out" "lines$level.out"
done
"$cli" show game1.棋譜 > show1.out
diff -u "$expected/show1.out" show1.out

# The computer's choice in every recorded position of the strength-3 game.
tail -n +4 "$expected/lines3.out" | while IFS= read -r line; do
    printf '%s\n' "$line" | "$cli" bestmove --level 3
done > bestmove3.out
diff -u "$expected/bestmove3.out" bestmove3.out

# Positions whose best score is a long sum of tenths and halves landing just
# above a half: the chosen move and the rounded score at each strength.
while IFS= read -r line; do
    for level in 1 2 3; do
        printf '%s ' "$level"
        printf '%s\n' "$line" | "$cli" bestmove --level "$level"
    done
done < "$expected/halves.lines" > halves.out
diff -u "$expected/halves.out" halves.out

printf '%s\n' "$moves" | "$cli" play --gote > gote.out
diff -u "$expected/gote.out" gote.out

# Files that cannot be read: one line on stderr, status 2.
status=0
"$cli" show missing.棋譜 2> err.out > /dev/null || status=$?
[ "$status" -eq 2 ] || { echo "show of a missing file: status $status"; exit 1; }
[ "$(wc -l < err.out)" -eq 1 ] || { echo "show of a missing file: not one line"; cat err.out; exit 1; }
status=0
echo "not a position" | "$cli" bestmove 2> /dev/null > /dev/null || status=$?
[ "$status" -eq 2 ] || { echo "bestmove of a bad line: status $status"; exit 1; }
status=0
"$cli" play --level 18 < /dev/null > /dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || { echo "bad level: status $status"; exit 1; }

# One message line on standard error, no carriage return in it.
one_line() {
    [ "$(wc -l < err.out)" -eq 1 ] || { echo "$1: not one line"; cat err.out; exit 1; }
    if grep -q "$(printf '\r')" err.out; then echo "$1: carriage return in the message"; exit 1; fi
}
expect_status() {
    [ "$status" -eq "$1" ] || { echo "$2: status $status, not $1"; cat err.out; exit 1; }
}

# Read errors and special files: a message and status 2, never an abort or
# a wait for ever.
ln -s /proc/self/mem mem.棋譜
status=0
"$cli" show mem.棋譜 2> err.out > /dev/null || status=$?
expect_status 2 "show of a file that fails to read"
one_line "show of a file that fails to read"
mkfifo fifo.棋譜
status=0
timeout 60 "$cli" show fifo.棋譜 2> err.out > /dev/null || status=$?
expect_status 2 "show of a FIFO"
one_line "show of a FIFO"

# A record whose lines end CR CR LF reads like the original.
sed 's/\r$/\r\r/' game1.棋譜 > crcr.棋譜
status=0
"$cli" show --lines crcr.棋譜 > crcr.out 2> err.out || status=$?
expect_status 0 "show of a CR CR LF record"
diff -u "$expected/lines1.out" crcr.out
[ ! -s err.out ] || { echo "show of a CR CR LF record: a complaint"; cat err.out; exit 1; }

# Saving: never through a link or onto a FIFO; an empty name is no name.
echo keep > keep.txt
ln -s keep.txt link.棋譜
status=0
echo "7 7 7 6" | "$cli" play --level 1 --save link.棋譜 > /dev/null 2> err.out || status=$?
expect_status 2 "save onto a link"
one_line "save onto a link"
[ -L link.棋譜 ] && [ "$(cat keep.txt)" = keep ] || { echo "save onto a link: the link or its target changed"; exit 1; }
status=0
echo "7 7 7 6" | timeout 60 "$cli" play --level 1 --save fifo.棋譜 > /dev/null 2> err.out || status=$?
expect_status 2 "save onto a FIFO"
one_line "save onto a FIFO"
[ -p fifo.棋譜 ] || { echo "save onto a FIFO: replaced"; exit 1; }
mkdir folder.棋譜
status=0
echo "7 7 7 6" | "$cli" play --level 1 --save folder.棋譜 > /dev/null 2> err.out || status=$?
expect_status 2 "save onto a folder"
one_line "save onto a folder"
status=0
"$cli" play --save "" < /dev/null > /dev/null 2> err.out || status=$?
expect_status 2 "save with an empty name"
one_line "save with an empty name"
ls -A | grep -q '^\.vezuvire_tmp_' && { echo "a temporary file was left"; exit 1; }

# Output that cannot be written is a failure, with a message.
if [ -w /dev/full ]; then
    status=0
    printf '%s\n' "$moves" | "$cli" play --level 1 > /dev/full 2> err.out || status=$?
    [ "$status" -ne 0 ] || { echo "play into a full device: status 0"; exit 1; }
    one_line "play into a full device"
fi
echo ok
