// SPDX-License-Identifier: GPL-3.0-or-later
// One-move mate test against the human king after a checking candidate move
// of the computer: is there a drop, a king move or a board move that ends
// the check?
#pragma once

#include "engine/com_tables.h"

// 真 when the human has no defence against the check (or 偽 when there is no
// check at all).  The board is changed only for the duration of single
// tests and is always put back.
int 詰めかMAN(COM作業& s);

// 真 when some computer piece can move onto the human king's square.
int 詰めかMAN_COM移動(const COM作業& s);
