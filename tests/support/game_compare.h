// SPDX-License-Identifier: GPL-3.0-or-later
// Two states hold the same game: every member a continuation of the game
// depends on, compared one by one so that a failure names the member.  Left
// out: the clock's running parts (start time, timer, shown seconds), the
// selection of the mouse handler, the options and the sound handles, which
// belong to the session and not to the game.  再開待ち is compared unless
// 再開待ちも is false.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "engine/com_tables.h"
#include "view/state.h"

inline void 同じ対局か(const 状態& a, const 状態& b, bool 再開待ちも = true) {
#define VZ_SAME(m) EXPECT_EQ(a.m, b.m) << #m
    VZ_SAME(手番_MAN);
    VZ_SAME(手番_COM);
    VZ_SAME(手番);
    VZ_SAME(勝者);
    VZ_SAME(操作.対局種別);
    VZ_SAME(レベル);
    VZ_SAME(手数);
    VZ_SAME(棋譜手数);
    VZ_SAME(棋譜最終手数);
    VZ_SAME(時計.所有時間_MAN);
    VZ_SAME(時計.所有時間_COM);
    VZ_SAME(時計.経過秒);
    VZ_SAME(操作.棋譜モード);
    VZ_SAME(操作.ハンデ設定中);
    VZ_SAME(操作.ハンデレベル);
    if (再開待ちも) {
        VZ_SAME(操作.再開待ち);
    }
    VZ_SAME(持駒数_MAN);
    VZ_SAME(持駒数_COM);
#undef VZ_SAME
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) EXPECT_EQ(a.盤[x][y], b.盤[x][y]) << "盤 " << x << "," << y;
    for (int i = 0; i <= 7; ++i) {
        EXPECT_EQ(a.持駒_MAN[i], b.持駒_MAN[i]) << "持駒_MAN " << i;
        EXPECT_EQ(a.持駒_COM[i], b.持駒_COM[i]) << "持駒_COM " << i;
    }
    // The log up to its last slot; slots after it are never read again.
    const int n = a.棋譜最終手数 < 0 || a.棋譜最終手数 > 履歴最大 ? -1 : a.棋譜最終手数;
    for (int i = 0; i <= n; ++i) EXPECT_TRUE(a.記録[i] == b.記録[i]) << "記録 " << i;
    // The memory of the computer answering in each: ints only, so the bytes
    // say it all.
    ASSERT_EQ(a.COM記憶 == nullptr, b.COM記憶 == nullptr) << "COM記憶";
    if (a.COM記憶 != nullptr) {
        EXPECT_EQ(std::memcmp(a.COM記憶, b.COM記憶, sizeof(COM表)), 0) << "COM表";
    }
}

// A game state with the memory of a computer answering in it, as the window
// keeps the two side by side.  A copy points at its own copy of the memory.
struct 記憶つき対局 : 状態 {
    COM表 記憶;
    記憶つき対局() { COM記憶 = &記憶; }
    記憶つき対局(const 記憶つき対局& o) : 状態(o), 記憶(o.記憶) { COM記憶 = &記憶; }
    記憶つき対局& operator=(const 記憶つき対局& o) {
        状態::operator=(o);
        記憶 = o.記憶;
        COM記憶 = &記憶;
        return *this;
    }
};
