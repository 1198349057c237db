// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a move on the window: the board and hands change through the
// rules, then the view draws what changed, lets the piece be seen landing in
// its old facing for a moment and draws it turned.
#pragma once

#include "core/move.h"
#include "view/platform.h"
#include "view/state.h"

// Moves (or drops) 移動駒 as 駒を動かす does and draws it: the hand that
// took a capture, the emptied source, the hand a drop came from, the piece
// on its destination, and — when it landed on an empty square — a refresh,
// 0.1 s pause and the piece drawn again after its quarter turn.
void 駒移動(状態& s, Platform& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// Draws a move that 駒を動かす has already made, in the order above.
void 描画_駒移動(状態& s, Platform& p, const 移動結果& r);
void 待ち時間(時間窓口& p, double IN_秒);
