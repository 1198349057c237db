#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped puzzles hold: `vezuvire-cli puzzles --verify` proves every one
# of them by a complete search and ends with "verified N/N", N ≥ 200; a
# puzzle with a winning move left out, or a length that is too long, fails.
# usage: puzzles_test.sh VEZUVIRE_CLI PUZZLE_FILE [STEP]
# With STEP > 1 only every STEP-th puzzle is proved (the sanitizer build,
# where the search runs many times slower; the plain build proves them all).
set -eu
cli=$1
file=$2
step=${3:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

n=$(grep -vc '^#' "$file")
[ "$n" -ge 200 ] || fail "only $n puzzles"
grep -v '^#' "$file" | awk -v s="$step" '(NR - 1) % s == 0' > "$work/proved.txt"
m=$(wc -l < "$work/proved.txt")
"$cli" puzzles --verify "$work/proved.txt" > "$work/out" || { cat "$work/out"; fail "the shipped puzzles do not all hold"; }
[ "$(tail -n 1 "$work/out")" = "verified $m/$m" ] || { tail -n 3 "$work/out"; fail "not 'verified $m/$m'"; }
# No position twice.
[ "$(grep -v '^#' "$file" | cut -d' ' -f1-3 | sort -u | wc -l)" -eq "$n" ] || fail "a position stands twice"

# Broken copies of the first puzzle: a wrong length (one more, or one less
# for a win in three), and a list of winning moves with one left out (or,
# when it holds one, with a move added that cannot be played).
line=$(grep -v '^#' "$file" | head -n 1)
set -- $line
longer="$1 $2 $3 $(( $4 + 1 > 3 ? 3 : $4 + 1 )) $5 $6 $7 $8"
[ "$4" -lt 3 ] || longer="$1 $2 $3 $(( $4 - 1 )) $5 $6 $7 $8"
printf '%s\n%s\n' "$line" "$longer" > "$work/bad.txt"
if "$cli" puzzles --verify "$work/bad.txt" > "$work/bad.out"; then fail "a wrong length passed"; fi
[ "$(tail -n 1 "$work/bad.out")" = "verified 1/2" ] || { cat "$work/bad.out"; fail "not 'verified 1/2'"; }
grep -q '^line 2: ' "$work/bad.out" || fail "the failing line is not named"
moves=$5
case $moves in
  *,*) fewer=${moves%,*} ;;
  *) fewer="$moves,1199" ;;
esac
printf '%s %s %s %s %s %s %s %s\n' "$1" "$2" "$3" "$4" "$fewer" "$6" "$7" "$8" > "$work/bad2.txt"
if "$cli" puzzles --verify "$work/bad2.txt" > "$work/bad2.out"; then fail "a wrong list of moves passed"; fi
[ "$(tail -n 1 "$work/bad2.out")" = "verified 0/1" ] || { cat "$work/bad2.out"; fail "not 'verified 0/1'"; }
# A wrong command line.
if "$cli" puzzles > /dev/null 2>&1; then fail "puzzles without --verify passed"; fi
echo "puzzles: ok"
