// SPDX-License-Identifier: GPL-3.0-or-later
// The deeper search (strengths 4 and 5): it takes a king when it can, sees
// a forced win three moves ahead, answers the same move for the same seed
// and depth, varies with the seed, and stops at once when told to.
#include "engine/deep_search.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <vector>

#include "core/game.h"
#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "core/setup.h"
#include "learn/puzzle_file.h"
#include "play/new_game.h"
#include "view/course.h"

namespace {

struct 駒置き {
    int x, y, 駒;
};

対局 並べた局面(std::initializer_list<駒置き> 駒, int 手番 = 下手) {
    対局 g;
    for (const auto& p : 駒) g.置く(p.x, p.y, p.駒);
    g.手番を置く(手番);
    g.整える();
    return g;
}

探索設定 深さで(int 深さ, int 幅 = 0, std::uint64_t 種 = 1) {
    探索設定 s;
    s.持ち時間 = 0;
    s.最大深さ = 深さ;
    s.幅 = 幅;
    s.種 = 種;
    s.置換表の桁 = 16;
    return s;
}

const std::atomic<bool> 止めない{false};

// A clock that moves on a millisecond each time it is read, and may pull the
// stop flag at its n-th reading.
class 刻む時計 final : public 探索時計 {
public:
    explicit 刻む時計(std::atomic<bool>* 止め = nullptr, int n = 0) : 止め_(止め), n_(n) {}
    double 秒() const override {
        ++回;
        if (止め_ && 回 >= n_) 止め_->store(true);
        return 回 * 0.001;
    }
    mutable int 回 = 0;

private:
    std::atomic<bool>* 止め_;
    int n_;
};

}  // namespace

TEST(深い探索, 取れる王は取る) {
    struct 例 {
        対局 g;
        対局の手 手;
    };
    const 例 表[] = {
        // A bottom rook down the open file; the top side to move elsewhere.
        {並べた局面({{5, 1, 800}, {5, 8, -702}, {9, 9, -800}, {1, 1, 700}}), {5, 8, 5, 1, 0, false}},
        // A top knight facing down jumps onto the king; a rook could take a gold.
        {並べた局面({{4, 3, 300}, {5, 5, -800}, {1, 5, 700}, {1, 9, -500}, {9, 1, 800}}, 上手), {4, 3, 5, 5, 0, false}},
        // A drop cannot take: the silver facing up takes from below.
        {並べた局面({{3, 3, 800}, {3, 4, -402}, {9, 9, -800}, {8, 8, 600}}), {3, 4, 3, 3, 0, false}},
    };
    for (const auto& e : 表) {
        for (int 深さ : {1, 4}) {
            const auto r = 深く探索する(e.g, 深さで(深さ), 止めない);
            ASSERT_TRUE(r.あり);
            // Promoting or not, as long as it is the capture.
            対局の手 m = r.手;
            m.成 = false;
            EXPECT_EQ(m, e.手) << "depth " << 深さ;
            EXPECT_EQ(r.点, 勝ちの点 - 1);
        }
    }
}

TEST(深い探索, 三手で王を追い詰める) {
    // Two bottom rooks against the lone top king on the second row: rook to
    // the third row, rook to the second, rook to the first; the king is
    // taken on the fourth move whatever it does, and not sooner.
    const 対局 g = 並べた局面({{5, 2, 800}, {9, 6, -700}, {1, 7, -700}, {9, 9, -800}});
    const auto r = 深く探索する(g, 深さで(7), 止めない);
    ASSERT_TRUE(r.あり);
    EXPECT_EQ(r.点, 勝ちの点 - 6);
    // After the move every answer of the king still loses as fast.
    対局 h = g;
    h.指す(r.手);
    const auto 応 = 深く探索する(h, 深さで(6), 止めない);
    EXPECT_EQ(応.点, -(勝ちの点 - 5));
    // Too shallow a search does not claim it.
    EXPECT_FALSE(決着の点(深く探索する(g, 深さで(2), 止めない).点));
}

TEST(深い探索, 王を取られる手は指さない) {
    // The top king may take the rook next to it, but a bottom gold guards
    // the rook: taking it loses the king.  Any other move is fine.
    const 対局 g = 並べた局面({{5, 1, 800}, {5, 2, -700}, {5, 3, -502}, {9, 9, -800}, {1, 1, 200}}, 上手);
    const auto r = 深く探索する(g, 深さで(3), 止めない);
    ASSERT_TRUE(r.あり);
    EXPECT_FALSE(r.手 == (対局の手{5, 1, 5, 2, 0, false}));
    対局 h = g;
    h.指す(r.手);
    EXPECT_FALSE(h.王を取れる());
}

TEST(深い探索, 同じ種と深さなら同じ手) {
    const 対局 g = 対局::初期局面();
    for (int 幅 : {0, 20}) {
        const auto a = 深く探索する(g, 深さで(4, 幅, 9), 止めない);
        const auto b = 深く探索する(g, 深さで(4, 幅, 9), 止めない);
        EXPECT_EQ(a.手, b.手);
        EXPECT_EQ(a.点, b.点);
        EXPECT_EQ(a.節点数, b.節点数);
        EXPECT_TRUE(g.合法(a.手));
    }
}

TEST(深い探索, 種が違えば近い点の手から選び分ける) {
    const 対局 g = 対局::初期局面();
    std::set<std::tuple<int, int, int, int>> 手;
    for (std::uint64_t 種 = 1; 種 <= 12; ++種) {
        const auto r = 深く探索する(g, 深さで(3, 20, 種), 止めない);
        EXPECT_GT(r.候補数, 1);
        手.insert({r.手.元X, r.手.元Y, r.手.先X, r.手.先Y});
    }
    EXPECT_GE(手.size(), 3u);
    // Without a margin the seed changes nothing.
    const auto a = 深く探索する(g, 深さで(3, 0, 1), 止めない);
    const auto b = 深く探索する(g, 深さで(3, 0, 2), 止めない);
    EXPECT_EQ(a.手, b.手);
    EXPECT_EQ(a.候補数, 1);
}

TEST(深い探索, 止めてあれば直ちに合法手を返す) {
    const 対局 g = 対局::初期局面();
    const std::atomic<bool> 止め{true};
    探索設定 s = 深さで(30);
    const auto r = 深く探索する(g, s, 止め);
    ASSERT_TRUE(r.あり);
    EXPECT_TRUE(g.合法(r.手));
    EXPECT_EQ(r.深さ, 0);
    EXPECT_LE(r.節点数, 256u);
}

TEST(深い探索, 探索中に止めるとすぐ戻る) {
    const 対局 g = 対局::初期局面();
    std::atomic<bool> 止め{false};
    // The clock is read every 256 nodes once a time limit is set; it pulls
    // the flag at its 40th reading, deep inside a search that would
    // otherwise run to depth 30.
    刻む時計 時計(&止め, 40);
    探索設定 s = 深さで(30);
    s.持ち時間 = 1e9;
    s.時計 = &時計;
    const auto r = 深く探索する(g, s, 止め);
    ASSERT_TRUE(r.あり);
    EXPECT_TRUE(g.合法(r.手));
    EXPECT_LT(r.深さ, 30);
    EXPECT_LE(r.節点数, 41u * 256u);
}

TEST(深い探索, 時間は差し替えた時計で測る) {
    const 対局 g = 対局::初期局面();
    刻む時計 時計;
    探索設定 s;
    s.持ち時間 = 0.05;  // fifty readings of the clock
    s.時計 = &時計;
    s.置換表の桁 = 16;
    const auto a = 深く探索する(g, s, 止めない);
    刻む時計 時計2;
    s.時計 = &時計2;
    const auto b = 深く探索する(g, s, 止めない);
    EXPECT_EQ(a.手, b.手);
    EXPECT_EQ(a.節点数, b.節点数);
    EXPECT_LE(時計.回, 60);
    EXPECT_GE(a.深さ, 1);
}

TEST(深い探索, 選んだ手は手番の側の合法手) {
    // Random positions from short random games: the answer is always one of
    // the listed moves, and the game's move routine plays it to the same
    // position.
    std::uint64_t r = 5;
    for (int 局 = 0; 局 < 6; ++局) {
        対局 g = 対局::初期局面();
        std::vector<対局の手> 手;
        for (int i = 0; i < 30 + 局 * 7 && g.勝者() == 0; ++i) {
            g.手を列挙(手);
            r = r * 6364136223846793005ull + 1442695040888963407ull;
            g.指す(手[(r >> 33) % 手.size()]);
        }
        if (g.勝者() != 0) continue;
        const auto res = 深く探索する(g, 深さで(3, 10, 局), 止めない);
        ASSERT_TRUE(res.あり);
        EXPECT_TRUE(g.合法(res.手));
    }
}

TEST(深い探索, 候補は状態の手として指せる) {
    // The top side's choice handed over as the computer's turn hands a move
    // to the move routine: source, code and promotion.
    auto s = std::make_unique<状態>();
    桝色設定(*s);
    新規対局(*s);
    s->手番 = s->手番_COM;
    const 対局 g = 対局にする(*s);
    ASSERT_EQ(g.手番(), 上手);
    const auto r = 深く探索する(g, 深さで(2), 止めない);
    const COM候補 c = 候補にする(g, r);
    ASSERT_TRUE(c.あり);
    駒を動かす(*s, c.元X, c.元Y, c.先X, c.先Y, c.置駒);
    対局 h = g;
    h.指す(r.手);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(h.駒(x, y), s->盤[x][y]);
}

// The game's move count goes with it into the search: a win that needs
// moves past the end of the record (500 moves) is no win.
TEST(深い探索, 記録の終わりを越える勝ちは勝ちでない) {
    対局 p;  // the top side takes the king in two of its moves (S*79 first)
    ASSERT_TRUE(局面を読む("l0n0s0g0k0g0s0n0./.r0......l3/p0p0p0p0p0p0.p0p0/.......p0./.....P2.../"
                           ".P3P1..P3.P2L1/P2...P2.P2P2./n3...G1..../+b0.+l3.G3K2.+b1.",
                           "SNrs", "t", p));
    auto s = std::make_unique<状態>();
    桝色設定(*s);
    新規対局(*s);
    局面を置く(*s, 局面にする(p));
    s->手番 = s->手番_COM;
    for (const auto& [手数, 勝ち] : {std::pair{10, true}, std::pair{499, false}}) {
        s->手数 = 手数;
        const auto r = 深く探索する(対局にする(*s), 深さで(4), 止めない);
        EXPECT_EQ(決着の点(r.点), 勝ち) << 手数;
    }
}

TEST(深い探索, 調整のつまみ) {
    struct 例 {
        const char* 文;
        bool 可;
    };
    const 例 表[] = {{"幅=7", true},      {"引分の損=0", true}, {"枝刈り=0", true}, {"利き=3", true},
                     {"駒13=1400", true}, {"向き31=30", true},  {"向き20=50", true}, {"駒16=1", false},
                     {"向き52=1", false}, {"なに=1", false},    {"幅=", false},      {"幅=x", false},
                     {"幅", false}};
    for (const auto& e : 表) {
        探索設定 s;
        評価の重み w;
        EXPECT_EQ(探索設定を変える(s, w, e.文), e.可) << e.文;
    }
    探索設定 s;
    評価の重み w;
    ASSERT_TRUE(探索設定を変える(s, w, "幅=7"));
    ASSERT_TRUE(探索設定を変える(s, w, "枝刈り=0"));
    ASSERT_TRUE(探索設定を変える(s, w, "駒13=1400"));
    ASSERT_TRUE(探索設定を変える(s, w, "向き31=30"));
    EXPECT_EQ(s.幅, 7);
    EXPECT_FALSE(s.枝刈り);
    EXPECT_EQ(w.駒[13], 1400);
    EXPECT_EQ(w.向き損[3][1], 30);
    // The weights change the judgement: a top rook in hand is worth more,
    // so the bottom side to move stands worse.
    対局 g = 対局::初期局面();
    g.持駒を置く(上手, 7, 1);
    g.整える();
    評価の重み 高い;
    ASSERT_TRUE(探索設定を変える(s, 高い, "駒12=2000"));
    EXPECT_GT(深い評価(g), 深い評価(g, 高い));
}
