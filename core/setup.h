// SPDX-License-Identifier: GPL-3.0-or-later
// New-game set-up and the position log, as far as the rules keep them.  The
// game layer's 新規対局 and 手順保存 (play/new_game.h) add the clocks.
#pragma once

#include "core/state.h"

// Colours the squares: 桝色_緑 where x + y is even, 桝色_水 where odd.  The
// colour decides which way a piece turns when it lands there.
void 桝色設定(盤面状態& s);
// The starting position with empty hands, nobody to move, no winner and
// both move counters at zero.  The log is not touched.
void 初期局面にする(進行状態& s);
// Logs the current position and the destination (先X, 先Y) of the move
// about to be made into slot 棋譜手数, which becomes the last slot.
// Answers 偽 and writes nothing when the log is full (slot 501 would be
// needed).
int 局面を記録(進行状態& s, int 先X, int 先Y);
// 真 when the next move could not be logged with the position it leaves:
// the log holds 500 moves, slots 0..500.
int 調査_記録満杯(const 進行状態& s);
