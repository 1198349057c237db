// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' platform: the recording platform (view/recording_platform.h),
// which remembers everything the game asks of it in order and answers
// message boxes from a script, plus two ways of looking at what was drawn.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "view/recording_platform.h"

class FakePlatform : public 記録の場 {
public:
    // Pictures drawn with their top-left corner at cell (c, r).
    std::vector<int> 絵の履歴(int c, int r) const;
    // Texts drawn, in order.
    std::vector<std::string> 文字の履歴() const;
    // Called with each message box's text while the box is open.
    std::function<void(const std::string&)> 箱の間に;
    応答 メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) override {
        if (箱の間に) 箱の間に(本文);
        return 記録の場::メッセージ(本文, 題, b, 警告);
    }
    // Called during each pause of the game.
    std::function<void(double)> 待つ間に;
    void 待つ(double 秒) override {
        if (待つ間に) 待つ間に(秒);
        記録の場::待つ(秒);
    }
};
