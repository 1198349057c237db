// SPDX-License-Identifier: GPL-3.0-or-later
// 待った, 投了, ヒント and 効果音 in the real window, offscreen: by menu and
// by key.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <fstream>
#include <string>
#include <vector>

#include "game/preferences.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 手の窓 : 窓の試験 {
    void SetUp() override {
        窓の試験::SetUp();
        w->待たない = true;
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void キー(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(w->windowHandle(), k, m);
        QApplication::processEvents();
    }
    void 押す(int c, int r) {
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
        QApplication::processEvents();
    }
    void 選ぶ(const char* 名前) {
        w->メニュー(名前)->trigger();
        QApplication::processEvents();
    }
    // Against the computer at strength 1, the player moving first.
    void COMと始める() {
        選ぶ("LEVEL1");
        選ぶ("SENTE");
    }
};

TEST_F(手の窓, COMとの対局ではCtrlZが待ったで二人の対局では戻) {
    COMと始める();
    const auto 初め = s().盤[7][7];
    押す(7, 7);
    押す(7, 6);
    ASSERT_EQ(s().棋譜手数, 2);
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().棋譜手数, 0);
    EXPECT_EQ(s().手番, s().手番_MAN);
    EXPECT_EQ(s().盤[7][7], 初め);
    // From the menu as well; with nothing left it refuses.
    告知.clear();
    選ぶ("MATTA");
    EXPECT_EQ(告知, std::vector<std::string>{"できません"});

    // A finished game is looked back on with 戻, one move at a time.
    押す(7, 7);
    押す(7, 6);
    選ぶ("TOURYOU");
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().棋譜手数, 1);

    選ぶ("CANCEL");
    選ぶ("START");
    押す(7, 7);
    押す(7, 6);
    ASSERT_EQ(s().棋譜手数, 1);
    キー(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s().棋譜手数, 0);
}

TEST_F(手の窓, 投了で対局が終わる) {
    選ぶ("START");
    告知.clear();
    選ぶ("TOURYOU");
    EXPECT_EQ(s().勝者, 後手);
    EXPECT_EQ(告知, std::vector<std::string>{"後手の勝ちです"});
}

TEST_F(手の窓, Hキーでヒントが出て何も指されない) {
    COMと始める();
    const 状態 前 = s();
    告知.clear();
    キー(Qt::Key_H);
    EXPECT_TRUE(告知.empty());
    EXPECT_EQ(s().棋譜手数, 前.棋譜手数);
    EXPECT_EQ(std::vector<int>(&s().盤[0][0], &s().盤[0][0] + 100), std::vector<int>(&前.盤[0][0], &前.盤[0][0] + 100));
    // Between two people there is no hint.
    選ぶ("CANCEL");
    選ぶ("START");
    告知.clear();
    キー(Qt::Key_H);
    EXPECT_EQ(告知, std::vector<std::string>{"できません"});
}

TEST_F(手の窓, 効果音は既定で入り切り替えは好み設定に残る) {
    EXPECT_TRUE(w->メニュー("KOUKAON")->isChecked());
    EXPECT_FALSE(s().表示.効果音を消す);
    選ぶ("KOUKAON");
    EXPECT_FALSE(w->メニュー("KOUKAON")->isChecked());
    EXPECT_TRUE(s().表示.効果音を消す);
    好み設定 帳;
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_効果音), "off");

    // The next start reads it back.
    w.reset();
    w = std::make_unique<窓>(false);
    w->開始();
    w->好み設定を読む();
    EXPECT_TRUE(s().表示.効果音を消す);
    EXPECT_FALSE(w->メニュー("KOUKAON")->isChecked());
    選ぶ("KOUKAON");
    EXPECT_FALSE(s().表示.効果音を消す);
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_効果音), "on");
}

}  // namespace
