// SPDX-License-Identifier: GPL-3.0-or-later
// The board of a new game.  The game layer's 新規対局 (play/new_game.h)
// adds the course of the game and the clocks.
#pragma once

#include "core/state.h"

// Colours the squares: 桝色_緑 where x + y is even, 桝色_水 where odd.  The
// colour decides which way a piece turns when it lands there.
void 桝色設定(盤面状態& s);
// The starting position with empty hands.
void 初期局面にする(盤面状態& s);
