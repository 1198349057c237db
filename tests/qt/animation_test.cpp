// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does with input while it shows something: the computer's
// move blinking, a refused square in red, a hint.  Repaints, options, the
// cursor and the help work at once and leave the showing alone; a press on
// the board or a command that changes the game ends the showing at once
// (what is left drawn straight away) and then takes effect, once; closing
// finishes the showing and keeps the game as the autosave has it.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <functional>

#include "core/pieces.h"
#include "front/qt/help_window.h"
#include "store/autosave.h"
#include "tests/qt/window_fixture.h"

namespace {

enum class 見せ物 { 指し手の点滅, 断り, ヒント };

struct 入力 {
    const char* 名前;
    std::function<void(struct 見せ場の試験&)> する;
    // True: the showing goes on; false: it ended and the input took effect.
    bool 見せ続ける;
    std::function<void(struct 見せ場の試験&)> 確かめる;
};

struct 見せ場の試験 : 前の窓の試験, ::testing::WithParamInterface<std::tuple<見せ物, int>> {
    int 見せた後の手数 = 0;  // the moves made once the showing is over
    int 描いた回数 = 0;
    キーカーソル 前のカーソル;

    void SetUp() override {
        一息に = false;
        前の窓の試験::SetUp();
        w->自動保存を始める();
    }
    void 待つまで(const std::function<bool()>& 条件) {
        QElapsedTimer t;
        t.start();
        while (!条件() && t.elapsed() < 20000) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ASSERT_TRUE(条件());
    }
    // A game against strength 3 one exchange in, then the showing under
    // test, its pauses made long enough to be sure it is still on.
    void 見せ始める(見せ物 m) {
        w->メニュー("LEVEL3")->trigger();
        w->メニュー("SENTE")->trigger();
        w->間の倍率 = 0.01;
        押す(7, 7);
        押す(7, 6);
        待つまで([&] { return w->手すき(); });
        ASSERT_EQ(s().手数, 2);
        見せた後の手数 = 2;
        switch (m) {
            case 見せ物::指し手の点滅:
                押す(2, 7);
                押す(2, 6);
                待つまで([&] { return w->考えている(); });
                w->間の倍率 = 100;
                待つまで([&] { return w->見せている() && s().手番 == s().手番_COM; });
                見せた後の手数 = 4;
                break;
            case 見せ物::断り:
                w->間の倍率 = 100;
                押す(3, 7);
                押す(5, 5);
                break;
            case 見せ物::ヒント:
                w->間の倍率 = 100;
                w->メニュー("HINT")->trigger();
                待つまで([&] { return w->見せている(); });
                break;
        }
        ASSERT_TRUE(w->見せている());
    }
};

class 描画数え : public QObject {
public:
    explicit 描画数え(int& n) : n_(n) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n_;
        return false;
    }

private:
    int& n_;
};

const std::vector<入力>& 入力一覧() {
    static const std::vector<入力> 一覧 = {
        {"repaint",
         [](見せ場の試験& t) {
             描画数え 数え(t.描いた回数);
             t.w->キャンバス()->installEventFilter(&数え);
             t.w->キャンバス()->update();
             QApplication::processEvents();
             t.w->キャンバス()->removeEventFilter(&数え);
         },
         true, [](見せ場の試験& t) { EXPECT_GT(t.描いた回数, 0); }},
        {"display option",
         [](見せ場の試験& t) { t.w->メニュー("HYOUJI_KAITEN")->trigger(); },
         true, [](見せ場の試験& t) { EXPECT_TRUE(t.s().表示.回転印); }},
        {"background",
         [](見せ場の試験& t) { t.w->メニュー("TATAMI")->trigger(); },
         true, [](見せ場の試験& t) { EXPECT_EQ(t.s().表示.背景種類, 背景_畳); }},
        {"cursor key",
         [](見せ場の試験& t) { t.キー(Qt::Key_Right); },
         true,
         [](見せ場の試験& t) {
             EXPECT_TRUE(t.w->カーソル().列 != t.前のカーソル.列 || t.w->カーソル().行 != t.前のカーソル.行);
         }},
        {"help",
         [](見せ場の試験& t) { t.w->メニュー("ASOBIKATA")->trigger(); },
         true, [](見せ場の試験& t) { EXPECT_TRUE(t.w->遊び方() && t.w->遊び方()->isVisible()); }},
        {"board press",
         [](見せ場の試験& t) { t.押す(9, 9); },
         false,
         [](見せ場の試験& t) {
             EXPECT_EQ(t.s().操作.選択状態, 1);
             EXPECT_EQ(t.s().操作.選択元X, 9);
             EXPECT_EQ(t.s().操作.選択元Y, 9);
         }},
        {"Enter on the cursor",
         [](見せ場の試験& t) { t.キー(Qt::Key_Return); },
         false,
         [](見せ場の試験& t) {
             // A press where the cursor stands, on the position after the showing.
             const キーカーソル c = t.w->カーソル();
             const bool 自駒 = MANの駒(t.s().盤[c.列][c.行]);
             EXPECT_EQ(t.s().操作.選択状態, 自駒 ? 1 : 0);
             if (自駒) {
                 EXPECT_EQ(t.s().操作.選択元X, c.列);
             }
         }},
        {"resign",
         [](見せ場の試験& t) { t.w->メニュー("TOURYOU")->trigger(); },
         false, [](見せ場の試験& t) { EXPECT_EQ(t.s().勝者, t.s().手番_COM); }},
        {"close",
         [](見せ場の試験& t) { t.w->close(); },
         false,
         [](見せ場の試験& t) {
             EXPECT_TRUE(t.w->終わった());
             自動保存内容 d;
             ASSERT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::あり);
             EXPECT_EQ(d.手数, t.見せた後の手数);
             EXPECT_EQ(d.手番, d.手番_MAN);
         }},
    };
    return 一覧;
}

}  // namespace

TEST_P(見せ場の試験, 入力は決まった通りに働く) {
    const auto [物, 番] = GetParam();
    const 入力& i = 入力一覧()[番];
    SCOPED_TRACE(i.名前);
    見せ始める(物);
    if (HasFatalFailure()) return;
    const auto 告知数 = 告知.size();
    前のカーソル = w->カーソル();
    i.する(*this);
    if (i.見せ続ける) {
        EXPECT_TRUE(w->見せている()) << "the showing goes on";
    } else {
        EXPECT_TRUE(w->手すき()) << "the showing ended at once";
        EXPECT_EQ(s().手数, 見せた後の手数) << "what was being shown was finished first";
    }
    i.確かめる(*this);
    if (i.見せ続ける) {
        // Left alone, the showing ends by itself and the game stands where it should.
        w->間の倍率 = 0.01;
        w->メニュー("HYOUJI_TEBAN")->trigger();  // nothing of the game
        押す(9, 9);
        EXPECT_TRUE(w->手すき());
        EXPECT_EQ(s().手数, 見せた後の手数);
        EXPECT_EQ(s().操作.選択元X, 9);
    }
    EXPECT_EQ(告知.size(), 告知数 + (std::string(i.名前) == "resign" ? 1u : 0u)) << "nothing else was said";
}

INSTANTIATE_TEST_SUITE_P(見せ物と入力, 見せ場の試験,
                         ::testing::Combine(::testing::Values(見せ物::指し手の点滅, 見せ物::断り, 見せ物::ヒント),
                                            ::testing::Range(0, 9)));
