// SPDX-License-Identifier: GPL-3.0-or-later
// The stronger computer in the real window: it thinks on a worker thread, the
// window goes on meanwhile, nothing changes the game until its move comes,
// and ending the program stops the thinking and keeps the position.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <filesystem>

#include "play/com_turn.h"
#include "store/autosave.h"
#include "tests/qt/window_fixture.h"
#include "front/qt/window_thinking.h"

namespace {

struct 強い計算機 : 窓の試験 {
    void SetUp() override {
        一息に = false;  // the window's own sequences, thinking on the worker
        窓の試験::SetUp();
        w->自動保存を始める();  // the game is kept in the test's own folder
    }
    void 押す(int c, int r) {
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    }
    bool 印(const char* 名前) { return w->メニュー(名前)->isChecked(); }
    int 描いた回数 = 0;
};

// Counts the canvas' paint events.
class 描画の見張り : public QObject {
public:
    explicit 描画の見張り(int& n) : n_(n) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n_;
        return false;
    }

private:
    int& n_;
};

}  // namespace

TEST_F(強い計算機, 考える間も窓は描かれ_盤も命令も待たされ_閉じれば考えを止めて局面を残す) {
    // A search without any limit: only a stop ends it.
    w->思考().設定の手直し = [](探索設定& 設定) {
        設定.持ち時間 = 0;
        設定.最大深さ = 0;
    };
    w->メニュー("LEVEL5")->trigger();
    EXPECT_TRUE(印("LEVEL5"));
    EXPECT_FALSE(印("LEVEL3"));
    EXPECT_EQ(s().レベル, 5);
    w->メニュー("SENTE")->trigger();
    押す(7, 7);
    押す(7, 6);
    ASSERT_EQ(s().手数, 1);
    // The player's piece turns, then the computer thinks.
    QTRY_VERIFY_WITH_TIMEOUT(w->考えている(), 10000);
    ASSERT_TRUE(s().操作.COM思考中);
    EXPECT_TRUE(w->思考().考え中());

    描画の見張り 見張り(描いた回数);
    w->キャンバス()->installEventFilter(&見張り);
    w->キャンバス()->update();
    QApplication::processEvents();
    EXPECT_GT(描いた回数, 0) << "the window is painted while the computer thinks";

    // A press on one's own piece and a command that would start over are
    // both turned away.
    const auto 告知数 = 告知.size();
    押す(3, 7);
    w->メニュー("CANCEL")->trigger();
    w->メニュー("LEVEL1")->trigger();
    EXPECT_EQ(s().操作.選択状態, 0);
    EXPECT_EQ(s().手数, 1);
    EXPECT_EQ(s().レベル, 5);
    EXPECT_TRUE(印("LEVEL5"));
    EXPECT_EQ(告知.size(), 告知数);
    EXPECT_TRUE(s().操作.COM思考中);

    w->close();
    EXPECT_TRUE(w->終わった());
    EXPECT_FALSE(w->思考().考え中());
    自動保存内容 d;
    ASSERT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::あり);
    EXPECT_EQ(d.手数, 1);
    EXPECT_EQ(d.手番, d.手番_COM);
    EXPECT_EQ(d.レベル, 5);
}

TEST_F(強い計算機, 答えは窓の糸で指され_続きの対局もその強さで戻る) {
    w->思考().設定の手直し = [](探索設定& 設定) {
        設定.持ち時間 = 0;
        設定.最大深さ = 2;
    };
    w->メニュー("LEVEL4")->trigger();
    w->メニュー("SENTE")->trigger();
    押す(7, 7);
    押す(7, 6);
    QTRY_VERIFY_WITH_TIMEOUT(w->考えている(), 10000);
    ASSERT_TRUE(s().操作.COM思考中);
    // The answer arrives as an event of the window's own thread.
    QTRY_VERIFY_WITH_TIMEOUT(w->手すき(), 60000);
    EXPECT_EQ(s().手数, 2);
    EXPECT_EQ(s().手番, s().手番_MAN);
    w->close();

    // The next start takes the game up at strength 4, its mark set.
    auto w2 = std::make_unique<窓>(false);
    w2->一息に = true;
    w.reset();
    w2->自動応答 = [](const std::string&, const std::string&, ボタン b) {
        return b == ボタン::はいいいえ ? 応答::はい : 応答::OK;
    };
    w2->状態参照().操作.自動保存 = true;
    w2->開始();
    EXPECT_EQ(w2->状態参照().手数, 2);
    EXPECT_EQ(w2->状態参照().レベル, 4);
    EXPECT_TRUE(w2->メニュー("LEVEL4")->isChecked());
    EXPECT_FALSE(w2->メニュー("LEVEL3")->isChecked());
}
