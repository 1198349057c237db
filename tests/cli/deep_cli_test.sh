#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Black-box test of the stronger computer on the command line: play at
# strengths 4 and 5 bounded by depth (the same seed answers the same game),
# the record it writes, and match between two strengths.
# usage: deep_cli_test.sh VEZUVIRE_CLI
set -eu
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

moves='7 7 7 6
3 7 3 6
2 8 3 7
5 9 5 8'

fail() { echo "$1"; exit 1; }

printf '%s\n' "$moves" | "$cli" play --level 3 --save g3.棋譜 > /dev/null
for level in 4 5; do
    printf '%s\n' "$moves" | "$cli" play --level "$level" --depth 2 --seed 7 --save "g$level.棋譜" > a.out
    printf '%s\n' "$moves" | "$cli" play --level "$level" --depth 2 --seed 7 > b.out
    cmp -s a.out b.out || fail "level $level: the same seed and depth played differently"
    # One computer move per legal move of ours, each "COM fromX fromY toX toY piece score".
    [ "$(grep -c '^COM -\{0,1\}[0-9]* [0-9]* [0-9] [0-9] -\{0,1\}[0-9]* -\{0,1\}[0-9]*$' a.out)" -eq 4 ] ||
        { cat a.out; fail "level $level: not four computer moves"; }
    # The record holds as many positions as a game of the same moves at
    # strength 3: every move of the computer is logged as the game logs it.
    [ "$("$cli" show --lines "g$level.棋譜" | wc -l)" -eq "$("$cli" show --lines g3.棋譜 | wc -l)" ] ||
        fail "level $level: the record does not hold every move"
done

# The computer moving first at strength 5.
printf '' | "$cli" play --level 5 --depth 1 --gote > gote.out
grep -q '^COM ' gote.out || fail "--gote at level 5: no computer move"

# Every strength answers bestmove with one move line; the rungs below the
# top are bounded by depth, so the same seed answers the same move.
printf '%s\n' "$moves" | "$cli" play --level 1 --save pos.棋譜 > /dev/null
"$cli" show --lines pos.棋譜 | tail -1 > pos.line
for level in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 "17 --threads 2" "5 --legacy"; do
    # shellcheck disable=SC2086
    "$cli" bestmove --level $level < pos.line > bm1.out
    grep -q '^-\{0,1\}[0-9]* [0-9]* [0-9] [0-9] -\{0,1\}[0-9]* -\{0,1\}[0-9]*$' bm1.out ||
        { cat bm1.out; fail "bestmove --level $level: no move line"; }
    case $level in 17*|*legacy) continue ;; esac
    # shellcheck disable=SC2086
    "$cli" bestmove --level $level < pos.line > bm2.out
    cmp -s bm1.out bm2.out || fail "bestmove --level $level: two answers"
done
printf '%s\n' "$moves" | "$cli" play --level 7 --seed 3 > c.out
printf '%s\n' "$moves" | "$cli" play --level 7 --seed 3 > d.out
cmp -s c.out d.out || fail "level 7: the same seed played differently"
# The help names every strength.
[ "$("$cli" --help | grep -c '^        [0-9]')" -ge 7 ] || fail "--help: fewer than seven strengths"

# Wrong values: status 2.
for args in "--level 18" "--level 0" "--level 3 --legacy" "--level 4 --depth 0" "--level 4 --movetime 0" "--level 4 --movetime x" "--level 4 --seed"; do
    status=0
    # shellcheck disable=SC2086
    "$cli" play $args < /dev/null > /dev/null 2>&1 || status=$?
    [ "$status" -eq 2 ] || fail "play $args: status $status"
done

# A match: one line per game, then the score line; games in parallel.
"$cli" match --a 1 --b 2 --games 4 --jobs 2 --seed 3 > m.out
[ "$(grep -c '^game ' m.out)" -eq 4 ] || { cat m.out; fail "match: not four game lines"; }
grep -q '^level 1 vs level 2: 4 games, A +[0-9]* =[0-9]* -[0-9]*, score [0-9.]*% (95%: [0-9.]*% to [0-9.]*%), Elo [-+][0-9inf]* \[[-+][0-9inf]*, [-+][0-9inf]*\]$' m.out ||
    { cat m.out; fail "match: no score line"; }
"$cli" match --a 4 --b 3 --games 2 --depth-a 1 --quiet > q.out
[ "$(wc -l < q.out)" -eq 2 ] || { cat q.out; fail "match --quiet: not the score and the think time"; }
grep -q '^think time A (level 4): median ' q.out || fail "match: no think time of level 4"
# The same seed plays the same games at fixed depths, whatever the jobs.
"$cli" match --a 5 --b 4 --games 2 --depth-a 1 --depth-b 1 --seed 5 --jobs 1 | head -1 > s1.out
"$cli" match --a 5 --b 4 --games 2 --depth-a 1 --depth-b 1 --seed 5 --jobs 2 | sort | head -1 > s2.out
cmp -s s1.out s2.out || fail "match: the same seed gave other games"

for args in "--a 1 --b 2" "--a 18 --b 1 --games 2" "--a 6 --legacy-a --b 1 --games 2" "--a 1 --b 2 --games 2 --tune-a nothing=1"; do
    status=0
    # shellcheck disable=SC2086
    "$cli" match $args > /dev/null 2>&1 || status=$?
    [ "$status" -eq 2 ] || fail "match $args: status $status"
done
echo ok
