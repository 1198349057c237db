// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying out a move that 移動チェック has already allowed, and the small
// queries around it.
#pragma once

#include "core/state.h"

// What one move did to the state, for whoever shows it.
struct 移動結果 {
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    int 置駒 = 空;      // the code as it landed, before any turn
    int 取得駒 = 空;    // what stood on the destination
    int 着後駒 = 空;    // the code left on the destination (turned when it landed on an empty square)
    bool 回転 = false;  // the destination was empty: the piece made its quarter turn
    // Hands that changed: the capture went into the top (COM) or bottom (MAN)
    // hand; a drop came out of one.
    bool 取得_COM持駒 = false, 取得_MAN持駒 = false;
    bool 打_COM持駒 = false, 打_MAN持駒 = false;
    bool 王移動_MAN = false;  // the human's king now stands on the destination
};

// Moves (or drops) 移動駒 — already promoted if the mover promotes — from the
// source to the destination, as the game's own move (対局::指す) makes it:
// capture into hand, the quarter turn on an empty square.  The source holds
// the piece before it promotes (a drop comes from the hand pseudo-square).
// Only the board and hands change; the answer says what happened, the
// captured piece included (a captured king decides the game, which the
// game's course, view/course.h, records).
移動結果 盤の駒を動かす(盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// The board part alone, as the computer tries its candidates: the source
// square (if on the board) is emptied and the destination gets the piece as
// it stands after landing.  Hands, king squares and the result are left
// alone.  Answers the code now on the destination.
int 盤上で動かす(盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// The code a piece shows after arriving on the destination (pure).
int 駒移動_回転(const 盤面状態& s, int 移動先X, int 移動先Y, int I_移動駒);
// 真 when the move may promote; then 成駒 holds the promoted code.
int 調査_駒成(盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
int 調査_駒存在(const 盤面状態& s, int I_駒種類);
// 真 while a king of that side (+1 the computer's, −1 the human's) stands
// on the board.
int 調査_王あり(const 盤面状態& s, int 符号);
int 調査_持駒数(const 盤面状態& s, int IN_手番);
// The square a move of the record reached and the code it left there,
// found by comparing slot IN_CNT with the slot before it.
void 調査_移動結果(const 棋譜& 記録, int IN_CNT, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類);
