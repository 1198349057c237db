// Carrying out a move that 移動チェック has already allowed, and the small
// queries around it.
#pragma once

#include "core/platform.h"
#include "core/state.h"

// Moves (or drops) 移動駒 — already promoted if the mover promotes — from the
// source to the destination: capture into hand, king bookkeeping, the quarter
// turn on an empty square 0.1 s after landing, and the matching redraws.
void 駒移動(状態& s, Platform& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// The code a piece shows after arriving on the destination (pure).
int 駒移動_回転(const 状態& s, int 移動先X, int 移動先Y, int I_移動駒);
void 駒取得(状態& s, int 取得駒);
// 真 when the move may promote; then 成駒 holds the promoted code.
int 調査_駒成(状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);
int 調査_駒存在(const 状態& s, int I_駒種類);
int 調査_持駒数(const 状態& s, int IN_手番);
void 調査_移動結果(const 状態& s, int IN_CNT, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類);
void 待ち時間(Platform& p, double IN_秒);
