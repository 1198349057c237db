// SPDX-License-Identifier: GPL-3.0-or-later
// Marks laid over the board, never into the game's own drawing: the window
// paints them on top of the picture each time it shows it, so they follow
// the game whatever was drawn, taken back or stepped through, and vanish
// with their option.  What is marked is worked out here from the state.
#pragma once

#include <vector>

#include "view/state.h"

// The last move, as the board shows it: from (元列, 元行) to (先列, 先行).
// A drop comes from its hand slot (column 持駒列_MAN or 持駒列_COM).
struct 最終手 {
    bool ある = false;
    bool 打 = false;
    int 元列 = 0, 元行 = 0, 先列 = 0, 先行 = 0;
};
// The move that led to the position on the board: the difference between
// the logged position before it (slot 棋譜手数 − 1) and the board.  None at
// the start, or when the board is not one move away from that slot.
最終手 最終手を調べる(const 状態& s);

struct 盤の印 {
    enum class 種類 {
        枠,      // a thick outline inside the cell, in 色 (also the picked-up piece's)
        手番,    // a triangle pointing at the side to move's hand
        右回り,  // a clockwise arrow in the cell's corner
        左回り,  // an anticlockwise one
    };
    種類 種 = 種類::枠;
    int 列 = 0, 行 = 0;
    int 色 = 0;
    bool 上向き = true;  // 手番: ▲ for the bottom side, ▼ for the top one
    bool operator==(const 盤の印&) const = default;
};
// Every mark the options in 表示状態 ask for, in painting order.
std::vector<盤の印> 盤の印一覧(const 状態& s);

// Where the side-to-move mark stands: just outside each hand, at its end
// nearer the middle of the window (the bottom hand's slots are rows 3..9,
// the top hand's 1..7), clear of the hands' counts and the move texts.
inline constexpr int 手番印列_MAN = 持駒列_MAN, 手番印行_MAN = 2;
inline constexpr int 手番印列_COM = 持駒列_COM, 手番印行_COM = 8;
