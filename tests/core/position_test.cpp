// SPDX-License-Identifier: GPL-3.0-or-later
// One position type: taken from the board or the log, put back on the board
// or into the log, for every slot the log has and none beyond.
#include "core/position.h"
#include "view/state.h"
#include "view/course.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

局面 例() {
    局面 k;
    k.盤[5][1] = COM_王0;
    k.盤[4][8] = MAN_王3;
    k.盤[2][3] = MAN_歩1;
    k.持駒_MAN[7] = 2;
    k.持駒_COM[1] = 18;
    k.持駒_COM[3] = 1;
    return k;
}

}  // namespace

TEST(局面, 置くと手駒の数と両方の王の位置も揃う) {
    auto s = std::make_unique<状態>();
    auto 記憶 = std::make_unique<COM表>();  // the computer answering in the game
    s->COM記憶 = 記憶.get();
    局面_設定(*s, 例());
    EXPECT_EQ(局面_取得(*s), 例());
    EXPECT_EQ(s->持駒数_MAN, 2);
    EXPECT_EQ(s->持駒数_COM, 19);
    EXPECT_EQ(記憶->王X_MAN, 4);
    EXPECT_EQ(記憶->王Y_MAN, 8);
    EXPECT_EQ(記憶->王X_COM, 5);
    EXPECT_EQ(記憶->王Y_COM, 1);
    // Kings in the last column and row are found as well.
    局面 隅 = 例();
    隅.盤[5][1] = 隅.盤[4][8] = 空;
    隅.盤[9][1] = COM_王0;
    隅.盤[9][9] = MAN_王3;
    局面_設定(*s, 隅);
    EXPECT_EQ(記憶->王X_MAN * 10 + 記憶->王Y_MAN, 99);
    EXPECT_EQ(記憶->王X_COM * 10 + 記憶->王Y_COM, 91);
    // A working copy of the computer keeps it in its own tables.
    auto w = std::make_unique<COM作業>();
    局面_設定(*w, 例());
    EXPECT_EQ(w->王X_COM, 5);
    EXPECT_EQ(w->王Y_COM, 1);
    EXPECT_EQ(w->持駒数_COM, 19);
}

TEST(局面, 記録は0から500までの枠に入り外は空の局面と読む) {
    auto s = std::make_unique<状態>();
    for (int n : {0, 1, 499, 履歴最大}) {
        SCOPED_TRACE(n);
        s->記録.書く(n).面 = 例();
        EXPECT_EQ(s->記録[n].面, 例());
    }
    EXPECT_EQ(s->記録[2].面, 局面{});
    EXPECT_EQ(s->記録[履歴最大 + 1].面, 局面{});
    EXPECT_EQ(s->記録[-1].面, 局面{});
}
