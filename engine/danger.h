// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-board danger terms for a candidate move of the computer: what the
// human could do next with the pieces in hand, computer pieces left hanging,
// pressure on the computer king, and the threats the moved piece makes.
#pragma once

#include "engine/com_tables.h"
#include "engine/score_sum.h"

// Score (mostly penalties, may carry a fraction) of every square after the
// computer moved 移動駒 to (COM移動先X, COM移動先Y).  The board is left as
// it was.
点数 盤評価_COM危険座標(COM作業& s, int 移動駒, int COM移動先X, int COM移動先Y);

// 移動駒 when the moved piece, now on (移動元X, 移動元Y), is one of the
// pieces covering the first square from which a human bishop dropped from
// hand would aim at the computer king; 0 otherwise.
int 盤評価_自角注意_COM(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒);
