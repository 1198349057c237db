// SPDX-License-Identifier: GPL-3.0-or-later
// Program start and a new game as the player sees them.
#pragma once

#include "view/platform.h"
#include "view/state.h"

// Everything the window does once when it opens, in order: sounds, the
// constants, the settings, the square colours, a new game.
void 起動(状態& s, Platform& p);
// A new game: the state set up by 新規対局, the timer stopped and
// everything redrawn.
void 初期設定(状態& s, Platform& p);
