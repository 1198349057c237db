// The help window "遊び方" with the real game window, offscreen: the その他
// menu and F1 open it, it is a window of its own that does not stop the
// game, Esc or its button close it alone, and it is drawn for the pixel
// ratio like the board.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "tests/qt/window_fixture.h"
#include "ui/help_diagrams.h"
#include "ui/qt/help_window.h"
#include "ui/qt/pictures.h"

namespace {

struct 遊び方試験 : 窓の試験 {
    void SetUp() override {
        窓の試験::SetUp();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void キー(QWidget* 先, Qt::Key k) {
        QTest::keyClick(先->windowHandle(), k);
        QApplication::processEvents();
    }
    遊び方窓* 開いた窓() {
        遊び方窓* h = w->遊び方();
        if (h && h->isVisible()) return h;
        return nullptr;
    }
    static int 差(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    }
};

}  // namespace

TEST_F(遊び方試験, その他のメニューはバージョン情報と遊び方) {
    QAction* その他 = w->メニュー("SONOTA");
    ASSERT_NE(その他, nullptr);
    ASSERT_NE(その他->menu(), nullptr);
    QStringList 項目;
    for (QAction* a : その他->menu()->actions()) 項目 << a->objectName() + ":" + a->text();
    EXPECT_EQ(項目, (QStringList{"VER:バージョン情報", "ASOBIKATA:遊び方"}));
    EXPECT_EQ(w->メニュー("ASOBIKATA")->shortcut(), QKeySequence(Qt::Key_F1));

    // The about box is still the same item, opened from the menu.
    w->メニュー("VER")->trigger();
    ASSERT_EQ(告知.size(), 1u);
    EXPECT_NE(告知[0].find("Vezuvire  Version "), std::string::npos);
    EXPECT_EQ(w->遊び方(), nullptr);
}

TEST_F(遊び方試験, メニューから開くと題名は遊び方で_ゲームは止まらない) {
    // Opened with the mouse through その他 → 遊び方.
    QMenuBar* bar = w->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->メニュー("SONOTA")).center());
    QApplication::processEvents();
    auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr);
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(w->メニュー("ASOBIKATA")).center());
    QApplication::processEvents();
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->windowTitle(), "遊び方");
    EXPECT_TRUE(h->isWindow());
    EXPECT_FALSE(h->isModal());
    EXPECT_TRUE(告知.empty());  // no message box, no game command

    // The game goes on beside it: a game started and a move made.
    w->メニュー("START")->trigger();
    QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {}, w->ツイップから位置(盤原点X + 桝幅 * 6 + 307, 盤原点Y + 桝高 * 7 + 307));
    QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {}, w->ツイップから位置(盤原点X + 桝幅 * 6 + 307, 盤原点Y + 桝高 * 6 + 307));
    EXPECT_EQ(s().手数, 1);
    EXPECT_TRUE(h->isVisible());

    // A second open shows the same window again.
    w->メニュー("ASOBIKATA")->trigger();
    EXPECT_EQ(開いた窓(), h);
}

TEST_F(遊び方試験, F1で開きEscで遊び方だけが閉じ_次のEscでゲームが終わる) {
    キー(w.get(), Qt::Key_F1);
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(h));
    // Esc where the help has the keyboard: the scroll area or the button.
    for (QWidget* 先 : {static_cast<QWidget*>(h->巻物()), static_cast<QWidget*>(h->閉じるボタン())}) {
        if (!h->isVisible()) {
            キー(w.get(), Qt::Key_F1);
            ASSERT_TRUE(QTest::qWaitForWindowActive(h));
        }
        先->setFocus();
        QApplication::processEvents();
        キー(h, Qt::Key_Escape);
        EXPECT_FALSE(h->isVisible());
        EXPECT_FALSE(w->終わった());
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // F1 again after closing, then Esc in the game window ends the program.
    キー(w.get(), Qt::Key_F1);
    EXPECT_TRUE(h->isVisible());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    キー(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->終わった());
}

TEST_F(遊び方試験, 閉じるボタンで閉じる) {
    w->遊び方を開く();
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->閉じるボタン()->text(), "閉じる");
    QTest::mouseClick(h->閉じるボタン(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(h->isVisible());
    EXPECT_FALSE(w->終わった());
}

TEST_F(遊び方試験, 本文は規則をひととおり説明し_長いので巻物になる) {
    w->遊び方を開く();
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    const QString 全文 = 遊び方の文().join("\n");
    for (const char* 語 : {"緑の桝", "水色の桝", "向きは変わりません", "持駒", "右ボタン", "Ctrl を押しながらの左クリック",
                           "Shift＋Enter", "王を取ったほうが勝ち", "Ctrl＋Z", "Ctrl＋Y", "Ctrl＋Shift＋Z", "△", "▽",
                           "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", ".棋譜", "移動指導", "経過時間", "BGM", "背景画", "矢印キー", "Space",
                           "F1", "Esc", "前回の対局を続けますか？"})
        EXPECT_TRUE(全文.contains(QString::fromUtf8(語))) << 語;
    // Every text is on the window, as a label.
    QStringList 表示;
    for (QLabel* l : h->本文()->findChildren<QLabel*>()) 表示 << l->text();
    for (const QString& t : 遊び方の文()) EXPECT_TRUE(表示.contains(t)) << t.toStdString();
    // A movement picture for every piece type in its four facings.
    EXPECT_EQ(h->本文()->findChildren<QWidget*>("移動図").size(), 14 * 4);
    // Longer than the window: it scrolls.
    QApplication::processEvents();
    EXPECT_GT(h->巻物()->verticalScrollBar()->maximum(), 0);
}

TEST_F(遊び方試験, 画素比2では大きく_駒の絵はその解像度で描かれる) {
    w->遊び方を開く();
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    QApplication::processEvents();
    const QImage 一 = h->画像(1.0), 二 = h->画像(2.0);
    ASSERT_FALSE(一.isNull());
    EXPECT_EQ(二.width(), 一.width() * 2);
    EXPECT_EQ(二.height(), 一.height() * 2);

    // The first movement picture: the pawn facing down, drawn at the centre
    // square of its 5 × 5 part of the board.  At ratio 2 the piece's pixels
    // are those of the piece picture made for that ratio, not a blown-up
    // copy of the small one.
    QWidget* 図 = h->本文()->findChildren<QWidget*>("移動図").value(0);
    ASSERT_NE(図, nullptr);
    const QPoint 左上 = 図->mapTo(h->本文(), QPoint(図半径 * 遊び方窓::桝, 図半径 * 遊び方窓::桝));
    for (double r : {1.0, 2.0}) {
        SCOPED_TRACE(r);
        const QImage& 画 = r == 1.0 ? 一 : 二;
        const QImage 駒 = 絵を作る(MAN_歩0, r * 遊び方窓::桝 / 41.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_EQ(駒.width(), static_cast<int>(遊び方窓::桝 * r));
        int 違う = 0, 数 = 0;
        // Inside the square, clear of its grid line and outline.
        for (int y = 4 * r; y < 駒.height() - 4 * r; ++y)
            for (int x = 4 * r; x < 駒.width() - 4 * r; ++x) {
                ++数;
                if (差(画.pixelColor(左上.x() * r + x, 左上.y() * r + y), 駒.pixelColor(x, y)) > 24) ++違う;
            }
        EXPECT_LT(違う, 数 / 50);
    }
    // A reachable square (the one below the pawn) carries the white dot.
    const QPoint 下 = 図->mapTo(h->本文(), QPoint(図半径 * 遊び方窓::桝 + 遊び方窓::桝 / 2, (図半径 + 1) * 遊び方窓::桝 + 遊び方窓::桝 / 2));
    EXPECT_LT(差(二.pixelColor(下 * 2), Qt::white), 30);
    const QPoint 上 = 図->mapTo(h->本文(), QPoint(図半径 * 遊び方窓::桝 + 遊び方窓::桝 / 2, (図半径 - 1) * 遊び方窓::桝 + 遊び方窓::桝 / 2));
    EXPECT_GT(差(二.pixelColor(上 * 2), Qt::white), 100);
}
