// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's cursor: the cell that Enter or Space presses.  It walks
// the 81 squares and the hand slots a player may take pieces from: both
// hands when two people share the board, only the bottom hand (the
// person's) against the computer.  The window paints it and turns a press
// of Enter into a mouse press at the middle of its cell, so a key does
// exactly what the mouse does there.
#pragma once

#include "view/state.h"

enum class カーソル向き { 左, 右, 上, 下 };

struct キーカーソル {
    int 列 = 5;  // column: 1..9 on the board, 持駒列_MAN or 持駒列_COM on a hand
    int 行 = 7;  // row: 1..9 on the board, the slot row on a hand
};

// Whether the cursor may stand on cell (列, 行) in the current game.
bool カーソル可能(const 状態& s, int 列, int 行);

// One step in direction d.  At the edge of the board the step goes on to
// the hand beside it when that hand is open to the cursor (to its nearest
// slot); otherwise, and at the ends of a hand, the cursor stays.
void カーソル移動(const 状態& s, キーカーソル& k, カーソル向き d);

// Brings the cursor back onto the board when it stands on a hand that is
// no longer open to it (a game against the computer began).
void カーソル補正(const 状態& s, キーカーソル& k);

// The middle of the cursor's cell, in twips, where a press lands.
int カーソル中心X(const キーカーソル& k);
int カーソル中心Y(const キーカーソル& k);
