// SPDX-License-Identifier: GPL-3.0-or-later
// A position: the board and both hands, apart from everything else the game
// keeps.  One loader puts a position on a board, one storer takes it off;
// record files, stepping through the record, the command-line tool, the
// benchmarks and the tests all go through them (the game's own loader,
// view/course.h, adds the kings the computer is told of).
#pragma once

#include "core/state.h"

// The position on the board now.
局面 局面_取得(const 盤面状態& s);
// Puts a position on the board: board, hands and the hand totals.
void 局面を置く(盤面状態& s, const 局面& k);
