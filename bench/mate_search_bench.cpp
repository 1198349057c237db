// SPDX-License-Identifier: GPL-3.0-or-later
// The complete search for forced wins: solving a win in two from the
// computer's games (the kind of position the puzzle check proves by the
// hundred), with a fresh table each time.
#include <benchmark/benchmark.h>

#include "engine/mate_search.h"
#include "learn/puzzle_file.h"

namespace {

void BM_MateSearch_WinInTwo(benchmark::State& state) {
    問題 p;
    問題を読む(
        "P3.s0g0k0.s0n0./l3r0...g0..l3/.p0n1....p0p0/p3..+B1p3.p3../........./..P1..P3.../P2P2.P2P2.P2P2P2/"
        "L1...G1S3R1../..+b1.K2G2.N2L2 PPsn t 2 N*38 2 75 406",
        p);
    for (auto _ : state) {
        詰み探索 s;
        benchmark::DoNotOptimize(s.解く(p.局面, 3));
    }
}
BENCHMARK(BM_MateSearch_WinInTwo)->Unit(benchmark::kMillisecond);

}  // namespace
