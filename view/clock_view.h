// SPDX-License-Identifier: GPL-3.0-or-later
// The elapsed-time display: Timer1, its tick, the two clock texts and the
// option that shows them.
#pragma once

#include "view/platform.h"
#include "view/state.h"

// Period of Timer1 in milliseconds.
inline constexpr int Timer1_周期ms = 50;

void Timer1_有効(状態& s, 時間窓口& p, bool 有効);
// Once a whole second has passed, redraws the clock of the side to move.
void Timer1_Timer(状態& s, Platform& p);
void 描画_所有時間(状態& s, 描画窓口& p, int IN_手番, double IN_思考時間);
void 消去_所有時間(状態& s, 描画窓口& p, int IN_手番);
