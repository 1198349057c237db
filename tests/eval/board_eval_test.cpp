// SPDX-License-Identifier: GPL-3.0-or-later
// The board evaluation on small positions, prepared as the computer's turn
// prepares them.  The whole-board danger terms and the bishop-drop caution
// have tests of their own; here they are taken from the same candidate
// position (危険, 自角) and the expectations name only the other terms.

#include "candidate_harness.h"

using namespace eval_test;

namespace {

constexpr double 誤差 = 1e-9;

// The candidate is evaluated first, so that 危険 and 自角 in the expected
// value describe that candidate.
#define EXPECT_SCORE(call, expected)          \
    do {                                      \
        const double 実際_ = (call);          \
        EXPECT_NEAR(実際_, (expected), 誤差); \
    } while (0)

struct 盤評価テスト : 候補局面 {
    // The same candidate at each strength.
    double 強さ(int レベル, int x, int y, int x2, int y2, bool 成る = false) {
        s.レベル = レベル;
        return 評価(x, y, x2, y2, 成る);
    }
};

}  // namespace

TEST_F(盤評価テスト, 決定的な結果_玉を取る手と王を取られる手) {
    // The human rook stands on our king's file.
    置く(5, 1, COM_王0), 置く(5, 5, MAN_飛2), 置く(1, 9, MAN_王2), 置く(1, 8, COM_金0);
    手番開始();
    EXPECT_EQ(評価(1, 8, 1, 9), 9999);   // taking the king comes first
    EXPECT_EQ(評価(1, 8, 2, 8), -9998);  // any other move leaves our king en prise
    s.レベル = 1;
    EXPECT_EQ(評価(1, 8, 1, 9), 9999);
    EXPECT_EQ(評価(1, 8, 2, 8), -9998);
}

TEST_F(盤評価テスト, 決定的な結果_詰み) {
    // The gold steps to (1, 8), turns to face right and checks the corner
    // king; the lance behind guards it.
    置く(1, 9, MAN_王2), 置く(1, 7, COM_金0), 置く(1, 1, COM_香0), 置く(9, 1, COM_王0);
    手番開始();
    EXPECT_EQ(評価(1, 7, 1, 8), 9998);
    // A human silver that can take the gold: no mate.  The king and the
    // silver reach the gold, the cheaper silver is its weakest attacker:
    // 6.2 charges the gold minus the silver.
    置く(2, 9, MAN_銀2);
    手番開始();
    const double 点 = 評価(1, 7, 1, 8);
    ASSERT_EQ(着駒, COM_金3);
    EXPECT_NEAR(点, 危険 + (402 - 503), 誤差);
}

TEST_F(盤評価テスト, 王手の項) {
    // A rook check along the back rank from a square nothing reaches: +10.
    置く(5, 9, MAN_王2), 置く(1, 3, COM_飛0), 置く(9, 1, COM_王0);
    手番開始();
    EXPECT_SCORE(評価(1, 3, 1, 9), 10 + 危険 - 自角);

    // A check by a gold that only the king reaches and a lance guards:
    // +100; the turn on landing (500 → 503) is no promotion; the king
    // below it would have to take a guarded piece: + the gold.
    片付ける();
    置く(5, 9, MAN_王2), 置く(5, 7, COM_金0), 置く(5, 1, COM_香0), 置く(9, 1, COM_王0);
    手番開始();
    const double 点 = 評価(5, 7, 5, 8);
    ASSERT_EQ(着駒, COM_金3);
    EXPECT_NEAR(点, 100 + 危険 + 503, 誤差);
}

TEST_F(盤評価テスト, 打ちと成り) {
    // A silver dropped where a human pawn takes it for nothing.
    置く(5, 7, MAN_歩2), 置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    持駒_COMに(4, 1);
    手番開始();
    const double 打ち = 打ち評価(4, 5, 6);
    ASSERT_EQ(着駒, COM_銀3);
    EXPECT_NEAR(打ち, -5 + 危険 - (403 + 50), 誤差);

    // A pawn promoting on (5, 7) of the empty file: +10, and the promoted
    // pawn's own +1; unpromoted, the pawn's −0.1.
    片付ける();
    置く(5, 6, COM_歩0), 置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    手番開始();
    const double 成り = 評価(5, 6, 5, 7, true);
    ASSERT_EQ(着駒, COM_と1);
    EXPECT_NEAR(成り, 10 + 危険 - 自角 + 1, 誤差);
    const double 不成 = 評価(5, 6, 5, 7);
    EXPECT_NEAR(不成, 危険 - 自角 - 0.1, 誤差);
}

TEST_F(盤評価テスト, 釘付けの攻め駒を取り返す) {
    // The human silver on (5, 7) is pinned to its king by our rook and is the
    // only piece that reaches (4, 6); a human lance guards it.
    auto 局面 = [&](bool ルーク, bool MAN香, bool COM香) {
        片付ける();
        置く(9, 1, COM_王0), 置く(5, 9, MAN_王2), 置く(5, 7, MAN_銀2), 置く(4, 5, COM_金0);
        if (ルーク) 置く(5, 1, COM_飛0);
        if (MAN香) 置く(7, 7, MAN_香1);
        if (COM香) 置く(1, 7, COM_香3);
        持駒_COMに(5, 1);
        手番開始();
    };
    // A gold dropped on (4, 6): −5, +402 for the silver, −(501 + 50) for the
    // undefended drop, −0.5 for the gold's sideways step.
    局面(true, true, false);
    ASSERT_EQ(s.移動不可駒[5][7], 1);
    EXPECT_SCORE(打ち評価(5, 4, 6), -5 + 危険 + 402 - 551 - 0.5);
    局面(false, true, false);  // not pinned
    EXPECT_SCORE(打ち評価(5, 4, 6), -5 + 危険 - 551 - 0.5);
    局面(true, false, false);  // not guarded
    EXPECT_SCORE(打ち評価(5, 4, 6), -5 + 危険 - 551 - 0.5);
    // The gold stepping there from (4, 5) needs the square of our lance that
    // aimed at the silver before the move to be occupied.
    局面(true, true, true);
    EXPECT_SCORE(評価(4, 5, 4, 6), 危険 + 402);
    局面(true, true, false);
    EXPECT_SCORE(評価(4, 5, 4, 6), 危険);
}

TEST_F(盤評価テスト, 行き先の安全) {
    // Taking two escape squares from the lone human king.
    置く(5, 9, MAN_王2), 置く(5, 6, COM_金0), 置く(9, 1, COM_王0);
    手番開始();
    ASSERT_EQ(s.逃道数_MAN王, 5);
    const double 点 = 評価(5, 6, 5, 7);
    ASSERT_EQ(残り逃道, 3);
    EXPECT_NEAR(点, 危険 - 自角 + 2, 誤差);

    // A rook guarded by a lance where a pawn reaches it: it loses the
    // difference to the pawn (strength 2, before the rook's own terms).
    片付ける();
    置く(3, 1, COM_香0), 置く(9, 5, COM_飛0), 置く(3, 6, MAN_歩2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    const double 飛 = 強さ(2, 9, 5, 3, 5);
    ASSERT_EQ(着駒, COM_飛1);
    EXPECT_NEAR(飛, 危険 + (102 - 701), 誤差);
}

TEST_F(盤評価テスト, 取る手と強さ) {
    // An undefended human rook taken by a silver: 7.1 and 7.4 both add it.
    置く(5, 4, COM_銀0), 置く(5, 5, MAN_飛2), 置く(1, 1, COM_王0), 置く(9, 9, MAN_王2);
    手番開始();
    EXPECT_SCORE(強さ(1, 5, 4, 5, 5), 危険 - 自角 + 702);
    EXPECT_SCORE(強さ(2, 5, 4, 5, 5), 危険 - 自角 + 702 + 702);
    EXPECT_SCORE(強さ(3, 5, 4, 5, 5), 危険 - 自角 + 702 + 702 - 0.1);

    // A promoted pawn taken for nothing: its value and 50 more, from
    // strength 2 on.
    片付ける();
    置く(2, 4, COM_歩0), 置く(2, 5, MAN_と2), 置く(1, 1, COM_王0), 置く(9, 9, MAN_王2);
    手番開始();
    EXPECT_SCORE(強さ(1, 2, 4, 2, 5), 危険 - 自角);
    EXPECT_SCORE(強さ(2, 2, 4, 2, 5), 危険 - 自角 + 112 + 50);
    EXPECT_SCORE(強さ(3, 2, 4, 2, 5), 危険 - 自角 + 112 + 50 - 0.1);
}

TEST_F(盤評価テスト, 取る手_取り返される場合) {
    // A pawn takes a silver that a gold guards, under our lance's guard:
    // the pawn is cheaper than the gold, +50.
    置く(5, 4, COM_歩0), 置く(5, 5, MAN_銀2), 置く(5, 6, MAN_金2), 置く(5, 1, COM_香0);
    置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_SCORE(強さ(1, 5, 4, 5, 5), 危険);
    EXPECT_SCORE(強さ(2, 5, 4, 5, 5), 危険 + 50);

    // A pawn attacked where it stood takes a guarded gold: it had nowhere
    // safe to go, +50.
    片付ける();
    置く(5, 5, COM_歩0), 置く(5, 6, MAN_金2), 置く(5, 7, MAN_銀2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_SCORE(強さ(1, 5, 5, 5, 6), 危険);
    EXPECT_SCORE(強さ(2, 5, 5, 5, 6), 危険 + 50);
}

TEST_F(盤評価テスト, 静かな手は強さ1でも駒別の項まで) {
    // The knight's jump to (7, 3) next to our bishop: −0.1 and −5.
    置く(8, 1, COM_桂0), 置く(8, 4, COM_角0), 置く(5, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    const double 全部 = 強さ(3, 8, 1, 7, 3);
    EXPECT_DOUBLE_EQ(強さ(1, 8, 1, 7, 3), 全部);
    EXPECT_NEAR(強さ(2, 8, 1, 7, 3), 全部 + 0.1 + 5, 誤差);
}

TEST_F(盤評価テスト, 盤の外を向いた駒) {
    // A pawn turning to face right on the last file cannot move again: −1,
    // besides the pawn's −0.1.
    置く(9, 3, COM_歩0), 置く(8, 3, COM_歩0), 置く(5, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    const double 端 = 強さ(3, 9, 3, 9, 4);
    ASSERT_EQ(着駒, COM_歩3);
    EXPECT_NEAR(端 - 強さ(2, 9, 3, 9, 4), -1 - 0.1, 誤差);
    // One file in, turned to face left: only the −0.1.
    const double 内 = 強さ(3, 8, 3, 8, 4);
    ASSERT_EQ(着駒, COM_歩1);
    EXPECT_NEAR(内 - 強さ(2, 8, 3, 8, 4), -0.1, 誤差);
    // A promoted lance has neither the edge term nor a branch.
    置く(5, 4, COM_香成0);
    手番開始();
    EXPECT_DOUBLE_EQ(強さ(3, 5, 4, 5, 5), 強さ(2, 5, 4, 5, 5));
}
