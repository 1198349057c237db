// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard in the real window, offscreen, with keys
// delivered the way the window system delivers them: the arrow keys walk
// the cursor, Enter and Space press where it stands (Shift: the right
// button), Ctrl+Z is 戻 and Ctrl+Y or Ctrl+Shift+Z is 進, and the menus are
// reached with Alt as ever.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <array>
#include <string>
#include <vector>

#include "core/rules.h"
#include "tests/qt/window_fixture.h"

namespace {

// One step of a scripted game: a single press (押す) or a move of two
// presses (指す), the last press with the right button when 右.
struct 一手 {
    bool 二回;
    int c1, r1, c2, r2;
    bool 右 = false;
};
一手 指す(int c1, int r1, int c2, int r2) { return {true, c1, r1, c2, r2}; }
一手 成る(int c1, int r1, int c2, int r2) { return {true, c1, r1, c2, r2, true}; }
一手 押す(int c, int r, bool 右 = false) { return {false, 0, 0, c, r, 右}; }

// Two people from the start to a captured king: looking at the other
// side's pieces and hand, changing one's mind, a refused destination,
// promotions, drops from both hands, a right press on a drop.
const std::vector<一手> 二人の対局 = {
    指す(8, 8, 9, 8),  押す(2, 8),         指す(4, 1, 4, 2),  指す(9, 7, 9, 6),  押す(7, 1),
    押す(6, 1),        押す(6, 2),         指す(5, 7, 5, 6),  指す(2, 3, 2, 4),  指す(3, 7, 3, 6),
    指す(7, 1, 7, 5),  指す(7, 1, 7, 2),   指す(6, 9, 6, 8),  指す(6, 2, 6, 1),  成る(2, 8, 7, 3),
    指す(5, 1, 4, 1),  指す(7, 3, 8, 3),   成る(8, 2, 1, 9),  指す(8, 3, 7, 2),  指す(1, 9, 2, 9),
    指す(7, 2, 8, 1),  指す(2, 9, 2, 8),   指す(9, 6, 8, 6),  指す(2, 8, 3, 9),  指す(4, 9, 3, 9),
    指す(-1, 4, 2, 3), 成る(9, 8, 9, 3),   指す(9, 1, 9, 3),  押す(-1, 6),       押す(5, 5),
    指す(11, 8, 7, 5), 成る(9, 3, 9, 9),   成る(7, 5, 9, 3),  指す(9, 9, 8, 9),  指す(11, 5, 7, 4),
    指す(8, 9, 8, 8),  指す(11, 6, 2, 5),  指す(8, 8, 7, 9),  指す(8, 1, 6, 3),  押す(-1, 6),
    押す(8, 2, true),  指す(6, 3, 4, 1),
};

struct キー窓 : 前の窓の試験 {
    // A menu item reached from the keyboard alone: Alt, across the bar to
    // the top item, down into it, and through the submenus by control name.
    void キーで選ぶ(std::vector<const char*> 道) {
        キー(Qt::Key_Alt);
        QMenuBar* bar = w->menuBar();
        for (int i = 0; bar->activeAction() != w->メニュー(道[0]); ++i) {
            ASSERT_LT(i, 20) << 道[0];
            キー(Qt::Key_Right);
        }
        キー(Qt::Key_Down);
        for (std::size_t n = 1; n < 道.size(); ++n) {
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(m, nullptr) << 道[n];
            for (int i = 0; m->activeAction() != w->メニュー(道[n]); ++i) {
                ASSERT_LT(i, 20) << 道[n];
                キー(Qt::Key_Down);
            }
            キー(n + 1 < 道.size() ? Qt::Key_Right : Qt::Key_Return);
        }
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    // Walks the cursor to cell (c, r): across first, then up or down.
    void 行く(int c, int r) {
        for (int i = 0; w->カーソル().列 != c; ++i) {
            ASSERT_LT(i, 20) << c << "," << r;
            キー(w->カーソル().列 < c ? Qt::Key_Right : Qt::Key_Left);
        }
        for (int i = 0; w->カーソル().行 != r; ++i) {
            ASSERT_LT(i, 20) << c << "," << r;
            キー(w->カーソル().行 < r ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    void 決定(int c, int r, bool 右 = false) {
        行く(c, r);
        キー(Qt::Key_Return, 右 ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void キーで指す(const 一手& m) {
        if (m.二回) 決定(m.c1, m.r1);
        決定(m.c2, m.r2, m.右);
    }
    void マウスで指す(窓& v, const 一手& m) {
        auto 押す = [&](int c, int r, bool 右) {
            QTest::mouseClick(v.キャンバス(), 右 ? Qt::RightButton : Qt::LeftButton, {},
                              v.ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
        };
        if (m.二回) 押す(m.c1, m.r1, false);
        押す(m.c2, m.r2, m.右);
    }
    // Pixels of the canvas on screen against the game's own picture.
    QImage 画面() { return w->キャンバス()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage 絵() { return w->画像().convertToFormat(QImage::Format_RGB32); }
};

// The whole picture as the board state the game keeps.
struct 局面 {
    std::array<std::array<int, 10>, 10> 盤{};
    std::array<int, 8> 持駒_MAN{}, 持駒_COM{};
    int 手数 = 0, 勝者 = 0, 手番 = 0;
    bool operator==(const 局面&) const = default;
};
局面 局面を取る(const 状態& s) {
    局面 k;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) k.盤[x][y] = s.盤[x][y];
    for (int i = 0; i < 8; ++i) {
        k.持駒_MAN[i] = s.持駒_MAN[i];
        k.持駒_COM[i] = s.持駒_COM[i];
    }
    k.手数 = s.手数;
    k.勝者 = s.勝者;
    k.手番 = s.手番;
    return k;
}

}  // namespace

// The same game by mouse in another window and by keys in this one: the
// same messages at the same moves and the same end.
TEST_F(キー窓, 二人の対局を王を取るまでキーだけで指せて_マウスと同じ結果) {
    キーで選ぶ({"TAIKYOKU", "MATCH_MAN", "START"});
    ASSERT_EQ(告知, std::vector<std::string>{"先手の番です"});

    窓 マウスの窓(false);
    マウスの窓.一息に = true;
    std::vector<std::string> マウスの告知;
    マウスの窓.自動応答 = [&](const std::string& 本文, const std::string&, ボタン) {
        マウスの告知.push_back(本文);
        return 応答::OK;
    };
    マウスの窓.開始();
    マウスの窓.show();
    マウスの窓.メニュー("START")->trigger();
    w->activateWindow();  // the keys go to this one
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    for (std::size_t i = 0; i < 二人の対局.size(); ++i) {
        SCOPED_TRACE(i);
        キーで指す(二人の対局[i]);
        マウスで指す(マウスの窓, 二人の対局[i]);
        ASSERT_TRUE(局面を取る(s()) == 局面を取る(マウスの窓.状態参照()));
        ASSERT_EQ(告知, マウスの告知);
    }
    EXPECT_EQ(s().勝者, 先手);
    EXPECT_EQ(告知.back(), "先手の勝ちです");
    EXPECT_FALSE(w->終わった());
}

// Against the computer, started from the menu by keys: each move of the
// person (the first the rules allow, board moves before drops) is answered
// within the same key press, until one king is taken.
TEST_F(キー窓, 計算機との対局をキーだけで終局まで指せる) {
    キーで選ぶ({"TAIKYOKU", "LEVEL", "LEVEL1"});
    キーで選ぶ({"TAIKYOKU", "START2", "SENTE"});
    ASSERT_EQ(告知.back(), "MANの番です");
    int 手 = 0;
    while (s().勝者 == 手番_なし) {
        ASSERT_LT(手, 200);
        bool 指した = false;
        for (int x = 1; x <= 9 && !指した; ++x)
            for (int y = 1; y <= 9 && !指した; ++y) {
                const int 駒 = s().盤[x][y];
                if (駒 > -100) continue;
                for (int c = 1; c <= 9 && !指した; ++c)
                    for (int r = 1; r <= 9 && !指した; ++r)
                        if (移動チェック(s(), x, y, c, r, 駒) == 真) {
                            const int 前 = s().手数;
                            キーで指す(指す(x, y, c, r));
                            ASSERT_TRUE(s().手数 == 前 + 2 || s().勝者 != 手番_なし) << x << y << c << r;
                            指した = true;
                        }
            }
        for (int 種 = 1; 種 <= 7 && !指した; ++種)
            for (int c = 1; c <= 9 && !指した && s().持駒_MAN[種] > 0; ++c)
                for (int r = 1; r <= 9 && !指した; ++r)
                    if (移動チェック(s(), 11, 種 + 2, c, r, -(種 * 100 + 2)) == 真) {
                        キーで指す(指す(11, 種 + 2, c, r));
                        指した = true;
                    }
        ASSERT_TRUE(指した);
        ++手;
    }
    EXPECT_TRUE(告知.back() == "あなたの勝ちです" || 告知.back() == "ｺﾝﾋﾟｭｰﾀの勝ちです") << 告知.back();
}

TEST_F(キー窓, カーソルは開いた駒台までで止まり_閉じた駒台からは盤へ戻る) {
    EXPECT_FALSE(w->カーソル表示中());
    w->メニュー("START")->trigger();
    for (int i = 0; i < 12; ++i) キー(Qt::Key_Left);
    EXPECT_EQ(w->カーソル().列, -1);
    EXPECT_EQ(w->カーソル().行, 7);  // from row 7 of the board to the nearest top slot
    for (int i = 0; i < 12; ++i) キー(Qt::Key_Up);
    EXPECT_EQ(w->カーソル().行, 1);
    EXPECT_TRUE(w->カーソル表示中());
    // A game against the computer closes its hand: the cursor comes back.
    w->メニュー("SENTE")->trigger();
    EXPECT_EQ(w->カーソル().列, 1);
    EXPECT_EQ(w->カーソル().行, 1);
    キー(Qt::Key_Left);
    EXPECT_EQ(w->カーソル().列, 1);
    for (int i = 0; i < 12; ++i) キー(Qt::Key_Right);
    EXPECT_EQ(w->カーソル().列, 11);
    EXPECT_EQ(w->カーソル().行, 3);
    for (int i = 0; i < 12; ++i) キー(Qt::Key_Down);
    EXPECT_EQ(w->カーソル().行, 9);
    // Keys with Ctrl or Alt do not walk it.
    キー(Qt::Key_Up, Qt::ControlModifier);
    キー(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(w->カーソル().列, 11);
    EXPECT_EQ(w->カーソル().行, 9);
}

TEST_F(キー窓, Shiftと決定で成り_決定だけでは成らない) {
    w->メニュー("START")->trigger();
    for (auto& col : s().盤)
        for (auto& v : col) v = 空;
    s().盤[5][9] = -802;
    s().盤[5][1] = 800;
    s().盤[4][4] = -102;
    s().盤[6][4] = 100;
    s().手番 = 先手;
    決定(4, 4);
    決定(4, 3);  // may promote, a plain Enter does not
    EXPECT_EQ(s().盤[4][3], -101);
    決定(6, 4);
    決定(6, 5, true);  // Shift+Enter on a square where nothing may promote
    EXPECT_EQ(s().盤[6][5], 103);
    // The pawn now faces left; Shift+Space is the right button too.
    決定(4, 3);
    行く(3, 3);
    キー(Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(s().盤[3][3] / 10, -11);  // a promoted pawn
    EXPECT_EQ(s().手数, 3);
}

TEST_F(キー窓, CtrlZで戻りCtrlYとCtrlShiftZで進む) {
    w->メニュー("START")->trigger();
    キーで指す(指す(7, 7, 7, 6));
    キーで指す(指す(3, 3, 3, 4));
    ASSERT_EQ(s().手数, 2);
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().手数, 1);
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().手数, 0);
    EXPECT_EQ(s().盤[7][7], -102);
    キー(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(s().手数, 1);
    EXPECT_EQ(s().盤[7][6], -101);
    // 進 goes on to the position after the last move, and no further.
    告知.clear();
    キー(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s().手数, 2);
    EXPECT_EQ(s().盤[3][4], 103);  // turned on arrival
    キー(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(s().手数, 2);
    EXPECT_EQ(告知, std::vector<std::string>{"できません"});
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().手数, 1);
    // Ctrl with other letters, and Ctrl+Shift+Y, are nothing.
    告知.clear();
    for (Qt::Key k : {Qt::Key_X, Qt::Key_A, Qt::Key_Y})
        for (Qt::KeyboardModifiers m : {Qt::ControlModifier | Qt::ShiftModifier, Qt::KeyboardModifiers(Qt::ControlModifier)})
            if (k != Qt::Key_Y || m != Qt::ControlModifier) キー(k, m);
    EXPECT_EQ(s().手数, 1);
    EXPECT_TRUE(告知.empty());
    // Resuming works as after the menu items: the next press announces.
    決定(3, 3);
    EXPECT_EQ(告知.back(), "後手の番です");
}

TEST_F(キー窓, 棋譜欄に入力中のキーは欄のもの) {
    w->メニュー("START")->trigger();
    キーで指す(指す(7, 7, 7, 6));
    const キーカーソル 前 = w->カーソル();
    w->メニュー("KIFU_WRITE")->trigger();
    QLineEdit* 欄 = nullptr;
    for (QLineEdit* c : w->キャンバス()->findChildren<QLineEdit*>())
        if (c->isVisible()) 欄 = c;
    ASSERT_NE(欄, nullptr);
    QTest::mouseClick(欄, Qt::LeftButton);
    ASSERT_TRUE(欄->hasFocus());
    QTest::keyClicks(欄, "ab");
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Return, Qt::Key_Space}) キー(k);
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w->カーソル().列, 前.列);
    EXPECT_EQ(w->カーソル().行, 前.行);
    EXPECT_EQ(s().手数, 1);
    EXPECT_EQ(s().操作.選択状態, 0);
    EXPECT_TRUE(欄->isVisible());
}

// The cursor is painted over the game's picture on screen, never into it,
// and only inside its cell, clear of the outlines on the cell's edge.
TEST_F(キー窓, カーソルは画面の上に描かれ_盤の絵は変わらない) {
    w->メニュー("START")->trigger();
    QApplication::processEvents();
    const QImage 始め = 絵();
    ASSERT_EQ(画面(), 始め);  // hidden at first: the screen is the picture

    // Yellow pixels of the screen where the picture has none; every pixel
    // that differs lies inside cell (c, r), two pixels clear of its edge.
    auto 黄色の数 = [&](int c, int r) {
        const QImage 画 = 画面(), 元 = 絵();
        EXPECT_EQ(画.size(), 元.size());
        const QRect 桝(w->ツイップから位置(盤原点X + 桝幅 * c, 盤原点Y + 桝高 * r),
                      w->ツイップから位置(盤原点X + 桝幅 * (c + 1), 盤原点Y + 桝高 * (r + 1)) - QPoint(1, 1));
        int 黄 = 0, 黒 = 0;
        for (int y = 0; y < 画.height(); ++y)
            for (int x = 0; x < 画.width(); ++x) {
                if (画.pixel(x, y) == 元.pixel(x, y)) continue;
                EXPECT_TRUE(桝.adjusted(2, 2, -2, -2).contains(x, y)) << x << "," << y;
                黄 += 画.pixel(x, y) == QColor(0xFF, 0xFF, 0).rgb();
                黒 += 画.pixel(x, y) == QColor(0, 0, 0).rgb();
            }
        EXPECT_GT(黒, 20);  // the gaps between the dashes, for contrast on any square
        return 黄;
    };
    キー(Qt::Key_Up);  // (5, 6), an empty square
    ASSERT_TRUE(w->カーソル表示中());
    EXPECT_EQ(絵(), 始め);
    EXPECT_GT(黄色の数(5, 6), 40);

    // Selected under the cursor: the red outline on the cell's edge stays in
    // sight (only the inside differs from the picture, which has it).
    キー(Qt::Key_Down);
    キー(Qt::Key_Return);
    ASSERT_EQ(s().操作.選択状態, 1);
    EXPECT_GT(黄色の数(5, 7), 40);

    // A mouse press hides it again, at the pressed cell.
    QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                      w->ツイップから位置(盤原点X + 桝幅 * 2 + 307, 盤原点Y + 桝高 * 7 + 307));
    QApplication::processEvents();
    EXPECT_FALSE(w->カーソル表示中());
    EXPECT_EQ(w->カーソル().列, 2);
    EXPECT_EQ(w->カーソル().行, 7);
    EXPECT_EQ(画面(), 絵());
}
