// The piece-specific terms on small positions prepared as the computer's
// turn prepares them.  Each expectation sums the terms its comment names,
// starting from 0.

#include "candidate_harness.h"

using namespace eval_test;

namespace {
using 駒別の項 = 候補局面;
constexpr double 誤差 = 1e-9;
}  // namespace

TEST_F(駒別の項, 王) {
    // The gold on (7, 2) shields the king from the human rook: a pinned piece.
    置く(5, 2, COM_王0), 置く(7, 2, COM_金0), 置く(9, 2, MAN_飛2), 置く(5, 9, MAN_王2), 置く(1, 3, COM_香3);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 2, 4, 3), 1 + 10);  // off the centre file, pin
    EXPECT_DOUBLE_EQ(駒別(5, 2, 5, 3), 10);
    // Reached by more of ours than in the snapshot.  The map counts a king's
    // own square only through the lance line, so the snapshot is lowered.
    s.勢COM_保存[4][3] = 0;
    EXPECT_DOUBLE_EQ(駒別(5, 2, 4, 3), 1 + 10 + 1);

    片付ける();
    置く(5, 3, COM_王0), 置く(9, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 3, 5, 4), -(15 + 4));
    // Boxed into the corner: only the square it came from is left.
    片付ける();
    置く(1, 2, COM_王0), 置く(2, 1, COM_金0), 置く(2, 2, COM_金0), 置く(9, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(1, 2, 1, 1), 1 - 20);
}

TEST_F(駒別の項, 竜と馬) {
    // The human's silver with golds at its shoulders, at the source and at
    // the destination: beside the silver −10, leaving between two golds
    // +2 +2, the corner trap −150.
    置く(3, 8, MAN_銀2), 置く(2, 9, MAN_香2), 置く(4, 8, MAN_金2), 置く(6, 8, MAN_銀2), 置く(5, 8, MAN_金2);
    置く(7, 8, MAN_金2), 置く(6, 9, COM_飛成0), 置く(9, 1, COM_王0), 置く(9, 5, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(6, 9, 3, 9), -10 + 2 + 2 - 150);

    // Safe on the king's file two rows away: +100; the bishop beside −1.
    片付ける();
    置く(5, 3, COM_飛成0), 置く(4, 6, COM_角0), 置く(9, 1, COM_王0), 置く(5, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 3, 5, 7), -1 + 100);
    EXPECT_DOUBLE_EQ(駒別(5, 3, 5, 6), -1);  // three rows away
    // A promoted bishop counts only the heavy pieces around it: the
    // promoted rook and a rook.
    置く(3, 3, COM_角成0), 置く(5, 5, COM_飛0);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(3, 3, 4, 4), -2);
}

TEST_F(駒別の項, 飛車) {
    置く(2, 2, COM_飛0), 置く(2, 5, MAN_歩2), 置く(5, 1, COM_王0), 置く(5, 9, MAN_王2);
    手番開始();
    // The square in front attacked −1, the rook's first step from home −1.
    EXPECT_DOUBLE_EQ(駒別(2, 2, 2, 3), -1 - 1);
    // Sideways to (3, 4) before the human's bishop file +7, the square in
    // front attacked −1, with the pawn behind it on a sideways move −5.
    置く(2, 2, 空), 置く(9, 4, COM_飛0), 置く(3, 7, MAN_角2), 置く(3, 6, MAN_歩2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(9, 4, 3, 4), 7 - 1 - 5);

    // Into a corner with one safe square left.
    片付ける();
    置く(1, 2, COM_飛0), 置く(2, 1, COM_金0), 置く(1, 3, COM_銀0), 置く(9, 1, COM_王0), 置く(5, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(1, 2, 1, 1), -35);

    // Next to the human king, which alone reaches it, under a lance's guard.
    片付ける();
    置く(5, 3, COM_飛0), 置く(5, 1, COM_香0), 置く(9, 1, COM_王0), 置く(5, 8, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 3, 5, 7), 100);
    置く(5, 8, MAN_王1);  // a king facing another way is not the code named
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 3, 5, 7), 0);

    // A drop: the surroundings, and −1 for the silver-and-gold pattern on
    // the back rank; no board-move term (the square in front of (6, 4) is
    // attacked).
    片付ける();
    置く(5, 8, MAN_銀2), 置く(4, 9, MAN_香2), 置く(6, 8, MAN_金2), 置く(6, 6, MAN_歩2), 置く(7, 5, COM_角0);
    置く(9, 1, COM_王0), 置く(1, 5, MAN_王2);
    持駒_COMに(7, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(7, 5, 9), -1);
    EXPECT_DOUBLE_EQ(打ち駒別(7, 6, 4), -1);
}

TEST_F(駒別の項, 角) {
    // The ninth-file pattern: our pawn on (9, 4), the human's pawn and lance.
    置く(9, 4, COM_歩0), 置く(9, 6, MAN_歩2), 置く(9, 9, MAN_香2), 置く(5, 1, COM_王0), 置く(1, 9, MAN_王2);
    置く(8, 2, COM_角0);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(8, 2, 9, 3), -10);
    置く(8, 2, 空), 置く(9, 3, COM_角0);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(9, 3, 8, 2), 10);

    // Dropped among our own golds with the square in front attacked: no
    // safe square −100, a pawn behind that square −1.
    片付ける();
    置く(4, 4, COM_金0), 置く(6, 4, COM_金0), 置く(4, 6, COM_金0), 置く(6, 6, COM_金0), 置く(5, 7, MAN_歩2);
    置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    持駒_COMに(6, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(6, 5, 5), -100 - 1);

    片付ける();
    置く(1, 7, MAN_歩2), 置く(5, 8, MAN_金2), 置く(2, 8, COM_金0), 置く(2, 3, COM_角0);
    置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    持駒_COMに(6, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(6, 1, 5), -10 - 1);  // edge file above a pawn
    EXPECT_DOUBLE_EQ(打ち駒別(6, 4, 5), -10);      // in front of the gold
    EXPECT_DOUBLE_EQ(駒別(2, 3, 4, 5), 0);         // a board move ends sooner
    EXPECT_DOUBLE_EQ(打ち駒別(6, 1, 9), -20);      // deep and shut in
    EXPECT_DOUBLE_EQ(打ち駒別(6, 5, 7), 0);        // deep but with room
}

TEST_F(駒別の項, 金) {
    // Row 2 against a bishop drop: the unguarded pawn in front +2, our
    // bishop behind it guarded once +125, after the sideways step −0.5.
    置く(4, 1, COM_金0), 置く(5, 3, COM_歩0), 置く(5, 4, COM_角0), 置く(7, 4, COM_香1);
    置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(4, 1, 5, 2), -0.5);  // the human holds no bishop
    手駒_MAN(s, 6, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(4, 1, 5, 2), -0.5 + 2 + 125);
    置く(5, 9, COM_香2);  // a second lance on the bishop: not guarded once
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(4, 1, 5, 2), -0.5 + 2);

    // Row 4 next to our attacked bishop −5.  Dropped, the source row is the
    // kind number 5.
    片付ける();
    置く(4, 3, COM_金0), 置く(6, 4, COM_角0), 置く(6, 5, MAN_歩2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    持駒_COMに(5, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(4, 3, 4, 4), -5);
    EXPECT_DOUBLE_EQ(打ち駒別(5, 3, 6), -0.5);
    EXPECT_DOUBLE_EQ(打ち駒別(5, 3, 5), 0);
}

TEST_F(駒別の項, 銀と桂) {
    置く(6, 2, COM_銀0), 置く(7, 2, COM_桂0), 置く(8, 5, MAN_歩2), 置く(5, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(6, 2, 7, 3), -0.5 + 115);  // knight behind, the (7, 3) pattern
    EXPECT_DOUBLE_EQ(駒別(6, 2, 6, 3), -0.1);        // straight forward
    置く(9, 5, MAN_銀2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(6, 2, 6, 3), 5);

    // Both next landing squares covered −1, the (7, 3) pattern −5.
    片付ける();
    置く(8, 1, COM_桂0), 置く(8, 4, COM_角0), 置く(6, 6, MAN_歩2), 置く(8, 6, MAN_歩2);
    置く(5, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(8, 1, 7, 3), -0.1 - 1 - 5, 誤差);
    EXPECT_DOUBLE_EQ(駒別(8, 1, 9, 3), -0.1);  // edge file: nothing beside is read
    置く(8, 6, 空);                            // one landing square covered
    手番開始();
    EXPECT_NEAR(駒別(8, 1, 7, 3), -0.1 - 5, 誤差);
}

TEST_F(駒別の項, 香と成駒) {
    置く(1, 1, COM_香0), 置く(1, 6, MAN_歩2), 置く(5, 7, MAN_歩2), 置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    置く(5, 4, COM_と0), 置く(3, 4, COM_香成0);
    持駒_COMに(2, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(1, 1, 1, 4), -0.9);
    EXPECT_DOUBLE_EQ(駒別(1, 1, 1, 6), 0);  // a capture
    EXPECT_DOUBLE_EQ(打ち駒別(2, 5, 5), 0);
    手駒_MAN(s, 1, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(2, 5, 5), -10);  // a pawn drop on (5, 6) would block it
    EXPECT_DOUBLE_EQ(打ち駒別(2, 5, 8), 0);

    EXPECT_DOUBLE_EQ(駒別(5, 4, 5, 5), 1);  // promoted pawn, held at least evenly
    EXPECT_DOUBLE_EQ(駒別(3, 4, 3, 5), 0);  // promoted lance: no terms of its own
    置く(5, 6, MAN_歩2);
    手番開始();
    EXPECT_DOUBLE_EQ(駒別(5, 4, 5, 5), 0);
}

TEST_F(駒別の項, 歩_打ち) {
    置く(2, 8, MAN_角2), 置く(5, 4, COM_銀0), 置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    持駒_COMに(1, 1);
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(1, 2, 7), 30);  // in front of the human's bishop
    EXPECT_DOUBLE_EQ(打ち駒別(1, 5, 5), 0);   // under the silver; the human has no pawn
    手駒_MAN(s, 2, 1);
    置く(3, 8, MAN_金2);  // the gold covers (2, 7)
    手番開始();
    EXPECT_DOUBLE_EQ(打ち駒別(1, 5, 5), 6);
    EXPECT_DOUBLE_EQ(打ち駒別(1, 2, 7), 0);
}

TEST_F(駒別の項, 歩_盤上の手) {
    // Turned to face left: empty beside while guarded −1, −0.1, lance behind
    // +1, a knight two ahead with the square between free +1.
    置く(5, 4, COM_歩0), 置く(5, 1, COM_香0), 置く(5, 7, MAN_桂2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(5, 4, 5, 5), -1 - 0.1 + 1 + 1, 誤差);
    置く(5, 4, 空), 置く(5, 7, COM_歩0);  // on row 8 the terms end after −0.1
    手番開始();
    EXPECT_NEAR(駒別(5, 7, 5, 8), -1 - 0.1, 誤差);

    // Our attacked pawn in front −5, bishops beside +0.5 each with a pawn
    // below them +5 each, the (7, 4) pattern +10.
    片付ける();
    置く(7, 3, COM_歩0), 置く(8, 2, COM_角0), 置く(8, 4, COM_角0), 置く(8, 6, COM_歩0), 置く(6, 4, COM_角0);
    置く(6, 6, COM_歩0), 置く(7, 5, COM_歩0), 置く(7, 6, MAN_歩2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(7, 3, 7, 4), -0.1 - 5 + 0.5 + 5 + 10 + 0.5 + 5, 誤差);
    置く(7, 6, 空);  // the pawn in front no longer attacked
    手番開始();
    EXPECT_NEAR(駒別(7, 3, 7, 4), -0.1 + 0.5 + 5 + 10 + 0.5 + 5, 誤差);

    // Turned to face (5, 5), it hits an unguarded silver.
    片付ける();
    置く(4, 4, COM_歩0), 置く(5, 5, MAN_銀2), 置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(4, 4, 4, 5), 402 - 0.1, 誤差);
}

TEST_F(駒別の項, 歩_取る手) {
    // Taking a pawn a human lance guards, from a square one gold guarded:
    // +5 (the square two behind is occupied) and +50.
    置く(5, 4, COM_歩0), 置く(5, 5, MAN_歩2), 置く(5, 3, COM_金0), 置く(5, 9, MAN_香2);
    置く(9, 1, COM_王0), 置く(1, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(5, 4, 5, 5), -0.1 + 5 + 50, 誤差);
    置く(5, 3, 空), 置く(4, 3, COM_金0);  // (5, 3) empty now: −5 instead
    手番開始();
    EXPECT_NEAR(駒別(5, 4, 5, 5), -0.1 - 5 + 50, 誤差);
    置く(6, 3, COM_金0);  // guarded twice: no capture terms
    手番開始();
    EXPECT_NEAR(駒別(5, 4, 5, 5), -0.1, 誤差);
}

TEST_F(駒別の項, 歩_目の前の人間の駒) {
    置く(3, 4, COM_歩0), 置く(3, 6, MAN_歩1), 置く(9, 1, COM_王0), 置く(9, 9, MAN_王2);
    手番開始();
    EXPECT_NEAR(駒別(3, 4, 3, 5), -0.1 + 1, 誤差);  // nobody reaches the pawn
    置く(3, 6, MAN_歩0);                            // a human pawn facing away
    手番開始();
    EXPECT_NEAR(駒別(3, 4, 3, 5), -0.1 - 5, 誤差);

    // Guarded by a lance (empty beside −1, lance +1): stronger +1; as
    // strong +5; as strong with the piece in front reached and unguarded
    // before the move −1.
    置く(3, 6, MAN_歩1), 置く(3, 1, COM_香0);
    手番開始();
    EXPECT_NEAR(駒別(3, 4, 3, 5), -1 - 0.1 + 1 + 1, 誤差);
    置く(4, 6, MAN_銀2);
    手番開始();
    EXPECT_NEAR(駒別(3, 4, 3, 5), -1 - 0.1 + 1 + 5, 誤差);
    置く(2, 5, COM_銀0);
    手番開始();
    EXPECT_NEAR(駒別(3, 4, 3, 5), -1 - 0.1 + 1 - 1, 誤差);
}
