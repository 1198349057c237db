// SPDX-License-Identifier: GPL-3.0-or-later
// Small hand-built positions for the evaluation tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/com_tables.h"
#include "core/setup.h"

namespace eval_test {

// A fresh state on the heap (the move history makes it large), empty board,
// empty hands.
inline std::unique_ptr<COM作業> 新しい状態() {
    auto s = std::make_unique<COM作業>();
    桝色設定(*s);
    return s;
}

// Influence tables as a survey leaves them on a position where nothing
// reaches anything.
inline void 表を空に(COM作業& s) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.勢MAN[x][y] = 0;
            s.勢COM[x][y] = 0;
            s.弱MAN駒[x][y] = -999;
            s.弱MAN_X[x][y] = 0;
            s.弱MAN_Y[x][y] = 0;
            s.弱COM駒[x][y] = 999;
            s.弱COM攻駒[x][y] = 999;
            s.守MAN駒[x][y] = 999;
            s.王手COM[x][y] = 0;
        }
}

inline void 手駒_MAN(COM作業& s, int kind, int n) {
    s.持駒数_MAN += n - s.持駒_MAN[kind];
    s.持駒_MAN[kind] = n;
}

// The board, both hands and the computer's tables, to prove a probe left
// them exactly as they were.
struct 盤面 {
    COM表 表;
    int 盤[10][10];
    int 持駒_MAN[8], 持駒_COM[8];
    int 持駒数_MAN, 持駒数_COM;
    explicit 盤面(const COM作業& s) : 表(s) {
        std::memcpy(盤, s.盤, sizeof 盤);
        std::memcpy(持駒_MAN, s.持駒_MAN, sizeof 持駒_MAN);
        std::memcpy(持駒_COM, s.持駒_COM, sizeof 持駒_COM);
        持駒数_MAN = s.持駒数_MAN;
        持駒数_COM = s.持駒数_COM;
    }
    bool operator==(const 盤面& o) const {
        return std::memcmp(&表, &o.表, sizeof 表) == 0 && std::memcmp(盤, o.盤, sizeof 盤) == 0 &&
               std::memcmp(持駒_MAN, o.持駒_MAN, sizeof 持駒_MAN) == 0 &&
               std::memcmp(持駒_COM, o.持駒_COM, sizeof 持駒_COM) == 0 && 持駒数_MAN == o.持駒数_MAN &&
               持駒数_COM == o.持駒数_COM;
    }
};

// Runs one probe and checks that board and hands are untouched afterwards.
template <class F>
auto 変えずに(COM作業& s, F&& f) {
    const 盤面 前(s);
    auto 結果 = f();
    EXPECT_TRUE(盤面(s) == 前) << "the probe left the board, the hands or a table changed";
    return 結果;
}

}  // namespace eval_test
