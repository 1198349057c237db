// SPDX-License-Identifier: GPL-3.0-or-later
// The lance's line in the influence survey runs the way the lance faces:
// the walk that reads the direction from the movement rule leaves every
// table exactly as the walk named for that direction does, and on an empty
// board it covers exactly the squares the lance may move to.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <utility>

#include "engine/influence.h"
#include "core/position.h"
#include "core/rules.h"
#include "tests/support/random_position.h"

namespace {

using 名前付き = void (*)(COM作業&, int, int, int);

// Facing 0 down the screen (towards row 9), 1 left, 2 up, 3 right.
constexpr 名前付き 向きの直進[4] = {勢力確定下直進, 勢力確定左直進, 勢力確定上直進, 勢力確定右直進};

bool 表が同じ(const COM作業& a, const COM作業& b) {
    return std::memcmp(static_cast<const COM表*>(&a), static_cast<const COM表*>(&b), sizeof(COM表)) == 0;
}

}  // namespace

TEST(香の直進, 向きから選ぶ線は向きの名の線と同じ表を残す) {
    std::mt19937 g(2024);
    std::uniform_int_distribution<int> 桝(1, 9);
    int 比べた = 0;
    for (int i = 0; i < 40; ++i) {
        auto s = std::make_unique<COM作業>();
        局面_設定(*s, 乱局面::作る(g, 0.1 + 0.02 * i));
        勢力調査(*s);  // tables full of a real survey's values
        for (int 側 : {1, -1})
            for (int f = 0; f < 4; ++f) {
                const int 香 = 側 * (200 + f);
                const int x = 桝(g), y = 桝(g);
                s->盤[x][y] = 香;
                auto a = std::make_unique<COM作業>(*s);
                auto b = std::make_unique<COM作業>(*s);
                勢力確定直進(*a, 香, x, y);
                向きの直進[f](*b, 香, x, y);
                EXPECT_TRUE(表が同じ(*a, *b)) << "lance " << 香 << " on (" << x << ", " << y << ")";
                EXPECT_FALSE(表が同じ(*a, *s) && 盤上(x + (f == 3) - (f == 1), y + (f == 0) - (f == 2)))
                    << "the walk left the tables alone: lance " << 香 << " on (" << x << ", " << y << ")";
                ++比べた;
            }
    }
    EXPECT_EQ(比べた, 320);
}

TEST(香の直進, 空の盤では動ける桝をちょうど一度ずつ数える) {
    for (int 香 : {200, 201, 202, 203, -200, -201, -202, -203})
        for (auto [x, y] : {std::pair{5, 5}, std::pair{1, 1}, std::pair{9, 9}, std::pair{1, 9}, std::pair{9, 1}}) {
            auto s = std::make_unique<COM作業>();
            s->盤[x][y] = 香;
            勢力確定直進(*s, 香, x, y);
            const auto& 勢 = 香 > 0 ? s->勢COM : s->勢MAN;
            for (int c = 1; c <= 盤サイズ; ++c)
                for (int r = 1; r <= 盤サイズ; ++r)
                    EXPECT_EQ(勢[c][r], 移動チェック(*s, x, y, c, r, 香))
                        << "lance " << 香 << " on (" << x << ", " << y << ") at (" << c << ", " << r << ")";
        }
}

TEST(香の直進, 香でない駒や駒でない数は何も数えない) {
    std::mt19937 g(7);
    auto s = std::make_unique<COM作業>();
    局面_設定(*s, 乱局面::作る(g, 0.3));
    勢力調査(*s);
    for (int v : {0, 100, -102, 300, 500, 600, -613, 701, -710, -803, 99, 204, -5000}) {
        auto a = std::make_unique<COM作業>(*s);
        勢力確定直進(*a, v, 5, 5);
        EXPECT_TRUE(表が同じ(*a, *s)) << v;
    }
}
