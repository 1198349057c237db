// SPDX-License-Identifier: GPL-3.0-or-later
// Games against the computer: the two start commands under "対局(COM)".
// 相手 is the side that answers: the computer (or, in tests, a stand-in).
#pragma once

#include "play/opponent.h"
#include "view/platform.h"
#include "view/state.h"

// "先手": the human plays first.  In the middle of a game it goes on from
// the current position; if the computer is to move it moves at once.
void SENTE_Click(状態& s, Platform& p, 応手& 相手);
// "後手": the computer plays first and moves at once on a fresh board.
void GOTE_Click(状態& s, Platform& p, 応手& 相手);
