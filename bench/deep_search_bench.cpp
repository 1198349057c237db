// SPDX-License-Identifier: GPL-3.0-or-later
// The deeper search (strengths 4 and up) over the positions of the search
// corpus in tests/data, the computer to move: the time to finish depth 4
// and depth 6 (median and worst position, milliseconds), nodes per second
// and how often the transposition table answers.  And the speed of the
// game value alone: moves listed, made and taken back.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <vector>

#include "engine/deep_search.h"
#include "core/game_state.h"
#include "tests/support/search_corpus.h"

namespace {

std::vector<対局> 局面() {
    std::vector<対局> v;
    for (const auto& e : 探索集::局面集()) v.push_back(対局にする(e.位置, 上手));
    return v;
}

void BM_深さまで(benchmark::State& st) {
    const int 深さ = static_cast<int>(st.range(0));
    const auto 集 = 局面();
    探索設定 s;
    s.持ち時間 = 0;
    s.最大深さ = 深さ;
    s.幅 = 0;
    const std::atomic<bool> 止め{false};
    std::vector<double> ms;
    double 節点 = 0, 秒 = 0, 当たり = 0, 問い = 0;
    for (auto _ : st) {
        for (const auto& g : 集) {
            const auto t0 = std::chrono::steady_clock::now();
            const auto r = 深く探索する(g, s, 止め);
            const auto t1 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(r.手);
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            節点 += static_cast<double>(r.節点数);
            秒 += r.秒;
            当たり += static_cast<double>(r.表の当たり);
            問い += static_cast<double>(r.表の問い);
        }
    }
    std::sort(ms.begin(), ms.end());
    st.counters["positions"] = static_cast<double>(集.size());
    st.counters["median_ms"] = ms[ms.size() / 2];
    st.counters["max_ms"] = ms.back();
    st.counters["nps"] = 秒 > 0 ? 節点 / 秒 : 0;
    st.counters["tt_hit_pct"] = 問い > 0 ? 100 * 当たり / 問い : 0;
}
BENCHMARK(BM_深さまで)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_対局_指して戻す(benchmark::State& st) {
    const auto 集 = 局面();
    std::vector<対局の手> 手;
    std::int64_t n = 0;
    for (auto _ : st) {
        for (auto g : 集) {
            g.手を列挙(手);
            for (const auto& m : 手) {
                g.指す(m);
                benchmark::DoNotOptimize(g.ハッシュ());
                g.戻す();
            }
            n += static_cast<std::int64_t>(手.size());
        }
    }
    st.SetItemsProcessed(n);
}
BENCHMARK(BM_対局_指して戻す);

void BM_深い評価(benchmark::State& st) {
    const auto 集 = 局面();
    std::int64_t n = 0;
    for (auto _ : st) {
        for (const auto& g : 集) benchmark::DoNotOptimize(深い評価(g));
        n += static_cast<std::int64_t>(集.size());
    }
    st.SetItemsProcessed(n);
}
BENCHMARK(BM_深い評価);

// The search on 1 or 2 threads sharing the table: the time to finish
// depth 6 over the corpus, and the nodes a second each thread searches
// (lower per thread when the threads wait for the memory or the cores).
void BM_糸で深さまで(benchmark::State& st) {
    const int 糸 = static_cast<int>(st.range(0));
    const auto 集 = 局面();
    探索設定 s;
    s.持ち時間 = 0;
    s.最大深さ = 6;
    s.幅 = 0;
    s.スレッド数 = 糸;
    const std::atomic<bool> 止め{false};
    std::vector<double> ms;
    double 節点 = 0, 秒 = 0;
    for (auto _ : st) {
        for (const auto& g : 集) {
            const auto t0 = std::chrono::steady_clock::now();
            const auto r = 深く探索する(g, s, 止め);
            const auto t1 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(r.手);
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            節点 += static_cast<double>(r.節点数);
            秒 += std::chrono::duration<double>(t1 - t0).count();
        }
    }
    std::sort(ms.begin(), ms.end());
    st.counters["median_ms"] = ms[ms.size() / 2];
    st.counters["max_ms"] = ms.back();
    st.counters["nps_per_thread"] = 秒 > 0 ? 節点 / 秒 / 糸 : 0;
}
BENCHMARK(BM_糸で深さまで)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

// The mean depth the top strength finishes in its second, on 1 or 2
// threads (eight positions of the corpus).
void BM_一秒の深さ(benchmark::State& st) {
    const auto 集 = 局面();
    探索設定 s = 探索設定::レベル(探索設定::最強);
    s.スレッド数 = static_cast<int>(st.range(0));
    const std::atomic<bool> 止め{false};
    double 深さ = 0, n = 0;
    for (auto _ : st) {
        for (std::size_t i = 0; i < 集.size() && i < 8; ++i) {
            深さ += 深く探索する(集[i], s, 止め).深さ;
            n += 1;
        }
    }
    st.counters["mean_depth"] = n > 0 ? 深さ / n : 0;
}
BENCHMARK(BM_一秒の深さ)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

namespace {

// The rung below the top, bounded by positions: the CPU time of one move
// over sixteen positions of the corpus (its worst case is the 1.5 million
// positions it may visit), and how often it finishes its sixth ply.
void BM_段16の一手(benchmark::State& st) {
    const auto 集 = 局面();
    const 探索設定 s = 探索設定::レベル(探索設定::最強 - 1);
    const std::atomic<bool> 止め{false};
    double 六手 = 0, n = 0;
    for (auto _ : st) {
        for (std::size_t i = 0; i < 集.size() && i < 16; ++i) {
            const auto r = 深く探索する(集[i], s, 止め);
            benchmark::DoNotOptimize(r.手);
            六手 += r.深さ >= 6 ? 1 : 0;
            n += 1;
        }
    }
    st.counters["six_plies_share"] = n > 0 ? 六手 / n : 0;
}
BENCHMARK(BM_段16の一手)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
