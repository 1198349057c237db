// Speed of the computer's search (snapshot, surveys, every board move and
// drop scored) over the fixed positions of the search corpus in tests/data,
// at each strength.
// Besides the mean time per pass over all positions it reports the median
// and the 95th percentile of the time of one move, in milliseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "com/turn.h"
#include "tests/support/search_corpus.h"

namespace {

void BM_COM探索(benchmark::State& st) {
    const int レベル = static_cast<int>(st.range(0));
    // Every position prepared once; each timed search starts from a fresh
    // copy, because a search leaves the computer's tables as its last
    // candidate left them.
    std::vector<std::unique_ptr<状態>> 元;
    for (const auto& e : 探索集::局面集()) {
        元.push_back(std::make_unique<状態>());
        探索集::置く(*元.back(), e.位置, レベル);
    }
    auto 作業 = std::make_unique<状態>();
    std::vector<double> 一手ms;
    for (auto _ : st) {
        for (const auto& e : 元) {
            st.PauseTiming();
            *作業 = *e;
            st.ResumeTiming();
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(COM探索(*作業, nullptr));
            const auto t1 = std::chrono::steady_clock::now();
            一手ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        }
    }
    std::sort(一手ms.begin(), 一手ms.end());
    auto 分位 = [&](double q) {
        const auto i = static_cast<std::size_t>(q * static_cast<double>(一手ms.size() - 1) + 0.5);
        return 一手ms[i];
    };
    st.counters["moves"] = static_cast<double>(一手ms.size());
    st.counters["median_ms"] = 分位(0.5);
    st.counters["p95_ms"] = 分位(0.95);
    st.counters["max_ms"] = 一手ms.back();
}
BENCHMARK(BM_COM探索)->DenseRange(1, 3)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
