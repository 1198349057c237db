// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/com_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "play/com_turn.h"
#include "play/commands.h"
#include "core/clock.h"
#include "core/move.h"
#include "core/rules.h"
#include "play/navigation.h"
#include "tests/control/fixture.h"
#include "view/clock_view.h"

namespace {

using 告知対 = std::pair<std::string, std::string>;
告知対 対(const メッセージ記録& m) { return {m.本文, m.題}; }

class COM対局試験 : public 対局試験 {
protected:
    void SetUp() override {
        対局試験::SetUp();
        相手 = &コンピュータ;
    }
    COMの応手 コンピュータ;
    // Squares that differ from the starting position.
    int 動いた桝() const {
        int n = 0;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) n += s.盤[x][y] != s.記録[0].面.盤[x][y];
        return n;
    }
};

// ---- the start commands --------------------------------------------------------

TEST_F(COM対局試験, 後手は新しい盤でCOMが黙って先に指す) {
    GOTE_Click(s, p, *相手);
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_EQ(s.操作.対局種別, 対局_COM);
    EXPECT_EQ(s.手番_COM, 先手);
    EXPECT_EQ(s.手番_MAN, 後手);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_EQ(s.手数, 1);
    EXPECT_EQ(s.棋譜手数, 1);
    EXPECT_EQ(動いた桝(), 2);  // a top piece left its square for another
    EXPECT_EQ(鳴った("play 3"), 1);

    // The human answers with the bottom pieces and the computer replies in
    // the same press.
    指す(7, 7, 7, 6);
    EXPECT_EQ(s.手数, 3);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

TEST_F(COM対局試験, 先手は人が先に指しCOMが同じ押下で答える) {
    SENTE_Click(s, p, *相手);
    EXPECT_EQ(対(最後の告知()), 告知対("MANの番です", " "));
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.手番_MAN, 先手);
    EXPECT_EQ(s.手数, 0);
    EXPECT_TRUE(s.時計.Timer1有効);  // whatever the elapsed-time option says

    指す(7, 7, 7, 6);
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.棋譜手数, 2);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_GE(動いた桝(), 3);  // 4 unless the reply took the pawn
}

TEST_F(COM対局試験, 途中からの先手と後手) {
    // Two people have played one move; the top side is to move.
    START_Click(s, p);
    指す(7, 7, 7, 6);
    ASSERT_EQ(s.手番, 後手);
    p.全消去();
    SENTE_Click(s, p, *相手);  // the computer takes the side to move and moves at once
    EXPECT_EQ(s.操作.対局種別, 対局_COM);
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_TRUE(p.メッセージ履歴.empty());

    // The human to move: "後手" keeps the sides, "先手" makes the human 先手.
    // Either way the announcement stands for the resuming click's.
    s.操作.再開待ち = 真;
    GOTE_Click(s, p, *相手);
    EXPECT_EQ(対(最後の告知()), 告知対("MANの番です", "対局"));
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.手番_MAN, 先手);
    EXPECT_EQ(s.操作.再開待ち, 偽);
    p.全消去();
    押す(3, 7);  // straight to selecting, without a second "MANの番です"
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_EQ(s.操作.選択状態, 1);

    初期設定(s, p);
    GOTE_Click(s, p, *相手);
    ASSERT_EQ(s.手番, 後手);
    s.操作.再開待ち = 真;
    SENTE_Click(s, p, *相手);
    EXPECT_EQ(対(最後の告知()), 告知対("MANの番です", "対局"));
    EXPECT_EQ(s.手番_MAN, 先手);
    EXPECT_EQ(s.手番_COM, 後手);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.操作.再開待ち, 偽);
    EXPECT_EQ(s.手数, 1);

    // With the computer to move "後手" lets it move.
    s.手番 = s.手番_COM;
    GOTE_Click(s, p, *相手);
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.手番, s.手番_MAN);
}

TEST_F(COM対局試験, 後手の人の秒は人の時計の欄に記録され戻と進で戻る) {
    GOTE_Click(s, p, *相手);  // the computer opens, taking no time on this platform
    ASSERT_EQ(s.手番, s.手番_MAN);
    ASSERT_EQ(s.手番_MAN, 後手);
    const double COM秒 = s.時計.所有時間_COM;
    p.現在時刻 = s.時計.開始時刻 + 20;
    Timer1_Timer(s, p);
    指す(7, 7, 7, 6);  // the human, as 後手, thinks for 20 seconds
    ASSERT_EQ(s.棋譜手数, 3);
    // Record 1 holds the human's move: its seconds go to the bottom side.
    EXPECT_DOUBLE_EQ(s.記録[1].前秒M, 0);
    EXPECT_DOUBLE_EQ(s.記録[1].後秒M, 20);
    EXPECT_DOUBLE_EQ(s.記録[1].前秒C, COM秒);
    EXPECT_DOUBLE_EQ(s.記録[1].後秒C, COM秒);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 20);
    EXPECT_DOUBLE_EQ(s.記録[2].前秒M, 20);  // the reply starts from the charged total

    REPLAY_Click(s, p);
    REPLAY_Click(s, p);  // before the human's move
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 0);
    AFTER_Click(s, p);  // after it
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 20);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_COM, COM秒);
}

TEST_F(COM対局試験, 棋譜の途中と終わった対局から始める) {
    // A record being stepped through is cut where it stands.
    s.操作.棋譜モード = 真;
    s.手数 = 3;
    s.手番 = s.手番_MAN;
    s.棋譜最終手数 = 10;
    s.操作.選択状態 = 1;
    SENTE_Click(s, p, *相手);
    EXPECT_EQ(s.操作.棋譜モード, 偽);
    EXPECT_EQ(s.棋譜最終手数, 3);
    EXPECT_EQ(s.操作.選択状態, 0);

    // A finished game is thrown away: a fresh board, and "後手" moves first.
    s.勝者 = s.手番_MAN;
    s.手数 = 40;
    s.盤[5][9] = 空;
    GOTE_Click(s, p, *相手);
    EXPECT_EQ(s.勝者, 手番_なし);
    EXPECT_EQ(s.手数, 1);
    EXPECT_EQ(s.盤[5][9], MAN_王2);
}

// ---- the mouse handler's computer side ---------------------------------------

TEST_F(COM対局試験, 再開COMで先にCOMが指しその押下は選択になる) {
    SENTE_Click(s, p, *相手);
    指す(7, 7, 7, 6);
    // Stepping through the record left the computer to move.
    s.手番 = s.手番_COM;
    s.操作.再開待ち = 真;
    p.全消去();
    押す(3, 7);
    ASSERT_FALSE(p.メッセージ履歴.empty());
    EXPECT_EQ(対(p.メッセージ履歴[0]), 告知対("OKですか？", "再開(COM)"));
    EXPECT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(s.手数, 3);
    EXPECT_EQ(s.手番, s.手番_MAN);
    EXPECT_EQ(s.操作.再開待ち, 偽);
    EXPECT_EQ(s.操作.選択状態, 1);  // the same press picked the pawn
    EXPECT_EQ(s.操作.選択元X, 3);
}

TEST_F(COM対局試験, 人がCOMの王を取ればCOMは指さない) {
    SENTE_Click(s, p, *相手);
    王だけ();
    s.盤[5][2] = MAN_金2;
    p.全消去();
    指す(5, 2, 5, 1);
    EXPECT_EQ(対(最後の告知()), 告知対("あなたの勝ちです", "終了"));
    EXPECT_EQ(s.手数, 1);
    EXPECT_EQ(s.勝者, s.手番_MAN);
}

}  // namespace
