// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle file: positions where the side to move takes the other king by
// force, one a line, as plain UTF-8 text.  Blank lines and lines starting
// with '#' are comments.  A line holds eight fields separated by spaces:
//
//   BOARD HANDS SIDE LENGTH MOVES GRADE REPLIES NODES
//
//   BOARD    nine rows from the top (row 1) to the bottom (row 9) separated
//            by '/', each row nine squares from column 1 to 9: '.' for an
//            empty square, else an optional '+' (promoted), the piece's
//            letter (P pawn, L lance, N knight, S silver, G gold, B bishop,
//            R rook, K king; upper case for the bottom side, lower case for
//            the top side) and its facing digit (0 down, 1 left, 2 up,
//            3 right), e.g. "+r1" or "P2".
//   HANDS    the pieces in hand as letters (upper case bottom side, lower
//            case top side), or "-" for none, e.g. "PPg".
//   SIDE     the side to move, which wins: "b" bottom, "t" top.
//   LENGTH   1, 2 or 3: the side to move takes the king within this many
//            of its own moves whatever the defender does, and not sooner.
//   MOVES    every winning first move, separated by ',': a board move as
//            its source and destination square "xyxy" (column then row),
//            with '+' when it promotes; a drop as "P*xy".
//   GRADE    the difficulty, 1 (easiest) to 5.
//   REPLIES  how many replies the defender has to the first winning move
//            (0 for a win in 1).
//   NODES    positions the complete search visited to solve it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"

struct 問題 {
    対局 局面;
    int 手数 = 0;
    std::vector<対局の手> 勝ち手;
    int 等級 = 1;
    int 応手数 = 0;
    std::uint64_t 節点数 = 0;
};

// The board, hands and side to move as the first three fields of a line.
std::string 局面の文字(const 対局& g);
// Reads the three fields back into a ready position (対局::整える done);
// false when they do not describe a position.
bool 局面を読む(const std::string& 盤, const std::string& 持駒, const std::string& 手番, 対局& g);

std::string 手の文字(const 対局の手& m);
bool 手を読む(const std::string& s, 対局の手& m);

// One line of the file (no line break), and back.  読む gives false for a
// line that is not a puzzle; 理由 then says why.
std::string 問題の行(const 問題& p);
bool 問題を読む(const std::string& 行, 問題& p, std::string* 理由 = nullptr);

// The difficulty of a puzzle from its length, the defender's replies and
// the search's effort: 1 a king to be taken at once; 2–3 a win in two,
// 4–5 a win in three, the higher grade of each pair for the puzzles whose
// solution needed a larger search than about half of those found in the
// computer's games (the replies are not counted as yet).
int 問題の等級(int 手数, int 応手数, std::uint64_t 節点数);

// Every puzzle of a file's text; a line that is not a puzzle is skipped and
// its number (from 1) added to 悪い行 when given.
std::vector<問題> 問題集を読む(const std::string& 中身, std::vector<int>* 悪い行 = nullptr);
