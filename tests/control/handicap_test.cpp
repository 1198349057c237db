// SPDX-License-Identifier: GPL-3.0-or-later
// The handicap ladder: each grade takes one piece off (or puts it back).
#include "play/handicap.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/control/fixture.h"

namespace {
bool 同じ盤(const 状態& a, const 状態& b) { return std::memcmp(a.盤, b.盤, sizeof a.盤) == 0; }
}  // namespace

TEST_F(対局試験, 上げると相手の駒が一枚ずつ消え下げると戻る) {
    auto 初期 = std::make_unique<状態>(s);
    LBEL_UP_Click(s, p);
    EXPECT_EQ(s.盤[8][2], 空);  // the computer's bishop goes first
    EXPECT_EQ(s.操作.ハンデレベル, 1);
    EXPECT_EQ(s.操作.ハンデ設定中, 真);
    auto t = p.文字の履歴();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    EXPECT_EQ(鳴った("play 3"), 1);
    EXPECT_EQ(p.絵の履歴(8, 2), (std::vector<int>{絵_空桝1}));

    s.操作.ハンデ設定中 = 偽;
    p.全消去();
    LEBEL_DOWN_Click(s, p);
    EXPECT_EQ(s.操作.ハンデ設定中, 真);
    EXPECT_EQ(s.盤[8][2], 600);
    EXPECT_EQ(p.絵の履歴(8, 2), (std::vector<int>{600}));
    EXPECT_EQ(枠色(8, 2), 背景色);  // the square's outline put back
    EXPECT_EQ(p.文字の履歴().back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_TRUE(同じ盤(s, *初期));

    for (int i = 0; i < 10; ++i) LBEL_UP_Click(s, p);
    // The computer keeps its king and pawns only.
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(s.盤[x][1], x == 5 ? 800 : 空) << x;
        EXPECT_EQ(s.盤[x][2], 空);
        EXPECT_EQ(s.盤[x][3], 100);
    }
    EXPECT_EQ(p.文字の履歴().back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    p.全消去();
    LBEL_UP_Click(s, p);  // at the limit: nothing, silently
    EXPECT_EQ(s.操作.ハンデレベル, 10);
    EXPECT_TRUE(p.音.empty());
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_EQ(s.操作.ハンデ設定中, 真);

    for (int i = 0; i < 20; ++i) LEBEL_DOWN_Click(s, p);
    EXPECT_EQ(s.操作.ハンデレベル, -10);
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(s.盤[x][9], x == 5 ? -802 : 空) << x;
        EXPECT_EQ(s.盤[x][8], 空);
        EXPECT_EQ(s.盤[x][1], 初期->盤[x][1]);
    }
    EXPECT_EQ(p.文字の履歴().back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    for (int i = 0; i < 10; ++i) LBEL_UP_Click(s, p);
    EXPECT_TRUE(同じ盤(s, *初期));
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(s.持駒_MAN[i] + s.持駒_COM[i], 0);  // hands never touched
}

TEST_F(対局試験, 棋譜モードと対局途中は断る) {
    s.操作.棋譜モード = 真;
    s.棋譜最終手数 = 7;
    LBEL_UP_Click(s, p);
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(p.メッセージ履歴[0].本文, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい");
    EXPECT_EQ(p.メッセージ履歴[0].題, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(s.棋譜最終手数, 7);
    EXPECT_EQ(s.盤[8][2], 600);

    // A loaded record stepped forward has moves behind it too: the record
    // mode is what the player is told about, on both buttons.
    s.棋譜手数 = 3;
    for (auto f : {LBEL_UP_Click, LEBEL_DOWN_Click}) {
        p.全消去();
        f(s, p);
        ASSERT_EQ(p.メッセージ履歴.size(), 1u);
        EXPECT_EQ(p.メッセージ履歴[0].本文, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい");
        EXPECT_EQ(p.音, std::vector<std::string>{"play 2"});
    }
    EXPECT_EQ(s.操作.ハンデ設定中, 偽);

    s.操作.棋譜モード = 偽;
    s.棋譜手数 = 1;
    LEBEL_DOWN_Click(s, p);
    EXPECT_EQ(p.メッセージ履歴.back().本文, "対局途中ではできません\r\r局面→最初にして下さい");
    EXPECT_EQ(s.盤[2][8], -602);
    EXPECT_EQ(s.操作.ハンデ設定中, 偽);

    s.棋譜手数 = 0;
    LBEL_UP_Click(s, p);
    EXPECT_EQ(s.棋譜最終手数, 0);  // no stepping forward into an old record
}
