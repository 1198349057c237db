// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of a move in the window as a game gets long: a scripted two-person
// game played with mouse presses on an offscreen window, each ply pressing a
// piece (the window shows where it can go) and then its destination.  Each
// benchmark plays the game up to ten plies short of its argument untimed,
// then times the next ten plies one per iteration, so the figures are the
// CPU time of a ply around plies 10, 100 and 300.  A move late in a long
// game should cost about what an early one does.
#ifdef VZ_BENCH_QT
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>
#include <string>

#include "tests/qt/scripted_game.h"
#include "tests/support/temp_dir.h"
#include "front/qt/window.h"

namespace {

constexpr int 計る手数 = 10;

void Qtを用意する() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char arg0[] = "bench";
    static char* argv[] = {arg0, nullptr};
    // Never destroyed: tearing Qt down among the program's other static
    // objects at exit crashes inside Qt's own clean-up.
    new QApplication(argc, argv);
}

void BM_窓で一手(benchmark::State& st) {
    Qtを用意する();
    const int 目標 = static_cast<int>(st.range(0));
    一時フォルダ 場所;
    auto w = std::make_unique<窓>(false);
    w->待たない = true;  // CPU is what is measured; the pauses only cost waiting
    w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    w->開始();
    // No clock on the screen, so every run draws the same.
    if (w->メニュー("KEIKA")->isChecked()) w->メニュー("KEIKA")->trigger();
    w->show();
    QApplication::processEvents();
    台本の対局 対局(*w);
    対局.始める();
    for (int i = 1; i <= 目標 - 計る手数; ++i)
        if (!対局.一手()) {
            st.SkipWithError("the scripted game stopped");
            return;
        }
    for (auto _ : st)
        if (!対局.一手()) {
            st.SkipWithError("the scripted game stopped");
            break;
        }
    st.counters["kept_ops"] = static_cast<double>(w->描画命令数());
}
BENCHMARK(BM_窓で一手)->Arg(10)->Arg(100)->Arg(300)->Iterations(計る手数)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
