// SPDX-License-Identifier: GPL-3.0-or-later
// A new game and the position log.
#include "core/setup.h"

#include <gtest/gtest.h>

#include "play/start.h"
#include "core/move.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "play/new_game.h"
#include "view/course.h"

namespace {

struct 作業場所 : ::testing::Test {
    一時フォルダ 場所;
};

}  // namespace

TEST_F(作業場所, 起動すると初期配置で誰の番でもない) {
    状態 s;
    FakePlatform p;
    起動(s, p);
    EXPECT_EQ(s.盤[5][9], -802);
    EXPECT_EQ(s.盤[2][2], 700);
    EXPECT_EQ(s.盤[8][2], 600);
    EXPECT_EQ(s.盤[2][8], -602);
    EXPECT_EQ(s.盤[8][8], -702);
    EXPECT_EQ(s.盤[5][5], 空);
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(s.盤[x][3], 100);
        EXPECT_EQ(s.盤[x][7], -102);
    }
    for (int i = 0; i <= 7; ++i) EXPECT_EQ(s.持駒_MAN[i] + s.持駒_COM[i], 0);
    EXPECT_EQ(s.手番, 手番_なし);
    EXPECT_EQ(s.勝者, 手番_なし);
    EXPECT_EQ(s.棋譜手数, 0);
    EXPECT_EQ(s.棋譜最終手数, 0);
    EXPECT_EQ(s.記録[0].面.盤[5][1], 800);
    EXPECT_EQ(s.レベル, 3);
    EXPECT_TRUE(s.操作.checked(メニュー項目::LEVEL3));
    EXPECT_EQ(s.手番_MAN, 後手);
    EXPECT_EQ(s.手番_COM, 先手);
    // Square colours drive the turn rule.
    EXPECT_EQ(s.桝色[5][5], 桝色_緑);
    EXPECT_EQ(s.桝色[9][9], 桝色_緑);
    EXPECT_EQ(s.桝色[1][2], 桝色_水);
    EXPECT_EQ(s.桝色[9][8], 桝色_水);
    // Index 0 stays present and zero.
    EXPECT_EQ(s.盤[0][0], 0);
    EXPECT_EQ(s.桝色[0][5], 0);
    // No sound files here: silence, no message, and the game is ready.
    EXPECT_EQ(p.音.front(), "init");
    EXPECT_EQ(s.表示.音_駒打, 0);
    EXPECT_EQ(s.表示.音_BGM, 0);
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_FALSE(p.タイマー有効);
}

TEST_F(作業場所, 新しい対局は局面も時計も手番もやり直す) {
    状態 s;
    FakePlatform p;
    起動(s, p);
    s.盤[5][5] = 700;
    s.持駒_MAN[3] = 2;
    s.手番 = 先手;
    s.勝者 = 先手;
    s.手数 = 12;
    s.棋譜手数 = 12;
    s.時計.所有時間_MAN = 99;
    s.操作.ハンデ設定中 = 真;
    s.操作.選択駒 = -102;
    s.レベル = 1;
    初期設定(s, p);
    EXPECT_EQ(s.盤[5][5], 空);
    EXPECT_EQ(s.持駒_MAN[3], 0);
    EXPECT_EQ(s.持駒数_MAN, 0);
    EXPECT_EQ(s.手番, 手番_なし);
    EXPECT_EQ(s.勝者, 手番_なし);
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.時計.所有時間_MAN, 0);
    EXPECT_EQ(s.操作.ハンデ設定中, 偽);
    EXPECT_EQ(s.操作.選択駒, -102);  // the mouse handler's memory survives
    EXPECT_EQ(s.レベル, 1);     // and so does the strength
    EXPECT_EQ(s.棋譜最終手数, 0);
}

TEST(手順保存, 局面と時計を記録し最後の記録になる) {
    状態 s;
    s.盤[3][3] = -702;
    s.持駒_COM[5] = 2;
    for (int n = 0; n <= 7; ++n) {
        s.棋譜手数 = n;
        EXPECT_EQ(手順保存(s, 1, 1, 2, 3, 0, 0, 1, 2.5, 3, 4), 真);
    }
    EXPECT_EQ(s.棋譜最終手数, 7);
    s.棋譜手数 = 3;
    s.盤[3][3] = 空;
    手順保存(s, 0, 0, 4, 5, 0, 0, 10, 11, 12, 13);
    EXPECT_EQ(s.棋譜最終手数, 3);
    EXPECT_EQ(s.記録[3].面.盤[3][3], 空);
    EXPECT_EQ(s.記録[2].面.盤[3][3], -702);
    EXPECT_EQ(s.記録[3].面.持駒_COM[5], 2);
    EXPECT_EQ(s.記録[3].先X, 4);
    EXPECT_EQ(s.記録[3].先Y, 5);
    EXPECT_DOUBLE_EQ(s.記録[3].後秒M, 11);
    EXPECT_DOUBLE_EQ(s.記録[3].前秒C, 12);
    // The record holds what was written and no more; any other slot reads
    // as an untouched one.
    for (int n : {-1, 8, 9, 履歴最大, 履歴最大 + 1}) EXPECT_TRUE(s.記録[n] == 棋譜の欄{}) << n;
}

TEST(手順保存, 五百を越える記録は書かずに断る) {
    状態 s;
    // Move 500 can be made from slot 499: the position it leaves takes slot 500.
    s.棋譜手数 = 499;
    EXPECT_EQ(調査_記録満杯(s), 偽);
    s.棋譜手数 = 500;
    EXPECT_EQ(調査_記録満杯(s), 真);
    EXPECT_EQ(手順保存(s, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0), 真);
    EXPECT_EQ(s.棋譜最終手数, 500);
    s.棋譜手数 = 501;
    EXPECT_EQ(調査_記録満杯(s), 真);
    s.記録.書く(500).先X = 42;
    EXPECT_EQ(手順保存(s, 0, 0, 9, 9, 0, 0, 0, 0, 0, 0), 偽);
    EXPECT_EQ(s.棋譜最終手数, 500);
    EXPECT_EQ(s.記録[500].先X, 42);
    s.棋譜手数 = -1;
    EXPECT_EQ(手順保存(s, 0, 0, 9, 9, 0, 0, 0, 0, 0, 0), 偽);
}
