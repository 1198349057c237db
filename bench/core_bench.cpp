// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the movement rule (the computer's search calls it for every piece
// against every square, several times per candidate) and of a full redraw.
#include <benchmark/benchmark.h>

#include "front/cli/silent.h"
#include "core/rules.h"
#include "core/setup.h"
#include "view/render.h"
#include "view/screen.h"

#ifdef VZ_BENCH_QT
#include <QApplication>

#include "front/qt/window.h"
#endif

namespace {

// A middle-game position with pieces turned every way.
void 中盤(状態& s) {
    const int 配置[][3] = {
        {1, 1, 200},  {2, 1, 300},  {4, 2, 501},  {5, 1, 800},  {6, 2, 503},  {7, 1, 400},  {9, 1, 200},  {2, 3, 710},
        {8, 4, 602},  {1, 3, 100},  {3, 4, 101},  {5, 4, 103},  {7, 3, 100},  {9, 4, 102},  {4, 5, -301}, {6, 5, -412},
        {2, 6, -101}, {5, 6, -103}, {8, 6, -100}, {1, 7, -102}, {3, 7, -102}, {9, 7, -102}, {2, 8, -611}, {8, 8, -702},
        {1, 9, -202}, {3, 9, -401}, {4, 9, -502}, {5, 9, -802}, {6, 8, -503}, {7, 9, -402}, {9, 9, -203},
    };
    for (auto& p : 配置) s.盤[p[0]][p[1]] = p[2];
}

void BM_移動チェック(benchmark::State& st) {
    static 状態 s;
    中盤(s);
    long n = 0;
    for (auto _ : st) {
        int sum = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int code = s.盤[x][y];
                if (code == 空) continue;
                for (int x2 = 1; x2 <= 9; ++x2)
                    for (int y2 = 1; y2 <= 9; ++y2) sum += 移動チェック(s, x, y, x2, y2, code);
                n += 81;
            }
        benchmark::DoNotOptimize(sum);
    }
    st.counters["calls/s"] = benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_移動チェック);

void BM_全描き直し_ゲーム側(benchmark::State& st) {
    static 状態 s;
    無言の場 p;  // draws nothing, so the game's own cost is measured
    桝色設定(s);
    中盤(s);
    for (auto _ : st) 画面_再描画(s, p);
}
BENCHMARK(BM_全描き直し_ゲーム側);

#ifdef VZ_BENCH_QT
void BM_全描き直し_窓(benchmark::State& st) {
    static int argc = 1;
    static char arg0[] = "bench";
    static char* argv[] = {arg0, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Made once and never destroyed: tearing Qt down among the program's
    // other static objects at exit crashes inside Qt's own clean-up.
    static QApplication* app = new QApplication(argc, argv);
    static 窓* w = new 窓(false);
    (void)app;
    状態& s = w->状態参照();
    桝色設定(s);
    中盤(s);
    for (auto _ : st) 画面_再描画(s, *w);
}
BENCHMARK(BM_全描き直し_窓)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
