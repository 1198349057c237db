// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' platform: the recording platform (game/recording_platform.h),
// which remembers everything the game asks of it in order and answers
// message boxes from a script, plus two ways of looking at what was drawn.
#pragma once

#include <string>
#include <vector>

#include "game/recording_platform.h"

class FakePlatform : public 記録の場 {
public:
    // Pictures drawn with their top-left corner at cell (c, r).
    std::vector<int> 絵の履歴(int c, int r) const;
    // Texts drawn, in order.
    std::vector<std::string> 文字の履歴() const;
};
