// SPDX-License-Identifier: GPL-3.0-or-later
// A match player's settings: a time, a depth or both bound its search as
// asked, and its knobs start from its level's own weights.
#include "front/cli/players.h"

#include <gtest/gtest.h>

TEST(対局者の設定, 時間と深さの縛りと重みの出どころ) {
    struct 例 {
        int レベル;
        double 秒;
        int 深さ;
        double 期待秒;
        int 期待深さ;
    };
    const 例 表[] = {
        {13, -1, 0, 0, 4},      // the level's own: 4 plies, no clock
        {13, 0.05, 0, 0.05, 0}, // a time alone: no depth
        {13, -1, 7, 0, 7},      // a depth alone: no clock
        {13, 0.05, 7, 0.05, 7}, // both
        {17, -1, 0, 1.0, 0},    // the top: 1 s
    };
    for (const 例& e : 表) {
        対局者設定 o;
        o.レベル = e.レベル, o.持ち時間 = e.秒, o.最大深さ = e.深さ;
        o.調整 = {"寄り=4"};
        探索設定 s;
        評価の重み w;
        ASSERT_TRUE(深い設定(o, s, w));
        EXPECT_EQ(s.持ち時間, e.期待秒) << e.レベル << " " << e.秒 << " " << e.深さ;
        EXPECT_EQ(s.最大深さ, e.期待深さ) << e.レベル << " " << e.秒 << " " << e.深さ;
        // The knob on top of the level's weights, which it points at.
        const 探索設定 段 = 探索設定::レベル(e.レベル);
        EXPECT_EQ(s.重み, &w);
        EXPECT_EQ(w.寄り, 4);
        EXPECT_EQ(w.王の周り, (段.重み ? *段.重み : 標準の重み()).王の周り) << e.レベル;
    }
}
