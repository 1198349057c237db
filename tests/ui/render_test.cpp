// SPDX-License-Identifier: GPL-3.0-or-later
// What gets painted where, and in which order.
#include "view/render.h"

#include <gtest/gtest.h>

#include "play/start.h"
#include "core/setup.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "store/settings.h"
#include "view/screen.h"

namespace {
struct 描画テスト : ::testing::Test {
    状態 s;
    FakePlatform p;
    void SetUp() override { 桝色設定(s); }
};
}  // namespace

TEST_F(描画テスト, 絵は駒コードと桝の色と場所で選ぶ) {
    EXPECT_EQ(絵の選択(s, 空, 5, 5), 絵_空桝1);
    EXPECT_EQ(絵の選択(s, 空, 1, 2), 絵_空桝2);
    EXPECT_EQ(絵の選択(s, 空, 10, 5), 絵_空桝0);
    EXPECT_EQ(絵の選択(s, 空, -1, 3), 絵_空桝0);
    EXPECT_EQ(絵の選択(s, 空, 5, 0), 0);   // row 0 has no colour: nothing painted
    EXPECT_EQ(絵の選択(s, 空, 5, 10), 0);  // nor beyond the table
    EXPECT_EQ(絵の選択(s, -712, 3, 3), -712);
    EXPECT_EQ(絵の選択(s, 301, 3, 3), 301);
    for (int bg = 5; bg <= 9; ++bg) EXPECT_EQ(絵の選択(s, bg, 20, 15), bg);
    EXPECT_EQ(絵の選択(s, 絵_タイトル, 10.8, 0), 絵_タイトル);
    for (int bad : {4, 10, 99, 104, 512, 810, -3000}) EXPECT_EQ(絵の選択(s, bad, 3, 3), 0) << bad;
    描画_絵(s, p, 512, 3, 3);
    EXPECT_TRUE(p.描画.empty());
    描画_絵(s, p, 301, 3, 3);
    ASSERT_EQ(p.描画.size(), 1u);
    EXPECT_EQ(p.描画[0].x, 1050 + 3 * 615);
    EXPECT_EQ(p.描画[0].y, 100 + 3 * 615);
}

TEST_F(描画テスト, 固定の文字列) {
    EXPECT_EQ(文字列_固定(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    EXPECT_EQ(文字列_固定(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_EQ(文字列_固定(1), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    EXPECT_EQ(文字列_固定(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
    EXPECT_EQ(文字列_固定(99), "手目");
    描画_文字列(s, p, 11, 1, 11, 色_白, 10);
    描画_文字列(s, p, 11, 1, -11, 色_白, 10);
    EXPECT_TRUE(p.描画.empty());
    描画_文字列(s, p, 11, 1, 2, 色_白, 10);
    ASSERT_EQ(p.描画.size(), 1u);
    EXPECT_EQ(p.描画[0].x, 1050 + 11 * 615 + 120);
    EXPECT_EQ(p.描画[0].y, 100 + 615 + 160);
}

TEST_F(描画テスト, 筋は左が9右が1_段は上が一) {
    描画_桝_数値(s, p);
    EXPECT_TRUE(s.表示.フォント太字);
    std::vector<std::pair<int, std::string>> 黄;
    for (const auto& d : p.描画)
        if (d.種類 == 描画記録::文字 && d.色 == 色_黄) 黄.push_back({d.x, d.文字列});
    ASSERT_EQ(黄.size(), 18u);
    EXPECT_EQ(黄[0].second, "9");
    EXPECT_EQ(黄[1].second, "一");
    EXPECT_EQ(黄[16].second, "1");
    EXPECT_EQ(黄[17].second, "九");
}

TEST_F(描画テスト, 駒台は持っている駒と数を描く) {
    s.持駒_MAN[1] = 3;
    s.持駒_COM[7] = 1;
    描画_自持盤(s, p);
    描画_敵持盤(s, p);
    EXPECT_EQ(p.絵の履歴(11, 3), (std::vector<int>{絵_空桝0, -102}));
    EXPECT_EQ(p.絵の履歴(11, 9), (std::vector<int>{絵_空桝0}));
    EXPECT_EQ(p.絵の履歴(-1, 1), (std::vector<int>{絵_空桝0, 700}));  // rook at the top
    EXPECT_EQ(p.絵の履歴(-1, 7), (std::vector<int>{絵_空桝0}));
    auto t = p.文字の履歴();
    EXPECT_EQ(t, (std::vector<std::string>{"3", "3", "1", "1"}));
}

TEST_F(描画テスト, 手数は桁が増えるほど左から書く) {
    // (number, x of the shadow, x of the white text), in cells; a twip of
    // rounding either way is no matter.
    const struct {
        int 数;
        double 影x, x;
    } 例[] = {{0, 13.3, 13.2},  {9, 13.3, 13.2},   {10, 13.2, 13.1},
              {99, 13.2, 13.1}, {100, 13.1, 13.0}, {500, 13.1, 13.0}};
    for (const auto& [数, 影x, x] : 例) {
        SCOPED_TRACE(数);
        p.全消去();
        描画_手数(s, p, 数, 色_白);
        EXPECT_EQ(p.絵の履歴(13, 3), std::vector<int>{s.表示.背景種類});
        EXPECT_EQ(p.絵の履歴(14, 3), std::vector<int>{s.表示.背景種類});
        std::vector<描画記録> 文字;
        for (const auto& d : p.描画)
            if (d.種類 == 描画記録::文字) 文字.push_back(d);
        ASSERT_EQ(文字.size(), 4u);
        EXPECT_EQ(文字[0].文字列, std::to_string(数));
        EXPECT_EQ(文字[0].色, 色_黒);
        EXPECT_NEAR(文字[0].x, セルX(影x), 1);
        EXPECT_NEAR(文字[0].y, セルY(3.4), 1);
        EXPECT_EQ(文字[1].文字列, std::to_string(数));
        EXPECT_EQ(文字[1].色, 色_白);
        EXPECT_NEAR(文字[1].x, セルX(x), 1);
        EXPECT_NEAR(文字[1].y, セルY(3.3), 1);
        EXPECT_EQ(文字[0].大きさ, 12);
        // "手目" after it, at a fixed place, with the fixed-text shift.
        EXPECT_EQ(文字[2].文字列, "手目");
        EXPECT_EQ(文字[2].色, 色_黒);
        EXPECT_NEAR(文字[2].x, セルX(13.9) + 120, 1);
        EXPECT_NEAR(文字[2].y, セルY(3.2) + 160, 1);
        EXPECT_NEAR(文字[3].x, セルX(13.8) + 120, 1);
        EXPECT_NEAR(文字[3].y, セルY(3.1) + 160, 1);
        EXPECT_EQ(文字[3].大きさ, 10);
    }
}

TEST_F(描画テスト, 全部描き直す順序) {
    一時フォルダ 場所;
    起動(s, p);  // green, elapsed time on
    s.操作.対局種別 = 対局_COM;
    s.操作.ハンデ設定中 = 真;
    s.操作.ハンデレベル = 3;
    p.全消去();
    画面_再描画(s, p);
    // Background first: the whole 32 × 20 cell area except the board.
    ASSERT_GT(p.描画.size(), 640u);
    for (int i = 0; i < 32 * 20 - 81; ++i) ASSERT_EQ(p.描画[i].番号, 背景_緑) << i;
    // Then labels, hands, board, clocks, level, handicap and last the title.
    auto 位置 = [&](auto pred) {
        for (std::size_t i = 0; i < p.描画.size(); ++i)
            if (pred(p.描画[i])) return static_cast<long>(i);
        return -1L;
    };
    const long 筋 = 位置([](const 描画記録& d) { return d.種類 == 描画記録::文字 && d.文字列 == "9"; });
    const long 自持 = 位置([](const 描画記録& d) { return d.番号 == 絵_空桝0 && d.x == セルX(11); });
    const long 敵持 = 位置([](const 描画記録& d) { return d.番号 == 絵_空桝0 && d.x == セルX(-1); });
    const long 盤 = 位置([](const 描画記録& d) { return d.番号 == 200 && d.x == セルX(1); });
    const long 時計 = 位置([](const 描画記録& d) { return d.文字列 == "00:00:00"; });
    const long レベル = 位置([](const 描画記録& d) { return d.文字列 == "LEVEL"; });
    const long ハンデ = 位置([](const 描画記録& d) { return d.文字列 == "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"; });
    EXPECT_LT(筋, 自持);
    EXPECT_LT(自持, 敵持);
    EXPECT_LT(敵持, 盤);
    EXPECT_LT(盤, 時計);
    EXPECT_LT(時計, レベル);
    EXPECT_LT(レベル, ハンデ);
    EXPECT_EQ(p.描画.back().番号, 絵_タイトル);
    EXPECT_EQ(p.描画.back().x, セルX(10.8));
}

TEST_F(描画テスト, 指導なしでは行き先の枠が見えない色) {
    一時フォルダ 場所;
    起動(s, p);
    EXPECT_EQ(s.操作.移動指導, 偽);
    EXPECT_EQ(s.表示.移動指導色, 桝輪郭色);
}

TEST_F(描画テスト, 駒の点滅は消して待って描くを繰り返す) {
    描画_駒点滅(s, p, 700, -1, 1, 2);
    EXPECT_EQ(p.絵の履歴(-1, 1), (std::vector<int>{絵_空桝0, 700, 絵_空桝0, 700}));
    EXPECT_EQ(p.待ち, (std::vector<double>{0.2, 0.2, 0.2, 0.2}));
}

// Places in tenths of a cell and their twips, whole numbers with a half
// going up.  Each is a place the game draws at; -1.1 is 373.5 twips, where
// a fused multiply-add used to make 373.
TEST(セルの位置, 十分の一桝ごとのtwip) {
    struct 例 {
        double 座標;
        int 十分の一, X, Y;
    };
    const 例 例々[] = {
        {-1.1, -11, 374, -577},    {-1.6, -16, 66, -884},   {0.1, 1, 1112, 162},
        {3.3 + 0.1, 34, 3141, 2191}, {9.3, 93, 6770, 5820}, {12.9 - 0.1, 128, 8922, 7972},
        {13.1, 131, 9107, 8157},   {-2, -20, -180, -1130},  {10.8, 108, 7692, 6742},
    };
    for (const 例& e : 例々) {
        SCOPED_TRACE(e.座標);
        EXPECT_EQ(十分の一桝(e.座標), e.十分の一);
        EXPECT_EQ(セルX(e.座標), e.X);
        EXPECT_EQ(セルY(e.座標), e.Y);
    }
}
