// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/eval_probes.h"

#include "eval_test_util.h"

using namespace eval_test;

namespace {

struct 調査 : ::testing::Test {
    std::unique_ptr<COM作業> p = 新しい状態();
    COM作業& s = *p;
    void SetUp() override { 表を空に(s); }
};

int 逃道(COM作業& s) {
    return 変えずに(s, [&] { return 調査_自王逃道(s); });
}

}  // namespace

TEST_F(調査, 逃道_盤の中央と隅と盤外の王) {
    s.王X_MAN = 5, s.王Y_MAN = 5;
    s.盤[5][5] = MAN_王2;
    EXPECT_EQ(逃道(s), 8);

    s.盤[5][5] = 空;
    s.盤[1][9] = MAN_王2;
    s.王X_MAN = 1, s.王Y_MAN = 9;
    EXPECT_EQ(逃道(s), 3);
    s.王X_MAN = 9, s.王Y_MAN = 1;
    EXPECT_EQ(逃道(s), 3);

    // Before any survey the king's square is still (0, 0): only (1, 1) is a
    // neighbour on the board.
    s.王X_MAN = 0, s.王Y_MAN = 0;
    EXPECT_EQ(逃道(s), 1);
    s.盤[1][1] = COM_歩0;
    EXPECT_EQ(逃道(s), 0);
}

TEST_F(調査, 逃道_駒のある桝と利きのある桝は数えない) {
    s.王X_MAN = 5, s.王Y_MAN = 8;
    s.盤[5][8] = MAN_王2;
    s.盤[4][7] = MAN_金2;  // own piece
    s.盤[6][7] = COM_歩0;  // a computer piece the king could take: still not an escape
    s.勢COM[5][9] = 1;     // covered by the computer
    s.勢MAN[6][8] = 3;     // the human's own cover does not matter
    EXPECT_EQ(逃道(s), 5);
}

TEST_F(調査, 移動可場所数_相手の利きと自分の駒) {
    // A computer rook imagined on (5, 5): 16 squares on an empty board.
    EXPECT_EQ(変えずに(s, [&] { return 調査_移動可場所数(s, 5, 5, COM_飛0); }), 16);
    s.盤[5][7] = COM_金0;  // own piece: (5, 7) and beyond are lost
    s.盤[2][5] = MAN_歩2;  // enemy piece: (2, 5) counts, (1, 5) is lost
    s.勢MAN[5][4] = 1;     // the human reaches (5, 4)
    s.勢COM[5][3] = 1;     // the computer's own reach is irrelevant for it
    EXPECT_EQ(調査_移動可場所数(s, 5, 5, COM_飛0), 16 - 3 - 1 - 1);

    // A human piece is measured against the computer's reach.
    EXPECT_EQ(調査_移動可場所数(s, 5, 5, MAN_銀2), 5 - 0);
    s.勢COM[4][4] = 1;
    s.勢MAN[6][6] = 1;
    EXPECT_EQ(調査_移動可場所数(s, 5, 5, MAN_銀2), 4);
}

TEST_F(調査, 香狙い) {
    // A computer lance on (5, 7), covered from (5, 6), watched by a human rook.
    s.盤[5][7] = COM_香0;
    s.勢COM[5][6] = 1;
    s.弱MAN駒[5][7] = MAN_飛1;
    s.盤[5][9] = MAN_金2;
    auto 狙い = [&](int I_香) { return 変えずに(s, [&] { return 調査_香狙い(s, 5, 7, I_香); }); };
    EXPECT_EQ(狙い(COM_香0), 502);
    EXPECT_EQ(狙い(COM_香2), 0);  // facing away from the target

    s.盤[5][8] = COM_歩0;  // first piece below is the computer's own
    EXPECT_EQ(狙い(COM_香0), 0);
    s.盤[5][8] = 空;

    s.弱MAN駒[5][7] = MAN_角成3;
    EXPECT_EQ(狙い(COM_香0), 502);
    s.弱MAN駒[5][7] = MAN_飛成3;
    EXPECT_EQ(狙い(COM_香0), 502);
    s.弱MAN駒[5][7] = MAN_金2;  // the cheapest watcher is not a bishop or rook
    EXPECT_EQ(狙い(COM_香0), 0);
    s.弱MAN駒[5][7] = MAN_王2;
    EXPECT_EQ(狙い(COM_香0), 0);
    s.弱MAN駒[5][7] = MAN_角0;

    s.勢MAN[5][6] = 1;  // the square above is contested
    EXPECT_EQ(狙い(COM_香0), 0);
    s.勢MAN[5][6] = 0;
    s.勢COM[5][6] = 0;  // or not covered at all
    EXPECT_EQ(狙い(COM_香0), 0);
    s.勢COM[5][6] = 1;

    s.盤[5][9] = 空;  // nothing below
    EXPECT_EQ(狙い(COM_香0), 0);

    // Row 6 and above is never looked at, whatever the tables say.
    s.盤[5][9] = MAN_金2;
    s.盤[5][7] = 空;
    s.盤[5][6] = COM_香0;
    s.勢COM[5][5] = 1;
    s.弱MAN駒[5][6] = MAN_飛2;
    EXPECT_EQ(調査_香狙い(s, 5, 6, COM_香0), 0);
}

TEST_F(調査, 自守駒MAN_直進駒は守り駒が決まるまで偽_盤は元通り) {
    // Human lance and rook facing up below the square: with no guarding codes
    // chosen, the scan never reports a guard.
    s.盤[5][3] = COM_金0;
    s.盤[5][6] = MAN_香2;
    s.盤[5][8] = MAN_飛2;
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(変えずに(s, [&] { return 調査_自守駒MAN_直進駒(s, 5, y); }), 偽) << y;
    s.盤[5][4] = MAN_歩2;
    s.盤[5][5] = MAN_歩2;
    EXPECT_EQ(変えずに(s, [&] { return 調査_自守駒MAN_直進駒(s, 5, 3); }), 偽);
    EXPECT_EQ(変えずに(s, [&] { return 調査_自守駒MAN_直進駒(s, 5, 9); }), 偽);
}

TEST_F(調査, 周辺状況は大駒と王だけを数える) {
    s.盤[4][4] = COM_角0;
    s.盤[5][4] = COM_飛成1;
    s.盤[6][4] = COM_王0;
    s.盤[4][5] = COM_角成2;
    s.盤[6][5] = COM_金0;  // not counted
    s.盤[4][6] = MAN_飛2;  // human pieces are not counted
    s.盤[5][6] = COM_銀成0;
    s.盤[6][6] = COM_飛3;
    s.盤[5][5] = COM_王0;  // the square itself is not counted
    EXPECT_EQ(変えずに(s, [&] { return 調査_周辺状況(s, 5, 5); }), -5);
    s.盤[3][3] = COM_飛0;  // outside the ring
    EXPECT_EQ(調査_周辺状況(s, 5, 5), -5);

    // Corners and edges see only their on-board neighbours.
    s.盤[2][2] = COM_飛0;
    s.盤[1][2] = COM_角0;
    EXPECT_EQ(調査_周辺状況(s, 1, 1), -2);
    s.盤[8][9] = COM_王0;
    EXPECT_EQ(調査_周辺状況(s, 9, 9), -1);
    EXPECT_EQ(調査_周辺状況(s, 9, 5), 0);
}
