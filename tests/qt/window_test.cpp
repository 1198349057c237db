// SPDX-License-Identifier: GPL-3.0-or-later
// The real window, offscreen: menus, the painted board, scaling, repainting.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "core/setup.h"
#include "tests/qt/window_fixture.h"
#include "front/qt/pictures.h"
#include "view/render.h"
#include "view/screen.h"

namespace {

struct 窓テスト : 窓の試験 {
    // Colour at the centre of cell (c, r) of the painted canvas.
    QColor 中心(const QImage& img, double c, double r, double 倍率) {
        const double px = (盤原点X + 桝幅 * (c + 0.5)) / 15.0 * 倍率;
        const double py = (盤原点Y + 桝高 * (r + 0.5)) / 15.0 * 倍率;
        return img.pixelColor(static_cast<int>(px), static_cast<int>(py));
    }
    static int 差(QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    }
};

}  // namespace

TEST_F(窓テスト, 題名とメニューの見出しとチェック) {
    EXPECT_EQ(w->windowTitle(), "Vezuvire");
    const std::vector<std::pair<const char*, const char*>> 見出し = {
        {"TAIKYOKU", "対局"},     {"MATCH_MAN", "対局(人間)"},
        {"START", "スタート"},    {"START2", "対局(COM)"},
        {"SENTE", "先手"},        {"GOTE", "後手"},
        {"LEVEL", "COM対局ﾚﾍﾞﾙ"}, {"LEVEL1", "LEVEL1"},
        {"OWARI", "終わり"},      {"STOP", "局面"},
        {"CANCEL", "最初"},       {"REPLAY", "戻"},
        {"AFTER", "進"},          {"LBEL_UP", "△"},
        {"LEBEL_DOWN", "▽"},      {"KIFU", "棋譜"},
        {"KIFU_READ", "読込"},    {"KIFU_WRITE", "書込"},
        {"OPTION", "ｵﾌﾟｼｮﾝ"},     {"HAIKEI_GA", "背景画"},
        {"MIDORI", "緑"},         {"TATAMI", "畳"},
        {"TAKE", "竹"},           {"UCHU", "宇宙"},
        {"RENGA", "煉瓦"},        {"SIDOU", "移動指導"},
        {"KEIKA", "経過時間"},    {"BGM", "BGM"},
        {"SONOTA", "その他"},     {"VER", "バージョン情報"},
        {"ASOBIKATA", "遊び方"},   {"MANABU", "学ぶ"},
        {"MANABU_NYUMON", "入門"}, {"MANABU_MONDAI", "練習問題"},
    };
    for (auto [名, 表題] : 見出し) {
        QAction* a = w->メニュー(名);
        ASSERT_NE(a, nullptr) << 名;
        EXPECT_EQ(a->text(), QString(表題)) << 名;
    }
    // Top-level order of the menu bar.
    QStringList 上;
    for (QAction* a : w->menuBar()->actions()) 上 << a->text();
    EXPECT_EQ(上, (QStringList{"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ", "学ぶ", "その他"}));
    EXPECT_TRUE(w->メニュー("LEVEL3")->isChecked());
    EXPECT_FALSE(w->メニュー("LEVEL1")->isChecked());
    EXPECT_TRUE(w->メニュー("MIDORI")->isChecked());
    EXPECT_TRUE(w->メニュー("KEIKA")->isChecked());
    EXPECT_FALSE(w->メニュー("SIDOU")->isChecked());
}

TEST_F(窓テスト, 描かれた盤は市松に色分けされ初期配置に駒がある) {
    const QImage img = w->画像(1.0);
    const QColor 緑 = 中心(img, 5, 5, 1), 水 = 中心(img, 5, 6, 1);
    // Empty squares show their colour: green on (x + y) even, teal on odd.
    EXPECT_LT(差(緑, 中心(img, 4, 4, 1)), 30);
    EXPECT_LT(差(水, 中心(img, 4, 5, 1)), 30);
    EXPECT_GT(緑.green(), 緑.blue() + 40);
    EXPECT_GT(水.blue(), 水.red() + 40);
    EXPECT_GT(差(緑, 水), 60);
    // A piece stands where the start position puts one: its picture, not a square.
    const QImage 王 = 絵(-802, 1.0);
    const QColor 王の中心 = 王.pixelColor(20, 20);
    EXPECT_LT(差(中心(img, 5, 9, 1), 王の中心), 30);
    EXPECT_GT(差(中心(img, 5, 9, 1), 緑), 60);
    EXPECT_GT(差(中心(img, 5, 8, 1), 水) + 差(中心(img, 5, 7, 1), 緑), 60);
}

TEST_F(窓テスト, 拡大すると描き直して細部が増え_ツイップ位置は往復する) {
    w->resize(w->width() * 2, w->height() * 2);
    QApplication::processEvents();
    const QPoint a = w->ツイップから位置(盤原点X + 桝幅 * 5 + 300, 盤原点Y + 桝高 * 5 + 300);
    const QPoint b = w->ツイップから位置(盤原点X + 桝幅 * 6 + 300, 盤原点Y + 桝高 * 5 + 300);
    EXPECT_NEAR(b.x() - a.x(), 82, 2);  // a cell is now 82 widget pixels wide

    // Painting the canvas widget shows the same board at the new size.
    const QImage shot = w->キャンバス()->grab().toImage();
    const QImage ref = w->画像(1.0);
    EXPECT_LT(差(shot.pixelColor(a), 中心(ref, 5, 5, 1)), 40);
}

TEST_F(窓テスト, 整理しても絵は変わらず命令は増え続けない) {
    状態& s = w->状態参照();
    for (int i = 0; i < 6; ++i) 画面_再描画(s, *w);
    EXPECT_LT(w->描画命令数(), 4100u);
    const QImage before = w->画像(1.0);
    for (int i = 0; i < 3; ++i) 画面_再描画(s, *w);
    const QImage after = w->画像(1.0);
    EXPECT_EQ(before, after);
}
