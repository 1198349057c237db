// SPDX-License-Identifier: GPL-3.0-or-later
// 学ぶ in the real window: the menu opens the lessons and the puzzles; a
// lesson played with the mouse and the keys; a puzzle solved against the
// defence; progress kept in Vezuvire.prefs; every text of the lessons and
// puzzles in English and fitting its place in both languages; and the
// pictures of docs/screenshots.
#include "front/qt/learn_window.h"

#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

#include "front/qt/language.h"
#include "store/preferences.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 言語を戻す {
    ~言語を戻す() { 言語を使う(言語::日本語); }
};

using 学ぶ窓の試験 = 前の窓の試験;

// A label shows all of its text: the height it needs at its width is no
// more than it has.
void 収まる(QLabel* l) { EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString(); }

// In English no Japanese is left.
void 英語だけ(bool 英語, const QString& t) {
    if (英語) {
        EXPECT_FALSE(日本語の字を含む(t)) << t.toStdString();
    }
}

void 中を押す(学ぶ窓* l, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(l->盤(), b, {}, QPoint(1 + (x - 1) * 41 + 20, 1 + y * 41 + 20));
    QApplication::processEvents();
}

TEST_F(学ぶ窓の試験, 入門を手で進め記録が残る) {
    ASSERT_NE(w->メニュー("MANABU_NYUMON"), nullptr);
    w->メニュー("MANABU_NYUMON")->trigger();
    学ぶ窓* l = w->学ぶ();
    ASSERT_NE(l, nullptr);
    ASSERT_TRUE(l->isVisible());
    EXPECT_FALSE(l->問題の時());
    EXPECT_EQ(l->一覧()->count(), static_cast<int>(課題一覧().size()));
    // The first lesson: the pawn takes the gold in front of it.
    中を押す(l, 5, 7);
    中を押す(l, 5, 6);
    EXPECT_TRUE(l->入門().できた());
    EXPECT_TRUE(l->説明欄()->text().startsWith("できました")) << l->説明欄()->text().toStdString();
    好み設定 帳;
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_入門), "1");
    // The green square by the keys: the cursor to the pawn, Enter, up, Enter.
    l->選ぶ(9);
    l->activateWindow();
    QApplication::processEvents();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Up, Qt::Key_Return})
        QTest::keyClick(l, k);
    EXPECT_TRUE(l->入門().できた()) << l->説明欄()->text().toStdString();
    // A wrong move on the teal square explains the turn and waits for a retry.
    l->選ぶ(9);
    中を押す(l, 9, 9);
    中を押す(l, 9, 8);
    EXPECT_TRUE(l->入門().終わった());
    EXPECT_FALSE(l->入門().できた());
    EXPECT_TRUE(l->説明欄()->text().contains("反時計回り")) << l->説明欄()->text().toStdString();
    l->やり直す();
    EXPECT_FALSE(l->入門().終わった());
}

TEST_F(学ぶ窓の試験, 練習問題を解き記録が残る) {
    w->メニュー("MANABU_MONDAI")->trigger();
    学ぶ窓* l = w->学ぶ();
    ASSERT_TRUE(l->問題の時());
    ASSERT_GE(l->練習().数(), 1);
    // Solved with the solution's moves, one after the other.
    for (int k = 0; k < 3 && !l->練習().終わった(); ++k) {
        const auto v = l->練習().答え();
        ASSERT_FALSE(v.empty());
        const 対局の手 m = v.front();
        if (m.打ち()) l->持駒を押す(l->練習().局面().手番(), m.打);
        else l->押す(m.元X, m.元Y, false);
        l->押す(m.先X, m.先Y, m.成);
    }
    EXPECT_TRUE(l->練習().解いた(l->練習().番号()));
    EXPECT_EQ(l->練習().連続(), 0) << "the solution was asked for";
    好み設定 帳;
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_問題_解いた), std::to_string(l->練習().番号() + 1));
    // The hint button names a piece; then Next goes on.
    l->次へ();
    l->ヒントの釦()->click();
    EXPECT_TRUE(l->説明欄()->text().startsWith("ヒント")) << l->説明欄()->text().toStdString();
}

// A puzzle for the top side is shown turned round: a click on the screen's
// square (10 − x, 10 − y) is a press on board square (x, y).
TEST_F(学ぶ窓の試験, 上の側の問題は盤を回して見せる) {
    w->学ぶを開く(true);
    学ぶ窓* l = w->学ぶ();
    int i = 0;
    for (; i < l->練習().数(); ++i) {
        l->選ぶ(i);
        const auto v = l->練習().答え();
        if (l->練習().解く側() == 上手 && !v.front().打ち()) break;
    }
    ASSERT_LT(i, l->練習().数());
    l->選ぶ(i);
    const 対局の手 m = l->練習().答え().front();
    l->選ぶ(i);
    中を押す(l, 10 - m.元X, 10 - m.元Y);
    中を押す(l, 10 - m.先X, 10 - m.先Y, m.成 ? Qt::RightButton : Qt::LeftButton);
    EXPECT_TRUE(l->練習().解いた(i) || l->練習().残り() == l->練習().今の問題().手数 - 1)
        << l->説明欄()->text().toStdString();
    EXPECT_FALSE(l->練習().終わった() && !l->練習().解いた(i));
}

// Every lesson and the puzzle texts, in both languages: English has no
// Japanese left, and every label shows all of its text.
TEST_F(学ぶ窓の試験, どの文も英語があり収まる) {
    言語を戻す 戻す;
    w->学ぶを開く(false);
    学ぶ窓* l = w->学ぶ();
    const QString 先 = QString::fromLocal8Bit(qgetenv("VZ_SCREENSHOT_DIR"));
    for (bool 英語 : {false, true}) {
        ASSERT_TRUE(言語を使う(英語 ? 言語::英語 : 言語::日本語));
        QApplication::processEvents();
        l->入門を開く();
        for (int i = 0; i < static_cast<int>(課題一覧().size()); ++i) {
            l->選ぶ(i);
            QApplication::processEvents();
            SCOPED_TRACE(i);
            収まる(l->目標欄());
            英語だけ(英語, l->目標欄()->text());
            // Its intended moves: the "why" at the end.
            const std::string 手 = 課題一覧()[static_cast<std::size_t>(i)].手順;
            std::size_t a = 0;
            while (a < 手.size()) {
                const std::size_t b = std::min(手.find(',', a), 手.size());
                対局の手 m;
                ASSERT_TRUE(手を読む(手.substr(a, b - a), m));
                if (m.打ち()) l->持駒を押す(下手, m.打);
                else l->押す(m.元X, m.元Y, false);
                l->押す(m.先X, m.先Y, m.成);
                QApplication::processEvents();
                英語だけ(英語, l->説明欄()->text());
                a = b + 1;
            }
            EXPECT_TRUE(l->入門().できた());
            収まる(l->説明欄());
            if (i == 13 && !先.isEmpty())
                l->grab().save(先 + (英語 ? "/learn-lesson-english.png" : "/learn-lesson-japanese.png"));
        }
        for (int i = 0; i < l->一覧()->count(); ++i) {
            const QListWidgetItem* it = l->一覧()->item(i);
            英語だけ(英語, it->text());
            EXPECT_LE(l->一覧()->fontMetrics().horizontalAdvance(it->text()), l->一覧()->viewport()->width());
        }
        l->問題を開く();
        // The first win in two or more.
        int 番 = 0;
        while (番 + 1 < l->練習().数() && l->練習().番の問題(番).手数 < 2) ++番;
        l->選ぶ(番);
        const 対局の手 m = l->練習().答え().front();
        l->選ぶ(番);
        // The solution's first move: the defender's answer is shown.
        if (m.打ち()) l->持駒を押す(l->練習().局面().手番(), m.打);
        else l->押す(m.元X, m.元Y, false);
        l->押す(m.先X, m.先Y, m.成);
        QApplication::processEvents();
        for (QLabel* t : {l->目標欄(), l->説明欄(), l->進み欄()}) {
            収まる(t);
            英語だけ(英語, t->text());
        }
        if (英語 && !先.isEmpty()) l->grab().save(先 + "/learn-puzzle-english.png");
        l->ヒント();
        英語だけ(英語, l->説明欄()->text());
        l->答え();
        英語だけ(英語, l->説明欄()->text());
        EXPECT_EQ(l->windowTitle(), 英語 ? QString("Learn — Puzzles") : QString("学ぶ — 練習問題"));
    }
}

}  // namespace
