// SPDX-License-Identifier: GPL-3.0-or-later
// A long game in the real window: the drawing operations the window keeps
// for re-rendering stay at about one full picture of the window however
// many moves are played, and re-rendering them gives, after every move and
// at several scales, exactly the picture of everything the game has drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"
#include "front/qt/window.h"
#include "view/render.h"
#include "view/screen.h"

namespace {

constexpr int 手数 = 300;
constexpr std::size_t 上限 = 1200;

// The window of 窓の試験, with every operation also painted into pictures
// at these scales from the very start.
struct 長い対局 : ::testing::Test {
    一時フォルダ 場所;
    std::unique_ptr<窓> w;
    void SetUp() override {
        テスト用アプリ();
        qputenv("SDL_AUDIODRIVER", "dummy");
        w = std::make_unique<窓>(false);
        w->一息に = true;
        w->待たない = true;
        w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
        w->全命令を控える({1.0, 1.5, 2.0});
        w->開始();
        w->show();
        QApplication::processEvents();
        // No clock on the screen: the same game then draws the same.
        if (w->メニュー("KEIKA")->isChecked()) w->メニュー("KEIKA")->trigger();
        ASSERT_FALSE(w->メニュー("KEIKA")->isChecked());
    }
    // Pixels where re-rendering the kept operations differs from
    // everything drawn.
    int 違う画素(double r) const {
        const QImage a = w->画像(r), b = w->全命令の画像(r);
        if (a.size() != b.size()) return -1;
        int n = 0;
        for (int y = 0; y < a.height(); ++y) {
            const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const QRgb* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) n += p[x] != q[x];
        }
        return n;
    }
};

}  // namespace

TEST_F(長い対局, 三百手指しても命令は一画面分ほどで絵は全命令と同じ) {
    台本の対局 対局(*w);
    対局.始める();
    std::size_t 最大 = 0;
    for (int i = 1; i <= 手数; ++i) {
        ASSERT_TRUE(対局.一手()) << "ply " << i;
        最大 = std::max(最大, w->描画命令数());
        ASSERT_EQ(違う画素(1.0), 0) << "ply " << i;
        ASSERT_EQ(違う画素(2.0), 0) << "ply " << i;
        if (i % 10 == 0) {
            ASSERT_EQ(違う画素(1.5), 0) << "ply " << i;
        }
    }
    EXPECT_EQ(w->状態参照().棋譜手数, 手数);
    EXPECT_LT(最大, 上限);
    EXPECT_GT(w->描画命令数(), 500u);  // a full picture is still there
}

TEST_F(長い対局, 盤を描き直しても命令は増えず絵も変わらない) {
    台本の対局 対局(*w);
    対局.始める();
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(対局.一手());
    画面_再描画(w->状態参照(), *w);
    const QImage 前 = w->画像(1.0);
    std::size_t 最大 = 0;
    for (int i = 0; i < 50; ++i) {
        画面_再描画(w->状態参照(), *w);
        最大 = std::max(最大, w->描画命令数());
    }
    EXPECT_LT(最大, 上限);
    EXPECT_EQ(w->画像(1.0), 前);
    EXPECT_EQ(違う画素(2.0), 0);
}

TEST_F(長い対局, 枠だけを何度描いても同じ矩形は一つ分) {
    // Outlines of every colour over and over on the same cells and on
    // rectangles off the table: only the last one of each rectangle counts.
    const std::size_t 始め = w->描画命令数();
    for (int i = 0; i < 5000; ++i) {
        const int c = i % 7, 色 = i % 16;
        w->枠(盤原点X + 桝幅 * c, 盤原点Y, 盤原点X + 桝幅 * (c + 1), 盤原点Y + 桝高, 色);
        w->枠(-20000, 5, -19000 + c, 10, 色);  // off the table, hidden by no cell
    }
    EXPECT_LT(w->描画命令数(), 始め + 1200);
    EXPECT_EQ(違う画素(1.0), 0);
    EXPECT_EQ(違う画素(2.0), 0);
}

TEST_F(長い対局, 文字は後の絵に覆われたときだけ消える) {
    // Text left standing is kept however much else is drawn; text under a
    // later picture of its cells goes.
    w->文字(盤原点X + 桝幅 * 12 + 100, 盤原点Y + 桝高 * 5 + 100, "残る", 12, true, 色_白);
    for (int i = 0; i < 3000; ++i) {
        w->文字(盤原点X + 桝幅 * 14 + 100, 盤原点Y + 桝高 * 5 + 100, std::to_string(i % 10), 12, true, 色_白);
        w->絵(背景_緑, 盤原点X + 桝幅 * 14, 盤原点Y + 桝高 * 5);
    }
    EXPECT_LT(w->描画命令数(), 上限);
    EXPECT_EQ(違う画素(1.0), 0);
    EXPECT_EQ(違う画素(1.5), 0);
    EXPECT_EQ(違う画素(2.0), 0);
    // Only the text that stays uncovered makes a difference.
    const QImage 前 = w->画像(1.0);
    w->絵(背景_緑, 盤原点X + 桝幅 * 12, 盤原点Y + 桝高 * 5);
    EXPECT_NE(w->画像(1.0), 前);
}

// Not a check by itself: with VZ_DRAW_IMAGES naming a folder, writes the
// window's picture at scales 1 and 2 (or those listed in VZ_DRAW_SCALES,
// separated by commas) after every ply of the scripted game (or the first
// VZ_DRAW_PLIES plies), to compare with the pictures of another build of
// the window.
TEST_F(長い対局, 各手の絵を書き出す) {
    const QString 先 = qEnvironmentVariable("VZ_DRAW_IMAGES");
    if (先.isEmpty()) GTEST_SKIP() << "VZ_DRAW_IMAGES not set";
    QDir().mkpath(先);
    std::vector<double> 倍率一覧 = {1.0, 2.0};
    if (qEnvironmentVariableIsSet("VZ_DRAW_SCALES")) {
        倍率一覧.clear();
        for (const QString& t : qEnvironmentVariable("VZ_DRAW_SCALES").split(',')) 倍率一覧.push_back(t.toDouble());
    }
    const int 最後 = qEnvironmentVariableIsSet("VZ_DRAW_PLIES") ? qEnvironmentVariableIntValue("VZ_DRAW_PLIES") : 手数;
    台本の対局 対局(*w);
    対局.始める();
    for (int i = 1; i <= 最後; ++i) {
        ASSERT_TRUE(対局.一手()) << "ply " << i;
        for (double r : 倍率一覧)
            ASSERT_TRUE(w->画像(r).save(QString("%1/%2-%3.png").arg(先).arg(i, 3, 10, QChar('0')).arg(r)));
    }
}
