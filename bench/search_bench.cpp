// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the computer's search (snapshot, surveys, every board move and
// drop scored) over the fixed positions of the search corpus in tests/data,
// at each strength.
// Besides the mean time per pass over all positions it reports the median
// and the 95th percentile of the time of one move, in milliseconds of the
// searching thread's CPU time: the search runs on one thread and waits for
// nothing, so its CPU time is its cost, and it holds on a machine busy with
// other work, where the wall-clock time of one move mostly measures the
// waiting for a core.  The "CPU" column of the pass is thread CPU time too
// (Google Benchmark's default); "Time" is wall-clock.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <numeric>
#include <vector>

#include "engine/turn.h"
#include "tests/support/search_corpus.h"

namespace {

// CPU time of the calling thread, in milliseconds.
double スレッドCPUms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void BM_COM探索(benchmark::State& st) {
    const int レベル = static_cast<int>(st.range(0));
    // Every position prepared once; each timed search starts from a fresh
    // copy, because a search leaves the computer's tables as its last
    // candidate left them.
    std::vector<std::unique_ptr<COM作業>> 元;
    for (const auto& e : 探索集::局面集()) {
        元.push_back(std::make_unique<COM作業>());
        探索集::置く(*元.back(), e.位置, レベル);
    }
    auto 作業 = std::make_unique<COM作業>();
    std::vector<double> 一手ms, 壁ms;
    for (auto _ : st) {
        for (const auto& e : 元) {
            st.PauseTiming();
            *作業 = *e;
            st.ResumeTiming();
            const auto w0 = std::chrono::steady_clock::now();
            const double t0 = スレッドCPUms();
            benchmark::DoNotOptimize(COM探索(*作業, nullptr));
            一手ms.push_back(スレッドCPUms() - t0);
            壁ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - w0).count());
        }
    }
    // The value a fraction q of the way through a list, once sorted.
    auto 分位 = [](std::vector<double>& v, double q) {
        std::sort(v.begin(), v.end());
        return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
    };
    st.counters["moves"] = static_cast<double>(一手ms.size());
    st.counters["mean_ms"] = std::accumulate(一手ms.begin(), 一手ms.end(), 0.0) / static_cast<double>(一手ms.size());
    st.counters["median_ms"] = 分位(一手ms, 0.5);
    st.counters["p95_ms"] = 分位(一手ms, 0.95);
    st.counters["max_ms"] = 一手ms.back();
    // Wall-clock figures of the same searches, for comparison only: on a
    // busy machine they grow with the load, the CPU figures above do not.
    st.counters["wall_median_ms"] = 分位(壁ms, 0.5);
    st.counters["wall_p95_ms"] = 分位(壁ms, 0.95);
}
BENCHMARK(BM_COM探索)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
