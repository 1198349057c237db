// SPDX-License-Identifier: GPL-3.0-or-later
// The handicap grade label: every press that changes the grade wipes the
// whole label row before the new name is printed, so a short name never
// leaves the tail of a longer one behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/handicap.h"
#include "tests/control/fixture.h"
#include "view/render.h"

namespace {

constexpr int 窓の幅 = 10620;  // the game window's canvas, in twips

struct 段級表示 : 対局試験 {
    bool 行1(const 描画記録& d) const { return d.y == セルY(1) && d.x >= セルX(11); }
    long 位置(auto pred) const {
        for (std::size_t i = 0; i < p.描画.size(); ++i)
            if (pred(p.描画[i])) return static_cast<long>(i);
        return -1;
    }

    // Checks what one print of the label drew; 桝X, 桝Y: the board square
    // redrawn after it (0: none).
    void 名前を書き直した(int 桝X, int 桝Y) {
        const std::string 名 = 文字列_固定(s.操作.ハンデレベル);
        // The two prints of the name: shadow first, then the white text on
        // top, at the label's place and in its size.
        std::vector<std::size_t> 文字;
        for (std::size_t i = 0; i < p.描画.size(); ++i)
            if (p.描画[i].種類 == 描画記録::文字) 文字.push_back(i);
        ASSERT_EQ(文字.size(), 2u);
        const 描画記録& 影 = p.描画[文字[0]];
        const 描画記録& 字 = p.描画[文字[1]];
        EXPECT_EQ(影.文字列, 名);
        EXPECT_EQ(字.文字列, 名);
        EXPECT_EQ(影.色, 色_黒);
        EXPECT_EQ(字.色, 色_白);
        EXPECT_EQ(影.x, セルX(11.1) + 120);
        EXPECT_EQ(影.y, セルY(1.1) + 160);
        EXPECT_EQ(字.x, セルX(11) + 120);
        EXPECT_EQ(字.y, セルY(1) + 160);
        EXPECT_EQ(影.大きさ, 10);
        EXPECT_EQ(字.大きさ, 10);

        // Before them the background covers row 1 without a gap from the
        // label's cell to the right edge of the window.
        int 覆った右端 = セルX(11);
        for (std::size_t i = 0; i < 文字[0]; ++i) {
            const 描画記録& d = p.描画[i];
            if (d.種類 == 描画記録::絵 && 行1(d) && d.x == 覆った右端) {
                EXPECT_EQ(d.番号, s.表示.背景種類);
                覆った右端 += 桝幅;
            }
        }
        EXPECT_GE(覆った右端, 窓の幅);
        // Nothing covers the new name afterwards; the square changes after it.
        for (std::size_t i = 文字[1] + 1; i < p.描画.size(); ++i)
            EXPECT_FALSE(p.描画[i].種類 == 描画記録::絵 && 行1(p.描画[i])) << i;
        if (桝X == 0) return;
        const long 桝 =
            位置([&](const 描画記録& d) { return d.種類 == 描画記録::絵 && d.x == セルX(桝X) && d.y == セルY(桝Y); });
        EXPECT_GT(桝, static_cast<long>(文字[1]));
    }
};

}  // namespace

TEST_F(段級表示, どの押し方でも名前の欄を丸ごと消してから書く) {
    s.表示.背景種類 = 背景_畳;
    // Up past the top, down past the bottom, then back and forth.
    std::vector<int> 押し方(12, +1);
    押し方.insert(押し方.end(), 23, -1);
    for (int i = 0; i < 12; ++i) 押し方.push_back(i % 3 == 2 ? -1 : +1);
    for (std::size_t n = 0; n < 押し方.size(); ++n) {
        SCOPED_TRACE("press " + std::to_string(n));
        const int 前 = s.操作.ハンデレベル;
        p.全消去();
        if (押し方[n] > 0) LBEL_UP_Click(s, p);
        else LEBEL_DOWN_Click(s, p);
        if (s.操作.ハンデレベル == 前) {
            // At a limit the label stays as it is.
            EXPECT_EQ(位置([&](const 描画記録& d) { return d.種類 == 描画記録::文字 || 行1(d); }), -1);
            continue;
        }
        // The square that changed: the new grade's own square when moving
        // away from 0, the previous grade's when moving back towards it.
        int 桝X = 0, 桝Y = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (位置([&](const 描画記録& d) {
                        return d.種類 == 描画記録::絵 && d.x == セルX(x) && d.y == セルY(y);
                    }) >= 0)
                    桝X = x, 桝Y = y;
        ASSERT_NE(桝X, 0);
        名前を書き直した(桝X, 桝Y);
    }
    EXPECT_EQ(s.操作.ハンデレベル, -6);
}

TEST_F(段級表示, 全部描き直すときも名前の欄を消してから書く) {
    s.表示.背景種類 = 背景_煉瓦;
    s.操作.ハンデ設定中 = 真;
    s.操作.ハンデレベル = -3;
    p.全消去();
    描画_ハンデレベル(s, p, s.操作.ハンデレベル);
    名前を書き直した(0, 0);
}
