// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/influence.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/rules.h"

namespace {

class 勢力 : public ::testing::Test {
protected:
    COM作業 s;
    void SetUp() override { std::memset(s.盤, 0, sizeof s.盤); }
    void 置く(int x, int y, int v) { s.盤[x][y] = v; }
    // Sum of a table over all 10 × 10 cells, index 0 included.
    static int 合計(const int (&t)[10][10]) {
        int n = 0;
        for (auto& col : t)
            for (int v : col) n += v;
        return n;
    }
};

// ---- Reset values and the tables a survey leaves alone ---------------------

TEST_F(勢力, ResetValuesAndUntouchedCells) {
    int(*const 表[])[10] = {s.勢MAN,   s.勢COM,   s.弱MAN駒, s.弱MAN_X, s.弱MAN_Y,   s.弱COM駒,  s.弱COM攻駒,
                            s.守MAN駒, s.王手COM, s.弱COM_X, s.弱COM_Y, s.弱COM攻_X, s.弱COM攻_Y};
    const int 初期値[] = {0, 0, -999, 0, 0, 999, 999, 999, 0, 7, 7, 7, 7};  // 7: never reset
    for (auto t : 表)
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y) t[x][y] = 7;
    s.王X_MAN = 3, s.王Y_MAN = 4, s.王X_COM = 6, s.王Y_COM = 2;
    勢力調査(s);  // empty board
    for (int i = 0; i < 13; ++i)
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                EXPECT_EQ(表[i][x][y], x >= 1 && y >= 1 ? 初期値[i] : 7) << "table " << i << " at " << x << "," << y;
    // No king on the board: the old squares stay.
    EXPECT_EQ(s.王X_MAN, 3);
    EXPECT_EQ(s.王Y_MAN, 4);
    EXPECT_EQ(s.王X_COM, 6);
    EXPECT_EQ(s.王Y_COM, 2);
}

TEST_F(勢力, SecondSurveyKeepsStaleLanceSquares) {
    // Computer lance (5,1) facing down defends its silver on (5,4) and
    // attacks a human pawn on (7,5) with a second lance (7,1).
    置く(5, 1, COM_香0);
    置く(5, 4, COM_銀0);
    置く(7, 1, COM_香0);
    置く(7, 5, MAN_歩2);
    置く(2, 9, MAN_王1);
    置く(8, 1, COM_王3);
    勢力調査(s);
    EXPECT_EQ(s.王X_MAN, 2);
    EXPECT_EQ(s.王X_COM, 8);
    EXPECT_EQ(s.弱COM駒[5][4], COM_香0);
    EXPECT_EQ(s.弱COM_X[5][4], 5);
    EXPECT_EQ(s.弱COM_Y[5][4], 1);
    EXPECT_EQ(s.弱COM攻駒[7][5], COM_香0);
    EXPECT_EQ(s.弱COM攻_X[7][5], 7);
    EXPECT_EQ(s.弱COM攻_Y[7][5], 1);

    // Second position: both lances and both kings gone.
    置く(5, 1, 空);
    置く(7, 1, 空);
    置く(2, 9, 空);
    置く(8, 1, 空);
    勢力調査(s);
    EXPECT_EQ(s.弱COM駒[5][4], 999);
    EXPECT_EQ(s.弱COM攻駒[7][5], 999);
    EXPECT_EQ(s.弱COM_X[5][4], 5);
    EXPECT_EQ(s.弱COM_Y[5][4], 1);
    EXPECT_EQ(s.弱COM攻_X[7][5], 7);
    EXPECT_EQ(s.弱COM攻_Y[7][5], 1);
    EXPECT_EQ(s.王X_MAN, 2);
    EXPECT_EQ(s.王Y_MAN, 9);
    EXPECT_EQ(s.王X_COM, 8);
    EXPECT_EQ(s.王Y_COM, 1);
}

// ---- Window scans ----------------------------------------------------------

// On an otherwise empty board every piece reaches exactly the squares the
// movement rule allows (knights included: a 3 × 3 window would miss them),
// from the centre, a corner and a square near the edge.
TEST_F(勢力, WindowScanMatchesMovementRule) {
    const int 駒[] = {COM_歩1, MAN_と3, MAN_香成0, COM_桂0,   COM_桂1, MAN_桂2,   MAN_桂3, COM_桂成2,
                      MAN_銀1, COM_金3, MAN_角0,   COM_角成2, MAN_飛1, COM_飛成0, COM_王2};
    const int 場所[][2] = {{5, 5}, {1, 9}, {8, 2}};
    for (auto [x0, y0] : 場所)
        for (int v : 駒) {
            std::memset(s.盤, 0, sizeof s.盤);
            置く(x0, y0, v);
            勢力調査(s);
            const auto& 勢 = v > 0 ? s.勢COM : s.勢MAN;
            const auto& 他 = v > 0 ? s.勢MAN : s.勢COM;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    EXPECT_EQ(勢[x][y], 移動チェック(s, x0, y0, x, y, v))
                        << v << " from " << x0 << "," << y0 << " to " << x << "," << y;
                    EXPECT_EQ(他[x][y], 0);
                }
        }
}

TEST_F(勢力, KnightsAtTheEdge) {
    // Facing 0 from (1,8): both jumps land on row 10; facing 1 from (2,1):
    // (0,0) and (0,2); facing 3 from (9,5): column 11.
    置く(1, 8, COM_桂0);
    置く(2, 1, MAN_桂1);
    置く(9, 5, COM_桂3);
    // Facing 2 from (1,3): (0,1) is off the board, (2,1) is not.
    置く(1, 3, MAN_桂2);
    勢力調査(s);
    EXPECT_EQ(合計(s.勢COM), 0);
    EXPECT_EQ(合計(s.勢MAN), 0);  // (2,1) holds its own knight: not counted
    置く(2, 1, 空);
    勢力調査(s);
    EXPECT_EQ(s.勢MAN[2][1], 1);
    EXPECT_EQ(合計(s.勢MAN), 1);
}

TEST_F(勢力, OwnPiecesNeverCountedByWindowScans) {
    置く(5, 5, COM_金0);
    置く(5, 6, COM_歩0);  // forward of the gold
    置く(4, 6, MAN_歩2);  // diagonally forward
    置く(2, 2, MAN_飛0);
    置く(2, 5, MAN_銀2);  // blocks the rook's file
    勢力調査(s);
    EXPECT_EQ(s.勢COM[5][6], 0);
    EXPECT_EQ(s.勢COM[4][6], 1);
    EXPECT_EQ(s.勢MAN[2][5], 0);
    EXPECT_EQ(s.勢MAN[2][4], 2);  // rook and silver
    EXPECT_EQ(s.勢MAN[2][6], 0);  // behind the silver
}

TEST_F(勢力, WeakestHumanAttackerKeepsCodeNearestZero) {
    // Computer gold on (5,5).  A rook on column 3 (scanned first) and a pawn
    // on (5,6) facing up (scanned later): the pawn takes over.
    置く(5, 5, COM_金0);
    置く(3, 5, MAN_飛0);
    置く(5, 6, MAN_歩2);
    勢力調査(s);
    EXPECT_EQ(s.勢MAN[5][5], 2);
    EXPECT_EQ(s.弱MAN駒[5][5], MAN_歩2);
    EXPECT_EQ(s.弱MAN_X[5][5], 5);
    EXPECT_EQ(s.弱MAN_Y[5][5], 6);

    // Pawn scanned first (column 4, facing right), rook later (column 7):
    // the pawn stays.
    std::memset(s.盤, 0, sizeof s.盤);
    置く(5, 5, COM_金0);
    置く(4, 5, MAN_歩3);
    置く(7, 5, MAN_飛2);
    勢力調査(s);
    EXPECT_EQ(s.弱MAN駒[5][5], MAN_歩3);
    EXPECT_EQ(s.弱MAN_X[5][5], 4);
    EXPECT_EQ(s.弱MAN_Y[5][5], 5);

    // Gold (scanned first) then silver: the silver is nearer zero.
    std::memset(s.盤, 0, sizeof s.盤);
    置く(5, 5, COM_金0);
    置く(4, 6, MAN_金2);
    置く(6, 6, MAN_銀2);
    勢力調査(s);
    EXPECT_EQ(s.弱MAN駒[5][5], MAN_銀2);
    EXPECT_EQ(s.弱MAN_X[5][5], 6);
    // Silver first, gold later: the silver stays.
    置く(4, 6, MAN_銀2);
    置く(6, 6, MAN_金2);
    勢力調査(s);
    EXPECT_EQ(s.弱MAN駒[5][5], MAN_銀2);
    EXPECT_EQ(s.弱MAN_X[5][5], 4);

    // Only computer-held squares are written.
    EXPECT_EQ(s.弱MAN駒[5][4], -999);
}

TEST_F(勢力, TwoHumanPawnsOnOnePiece) {
    // Pawns reach (5,5) from (4,5) facing right, (5,4) facing down, (5,6)
    // facing up and (6,5) facing left, scanned in that order.  A later pawn
    // takes over whenever the stored code is below -100; a stored -100 stays.
    struct 例 {
        int x1, y1, v1, x2, y2, v2, 結果;
    } 例々[] = {
        {4, 5, MAN_歩3, 6, 5, MAN_歩1, MAN_歩1},
        {5, 6, MAN_歩2, 6, 5, MAN_歩1, MAN_歩1},
        {5, 4, MAN_歩0, 5, 6, MAN_歩2, MAN_歩0},
        {5, 4, MAN_歩0, 6, 5, MAN_歩1, MAN_歩0},
    };
    for (auto e : 例々) {
        std::memset(s.盤, 0, sizeof s.盤);
        置く(5, 5, COM_銀0);
        置く(e.x1, e.y1, e.v1);
        置く(e.x2, e.y2, e.v2);
        勢力調査(s);
        EXPECT_EQ(s.勢MAN[5][5], 2);
        EXPECT_EQ(s.弱MAN駒[5][5], e.結果) << e.v1 << " then " << e.v2;
        const bool 後 = e.結果 == e.v2;
        EXPECT_EQ(s.弱MAN_X[5][5], 後 ? e.x2 : e.x1);
        EXPECT_EQ(s.弱MAN_Y[5][5], 後 ? e.y2 : e.y1);
    }
}

TEST_F(勢力, ComAttackerOnlyFromPawnsAndLances) {
    // A human silver on (5,5) attacked by a computer knight, silver, gold,
    // bishop, rook and king: 弱COM攻駒 stays at its reset value.
    置く(5, 5, MAN_銀2);
    置く(4, 3, COM_桂0);
    置く(5, 4, COM_銀0);
    置く(6, 4, COM_金0);
    置く(2, 2, COM_角0);
    置く(9, 5, COM_飛0);
    置く(4, 6, COM_王0);
    s.弱COM攻_X[5][5] = 8;
    s.弱COM攻_Y[5][5] = 8;
    勢力調査(s);
    EXPECT_EQ(s.勢COM[5][5], 6);
    EXPECT_EQ(s.弱COM攻駒[5][5], 999);

    // A computer pawn writes its code but not its square.
    置く(5, 4, COM_歩0);
    勢力調査(s);
    EXPECT_EQ(s.弱COM攻駒[5][5], COM_歩0);
    EXPECT_EQ(s.弱COM攻_X[5][5], 8);
    EXPECT_EQ(s.弱COM攻_Y[5][5], 8);
}

TEST_F(勢力, ComPawnUpdateIsStrict) {
    // Pawn 103 from (4,5) is scanned before pawn 100 from (5,4): 103 > 100,
    // so the second one replaces it.
    置く(5, 5, MAN_金2);
    置く(4, 5, COM_歩3);
    置く(5, 4, COM_歩0);
    勢力調査(s);
    EXPECT_EQ(s.弱COM攻駒[5][5], COM_歩0);
    // Pawn 100 first, then pawn 101 from (6,5): 100 > 100 fails, 100 stays.
    置く(4, 5, 空);
    置く(6, 5, COM_歩1);
    勢力調査(s);
    EXPECT_EQ(s.勢COM[5][5], 2);
    EXPECT_EQ(s.弱COM攻駒[5][5], COM_歩0);
}

TEST_F(勢力, PawnAfterLanceKeepsTheLanceSquare) {
    // Lance (5,1) facing down reaches the human gold (5,5) first, then the
    // pawn on (6,5) facing left: the code becomes the pawn's while the square
    // still names the lance.
    置く(5, 1, COM_香0);
    置く(5, 5, MAN_金2);
    置く(6, 5, COM_歩1);
    勢力調査(s);
    EXPECT_EQ(s.弱COM攻駒[5][5], COM_歩1);
    EXPECT_EQ(s.弱COM攻_X[5][5], 5);
    EXPECT_EQ(s.弱COM攻_Y[5][5], 1);
}

TEST_F(勢力, CheckMarksFromWindowScans) {
    置く(5, 5, MAN_王2);
    置く(5, 4, COM_歩0);  // attacks the king
    置く(3, 7, COM_角0);  // diagonal onto (5,5)
    置く(4, 3, COM_桂0);  // jumps to (5,5)
    置く(6, 6, COM_王0);  // next to the king: never marked
    置く(9, 9, COM_金0);  // far away
    置く(5, 9, MAN_飛0);  // human pieces never mark
    勢力調査(s);
    EXPECT_EQ(s.王手COM[5][4], 9);
    EXPECT_EQ(s.王手COM[3][7], 9);
    EXPECT_EQ(s.王手COM[4][3], 9);
    EXPECT_EQ(s.王手COM[6][6], 0);
    EXPECT_EQ(s.王手COM[9][9], 0);
    EXPECT_EQ(s.王手COM[5][9], 0);
    EXPECT_EQ(s.王手COM[4][6], 0);  // between bishop and king: lances only
    EXPECT_EQ(合計(s.王手COM), 27);
}

// ---- Lance lines -----------------------------------------------------------

TEST_F(勢力, LanceLinesOnEmptyBoardFollowTheFacing) {
    const int 向き[4][2] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    for (int f = 0; f < 4; ++f)
        for (int v : {COM_香0 + f, MAN_香0 - f}) {
            std::memset(s.盤, 0, sizeof s.盤);
            置く(4, 6, v);
            勢力調査(s);
            const auto& 勢 = v > 0 ? s.勢COM : s.勢MAN;
            int n = 0;
            for (int x = 4 + 向き[f][0], y = 6 + 向き[f][1]; x >= 1 && x <= 9 && y >= 1 && y <= 9;
                 x += 向き[f][0], y += 向き[f][1], ++n)
                EXPECT_EQ(勢[x][y], 1) << v;
            EXPECT_EQ(合計(勢), n) << v;
            EXPECT_EQ(合計(v > 0 ? s.勢MAN : s.勢COM), 0);
        }
}

TEST_F(勢力, ComLanceSeesThroughHumanKing) {
    置く(5, 1, COM_香0);
    置く(5, 5, MAN_王2);
    置く(5, 8, MAN_銀2);
    勢力調査(s);
    for (int y = 2; y <= 8; ++y) EXPECT_EQ(s.勢COM[5][y], 1) << y;
    EXPECT_EQ(s.勢COM[5][9], 0);  // stopped by the silver
    EXPECT_EQ(s.王手COM[5][1], 9);
    for (int y = 2; y <= 4; ++y) EXPECT_EQ(s.王手COM[5][y], 1) << y;
    EXPECT_EQ(s.王手COM[5][5], 0);
    EXPECT_EQ(s.王手COM[5][6], 0);
    EXPECT_EQ(s.弱COM攻駒[5][5], COM_香0);
    EXPECT_EQ(s.弱COM攻駒[5][8], COM_香0);
    EXPECT_EQ(s.弱COM攻_X[5][8], 5);
    EXPECT_EQ(s.弱COM攻_Y[5][8], 1);
}

TEST_F(勢力, LanceCheckLineAcrossTheBoard) {
    // Lance on (9,3) facing left, king on (2,3): marks (3..8,3) with 1.
    置く(9, 3, COM_香1);
    置く(2, 3, MAN_王0);
    勢力調査(s);
    for (int x = 3; x <= 8; ++x) EXPECT_EQ(s.王手COM[x][3], 1);
    EXPECT_EQ(s.王手COM[9][3], 9);
    EXPECT_EQ(s.勢COM[1][3], 1);
    // Adjacent king: no squares between, the lance still marked.
    std::memset(s.盤, 0, sizeof s.盤);
    置く(5, 5, COM_香3);
    置く(6, 5, MAN_王0);
    勢力調査(s);
    EXPECT_EQ(s.王手COM[5][5], 9);
    EXPECT_EQ(合計(s.王手COM), 9);
    for (int x = 6; x <= 9; ++x) EXPECT_EQ(s.勢COM[x][5], 1);
}

TEST_F(勢力, HumanLanceSeesThroughComKingWithoutCheckMarks) {
    置く(3, 9, MAN_香2);
    置く(3, 6, COM_王0);
    置く(3, 3, COM_金0);
    勢力調査(s);
    for (int y = 3; y <= 8; ++y) EXPECT_EQ(s.勢MAN[3][y], 1) << y;
    EXPECT_EQ(s.勢MAN[3][2], 0);
    EXPECT_EQ(合計(s.王手COM), 0);
    // The weakest attacker of the king and of the gold is the lance.
    EXPECT_EQ(s.弱MAN駒[3][6], MAN_香2);
    EXPECT_EQ(s.弱MAN駒[3][3], MAN_香2);
    EXPECT_EQ(s.弱MAN_X[3][3], 3);
    EXPECT_EQ(s.弱MAN_Y[3][3], 9);
}

TEST_F(勢力, LanceCountsItsOwnFirstBlocker) {
    // Computer lances (lowest code kept) and a human lance guarding its own.
    置く(5, 1, COM_香0);  // down onto (5,4)
    置く(1, 4, COM_香3);  // right onto (5,4)? blocked first by (3,4)
    置く(3, 4, COM_歩0);
    置く(9, 4, COM_香1);  // left onto (5,4)
    置く(5, 4, COM_銀0);
    置く(7, 9, MAN_香2);
    置く(7, 7, MAN_歩2);
    置く(7, 5, MAN_金2);  // behind the pawn: not reached
    勢力調査(s);
    EXPECT_EQ(s.勢COM[5][4], 2);
    EXPECT_EQ(s.弱COM駒[5][4], COM_香0);
    EXPECT_EQ(s.弱COM_X[5][4], 5);
    EXPECT_EQ(s.弱COM_Y[5][4], 1);
    EXPECT_EQ(s.弱COM駒[3][4], COM_香3);
    EXPECT_EQ(s.勢COM[4][4], 0);  // the lance on (1,4) stops at (3,4)
    EXPECT_EQ(s.勢MAN[7][7], 1);
    EXPECT_EQ(s.守MAN駒[7][7], MAN_香2);
    EXPECT_EQ(s.守MAN駒[7][5], 999);  // behind the pawn
    // A lance meeting its own king stops there.
    std::memset(s.盤, 0, sizeof s.盤);
    置く(5, 1, COM_香0);
    置く(5, 3, COM_王0);
    勢力調査(s);
    EXPECT_EQ(s.勢COM[5][3], 1);
    EXPECT_EQ(s.勢COM[5][4], 1);  // the king's own reach
    EXPECT_EQ(s.勢COM[5][5], 0);
    EXPECT_EQ(s.弱COM駒[5][3], COM_香0);
}

}  // namespace
