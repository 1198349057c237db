#!/bin/sh
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
"$cli" play --level 7 < /dev/null > /dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || { echo "bad level: status $status"; exit 1; }
echo ok
