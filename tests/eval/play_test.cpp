// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's play in small hand-built positions: the position in, the
// move the full search (strength 3, every term) settles on and its score
// out.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "engine/turn.h"
#include "core/pieces.h"
#include "core/position.h"
#include "tests/support/search_corpus.h"

namespace {

struct 駒置き {
    int x, y, 駒;
};

// The computer (top, strength 3) to move in a position of only these pieces;
// {-1, kind, n} puts n pieces of that kind in the human's hand.
COM候補 指す手(std::initializer_list<駒置き> 駒) {
    局面 k;
    for (const auto& p : 駒) (p.x < 0 ? k.持駒_MAN[p.y] : k.盤[p.x][p.y]) = p.駒;
    auto s = std::make_unique<COM作業>();
    探索集::置く(*s, k, 3);
    return COM探索(*s);
}

// A pawn of ours takes a human pawn that stands in front of it, on (3, 5).
// The capture is worth most when our pawn was the only guard of its square
// and a human lance or rook would take back: the human loses a pawn and
// must spend the bigger piece to answer.  The pawn's facing changes nothing
// of that.  On (7, 5) the same capture is offered with the square behind
// our pawn left open, a little worse; the computer takes on (3, 5)
// whichever way the pawn there faces.
TEST(歩の手, 取れる歩の向きによらず同じ取り方を選ぶ) {
    for (int 向き = 0; 向き < 4; ++向き) {
        SCOPED_TRACE("the human pawn on (3, 5) faces " + std::to_string(向き));
        const COM候補 手 = 指す手({
            {3, 4, COM_歩0}, {3, 5, -(100 + 向き)}, {3, 3, COM_金0}, {3, 9, MAN_香2},  // guarded from behind
            {7, 4, COM_歩0}, {7, 5, MAN_歩1}, {6, 3, COM_金0}, {7, 9, MAN_香2},        // guarded from the side
            {9, 1, COM_王0}, {1, 9, MAN_王2},
        });
        EXPECT_EQ(手.元X, 3);
        EXPECT_EQ(手.元Y, 4);
        EXPECT_EQ(手.先X, 3);
        EXPECT_EQ(手.先Y, 5);
        EXPECT_EQ(手.置駒, COM_歩0);
    }
}

// Our pawn on (3, y − 1), guarded once by a gold, takes a human pawn on
// (3, y) that a human rook on the same row guards; our own pawn stands on
// (3, y + 1), attacked by a human gold or not.  A pawn stepping up behind
// our attacked pawn is held back a little while both are still short of
// the human camp; on row 7 the hanging pawn costs no more than any piece
// left hanging.
struct 行の例 {
    int 行;
    bool 攻められる;
    int 元X, 元Y, 先X, 先Y, 置駒;
    double 点;
};

TEST(歩の手, 攻められた自分の歩の後ろへ出る取り) {
    const 行の例 例[] = {
        {4, false, 3, 3, 3, 4, COM_歩0, 55.6}, {4, true, 3, 3, 3, 4, COM_歩0, -49.4},
        {5, false, 3, 4, 3, 5, COM_歩0, 55.6}, {5, true, 3, 4, 3, 5, COM_歩0, -49.4},
        {6, false, 3, 5, 3, 6, COM_歩0, 55.6}, {6, true, 3, 5, 3, 6, COM_歩0, -49.4},
        // Into the human camp: the pawn promotes, scored as the plain pawn.
        {7, false, 3, 6, 3, 7, COM_と0, 55.6}, {7, true, 3, 6, 3, 7, COM_と0, -44.4},
    };
    for (const auto& e : 例) {
        SCOPED_TRACE("row " + std::to_string(e.行) + (e.攻められる ? ", attacked" : ", not attacked"));
        const int y = e.行;
        const COM候補 手 = 指す手({
            {3, y - 1, COM_歩0}, {3, y, MAN_歩1}, {3, y + 1, COM_歩0}, {3, y - 2, COM_金0},
            {2, y + 2, e.攻められる ? MAN_金2 : 空}, {1, y, MAN_飛2},
            {5, 1, COM_王0}, {5, 9, MAN_王2},
        });
        EXPECT_EQ(手.元X, e.元X);
        EXPECT_EQ(手.元Y, e.元Y);
        EXPECT_EQ(手.先X, e.先X);
        EXPECT_EQ(手.先Y, e.先Y);
        EXPECT_EQ(手.置駒, e.置駒);
        EXPECT_NEAR(手.点, e.点, 1e-9);
    }
}

// Our pawn steps up to (3, 5), turning on the empty square, between two
// human pawns it then attacks (a gold behind keeps the step covered).  Pawns
// facing up or down cannot answer, and the computer makes the step; pawns
// facing sideways attack the square and it does not.
TEST(歩の手, 歩の間へ出て両方を狙う) {
    for (int 向き = 0; 向き < 4; ++向き) {
        SCOPED_TRACE("the human pawns face " + std::to_string(向き));
        const COM候補 手 = 指す手({
            {3, 4, COM_歩0}, {3, 3, COM_金0}, {2, 5, -(100 + 向き)}, {4, 5, -(100 + 向き)},
            {9, 1, COM_王0}, {1, 9, MAN_王2},
        });
        const bool 出る = 向き % 2 == 0;
        EXPECT_EQ(手.元X == 3 && 手.元Y == 4 && 手.先X == 3 && 手.先Y == 5, 出る)
            << "played (" << 手.元X << ", " << 手.元Y << ") to (" << 手.先X << ", " << 手.先Y << ")";
    }
}

// Our pawn on (4, 5) and knight on (6, 3), neither guarded, with the empty
// (5, 4) between them: a silver the human drops there attacks both.  The
// computer moves one of the two out of the fork, whichever way the pawn
// faces, rather than stepping with its king.
TEST(割り打ち, 銀の割り打ちを避ける) {
    for (int 向き = 0; 向き < 4; ++向き) {
        SCOPED_TRACE("our pawn faces " + std::to_string(向き));
        const COM候補 手 = 指す手({
            {4, 5, COM_歩0 + 向き}, {6, 3, COM_桂0}, {9, 1, COM_王0}, {1, 9, MAN_王2}, {-1, 4, 1},
        });
        EXPECT_TRUE((手.元X == 4 && 手.元Y == 5) || (手.元X == 6 && 手.元Y == 3))
            << "played (" << 手.元X << ", " << 手.元Y << ") to (" << 手.先X << ", " << 手.先Y << ")";
    }
}

// The human king on (5, 9), walled in by its own pawns and a gold.  Our gold
// on (5, 4) steps aside and uncovers our lance on (5, 1): check down the
// file.  The human's only answer is the gold from (4, 9) to (5, 8) in the
// way, which opens row 9 to our rook on (1, 9): mate, whichever square our
// gold goes to.  With the rook one square up nothing is mate.
TEST(詰みの手, 合駒が開けた筋の駒が王を取れるなら詰み) {
    for (const bool 九段目 : {true, false}) {
        SCOPED_TRACE(九段目 ? "rook on (1, 9)" : "rook on (1, 8)");
        const COM候補 手 = 指す手({
            {5, 1, COM_香0}, {5, 4, COM_金0}, {9, 1, COM_王0}, {1, 九段目 ? 9 : 8, COM_飛0},
            {5, 9, MAN_王2}, {4, 8, MAN_歩2}, {6, 8, MAN_歩2}, {6, 9, MAN_歩2}, {4, 9, MAN_金2},
        });
        if (九段目) {
            EXPECT_EQ(手.点, 9998);
            EXPECT_EQ(手.元X, 5);
            EXPECT_EQ(手.元Y, 4);
        } else {
            EXPECT_LT(手.点, 9998);
        }
    }
}

}  // namespace
