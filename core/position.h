// SPDX-License-Identifier: GPL-3.0-or-later
// A position: the board and both hands, apart from everything else the game
// keeps.  One loader puts a position into the state, one storer takes it out;
// record files, stepping through the log, the command-line tool, the
// benchmarks and the tests all go through them.
#pragma once

#include "core/state.h"

// The position on the board now.
局面 局面_取得(const 進行状態& s);
// The position logged in slot n (0..500).
局面 局面_履歴(const 進行状態& s, int n);
// Puts a position on the board: board, hands and the hand totals; the
// game is told where both kings stand (進行状態::王を見た), as a move would.
void 局面_設定(進行状態& s, const 局面& k);
// The board and hands alone (the computer's working copy, engine/com_tables.h,
// adds its own kings' squares).
void 局面を置く(盤面状態& s, const 局面& k);
