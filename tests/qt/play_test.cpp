// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in the real window, offscreen: menu commands and mouse presses at
// twip positions mapped through the window's scale.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "tests/qt/window_fixture.h"

namespace {

struct 対局窓 : 窓の試験 {
    // A press in the middle of cell (c, r).
    void 押す(int c, int r, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(w->キャンバス(), b, m,
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    }
    void 選ぶ(const char* 名前) { w->メニュー(名前)->trigger(); }
};

}  // namespace

TEST_F(対局窓, 二人で指すと駒が回り手番が替わる) {
    選ぶ("START");
    ASSERT_FALSE(告知.empty());
    EXPECT_EQ(告知.back(), "先手の番です");
    押す(7, 7);
    押す(7, 6);
    EXPECT_EQ(s().盤[7][6], -101);  // (7,6) is a teal square: a quarter turn anticlockwise
    EXPECT_EQ(s().盤[7][7], 空);
    EXPECT_EQ(s().手番, 後手);
    EXPECT_EQ(s().手数, 1);
    押す(3, 3);
    押す(3, 4);
    EXPECT_EQ(s().盤[3][4], 103);
    EXPECT_EQ(s().手番, 先手);
    EXPECT_EQ(s().棋譜手数, 2);
}

TEST_F(対局窓, 盤の左は駒台の列_Ctrl押しは右ボタン) {
    選ぶ("START");
    // A press just left of the board origin lands in column −1 (the top
    // hand), not column 0, so it selects nothing on an empty hand.
    QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {}, w->ツイップから位置(1049 - 300, 盤原点Y + 桝高 * 7 + 300));
    EXPECT_EQ(s().操作.選択状態, 0);
    // Ctrl + left on a destination promotes like a right press.
    for (auto& col : s().盤)
        for (auto& v : col) v = 空;
    s().盤[5][9] = -802;
    s().盤[5][1] = 800;
    s().盤[4][4] = -102;
    押す(4, 4);
    押す(4, 3, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(s().盤[4][3], -111);  // promoted, then turned on the teal square
}

TEST_F(対局窓, 計算機と指すと同じ押下の中で答える) {
    選ぶ("SENTE");
    EXPECT_EQ(告知.back(), "MANの番です");
    押す(7, 7);
    押す(7, 6);
    EXPECT_EQ(s().手数, 2);  // the computer has answered
    EXPECT_EQ(s().手番, s().手番_MAN);
    int 上の駒 = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) 上の駒 += s().盤[x][y] >= 100;
    EXPECT_EQ(上の駒, 20);
    if (qEnvironmentVariableIsSet("VZ_SCREENSHOT")) w->grab().save(qEnvironmentVariable("VZ_SCREENSHOT"));
}

TEST_F(対局窓, 強さの印と表示) {
    選ぶ("LEVEL1");
    EXPECT_TRUE(w->メニュー("LEVEL1")->isChecked());
    EXPECT_FALSE(w->メニュー("LEVEL3")->isChecked());
    EXPECT_EQ(s().レベル, 1);
    // Every level of the menu, each alone checked once chosen.
    for (int l = 1; l <= 最強レベル; ++l) {
        w->メニュー(QString("LEVEL%1").arg(l))->trigger();
        EXPECT_EQ(s().レベル, l);
        for (int m = 1; m <= 最強レベル; ++m) EXPECT_EQ(w->メニュー(QString("LEVEL%1").arg(m))->isChecked(), m == l) << l << " " << m;
    }
}

TEST_F(対局窓, 棋譜の書込欄は窓の上に出て大きさに合わせる) {
    選ぶ("KIFU_WRITE");
    QWidget* ret = nullptr;
    for (auto* b : w->キャンバス()->findChildren<QWidget*>())
        if (b->isVisible() && b->metaObject()->className() == QString("QPushButton")) ret = b;
    ASSERT_NE(ret, nullptr);
    const int 幅1 = ret->width();
    w->resize(w->width() * 2, w->height() * 2);
    QApplication::processEvents();
    EXPECT_NEAR(ret->width(), 幅1 * 2, 3);
    押す(5, 5);  // a board press closes the panel
    EXPECT_FALSE(ret->isVisible());
}

TEST_F(対局窓, Escで終わる) {
    QTest::keyClick(w.get(), Qt::Key_Escape);
    EXPECT_EQ(s().表示.音_BGM, 0);             // sounds freed
    QTest::keyClick(w.get(), Qt::Key_A);  // nothing more happens
}
