// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate score: terms in tenths added one by one, each sum rounded
// to 53 significant bits as the evaluation has always rounded it, and the
// whole number the search keeps.  The expected sums are binary literals, so
// this table holds on every machine whatever its floating point.
#include <gtest/gtest.h>

#include <vector>

#include "engine/score_sum.h"

namespace {

struct 例 {
    const char* 名;
    std::vector<int> 十分の一;  // the terms, in tenths, in order
    double 和;                  // the sum, exactly
    int 整数;                   // and the whole number kept
};

const 例 例々[] = {
    {"a tenth three times is a hair above 0.3", {1, 1, 1}, 0x1.3333333333334p-2, 0},
    {"0.1 + 0.2 - 0.3 leaves 2^-54", {1, 2, -3}, 0x1p-54, 0},
    {"-114 and five tenths lands above -113.5: -114", {-1140, 1, 1, 1, 1, 1}, -0x1.c600000000002p+6, -114},
    {"-113 less five tenths lands above -113.5: -113", {-1130, -1, -1, -1, -1, -1}, -0x1.c5ffffffffffep+6, -113},
    {"an exact half goes to the even whole number", {-1135}, -113.5, -114},
    {"and so does 112.5", {1125}, 112.5, 112},
    {"halves and nines cancel to a whole number", {1000, -9, 5, -1, -5}, 0x1.8cp+6, 99},
    {"the decisive scores stand", {99980}, 9998, 9998},
    {"nothing added is zero", {}, 0, 0},
    {"a term and its opposite are zero", {7, -7}, 0, 0},
};

TEST(点数, 十分の一ずつ足して二進で丸めた和と整数) {
    for (const 例& e : 例々) {
        SCOPED_TRACE(e.名);
        点数 和 = 0;
        for (int t : e.十分の一) 和 += 点数::十分の(t);
        EXPECT_EQ(和.実数(), e.和);
        EXPECT_EQ(和.整数(), e.整数);
        // Whole numbers compare with the sum as the search compares them.
        for (int n : {e.整数 - 1, e.整数, e.整数 + 1}) {
            EXPECT_EQ(和 > 点数(n), e.和 > n) << n;
            EXPECT_EQ(和 < 点数(n), e.和 < n) << n;
            EXPECT_EQ(和 == 点数(n), e.和 == n) << n;
        }
    }
}

}  // namespace
