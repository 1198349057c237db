// SPDX-License-Identifier: GPL-3.0-or-later
// Esc in the real window, offscreen, with keys delivered the way the window
// system delivers them (to the window, then to whichever widget has the
// keyboard): it ends the game at any time, also after menus, board presses
// and message boxes; while a record-panel control has the focus it closes
// the panel instead.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

#include "tests/qt/window_fixture.h"

namespace {

struct Esc窓 : 窓の試験 {
    void SetUp() override {
        窓の試験::SetUp();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void Esc() {
        QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
    }
    // Opens a top-level menu of the bar with a mouse click.
    QMenu* 開く(const char* 名前) {
        QMenuBar* bar = w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->メニュー(名前)).center());
        QApplication::processEvents();
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    void 押す(int c, int r) {
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    }
    template <class T>
    T* 見えるパネル部品() {
        for (T* c : w->キャンバス()->findChildren<T*>())
            if (c->isVisible()) return c;
        return nullptr;
    }
};

}  // namespace

TEST_F(Esc窓, 何もしなくてもEscで終わる) {
    EXPECT_FALSE(w->終わった());
    Esc();
    EXPECT_TRUE(w->終わった());
}

TEST_F(Esc窓, メニューをEscで閉じたあとのEscで終わる) {
    for (const char* 名前 : {"TAIKYOKU", "STOP", "KIFU", "OPTION"}) {
        SCOPED_TRACE(名前);
        SetUp();  // a fresh window for each menu
        QMenu* m = 開く(名前);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->objectName(), 名前);
        Esc();  // closes the menu only
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_FALSE(w->終わった());
        Esc();
        EXPECT_TRUE(w->終わった());
    }
}

TEST_F(Esc窓, マウスでメニューを使い盤を押したあともEscで終わる) {
    // Two items chosen with the mouse: 局面 → 最初 and ｵﾌﾟｼｮﾝ → 移動指導.
    for (auto [上, 項目] : {std::pair{"STOP", "CANCEL"}, std::pair{"OPTION", "SIDOU"}}) {
        QMenu* m = 開く(上);
        ASSERT_NE(m, nullptr);
        QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(w->メニュー(項目)).center());
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_TRUE(w->メニュー("SIDOU")->isChecked());
    // A game, a menu opened and closed again with Esc, two board presses.
    w->メニュー("START")->trigger();
    ASSERT_NE(開く("OPTION"), nullptr);
    Esc();
    押す(7, 7);
    押す(7, 6);
    EXPECT_EQ(s().手数, 1);
    EXPECT_FALSE(w->終わった());
    Esc();
    EXPECT_TRUE(w->終わった());
}

TEST_F(Esc窓, 告知の箱はEscで閉じるだけで次のEscで終わる) {
    w->自動応答 = nullptr;  // real message boxes
    bool 箱を閉じた = false;
    QTimer 見張り;
    QObject::connect(&見張り, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
            箱を閉じた = true;
        }
    });
    見張り.start(0);
    w->メニュー("START")->trigger();  // "先手の番です" in a box, closed with Esc
    見張り.stop();
    ASSERT_TRUE(箱を閉じた);
    QApplication::processEvents();
    EXPECT_FALSE(w->終わった());
    押す(7, 7);
    押す(7, 6);
    Esc();
    EXPECT_TRUE(w->終わった());
}

// Esc in a control of the record panel closes the panel only, as a press
// on the board would; the next Esc, from the board, ends the game.
TEST_F(Esc窓, 棋譜欄の入力中のEscは欄を閉じるだけで_次のEscで終わる) {
    for (bool 木で : {false, true}) {
        SCOPED_TRACE(木で ? "folder tree" : "text box");
        SetUp();
        ASSERT_NE(開く("KIFU"), nullptr);
        Esc();  // the menu bar now keeps the focus
        w->メニュー("KIFU_WRITE")->trigger();
        QLineEdit* 欄 = 見えるパネル部品<QLineEdit>();
        ASSERT_NE(欄, nullptr);
        QTest::mouseClick(欄, Qt::LeftButton);
        ASSERT_TRUE(欄->hasFocus());
        QTest::keyClicks(欄, "abc");
        EXPECT_EQ(欄->text(), "abc");
        if (木で) {
            QTreeView* 一覧 = 見えるパネル部品<QTreeView>();
            ASSERT_NE(一覧, nullptr);
            一覧->setFocus();
            QApplication::processEvents();
        }
        Esc();
        EXPECT_FALSE(w->終わった());
        EXPECT_FALSE(欄->isVisible());
        EXPECT_EQ(欄->text(), "");
        Esc();
        EXPECT_TRUE(w->終わった());
    }
}

TEST_F(Esc窓, 棋譜欄が開いていても入力中でなければEscで終わる) {
    ASSERT_NE(開く("KIFU"), nullptr);
    Esc();  // the menu bar keeps the focus
    w->メニュー("KIFU_READ")->trigger();
    ASSERT_NE(見えるパネル部品<QTreeView>(), nullptr);
    ASSERT_FALSE(w->キャンバス()->isAncestorOf(QApplication::focusWidget()));
    Esc();
    EXPECT_TRUE(w->終わった());
}
