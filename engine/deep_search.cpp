// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deep_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr int 無限 = 32000;
constexpr int 最大手数 = 64;       // plies from the root
constexpr int 記録の手数 = 500;     // the log holds 500 moves: a longer game is a draw

class 既定の時計 final : public 探索時計 {
public:
    double 秒() const override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

// A move packed into 32 bits for the table (0 = no move).
std::uint32_t 詰める(const 対局の手& m) {
    return static_cast<std::uint32_t>(m.元X) | static_cast<std::uint32_t>(m.元Y) << 4 |
           static_cast<std::uint32_t>(m.先X) << 8 | static_cast<std::uint32_t>(m.先Y) << 12 |
           static_cast<std::uint32_t>(m.打) << 16 | static_cast<std::uint32_t>(m.成) << 20 | 1u << 24;
}

enum : std::uint8_t { 正確 = 1, 下限 = 2, 上限 = 3 };

// What the table holds of one position.
struct 表の値 {
    std::uint32_t 手 = 0;
    std::int16_t 点 = 0;
    std::uint8_t 深さ = 0;
    std::uint8_t 種類 = 0;
};

std::uint64_t 包む(const 表の値& v) {
    return static_cast<std::uint64_t>(v.手) | static_cast<std::uint64_t>(static_cast<std::uint16_t>(v.点)) << 32 |
           static_cast<std::uint64_t>(v.深さ) << 48 | static_cast<std::uint64_t>(v.種類) << 56;
}
表の値 解く(std::uint64_t d) {
    表の値 v;
    v.手 = static_cast<std::uint32_t>(d);
    v.点 = static_cast<std::int16_t>(static_cast<std::uint16_t>(d >> 32));
    v.深さ = static_cast<std::uint8_t>(d >> 48);
    v.種類 = static_cast<std::uint8_t>(d >> 56);
    return v;
}

// One slot, shared by every thread of a search: the key is kept mixed with
// the value, so a slot that two threads wrote at once (the key of one, the
// value of the other) reads as another position's, and is not used.
struct 表の項 {
    std::atomic<std::uint64_t> 鍵と値{0};
    std::atomic<std::uint64_t> 値{0};
};

// Scores of a won or lost king are stored relative to the node.
int 表へ(int 点, int ply) {
    if (点 > 勝ちの点 - 1000) return 点 + ply;
    if (点 < -勝ちの点 + 1000) return 点 - ply;
    return 点;
}
int 表から(int 点, int ply) {
    if (点 > 勝ちの点 - 1000) return 点 - ply;
    if (点 < -勝ちの点 + 1000) return 点 + ply;
    return 点;
}

struct 止まった {};

// Late-move reductions: more for later moves at greater depth.  The
// reduction of the i-th move (counted from 0) at depth d is
// ⌊0.75 + ln d · ln i / 2.25⌋ for d, i ≥ 3, else none; the table holds, for
// each depth, the first move number at which it reaches 1, 2, … 10 (256:
// never below 256).  Kept as whole numbers so that no machine's logarithm
// can move a step: the nearest of those values to a whole number is still
// 4·10⁻⁶ away.
constexpr int 減らし段[61][10] = {
    {3, 13, 101, 256, 256, 256, 256, 256, 256, 256},  // 3
    {3, 8, 39, 196, 256, 256, 256, 256, 256, 256},  // 4
    {3, 6, 24, 95, 256, 256, 256, 256, 256, 256},  // 5
    {3, 5, 17, 60, 208, 256, 256, 256, 256, 256},  // 6
    {3, 5, 14, 43, 137, 256, 256, 256, 256, 256},  // 7
    {3, 4, 12, 34, 100, 256, 256, 256, 256, 256},  // 8
    {3, 4, 11, 28, 78, 217, 256, 256, 256, 256},  // 9
    {3, 4, 10, 24, 64, 170, 256, 256, 256, 256},  // 10
    {3, 4, 9, 22, 54, 138, 256, 256, 256, 256},  // 11
    {3, 4, 8, 19, 47, 117, 256, 256, 256, 256},  // 12
    {3, 3, 8, 18, 42, 101, 241, 256, 256, 256},  // 13
    {3, 3, 7, 16, 38, 88, 207, 256, 256, 256},  // 14
    {3, 3, 7, 15, 35, 79, 180, 256, 256, 256},  // 15
    {3, 3, 7, 14, 32, 71, 160, 256, 256, 256},  // 16
    {3, 3, 6, 14, 30, 65, 144, 256, 256, 256},  // 17
    {3, 3, 6, 13, 28, 60, 130, 256, 256, 256},  // 18
    {3, 3, 6, 12, 26, 56, 119, 255, 256, 256},  // 19
    {3, 3, 6, 12, 25, 52, 110, 232, 256, 256},  // 20
    {3, 3, 6, 12, 24, 49, 102, 213, 256, 256},  // 21
    {3, 3, 6, 11, 23, 46, 95, 196, 256, 256},  // 22
    {3, 3, 6, 11, 22, 44, 89, 182, 256, 256},  // 23
    {3, 3, 5, 10, 21, 42, 84, 170, 256, 256},  // 24
    {3, 3, 5, 10, 20, 40, 79, 159, 256, 256},  // 25
    {3, 3, 5, 10, 19, 38, 75, 150, 256, 256},  // 26
    {3, 3, 5, 10, 19, 37, 72, 142, 256, 256},  // 27
    {3, 3, 5, 9, 18, 35, 69, 134, 256, 256},  // 28
    {3, 3, 5, 9, 18, 34, 66, 128, 248, 256},  // 29
    {3, 3, 5, 9, 17, 33, 63, 122, 235, 256},  // 30
    {3, 3, 5, 9, 17, 32, 61, 116, 223, 256},  // 31
    {3, 3, 5, 9, 16, 31, 58, 111, 212, 256},  // 32
    {3, 3, 5, 9, 16, 30, 56, 107, 203, 256},  // 33
    {3, 3, 5, 8, 16, 29, 54, 103, 194, 256},  // 34
    {3, 3, 5, 8, 15, 28, 53, 99, 186, 256},  // 35
    {3, 3, 5, 8, 15, 28, 51, 95, 178, 256},  // 36
    {3, 3, 5, 8, 15, 27, 50, 92, 171, 256},  // 37
    {3, 3, 5, 8, 14, 26, 48, 89, 165, 256},  // 38
    {3, 3, 4, 8, 14, 26, 47, 86, 159, 256},  // 39
    {3, 3, 4, 8, 14, 25, 46, 84, 154, 256},  // 40
    {3, 3, 4, 8, 14, 25, 45, 81, 149, 256},  // 41
    {3, 3, 4, 8, 13, 24, 44, 79, 144, 256},  // 42
    {3, 3, 4, 7, 13, 24, 43, 77, 140, 254},  // 43
    {3, 3, 4, 7, 13, 23, 42, 75, 136, 245},  // 44
    {3, 3, 4, 7, 13, 23, 41, 73, 132, 237},  // 45
    {3, 3, 4, 7, 13, 22, 40, 71, 128, 230},  // 46
    {3, 3, 4, 7, 12, 22, 39, 70, 125, 223},  // 47
    {3, 3, 4, 7, 12, 22, 38, 68, 121, 217},  // 48
    {3, 3, 4, 7, 12, 21, 38, 67, 118, 211},  // 49
    {3, 3, 4, 7, 12, 21, 37, 65, 116, 205},  // 50
    {3, 3, 4, 7, 12, 21, 36, 64, 113, 200},  // 51
    {3, 3, 4, 7, 12, 20, 36, 63, 110, 194},  // 52
    {3, 3, 4, 7, 12, 20, 35, 61, 108, 190},  // 53
    {3, 3, 4, 7, 11, 20, 34, 60, 105, 185},  // 54
    {3, 3, 4, 7, 11, 20, 34, 59, 103, 181},  // 55
    {3, 3, 4, 7, 11, 19, 33, 58, 101, 176},  // 56
    {3, 3, 4, 7, 11, 19, 33, 57, 99, 173},  // 57
    {3, 3, 4, 7, 11, 19, 32, 56, 97, 169},  // 58
    {3, 3, 4, 7, 11, 19, 32, 55, 95, 165},  // 59
    {3, 3, 4, 6, 11, 18, 32, 54, 94, 162},  // 60
    {3, 3, 4, 6, 11, 18, 31, 53, 92, 159},  // 61
    {3, 3, 4, 6, 11, 18, 31, 53, 90, 155},  // 62
    {3, 3, 4, 6, 11, 18, 30, 52, 89, 152},  // 63
};
struct 減らす表 {
    std::uint8_t v[64][256] = {};
    constexpr 減らす表() {
        for (int d = 3; d < 64; ++d)
            for (int i = 3; i < 256; ++i) {
                int n = 0;
                while (n < 10 && i >= 減らし段[d - 3][n]) ++n;
                v[d][i] = static_cast<std::uint8_t>(n);
            }
    }
    const std::uint8_t* operator[](int d) const { return v[d]; }
};
const 減らす表 減らす量;

// One thread's search: its own copy of the game, killers and history; the
// table is the searcher's, shared.
struct 探索者 {
    表の項* 表 = nullptr;
    std::size_t 表の印 = 0;  // entries − 1

    // Per search.
    対局 g;
    const 探索設定* 設定 = nullptr;
    const 評価の重み* 重み = nullptr;
    const std::atomic<bool>* 止め = nullptr;
    const std::atomic<bool>* 終わり = nullptr;  // the first thread is done (helpers only)
    const 探索時計* 時計 = nullptr;
    double 始め = 0, 締切 = 0;
    bool 時間制限 = false;
    std::uint64_t 節点の上限 = 0;  // 0: none
    int 根の側 = 上手;
    int 引分の損 = 0;
    std::uint64_t 節点 = 0, 当たり = 0, 問い = 0;
    対局の手 殺し手[最大手数 + 8][2];
    int 履歴点[2][108][100];
    std::vector<対局の手> 手の置き場[最大手数 + 8];
    std::vector<int> 順の置き場[最大手数 + 8];

    void 止めるか() {
        if ((++節点 & 255) != 0) return;
        if (止め->load(std::memory_order_relaxed)) throw 止まった{};
        if (終わり != nullptr && 終わり->load(std::memory_order_relaxed)) throw 止まった{};
        if (時間制限 && 時計->秒() >= 締切) throw 止まった{};
        if (節点の上限 != 0 && 節点 >= 節点の上限) throw 止まった{};
    }

    bool 探る(std::uint64_t h, 表の値& v) {
        ++問い;
        表の項& e = 表[h & 表の印];
        const std::uint64_t d = e.値.load(std::memory_order_relaxed);
        if ((e.鍵と値.load(std::memory_order_relaxed) ^ d) == h) {
            ++当たり;
            v = 解く(d);
            return true;
        }
        return false;
    }
    void 書く(std::uint64_t h, int 深さ, int 点, std::uint8_t 種類, std::uint32_t 手, int ply) {
        表の項& e = 表[h & 表の印];
        const std::uint64_t 前 = e.値.load(std::memory_order_relaxed);
        const bool 同じ = (e.鍵と値.load(std::memory_order_relaxed) ^ 前) == h;
        const 表の値 古 = 解く(前);
        if (同じ && 古.深さ > 深さ && 種類 != 正確) return;
        表の値 v;
        v.手 = 手 == 0 && 同じ ? 古.手 : 手;
        v.点 = static_cast<std::int16_t>(表へ(点, ply));
        v.深さ = static_cast<std::uint8_t>(std::clamp(深さ, 0, 255));
        v.種類 = 種類;
        const std::uint64_t d = 包む(v);
        e.鍵と値.store(h ^ d, std::memory_order_relaxed);
        e.値.store(d, std::memory_order_relaxed);
    }

    int 元番(const 対局の手& m) const { return m.打ち() ? 100 + m.打 : m.元X * 10 + m.元Y; }
    int& 履歴(int 側, const 対局の手& m) { return 履歴点[側 > 0 ? 0 : 1][元番(m)][m.先X * 10 + m.先Y]; }

    // Orders the moves in place: hash move, captures by victim then
    // attacker, promotions, killers, history.
    void 並べる(std::vector<対局の手>& 手, std::vector<int>& 順, std::uint32_t 表の手, int ply) {
        順.resize(手.size());
        const int 側 = g.手番();
        for (std::size_t i = 0; i < 手.size(); ++i) {
            const 対局の手& m = 手[i];
            int s;
            const int 取 = g.駒(m.先X, m.先Y);
            if (表の手 != 0 && 詰める(m) == 表の手) s = 1'000'000'000;
            else if (取 != 空) {
                const int 攻 = m.打ち() ? 0 : 取る値(g.駒(m.元X, m.元Y), *重み);
                s = 500'000'000 + 取る値(取, *重み) * 16 - 攻 / 16 + (m.成 ? 1000 : 0);
            } else if (m.成) s = 400'000'000;
            else if (m == 殺し手[ply][0]) s = 300'000'000;
            else if (m == 殺し手[ply][1]) s = 299'999'999;
            else s = 履歴(側, m);
            順[i] = s;
        }
        // Insertion sort: stable, so the listing order breaks ties.
        for (std::size_t i = 1; i < 手.size(); ++i) {
            const 対局の手 m = 手[i];
            const int s = 順[i];
            std::size_t j = i;
            for (; j > 0 && 順[j - 1] < s; --j) {
                手[j] = 手[j - 1];
                順[j] = 順[j - 1];
            }
            手[j] = m;
            順[j] = s;
        }
    }

    bool 王手されている() const {
        const int 側 = g.手番();
        const int kx = g.王X(側);
        return kx != 0 && g.利いている(-側, kx, g.王Y(側));
    }

    int 静止(int alpha, int beta, int ply, int 段) {
        止めるか();
        if (g.勝者() != 0) return -勝ちの点 + ply;  // the side to move has lost its king
        if (g.王を取れる()) return 勝ちの点 - ply;
        if (ply >= 最大手数) return 深い評価(g, *重み);
        const bool 王手 = 段 < 1 && 王手されている();
        auto& 手 = 手の置き場[ply];
        if (!王手) {
            const int 今 = 深い評価(g, *重み);
            if (今 >= beta) return 今;
            alpha = std::max(alpha, 今);
            g.取る手を列挙(手);
        } else {
            g.手を列挙(手, true);
            if (手.empty()) return -勝ちの点 + ply;
        }
        int 最善 = 王手 ? -無限 : alpha;
        並べる(手, 順の置き場[ply], 0, ply);
        for (std::size_t i = 0; i < 手.size(); ++i) {
            const 対局の手 m = 手[i];
            // A capture that gives more than it takes onto a guarded square
            // waits for the full search.
            if (!王手 && 設定->枝刈り) {
                const int 取 = g.駒(m.先X, m.先Y);
                if (!王(取) && 取る値(取, *重み) < 取る値(g.駒(m.元X, m.元Y), *重み) &&
                    g.利いている(-g.手番(), m.先X, m.先Y))
                    continue;
            }
            g.指す(m);
            const int 点 = -静止(-beta, -std::max(alpha, 最善), ply + 1, 段 + 1);
            g.戻す();
            if (点 > 最善) {
                最善 = 点;
                if (点 >= beta) return 点;
            }
        }
        return 最善;
    }

    int 探索(int 深さ, int alpha, int beta, int ply, bool null可) {
        止めるか();
        if (g.勝者() != 0) return -勝ちの点 + ply;  // the side to move has lost its king
        if (g.王を取れる()) return 勝ちの点 - ply;
        if (ply > 0 && (g.繰り返した() || g.手数() >= 記録の手数)) return g.手番() == 根の側 ? -引分の損 : 引分の損;
        if (ply >= 最大手数) return 深い評価(g, *重み);
        const bool 王手 = 王手されている();
        if (王手) 深さ += 1;
        if (深さ <= 0) return 静止(alpha, beta, ply, 0);

        const bool PV = beta - alpha > 1;
        std::uint32_t 表の手 = 0;
        if (表の値 e; 探る(g.ハッシュ(), e)) {
            表の手 = e.手;
            const int 点 = 表から(e.点, ply);
            if (!PV && e.深さ >= 深さ) {
                if (e.種類 == 正確) return 点;
                if (e.種類 == 下限 && 点 >= beta) return 点;
                if (e.種類 == 上限 && 点 <= alpha) return 点;
            }
        }

        // Null move: if passing still holds beta, a real move will too.
        if (null可 && !PV && !王手 && 深さ >= 3 && !決着の点(beta)) {
            const int 今 = 深い評価(g, *重み);
            if (今 >= beta) {
                const int R = 深さ >= 6 ? 3 : 2;
                g.パス();
                const int 点 = -探索(深さ - 1 - R, -beta, -beta + 1, ply + 1, false);
                g.パスを戻す();
                if (点 >= beta) return 決着の点(点) ? beta : 点;
            }
        }

        auto& 手 = 手の置き場[ply];
        g.手を列挙(手, true);
        if (手.empty()) return -勝ちの点 + ply;
        並べる(手, 順の置き場[ply], 表の手, ply);
        // The list of this ply is overwritten deeper down only at deeper
        // plies, so it stays valid through the loop.
        const int 元のalpha = alpha;
        // Near the leaves, quiet moves cannot lift a position far below alpha.
        bool 見込みなし = false;
        if (設定->枝刈り && !PV && !王手 && 深さ <= 2 && !決着の点(alpha)) {
            const int 余裕 = 深さ == 1 ? 250 : 550;
            見込みなし = 深い評価(g, *重み) + 余裕 <= alpha;
        }
        int 最善 = -無限;
        std::uint32_t 最善手 = 0;
        const int 側 = g.手番();
        for (std::size_t i = 0; i < 手.size(); ++i) {
            const 対局の手 m = 手[i];
            const bool 取り = g.駒(m.先X, m.先Y) != 空;
            const bool 静か = !取り && !m.成 && !(m == 殺し手[ply][0]) && !(m == 殺し手[ply][1]);
            if (見込みなし && 静か && i > 0 && 最善 > -無限) continue;
            g.指す(m);
            int 点;
            if (i == 0) {
                点 = -探索(深さ - 1, -beta, -alpha, ply + 1, true);
            } else {
                int 減 = 0;
                if (静か && 深さ >= 3 && i >= 3 && !王手)
                    減 = 設定->枝刈り ? 減らす量[std::min(深さ, 63)][std::min<std::size_t>(i, 255)] : (i >= 12 ? 2 : 1);
                点 = -探索(深さ - 1 - 減, -alpha - 1, -alpha, ply + 1, true);
                if (点 > alpha && 減 > 0) 点 = -探索(深さ - 1, -alpha - 1, -alpha, ply + 1, true);
                if (点 > alpha && 点 < beta) 点 = -探索(深さ - 1, -beta, -alpha, ply + 1, true);
            }
            g.戻す();
            if (点 > 最善) {
                最善 = 点;
                最善手 = 詰める(m);
                if (点 > alpha) {
                    alpha = 点;
                    if (点 >= beta) {
                        if (!取り) {
                            if (!(m == 殺し手[ply][0])) {
                                殺し手[ply][1] = 殺し手[ply][0];
                                殺し手[ply][0] = m;
                            }
                            int& h = 履歴(側, m);
                            h += 深さ * 深さ;
                            if (h > 100'000'000) {
                                for (auto& a : 履歴点)
                                    for (auto& b : a)
                                        for (int& c : b) c /= 2;
                            }
                        }
                        break;
                    }
                }
            }
        }
        const std::uint8_t 種類 = 最善 >= beta ? 下限 : 最善 > 元のalpha ? 正確 : 上限;
        書く(g.ハッシュ(), 深さ, 最善, 種類, 最善手, ply);
        return 最善;
    }

    struct 根の手 {
        対局の手 手;
        int 点 = -無限;
        bool 正確 = false;
    };

    // 助手: a helper thread's number (0: the first thread, whose answer
    // counts); odd helpers search one ply deeper than the iteration, so the
    // threads spread over two depths.
    深い探索の結果 探す(const 対局& 元, const 探索設定& 設, const std::atomic<bool>& 止, int 助手 = 0) {
        static const 既定の時計 既定;
        g = 元;
        設定 = &設;
        重み = 設.重み ? 設.重み : &標準の重み();
        止め = &止;
        時計 = 設.時計 ? 設.時計 : &既定;
        始め = 時計->秒();
        時間制限 = 設.持ち時間 > 0;
        締切 = 始め + 設.持ち時間;
        節点 = 当たり = 問い = 0;
        節点の上限 = 設.節点の上限;
        根の側 = g.手番();
        引分の損 = 設.引分の損;
        for (auto& k : 殺し手) k[0] = k[1] = 対局の手{};
        std::memset(履歴点, 0, sizeof 履歴点);

        深い探索の結果 r;
        std::vector<対局の手> 全手;
        g.手を列挙(全手, true);
        if (全手.empty()) return r;
        r.あり = true;
        r.手 = 全手.front();
        std::vector<根の手> 根;
        // Ordered once by the static ordering.
        並べる(全手, 順の置き場[0], 0, 0);
        for (const auto& m : 全手) 根.push_back({m, -無限, false});

        const int 上限深さ = 設.最大深さ > 0 ? std::min(設.最大深さ, 最大手数 - 1) : 最大手数 - 1;
        int 幅 = std::max(0, 設.幅);
        // A move of weakness: drawn from the seed and the position alone.
        if (設.誤り率 > 0 && static_cast<int>(混ぜる(設.種 ^ 元.ハッシュ() ^ 0x5851F42D4C957F2Dull) % 100) < 設.誤り率)
            幅 = std::max(幅, 設.誤りの幅);
        const int 深さの差 = 助手 % 2;
        std::vector<根の手> 確定;  // the last finished iteration
        try {
            for (int d = 1 + 深さの差; d <= 上限深さ; ++d) {
                if (止め->load(std::memory_order_relaxed)) break;
                int 最善 = -無限;
                for (std::size_t i = 0; i < 根.size(); ++i) {
                    根の手& c = 根[i];
                    g.指す(c.手);
                    int 点;
                    if (i == 0) {
                        点 = -探索(d - 1, -無限, 無限, 1, true);
                        c.正確 = true;
                    } else {
                        // Moves within 幅 of the best get an exact score.
                        const int 下 = 決着の点(最善) ? 最善 : 最善 - 幅;
                        点 = -探索(d - 1, -下 - 1, -下, 1, true);
                        c.正確 = 点 > 下;
                        if (点 > 下) 点 = -探索(d - 1, -無限, -下, 1, true);
                    }
                    g.戻す();
                    c.点 = 点;
                    最善 = std::max(最善, 点);
                }
                std::stable_sort(根.begin(), 根.end(), [](const 根の手& a, const 根の手& b) {
                    if (a.正確 != b.正確) return a.正確;
                    return a.点 > b.点;
                });
                確定 = 根;
                r.深さ = d;
                if (決着の点(最善) && 最善 > 0) break;  // a king taken: nothing is better
                if (根.size() == 1) break;
                if (時間制限 && 時計->秒() - 始め > 設.持ち時間 * 0.45) break;
                if (節点の上限 != 0 && 節点 * 100 > 節点の上限 * 45) break;
            }
        } catch (const 止まった&) {
            // The game copy is left mid-line: the result comes from 確定.
        }
        if (!確定.empty()) {
            const int 最善 = 確定.front().点;
            const int 下 = 決着の点(最善) ? 最善 : 最善 - 幅;
            std::vector<const 根の手*> 候補;
            for (const auto& c : 確定)
                if (c.正確 && c.点 >= 下) 候補.push_back(&c);
            std::size_t k = 0;
            if (候補.size() > 1) k = 混ぜる(設.種 ^ 元.ハッシュ()) % 候補.size();
            r.手 = 候補[k]->手;
            r.点 = 候補[k]->点;
            r.候補数 = static_cast<int>(候補.size());
        }
        r.節点数 = 節点;
        r.表の当たり = 当たり;
        r.表の問い = 問い;
        r.秒 = 時計->秒() - 始め;
        return r;
    }
};

}  // namespace

struct 深い探索::中身 {
    std::vector<表の項> 表;
    std::vector<std::unique_ptr<探索者>> 者;  // [0] the first thread, then the helpers

    explicit 中身(std::size_t 桁) : 表(std::size_t{1} << 桁) {}

    探索者& 人(std::size_t i) {
        while (者.size() <= i) {
            者.push_back(std::make_unique<探索者>());
            者.back()->表 = 表.data();
            者.back()->表の印 = 表.size() - 1;
        }
        return *者[i];
    }

    深い探索の結果 探す(const 対局& g, const 探索設定& 設, const std::atomic<bool>& 止) {
        const int n = std::max(1, 設.スレッド数);
        if (n == 1) return 人(0).探す(g, 設, 止);
        for (int i = 1; i < n; ++i) 人(static_cast<std::size_t>(i));
        std::atomic<bool> 終わり{false};
        std::vector<std::thread> 糸;
        for (int i = 1; i < n; ++i)
            糸.emplace_back([&, i] {
                探索者& h = *者[static_cast<std::size_t>(i)];
                h.終わり = &終わり;
                h.探す(g, 設, 止, i);
            });
        深い探索の結果 r = 者[0]->探す(g, 設, 止);
        終わり.store(true);
        for (auto& t : 糸) t.join();
        for (int i = 1; i < n; ++i) r.節点数 += 者[static_cast<std::size_t>(i)]->節点;
        return r;
    }
};

namespace {

// The ladder above the game's own three strengths.  The depth-bounded
// rungs play alike on any machine; the margin and the occasional wider
// margin make the lower ones beatable without random moves.  Each rung
// was set by self-play against the one below (the README's table).
struct 段 {
    int 深さ;  // 0: by time
    double 秒;
    int 幅, 誤り率, 誤りの幅;
    int 糸;  // threads: 0 = as many as the caller allows
    int 千節点 = 0;  // thousands of positions at most (0: no limit)
};
constexpr 段 段表[] = {
    {1, 0, 175, 45, 500, 1},  // 4
    {1, 0, 100, 30, 300, 1},  // 5
    {2, 0, 170, 40, 500, 1},  // 6
    {2, 0, 135, 35, 400, 1},  // 7
    {2, 0, 100, 30, 300, 1},  // 8
    {2, 0, 30, 10, 120, 1},   // 9
    {3, 0, 90, 25, 250, 1},   // 10
    {3, 0, 40, 15, 150, 1},   // 11
    {4, 0, 70, 20, 200, 1},   // 12
    {4, 0, 15, 5, 60, 1},     // 13
    {5, 0, 40, 15, 150, 1},   // 14
    {5, 0, 15, 5, 60, 1},     // 15
    // 16: 6 plies where 1.5 million positions allow, else 5; a number of
    // positions rather than seconds, so that it too plays alike anywhere.
    {6, 0, 15, 5, 60, 1, 1500},
    {0, 1.0, 8, 0, 0, 0},     // 17: the top, on every core
};
static_assert(sizeof 段表 / sizeof 段表[0] == 探索設定::最強 - 3);

}  // namespace

探索設定 探索設定::レベル(int レベル) {
    const 段& e = 段表[std::clamp(レベル, 4, 最強) - 4];
    探索設定 s;
    s.持ち時間 = e.秒;
    s.最大深さ = e.深さ;
    s.幅 = e.幅;
    s.誤り率 = e.誤り率;
    s.誤りの幅 = e.誤りの幅;
    s.節点の上限 = static_cast<std::uint64_t>(e.千節点) * 1000;
    s.スレッド数 = e.糸 == 0 ? static_cast<int>(std::max(1u, std::thread::hardware_concurrency())) : e.糸;
    if (レベル >= 最強 - 1) s.重み = &上の段の重み();
    return s;
}

探索設定 探索設定::旧レベル(int レベル) {
    探索設定 s;
    if (レベル >= 5) {
        s.持ち時間 = レベル5の時間;
        s.幅 = レベル5の幅;
    } else {
        s.持ち時間 = レベル4の時間;
        s.幅 = レベル4の幅;
    }
    return s;
}

bool 探索設定を変える(探索設定& 設定, 評価の重み& w, const std::string& 名と値) {
    const auto eq = 名と値.find('=');
    if (eq == std::string::npos) return false;
    const std::string 名 = 名と値.substr(0, eq);
    char* end = nullptr;
    const long v = std::strtol(名と値.c_str() + eq + 1, &end, 10);
    if (end == 名と値.c_str() + eq + 1 || *end != '\0') return false;
    const int n = static_cast<int>(v);
    if (名 == "幅") 設定.幅 = n;
    else if (名 == "引分の損") 設定.引分の損 = n;
    else if (名 == "枝刈り") 設定.枝刈り = n != 0;
    else if (名 == "深さ" && n >= 0 && n < 最大手数) 設定.最大深さ = n;
    else if (名 == "誤り" && n >= 0 && n <= 100) 設定.誤り率 = n;
    else if (名 == "誤りの幅" && n >= 0) 設定.誤りの幅 = n;
    else if (名 == "スレッド" && n >= 1 && n <= 64) 設定.スレッド数 = n;
    else if (名 == "節点" && n >= 0) 設定.節点の上限 = static_cast<std::uint64_t>(n) * 1000;
    else if (!評価の重みを設定(w, 名, n)) return false;
    return true;
}

深い探索::深い探索(std::size_t 置換表の桁) : 中_(std::make_unique<中身>(置換表の桁)) {}
深い探索::~深い探索() = default;

深い探索の結果 深い探索::探す(const 対局& g, const 探索設定& 設定, const std::atomic<bool>& 止め) {
    return 中_->探す(g, 設定, 止め);
}

void 深い探索::表を消す() {
    for (auto& e : 中_->表) {
        e.鍵と値.store(0, std::memory_order_relaxed);
        e.値.store(0, std::memory_order_relaxed);
    }
}

深い探索の結果 深く探索する(const 対局& g, const 探索設定& 設定, const std::atomic<bool>& 止め) {
    深い探索 s(設定.置換表の桁);
    return s.探す(g, 設定, 止め);
}

COM候補 候補にする(const 対局& g, const 深い探索の結果& r) {
    COM候補 c;
    if (!r.あり) return c;
    c.あり = true;
    const 対局の手& m = r.手;
    c.先X = m.先X;
    c.先Y = m.先Y;
    if (m.打ち()) {
        c.元X = 持駒列_COM;
        c.元Y = m.打;
        c.元駒 = 0;
    } else {
        c.元X = m.元X;
        c.元Y = m.元Y;
        c.元駒 = g.駒(m.元X, m.元Y);
    }
    c.置駒 = g.置く駒(m);
    c.点 = r.点;
    return c;
}
