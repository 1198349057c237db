// SPDX-License-Identifier: GPL-3.0-or-later
// A new game and the move log with its clock values: the rules' part
// (core/setup.h) plus the controller's modes and the clocks.
#pragma once

#include "view/state.h"

// A new game in the state alone: the starting position, counters, clocks
// and modes reset (the timer marked off), history slot 0 logged.  The
// selection, the options and the sounds stay.
void 新規対局(状態& s);
// Logs the current position and the four clock values into slot 棋譜手数.
// Answers 偽 and writes nothing when the log is full (slot 501 would be
// needed); callers then refuse the move with 記録上限メッセージ.
int 手順保存(状態& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 前秒M, double 後秒M, double 前秒C,
             double 後秒C);
// After a move: the position it left is logged too, as the last slot, with
// the clock totals that move left (no destination yet: the next move's
// 手順保存 fills it in).  So the log always ends with the position on the
// board, and a game's last move — the one that took the king included — is
// there to step back to and forth to, to list and to save.
void 着手後の局面を記録(状態& s);
inline constexpr const char* 記録上限メッセージ = "棋譜の記録が上限（500手）に達しました。\rこれ以上は指せません。";
inline constexpr const char* 記録上限題 = "棋譜";
