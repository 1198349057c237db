// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/commands.h"

#include <string>

#include "play/com_turn.h"
#include "view/panel.h"
#include "tests/control/fixture.h"

namespace {
bool 印(const FakePlatform& p, メニュー項目 m) { return p.チェック[static_cast<int>(m)]; }
}  // namespace

TEST_F(対局試験, スタートは先手から始め二度押しても盤を保つ) {
    p.現在時刻 = 500;
    s.操作.対局種別 = 対局_COM;  // left over from a game against the computer
    START_Click(s, p);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.手番_MAN, 先手);
    EXPECT_EQ(s.手番_COM, 後手);
    EXPECT_EQ(s.操作.対局種別, 対局_人間);
    EXPECT_EQ(s.時計.開始時刻, 500);
    EXPECT_TRUE(p.タイマー有効);  // elapsed time is on by default
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(p.メッセージ履歴[0].本文, "先手の番です");
    EXPECT_EQ(p.メッセージ履歴[0].題, " ");
    for (int c = -2; c <= 0; ++c) EXPECT_EQ(p.絵の履歴(c, 0), std::vector<int>{背景_緑}) << c;

    // Mid-game the turn is kept and announced; that announcement stands for
    // the one a resuming click would make.
    押す(5, 7);
    押す(5, 6);
    s.操作.再開待ち = 真;
    START_Click(s, p);
    EXPECT_EQ(p.メッセージ履歴.back().本文, "後手の番です");
    EXPECT_EQ(s.盤[5][6], -101);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_EQ(s.操作.再開待ち, 偽);
    const auto 告知数 = p.メッセージ履歴.size();
    押す(5, 3);
    EXPECT_EQ(p.メッセージ履歴.size(), 告知数);
    EXPECT_EQ(s.操作.選択状態, 1);
    s.操作.選択状態 = 0;

    // After a finished game a new one is set up.
    s.勝者 = 先手;
    START_Click(s, p);
    EXPECT_EQ(s.勝者, 手番_なし);
    EXPECT_EQ(s.盤[5][7], -102);
    EXPECT_EQ(p.メッセージ履歴.back().本文, "先手の番です");
}

TEST_F(対局試験, レベルの印と表示) {
    LEVEL1_Click(s, p);
    EXPECT_EQ(s.レベル, 1);
    EXPECT_TRUE(印(p, メニュー項目::LEVEL1));
    EXPECT_FALSE(印(p, メニュー項目::LEVEL3));
    EXPECT_TRUE(p.文字の履歴().empty());  // two people: no indicator
    EXPECT_EQ(p.絵の履歴(-1, 0), std::vector<int>{背景_緑});

    s.操作.対局種別 = 対局_COM;
    LEVEL2_Click(s, p);
    EXPECT_TRUE(印(p, メニュー項目::LEVEL2));
    EXPECT_FALSE(印(p, メニュー項目::LEVEL1));
    EXPECT_EQ(p.文字の履歴(), (std::vector<std::string>{"LEVEL", "LEVEL", "2", "2"}));

    レベル_設定(s, p, 最強レベル + 1);  // no such strength: nothing changes
    EXPECT_EQ(s.レベル, 2);
    for (auto m : {メニュー項目::LEVEL1, メニュー項目::LEVEL2, メニュー項目::LEVEL3}) EXPECT_FALSE(印(p, m));
    LEVEL3_Click(s, p);
    EXPECT_EQ(s.レベル, 3);
    EXPECT_TRUE(s.操作.checked(メニュー項目::LEVEL3));
}

TEST_F(対局試験, メニューと盤の押下は棋譜パネルを閉じる) {
    const auto 部品 = [&](パネル部品 x) { return p.パネル見える[static_cast<int>(x)]; };
    const auto& 名 = p.パネル文字列[static_cast<int>(パネル部品::入力_対局名)];
    for (auto f : {TAIKYOKU_Click, STOP_Click, +[](状態&s, Platform&p) {
                       応手なし 誰も;
                       Form_MouseDown(s, p, 誰も, 1, 0, 0, 0);
                   }}) {
        描画_可視(p, 真, 真, 真);
        描画_棋譜_IO(p, 0);  // the write controls come up, the lists stay as they were
        EXPECT_TRUE(部品(パネル部品::RETURN) && 部品(パネル部品::ラベル_上) && 部品(パネル部品::File1));
        p.パネル文字設定(パネル部品::入力_対局名, "名局");
        f(s, p);
        for (int i = 0; i < パネル部品数; ++i) EXPECT_FALSE(p.パネル見える[i]) << i;
        EXPECT_EQ(名, "");
    }
}

TEST_F(対局試験, Escと終わりと閉じるは音を順に放して終わる) {
    const std::vector<std::string> 期待{"free 1", "free 2", "free 3", "free 4", "terminate 1"};
    Form_KeyPress(s, p, 'q');
    Form_KeyPress(s, p, 13);
    EXPECT_TRUE(p.音.empty());
    EXPECT_FALSE(p.終了済み);
    Form_KeyPress(s, p, 27);
    EXPECT_EQ(p.音, 期待);
    EXPECT_TRUE(p.終了済み);
    // The window closing after that frees nothing twice.
    Form_Unload(s, p);
    EXPECT_EQ(p.音, 期待);

    for (auto f : {OWARI_Click, Form_Unload}) {
        s.表示.音_その他 = 1, s.表示.音_禁止 = 2, s.表示.音_駒打 = 3, s.表示.音_BGM = 4, s.表示.サウンド装置 = 1;
        p.全消去();
        p.終了済み = false;
        f(s, p);
        EXPECT_EQ(p.音, 期待);
        EXPECT_TRUE(p.終了済み);
    }
}

// Two people play a short game to the capture of the top king: a pawn opens
// the bishop's diagonal, the bishop takes a pawn and promotes with a right
// click, then takes the king.
TEST_F(対局試験, 二人で最後まで指す) {
    START_Click(s, p);
    const int 手[][5] = {
        {3, 7, 3, 6, 1},  // 先手 ７六歩
        {1, 3, 1, 4, 1},  // 後手 ９四歩
        {2, 8, 7, 3, 2},  // 先手 ３三角成, taking a pawn
        {9, 3, 9, 4, 1},  // 後手 １四歩
        {7, 3, 5, 1, 1},  // 先手 takes the king on ５一
    };
    for (const auto& m : 手) {
        押す(m[0], m[1]);
        押す(m[2], m[3], m[4]);
    }
    EXPECT_EQ(p.メッセージ履歴.back().本文, "先手の勝ちです");
    EXPECT_EQ(p.メッセージ履歴.back().題, "終了");
    EXPECT_EQ(s.勝者, 先手);
    EXPECT_EQ(s.盤[5][1], -612);
    EXPECT_EQ(s.持駒_MAN[1], 1);
    EXPECT_EQ(p.待ち, std::vector<double>(3, 0.1));  // the two captures do not turn
    EXPECT_EQ(s.手数, 5);
    EXPECT_EQ(s.棋譜手数, 5);
    EXPECT_EQ(s.棋譜最終手数, 5);  // slots 0..5: the position before each move and the last
    EXPECT_EQ(s.記録[0].面.盤[3][7], -102);
    EXPECT_EQ(s.記録[3].面.盤[7][3], -612);
    EXPECT_EQ(s.記録[4].面.盤[5][1], 800);
    EXPECT_EQ(s.記録[4].面.盤[9][4], 103);
    EXPECT_EQ(s.記録[5].面.盤[5][1], -612);  // the winning move is kept
    auto t = p.文字の履歴();
    EXPECT_EQ(std::vector<std::string>(t.end() - 6, t.end()),
              (std::vector<std::string>{"５", "５", "一", "一", "角成", "角成"}));
    押す(5, 5);
    EXPECT_EQ(p.メッセージ履歴.back().本文, "新規に対局してください");
}

TEST_F(対局試験, 上の強さも一つずつ選べ_窓からは二つの糸まで) {
    struct 例 {
        void (*押す)(状態&, Platform&);
        メニュー項目 項目;
        int レベル;
    };
    const 例 表[] = {
        {LEVEL4_Click, メニュー項目::LEVEL4, 4},   {LEVEL5_Click, メニュー項目::LEVEL5, 5},
        {LEVEL6_Click, メニュー項目::LEVEL6, 6},   {LEVEL7_Click, メニュー項目::LEVEL7, 7},
        {LEVEL8_Click, メニュー項目::LEVEL8, 8},   {LEVEL9_Click, メニュー項目::LEVEL9, 9},
        {LEVEL10_Click, メニュー項目::LEVEL10, 10}, {LEVEL11_Click, メニュー項目::LEVEL11, 11},
        {LEVEL12_Click, メニュー項目::LEVEL12, 12}, {LEVEL13_Click, メニュー項目::LEVEL13, 13},
        {LEVEL14_Click, メニュー項目::LEVEL14, 14}, {LEVEL15_Click, メニュー項目::LEVEL15, 15},
        {LEVEL16_Click, メニュー項目::LEVEL16, 16},
        {LEVEL17_Click, メニュー項目::LEVEL17, 17},
    };
    static_assert(sizeof 表 / sizeof 表[0] == 最強レベル - 3);
    s.操作.対局種別 = 対局_COM;
    for (const auto& e : 表) {
        e.押す(s, p);
        EXPECT_EQ(s.レベル, e.レベル);
        for (const auto& f : 表) EXPECT_EQ(印(p, f.項目), f.レベル == e.レベル) << e.レベル;
        EXPECT_EQ(p.文字の履歴().back(), std::to_string(e.レベル));
        EXPECT_STREQ(メニュー項目名(e.項目), ("LEVEL" + std::to_string(e.レベル)).c_str());
        const 探索設定 設定 = 深い探索の設定(s, 1);
        EXPECT_GE(設定.スレッド数, 1);
        EXPECT_LE(設定.スレッド数, 窓のスレッド上限);
    }
    LEVEL3_Click(s, p);
    for (const auto& f : 表) EXPECT_FALSE(印(p, f.項目));
}
