// SPDX-License-Identifier: GPL-3.0-or-later
// The score of one candidate position for the computer: higher is better.
#pragma once

#include "engine/com_tables.h"

// 取得駒 = the code that stood on the destination, 移動駒 = the code now on
// it.  Reads the influence tables of the candidate position and the turn's
// snapshots (移動元王距離, 逃道数_MAN王, 候補駒, …).  9999, 9998 and −9998
// are reserved results.
double 盤評価(COM作業& s, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
