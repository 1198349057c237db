// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the game puts together from parts (a file name, a number, a
// reason), as patterns: each part is %1, %2 … in the order it appears.  A
// front end that translates splits a message into its lines (a carriage
// return breaks a line), looks each line up whole, and otherwise matches it
// against these patterns and translates the pattern and, one by one, the
// parts.  The game itself keeps composing its texts as before.
#pragma once

#include <vector>

// Every pattern, in context 訳の文脈 (view/tr.h).
const std::vector<const char*>& 合成文の型();
