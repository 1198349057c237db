// SPDX-License-Identifier: GPL-3.0-or-later
// The handicap ladder: before the first move each press of △ or ▽ takes one
// piece off the board (or puts one back), 21 grades from 名人 to 12級.
#pragma once

#include "view/platform.h"
#include "view/state.h"

void LBEL_UP_Click(状態& s, Platform& p);
void LEBEL_DOWN_Click(状態& s, Platform& p);
// Refusal box: 1 in record mode, 2 once a move has been played.
void 描画_メッセージ(Platform& p, int IN_メッセージ番号);
