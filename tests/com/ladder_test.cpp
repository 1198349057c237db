// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder of strengths above 3: every rung below the top is bounded by
// depth alone (no clock), answers a legal move at its depth, and answers
// the same move for the same seed; the weakness never gives up a king it
// can take; and the search on several threads answers a legal move and
// finds the same forced win as one thread.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "core/game_state.h"
#include "core/state.h"
#include "engine/deep_eval.h"
#include "engine/deep_search.h"
#include "tests/support/search_corpus.h"

namespace {

const std::atomic<bool> 止めない{false};

std::vector<対局> 少しの局面(std::size_t n) {
    std::vector<対局> v;
    for (const auto& e : 探索集::局面集()) {
        if (v.size() == n) break;
        v.push_back(対局にする(e.位置, 上手));
    }
    return v;
}

bool 合法手か(const 対局& g, const 対局の手& m) {
    std::vector<対局の手> 手;
    g.手を列挙(手, true);
    for (const auto& x : 手)
        if (x == m) return true;
    return false;
}

}  // namespace

TEST(段, 上から二つ目までは深さだけで決まり_その深さの合法手を毎回同じに答える) {
    struct 例 {
        int レベル, 深さ;
    };
    const 例 表[] = {{4, 1}, {5, 1}, {6, 2}, {7, 2}, {8, 2}, {9, 2}, {10, 3}, {11, 3}, {12, 4}, {13, 4}, {14, 5}, {15, 5}};
    static_assert(sizeof 表 / sizeof 表[0] == 最強レベル - 5);
    const auto 局面 = 少しの局面(3);
    for (const auto& e : 表) {
        探索設定 s = 探索設定::レベル(e.レベル);
        EXPECT_EQ(s.持ち時間, 0) << e.レベル;
        EXPECT_EQ(s.最大深さ, e.深さ) << e.レベル;
        EXPECT_EQ(s.スレッド数, 1) << e.レベル;
        s.置換表の桁 = 16;
        for (std::uint64_t 種 : {1u, 77u}) {
            s.種 = 種;
            for (const auto& g : 局面) {
                const auto a = 深く探索する(g, s, 止めない);
                const auto b = 深く探索する(g, s, 止めない);
                ASSERT_TRUE(a.あり);
                EXPECT_TRUE(合法手か(g, a.手)) << e.レベル;
                EXPECT_TRUE(a.手 == b.手 && a.点 == b.点 && a.節点数 == b.節点数) << e.レベル;
                if (!決着の点(a.点)) {
                    EXPECT_EQ(a.深さ, e.深さ) << e.レベル;
                }
            }
        }
    }
}

// The rung below the top is bounded by a number of positions instead of a
// clock: with a small bound it stops short of its depth, within the bound,
// and answers the same move every time.
TEST(段, 節点の上限で止まる段も毎回同じ手を答える) {
    const 探索設定 段16 = 探索設定::レベル(最強レベル - 1);
    EXPECT_EQ(段16.持ち時間, 0);
    EXPECT_EQ(段16.最大深さ, 6);
    EXPECT_EQ(段16.節点の上限, 1500000u);
    EXPECT_EQ(段16.スレッド数, 1);
    for (std::uint64_t 上限 : {3000u, 20000u}) {
        探索設定 s = 段16;
        s.節点の上限 = 上限;
        s.置換表の桁 = 16;
        for (const auto& g : 少しの局面(2)) {
            const auto a = 深く探索する(g, s, 止めない);
            const auto b = 深く探索する(g, s, 止めない);
            ASSERT_TRUE(a.あり);
            EXPECT_TRUE(合法手か(g, a.手));
            EXPECT_LE(a.節点数, 上限 + 256);
            EXPECT_LT(a.深さ, 6);
            EXPECT_TRUE(a.手 == b.手 && a.点 == b.点 && a.節点数 == b.節点数);
        }
    }
}

// The two highest rungs judge a king's neighbourhood under attack more
// gravely; every rung below and the former strengths keep the weights the
// ladder was measured with.
TEST(段, 上の二段だけが王の周りを重く見る) {
    対局 g;  // a bottom rook reaching the square below the top king
    g.置く(5, 1, 800);
    g.置く(5, 3, -702);
    g.置く(5, 9, -802);
    g.手番を置く(上手);
    g.整える();
    const int 標準 = 深い評価(g);
    auto 評価 = [&](const 探索設定& s) { return 深い評価(g, s.重み ? *s.重み : 標準の重み()); };
    for (int l = 4; l <= 最強レベル; ++l) EXPECT_EQ(評価(探索設定::レベル(l)) < 標準, l >= 最強レベル - 1) << l;
    for (int l : {4, 5}) EXPECT_EQ(評価(探索設定::旧レベル(l)), 標準) << l;
}

TEST(段, 誤りの幅があっても取れる王は必ず取る) {
    // A bottom rook down the open file onto the top king.
    対局 g;
    g.置く(5, 1, 800);
    g.置く(5, 8, -702);
    g.置く(9, 9, -800);
    g.置く(1, 1, 700);
    g.手番を置く(下手);
    g.整える();
    for (int l = 4; l < 最強レベル; ++l)
        for (std::uint64_t 種 = 1; 種 <= 8; ++種) {
            探索設定 s = 探索設定::レベル(l);
            s.誤り率 = 100;
            s.誤りの幅 = 5000;
            s.種 = 種;
            s.置換表の桁 = 12;
            const auto r = 深く探索する(g, s, 止めない);
            ASSERT_TRUE(r.あり);
            対局の手 m = r.手;
            m.成 = false;  // promoting or not, as long as it takes
            EXPECT_TRUE((m == 対局の手{5, 8, 5, 1, 0, false})) << l << " " << 種;
            EXPECT_EQ(r.点, 勝ちの点 - 1);
        }
}

TEST(段, 誤りの手では候補が増え_誤りなしでは増えない) {
    const auto 局面 = 少しの局面(4);
    int 広い = 0, 狭い = 0;
    for (const auto& g : 局面) {
        探索設定 s = 探索設定::レベル(6);
        s.置換表の桁 = 14;
        s.誤り率 = 0;
        狭い += 深く探索する(g, s, 止めない).候補数;
        s.誤り率 = 100;
        広い += 深く探索する(g, s, 止めない).候補数;
    }
    EXPECT_GT(広い, 狭い);
}

TEST(段, 二つの糸で探しても合法手を答え_詰みは一つの糸と同じに見つける) {
    const auto 局面 = 少しの局面(3);
    for (int 糸 : {2, 3}) {
        for (const auto& g : 局面) {
            探索設定 s;
            s.持ち時間 = 0;
            s.最大深さ = 4;
            s.幅 = 0;
            s.スレッド数 = 糸;
            s.置換表の桁 = 16;
            const auto r = 深く探索する(g, s, 止めない);
            ASSERT_TRUE(r.あり);
            EXPECT_TRUE(合法手か(g, r.手));
            EXPECT_EQ(r.深さ, 4);
        }
    }
    // A king to take: every thread count takes it.
    対局 g;
    g.置く(4, 3, 300);
    g.置く(5, 5, -800);
    g.置く(1, 5, 700);
    g.置く(1, 9, -500);
    g.置く(9, 1, 800);
    g.手番を置く(上手);
    g.整える();
    for (int 糸 : {1, 2}) {
        探索設定 s;
        s.持ち時間 = 0;
        s.最大深さ = 3;
        s.スレッド数 = 糸;
        s.置換表の桁 = 12;
        const auto r = 深く探索する(g, s, 止めない);
        対局の手 m = r.手;
        m.成 = false;
        EXPECT_TRUE((m == 対局の手{4, 3, 5, 5, 0, false})) << 糸;
        EXPECT_TRUE(決着の点(r.点) && r.点 > 0);
    }
}
