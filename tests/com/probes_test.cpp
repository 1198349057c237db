// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn_probes.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/influence.h"

namespace {

class 探査 : public ::testing::Test {
protected:
    COM作業 s;
    int 元の盤[10][10] = {};
    void SetUp() override { std::memset(s.盤, 0, sizeof s.盤); }
    void 置く(int x, int y, int v) { s.盤[x][y] = v; }
    // Survey, remember the board, run both probes, and check the board came
    // back exactly as it was.
    void 調べる() {
        勢力調査(s);
        std::memcpy(元の盤, s.盤, sizeof 元の盤);
        調査_移動不可駒(s);
        EXPECT_EQ(std::memcmp(元の盤, s.盤, sizeof 元の盤), 0) << "board changed by 調査_移動不可駒";
        EXPECT_EQ(調査_持角狙座標(s), 0);
        EXPECT_EQ(std::memcmp(元の盤, s.盤, sizeof 元の盤), 0) << "board changed by 調査_持角狙座標";
    }
    int 印の数() const {
        int n = 0;
        for (auto& col : s.移動不可駒)
            for (int v : col) n += v;
        return n;
    }
    int 狙座標の数() const {
        int n = 0;
        for (auto& col : s.持角狙座標_MAN)
            for (int v : col) n += v;
        return n;
    }
};

// ---- 調査_移動不可駒 ---------------------------------------------------------

TEST_F(探査, SilverPinnedByRookOnTheFile) {
    置く(5, 9, MAN_王2);
    置く(5, 7, MAN_銀2);
    置く(5, 2, COM_飛0);
    置く(1, 1, COM_王0);
    調べる();
    EXPECT_EQ(s.移動不可駒[5][7], 1);
    EXPECT_EQ(印の数(), 1);
    EXPECT_EQ(s.移動不可あり, 偽);

    // A second human piece between silver and rook: neither is pinned.
    置く(5, 4, MAN_歩2);
    調べる();
    EXPECT_EQ(印の数(), 0);

    // A computer piece screens the silver instead: still no pin.
    置く(5, 4, COM_金0);
    調べる();
    EXPECT_EQ(印の数(), 0);
}

TEST_F(探査, LanceAndPromotedPiecesPin) {
    置く(5, 9, MAN_王2);
    置く(5, 6, MAN_金2);
    置く(5, 1, COM_香0);    // facing down the file: pins the gold
    置く(1, 5, COM_角成0);  // diagonal (1,5)-(5,9) through (3,7)
    置く(3, 7, MAN_桂2);
    置く(9, 9, COM_飛成0);  // row 9 through (7,9)
    置く(7, 9, MAN_銀2);
    調べる();
    EXPECT_EQ(s.移動不可駒[5][6], 1);
    EXPECT_EQ(s.移動不可駒[3][7], 1);
    EXPECT_EQ(s.移動不可駒[7][9], 1);
    EXPECT_EQ(印の数(), 3);

    // The lance turned away no longer pins.
    置く(5, 1, COM_香2);
    調べる();
    EXPECT_EQ(s.移動不可駒[5][6], 0);
    EXPECT_EQ(印の数(), 2);
}

TEST_F(探査, KingInCheckByBishopMarksEveryHumanPiece) {
    置く(5, 9, MAN_王2);
    置く(1, 5, COM_角0);  // checks along (2,6) (3,7) (4,8)
    置く(9, 9, MAN_香2);
    置く(2, 8, MAN_歩2);
    置く(7, 7, MAN_金2);
    置く(6, 1, COM_金0);  // computer pieces are never marked
    置く(9, 1, COM_王0);
    調べる();
    EXPECT_EQ(s.移動不可駒[5][9], 1);
    EXPECT_EQ(s.移動不可駒[9][9], 1);
    EXPECT_EQ(s.移動不可駒[2][8], 1);
    EXPECT_EQ(s.移動不可駒[7][7], 1);
    EXPECT_EQ(印の数(), 4);
}

TEST_F(探査, ShortRangeAttackersNeverPin) {
    置く(5, 9, MAN_王2);
    置く(4, 7, COM_桂0);  // attacks the king directly
    置く(5, 8, COM_歩0);
    置く(6, 8, COM_銀0);
    置く(4, 8, COM_金0);
    置く(6, 9, MAN_金2);
    置く(5, 5, COM_王0);
    置く(5, 6, MAN_銀2);
    調べる();
    EXPECT_EQ(印の数(), 0);
    EXPECT_EQ(s.移動不可あり, 偽);
}

TEST_F(探査, ComPieceInLineRaisesTheFlag) {
    置く(5, 1, COM_王0);
    置く(5, 3, COM_銀0);
    置く(5, 8, MAN_飛2);
    置く(9, 9, MAN_王2);
    s.移動不可あり = 真;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) s.移動不可駒[x][y] = 1;
    調べる();
    EXPECT_EQ(s.移動不可あり, 真);
    // The table is rebuilt on 1..9 only.
    EXPECT_EQ(s.移動不可駒[5][3], 0);
    EXPECT_EQ(s.移動不可駒[9][9], 0);
    EXPECT_EQ(s.移動不可駒[0][0], 1);
    EXPECT_EQ(s.移動不可駒[0][5], 1);
    EXPECT_EQ(s.移動不可駒[5][0], 1);

    // The human rook blocked by its own pawn: flag reset and not raised.
    置く(5, 6, MAN_歩2);
    調べる();
    EXPECT_EQ(s.移動不可あり, 偽);

    // A human lance facing up pins too; one facing down does not.
    std::memset(s.盤, 0, sizeof s.盤);
    置く(5, 1, COM_王0);
    置く(5, 3, COM_銀0);
    置く(5, 8, MAN_香2);
    置く(9, 9, MAN_王2);
    調べる();
    EXPECT_EQ(s.移動不可あり, 真);
    置く(5, 8, MAN_香0);
    調べる();
    EXPECT_EQ(s.移動不可あり, 偽);
}

TEST_F(探査, WithoutASurveyTheKingSquaresAreOffTheBoard) {
    // 王X/王Y still 0: nothing can reach (0,0), nothing is marked.
    置く(5, 9, MAN_王2);
    置く(5, 7, MAN_銀2);
    置く(5, 2, COM_飛0);
    std::memcpy(元の盤, s.盤, sizeof 元の盤);
    調査_移動不可駒(s);
    EXPECT_EQ(印の数(), 0);
    EXPECT_EQ(調査_持角狙座標(s), 0);
    EXPECT_EQ(狙座標の数(), 0);
    EXPECT_EQ(std::memcmp(元の盤, s.盤, sizeof 元の盤), 0);
}

// ---- 調査_持角狙座標 -------------------------------------------------------

TEST_F(探査, BishopDropSquaresAroundComKing) {
    置く(5, 1, COM_王0);
    置く(9, 9, MAN_王2);
    調べる();
    // Diagonals from (5,1): (4,2) (3,3) (2,4) (1,5) and (6,2) … (9,5).  The
    // king's own neighbours (4,2) and (6,2) are reached by it.
    EXPECT_EQ(s.持角狙座標_MAN[4][2], 0);
    EXPECT_EQ(s.持角狙座標_MAN[6][2], 0);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(s.持角狙座標_MAN[5 - k][1 + k], 1) << k;
        EXPECT_EQ(s.持角狙座標_MAN[5 + k][1 + k], 1) << k;
    }
    EXPECT_EQ(狙座標の数(), 6);

    // A computer gold on (3,4) facing down reaches (2,5) (3,5) (4,5) (2,4)
    // (4,4) (3,3), so (2,4) and (3,3) drop out; a human pawn on (8,4) takes
    // that square and blocks (9,5).
    置く(3, 4, COM_金0);
    置く(8, 4, MAN_歩2);
    調べる();
    EXPECT_EQ(s.持角狙座標_MAN[3][3], 0);
    EXPECT_EQ(s.持角狙座標_MAN[2][4], 0);
    EXPECT_EQ(s.持角狙座標_MAN[1][5], 1);
    EXPECT_EQ(s.持角狙座標_MAN[8][4], 0);
    EXPECT_EQ(s.持角狙座標_MAN[9][5], 0);
    EXPECT_EQ(s.持角狙座標_MAN[7][3], 1);
    EXPECT_EQ(狙座標の数(), 2);
}

}  // namespace
