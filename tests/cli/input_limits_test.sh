#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Input without end or beyond any use: a line of standard input longer than
# 4096 bytes stops play and bestmove with an error, and a record file larger
# than 256 KiB is refused before it is read (a 10 GB sparse file included).
# Lines and files just inside the limits are read as before.
# usage: input_limits_test.sh VEZUVIRE_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Inputs: a line of exactly 4096 bytes and one of 4097; record files of
# exactly 256 KiB and one byte more (spaces: blank lines of no record).
head -c 4096 /dev/zero | tr '\0' x > line4096
head -c 4097 /dev/zero | tr '\0' x > line4097
{ printf 'n\r\nu\r\nl\r\n'; head -c $((262144 - 9)) /dev/zero | tr '\0' ' '; } > fits.棋譜
{ cat fits.棋譜; printf ' '; } > over.棋譜
truncate -s 10G sparse.棋譜

fails=0
# name | command (stdin from a file or /dev/zero) | status | what stderr says
while IFS='|' read -r name cmd status says; do
    actual=0
    sh -c "$cmd" > out 2> err || actual=$?
    if [ "$actual" -ne "$status" ] || { [ -n "$says" ] && ! grep -qF -- "$says" err; }; then
        echo "$name: status $actual (expected $status), stderr:"
        cat err
        fails=$((fails + 1))
    fi
done << EOF
play, endless zero bytes|"$cli" play < /dev/zero|2|vezuvire-cli play: a line of standard input is longer than 4096 bytes
play, a 4097-byte line|"$cli" play < line4097|2|longer than 4096 bytes
play, a 4096-byte line|"$cli" play < line4096|0|
bestmove, endless zero bytes|"$cli" bestmove < /dev/zero|2|vezuvire-cli bestmove: the position line is longer than 4096 bytes
bestmove, a 4097-byte line|"$cli" bestmove < line4097|2|the position line is longer than 4096 bytes
bestmove, a 4096-byte line|"$cli" bestmove < line4096|2|a field that is not a piece code
show, 256 KiB|"$cli" show fits.棋譜|0|
show, 256 KiB and a byte|"$cli" show over.棋譜|2|over.棋譜: 読めません: ファイルが大きすぎます。
show, 10 GB sparse|"$cli" show sparse.棋譜|2|sparse.棋譜: 読めません: ファイルが大きすぎます。
EOF
[ "$fails" -eq 0 ] || { echo "$fails case(s) failed"; exit 1; }
