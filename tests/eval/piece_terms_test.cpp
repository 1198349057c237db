// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer at full strength knows about the kind of piece it moves,
// seen in its choices: a small position in, the order of its candidates'
// scores (and sometimes the move it plays) out.  Each listed move sits
// between neighbours close enough that losing, flipping or misplacing the
// knowledge it stands for moves it past one of them.

#include <stdexcept>
#include <string_view>

#include "choice.h"

using namespace eval_test;

namespace {

const 順位 駒ごと[] = {
    // The king.
    {"a gold pinned by a rook: the king steps off the centre file, then back, rather than the lance blocking",
     {{5, 2, COM_王0}, {7, 2, COM_金0}, {9, 2, MAN_飛2}, {5, 9, MAN_王2}, {1, 3, COM_香3}},
     {{5, 2, 4, 2}, {5, 2, 5, 1}, {5, 2, 5, 3}, {1, 3, 5, 3}, {7, 2, 8, 2}}},
    {"a lone king leaves the centre file but not its three home rows",
     {{5, 3, COM_王0}, {9, 9, MAN_王2}},
     {{5, 3, 4, 3}, {5, 3, 5, 2}, {5, 3, 5, 4}}, 3, 候補手{5, 3, 4, 3}},
    {"the king does not shut itself into the corner behind its golds",
     {{1, 2, COM_王0}, {2, 1, COM_金0}, {2, 2, COM_金0}, {9, 9, MAN_王2}},
     {{2, 2, 1, 3}, {1, 2, 1, 1}, {2, 2, 3, 3}}, 3, 候補手{1, 2, 1, 3}},
    // Rook, dragon, bishop.
    {"the dragon keeps out of the corner trap of the human's silver, lance and gold",
     {{3, 8, MAN_銀2}, {2, 9, MAN_香2}, {4, 8, MAN_金2}, {6, 8, MAN_銀2}, {5, 8, MAN_金2}, {7, 8, MAN_金2},
      {6, 9, COM_飛成0}, {9, 1, COM_王0}, {9, 5, MAN_王2}},
     {{6, 9, 6, 8}, {6, 9, 3, 9}, {9, 1, 8, 2}}},
    {"the dragon leaves the back rank from behind the human's silver with a gold beside it",
     {{5, 8, MAN_銀2}, {6, 8, MAN_金2}, {5, 9, COM_飛成0}, {9, 1, COM_王0}, {1, 5, MAN_王2}, {9, 3, COM_歩0}},
     {{5, 9, 8, 9}, {9, 1, 9, 2}}},
    {"the dragon settles safely on the human king's file two rows away, above promoting the bishop",
     {{5, 3, COM_飛成0}, {4, 6, COM_角0}, {9, 1, COM_王0}, {5, 9, MAN_王2}},
     {{5, 3, 5, 7}, {4, 6, 7, 9, true}}},
    {"the rook does not go into the corner where one square is left to it",
     {{1, 2, COM_飛0}, {2, 1, COM_金0}, {1, 3, COM_銀0}, {9, 1, COM_王0}, {5, 9, MAN_王2}},
     {{1, 2, 9, 2}, {1, 2, 1, 1}, {1, 2, 5, 2}}},
    {"the rook's first step from home, with its home square attacked",
     {{2, 2, COM_飛0}, {2, 6, MAN_歩2}, {5, 1, COM_王0}, {5, 9, MAN_王2}, {3, 4, MAN_角2}},
     {{2, 2, 5, 2}, {2, 2, 2, 3}, {2, 2, 2, 5}}},
    {"the rook goes sideways to (3, 4) before the human's bishop, pawn and open square on the third file",
     {{9, 4, COM_飛0}, {3, 7, MAN_角2}, {3, 6, MAN_歩2}, {5, 1, COM_王0}, {5, 9, MAN_王2}},
     {{9, 4, 9, 5}, {9, 4, 3, 4}, {9, 4, 7, 4}}},
    {"the bishop leaves the ninth-file square facing the human's pawn and lance",
     {{9, 4, COM_歩0}, {9, 6, MAN_歩2}, {9, 9, MAN_香2}, {5, 1, COM_王0}, {1, 9, MAN_王2}, {9, 3, COM_角0}},
     {{9, 3, 3, 9}, {9, 3, 7, 5}, {5, 1, 6, 1}}},
    {"... and does not step onto it",
     {{9, 4, COM_歩0}, {9, 6, MAN_歩2}, {9, 9, MAN_香2}, {5, 1, COM_王0}, {2, 9, MAN_王2}, {8, 2, COM_角0}},
     {{8, 2, 7, 3}, {8, 2, 9, 3}, {5, 1, 4, 2}}},
    {"a bishop is not dropped among our golds where it has no safe square",
     {{4, 4, COM_金0}, {6, 4, COM_金0}, {4, 6, COM_金0}, {6, 6, COM_金0}, {5, 7, MAN_歩2}, {9, 1, COM_王0},
      {9, 9, MAN_王2}, {自手, 6, 1}},
     {打(6, 1, 9), 打(6, 5, 5), {6, 4, 7, 4}}},
    {"bishop drops: not in front of the human gold, on the edge above a pawn, or deep and shut in",
     {{1, 7, MAN_歩2}, {5, 8, MAN_金2}, {2, 8, COM_金0}, {2, 3, COM_角0}, {9, 1, COM_王0}, {9, 9, MAN_王2},
      {自手, 6, 1}},
     {打(6, 6, 9), 打(6, 3, 9), 打(6, 9, 2), 打(6, 4, 5), 打(6, 4, 9), 打(6, 1, 9), 打(6, 4, 4), 打(6, 8, 2), 打(6, 1, 5), {2, 3, 6, 7}}},
    // Gold, silver, knight.
    {"against a bishop in the human's hand the gold steps up to guard the pawn and bishop in front",
     {{4, 1, COM_金0}, {5, 3, COM_歩0}, {5, 4, COM_角0}, {7, 4, COM_香1}, {9, 1, COM_王0}, {1, 9, MAN_王2},
      {人手, 6, 1}},
     {{4, 1, 5, 2}, {5, 4, 9, 8, true}}, 3, 候補手{4, 1, 5, 2}},
    {"... and without one that step forward and sideways is a little worse than a quiet move",
     {{4, 1, COM_金0}, {5, 3, COM_歩0}, {5, 4, COM_角0}, {7, 4, COM_香1}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{5, 4, 9, 8}, {4, 1, 5, 2}, {7, 4, 6, 4}}},
    {"a gold on row 4 beside our attacked bishop, and gold drops",
     {{4, 3, COM_金0}, {6, 4, COM_角0}, {6, 5, MAN_歩2}, {9, 1, COM_王0}, {2, 9, MAN_王2}, {自手, 5, 1}},
     {打(5, 7, 5), {4, 3, 4, 4}, {4, 3, 5, 4}, 打(5, 3, 6), 打(5, 5, 4)}},
    {"the silver steps to (7, 3) before the knight when the human pawn stands on (8, 5)",
     {{6, 2, COM_銀0}, {7, 2, COM_桂0}, {8, 5, MAN_歩2}, {5, 1, COM_王0}, {1, 9, MAN_王2}},
     {{6, 2, 7, 3}, {5, 1, 6, 1}, {6, 2, 7, 1}, {6, 2, 6, 3}, {7, 2, 8, 4}}, 3, 候補手{6, 2, 7, 3}},
    {"with a human silver on the right edge the silver's straight step is worth more",
     {{6, 2, COM_銀0}, {7, 2, COM_桂0}, {8, 5, MAN_歩2}, {9, 5, MAN_銀2}, {5, 1, COM_王0}, {1, 9, MAN_王2}},
     {{6, 2, 7, 3}, {6, 2, 6, 3}, {5, 1, 6, 1}}},
    {"a knight does not jump where both its next landing squares are covered, nor before our bishop",
     {{8, 1, COM_桂0}, {8, 4, COM_角0}, {6, 6, MAN_歩2}, {8, 6, MAN_歩2}, {5, 1, COM_王0}, {1, 9, MAN_王2}},
     {{5, 1, 5, 2}, {8, 1, 9, 3}, {8, 4, 6, 2}, {8, 1, 7, 3}, {8, 4, 6, 6}}},
    {"a knight jump with one of its next landing squares covered",
     {{4, 1, COM_桂0}, {2, 6, MAN_歩2}, {4, 6, MAN_歩2}, {5, 1, COM_王0}, {1, 9, MAN_王2}},
     {{4, 1, 5, 3}, {4, 1, 3, 3}, {5, 1, 6, 2}}},
    // Lance and promoted pieces.
    {"a lance step that takes nothing, the promoted lance and the promoted pawn",
     {{1, 1, COM_香0}, {1, 6, MAN_歩2}, {5, 7, MAN_歩2}, {9, 1, COM_王0}, {9, 9, MAN_王2}, {5, 4, COM_と0},
      {3, 4, COM_香成0}, {自手, 2, 1}},
     {{3, 4, 4, 4}, {1, 1, 1, 4}, {1, 1, 1, 3}, {1, 1, 1, 6}, {5, 4, 5, 5}, {5, 4, 4, 5}}},
    {"a lance is not dropped where a human pawn drop would block it",
     {{1, 1, COM_香0}, {1, 6, MAN_歩2}, {5, 7, MAN_歩2}, {9, 1, COM_王0}, {9, 9, MAN_王2}, {5, 4, COM_と0},
      {3, 4, COM_香成0}, {自手, 2, 1}, {人手, 1, 1}},
     {打(2, 9, 7), 打(2, 5, 5), {1, 1, 1, 6}}},
    // Pawn drops.
    {"a pawn dropped in front of the human's bishop at home",
     {{2, 8, MAN_角2}, {5, 4, COM_銀0}, {8, 1, COM_王0}, {9, 9, MAN_王2}, {自手, 1, 1}},
     {打(1, 7, 3), 打(1, 2, 7), {5, 4, 6, 3}}},
    {"... but not where a human gold reaches and nothing of ours does",
     {{2, 8, MAN_角2}, {8, 1, COM_王0}, {9, 9, MAN_王2}, {自手, 1, 1}, {3, 8, MAN_金2}},
     {打(1, 8, 8), 打(1, 2, 7), 打(1, 9, 8)}},
    {"a pawn dropped under our silver when the human could drop a pawn or lance to attack it",
     {{2, 8, MAN_角2}, {5, 4, COM_銀0}, {8, 1, COM_王0}, {9, 9, MAN_王2}, {自手, 1, 1}, {人手, 2, 1}, {3, 8, MAN_金2}},
     {打(1, 7, 2), 打(1, 5, 5), 打(1, 6, 4)}},
    {"a pawn dropped under our king earns nothing while the human has no pawn or lance to drop",
     {{2, 8, MAN_角2}, {3, 8, MAN_金2}, {2, 1, COM_香0}, {5, 4, COM_銀0}, {8, 1, COM_王0}, {9, 9, MAN_王2}, {自手, 1, 1}},
     {打(1, 9, 8), 打(1, 8, 2), 打(1, 9, 1)}},
    // Pawn moves on the board.
    {"a pawn step with our lance behind and a human knight two ahead",
     {{5, 4, COM_歩0}, {5, 1, COM_香0}, {5, 7, MAN_桂2}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{9, 1, 9, 2}, {5, 4, 5, 5}, {5, 1, 5, 3}}, 3, 候補手{5, 4, 5, 5}},
    {"a guarded pawn step between two of our pieces",
     {{5, 4, COM_歩0}, {5, 1, COM_香0}, {4, 5, COM_金0}, {6, 5, COM_金0}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{9, 1, 9, 2}, {5, 4, 5, 5}, {6, 5, 7, 5}}},
    {"... and with the square on its left open",
     {{5, 4, COM_歩0}, {5, 1, COM_香0}, {3, 5, COM_金0}, {6, 5, COM_金0}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{6, 5, 7, 5}, {5, 4, 5, 5}, {6, 5, 7, 6}}},
    {"a pawn step onto row 8",
     {{5, 7, COM_歩0}, {5, 1, COM_香0}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{5, 1, 5, 6}, {5, 7, 5, 8}, {5, 1, 5, 4}}},
    {"a pawn step behind our attacked pawn, between our bishops",
     {{7, 3, COM_歩0}, {8, 2, COM_角0}, {8, 4, COM_角0}, {8, 6, COM_歩0}, {6, 4, COM_角0}, {6, 6, COM_歩0},
      {7, 5, COM_歩0}, {7, 6, MAN_歩2}, {9, 1, COM_王0}, {2, 9, MAN_王2}},
     {{7, 5, 7, 6}, {7, 3, 7, 4}, {6, 6, 6, 7, true}}},
    {"... and with that pawn not attacked the step is the move",
     {{7, 3, COM_歩0}, {8, 2, COM_角0}, {8, 4, COM_角0}, {8, 6, COM_歩0}, {6, 4, COM_角0}, {6, 6, COM_歩0},
      {7, 5, COM_歩0}, {9, 1, COM_王0}, {2, 9, MAN_王2}},
     {{7, 3, 7, 4}, {8, 6, 8, 7, true}}, 3, 候補手{7, 3, 7, 4}},
    {"the pawn turns on its step to attack an unguarded silver",
     {{4, 4, COM_歩0}, {5, 5, MAN_銀2}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{4, 4, 4, 5}, {9, 1, 9, 2}}, 3, 候補手{4, 4, 4, 5}},
    {"the pawn turns on its step to attack a human pawn facing down",
     {{4, 4, COM_歩0}, {5, 5, MAN_歩0}, {9, 1, COM_王0}, {1, 9, MAN_王2}},
     {{4, 4, 4, 5}, {9, 1, 9, 2}}, 3, 候補手{4, 4, 4, 5}},
    {"of two pawn captures under a human lance it takes where the square two behind is held",
     {{5, 4, COM_歩0}, {5, 5, MAN_歩2}, {5, 3, COM_金0}, {5, 9, MAN_香2}, {2, 4, COM_歩0}, {2, 5, MAN_歩2},
      {1, 3, COM_金0}, {2, 9, MAN_香2}, {9, 1, COM_王0}, {7, 9, MAN_王2}},
     {{5, 4, 5, 5}, {2, 4, 2, 5}, {9, 1, 9, 2}}, 3, 候補手{5, 4, 5, 5}},
    {"face to face with a human pawn that nothing of either side reaches",
     {{3, 4, COM_歩0}, {3, 6, MAN_歩1}, {9, 1, COM_王0}, {9, 9, MAN_王2}},
     {{9, 1, 9, 2}, {3, 4, 3, 5}, {9, 1, 8, 2}}},
    {"face to face with a human pawn facing away",
     {{3, 4, COM_歩0}, {3, 6, MAN_歩0}, {9, 1, COM_王0}, {9, 9, MAN_王2}},
     {{9, 1, 9, 2}, {3, 4, 3, 5}, {9, 1, 8, 2}}},
    {"face to face, guarded by our lance",
     {{3, 4, COM_歩0}, {3, 6, MAN_歩1}, {3, 1, COM_香0}, {9, 1, COM_王0}, {9, 9, MAN_王2}},
     {{9, 1, 9, 2}, {3, 4, 3, 5}, {3, 1, 3, 3}}, 3, 候補手{3, 4, 3, 5}},
    {"face to face, as strongly held as attacked",
     {{3, 4, COM_歩0}, {3, 6, MAN_歩1}, {3, 1, COM_香0}, {4, 6, MAN_銀2}, {9, 1, COM_王0}, {9, 9, MAN_王2}},
     {{3, 4, 3, 5}, {9, 1, 9, 2}}, 3, 候補手{3, 4, 3, 5}},
    {"face to face, with the piece in front reached by us and not by the human before the move",
     {{3, 4, COM_歩0}, {3, 6, MAN_歩1}, {3, 1, COM_香0}, {4, 6, MAN_銀2}, {2, 5, COM_銀0}, {9, 1, COM_王0},
      {9, 9, MAN_王2}},
     {{3, 1, 3, 3}, {3, 4, 3, 5}, {2, 5, 2, 6}}},
};

class 駒別の項 : public ::testing::TestWithParam<順位> {};

TEST_P(駒別の項, 候補の順) { 確かめる(GetParam()); }

INSTANTIATE_TEST_SUITE_P(表, 駒別の項, ::testing::ValuesIn(駒ごと));

const 順位& 例(std::string_view 頭) {
    for (const auto& e : 駒ごと)
        if (std::string_view(e.何).starts_with(頭)) return e;
    throw std::logic_error("no such case");
}

// Without the knowledge of pieces (strength 2) the computer takes on the
// second file instead, and leaves its silver where it is.
TEST(強さ二, 駒を知らない) {
    EXPECT_EQ(探す(例("of two pawn captures").駒, 2).選んだ手(), (候補手{2, 4, 2, 5}));
    EXPECT_NE(探す(例("the silver steps").駒, 2).選んだ手(), (候補手{6, 2, 7, 3}));
}

}  // namespace
