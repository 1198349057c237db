// SPDX-License-Identifier: GPL-3.0-or-later
// 待った, 投了, ヒント and 効果音 in the real window, offscreen: by menu and
// by key.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "front/qt/language.h"
#include "store/preferences.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 手の窓 : 前の窓の試験 {
    void SetUp() override {
        前の窓の試験::SetUp();
        w->待たない = true;
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

// The hint as the player sees it during its pause, in English at scale 1
// and 2: the picture differs from the board before it and comes back to it
// after.  With VZ_SCREENSHOT_DIR set the pictures are written there.
struct 写す窓 : 窓 {
    using 窓::窓;
    std::function<void()> 待つ間;
    void 待つ(double 秒) override {
        if (待つ間) 待つ間();
        窓::待つ(秒);
    }
};

TEST(ヒントの絵, 待つ間だけ見えて英語の写真になる) {
    テスト用アプリ();
    一時フォルダ 場所;
    struct 戻す {
        ~戻す() { 言語を使う(言語::日本語); }
    } 戻し;
    写す窓 v(false);
    v.一息に = true;
    v.待たない = true;
    v.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    v.開始();
    v.show();
    v.言語を変える(言語::英語);
    v.メニュー("LEVEL1")->trigger();
    v.メニュー("SENTE")->trigger();
    for (auto [c, r] : {std::pair{7, 7}, {7, 6}})
        QTest::mouseClick(v.キャンバス(), Qt::LeftButton, {}, v.ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    QApplication::processEvents();
    const QImage 前 = v.画像(1.0);
    QImage 間1, 間2;
    v.待つ間 = [&] {
        間1 = v.画像(1.0);
        間2 = v.画像(2.0);
    };
    v.メニュー("HINT")->trigger();
    v.待つ間 = nullptr;
    ASSERT_FALSE(間1.isNull());
    EXPECT_NE(間1, 前);
    EXPECT_EQ(v.画像(1.0), 前);
    const QByteArray 先 = qgetenv("VZ_SCREENSHOT_DIR");
    if (!先.isEmpty()) {
        EXPECT_TRUE(間1.save(QString::fromUtf8(先) + "/english-hint-scale1.png"));
        EXPECT_TRUE(間2.save(QString::fromUtf8(先) + "/english-hint-scale2.png"));
    }
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
    w->一息に = true;
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
