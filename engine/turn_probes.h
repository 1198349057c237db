// SPDX-License-Identifier: GPL-3.0-or-later
// Once-per-turn probes of the position the computer is about to move from:
// pieces pinned to their king by a long-range piece, and the empty squares
// from which a bishop dropped by the human would hit the computer's king.
#pragma once

#include "engine/com_tables.h"

// Sets 移動不可駒 (human pieces pinned to the human king) and 移動不可あり
// (some computer piece pinned to the computer king).  The board is changed
// one square at a time during the test and always put back.
void 調査_移動不可駒(COM作業& s);

// Sets 持角狙座標_MAN.  The result is never set (always 0); callers ignore it.
int 調査_持角狙座標(COM作業& s);
