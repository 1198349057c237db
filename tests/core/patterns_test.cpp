// SPDX-License-Identifier: GPL-3.0-or-later
// The listed destinations against the movement rule itself: read straight
// off the rule table for every code from every square of an empty board,
// and for every piece code, from every source square on the board and in
// either hand, on empty, crowded and random boards, exactly the squares
// 移動チェック allows.
#include "core/patterns.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "core/pieces.h"
#include "core/position.h"
#include "core/rules.h"
#include "tests/support/random_position.h"
#include "view/state.h"
#include "view/course.h"

namespace {

// The rule's answer, asked square by square as the search once did.
桝集合 規則の行き先(const 状態& s, int x, int y, int 駒) {
    桝集合 out;
    for (int x2 = 1; x2 <= 盤サイズ; ++x2)
        for (int y2 = 1; y2 <= 盤サイズ; ++y2)
            if (移動チェック(s, x, y, x2, y2, 駒) == 真) out.入れる(x2, y2);
    return out;
}

// Codes to try: the 112, the empty square, and numbers that are no code
// at all (the rule lets those go nowhere on the board, yet a drop only
// looks at the sign).
std::vector<int> 試す駒() {
    std::vector<int> v = 乱局面::全駒();
    for (int w : {0, 1, -1, 99, -99, 104, -104, 150, -150, 214, 510, -510, 810, -813, 814, -814, 900, -900, 5000})
        v.push_back(w);
    return v;
}

// Every code from every source: the board squares, the hand columns (−1
// and 11, rows 0..10) and the squares just off the board, which go nowhere.
void 全部比べる(const 状態& s, const char* 盤名) {
    int 違い = 0;
    for (int 駒 : 試す駒())
        for (int x = -2; x <= 12; ++x)
            for (int y = -1; y <= 11; ++y) {
                const 桝集合 期待 = 規則の行き先(s, x, y, 駒);
                const 桝集合 得た = 行き先(s, x, y, 駒);
                // The walk names each square once.
                int 回数 = 0;
                行き先を巡る(s, x, y, 駒, [&](int, int) { ++回数; });
                if (!(期待 == 得た) || 回数 != 期待.数()) {
                    if (++違い <= 10)
                        ADD_FAILURE() << 盤名 << ": code " << 駒 << " from (" << x << ", " << y << "): rule allows "
                                      << 期待.数() << " squares, the list has " << 得た.数() << " (" << 回数
                                      << " visits)";
                }
            }
    EXPECT_EQ(違い, 0) << 盤名;
}

// The forward step of each facing: down the screen, then a quarter turn
// clockwise per facing.
constexpr int 前X[4] = {0, -1, 0, 1}, 前Y[4] = {1, 0, -1, 0};

// The squares the rule table gives a code on an empty board, read the long
// way: find the code's kind in the table, turn each move of its own frame
// (forward, to the side) to the facing, keep the steps that stay on the
// board and run each line to the edge.
桝集合 表から(int 駒, int x, int y) {
    const int 型 = 駒絶対(駒) / 10, 向 = 駒絶対(駒) % 10;
    桝集合 out;
    int 行数 = 0;
    for (const auto& 行 : 駒の動き表::規則)
        for (int t : 行.型) {
            if (t != 型) continue;
            ++行数;
            auto 盤へ = [&](駒の動き表::自分向き v) {
                // forward × the facing's step + side × that step turned
                return std::pair{v.前 * 前X[向] - v.横 * 前Y[向], v.前 * 前Y[向] + v.横 * 前X[向]};
            };
            for (auto v : 行.歩) {
                if (v.前 == 0 && v.横 == 0) break;
                const auto [dx, dy] = 盤へ(v);
                if (盤上(x + dx, y + dy)) out.入れる(x + dx, y + dy);
            }
            for (auto v : 行.線) {
                if (v.前 == 0 && v.横 == 0) break;
                const auto [dx, dy] = 盤へ(v);
                for (int k = 1; 盤上(x + k * dx, y + k * dy); ++k) out.入れる(x + k * dx, y + k * dy);
            }
        }
    EXPECT_EQ(行数, 1) << "code " << 駒 << " should be in exactly one row of the rule";
    return out;
}

}  // namespace

TEST(行き先, 空の盤で全駒全桝が規則の表を読んだとおり) {
    状態 s;
    int 違い = 0, 数 = 0;
    for (int 駒 : 乱局面::全駒())
        for (int x = 1; x <= 盤サイズ; ++x)
            for (int y = 1; y <= 盤サイズ; ++y) {
                const 桝集合 期待 = 表から(駒, x, y);
                const 桝集合 得た = 行き先(s, x, y, 駒);
                ++数;
                if (!(期待 == 得た) && ++違い <= 10)
                    ADD_FAILURE() << "code " << 駒 << " from (" << x << ", " << y << "): the table gives " << 期待.数()
                                  << " squares, the list has " << 得た.数();
            }
    EXPECT_EQ(違い, 0);
    EXPECT_EQ(数, 112 * 81);
}

TEST(行き先, 空の盤で全駒全桝が移動チェックと同じ) {
    状態 s;
    全部比べる(s, "empty");
}

TEST(行き先, 詰んだ盤と乱数の盤で全駒全桝が移動チェックと同じ) {
    状態 s;
    // Every square taken, alternating sides: only captures and jumps.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.盤[x][y] = (x + y) % 2 ? 100 : -500;
    全部比べる(s, "full");
    std::mt19937 g(15);
    for (int i = 0; i < 6; ++i) {
        const 局面 k = 乱局面::作る(g, 0.15 + 0.12 * i);
        局面_設定(s, k);
        全部比べる(s, "random");
    }
}

TEST(行き先, 集合は盤の順に並び途中で止められる) {
    桝集合 t;
    t.入れる(9, 9);
    t.入れる(1, 2);
    t.入れる(8, 1);  // bit 63
    t.入れる(8, 2);  // bit 64
    t.入れる(1, 1);
    EXPECT_EQ(t.数(), 5);
    EXPECT_TRUE(t.含む(8, 1) && t.含む(8, 2) && t.含む(9, 9) && !t.含む(2, 1) && !t.含む(0, 1) && !t.含む(9, 10));
    std::vector<std::pair<int, int>> 順;
    EXPECT_FALSE(t.順に([&](int x, int y) {
        順.push_back({x, y});
        return false;
    }));
    EXPECT_EQ(順, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {8, 1}, {8, 2}, {9, 9}}));
    順.clear();
    EXPECT_TRUE(t.順に([&](int x, int y) {
        順.push_back({x, y});
        return x == 8;
    }));
    EXPECT_EQ(順, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {8, 1}}));
    EXPECT_TRUE(桝集合{}.空() && !t.空());
}
