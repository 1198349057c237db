// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli match: games between two strengths of the computer, to
// measure how much stronger one is than the other.
//
// Every pair of games starts from the same position, a few random moves
// from the opening (drawn from the seed), once with each player moving
// first (from the bottom).  A game ends when a king is taken, when the side
// to move has no move (it loses), when the log is full (500 moves: a draw)
// or when a position (board, hands, side to move) stands for the fourth
// time (a draw).
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "front/cli/commands.h"
#include "front/cli/numbers.h"
#include "front/cli/players.h"
#include "core/game.h"
#include "core/state.h"

namespace {

constexpr const char* 使い方 =
    "usage: vezuvire-cli match --a LEVEL --b LEVEL --games N [--movetime-a MS] [--movetime-b MS]\n"
    "                          [--depth-a N] [--depth-b N] [--seed S] [--jobs J] [--opening-plies P]\n"
    "                          [--tune-a NAME=V] [--tune-b NAME=V] [--threads-a N] [--threads-b N]\n"
    "                          [--legacy-a] [--legacy-b] [--quiet]\n";

struct 試合設定 {
    対局者設定 A, B;
    int 局数 = 0;
    std::uint64_t 種 = 1;
    int 並列 = 1;
    int 序盤手数 = 4;
    bool 静か = false;
};

enum class 結末 { 王を取った, 手なし, 満杯, 千日手 };

struct 一局 {
    int 番号 = 0;
    double A点 = 0;  // 1 win, 0.5 draw, 0 loss for A
    結末 終わり方 = 結末::満杯;
    int 手数 = 0;
    bool A下手 = true;
    std::vector<double> 秒A, 秒B;
};

一局 戦う(const 試合設定& o, int 番号) {
    一局 結果;
    結果.番号 = 番号;
    結果.A下手 = 番号 % 2 == 0;
    対局者設定 sa = o.A, sb = o.B;
    sa.種 = 混ぜる(o.種 * 2 + 1 + static_cast<std::uint64_t>(番号));
    sb.種 = 混ぜる(o.種 * 2 + 2 + static_cast<std::uint64_t>(番号) * 7);
    auto A = 対局者を作る(sa);
    auto B = 対局者を作る(sb);
    対局 g = 序盤(混ぜる(o.種 ^ (static_cast<std::uint64_t>(番号 / 2) << 20)), o.序盤手数);
    const int A側 = 結果.A下手 ? 下手 : 上手;
    for (;;) {
        if (g.勝者() != 0) {
            結果.A点 = g.勝者() == A側 ? 1 : 0;
            結果.終わり方 = 結末::王を取った;
            break;
        }
        if (g.手数() >= 500) {
            結果.A点 = 0.5;
            結果.終わり方 = 結末::満杯;
            break;
        }
        if (g.同一局面数() >= 4) {
            結果.A点 = 0.5;
            結果.終わり方 = 結末::千日手;
            break;
        }
        const bool A番 = g.手番() == A側;
        対局の手 m;
        double 秒 = 0;
        const bool ある = (A番 ? *A : *B).選ぶ(g, m, 秒);
        if (!ある || !g.合法(m)) {
            結果.A点 = A番 ? 0 : 1;
            結果.終わり方 = 結末::手なし;
            break;
        }
        (A番 ? 結果.秒A : 結果.秒B).push_back(秒);
        g.指す(m);
    }
    結果.手数 = g.手数();
    return 結果;
}

const char* 結末名(結末 e) {
    switch (e) {
        case 結末::王を取った: return "king taken";
        case 結末::手なし: return "no move";
        case 結末::満杯: return "log full";
        case 結末::千日手: return "fourfold repetition";
    }
    return "?";
}

// The rating difference that expects the score 率; unbounded at 0 and 1.
double Elo(double 率) {
    if (率 >= 1) return HUGE_VAL;
    if (率 <= 0) return -HUGE_VAL;
    return -400.0 * std::log10(1.0 / 率 - 1.0);
}

void 時間を書く(std::ostream& out, const char* 名, int レベル, std::vector<double> 秒) {
    if (レベル < 4 || 秒.empty()) return;
    std::sort(秒.begin(), 秒.end());
    char buf[160];
    std::snprintf(buf, sizeof buf, "think time %s (level %d): median %.3f s, max %.3f s over %zu moves\n", 名, レベル,
                  秒[秒.size() / 2], 秒.back(), 秒.size());
    out << buf;
}

int 失敗(const std::string& 理由) {
    std::cerr << "vezuvire-cli match: " << 理由 << "\n" << 使い方;
    return 2;
}

}  // namespace

int cli_match(int argc, char** argv) {
    試合設定 o;
    o.A.レベル = o.B.レベル = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << 使い方;
            return 0;
        }
        if (a == "--quiet") {
            o.静か = true;
            continue;
        }
        if (a == "--legacy-a" || a == "--legacy-b") {
            (a == "--legacy-a" ? o.A : o.B).旧 = true;
            continue;
        }
        if ((a == "--a" || a == "--b") && i + 1 < argc) {
            if (!レベルを読む(argv[++i], (a == "--a" ? o.A : o.B).レベル))
                return 失敗(a + " needs a level from 1 to " + std::to_string(最強レベル));
            continue;
        }
        if ((a == "--tune-a" || a == "--tune-b") && i + 1 < argc) {
            auto& p = a == "--tune-a" ? o.A : o.B;
            p.調整.push_back(argv[++i]);
            探索設定 s;
            評価の重み w;
            if (!探索設定を変える(s, w, p.調整.back())) return 失敗("unknown knob '" + p.調整.back() + "'");
            continue;
        }
        long long n = 0;
        if (i + 1 >= argc || !整数を読む(argv[i + 1], n)) return 失敗("unknown or incomplete argument '" + a + "'");
        ++i;
        if (a == "--games") {
            if (n < 1 || n > 1000000) return 失敗("--games needs a number of games from 1");
            o.局数 = static_cast<int>(n);
        } else if (a == "--movetime-a" || a == "--movetime-b") {
            if (n < 1) return 失敗(a + " needs milliseconds from 1");
            (a == "--movetime-a" ? o.A : o.B).持ち時間 = static_cast<double>(n) / 1000.0;
        } else if (a == "--depth-a" || a == "--depth-b") {
            if (n < 1 || n > 60) return 失敗(a + " needs a depth from 1 to 60");
            (a == "--depth-a" ? o.A : o.B).最大深さ = static_cast<int>(n);
        } else if (a == "--threads-a" || a == "--threads-b") {
            if (n < 1 || n > 64) return 失敗(a + " needs a number from 1 to 64");
            (a == "--threads-a" ? o.A : o.B).スレッド数 = static_cast<int>(n);
        } else if (a == "--seed") {
            o.種 = static_cast<std::uint64_t>(n);
        } else if (a == "--jobs") {
            if (n < 1 || n > 64) return 失敗("--jobs needs a number from 1 to 64");
            o.並列 = static_cast<int>(n);
        } else if (a == "--opening-plies") {
            if (n < 0 || n > 40) return 失敗("--opening-plies needs a number from 0 to 40");
            o.序盤手数 = static_cast<int>(n);
        } else {
            return 失敗("unknown argument '" + a + "'");
        }
    }
    if (o.A.レベル == 0 || o.B.レベル == 0 || o.局数 == 0) return 失敗("--a, --b and --games are needed");
    for (const auto* p : {&o.A, &o.B})
        if (p->旧 && p->レベル != 4 && p->レベル != 5) return 失敗("--legacy-a and --legacy-b go with level 4 or 5");

    std::vector<一局> 結果(static_cast<std::size_t>(o.局数));
    std::atomic<int> 次{0};
    std::mutex 書く;
    auto 働く = [&] {
        for (int i; (i = 次.fetch_add(1)) < o.局数;) {
            一局 r = 戦う(o, i);
            if (!o.静か) {
                std::lock_guard<std::mutex> l(書く);
                std::cout << "game " << i + 1 << ": A (level " << o.A.レベル << ") "
                          << (r.A下手 ? "bottom, moves first" : "top, moves second") << ": "
                          << (r.A点 == 1 ? "A wins" : r.A点 == 0 ? "B wins" : "draw") << " (" << 結末名(r.終わり方)
                          << ", " << r.手数 << " plies)\n"
                          << std::flush;
            }
            結果[static_cast<std::size_t>(i)] = std::move(r);
        }
    };
    std::vector<std::thread> 組;
    for (int j = 1; j < std::min(o.並列, o.局数); ++j) 組.emplace_back(働く);
    働く();
    for (auto& t : 組) t.join();

    int 勝 = 0, 分 = 0, 負 = 0;
    double 和 = 0;
    std::vector<double> 秒A, 秒B;
    for (const auto& r : 結果) {
        (r.A点 == 1 ? 勝 : r.A点 == 0 ? 負 : 分) += 1;
        和 += r.A点;
        秒A.insert(秒A.end(), r.秒A.begin(), r.秒A.end());
        秒B.insert(秒B.end(), r.秒B.begin(), r.秒B.end());
    }
    // The interval of the mean score: Wilson's, with the variance of the
    // games themselves (draws make it smaller than a coin's), so that it
    // stays honest at 0 % and 100 %.
    const double N = static_cast<double>(o.局数);
    const double 率 = 和 / N;
    double 分散 = 0;
    for (const auto& r : 結果) 分散 += (r.A点 - 率) * (r.A点 - 率);
    分散 /= N;
    const double z = 1.96, z2 = z * z;
    const double 中 = (率 + z2 / (2 * N)) / (1 + z2 / N);
    const double 幅 = z * std::sqrt(分散 / N + z2 / (4 * N * N)) / (1 + z2 / N);
    const double 下 = std::max(0.0, 中 - 幅), 上 = std::min(1.0, 中 + 幅);
    char buf[400];
    std::snprintf(buf, sizeof buf,
                  "level %d vs level %d: %d games, A +%d =%d -%d, score %.1f%% (95%%: %.1f%% to %.1f%%), "
                  "Elo %+.0f [%+.0f, %+.0f]\n",
                  o.A.レベル, o.B.レベル, o.局数, 勝, 分, 負, 100 * 率, 100 * 下, 100 * 上, Elo(率), Elo(下), Elo(上));
    std::cout << buf;
    時間を書く(std::cout, "A", o.A.レベル, 秒A);
    時間を書く(std::cout, "B", o.B.レベル, 秒B);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
