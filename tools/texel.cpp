// SPDX-License-Identifier: GPL-3.0-or-later
// vz_texel: tunes the deeper search's judgement (engine/deep_eval.h) on the
// computer's games against itself.
//
//   vz_texel play --games N [--nodes K] [--seed S] [--jobs J] > FILE
//   vz_texel tune FILE... [--passes P]
//
// play: N games of the deeper search against itself, each move bounded by
// K thousand positions (default 20) and chosen among the moves within 20
// hundredths of a pawn of the best, from varied openings.  Every
// position from the tenth move of a game on goes through a quiet search
// over captures with the weights in use, and the position that search
// stands on (where the side to move would rather take nothing) is written
// with how the game ended, unless a king falls on the way:
//
//   BOARD HANDS SIDE RESULT     (the first three fields as in the puzzle
//                                file; RESULT "b" or "t" for the side that
//                                took the king, "=" for a draw)
//
// tune: the weights that best predict those results.  A score s (the
// judgement of a position, for the bottom side) predicts the bottom side's
// result as 1 / (1 + 10^(−k·s/400)); k is fitted first to the weights in
// use, then each weight in turn moves by its step while that lowers the
// mean squared error over the positions, the steps halving to 1 when no
// move helps (Texel's method).  Every tenth position is held back and its
// error reported beside the rest, to show the weights were not fitted to
// chance.  The changed weights are printed as the match tool's knobs
// (--tune-a NAME=V) and as the weights' initialiser.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/deep_eval.h"
#include "engine/deep_search.h"
#include "front/cli/players.h"
#include "learn/puzzle_file.h"

namespace {

constexpr const char* 使い方 =
    "usage: vz_texel play --games N [--nodes K] [--seed S] [--jobs J] > FILE\n"
    "       vz_texel tune FILE... [--passes P]\n";

int 失敗(const std::string& 理由) {
    std::cerr << "vz_texel: " << 理由 << "\n" << 使い方;
    return 2;
}

// ---- play ------------------------------------------------------------------

// The quiet search over captures with the weights in use: the score for
// the side to move, and in 道 the captures that lead to the position the
// score stands on.
int 静止(対局& g, int α, int β, int 残り, std::vector<対局の手>& 道) {
    道.clear();
    if (g.勝者() != 0) return -勝ちの点;
    const int 立つ = 深い評価(g);
    if (立つ >= β || 残り == 0) return 立つ;
    α = std::max(α, 立つ);
    std::vector<対局の手> 手;
    g.取る手を列挙(手);
    std::stable_sort(手.begin(), 手.end(), [&](const 対局の手& a, const 対局の手& b) {
        return 取る値(g.駒(a.先X, a.先Y)) > 取る値(g.駒(b.先X, b.先Y));
    });
    std::vector<対局の手> 下;
    for (const 対局の手& m : 手) {
        g.指す(m);
        const int v = -静止(g, -β, -α, 残り - 1, 下);
        g.戻す();
        if (v > α) {
            α = v;
            道.assign(1, m);
            道.insert(道.end(), 下.begin(), 下.end());
            if (α >= β) break;
        }
    }
    return α;
}

// The position the quiet search of g stands on, as a line; empty when a
// king falls on the way (the result is then no question of judgement).
std::string 静かな局面(const 対局& 元) {
    対局 g = 元;
    std::vector<対局の手> 道;
    const int 点 = 静止(g, -勝ちの点, 勝ちの点, 8, 道);
    if (決着の点(点) || std::abs(点) >= 20000) return {};
    for (const auto& m : 道) g.指す(m);
    if (g.勝者() != 0 || g.王を取れる()) return {};
    return 局面の文字(g);
}

// One game; the quiet positions its positions come to, as lines, the result appended.
std::string 一局(std::uint64_t 種, std::uint64_t 千節点) {
    探索設定 設定 = 探索設定::レベル(探索設定::最強);
    設定.持ち時間 = 0;
    設定.最大深さ = 0;
    設定.スレッド数 = 1;
    設定.節点の上限 = 千節点 * 1000;
    設定.幅 = 20;
    設定.置換表の桁 = 16;
    深い探索 探索(設定.置換表の桁);
    const std::atomic<bool> 止め{false};
    対局 g = 序盤(種, 4 + static_cast<int>(種 % 5));
    std::vector<std::string> 行;
    while (g.勝者() == 0 && g.手数() < 500 && g.同一局面数() < 4) {
        if (g.手数() >= 10) {
            std::string l = 静かな局面(g);
            if (!l.empty()) 行.push_back(std::move(l));
        }
        設定.種 = 混ぜる(種 + static_cast<std::uint64_t>(g.手数()));
        const 深い探索の結果 r = 探索.探す(g, 設定, 止め);
        if (!r.あり) break;
        g.指す(r.手);
    }
    // A side left without a move has lost, as in a match.
    const int 勝者 = g.勝者() != 0 ? g.勝者() : g.手数() < 500 && g.同一局面数() < 4 ? -g.手番() : 0;
    const char* 結果 = 勝者 == 下手 ? " b\n" : 勝者 == 上手 ? " t\n" : " =\n";
    std::string 出力;
    for (const auto& l : 行) 出力 += l + 結果;
    return 出力;
}

int 遊ぶ(int argc, char** argv) {
    long long 局数 = 0, 千節点 = 20, 種 = 1, 並列 = 2;
    if (argc % 2 != 0) return 失敗("every option needs a value");
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        long long* p = a == "--games" ? &局数 : a == "--nodes" ? &千節点 : a == "--seed" ? &種 : a == "--jobs" ? &並列 : nullptr;
        if (!p) return 失敗("unknown argument '" + a + "'");
        *p = std::atoll(argv[i + 1]);
    }
    if (局数 < 1 || 千節点 < 1 || 並列 < 1) return 失敗("--games, --nodes and --jobs need numbers from 1");
    std::atomic<long long> 次{0};
    std::mutex 書く;
    auto 働く = [&] {
        for (long long i; (i = 次.fetch_add(1)) < 局数;) {
            const std::string 出力 = 一局(混ぜる(static_cast<std::uint64_t>(種) * 1000003 + static_cast<std::uint64_t>(i)),
                                          static_cast<std::uint64_t>(千節点));
            std::lock_guard<std::mutex> l(書く);
            std::cout << 出力 << std::flush;
            std::cerr << "game " << i + 1 << " of " << 局数 << "\n";
        }
    };
    std::vector<std::thread> 糸;
    for (long long j = 0; j < 並列; ++j) 糸.emplace_back(働く);
    for (auto& t : 糸) t.join();
    return 0;
}

// ---- tune ------------------------------------------------------------------

// What the judgement counts in a position, apart from the weights: the
// judgement is then a short sum, quick enough to be taken over every
// position for every step of every weight.  Counts are the top side's less
// the bottom side's.
struct 標本 {
    int 駒数[14][3] = {};  // board pieces by type index and facing (forward, sideways, backward)
    int 持駒[8] = {};      // pieces in hand by kind
    int 寄り = 0;          // Σ (8 − distance to the other king) over the pieces
    int 王手 = 0, 周り = 0;  // reaches onto the own king's square and next to it (the bottom's less the top's)
    int 利き = 0;          // board moves
    int 手番 = 下手;
    double 結果 = 0.5;     // for the bottom side: 1 won, 0.5 drawn, 0 lost
};

constexpr int 組[14] = {0, 4, 1, 4, 2, 4, 3, 4, 4, -1, -1, -1, -1, -1};

標本 数える(const 対局& g) {
    標本 s;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = g.駒(x, y);
            if (v == 空 || 王(v)) continue;
            const int t = (駒型(v) / 10 - 1) * 2 + 駒型(v) % 10;
            const int d = (駒向き(v) - (v > 0 ? 0 : 2) + 4) % 4;
            const int 符 = v > 0 ? 1 : -1;
            s.駒数[t][d == 0 ? 0 : d == 2 ? 2 : 1] += 符;
            const int 側 = v > 0 ? 下手 : 上手;
            if (g.王X(側) != 0)
                s.寄り += 符 * (8 - std::max(std::abs(g.王X(側) - x), std::abs(g.王Y(側) - y)));
        }
    for (int k = 1; k <= 7; ++k) s.持駒[k] = g.持駒(上手, k) - g.持駒(下手, k);
    for (int 側 : {上手, 下手}) {
        const int kx = g.王X(側), ky = g.王Y(側);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (kx != 0 && 盤上(kx + dx, ky + dy) && g.利いている(-側, kx + dx, ky + dy))
                    (dx == 0 && dy == 0 ? s.王手 : s.周り) += 側 > 0 ? -1 : 1;
    }
    s.利き = g.行き先の数(上手) - g.行き先の数(下手);
    s.手番 = g.手番();
    return s;
}

// The judgement of the counted position, as 深い評価 gives it.
int 評価(const 標本& s, const 評価の重み& w) {
    int 点 = 0;
    for (int t = 0; t < 14; ++t) {
        const int 値 = w.駒[t];
        点 += s.駒数[t][0] * 値;
        for (int r = 1; r <= 2; ++r)
            if (s.駒数[t][r] != 0) 点 += s.駒数[t][r] * (組[t] >= 0 ? 値 - 値 * w.向き損[組[t]][r - 1] / 100 : 値);
    }
    点 += w.寄り * s.寄り;
    for (int k = 1; k <= 7; ++k) 点 += w.駒[(k - 1) * 2] * w.持駒率 / 100 * s.持駒[k];
    点 += w.王手 * s.王手 + w.王の周り * s.周り + w.利き * s.利き;
    点 = std::clamp(点, -20000, 20000);
    return s.手番 > 0 ? 点 : -点;
}

// Every weight the judgement reads, by the name the match tool knows it
// by, with the bounds the tuning keeps it in.
struct 重み {
    std::string 名;
    int* p;
    int 下, 上;
};
std::vector<重み> 重みの一覧(評価の重み& w) {
    std::vector<重み> v;
    // The promoted lance, knight and silver are too rare in the games to be
    // judged apart: they keep their values (a gold's and a little more).
    for (int i : {0, 1, 2, 4, 6, 8, 10, 11, 12, 13}) v.push_back({"駒" + std::to_string(i), &w.駒[i], 20, 3000});
    v.push_back({"持駒率", &w.持駒率, 50, 200});
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 2; ++b)
            v.push_back({"向き" + std::to_string(a) + std::to_string(b), &w.向き損[a][b], 0, 95});
    v.push_back({"王の周り", &w.王の周り, 0, 1000});
    v.push_back({"王手", &w.王手, 0, 1000});
    v.push_back({"利き", &w.利き, 0, 50});
    v.push_back({"寄り", &w.寄り, 0, 50});
    return v;
}

double 予想(double 点, double k) { return 1.0 / (1.0 + std::pow(10.0, -k * 点 / 400.0)); }

// Mean squared error over the samples i with (i % 10 == 9) == 控え.
double 誤差(const std::vector<標本>& 標本集, const 評価の重み& w, double k, bool 控え) {
    double 和 = 0;
    long n = 0;
    for (std::size_t i = 控え ? 9 : 0; i < 標本集.size(); ++i) {
        if ((i % 10 == 9) != 控え) continue;
        const 標本& s = 標本集[i];
        const int 点 = 評価(s, w);
        const double d = s.結果 - 予想(s.手番 == 下手 ? 点 : -点, k);
        和 += d * d;
        ++n;
    }
    return n ? 和 / static_cast<double>(n) : 0;
}

int 調える(int argc, char** argv) {
    int 回数 = 200;
    std::vector<標本> 標本集;
    評価の重み 試し = 標準の重み();
    試し.向き損[2][1] = 70, 試し.持駒率 = 123, 試し.駒[11] = 990, 試し.寄り = 7, 試し.利き = 3;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--passes") == 0 && i + 1 < argc) {
            回数 = std::atoi(argv[++i]);
            continue;
        }
        std::ifstream f(argv[i]);
        if (!f) return 失敗(std::string("cannot read ") + argv[i]);
        for (std::string 行; std::getline(f, 行);) {
            std::istringstream in(行);
            std::string 盤, 持駒, 手番, 結果;
            対局 g;
            if (!(in >> 盤 >> 持駒 >> 手番 >> 結果) || !局面を読む(盤, 持駒, 手番, g)) continue;
            // A king under attack is a question for the search, not for the
            // judgement: such positions would only teach it to fear them.
            if (g.利いている(-g.手番(), g.王X(g.手番()), g.王Y(g.手番()))) continue;
            標本 s = 数える(g);
            s.結果 = 結果 == "b" ? 1.0 : 結果 == "t" ? 0.0 : 0.5;
            // The short sum must be the judgement itself, for any weights.
            if (評価(s, 標準の重み()) != 深い評価(g) || 評価(s, 試し) != 深い評価(g, 試し))
                return 失敗("the counted judgement differs from the search's on " + 行);
            標本集.push_back(s);
        }
    }
    if (標本集.empty()) return 失敗("no positions");
    評価の重み w = 標準の重み();
    // k: the scale of the scores, fitted by narrowing a bracket.
    double lo = 0.05, hi = 3.0;
    for (int i = 0; i < 40; ++i) {
        const double a = lo + (hi - lo) / 3, b = hi - (hi - lo) / 3;
        if (誤差(標本集, w, a, false) < 誤差(標本集, w, b, false)) hi = b;
        else lo = a;
    }
    const double k = (lo + hi) / 2;
    std::printf("%zu positions, k = %.4f\n", 標本集.size(), k);
    double 今 = 誤差(標本集, w, k, false);
    std::printf("start: error %.6f, held back %.6f\n", 今, 誤差(標本集, w, k, true));
    auto 一覧 = 重みの一覧(w);
    std::vector<int> 歩幅;
    for (const auto& e : 一覧) 歩幅.push_back(std::max(1, std::abs(*e.p) / 16));
    for (int 回 = 0; 回 < 回数; ++回) {
        bool 動いた = false;
        for (std::size_t j = 0; j < 一覧.size(); ++j) {
            int& v = *一覧[j].p;
            bool 良くなった = false;
            for (int 向 : {1, -1}) {
                const int 元 = v;
                v = std::clamp(元 + 向 * 歩幅[j], 一覧[j].下, 一覧[j].上);
                const double e = 誤差(標本集, w, k, false);
                if (v != 元 && e < 今) {
                    今 = e;
                    良くなった = true;
                    break;
                }
                v = 元;
            }
            if (良くなった) 動いた = true;
            else if (歩幅[j] > 1) 歩幅[j] /= 2, 動いた = true;
        }
        if (回 % 10 == 9 || !動いた) {
            std::printf("pass %d: error %.6f, held back %.6f\n", 回 + 1, 今, 誤差(標本集, w, k, true));
            std::fflush(stdout);
        }
        if (!動いた) break;
    }
    評価の重み 元 = 標準の重み();
    const auto 元の一覧 = 重みの一覧(元);
    std::printf("knobs:");
    for (std::size_t j = 0; j < 一覧.size(); ++j)
        if (*一覧[j].p != *元の一覧[j].p) std::printf(" --tune-a %s=%d", 一覧[j].名.c_str(), *一覧[j].p);
    std::printf("\n駒 = {");
    for (int i = 0; i < 16; ++i) std::printf("%d%s", w.駒[i], i < 15 ? ", " : "}\n");
    std::printf("持駒率 = %d, 王の周り = %d, 王手 = %d, 利き = %d, 寄り = %d\n向き損 = {", w.持駒率, w.王の周り, w.王手,
                w.利き, w.寄り);
    for (int a = 0; a < 5; ++a) std::printf("{%d, %d}%s", w.向き損[a][0], w.向き損[a][1], a < 4 ? ", " : "}\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "play") == 0) return 遊ぶ(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "tune") == 0) return 調える(argc, argv);
    return 失敗("play or tune?");
}
