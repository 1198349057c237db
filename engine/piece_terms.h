// SPDX-License-Identifier: GPL-3.0-or-later
// The last stage of the board evaluation: what the computer knows about the
// kind of piece it has just moved.  King safety, keeping the rook and bishop
// mobile, pawn play, and a handful of fixed opening patterns tied to
// particular squares.
#pragma once

#include "engine/com_tables.h"
#include "engine/score_sum.h"

// Adds to 点 the terms of the branch chosen by the kind of 移動駒 (the code
// the moved piece shows on its destination).  Each branch may end early;
// when this returns, the evaluation of the candidate is over.  A promoted
// lance, knight or silver has no branch and adds nothing.
//
// The arguments are those of 盤評価: the captured code (空 for none), the
// moved code, the source (−1, kind for a drop) and the destination.  The
// candidate must stand on the board and the influence map describe that
// position; the turn's snapshots (勢MAN_保存, 勢COM_保存) and the pin flag
// 移動不可あり describe the position before the move.
void 駒別評価(COM作業& s, 点数& 点, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
