#include "engine/danger.h"

#include "eval_test_util.h"

using namespace eval_test;

namespace {

// Backdrop for the danger tests: every square covered once by the computer
// (also before the move) and never by the human, so that an empty board
// scores 0 whatever the human holds.  Each test then changes a few entries.
struct 危険 : ::testing::Test {
    std::unique_ptr<COM作業> p = 新しい状態();
    COM作業& s = *p;
    void SetUp() override {
        表を空に(s);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) s.勢COM[x][y] = s.勢COM_保存[x][y] = 1;
        // Kings out of the way of every pattern below.
        s.盤[9][1] = COM_王0, s.王X_COM = 9, s.王Y_COM = 1;
        s.盤[9][9] = MAN_王2, s.王X_MAN = 9, s.王Y_MAN = 9;
    }
    // The moved piece: a computer pawn on (1, 5) that threatens nothing.
    double 評価(int 移動駒 = COM_歩0, int x = 1, int y = 5) {
        return 変えずに(s, [&] { return 盤評価_COM危険座標(s, 移動駒, x, y); });
    }
    void 王を移す(int x, int y) {
        s.盤[s.王X_COM][s.王Y_COM] = 空;
        s.盤[x][y] = COM_王0, s.王X_COM = x, s.王Y_COM = y;
    }
};

}  // namespace

TEST_F(危険, 何もない局面は0) {
    EXPECT_DOUBLE_EQ(評価(), 0);
    for (int k = 1; k <= 7; ++k) 手駒_MAN(s, k, 1);
    EXPECT_DOUBLE_EQ(評価(), 0);
}

TEST_F(危険, 空き桝_王の周り) {
    王を移す(5, 1);
    s.勢MAN[4][2] = 2;  // attacked twice, defended once, next to the king
    EXPECT_DOUBLE_EQ(評価(), -1 - 10);
    s.勢COM[4][2] = 2;
    EXPECT_DOUBLE_EQ(評価(), -1);
    s.勢COM[4][2] = 1;
    s.勢MAN[4][2] = 1;
    EXPECT_DOUBLE_EQ(評価(), -0.5);
    // A silver or gold in hand: −10 next to the king only.
    手駒_MAN(s, 5, 1);
    s.勢MAN[2][7] = 4;
    EXPECT_DOUBLE_EQ(評価(), -0.5 - 10);
    // A human pawn below the square, attacking it at least as often.
    s.盤[4][3] = MAN_歩3;
    EXPECT_DOUBLE_EQ(評価(), -0.5 - 10 - 30);
    s.勢COM[4][2] = 2;  // defended as often as attacked: the pawn term goes
    EXPECT_DOUBLE_EQ(評価(), -0.5 - 10);
}

TEST_F(危険, 空き桝_守りのない桝と空の手駒) {
    s.勢COM[3][3] = 0, s.勢MAN[3][3] = 1;
    s.勢COM[3][5] = 0, s.勢MAN[3][5] = 1;  // deeper than row 3: nothing without a hand
    EXPECT_DOUBLE_EQ(評価(), -0.1);
    // With an empty hand a knight fork pattern costs nothing.
    s.盤[2][1] = COM_銀0, s.盤[4][1] = COM_銀0;
    EXPECT_DOUBLE_EQ(評価(), -0.1);
    // With a knight in hand it does, and uncovered home squares cost 0.1 more.
    手駒_MAN(s, 3, 1);
    EXPECT_NEAR(評価(), -0.1 - 20 - 0.1, 1e-9);
}

TEST_F(危険, 空き桝_香の串刺し) {
    手駒_MAN(s, 2, 1);
    s.盤[5][2] = COM_飛1;
    s.盤[5][4] = COM_銀0;
    s.勢MAN[5][5] = 1;
    EXPECT_DOUBLE_EQ(評価(), -(100 + 701 / 2.0));  // true division: 450.5
    s.盤[5][3] = MAN_歩2;                          // the first piece above the silver is the human's
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.盤[5][3] = COM_歩0;  // or a computer pawn (≤ 200)
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.盤[5][3] = 空;
    s.盤[5][4] = COM_香0;  // the piece in front must be above 200
    EXPECT_DOUBLE_EQ(評価(), 0);
    // The shallowest drop square is on row 3, skewering rows 2 and 1.
    s.盤[5][2] = 空, s.盤[5][4] = 空, s.勢MAN[5][5] = 0;
    s.盤[7][2] = COM_飛1, s.盤[7][1] = COM_銀0;
    s.勢MAN[7][3] = 1;
    EXPECT_DOUBLE_EQ(評価(), -(100 + 400 / 2.0));
}

TEST_F(危険, 空き桝_桂の両取り) {
    手駒_MAN(s, 3, 1);
    s.盤[4][3] = COM_金0, s.盤[6][3] = COM_金0;
    EXPECT_DOUBLE_EQ(評価(), 0);  // (5, 5) covered by the computer, not by the human
    s.勢MAN[5][5] = 1;
    EXPECT_DOUBLE_EQ(評価(), -20);
    s.盤[6][3] = COM_歩0;  // code 100 is not above 100
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.盤[6][3] = COM_歩1;
    EXPECT_DOUBLE_EQ(評価(), -20);
    s.盤[4][3] = COM_歩1;  // 101 is above 100 on the left as well
    EXPECT_DOUBLE_EQ(評価(), -20);
    s.盤[4][3] = COM_金0;
    // On the edge columns the pattern is not looked for.
    s.盤[2][3] = COM_金0;
    s.勢MAN[1][5] = 1;
    EXPECT_DOUBLE_EQ(評価(), -20);
}

TEST_F(危険, 空き桝_銀金打ちと銀の割り打ち) {
    手駒_MAN(s, 5, 1);
    s.盤[4][4] = COM_飛0, s.盤[6][4] = COM_角0;
    EXPECT_DOUBLE_EQ(評価(), -15);  // (5, 3), (5, 4), (5, 5) each next to both
    s.勢COM[5][3] = 0;
    EXPECT_NEAR(評価(), -10 - (5 + 1 + 10 + 0.1), 1e-9);
    s.勢COM[5][3] = 2;  // defended twice: no drop term
    EXPECT_DOUBLE_EQ(評価(), -10);

    // Silver fork on both diagonals of an uncovered square.
    s.盤[4][4] = s.盤[6][4] = 空;
    s.勢COM[5][3] = 1;
    手駒_MAN(s, 5, 0);
    手駒_MAN(s, 4, 1);
    s.盤[4][4] = COM_金0, s.盤[6][6] = COM_金0;
    s.勢COM[4][4] = s.勢COM[6][6] = s.勢COM[5][5] = 0;
    EXPECT_DOUBLE_EQ(評価(), -20);
    s.盤[4][4] = s.盤[6][6] = COM_歩0;  // the lowest code of the side counts too
    EXPECT_DOUBLE_EQ(評価(), -20);
    s.盤[4][4] = s.盤[6][6] = COM_金0;
    s.盤[4][6] = COM_金0, s.盤[6][4] = COM_金0;
    s.勢COM[4][6] = s.勢COM[6][4] = 0;
    EXPECT_DOUBLE_EQ(評価(), -40);
    s.勢COM[6][4] = 1;  // one end defended
    EXPECT_DOUBLE_EQ(評価(), -20);

    // A knight still at home with the square in front of it uncovered.
    s.盤[3][1] = COM_桂0;
    s.勢COM[3][2] = 0;
    EXPECT_NEAR(評価(), -20 - 5 - 0.1, 1e-9);
}

// The heavy pieces counted around a square may stand on any file and rank,
// the last ones and the corners included.
TEST_F(危険, 空き桝_銀金打ちは端の大駒も数える) {
    手駒_MAN(s, 5, 1);
    // (8, 5) and (9, 5) lie between the two on the ninth file.
    s.盤[9][4] = COM_飛0, s.盤[9][6] = COM_角0;
    EXPECT_DOUBLE_EQ(評価(), -10);
    // The same on the first file: (1, 5) and (2, 5).
    s.盤[9][4] = s.盤[9][6] = 空;
    s.盤[1][4] = COM_角0, s.盤[1][6] = COM_飛0;
    EXPECT_DOUBLE_EQ(評価(), -10);
    // And on the ninth rank: (5, 8) and (5, 9).
    s.盤[1][4] = s.盤[1][6] = 空;
    s.盤[4][9] = COM_飛成0, s.盤[6][9] = COM_角成0;
    EXPECT_DOUBLE_EQ(評価(), -10);
    // Around the corner (9, 1), where the king already stands, with rooks
    // on (7, 1) and (8, 3): (8, 1), (8, 2) and (9, 2) touch the king and a
    // rook, (7, 2) both rooks.
    s.盤[4][9] = s.盤[6][9] = 空;
    s.盤[7][1] = COM_飛0, s.盤[8][3] = COM_飛0;
    EXPECT_DOUBLE_EQ(評価(), -5 * 4);
}

TEST_F(危険, 王が一段目_前の桝が攻められる) {
    王を移す(5, 1);
    手駒_MAN(s, 4, 1);
    s.勢MAN[5][2] = 1;  // attacked once, defended once
    // B1 alone is −1000; the square itself adds −0.5 and −10 (silver in hand).
    EXPECT_DOUBLE_EQ(評価(), -1000 - 0.5 - 10);
    s.勢COM[5][2] = 2;  // better defended: the −250 goes, the −700 stays
    EXPECT_DOUBLE_EQ(評価(), -750 - 0.5 - 10);
    手駒_MAN(s, 4, 0);
    EXPECT_DOUBLE_EQ(評価(), -50 - 0.5);
    s.勢MAN[5][2] = 0, s.勢COM[5][2] = 1;
    王を移す(5, 2);
    s.勢MAN[5][3] = 1;
    EXPECT_DOUBLE_EQ(評価(), -0.5);  // not on row 1
}

TEST_F(危険, 歩が飛車に狙われ歩を打たれる) {
    手駒_MAN(s, 1, 1);
    s.盤[5][5] = COM_歩2;
    s.勢MAN[5][5] = 1;
    s.弱MAN駒[5][5] = MAN_飛1, s.弱MAN_X[5][5] = 5, s.弱MAN_Y[5][5] = 8;
    s.盤[5][8] = MAN_飛1;
    EXPECT_DOUBLE_EQ(評価(), -5);
    for (int 歩 : {COM_歩0, COM_歩1, COM_歩3}) {  // whichever way the pawn faces
        s.盤[5][5] = 歩;
        EXPECT_DOUBLE_EQ(評価(), -5) << 歩;
    }
    s.盤[5][5] = COM_歩2;
    手駒_MAN(s, 1, 0);  // no pawn to drop
    EXPECT_DOUBLE_EQ(評価(), 0);
    手駒_MAN(s, 1, 1);
    s.勢COM[5][6] = 2;
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.勢COM[5][6] = 1;
    s.弱MAN駒[5][5] = MAN_飛成1;  // a promoted rook does not count here
    EXPECT_DOUBLE_EQ(評価(), 0);
}

TEST_F(危険, 攻められた駒) {
    // A gold attacked by a pawn and not defended: charged twice.
    s.盤[5][5] = COM_金0;
    s.盤[5][6] = MAN_歩2;
    s.勢MAN[5][5] = 1, s.勢COM[5][5] = 0;
    s.弱MAN駒[5][5] = MAN_歩2, s.弱MAN_X[5][5] = 5, s.弱MAN_Y[5][5] = 6;
    EXPECT_DOUBLE_EQ(評価(), -(500 - 102) - 500);
    // The pawn is pinned to its king: it cannot take.
    s.移動不可駒[5][6] = 1;
    EXPECT_DOUBLE_EQ(評価(), -500);
    s.移動不可駒[5][6] = 0;
    // The gold has just taken a silver there.
    s.盤_保存[5][5] = MAN_銀2;
    EXPECT_DOUBLE_EQ(評価(), -(500 - 102) - 500 + 402);
    s.盤_保存[5][5] = 空;

    // In the computer camp, attacked by a pawn facing up.
    s.盤[5][5] = 空, s.盤[5][6] = 空, s.勢MAN[5][5] = 0;
    s.盤[5][3] = COM_金0;
    s.盤[5][4] = MAN_歩2;
    s.勢MAN[5][3] = 1, s.勢COM[5][3] = 0;
    s.弱MAN駒[5][3] = MAN_歩2, s.弱MAN_X[5][3] = 5, s.弱MAN_Y[5][3] = 4;
    EXPECT_DOUBLE_EQ(評価(), -(500 - 102) - 500 - 10 - 20);
    s.弱MAN駒[5][3] = MAN_歩1;  // another facing: no −20
    EXPECT_DOUBLE_EQ(評価(), -(500 - 101) - 500 - 10);
}

TEST_F(危険, 守られているが攻めが多い駒) {
    s.盤[5][5] = COM_金0;
    s.盤[5][8] = MAN_飛2;
    s.勢MAN[5][5] = 2, s.勢COM[5][5] = 1;
    s.弱MAN駒[5][5] = MAN_飛2, s.弱MAN_X[5][5] = 5, s.弱MAN_Y[5][5] = 8;
    // Cheapest attacker worth more than the gold, no lance defender (999).
    EXPECT_DOUBLE_EQ(評価(), -500);
    s.弱COM駒[5][5] = COM_香0;  // a lance defender cheaper than the attacker
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.弱COM駒[5][5] = 999;
    s.勢COM[5][5] = 2;  // as many defenders as attackers
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.勢COM[5][5] = 1;
    s.移動不可駒[5][8] = 1;
    EXPECT_DOUBLE_EQ(評価(), 0);
}

TEST_F(危険, 人の駒_新しく攻めた駒と桂と飛車) {
    s.盤[5][5] = MAN_銀2;
    s.勢COM_保存[5][5] = 0;
    EXPECT_DOUBLE_EQ(評価(), 0);  // far from the computer king
    王を移す(7, 3);
    EXPECT_DOUBLE_EQ(評価(), 15);
    s.勢COM[5][5] = 0;  // not attacked after the move
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.勢COM[5][5] = 1;
    王を移す(9, 1);

    // A knight facing up, newly attacked, with a silver in front of it.
    s.盤[5][5] = MAN_桂2;
    s.盤[5][4] = COM_銀0;
    EXPECT_DOUBLE_EQ(評価(), 1);
    s.勢MAN[5][4] = 1;  // the silver is attacked: now B counts it, C1 does not
    s.弱MAN駒[5][4] = MAN_桂2, s.弱MAN_X[5][4] = 5, s.弱MAN_Y[5][4] = 5;
    EXPECT_DOUBLE_EQ(評価(), -(400 - 302));
    s.勢MAN[5][4] = 0;
    s.盤[5][4] = 空;

    // C2: the knight's targets two rows up, with a valuable piece four rows up.
    s.勢COM_保存[5][5] = 1;
    s.盤[5][1] = COM_銀0;
    s.勢COM[4][3] = 0;
    s.勢COM[6][3] = 0;
    EXPECT_DOUBLE_EQ(評価(), -2);
    s.盤[6][3] = MAN_歩2;  // a human piece on a target square
    EXPECT_DOUBLE_EQ(評価(), -1);
    s.盤[6][3] = 空;
    s.盤[4][3] = MAN_歩2;
    EXPECT_DOUBLE_EQ(評価(), -1);
    s.盤[4][3] = 空;
    s.勢COM[4][3] = s.勢COM[6][3] = 1;

    // C3: a human rook or upward lance in the computer king's column.
    s.盤[5][5] = 空;
    s.盤[9][5] = MAN_飛成0;
    EXPECT_DOUBLE_EQ(評価(), -1);
    s.盤[9][5] = MAN_香2;
    EXPECT_DOUBLE_EQ(評価(), -1);
    s.盤[9][5] = MAN_香0;
    EXPECT_DOUBLE_EQ(評価(), 0);
}

TEST_F(危険, 動かした駒の両取り) {
    // The moved gold (facing down) on (5, 5), out of the human's reach.
    s.盤[5][5] = COM_金0;
    s.盤[5][6] = MAN_銀2;
    EXPECT_DOUBLE_EQ(評価(COM_金0, 5, 5), 0.1);  // one target: no fork value
    s.盤[4][6] = MAN_飛2;
    EXPECT_NEAR(評価(COM_金0, 5, 5), 0.2 + 402, 1e-9);
    s.勢MAN[5][6] = 1;  // the silver is defended: only the rook is a target
    EXPECT_NEAR(評価(COM_金0, 5, 5), 0.1, 1e-9);
    // A defended king still counts.
    s.盤[9][9] = 空;
    s.盤[6][6] = MAN_王2, s.王X_MAN = 6, s.王Y_MAN = 6;
    s.勢MAN[6][6] = 2;
    EXPECT_NEAR(評価(COM_金0, 5, 5), 0.2 + 702, 1e-9);
    // The moved piece is itself attacked (by the king, and defended): no
    // threats at all.
    s.勢MAN[5][5] = 1;
    s.弱MAN駒[5][5] = MAN_王2, s.弱MAN_X[5][5] = 6, s.弱MAN_Y[5][5] = 6;
    EXPECT_DOUBLE_EQ(評価(COM_金0, 5, 5), 0);
}

TEST(自角注意, 角の打ち場所を守る駒) {
    auto p = 新しい状態();
    COM作業& s = *p;
    auto 注意 = [&](int x, int y, int r) { return 変えずに(s, [&] { return 盤評価_自角注意_COM(s, x, y, r); }); };
    s.盤[3][2] = COM_金0;
    EXPECT_EQ(注意(3, 2, COM_金0), 0);  // no square marked
    s.持角狙座標_MAN[7][7] = 1;
    EXPECT_EQ(注意(3, 2, COM_金0), 0);  // marked, but out of the gold's reach
    s.持角狙座標_MAN[3][3] = 1;
    EXPECT_EQ(注意(3, 2, COM_金0), 500);

    // A promoted silver that covers the square only as a silver would.
    s.盤[3][2] = 空;
    s.持角狙座標_MAN[3][3] = 0;
    s.盤[5][5] = COM_銀成0;
    s.持角狙座標_MAN[4][4] = 1;
    EXPECT_EQ(注意(5, 5, COM_銀成0), 0);
    手駒_MAN(s, 6, 1);  // the drop test answers for an empty square
    EXPECT_EQ(注意(5, 5, COM_銀成0), 410);
    s.盤[3][3] = COM_銀0;  // an unpromoted silver elsewhere covers it
    手駒_MAN(s, 6, 0);
    EXPECT_EQ(注意(5, 5, COM_銀成0), 410);
    s.盤[3][3] = 空;
    // Only the first marked square that qualifies is tested: (6, 6), which
    // the promoted silver covers itself, comes after (4, 4).
    s.持角狙座標_MAN[6][6] = 1;
    EXPECT_EQ(注意(5, 5, COM_銀成0), 0);
    // The same within one column: (4, 4) before (4, 6).
    s.持角狙座標_MAN[4][6] = 1;
    EXPECT_EQ(注意(5, 5, COM_銀成0), 0);
    s.持角狙座標_MAN[4][4] = 0;
    EXPECT_EQ(注意(5, 5, COM_銀成0), 410);
}

// Every term of every square goes onto the one running score in the order
// the board is walked; a square keeps no sum of its own.  Tenths do not add
// up exactly in binary, so a subtotal per square changes the last bits of
// the result, and a score on a half can then round the other way in the
// search.  Hence exact comparisons here.
TEST_F(危険, 項はすべて一つの点に順に足す) {
    // The computer king on (5, 2); the squares around it are empty, reached
    // once by the human and not at all by the computer, and the human holds
    // a pawn.  Each such square costs 0.5 for the attack next to the king,
    // 0.1 as an uncovered home square the human reaches, and 0.1 more as an
    // uncovered home square with a piece to drop.
    王を移す(5, 2);
    手駒_MAN(s, 1, 1);
    auto 攻めさせる = [&](int x, int y) { s.勢MAN[x][y] = 1, s.勢COM[x][y] = 0; };
    攻めさせる(4, 1);
    攻めさせる(4, 2);
    const double 順に = -0.5 - 0.1 - 0.1 - 0.5 - 0.1 - 0.1;
    const double 桝ごと = (-0.5 - 0.1 - 0.1) + (-0.5 - 0.1 - 0.1);
    ASSERT_NE(順に, 桝ごと);  // the case tells the two readings apart
    EXPECT_EQ(評価(), 順に);

    // All eight neighbours, then a human pawn on (7, 3) that the gold moved
    // to (7, 2) newly attacks near our king (+15) and threatens (+0.1).
    for (int x = 4; x <= 6; ++x)
        for (int y = 1; y <= 3; ++y)
            if (x != 5 || y != 2) 攻めさせる(x, y);
    s.盤[7][2] = COM_金0;
    s.盤[7][3] = MAN_歩2;
    s.勢COM_保存[7][3] = 0;
    double 期待 = 0, 別 = 0;
    for (int i = 0; i < 8; ++i) {
        期待 = 期待 - 0.5 - 0.1 - 0.1;
        別 += -0.5 - 0.1 - 0.1;
    }
    期待 = 期待 + 15 + 0.1;
    別 += 15 + 0.1;
    ASSERT_NE(期待, 別);
    EXPECT_EQ(評価(COM_金0, 7, 2), 期待);
}

// The edges of two patterns: the human pawn below a reached square counts on
// the computer's three home rows only, and a knight on the first column has
// no target square to its left.
TEST_F(危険, 歩の押し上げは三段目までと端の桂) {
    s.勢MAN[4][3] = 1;
    s.盤[4][4] = MAN_歩2;
    EXPECT_DOUBLE_EQ(評価(), -30);
    s.勢MAN[4][3] = 0;
    s.盤[4][4] = 空;
    s.勢MAN[4][4] = 1;  // row 4, defended as often as attacked
    s.盤[4][5] = MAN_歩2;
    EXPECT_DOUBLE_EQ(評価(), 0);
    s.勢MAN[4][4] = 0;
    s.盤[4][5] = 空;

    s.盤[1][7] = MAN_桂2;
    s.盤[1][3] = COM_銀0;
    EXPECT_DOUBLE_EQ(評価(), 0);  // (2, 5) is covered, and there is no (0, 5)
    s.勢COM[2][5] = 0;
    EXPECT_DOUBLE_EQ(評価(), -1);
}
