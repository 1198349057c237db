// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn: a one-move look-ahead over every legal board move and
// drop of the computer, each made on the real board, surveyed, scored and
// taken back; the best one is then played like a human move.
#pragma once

#include "engine/com_tables.h"
#include "core/game.h"

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
// every drop, best first by strictly higher score, on the computer's working
// copy.  Sets 最高点 and the other search members of its tables; board and
// hands are as before when it returns.  The search itself touches nothing
// outside the working copy: whoever
// shows it gets a word once the position has been surveyed and before each
// column of board moves and each kind of drop (the game refreshes the
// window and keeps the elapsed-time display going).
//
// 評価 scores one candidate as 盤評価 does; the game always uses 盤評価.
class 探索の合間 {
public:
    virtual ~探索の合間() = default;
    virtual void 調べ始め() = 0;
    virtual void 列ごと() = 0;
};
using 評価関数 = double (*)(COM作業& s, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
COM候補 COM探索(COM作業& s, 探索の合間* 合間 = nullptr, 評価関数 評価 = nullptr);

// Levels 1 to 3 answering whichever side is to move in g.  The search above
// always plays the top side, so for the bottom side its working copy is g's
// position turned half round (every piece the other side's, facing the other
// way) and the move it finds is turned back.  記憶 is the computer's memory,
// kept from one call to the next as the game keeps it: surveyed first, as
// the end of the other side's move leaves it, then searched.  False when
// the side to move has no move.
bool 元のCOMの手(const 対局& g, int レベル, COM表& 記憶, 対局の手& 手);
