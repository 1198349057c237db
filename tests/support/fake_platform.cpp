// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"

#include "view/render.h"

std::vector<int> FakePlatform::絵の履歴(int c, int r) const {
    std::vector<int> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::絵 && d.x == セルX(c) && d.y == セルY(r)) out.push_back(d.番号);
    return out;
}

std::vector<std::string> FakePlatform::文字の履歴() const {
    std::vector<std::string> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::文字) out.push_back(d.文字列);
    return out;
}
