// SPDX-License-Identifier: GPL-3.0-or-later
// Between the course of the game the window keeps (進行状態) and the game as a value
// (対局): a 対局 built from the position on the board, and a move of a
// 対局 carried out on the state by the game's own move routine.
#pragma once

#include "core/game.h"
#include "core/move.h"
#include "core/position.h"
#include "core/state.h"

// The position of s as a 対局: board, hands, the side to move (the top side
// when s.手番 is s.手番_COM, else the bottom side), the move count and the
// winner.  The positions logged since the last capture or drop are handed
// over as earlier positions, so that repetitions count.
対局 対局にする(const 進行状態& s);
// The same with 側 to move whatever s.手番 says.
対局 対局にする(const 進行状態& s, int 側);
// A position with 側 to move.
対局 対局にする(const 局面& k, int 側);

// The source of m as the game's routines write it: the board square, or for
// a drop the hand pseudo-square ((−1, kind) for the top side, (11, kind + 2)
// for the bottom side).
int 元X座標(const 対局の手& m, int 側);
int 元Y座標(const 対局の手& m, int 側);

// Carries out m, a legal move of the side to move of 対局にする(s), on the
// state with 駒を動かす: board, hands, the human king's square and the winner
// change exactly as when the game plays the move.  Nothing else (turn,
// counters, log, clocks) is touched.
移動結果 状態で指す(進行状態& s, const 対局& g, const 対局の手& m);
