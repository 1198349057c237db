// SPDX-License-Identifier: GPL-3.0-or-later
// The forced-win search against a plain one: every move of both sides,
// both promotion choices, no table.
#include "engine/mate_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "learn/puzzle_file.h"

namespace {

// The attacker to move wins within n: plainly.
bool 素朴に勝つ(対局& g, int n);

bool 素朴に受ける(対局& g, int n) {
    if (g.王を取れる()) return false;
    std::vector<対局の手> v;
    g.手を列挙(v);
    if (v.empty()) return false;
    for (const auto& d : v) {
        g.指す(d);
        const bool w = 素朴に勝つ(g, n);
        g.戻す();
        if (!w) return false;
    }
    return true;
}

bool 素朴に勝つ(対局& g, int n) {
    if (g.王を取れる()) return true;
    if (n <= 1) return false;
    std::vector<対局の手> v;
    g.手を列挙(v);
    for (const auto& m : v) {
        g.指す(m);
        const bool w = 素朴に受ける(g, n - 1);
        g.戻す();
        if (w) return true;
    }
    return false;
}

std::vector<std::string> 素朴な勝ち手(対局 g, int n) {
    std::vector<std::string> r;
    std::vector<対局の手> v;
    g.手を列挙(v);
    for (const auto& m : v) {
        g.指す(m);
        const bool w = g.勝者() == -g.手番() || (n > 1 && g.勝者() == 0 && 素朴に受ける(g, n - 1));
        g.戻す();
        if (w) r.push_back(手の文字(m));
    }
    std::sort(r.begin(), r.end());
    return r;
}

std::vector<std::string> 文字に(const std::vector<対局の手>& v) {
    std::vector<std::string> r;
    for (const auto& m : v) r.push_back(手の文字(m));
    std::sort(r.begin(), r.end());
    return r;
}

対局 局面(const std::string& 行) {
    const auto a = 行.find(' '), b = 行.rfind(' ');
    対局 g;
    EXPECT_TRUE(局面を読む(行.substr(0, a), 行.substr(a + 1, b - a - 1), 行.substr(b + 1), g)) << 行;
    return g;
}

struct 例 {
    const char* 局面;
    int 手数;            // the shortest win within 2, 0: none
    const char* 勝ち手;  // sorted, ',' between
};

// Small positions (the first three fields of a puzzle line).
const 例 例々[] = {
    // The rook takes the king at once, with or without promoting.
    {"....k0..../........./........./........./........./........./........./....R2..../........K2 - b", 1,
     "5851,5851+"},
    // The king stands beside the rook's line: no win at once, nor in two
    // (the king steps away or takes).
    {"...k0...../........./........./........./........./........./........./....R2..../........K2 - b", 0, ""},
    // A king in the corner behind its own pawn, a gold in hand.
    {"k0......../p0......../........./........./........./........./........./........./........K2 G t", 0, ""},
    // The lance aims along its file at the king: taken at once, promoting
    // or not.
    {"k0......../........./........./........./........./........./........./L2......../........K2 - b", 1,
     "1811,1811+"},
    // A gold dropped beside the king in the corner, the pawn guarding the
    // square below: two drops win in two.
    {"........k0/........./........P2/........./........./........./........./........./K2........ G b", 2,
     "G*71,G*92"},
};

TEST(詰み探索, 小さな局面で素朴な探索と同じ答え) {
    for (const 例& e : 例々) {
        SCOPED_TRACE(e.局面);
        対局 g = 局面(e.局面);
        詰み探索 s;
        const 詰みの答え a = s.解く(g, 2);
        int 素朴 = 0;
        for (int n = 1; n <= 2 && 素朴 == 0; ++n)
            if (素朴に勝つ(g, n)) 素朴 = n;
        EXPECT_EQ(a.手数, 素朴);
        EXPECT_EQ(a.手数, e.手数);
        if (a.手数 > 0) {
            EXPECT_EQ(文字に(a.勝ち手), 素朴な勝ち手(g, a.手数));
        }
        std::string 期待 = e.勝ち手, 実;
        for (const auto& t : 文字に(a.勝ち手)) 実 += (実.empty() ? "" : ",") + t;
        EXPECT_EQ(実, 期待);
    }
}

// Wins in two from the computer's games, and the same positions with the
// other side to move: the search and the plain one agree on the length
// and on every winning first move.
TEST(詰み探索, 二手の問題で素朴な探索と同じ答え) {
    const char* 行々[] = {
        ".n0s0g0k0.s0n0l0/.l0.....b0./p0p0p0.g0p0p0p0p0/..p0..p0.../........./...r0...P2./"
        "P2P2P2.P2P2P2P2N3/.B2..G2S3.L2R1/L2N2S2.K2G2... p t",
        ".g3..P3..n0./.l0.....b2+R3/n1p0G3P1+B0.p0p0./p3.......p3/...k0...../..P1.P1..../"
        "P2P2.P2G2P2P2P2P2/........R2/L2N2S2G2K2.S2N2L2 SLspp b",
        ".+P2..k0s1.n0./l3.....g3.P1/n1s2p0p0.+B3p0p0./p3p1......./........./.......P2./"
        "P2P2P2P2P2P2P2P2./.B2...G3.R2./L2N2S2G2K2.S2N2. RPgll b",
        "l0n0s0.k0g0s0n0l0/.r0.g0...../p0p0p0p0p0p0.p0p0/.....p1p3../.g1...+b2.../..p1p1...../"
        "P2P2K3S0...+r2+p3/L1B2...P3.../.N2...p3.G3. SLnp t",
    };
    for (const char* 行 : 行々) {
        for (const char* 手番 : {"t", "b"}) {
            std::string t = 行;
            t.back() = 手番[0];
            SCOPED_TRACE(t);
            対局 g = 局面(t);
            詰み探索 s;
            const 詰みの答え a = s.解く(g, 2);
            int 素朴 = 0;
            for (int n = 1; n <= 2 && 素朴 == 0; ++n)
                if (素朴に勝つ(g, n)) 素朴 = n;
            EXPECT_EQ(a.手数, 素朴);
            if (a.手数 > 0) {
                EXPECT_EQ(文字に(a.勝ち手), 素朴な勝ち手(g, a.手数));
            }
        }
    }
}

// The best defence: after a move that does not win, the defender finds the
// reply that leaves no win; against a winning one he holds out but loses.
TEST(詰み探索, 最善の受けは勝ちのない手を選ぶ) {
    対局 g = 局面("...k0...../........./........./........./........./........./........./....R2..../........K2 - b");
    対局の手 m{5, 8, 5, 7, 0, false};  // the rook steps up and turns: the king is free
    ASSERT_TRUE(g.合法(m));
    g.指す(m);
    詰み探索 s;
    対局の手 d;
    ASSERT_TRUE(s.最善の受け(g, 1, d));
    g.指す(d);
    EXPECT_FALSE(s.勝てる(g, 1));
}

}  // namespace
