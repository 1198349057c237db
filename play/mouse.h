// SPDX-License-Identifier: GPL-3.0-or-later
// Every move a person makes goes through the mouse: one press picks a piece
// on the board or in a hand, the next press picks where it goes.  A right
// press on the destination promotes when the move may promote.
#pragma once

#include "play/opponent.h"
#include "view/platform.h"
#include "view/state.h"

// Mouse-button press on the window.  Button: 1 left, 2 right, 4 middle (the
// window delivers 2 for Ctrl+left).  Shift is ignored.  X, Y in twips.
// 相手 answers the human's moves in a game against the computer.
void Form_MouseDown(状態& s, Platform& p, 応手& 相手, int Button, int Shift, int X, int Y);

// A human move that the mouse handler has found legal: the selection (source,
// destination, the piece picked up) is recorded, the position logged, the
// move counted, promoted when the destination was pressed with the right
// button (Button 2), made, sounded and announced; then the turn passes — to
// 相手 in a game against the computer.
void 人の手を指す(状態& s, Platform& p, 応手& 相手, int 元X, int 元Y, int 先X, int 先Y, int 駒, int Button);

// A game interrupted (stepped through with 戻/進, taken back, taken up from
// the disk) goes on, as the next press on the window would take it up: the
// clock runs again, whose move it is is told, and at the computer's turn
// the computer moves.
void 対局を再開する(状態& s, Platform& p, 応手& 相手);

// Redraws the board grid and, with move guidance on, outlines in 描画色 every
// square 移動駒 standing at the source could go to.  With 描画色 =
// 桝輪郭色 it only erases.
void 描画_移動可能桝色(状態& s, Platform& p, int 移動元X, int 移動元Y, int 描画色, int 移動駒);

// Cell (column, row) under a window point in twips; rounds towards minus
// infinity, so a point just left of or above the board is −1.
int 桝列(int X);
int 桝行(int Y);
