// SPDX-License-Identifier: GPL-3.0-or-later
// The dangers the computer sees on the whole board after a candidate move,
// seen in its choices at strength 2 (the danger survey without the
// knowledge of single pieces): what the human could drop next, pieces left
// hanging, pressure on our king, and the threats the moved piece makes.  A
// small position in, the order of its candidates' scores out; each listed
// move sits between neighbours close enough that losing or misplacing a
// danger moves it past one of them.

#include "choice.h"

using namespace eval_test;

namespace {

const 順位 危険[] = {
    {"with a lance in the human's hand the rook under our silver steps off the file the human rook crosses",
     {{5, 1, COM_王0}, {7, 2, COM_飛1}, {7, 1, COM_銀0}, {1, 3, MAN_飛2}, {1, 9, MAN_王2}, {人手, 2, 1}},
     {{7, 2, 6, 2}, {5, 1, 4, 1}, {5, 1, 6, 1}}, 3},
    {"... but a lance of ours in front of the rook is no skewer",
     {{9, 1, COM_王0}, {5, 1, COM_飛0}, {5, 3, COM_香0}, {1, 4, MAN_飛2}, {1, 9, MAN_王2}, {人手, 2, 1}},
     {{5, 3, 5, 7, true}, {5, 3, 5, 9}, {9, 1, 8, 1}, {5, 1, 5, 2}, {5, 1, 8, 1}}, 3},
    {"a piece that lands where the human takes it threatens nothing",
     {{2, 8, MAN_角2}, {3, 8, MAN_金2}, {2, 1, COM_香0}, {5, 4, COM_銀0}, {8, 1, COM_王0}, {9, 9, MAN_王2}, {自手, 1, 1}},
     {{5, 4, 5, 5}, {2, 1, 2, 7, true}, {2, 1, 2, 7}}, 3},
    {"... nor does a gold stepping next to a human lance, knight and silver",
     {{9, 1, COM_王0}, {6, 5, COM_金0}, {5, 7, MAN_香2}, {6, 7, MAN_桂2}, {7, 7, MAN_銀2}, {1, 9, MAN_王2}},
     {{9, 1, 8, 2}, {6, 5, 5, 6}}, 2},
    {"the rook a silver attacks goes to safety; a king step leaves it hanging",
     {{5, 1, COM_王0}, {5, 5, COM_飛0}, {4, 6, MAN_銀2}, {5, 9, MAN_王2}},
     {{5, 5, 5, 2}, {5, 5, 1, 5}, {5, 1, 6, 1}, {5, 5, 5, 3}}, 2},
    {"with a lance in the human's hand the rook leaves the file behind the silver",
     {{9, 1, COM_王0}, {5, 2, COM_飛1}, {5, 4, COM_銀2}, {1, 9, MAN_王2}, {人手, 2, 1}},
     {{5, 2, 1, 2}, {5, 4, 4, 3}, {5, 4, 6, 5}, {9, 1, 9, 2}, {9, 1, 8, 1}, {5, 2, 5, 1}, {5, 2, 7, 2}}, 2,
     候補手{5, 2, 1, 2}},
    {"with a knight in the human's hand a gold breaks up the fork, the king does not",
     {{9, 1, COM_王0}, {4, 3, COM_金0}, {6, 3, COM_金0}, {5, 6, MAN_飛2}, {1, 9, MAN_王2}, {人手, 3, 1}},
     {{6, 3, 7, 3}, {4, 3, 4, 4}, {9, 1, 8, 2}, {9, 1, 9, 2}}, 2},
    {"with a gold in the human's hand: the squares between our rook and bishop",
     {{9, 1, COM_王0}, {4, 4, COM_飛0}, {6, 4, COM_角0}, {2, 9, MAN_王2}, {人手, 5, 1}},
     {{6, 4, 3, 7, true}, {4, 4, 4, 8}, {6, 4, 7, 5}, {6, 4, 9, 7}, {4, 4, 4, 7}, {4, 4, 4, 5}, {4, 4, 4, 6}}, 2},
    {"with a silver in the human's hand: two golds on an open diagonal",
     {{9, 1, COM_王0}, {4, 4, COM_金0}, {6, 6, COM_金0}, {1, 9, MAN_王2}, {人手, 4, 1}},
     {{4, 4, 4, 3}, {9, 1, 9, 2}, {4, 4, 3, 4}, {6, 6, 7, 6}, {4, 4, 3, 5}, {6, 6, 5, 7}}, 2},
    {"the king on the back row with the square in front attacked steps up and aside",
     {{5, 1, COM_王0}, {5, 5, MAN_飛2}, {6, 1, COM_金0}, {4, 1, COM_金0}, {1, 9, MAN_王2}, {人手, 4, 1}},
     {{5, 1, 6, 2}, {6, 1, 5, 2}}, 2, 候補手{5, 1, 6, 2}},
    {"our pawn before a human rook, a pawn in the human's hand",
     {{9, 1, COM_王0}, {5, 5, COM_歩2}, {5, 8, MAN_飛1}, {1, 9, MAN_王2}, {人手, 1, 1}},
     {{5, 5, 5, 4}, {9, 1, 9, 2}}, 2, 候補手{5, 5, 5, 4}},
    {"a gold near a human lance and knight",
     {{9, 1, COM_王0}, {6, 5, COM_金0}, {4, 7, MAN_香2}, {6, 7, MAN_桂2}, {1, 9, MAN_王2}},
     {{6, 5, 6, 6}, {6, 5, 7, 6}, {6, 5, 5, 6}, {6, 5, 7, 5}}, 2},
    {"with a bishop in the human's hand the gold does not cover the drop square aimed at our king",
     {{5, 1, COM_王0}, {3, 2, COM_金0}, {1, 9, MAN_王2}, {人手, 6, 1}},
     {{5, 1, 5, 2}, {5, 1, 6, 1}, {3, 2, 4, 3}, {3, 2, 3, 3}, {3, 2, 2, 3}}, 2},
    {"a human pawn about to push into our camp: the gold covers the square",
     {{9, 1, COM_王0}, {4, 4, MAN_歩2}, {4, 5, MAN_金2}, {5, 1, COM_金0}, {1, 9, MAN_王2}},
     {{5, 1, 4, 2}, {9, 1, 9, 2}}, 2},
    {"... and a second guard of the square it pushes to is worth the most",
     {{9, 1, COM_王0}, {4, 4, MAN_歩2}, {4, 5, MAN_金2}, {5, 1, COM_金0}, {3, 2, COM_銀0}, {1, 9, MAN_王2}},
     {{5, 1, 4, 2}, {9, 1, 9, 2}}, 2, 候補手{5, 1, 4, 2}},
    {"a human knight with our silver four rows ahead: the gold keeps the knight's landing squares guarded",
     {{9, 1, COM_王0}, {5, 7, MAN_桂2}, {5, 3, COM_銀0}, {7, 4, COM_金0}, {1, 9, MAN_王2}},
     {{5, 3, 6, 2}, {7, 4, 7, 5}, {7, 4, 8, 4}}, 2},
    {"the king attacks a silver next to it that nothing of ours reached",
     {{7, 3, COM_王0}, {5, 1, COM_金0}, {5, 3, MAN_銀2}, {1, 9, MAN_王2}},
     {{7, 3, 6, 3}, {7, 3, 8, 3}, {7, 3, 7, 2}, {5, 1, 4, 1}}, 2, 候補手{7, 3, 6, 3}},
    {"the king leaves the file of a human rook",
     {{5, 1, COM_王0}, {6, 6, MAN_飛2}, {1, 9, MAN_王2}},
     {{5, 1, 4, 1}, {5, 1, 5, 2}}, 2, 候補手{5, 1, 4, 1}},
};

class 危険の項 : public ::testing::TestWithParam<順位> {};

TEST_P(危険の項, 候補の順) { 確かめる(GetParam()); }

INSTANTIATE_TEST_SUITE_P(表, 危険の項, ::testing::ValuesIn(危険));

}  // namespace
