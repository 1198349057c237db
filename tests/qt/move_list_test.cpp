// SPDX-License-Identifier: GPL-3.0-or-later
// The move list in the real window: opened with Ctrl+L, following the game
// as it is played, a click on a row stepping the board there, and its texts
// in English.
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QTableWidget>
#include <QTest>

#include "core/position.h"
#include "front/qt/language.h"
#include "front/qt/move_list_window.h"
#include "store/record_file.h"
#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 棋譜一覧の窓試験 : 窓の試験 {
    // The language belongs to the whole program: the next test starts in Japanese.
    void TearDown() override { w->言語を変える(言語::日本語); }
    // Clicks the middle of a row of the list, as the player does.
    void 行を押す(int 行) {
        QTableWidget* 表 = w->棋譜一覧()->表();
        const QRect r = 表->visualItemRect(表->item(行, 3));
        QTest::mouseClick(表->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    QString 文字(int 行, int 列) const { return w->棋譜一覧()->表()->item(行, 列)->text(); }
};

TEST_F(棋譜一覧の窓試験, CtrlLで開き指すたびに行が増え行を押すとその手の局面になる) {
    台本の対局 g(*w);
    g.始める();
    QTest::keyClick(w.get(), Qt::Key_L, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(w->棋譜一覧(), nullptr);
    ASSERT_TRUE(w->棋譜一覧()->isVisible());
    QTableWidget* 表 = w->棋譜一覧()->表();
    EXPECT_EQ(表->rowCount(), 1);  // the start position alone

    std::vector<局面> 後;  // the position after each ply
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(g.一手());
        後.push_back(局面_取得(s()));
        EXPECT_EQ(表->rowCount(), i + 2);
        EXPECT_EQ(w->棋譜一覧()->今の手(), i + 1);
        EXPECT_EQ(表->selectionModel()->selectedRows().value(0).row(), i + 1);
    }
    EXPECT_EQ(文字(1, 0), "1");
    EXPECT_EQ(文字(1, 1), "先手");
    EXPECT_EQ(文字(2, 1), "後手");
    EXPECT_TRUE(文字(1, 3).contains(" → ")) << 文字(1, 3).toStdString();

    行を押す(2);
    EXPECT_EQ(s().棋譜手数, 2);
    EXPECT_EQ(w->棋譜一覧()->今の手(), 2);
    EXPECT_TRUE(局面_取得(s()) == 後[1]);
    行を押す(4);
    EXPECT_EQ(s().棋譜手数, 4);
    EXPECT_TRUE(局面_取得(s()) == 後[3]);
    行を押す(0);
    EXPECT_EQ(s().棋譜手数, 0);
    EXPECT_TRUE(告知.size() <= 1u);  // only the opening message of the game

    // Both languages, pictured at scale 1 and 2; with VZ_SCREENSHOT_DIR set
    // the pictures are written there (tools/screenshots.sh).
    const QString 先 = QString::fromLocal8Bit(qgetenv("VZ_SCREENSHOT_DIR"));
    for (auto [英語, r, 題, 名] : {std::tuple{true, 1.0, "Move list", "movelist-english-scale1.png"},
                                   std::tuple{true, 2.0, "Move list", "movelist-english-scale2.png"},
                                   std::tuple{false, 1.0, "棋譜一覧", "movelist-japanese-scale1.png"}}) {
        w->言語を変える(英語 ? 言語::英語 : 言語::日本語);
        棋譜一覧窓* l = w->棋譜一覧();
        EXPECT_EQ(l->windowTitle(), QString(題));
        for (int i = 0; 英語 && i < 表->rowCount() * 表->columnCount(); ++i)
            EXPECT_FALSE(日本語の字を含む(文字(i / 7, i % 7))) << 文字(i / 7, i % 7).toStdString();
        QImage img(QSize(l->width(), l->height()) * r, QImage::Format_ARGB32);
        img.setDevicePixelRatio(r);
        img.fill(Qt::white);
        l->render(&img);
        if (!先.isEmpty()) {
            EXPECT_TRUE(img.save(QDir(先).filePath(名))) << 名;
        }
    }
}

TEST_F(棋譜一覧の窓試験, 読み込んだ棋譜の手が並び行を押すと進で進める) {
    台本の対局 g(*w);
    g.始める();
    std::vector<局面> 後;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(g.一手());
        後.push_back(局面_取得(s()));
    }
    const std::string パス = (場所.場所() / "list.kif").string();
    ASSERT_EQ(書込_棋譜(s().記録, s().棋譜最終手数, パス, "t", "a", "b"), "");
    w->メニュー("KIFU_ICHIRAN")->trigger();
    w->自動応答 = [](const std::string&, const std::string&, ボタン b) {
        return b == ボタン::OK ? 応答::OK : 応答::はい;  // yes, leave the game for the record
    };
    w->棋譜を開く(パス);
    QApplication::processEvents();
    QTableWidget* 表 = w->棋譜一覧()->表();
    const int 最終 = s().棋譜最終手数;
    ASSERT_GE(最終, 4);
    EXPECT_EQ(表->rowCount(), 最終 + 1);
    EXPECT_EQ(w->棋譜一覧()->今の手(), 0);
    EXPECT_TRUE(文字(1, 3).contains(" → "));
    EXPECT_TRUE(文字(2, 3).contains(" → "));
    行を押す(最終);
    EXPECT_EQ(s().棋譜手数, 最終);
    EXPECT_EQ(w->棋譜一覧()->今の手(), 最終);
    EXPECT_TRUE(局面_取得(s()) == 後.back());  // the record keeps every position, the last included
}

// Against the computer the list takes the computer's reply at once, and
// follows 戻 and 最初 from the menus.
TEST_F(棋譜一覧の窓試験, 計算機の応手と戻と最初に付いてくる) {
    w->待たない = true;
    w->メニュー("LEVEL1")->trigger();
    w->メニュー("SENTE")->trigger();
    w->メニュー("KIFU_ICHIRAN")->trigger();
    QApplication::processEvents();
    QTableWidget* 表 = w->棋譜一覧()->表();
    ASSERT_EQ(表->rowCount(), 1);
    台本の対局 g(*w);
    g.押す(7, 7);
    g.押す(7, 6);
    QApplication::processEvents();
    ASSERT_EQ(s().棋譜手数, 2);
    EXPECT_EQ(表->rowCount(), 3);
    EXPECT_EQ(文字(1, 1), "先手");
    EXPECT_EQ(文字(1, 2), "歩");
    EXPECT_EQ(文字(1, 3), "３七 → ３六");
    EXPECT_EQ(文字(2, 1), "後手");
    EXPECT_EQ(w->棋譜一覧()->今の手(), 2);
    w->メニュー("REPLAY")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(w->棋譜一覧()->今の手(), 1);
    w->自動応答 = [](const std::string&, const std::string&, ボタン b) {
        return b == ボタン::OK ? 応答::OK : 応答::はい;  // yes, leave this game
    };
    w->メニュー("CANCEL")->trigger();  // 局面 → 最初: a new start position
    QApplication::processEvents();
    EXPECT_EQ(表->rowCount(), 1);
    EXPECT_EQ(w->棋譜一覧()->今の手(), 0);
}

}  // namespace

// Every heading shows whole from the first opening, in either language,
// after a row is pressed too; switching languages back and forth no longer
// widens the window each time.
TEST_F(棋譜一覧の窓試験, 見出しは初めから全部見え言語を替えても窓の幅は変わらない) {
    for (言語 l : {言語::英語, 言語::日本語}) {
        SetUp();
        w->言語を変える(l);
        台本の対局 g(*w);
        g.始める();
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(g.一手());
        w->棋譜一覧を開く();
        QApplication::processEvents();
        QTableWidget* 表 = w->棋譜一覧()->表();
        QHeaderView* 見出し = 表->horizontalHeader();
        const auto 全部見える = [&] {
            for (int c = 0; c < 表->columnCount(); ++c)
                if (見出し->sectionSize(c) < 見出し->sectionSizeHint(c)) return false;
            return 見出し->sectionViewportPosition(表->columnCount() - 1) + 見出し->sectionSizeHint(表->columnCount() - 1) <=
                   表->viewport()->width();
        };
        EXPECT_TRUE(全部見える()) << static_cast<int>(l);
        行を押す(2);
        EXPECT_TRUE(全部見える()) << static_cast<int>(l);
        // The first switch may widen it once for the other language's
        // headings; from then on it keeps its size.
        w->言語を変える(言語::英語);
        w->言語を変える(言語::日本語);
        const QSize 大きさ = w->棋譜一覧()->size();
        for (int i = 0; i < 3; ++i) {
            w->言語を変える(言語::英語);
            w->言語を変える(言語::日本語);
        }
        w->言語を変える(l);
        QApplication::processEvents();
        EXPECT_EQ(w->棋譜一覧()->size(), 大きさ) << static_cast<int>(l);
        EXPECT_TRUE(全部見える()) << static_cast<int>(l);
    }
}
