// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the computer player's influence map and once-per-turn probes.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/influence.h"
#include "engine/turn_probes.h"

namespace {

// A middle game some twenty moves in: both kings shifted off the centre file,
// several pieces turned by their moves, a computer bishop promoted deep in
// the human camp and a human rook turned towards the left.  Rows are listed
// top (row 1) to bottom, columns 1..9 left to right.
constexpr int 中盤[9][9] = {
    // clang-format off
    {200, 0, 0, 500, 0, 0, 400, 300, 200},
    {0, 703, 0, 0, 801, 502, 0, 0, 0},
    {100, 0, 100, 401, 100, 100, 0, 100, 100},
    {0, 101, 0, 0, 0, 0, 103, 0, 0},
    {0, 0, 303, 0, -102, 0, 0, 612, 0},
    {0, 0, -101, 0, 0, 0, -103, 0, -102},
    {-102, -100, 0, -403, 0, -102, 0, 0, 0},
    {0, -602, 0, 0, -503, 0, -701, -402, 0},
    {-202, -302, 0, -502, -802, 0, 0, -301, -201},
    // clang-format on
};

std::unique_ptr<COM作業> 中盤の状態() {
    auto s = std::make_unique<COM作業>();
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) s->盤[x][y] = 中盤[y - 1][x - 1];
    勢力調査(*s);
    return s;
}

void BM_勢力調査_中盤(benchmark::State& st) {
    auto s = 中盤の状態();
    for (auto _ : st) {
        勢力調査(*s);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_勢力調査_中盤);

void BM_調査_移動不可駒_中盤(benchmark::State& st) {
    auto s = 中盤の状態();
    for (auto _ : st) {
        調査_移動不可駒(*s);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_調査_移動不可駒_中盤);

void BM_調査_持角狙座標_中盤(benchmark::State& st) {
    auto s = 中盤の状態();
    for (auto _ : st) {
        benchmark::DoNotOptimize(調査_持角狙座標(*s));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_調査_持角狙座標_中盤);

}  // namespace
