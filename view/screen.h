// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window drawn afresh: background, board, hands, both clocks, the
// level and the handicap, as after a start or a change of background.
#pragma once

#include "view/platform.h"
#include "view/state.h"

void 画面_再描画(状態& s, Platform& p);
