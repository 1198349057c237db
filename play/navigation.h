// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping through the position log: "最初" back to the start, "戻" one
// move back, "進" one move forward.  Used both to take moves back in a game
// and to replay a loaded record.  After a step the clock stands still until
// the next board click resumes the game from the position shown.
#pragma once

#include "view/platform.h"
#include "view/state.h"

// "局面" → "最初": a new start position; the log and a loaded record go.
// A game in progress goes only when the player confirms it; otherwise
// nothing changes.
void CANCEL_Click(状態& s, Platform& p);
// "戻": one move back.
void REPLAY_Click(状態& s, Platform& p);
// "進": one move forward, up to the last logged record.
void AFTER_Click(状態& s, Platform& p);

// Board and hands of log record i, hand totals recounted.
void 復元_記録(状態& s, int i);
