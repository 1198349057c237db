// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's event loop is kept from its events against the
// computer at strength 3, with the game's real pauses: the longest gap
// between two turns of the loop (tests/qt/loop_watch.h), in wall time and
// in the window thread's CPU time, while the computer answers and its move
// blinks, while a hint is sought and shown, and while a refused square
// shows red.  A pause that sleeps on the window's thread shows as a long
// gap of little CPU, a search there as one of as much CPU.
#ifdef VZ_BENCH_QT
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <memory>
#include <string>

#include "core/rules.h"
#include "front/qt/window.h"
#include "tests/qt/loop_watch.h"
#include "tests/qt/scripted_game.h"
#include "tests/support/temp_dir.h"

namespace {

void Qtを用意する() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char arg0[] = "bench";
    static char* argv[] = {arg0, nullptr};
    new QApplication(argc, argv);
}

// The window's events served until what the last press started is over.
// A window that does everything inside the press has nothing left to do.
void 落ち着くまで(窓& w) {
#if __has_include("front/qt/sequence.h")
    while (!w.手すき()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
#else
    (void)w;
#endif
    QApplication::processEvents();
}

struct 最長 {
    double 壁 = 0, CPU = 0;
    void 合わせる(const 輪の見張り& m) {
        if (m.最長ms > 壁) {
            壁 = m.最長ms;
            CPU = m.最長CPUms;
        }
    }
};

void BM_窓の見張り(benchmark::State& st) {
    Qtを用意する();
    最長 答え, ヒント, 断り;
    for (auto _ : st) {
        一時フォルダ 場所;
        auto w = std::make_unique<窓>(false);
        w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
        w->開始();
        w->show();
        QApplication::processEvents();
        w->メニュー("LEVEL3")->trigger();
        w->メニュー("SENTE")->trigger();
        落ち着くまで(*w);
        台本の対局 対局(*w);
        輪の見張り 見張り;
        状態& s = w->状態参照();
        for (int 手 = 0; 手 < 4 && s.勝者 == 手番_なし; ++手) {
            // A hint, then a refused destination, then a move and its answer.
            見張り.始める();
            w->メニュー("HINT")->trigger();
            落ち着くまで(*w);
            見張り.止める();
            ヒント.合わせる(見張り);

            const auto 候補 = 台本の対局::指せる手(s);
            if (候補.empty()) break;
            const auto& m = 候補[(手 * 7) % 候補.size()];
            対局.押す(m[0], m[1]);
            QApplication::processEvents();
            int 断り列 = 0, 断り行 = 0;
            for (int x = 1; x <= 9 && 断り列 == 0; ++x)
                for (int y = 1; y <= 9 && 断り列 == 0; ++y)
                    if (s.盤[x][y] == 空 && 移動チェック(s, m[0], m[1], x, y, s.盤[m[0]][m[1]]) != 真) {
                        断り列 = x;
                        断り行 = y;
                    }
            if (断り列 != 0) {
                見張り.始める();
                対局.押す(断り列, 断り行);
                落ち着くまで(*w);
                見張り.止める();
                断り.合わせる(見張り);
                対局.押す(m[0], m[1]);
                QApplication::processEvents();
            }

            見張り.始める();
            対局.押す(m[2], m[3]);
            落ち着くまで(*w);
            見張り.止める();
            答え.合わせる(見張り);
        }
        w->close();
        QApplication::processEvents();
    }
    st.counters["answer_wall_ms"] = 答え.壁;
    st.counters["answer_cpu_ms"] = 答え.CPU;
    st.counters["hint_wall_ms"] = ヒント.壁;
    st.counters["hint_cpu_ms"] = ヒント.CPU;
    st.counters["refusal_wall_ms"] = 断り.壁;
    st.counters["refusal_cpu_ms"] = 断り.CPU;
}
BENCHMARK(BM_窓の見張り)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
