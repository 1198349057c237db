// SPDX-License-Identifier: GPL-3.0-or-later
// The movement rule: every piece type in every facing, drops, blocking.
#include "core/rules.h"
#include "view/state.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using 桝集合 = std::set<std::pair<int, int>>;

// Every square the piece may reach from (x, y) on the board as it stands.
桝集合 行き先(const 状態& s, int x, int y, int code) {
    桝集合 out;
    for (int c = 0; c <= 10; ++c)
        for (int r = 0; r <= 10; ++r)
            if (移動チェック(s, x, y, c, r, code) == 真) out.insert({c, r});
    return out;
}

// The squares of a set turned about (5, 5) by the facing: a quarter turn
// clockwise on screen per step, (dx, dy) → (−dy, dx).
桝集合 回す(const 桝集合& t, int facing) {
    桝集合 out;
    for (auto [x, y] : t) {
        int dx = x - 5, dy = y - 5;
        for (int i = 0; i < facing; ++i) {
            const int d = dx;
            dx = -dy;
            dy = d;
        }
        out.insert({5 + dx, 5 + dy});
    }
    return out;
}

}  // namespace

// Facing down the screen from (5, 5), the worked examples of the rule.
TEST(移動チェック, 下向きの小駒は規則の例のとおり) {
    状態 s;
    const 桝集合 金 = {{4, 6}, {5, 6}, {6, 6}, {4, 5}, {6, 5}, {5, 4}};
    for (int side : {1, -1}) {
        EXPECT_EQ(行き先(s, 5, 5, side * 100), (桝集合{{5, 6}})) << side;
        for (int gold : {110, 210, 310, 410, 500}) EXPECT_EQ(行き先(s, 5, 5, side * gold), 金) << side * gold;
        EXPECT_EQ(行き先(s, 5, 5, side * 300), (桝集合{{4, 7}, {6, 7}})) << side;
        EXPECT_EQ(行き先(s, 5, 5, side * 400), (桝集合{{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}})) << side;
        EXPECT_EQ(行き先(s, 5, 5, side * 800), (桝集合{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}}))
            << side;
    }
}

// Every other facing is the same pattern turned, for every kind, and the
// two sides move alike.
TEST(移動チェック, どの駒もどの向きでも下向きの形を回した形で両陣営同じ) {
    状態 s;
    for (int 型 : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80}) {
        const 桝集合 下 = 行き先(s, 5, 5, 型 * 10);
        EXPECT_FALSE(下.empty()) << 型;
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(行き先(s, 5, 5, 型 * 10 + f), 回す(下, f)) << 型 << f;
            EXPECT_EQ(行き先(s, 5, 5, -(型 * 10 + f)), 回す(下, f)) << 型 << f;
        }
    }
    // Worked examples: pawns and knights in the other facings.
    EXPECT_EQ(行き先(s, 5, 5, 101), (桝集合{{4, 5}}));
    EXPECT_EQ(行き先(s, 5, 5, -102), (桝集合{{5, 4}}));
    EXPECT_EQ(行き先(s, 5, 5, 103), (桝集合{{6, 5}}));
    EXPECT_EQ(行き先(s, 5, 5, 301), (桝集合{{3, 4}, {3, 6}}));
    EXPECT_EQ(行き先(s, 5, 5, -302), (桝集合{{4, 3}, {6, 3}}));
    EXPECT_EQ(行き先(s, 5, 5, -303), (桝集合{{7, 4}, {7, 6}}));
    EXPECT_EQ(行き先(s, 5, 5, -402), (桝集合{{4, 4}, {5, 4}, {6, 4}, {4, 6}, {6, 6}}));
}

TEST(移動チェック, 香は向いた方へまっすぐ最初の駒まで) {
    状態 s;
    桝集合 down, left, up, right;
    for (int k = 6; k <= 9; ++k) down.insert({5, k});
    for (int k = 1; k <= 4; ++k) left.insert({k, 5}), up.insert({5, k});
    for (int k = 6; k <= 9; ++k) right.insert({k, 5});
    for (int side : {1, -1}) {
        EXPECT_EQ(行き先(s, 5, 5, side * 200), down);
        EXPECT_EQ(行き先(s, 5, 5, side * 201), left);
        EXPECT_EQ(行き先(s, 5, 5, side * 202), up);
        EXPECT_EQ(行き先(s, 5, 5, side * 203), right);
    }
    s.盤[5][3] = -100;  // own piece blocks
    EXPECT_EQ(行き先(s, 5, 5, -202), (桝集合{{5, 4}}));
    s.盤[5][3] = 100;  // enemy piece can be taken, nothing beyond
    EXPECT_EQ(行き先(s, 5, 5, -202), (桝集合{{5, 4}, {5, 3}}));
}

TEST(移動チェック, 桂は間の駒を飛び越す) {
    状態 s;
    s.盤[5][6] = 100;
    s.盤[5][7] = -100;
    EXPECT_EQ(行き先(s, 5, 5, 300), (桝集合{{4, 7}, {6, 7}}));
    // At the edge the off-board jump is simply refused.
    EXPECT_EQ(行き先(s, 1, 1, 300), (桝集合{{2, 3}}));
}

TEST(移動チェック, 角と飛は筋が通るまで_成ると一歩も加わる) {
    状態 s;
    s.盤[3][3] = 100;
    s.盤[7][7] = -100;
    auto b = 行き先(s, 5, 5, 600);
    EXPECT_TRUE(b.count({4, 4}) && b.count({6, 6}) && b.count({7, 7}));
    EXPECT_FALSE(b.count({3, 3}) || b.count({8, 8}) || b.count({5, 4}));
    EXPECT_EQ(b.size(), 3u + 4u + 4u);  // two blocked diagonals plus two open ones

    状態 e;
    auto r = 行き先(e, 5, 5, 710);
    EXPECT_EQ(r.size(), 16u + 4u);  // full row and column plus the four diagonal neighbours
    EXPECT_TRUE(r.count({4, 4}) && r.count({6, 6}) && r.count({5, 1}) && r.count({9, 5}));
    auto h = 行き先(e, 5, 5, -612);
    EXPECT_EQ(h.size(), 16u + 4u);
    EXPECT_TRUE(h.count({5, 4}) && h.count({1, 1}) && h.count({9, 9}));

    EXPECT_EQ(移動チェック飛車(e, 2, 2, 2, 2), 真);
    EXPECT_EQ(移動チェック角(e, 2, 2, 2, 2), 真);
    EXPECT_EQ(移動チェック角(e, 2, 2, 3, 5), 偽);
    EXPECT_EQ(移動チェック飛車(e, 2, 2, 3, 5), 偽);
}

TEST(移動チェック, 打つ駒は空いた桝ならどこへでも自分の駒台からだけ) {
    状態 s;
    s.盤[5][7] = -102;
    s.盤[5][3] = 100;
    // A MAN pawn drop: any empty square, row 1 and a column with a pawn included.
    EXPECT_EQ(移動チェック(s, 11, 3, 5, 1, -102), 真);
    EXPECT_EQ(移動チェック(s, 11, 3, 5, 5, -102), 真);
    EXPECT_EQ(移動チェック(s, 11, 3, 5, 3, -102), 偽);  // occupied by the enemy
    EXPECT_EQ(移動チェック(s, 11, 3, 5, 7, -102), 偽);
    EXPECT_EQ(移動チェック(s, -1, 1, 5, 9, 100), 真);
    // Only the owner's own hand column; the row is not examined.
    EXPECT_EQ(移動チェック(s, -1, 1, 5, 5, -102), 偽);
    EXPECT_EQ(移動チェック(s, 11, 99, 5, 5, 100), 偽);
    EXPECT_EQ(移動チェック(s, 11, 99, 5, 5, -102), 真);
    // Other off-board sources have no pattern to walk.
    EXPECT_EQ(移動チェック(s, 0, 5, 1, 5, -703), 偽);
    EXPECT_EQ(移動チェック(s, 12, 5, 9, 5, -701), 偽);
    EXPECT_EQ(移動チェック(s, -5, 5, 1, 5, 203), 偽);
}

TEST(移動チェック, 盤外_同じ桝_味方の駒_不正な駒コード) {
    状態 s;
    EXPECT_EQ(移動チェック(s, 5, 1, 5, 0, 202), 偽);
    EXPECT_EQ(移動チェック(s, 9, 5, 10, 5, 803), 偽);
    EXPECT_EQ(移動チェック(s, 5, 5, 5, 5, 800), 偽);
    s.盤[5][4] = 100;
    EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, -800), 真);
    s.盤[5][4] = -100;
    EXPECT_EQ(移動チェック(s, 5, 5, 5, 4, -800), 偽);
    状態 e;
    for (int bad : {0, 104, 510, 810, 900, 99, -99, 1000, -1234}) EXPECT_EQ(行き先(e, 5, 5, bad).size(), 0u) << bad;
}
