// SPDX-License-Identifier: GPL-3.0-or-later
// The judgement of a position for the deeper search: material on the board
// and in hand, the way each piece faces, the safety of each king and how far
// the pieces reach.  Scored in hundredths of a pawn from the point of view
// of the side to move.
#pragma once

#include <string>

#include "core/game.h"

// The weights of the judgement, kept together so that self-play can tune them.
struct 評価の重み {
    // Value of each type on the board: index = type / 10 * 2 + promoted
    // (歩 と 香 成香 桂 成桂 銀 成銀 金 - 角 馬 飛 竜).
    int 駒[16] = {100, 520, 300, 520, 360, 520, 500, 540, 560, 0, 800, 1050, 950, 1250, 0, 0};
    // A piece in hand is worth its kind's board value times 持駒率 / 100.
    int 持駒率 = 110;
    // The loss of a piece whose moves point sideways or backwards, as a
    // percentage of its value, by facing relative to the enemy side
    // (forward, left-or-right, backward) for pawns, lances, knights, silvers
    // and the gold movers.
    int 向き損[5][2] = {{20, 45}, {25, 55}, {30, 60}, {8, 18}, {6, 14}};
    // Each square next to a king that the other side reaches.
    int 王の周り = 18;
    // Each reach of the other side onto the king's own square.
    int 王手 = 30;
    // Each board move a side has.
    int 利き = 5;
    // Each piece (not the king) per step closer than 8 to the other king.
    int 寄り = 3;
};

const 評価の重み& 標準の重み();
// The weights of the two highest strengths: the standard ones with a king's
// neighbourhood counting more (王の周り 60), which self-play at equal depth
// found stronger.  The lower rungs keep the standard weights they were
// measured with.
const 評価の重み& 上の段の重み();
// Sets the weight named 名 (持駒率, 王の周り, 王手, 利き, 寄り, or 駒0 … 駒15
// for the piece values) to v; false for an unknown name.
bool 評価の重みを設定(評価の重み& w, const std::string& 名, int v);

// The score of g for the side to move.
int 深い評価(const 対局& g, const 評価の重み& w = 標準の重み());
// The value of a captured piece of code 駒 to the captor (board value plus
// what it is worth in hand), for ordering and pruning captures.
int 取る値(int 駒, const 評価の重み& w = 標準の重み());
