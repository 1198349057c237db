// Every move a person makes goes through the mouse: one press picks a piece
// on the board or in a hand, the next press picks where it goes.  A right
// press on the destination promotes when the move may promote.
#pragma once

#include <functional>

#include "core/platform.h"
#include "core/state.h"

// The computer player's entry points, filled in by the computer player when
// it is linked in.  Empty by default; an empty entry is simply not called.
struct COM手番フック表 {
    // Refreshes the influence map after the human's move (勢力調査).
    std::function<void(状態&)> 勢力調査;
    // The computer's move, made inside the same event (com_ban).
    std::function<void(状態&, Platform&)> com_ban;
};
inline COM手番フック表 COM手番フック;

// Mouse-button press on the window.  Button: 1 left, 2 right, 4 middle (the
// window delivers 2 for Ctrl+left).  Shift is ignored.  X, Y in twips.
void Form_MouseDown(状態& s, Platform& p, int Button, int Shift, int X, int Y);

// Redraws the board grid and, with move guidance on, outlines in 描画色 every
// square 移動駒 standing at the source could go to.  With 描画色 =
// 桝輪郭色 it only erases.
void 描画_移動可能桝色(状態& s, Platform& p, int 移動元X, int 移動元Y, int 描画色, int 移動駒);

// Cell (column, row) under a window point in twips; rounds towards minus
// infinity, so a point just left of or above the board is −1.
int 桝列(int X);
int 桝行(int Y);
