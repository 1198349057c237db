// SPDX-License-Identifier: GPL-3.0-or-later
// Thinking-time clocks: arithmetic across midnight, formatting, the live
// display and its switch.
#include "core/clock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "store/sjis.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "view/clock_view.h"
#include "view/render.h"
#include "store/settings.h"

TEST(時計, 経過秒は真夜中をまたいでも正しい) {
    EXPECT_NEAR(調査_経過秒(86399.5, 0.7), 1.2, 1e-9);
    EXPECT_DOUBLE_EQ(調査_経過秒(100, 130.25), 30.25);
    EXPECT_DOUBLE_EQ(調査_経過秒(5, 5), 0);
}

TEST(時計, 時分秒は二桁ずつ_百時間以上は時の欄が空) {
    EXPECT_EQ(調査_時間秒追加結果(3725.4), "01:02:05");
    EXPECT_EQ(調査_時間秒追加結果(59), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(59.99), "00:00:59");
    EXPECT_EQ(調査_時間秒追加結果(3600), "01:00:00");
    EXPECT_EQ(調査_時間秒追加結果(45296), "12:34:56");
    EXPECT_EQ(調査_時間秒追加結果(360000), ":00:00");
    EXPECT_EQ(変換_数字から文字(7), "07");
    EXPECT_EQ(変換_数字から文字(42), "42");
    EXPECT_EQ(変換_数字から文字(100), "");
}

namespace {
struct 時計テスト : ::testing::Test {
    一時フォルダ 場所;
    状態 s;
    FakePlatform p;
    void SetUp() override {
        チェック変更(s, p, メニュー項目::KEIKA, true);
        s.手番 = s.手番_MAN;
        s.時計.開始時刻 = 1000;
        s.時計.所有時間_MAN = 3725;
        s.時計.所有時間_COM = 10;
        s.時計.Timer1有効 = true;
    }
    // The texts drawn, as (text, colour, x, y) with x, y in twips.
    struct 文字 {
        std::string t;
        int 色, x, y;
        bool operator==(const 文字&) const = default;
    };
    std::vector<文字> 文字一覧() const {
        std::vector<文字> out;
        for (const auto& d : p.描画)
            if (d.種類 == 描画記録::文字) out.push_back({d.文字列, d.色, d.x, d.y});
        return out;
    }
    static std::string 設定ファイル() {
        std::ifstream f(設定ファイル名, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return SJISからUTF8(ss.str());
    }
};
}  // namespace

TEST_F(時計テスト, 刻みは秒が変わった時だけ手番の側を描く) {
    p.現在時刻 = 1000.4;
    Timer1_Timer(s, p);
    EXPECT_TRUE(p.文字の履歴().empty());  // still second 0
    p.現在時刻 = 1001.2;
    Timer1_Timer(s, p);
    auto t = p.文字の履歴();
    ASSERT_EQ(t.size(), 2u);  // shadow and text
    EXPECT_EQ(t[1], "01:02:06");
    EXPECT_EQ(s.時計.経過秒_表示, 1);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 3725);  // the stored total waits for the move
    // The MAN clock sits right of the board, white over a black shadow.
    const auto& d = p.描画.back().種類 == 描画記録::再描画 ? p.描画[p.描画.size() - 2] : p.描画.back();
    EXPECT_EQ(d.色, 色_白);
    EXPECT_EQ(d.x, 盤原点X + 桝幅 * 13);
}

TEST_F(時計テスト, 上の側の時計は盤の左に上の側の合計で描く) {
    // The top side to move: its own total plus the running turn, drawn left
    // of the board (shadow at (−1.5, 9.3), text at (−1.6, 9.2)).
    s.手番 = s.手番_COM;
    p.現在時刻 = 1002.7;
    Timer1_Timer(s, p);
    const std::vector<文字> 期待{{"00:00:12", 色_黒, セルX(-1.5), セルY(9.3)},
                                 {"00:00:12", 色_白, セルX(-1.6), セルY(9.2)}};
    EXPECT_EQ(文字一覧(), 期待);
    // The old text wiped first: three tiles, (−2, 9) .. (0, 9), no more.
    for (int c = -3; c <= 16; ++c) EXPECT_EQ(p.絵の履歴(c, 9).size(), c >= -2 && c <= 0 ? 1u : 0u) << c;
    EXPECT_EQ(p.描画.back().種類, 描画記録::再描画);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_COM, 10);

    // The bottom side's clock, right of the board.
    p.全消去();
    描画_所有時間(s, p, s.手番_MAN, 45296);
    const std::vector<文字> 下{{"12:34:56", 色_黒, セルX(13.1), セルY(9.3)},
                               {"12:34:56", 色_白, セルX(13), セルY(9.2)}};
    EXPECT_EQ(文字一覧(), 下);
    for (int c = -3; c <= 16; ++c) EXPECT_EQ(p.絵の履歴(c, 9).size(), c >= 13 && c <= 15 ? 1u : 0u) << c;

    // No game: the tick keeps time but draws nothing.
    p.全消去();
    s.手番 = 手番_なし;
    p.現在時刻 = 1004.1;
    Timer1_Timer(s, p);
    EXPECT_TRUE(文字一覧().empty());
}

TEST_F(時計テスト, 勝負がついたか止まっていれば何もしない) {
    p.現在時刻 = 1005;
    s.勝者 = 先手;
    Timer1_Timer(s, p);
    s.勝者 = 手番_なし;
    s.時計.Timer1有効 = false;
    Timer1_Timer(s, p);
    EXPECT_TRUE(p.描画.empty());
    EXPECT_DOUBLE_EQ(s.時計.経過秒, 0);
}

TEST_F(時計テスト, 経過時間が切なら描かない_切替で消して描く) {
    チェック変更(s, p, メニュー項目::KEIKA, false);
    描画_所有時間(s, p, s.手番_MAN, 3725);
    EXPECT_TRUE(p.描画.empty());
    KEIKA_Click(s, p);  // on: both clocks drawn, timer running
    EXPECT_TRUE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_TRUE(p.タイマー有効);
    auto t = p.文字の履歴();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1], "00:00:10");
    EXPECT_EQ(t[3], "01:02:05");
    // Every switch is saved at once (no background checked here: no line 1).
    EXPECT_EQ(設定ファイル(), "移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\n");
    p.全消去();
    KEIKA_Click(s, p);  // off: erased with the background tile, timer stopped
    EXPECT_FALSE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_FALSE(p.タイマー有効);
    EXPECT_TRUE(p.文字の履歴().empty());
    EXPECT_EQ(p.絵の履歴(13, 9).size(), 1u);
    EXPECT_EQ(p.絵の履歴(-2, 9).size(), 1u);
    EXPECT_EQ(設定ファイル(), "移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
}
