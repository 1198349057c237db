// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's search and influence survey written the straightforward
// way, as the rules describe them: every destination of every piece and
// every drop square asked of 移動チェック, every piece's reach found by
// asking it about a window of squares (a lance's line, which also counts
// its own side's pieces and sees through the enemy king, is walked by the
// game's own survey).  Slow, and kept only to hold the game's own search to
// the same answers.
#pragma once

#include "engine/turn.h"
#include "engine/com_tables.h"

namespace 参照 {

void 勢力調査(COM作業& s);
void 調査_移動不可駒(COM作業& s);
int 調査_移動可場所数(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒);
int 調査_周辺状況(const COM作業& s, int 移動先X, int 移動先Y);
// As COM探索 with 盤評価, no caller to tell between columns.
COM候補 COM探索(COM作業& s);

}  // namespace 参照
