// SPDX-License-Identifier: GPL-3.0-or-later
// The piece vocabulary every layer reads: side, kind, promotion, facing,
// kings and long-range pieces, squares and hand slots.
#include "core/pieces.h"

#include <gtest/gtest.h>

TEST(駒の言葉, 符号から陣営と種類と成りと向き) {
    EXPECT_EQ(駒種(-712), 7);
    EXPECT_EQ(駒型(-712), 71);
    EXPECT_TRUE(成り駒(-712));
    EXPECT_EQ(駒向き(-712), 2);
    EXPECT_EQ(駒種(COM_歩3), 1);
    EXPECT_FALSE(成り駒(COM_歩3));
    EXPECT_EQ(駒向き(COM_歩3), 3);
    EXPECT_EQ(駒種(空), 0);
    EXPECT_TRUE(COMの駒(100) && !COMの駒(99) && !COMの駒(-100));
    EXPECT_TRUE(MANの駒(-100) && !MANの駒(-99) && !MANの駒(100));

    for (int f = 0; f < 4; ++f) {
        EXPECT_TRUE(COMの王(800 + f) && 王(800 + f) && !MANの王(800 + f));
        EXPECT_TRUE(MANの王(-800 - f) && 王(-800 - f) && !COMの王(-800 - f));
    }
    for (int v : {0, 503, -503, 799, -799, 804, -804}) EXPECT_FALSE(王(v)) << v;

    for (int v : {600, 603, 610, 613, 700, 703, 710, 713, -600, -613, -700, -713}) EXPECT_TRUE(大駒(v)) << v;
    for (int v : {200, 203, 503, 803, -201, -303, 0}) EXPECT_FALSE(大駒(v)) << v;

    EXPECT_TRUE(有効な駒コード(0) && 有効な駒コード(-713) && 有効な駒コード(803));
    for (int v : {99, 104, 510, 810, 814, -120, 900}) EXPECT_FALSE(有効な駒コード(v)) << v;
}

TEST(駒の言葉, 盤と表と駒台) {
    EXPECT_TRUE(盤上(1, 1) && 盤上(9, 9) && 盤上(1, 9) && 盤上(9, 1));
    for (auto [x, y] : {std::pair{0, 5}, {10, 5}, {5, 0}, {5, 10}, {-1, 3}, {11, 3}}) EXPECT_FALSE(盤上(x, y));
    EXPECT_TRUE(表内(0, 0) && 表内(9, 9) && 表内(0, 9) && 表内(9, 0));
    for (auto [x, y] : {std::pair{-1, 5}, {10, 5}, {5, -1}, {5, 10}}) EXPECT_FALSE(表内(x, y));

    // The human's pawn sits in row 3, the rook in row 9; the computer's rook
    // in row 1, the pawn in row 7.
    EXPECT_EQ(持駒行_MAN(1), 3);
    EXPECT_EQ(持駒行_MAN(7), 9);
    EXPECT_EQ(持駒行_COM(7), 1);
    EXPECT_EQ(持駒行_COM(1), 7);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(持駒種_MAN(持駒行_MAN(k)), k);
        EXPECT_EQ(持駒種_COM(持駒行_COM(k)), k);
    }
}
