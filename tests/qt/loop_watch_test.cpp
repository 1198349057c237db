// SPDX-License-Identifier: GPL-3.0-or-later
// The window's event loop never waits on the game: a game against strength
// 3 played with presses, with the game's own pauses at their real length,
// watched by a timer that asks to run every millisecond.  While the
// computer answers and its move blinks, while a refused square shows red
// and while a hint is sought and shown, the loop turns many times, and its
// longest gap stays well under what a window asleep in its pauses would
// show (the blink's 0.8 s and the turn's 0.1 s, the refusal's 0.3 s or
// 0.6 s, the hint's search and 2 s), with room left for a busy machine.  The figures themselves are the benchmark's (bench/window_watch_bench.cpp).
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>

#include "core/rules.h"
#include "tests/qt/loop_watch.h"
#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 見張りの試験 : 前の窓の試験 {
    void SetUp() override {
        一息に = false;
        前の窓の試験::SetUp();
    }
    void 終わるまで() {
        QElapsedTimer t;
        t.start();
        while (!w->手すき() && t.elapsed() < 30000) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ASSERT_TRUE(w->手すき());
    }
};

enum class 場面 { 答え, 断り, ヒント };
struct 見張りの行 {
    場面 何;
    const char* 名前;
    double 最長の隙ms;  // the longest gap allowed
    long 最少の回数;    // the loop's turns at the least
};

}  // namespace

TEST_F(見張りの試験, 見せている間も輪は回り続ける) {
    const 見張りの行 表[] = {
        {場面::ヒント, "a hint sought and shown", 300, 20},
        {場面::断り, "a refused square", 250, 20},
        {場面::答え, "the computer's answer and its blink", 400, 50},
    };
    w->メニュー("LEVEL3")->trigger();
    w->メニュー("SENTE")->trigger();
    終わるまで();
    状態& g = s();
    輪の見張り 見張り;
    for (int 手 = 0; 手 < 2; ++手) {
        const auto 候補 = 台本の対局::指せる手(g);
        ASSERT_FALSE(候補.empty());
        const auto& m = 候補[(手 * 7) % 候補.size()];
        for (const 見張りの行& 行 : 表) {
            SCOPED_TRACE(行.名前);
            見張り.始める();
            switch (行.何) {
                case 場面::ヒント: {
                    w->メニュー("HINT")->trigger();
                    QElapsedTimer t;
                    t.start();
                    while (!w->見せている() && t.elapsed() < 30000)
                        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
                    ASSERT_TRUE(w->見せている());
                    // A while of the two seconds, then a press ends it at once.
                    while (t.elapsed() < 500) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
                    押す(m[0], m[1]);
                    EXPECT_TRUE(w->手すき());
                    EXPECT_EQ(g.操作.選択状態, 1);
                    break;
                }
                case 場面::断り: {
                    int 列 = 0, 行番 = 0;
                    for (int x = 1; x <= 9 && 列 == 0; ++x)
                        for (int y = 1; y <= 9 && 列 == 0; ++y)
                            if (g.盤[x][y] == 空 && 移動チェック(g, m[0], m[1], x, y, g.盤[m[0]][m[1]]) != 真) {
                                列 = x;
                                行番 = y;
                            }
                    ASSERT_NE(列, 0);
                    押す(列, 行番);
                    EXPECT_TRUE(w->見せている());
                    終わるまで();
                    EXPECT_EQ(g.操作.選択状態, 0);
                    押す(m[0], m[1]);  // picked up again for the move
                    break;
                }
                case 場面::答え: {
                    const int 前 = g.棋譜手数;
                    押す(m[2], m[3]);
                    終わるまで();
                    EXPECT_EQ(g.棋譜手数, 前 + 2);
                    break;
                }
            }
            見張り.止める();
            EXPECT_LT(見張り.最長ms, 行.最長の隙ms) << "the loop was held " << 見張り.最長ms << " ms";
            EXPECT_GE(見張り.回数, 行.最少の回数);
        }
    }
}
