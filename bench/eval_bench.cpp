// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the danger-square scan that scores every candidate of the
// computer's search.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/influence.h"
#include "engine/turn_probes.h"
#include "core/setup.h"
#include "engine/danger.h"

namespace {

// A middle game with pieces in both hands.  Rows top (row 1) to bottom,
// columns 1..9 left to right.
constexpr int 局面[9][9] = {
    // clang-format off
    {200, 300, 0, 0, 0, 500, 0, 300, 200},
    {0, 0, 0, 400, 802, 0, 0, 601, 0},
    {100, 0, 101, 0, 500, 100, 400, 0, 100},
    {0, 100, 0, 100, 0, 0, 100, 102, 0},
    {0, 0, 0, 0, 703, -102, 0, 0, 0},
    {-100, 0, -102, 0, 0, 0, -101, 0, -102},
    {0, -102, 0, -402, -102, 0, -302, 0, 0},
    {0, -602, -503, 0, -802, -502, 0, -702, 0},
    {-202, 0, 0, -403, 0, 0, 0, 0, -202},
    // clang-format on
};

// The position after the computer's candidate move (rook from (5, 5) takes
// the pawn on (6, 5)), surveyed, with the turn's snapshots taken before it.
std::unique_ptr<COM作業> 候補局面() {
    auto s = std::make_unique<COM作業>();
    桝色設定(*s);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) s->盤[x][y] = 局面[y - 1][x - 1];
    s->持駒_MAN[1] = 2, s->持駒_MAN[3] = 1, s->持駒_MAN[4] = 1;
    s->持駒数_MAN = 4;
    s->持駒_COM[1] = 1, s->持駒_COM[2] = 1;
    s->持駒数_COM = 2;

    勢力調査(*s);
    調査_移動不可駒(*s);
    調査_持角狙座標(*s);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s->盤_保存[x][y] = s->盤[x][y];
            s->勢MAN_保存[x][y] = s->勢MAN[x][y];
            s->勢COM_保存[x][y] = s->勢COM[x][y];
        }
    s->盤[5][5] = 空;
    s->盤[6][5] = 703;
    勢力調査(*s);
    return s;
}

void BM_盤評価_COM危険座標_中盤(benchmark::State& st) {
    auto s = 候補局面();
    for (auto _ : st) {
        benchmark::DoNotOptimize(盤評価_COM危険座標(*s, 703, 6, 5));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_盤評価_COM危険座標_中盤);

}  // namespace
