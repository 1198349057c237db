// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <algorithm>

#include "tests/qt/window_fixture.h"
#include "view/help_diagrams.h"
#include "front/qt/help_window.h"
#include "front/qt/pictures.h"

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
    // Share of the pixels inside square (列, 行) of the picture 図, as drawn
    // in 画 (the help's text rendered at ratio r), that differ from the
    // game's picture 絵番号 made for that size.  The square's edge, where
    // the grid and the outlines go, is left out.
    double 違い(const QImage& 画, double r, QWidget* 図, int 列, int 行, int 絵番号) {
        const int k = 遊び方窓::桝;
        const QPoint 左上 = 図->mapTo(w->遊び方()->本文(), QPoint(列 * k, 行 * k));
        const QImage 駒 = 絵を作る(絵番号, r * k / 41.0).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int 違う = 0, 数 = 0;
        for (int y = 4 * r; y < 駒.height() - 4 * r; ++y)
            for (int x = 4 * r; x < 駒.width() - 4 * r; ++x) {
                ++数;
                if (差(画.pixelColor(左上.x() * r + x, 左上.y() * r + y), 駒.pixelColor(x, y)) > 24) ++違う;
            }
        return 数 ? double(違う) / 数 : 1.0;
    }
    // The pictures of one name, left to right as the text shows them.
    std::vector<QWidget*> 並べた図(const char* 名前) {
        QWidget* 本文 = w->遊び方()->本文();
        std::vector<QWidget*> r;
        for (QWidget* c : 本文->findChildren<QWidget*>(名前)) r.push_back(c);
        std::sort(r.begin(), r.end(), [本文](QWidget* a, QWidget* b) {
            const QPoint pa = a->mapTo(本文, QPoint()), pb = b->mapTo(本文, QPoint());
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        return r;
    }
    static QRect 本文での位置(QWidget* c, QWidget* 本文) { return QRect(c->mapTo(本文, QPoint()), c->size()); }
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
    EXPECT_FALSE(w->メニュー("ASOBIKATA")->isCheckable());

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
    // Below the scrolled text, where it stays in view.
    EXPECT_TRUE(h->閉じるボタン()->isVisible());
    EXPECT_GE(h->閉じるボタン()->geometry().top(), h->巻物()->geometry().bottom());
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

TEST_F(遊び方試験, 回転の図は着いた桝の色で回り_取ると回らない) {
    w->遊び方を開く();
    ASSERT_NE(開いた窓(), nullptr);
    QApplication::processEvents();
    const QImage 画 = w->遊び方()->画像(1.0);
    const auto 前 = 並べた図("回転前"), 後 = 並べた図("回転後");
    ASSERT_EQ(前.size(), 3u);
    ASSERT_EQ(後.size(), 3u);
    // Destination above, source below; before on the left of after.
    // Green: the pawn facing up lands facing right.  Teal: facing left.
    // A capture: it keeps facing up where the computer's gold stood.
    struct 期待 {
        int 前の先, 後の先, 後の元;
    } 例[] = {{絵_空桝1, MAN_歩3, 絵_空桝2}, {絵_空桝2, MAN_歩1, 絵_空桝1}, {COM_金0, MAN_歩2, 絵_空桝2}};
    QWidget* 本文 = w->遊び方()->本文();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LT(本文での位置(前[i], 本文).right(), 本文での位置(後[i], 本文).left());
        EXPECT_EQ(本文での位置(前[i], 本文).top(), 本文での位置(後[i], 本文).top());
        EXPECT_LT(違い(画, 1.0, 前[i], 0, 0, 例[i].前の先), 0.02);
        EXPECT_LT(違い(画, 1.0, 前[i], 0, 1, MAN_歩2), 0.02);
        EXPECT_LT(違い(画, 1.0, 後[i], 0, 0, 例[i].後の先), 0.02);
        EXPECT_LT(違い(画, 1.0, 後[i], 0, 1, 例[i].後の元), 0.02);
        EXPECT_EQ(前[i]->size(), QSize(遊び方窓::桝 + 1, 2 * 遊び方窓::桝 + 1));
        EXPECT_EQ(後[i]->size(), 前[i]->size());
        if (i > 0) {
            EXPECT_LT(本文での位置(後[i - 1], 本文).right(), 本文での位置(前[i], 本文).left());
        }
    }
    // The wrong turn would show: facing right is not facing left.
    EXPECT_GT(違い(画, 1.0, 後[0], 0, 0, MAN_歩1), 0.05);
}

TEST_F(遊び方試験, 駒の図は移動チェックの答えを印し_名前と向きの見出しが付く) {
    w->遊び方を開く();
    遊び方窓* h = 開いた窓();
    ASSERT_NE(h, nullptr);
    QApplication::processEvents();
    QWidget* 本文 = h->本文();
    // The text fills the scroll area's width exactly: nothing cut off.
    EXPECT_EQ(本文->width(), h->巻物()->viewport()->width());
    const QImage 画 = h->画像(1.0);
    const auto 図 = 並べた図("移動図");
    const auto 表 = 駒の表();
    ASSERT_EQ(図.size(), 表.size() * 4);
    const auto 名 = 並べた図("駒名");
    const auto 向き = 並べた図("向き名");
    ASSERT_EQ(名.size(), 表.size());
    ASSERT_EQ(向き.size(), 4u);
    const int k = 遊び方窓::桝;
    for (std::size_t i = 0; i < 図.size(); ++i) {
        const 移動図& m = 表[i / 4].向き別[i % 4];
        SCOPED_TRACE(testing::Message() << "piece " << m.駒);
        const QRect 枠 = 本文での位置(図[i], 本文);
        // The row's name on its left, the facing's heading above.
        const QRect 名前 = 本文での位置(名[i / 4], 本文);
        EXPECT_EQ(static_cast<QLabel*>(名[i / 4])->text().toStdString(), 表[i / 4].名前);
        EXPECT_LT(名前.right(), 枠.left());
        EXPECT_TRUE(名前.center().y() > 枠.top() && 名前.center().y() < 枠.bottom());
        const QRect 見出し = 本文での位置(向き[i % 4], 本文);
        EXPECT_TRUE(見出し.center().x() > 枠.left() && 見出し.center().x() < 枠.right());
        EXPECT_LT(見出し.bottom(), 本文での位置(図[i % 4], 本文).top());  // above the first row
        EXPECT_EQ(図[i]->size(), QSize((2 * 図半径 + 1) * k + 1, (2 * 図半径 + 1) * k + 1));
        // The piece in the middle, outlined red like a selected piece; a dot
        // and a white outline on exactly the squares it reaches.
        EXPECT_LT(違い(画, 1.0, 図[i], 図半径, 図半径, m.駒), 0.02);
        const QPoint 駒の縁 = 図[i]->mapTo(本文, QPoint(図半径 * k + 1, 図半径 * k + k / 2));
        EXPECT_LT(差(画.pixelColor(駒の縁), パレット色(色_赤)), 40);
        for (int c = 0; c <= 2 * 図半径; ++c)
            for (int r = 0; r <= 2 * 図半径; ++r) {
                const int x = m.X + c - 図半径, y = m.Y + r - 図半径;
                if (x == m.X && y == m.Y) continue;
                const QPoint 中 = 図[i]->mapTo(本文, QPoint(c * k + k / 2, r * k + k / 2));
                const bool 白 = 差(画.pixelColor(中), Qt::white) < 40;
                EXPECT_EQ(白, m.行ける[x][y]) << "square " << x << "," << y;
                const QPoint 縁 = 図[i]->mapTo(本文, QPoint(c * k + 1, r * k + k / 2));
                EXPECT_EQ(差(画.pixelColor(縁), Qt::white) < 40, m.行ける[x][y]) << "outline " << x << "," << y;
            }
    }
}

TEST_F(遊び方試験, その他のメニューをEscで閉じたあとのEscで終わる) {
    QMenuBar* bar = w->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->メニュー("SONOTA")).center());
    QApplication::processEvents();
    auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->objectName(), "SONOTA");
    キー(w.get(), Qt::Key_Escape);  // closes the menu only
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(w->終わった());
    EXPECT_EQ(w->遊び方(), nullptr);
    キー(w.get(), Qt::Key_Escape);
    EXPECT_TRUE(w->終わった());
}
