// The computer's turn: a one-move look-ahead over every legal board move and
// drop of the computer, each made on the real board, surveyed, scored and
// taken back; the best one is then played like a human move.
#pragma once

#include "core/platform.h"
#include "core/state.h"

// The move the search settled on.  A drop comes from (−1, kind).  元駒 is
// the code that stood on the source square (for a drop, whatever the last
// better board move left there); 置駒 is the code handed to 駒移動.
struct COM候補 {
    bool あり = false;  // false: the computer had no legal move at all
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    int 元駒 = 0, 置駒 = 0;
    double 点 = 0;  // the unrounded score of the chosen move
};

// The search alone: snapshots and once-per-turn surveys of the position,
// then every board move (promoted and unpromoted where it may promote) and
// every drop, best first by strictly higher score.  Sets 最高点 and the
// other search members of the state; board and hands are as before when it
// returns.  With a platform it keeps the elapsed-time display going and
// refreshes the window once before the long loops; without one it touches
// nothing outside the state.
//
// 評価 scores one candidate as 盤評価 does; the game always uses 盤評価.
using 評価関数 = double (*)(状態& s, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
COM候補 COM探索(状態& s, Platform* p, 評価関数 評価 = nullptr);

// How a turn of the computer ended.
enum class COM手番 {
    指した,      // a move was made (the game may have ended with it)
    指し手なし,  // no legal move at all: the computer resigned
    記録満杯,    // the log is full: nothing moved, the turn went back
    何もせず,    // the game was already decided
};
struct COM手番結果 {
    COM手番 結果 = COM手番::何もせず;
    COM候補 手;
};

// The whole turn: thinking caption, search, then the chosen move logged,
// blinked, made, sounded and announced, the end of the game tested and the
// turn handed to the human.  Answers what happened and the move chosen.
COM手番結果 com_ban_指す(状態& s, Platform& p, 評価関数 評価 = nullptr);

// The computer's move, as the menu commands and the mouse handler call it.
void com_ban(状態& s, Platform& p);
