// SPDX-License-Identifier: GPL-3.0-or-later
// Backgrounds in the real window, offscreen: a full redraw on any of the
// five backgrounds wipes everything the game printed before, and the space
// around the canvas of a window wider or taller than the board shows the
// background too.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <fstream>

#include "store/sjis.h"
#include "tests/qt/window_fixture.h"
#include "front/qt/pictures.h"
#include "view/render.h"
#include "view/screen.h"

namespace {

struct 背景 {
    int 種類;
    const char* メニュー;
    const char* 設定行;
};
const 背景 背景一覧[] = {
    {背景_緑, "MIDORI", "背景画=緑"},   {背景_畳, "TATAMI", "背景画=畳"},    {背景_竹, "TAKE", "背景画=竹"},
    {背景_宇宙, "UCHU", "背景画=宇宙"}, {背景_煉瓦, "RENGA", "背景画=煉瓦"},
};

// A window started afresh in a folder of its own whose settings file names
// the background.
struct 新しい窓 {
    一時フォルダ 場所;
    std::unique_ptr<窓> w;
    explicit 新しい窓(const 背景& b) {
        {
            std::ofstream f("Vezuvire.ini", std::ios::binary);
            for (const std::string& 行 : {std::string(b.設定行), std::string("移動指導=OFF"),
                                          std::string("経過時間=ON"), std::string("BGM=OFF")})
                f << *UTF8からSJIS(行) << "\r\n";
        }
        w = std::make_unique<窓>(false);
        w->一息に = true;
        w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
        w->開始();
    }
};

// Canvas-pixel rectangle of the cells (c0..c1, r0..r1) at scale 倍率.
QRect セル範囲(int c0, int r0, int c1, int r1, double 倍率) {
    auto px = [&](int twip) { return static_cast<int>(std::floor(twip / 15.0 * 倍率)); };
    const int x0 = std::max(0, px(盤原点X + 桝幅 * c0)), y0 = std::max(0, px(盤原点Y + 桝高 * r0));
    const int x1 = px(盤原点X + 桝幅 * (c1 + 1)), y1 = px(盤原点Y + 桝高 * (r1 + 1));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

int 違う画素(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

void 写真(const QImage& img, const QString& 名) {
    if (qEnvironmentVariableIsSet("VZ_SCREENSHOT_DIR"))
        img.save(qEnvironmentVariable("VZ_SCREENSHOT_DIR") + "/" + 名 + ".png");
}

struct 背景窓 : 窓の試験 {
    void 押す(int c, int r) {
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    }
    // One move each in a game between two people, then the game handed to
    // the computer: both notation slots, the move counter and the level
    // indicator are on the screen.
    void 一手ずつ指す() {
        w->メニュー("START")->trigger();
        押す(7, 7);
        押す(7, 6);
        押す(3, 3);
        押す(3, 4);
        ASSERT_EQ(s().手数, 2);
        w->メニュー("SENTE")->trigger();  // the human is to move: no search
        ASSERT_EQ(s().操作.対局種別, 対局_COM);
    }
};

// The notation slots of both sides and the move counter.
const struct {
    const char* 名;
    int c0, r0, c1, r1;
} 文字の場所[] = {
    {"MANの指し手", 12, 2, 14, 2},
    {"COMの指し手", -2, 8, 0, 8},
    {"手数", 13, 3, 14, 3},
};

}  // namespace

TEST_F(背景窓, 背景を選ぶと前の文字は跡形なく消える) {
    一手ずつ指す();
    for (const 背景& b : 背景一覧) {
        SCOPED_TRACE(b.メニュー);
        w->メニュー(b.メニュー)->trigger();
        ASSERT_EQ(s().表示.背景種類, b.種類);
        新しい窓 新(b);
        for (double 倍率 : {1.0, 1.25}) {
            const QImage 今 = w->画像(倍率), 元 = 新.w->画像(倍率);
            写真(今, QString("after_%1_%2").arg(b.メニュー).arg(倍率));
            写真(元, QString("fresh_%1_%2").arg(b.メニュー).arg(倍率));
            for (const auto& a : 文字の場所) {
                const QRect r = セル範囲(a.c0, a.r0, a.c1, a.r1, 倍率);
                EXPECT_EQ(違う画素(今, 元, r), 0) << a.名 << " at scale " << 倍率 << " of " << r.width() * r.height();
            }
        }
    }
}

TEST_F(背景窓, 局面を最初に戻すと新しい窓と同じ絵になる) {
    for (const 背景& b : 背景一覧) {
        SCOPED_TRACE(b.メニュー);
        w->メニュー(b.メニュー)->trigger();
        一手ずつ指す();
        // 局面 → 最初, the question about the game in progress answered はい.
        w->自動応答 = [](const std::string&, const std::string&, ボタン b) {
            return b == ボタン::はいいいえ ? 応答::はい : 応答::OK;
        };
        w->メニュー("CANCEL")->trigger();
        ASSERT_EQ(s().手数, 0);
        新しい窓 新(b);
        for (double 倍率 : {1.0, 2.0}) {
            const QImage 今 = w->画像(倍率), 元 = 新.w->画像(倍率);
            const QRect 全体 = 今.rect();
            EXPECT_EQ(違う画素(今, 元, 全体), 0) << "at scale " << 倍率;
        }
    }
}

TEST_F(背景窓, 描き直しは下に何があっても同じ絵になる) {
    // Whatever lay on the canvas before, a full redraw hides all of it, at
    // every scale the window renders at: the same redraw over magenta and
    // over lime gives the same picture to the last pixel.
    for (const 背景& b : 背景一覧) {
        SCOPED_TRACE(b.メニュー);
        w->メニュー(b.メニュー)->trigger();
        const auto 塗って描き直す = [&](int 色) {
            w->塗り(0, 0, 窓::幅, 窓::高さ, 色);
            画面_再描画(s(), *w);
        };
        塗って描き直す(13);
        std::vector<QImage> 紫;
        const double 倍率一覧[] = {1.0, 1.25, 1.5, 2.0};
        for (double 倍率 : 倍率一覧) 紫.push_back(w->画像(倍率));
        塗って描き直す(10);
        for (std::size_t i = 0; i < std::size(倍率一覧); ++i) {
            const QImage 緑 = w->画像(倍率一覧[i]);
            写真(緑, QString("redraw_%1_%2").arg(b.メニュー).arg(倍率一覧[i]));
            EXPECT_EQ(違う画素(紫[i], 緑, 緑.rect()), 0) << "at scale " << 倍率一覧[i];
        }
    }
}
