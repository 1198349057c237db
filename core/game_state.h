// SPDX-License-Identifier: GPL-3.0-or-later
// Between the board the window keeps (盤面状態) and the game as a value
// (対局): a 対局 built from a position, and a move of a 対局 carried out on
// the board by the game's own move routine.  The game's whole course
// (whose move, the earlier positions) is added in view/course.h.
#pragma once

#include "core/game.h"
#include "core/move.h"
#include "core/position.h"
#include "core/state.h"

// A position with 側 to move.
対局 対局にする(const 局面& k, int 側);
// The board and hands of g, the other way.
局面 局面にする(const 対局& g);

// The source of m as the game's routines write it: the board square, or for
// a drop the hand pseudo-square ((−1, kind) for the top side, (11, kind + 2)
// for the bottom side).
int 元X座標(const 対局の手& m, int 側);
int 元Y座標(const 対局の手& m, int 側);

