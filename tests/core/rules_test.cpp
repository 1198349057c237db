// The movement rule: every piece type in every facing, drops, blocking.
#include "core/rules.h"

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

// Rotates a facing-0 offset to another facing, a quarter turn clockwise on
// screen per step: (dx, dy) → (−dy, dx).
std::pair<int, int> 回す(std::pair<int, int> v, int facing) {
    for (int i = 0; i < facing; ++i) v = {-v.second, v.first};
    return v;
}

桝集合 形(int x, int y, int facing, const std::vector<std::pair<int, int>>& 下向き) {
    桝集合 out;
    for (auto v : 下向き) {
        auto w = 回す(v, facing);
        out.insert({x + w.first, y + w.second});
    }
    return out;
}

const std::vector<std::pair<int, int>> 歩形 = {{0, 1}};
const std::vector<std::pair<int, int>> 金形 = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
const std::vector<std::pair<int, int>> 銀形 = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
const std::vector<std::pair<int, int>> 桂形 = {{-1, 2}, {1, 2}};
const std::vector<std::pair<int, int>> 王形 = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

}  // namespace

TEST(移動チェック, 小駒の形はどの向きでも回した形で両陣営同じ) {
    状態 s;
    for (int side : {1, -1})
        for (int f = 0; f < 4; ++f) {
            EXPECT_EQ(行き先(s, 5, 5, side * (100 + f)), 形(5, 5, f, 歩形)) << side << f;
            EXPECT_EQ(行き先(s, 5, 5, side * (400 + f)), 形(5, 5, f, 銀形)) << side << f;
            EXPECT_EQ(行き先(s, 5, 5, side * (300 + f)), 形(5, 5, f, 桂形)) << side << f;
            for (int gold : {110, 210, 310, 410, 500})
                EXPECT_EQ(行き先(s, 5, 5, side * (gold + f)), 形(5, 5, f, 金形)) << gold << f;
            EXPECT_EQ(行き先(s, 5, 5, side * (800 + f)), 形(5, 5, f, 王形));
        }
    // Worked examples: facing 1 pawn steps left, facing 3 knight jumps right.
    EXPECT_EQ(行き先(s, 5, 5, 101), (桝集合{{4, 5}}));
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
