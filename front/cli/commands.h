// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-commands of vezuvire-cli.
#pragma once

// vezuvire-cli play [--level N] [--gote] …
int cli_play(int argc, char** argv);
// vezuvire-cli bestmove [--level N] < one move line of a record file
int cli_bestmove(int argc, char** argv);
// vezuvire-cli show [--lines] FILE
int cli_show(int argc, char** argv);
// vezuvire-cli match --a L --b L --games N …
int cli_match(int argc, char** argv);
// vezuvire-cli puzzles --verify FILE
int cli_puzzles(int argc, char** argv);
