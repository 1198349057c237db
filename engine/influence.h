// SPDX-License-Identifier: GPL-3.0-or-later
// The influence map: which squares each side reaches, the weakest attacker
// of each piece, the lance lines and both kings' squares, rebuilt from the
// board alone.
#pragma once

#include "engine/com_tables.h"

void 勢力調査(COM作業& s);
// The line of the lance 駒種類 on (入力X, 入力Y), the way it faces: counts
// the first occupied square of either side, sees through the opponent's
// king and marks a check line.  Any other code leaves the tables alone.
void 勢力確定直進(COM作業& s, int 駒種類, int 入力X, int 入力Y);
// The same in one named direction.
void 勢力確定上直進(COM作業& s, int 駒種類, int 入力X, int 入力Y);
void 勢力確定下直進(COM作業& s, int 駒種類, int 入力X, int 入力Y);
void 勢力確定右直進(COM作業& s, int 駒種類, int 入力X, int 入力Y);
void 勢力確定左直進(COM作業& s, int 駒種類, int 入力X, int 入力Y);
