// SPDX-License-Identifier: GPL-3.0-or-later
// The marks over the board in the real window: turned on from ｵﾌﾟｼｮﾝ → 表示
// and kept in the preferences store, painted over the game's picture at
// scale 1 and 2, gone with their option.
#include <QAction>
#include <QDir>
#include <cmath>
#include <fstream>
#include <sstream>

#include "front/qt/pictures.h"
#include "view/marks.h"
#include "store/preferences.h"
#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 印の窓 : 窓の試験 {
    // The colour at canvas pixel (u, v) of cell (c, r), at scale k.
    QColor 画素(const QImage& img, int c, int r, int u, int v, int k) const {
        const auto 角 = [k](int t) { return static_cast<int>(std::lround(k * t / 15.0)); };
        return img.pixelColor(角(盤原点X + 桝幅 * c) + k * u, 角(盤原点Y + 桝高 * r) + k * v);
    }
    // The three-pixel band one pixel in from the cell's edge is all in 色.
    bool 太枠(const QImage& img, int c, int r, int 色, int k) const {
        const QColor 期待 = パレット色(色);
        for (int d = 1; d <= 3; ++d)
            for (int u : {d, 20, 40 - d})
                if (画素(img, c, r, u, d, k) != 期待 || 画素(img, c, r, d, u, k) != 期待) return false;
        return 画素(img, c, r, 0, 20, k) != 期待 && 画素(img, c, r, 5, 20, k) != 期待;
    }
    std::string 好み() const {
        std::ifstream in(好み設定ファイル名);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

}  // namespace

TEST_F(印の窓, メニューで付けて好みに残る) {
    EXPECT_FALSE(s().表示.最終手表示);  // off until the preferences are read
    w->好み設定を読む();
    EXPECT_TRUE(s().表示.最終手表示);
    EXPECT_TRUE(s().表示.断り説明);
    EXPECT_FALSE(s().表示.回転印);
    EXPECT_TRUE(s().表示.手番印);
    for (const char* 名 : {"HYOUJI_SAISHU", "HYOUJI_KOTOWARI", "HYOUJI_KAITEN", "HYOUJI_TEBAN"}) {
        QAction* a = w->メニュー(名);
        ASSERT_NE(a, nullptr) << 名;
        EXPECT_TRUE(a->isCheckable());
        EXPECT_EQ(a->isChecked(), 名 != std::string("HYOUJI_KAITEN")) << 名;
        a->trigger();
        EXPECT_EQ(a->isChecked(), 名 == std::string("HYOUJI_KAITEN")) << 名;
    }
    EXPECT_EQ(好み(), "last_move=off\nrefusal_reach=off\nside_to_move=off\nturn_arrows=on\n");
    auto 次 = std::make_unique<窓>(false);
    次->一息に = true;
    次->好み設定を読む();
    EXPECT_FALSE(次->状態参照().表示.最終手表示);
    EXPECT_TRUE(次->状態参照().表示.回転印);
    EXPECT_TRUE(次->メニュー("HYOUJI_KAITEN")->isChecked());
}

TEST_F(印の窓, 最後の手は太い桃色の枠_倍率1と2) {
    台本の対局 対局(*w);
    対局.始める();
    s().表示.最終手表示 = true;
    対局.押す(3, 7);
    対局.押す(3, 6);
    ASSERT_EQ(s().棋譜手数, 1);
    for (int k : {1, 2}) {
        const QImage img = w->見える画像(k);
        EXPECT_TRUE(太枠(img, 3, 7, 色_最終手, k)) << k;
        EXPECT_TRUE(太枠(img, 3, 6, 色_最終手, k)) << k;
        EXPECT_FALSE(太枠(img, 4, 6, 色_最終手, k)) << k;
    }
    w->メニュー("MIDORI")->trigger();  // a new background leaves the marks
    EXPECT_TRUE(太枠(w->見える画像(1), 3, 6, 色_最終手, 1));
    // The canvas on the screen paints them too, and stops with the option.
    const QImage 付き = w->キャンバス()->grab().toImage();
    w->メニュー("HYOUJI_SAISHU")->trigger();
    EXPECT_FALSE(s().表示.最終手表示);
    EXPECT_EQ(w->見える画像(1), w->画像(1));
    EXPECT_NE(w->キャンバス()->grab().toImage(), 付き);
}

TEST_F(印の窓, 印の写真) {
    w->好み設定を読む();
    w->印を変える("HYOUJI_KAITEN", true);
    台本の対局 対局(*w);
    対局.始める();
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(対局.一手());
    const QImage 一 = w->見える画像(1), 二 = w->見える画像(2);
    EXPECT_NE(一, w->画像(1));
    const QByteArray 先 = qgetenv("VZ_SCREENSHOT_DIR");
    if (!先.isEmpty()) {
        EXPECT_TRUE(一.save(QDir(QString::fromLocal8Bit(先)).filePath("marks-scale1.png")));
        EXPECT_TRUE(二.save(QDir(QString::fromLocal8Bit(先)).filePath("marks-scale2.png")));
    }
    // The moment of a refusal, as the window holds it during the pause: the
    // bishop picked up, a square out of its reach pressed.
    w->言語を変える(言語::英語);
    s().操作.選択元X = 2;
    s().操作.選択元Y = 8;
    s().操作.選択駒 = s().盤[2][8];
    s().表示.断り中 = true;
    s().表示.断り列 = 5;
    s().表示.断り行 = 5;
    const QImage 断り = w->見える画像(2);
    s().表示.断り中 = false;
    EXPECT_NE(断り, w->見える画像(2));
    if (!先.isEmpty()) {
        EXPECT_TRUE(w->見える画像(1).save(QDir(QString::fromLocal8Bit(先)).filePath("marks-english-scale1.png")));
        EXPECT_TRUE(断り.save(QDir(QString::fromLocal8Bit(先)).filePath("marks-refusal-scale2.png")));
    }
    言語を使う(言語::日本語);
}
