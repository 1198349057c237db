// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the rules that the help window shows, worked out by the
// game's own rules so that they can never disagree with play: which squares
// a piece reaches in each facing (asked of 移動チェック on a scratch board),
// and how a piece turns when it lands (carried out by 盤の駒を動かす on a
// scratch board with the real square colours).
#pragma once

#include <string>
#include <vector>

#include "view/state.h"

// Where a diagram puts its piece: the centre of the board, so that every
// short-range pattern (the knight's two steps included) fits in the shown
// part around it.
inline constexpr int 図中心X = 5;
inline constexpr int 図中心Y = 5;
// The diagram shows the squares up to this many columns and rows from the
// piece (a 5 × 5 part of the board).
inline constexpr int 図半径 = 2;

// One piece alone on an otherwise empty board and every square it may move
// to.  行ける covers the whole board; the help window shows the part around
// the piece.
struct 移動図 {
    int 駒 = 空;
    int X = 図中心X, Y = 図中心Y;
    bool 行ける[10][10] = {};
    // 桝色 of the board the diagram was worked out on (for drawing).
    int 桝色[10][10] = {};
    int 行ける数() const;
};
移動図 移動図を作る(int 駒, int X = 図中心X, int Y = 図中心Y);

// One row of the help's piece table: a piece type in its four facings, the
// human's (bottom) codes, the way the player sees them.
struct 駒の段 {
    int 型 = 0;                 // kind × 10 + promoted: 10 歩 … 80 王
    std::string 名前;           // as the move notation names it: "歩", "と", "香成" …
    std::vector<移動図> 向き別;  // facings 0..3
};
// Every kind and, after it, its promoted form (gold and king have none).
std::vector<駒の段> 駒の表();

// A piece moving one square forward onto the destination; what it showed
// before and after.  取る: an enemy piece stood on the destination.
struct 回転例 {
    int 桝色 = 0;  // colour of the destination square
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    int 前駒 = 空;  // the mover as it stood on the source
    int 後駒 = 空;  // the code left on the destination
    int 取られた駒 = 空;
};
// A human pawn facing up moves onto an empty square of the given colour
// (桝色_緑 or 桝色_水) near the centre of the board.
回転例 着地の例(int 桝色);
// The same pawn captures a computer piece: no turn.
回転例 取る例();
