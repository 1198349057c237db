// SPDX-License-Identifier: GPL-3.0-or-later
// The move list: a two-person game played by presses, with a promotion, a
// capture and a drop, in; its rows, their texts and stepping out.
#include "play/move_list.h"

#include "core/position.h"
#include "core/setup.h"
#include "play/com_game.h"
#include "play/commands.h"
#include "play/navigation.h"
#include "play/player_commands.h"
#include "store/record_file.h"
#include "tests/control/fixture.h"
#include "view/course.h"

namespace {

using 文 = std::vector<std::string>;

struct 棋譜一覧試験 : 対局試験 {
    int と = 空;  // the promoted pawn as it landed
    // Kings, a bottom pawn one square short of the far zone, a top gold
    // beside where it arrives and a bottom promoted pawn; then four moves.
    void 四手指す() {
        二人対局();
        王だけ();
        s.盤[3][4] = MAN_歩2;
        s.盤[4][2] = COM_金0;
        s.盤[8][8] = MAN_と2;
        s.棋譜手数 = 0;
        局面を記録(s, 0, 0);
        指す(3, 4, 3, 3, 2);  // 先手: the pawn promotes (right press)
        と = 局面_取得(s).盤[3][3];
        指す(4, 2, 3, 3);               // 後手: the gold takes it
        指す(8, 8, 8, 7);               // 先手: the promoted pawn steps up
        指す(-1, 持駒行_COM(1), 7, 5);  // 後手: drops the pawn it took
    }
};

TEST_F(棋譜一覧試験, 四手の行と文) {
    四手指す();
    const auto 行 = 棋譜一覧(s);
    ASSERT_EQ(行.size(), 4u);
    struct 期待 {
        int 側, 駒;
        bool 打;
        int 元X, 元Y, 先X, 先Y;
        bool 成;
        int 取った駒;
    };
    const 期待 表[] = {
        {先手, MAN_歩2, false, 3, 4, 3, 3, true, 空},
        {後手, COM_金0, false, 4, 2, 3, 3, false, と},
        {先手, MAN_と2, false, 8, 8, 8, 7, false, 空},  // promoted before, not now
        {後手, COM_歩0, true, 0, 0, 7, 5, false, 空},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        const auto& r = 行[i];
        const auto& e = 表[i];
        EXPECT_EQ(r.手目, i + 1);
        EXPECT_EQ(r.側, e.側);
        EXPECT_EQ(r.駒, e.駒);
        EXPECT_EQ(r.打, e.打);
        EXPECT_EQ(std::make_pair(r.元X, r.元Y), std::make_pair(e.元X, e.元Y));
        EXPECT_EQ(std::make_pair(r.先X, r.先Y), std::make_pair(e.先X, e.先Y));
        EXPECT_EQ(r.成, e.成);
        EXPECT_EQ(r.取った駒, e.取った駒);
        // The arrow is the facing the piece shows on the board afterwards.
        const int 今 = 局面_取得(s).盤[r.先X][r.先Y];
        EXPECT_EQ(r.向き, 駒向き(i == 0 ? と : 今));
        // Facing 0 is down the screen, 1 left, 2 up, 3 right.
        static const char* const 矢印[] = {"↓", "←", "↑", "→"};
        EXPECT_EQ(棋譜一覧の文にする(r).向き, 文{矢印[r.向き]}) << i;
    }
    ASSERT_EQ(駒型(と), 11);
    EXPECT_NE(駒向き(と), 2);  // it landed on an empty square and turned
    EXPECT_EQ(棋譜一覧の今の手(s), 4);

    const auto 一 = 棋譜一覧の文にする(行[0]);
    EXPECT_EQ(一.手目, 文{"1"});
    EXPECT_EQ(一.側, 文{"先手"});
    EXPECT_EQ(一.駒, 文{"歩"});
    EXPECT_EQ(一.移動, (文{"７", "四", " → ", "７", "三"}));
    EXPECT_EQ(一.成, 文{"成"});
    EXPECT_TRUE(一.取.empty());
    const auto 二 = 棋譜一覧の文にする(行[1]);
    EXPECT_EQ(二.取, 文{"と"});
    EXPECT_EQ(二.向き, 文{"↓"});  // a capture does not turn the gold
    EXPECT_TRUE(二.成.empty());
    const auto 四 = 棋譜一覧の文にする(行[3]);
    EXPECT_EQ(四.側, 文{"後手"});
    EXPECT_EQ(四.移動, (文{"打", " → ", "３", "五"}));
}

TEST_F(棋譜一覧試験, 行へ進めても戻してもその手の後の局面になる) {
    四手指す();
    棋譜一覧_手へ(s, p, 1);
    EXPECT_EQ(棋譜一覧の今の手(s), 1);
    EXPECT_EQ(局面_取得(s).盤[3][3], と);
    EXPECT_EQ(局面_取得(s).盤[4][2], COM_金0);
    EXPECT_EQ(棋譜一覧(s).size(), 4u);  // the log ends where "進" can go: the last move
    棋譜一覧_手へ(s, p, 3);
    EXPECT_EQ(棋譜一覧の今の手(s), 3);
    EXPECT_EQ(駒型(局面_取得(s).盤[8][7]), 11);
    棋譜一覧_手へ(s, p, 0);
    EXPECT_EQ(局面_取得(s).盤[3][4], MAN_歩2);
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

// A record may hold two positions no single move joins (here the same
// one twice): the row says so and names nobody.
TEST_F(棋譜一覧試験, 手のない行は指し手なし) {
    二人対局();
    s.棋譜手数 = 0;
    局面を記録(s, 0, 0);
    s.棋譜手数 = 1;
    局面を記録(s, 0, 0);
    const auto 行 = 棋譜一覧(s);
    ASSERT_EQ(行.size(), 1u);
    const auto t = 棋譜一覧の文にする(行[0]);
    EXPECT_EQ(t.移動, 文{"指し手なし"});
    EXPECT_TRUE(t.側.empty());
    EXPECT_TRUE(t.駒.empty());
}

}  // namespace

// The move that takes a king ends the game and stays in it: in the list
// while the end is announced, in the log that 戻 and 進 walk, and as the
// last position of the saved record, the one without the taken king.
TEST_F(棋譜一覧試験, 王を取った手は一覧と記録と進に残る) {
    // The loser's king steps into a rook's line, and the rook takes it.
    struct 場合 {
        int 王X, 王Y, 王先Y, 飛Y, 飛;
        const char* 告知;
    };
    const 場合 表[] = {
        {5, 1, 2, 4, -702, "先手の勝ちです"},  // the bottom rook takes the top king
        {5, 9, 8, 6, 700, "後手の勝ちです"},   // the top rook takes the bottom king
    };
    for (const 場合& e : 表) {
        SCOPED_TRACE(e.告知);
        初期設定(s, p);
        二人対局();
        王だけ();
        s.盤[5][e.飛Y] = e.飛;
        s.手番 = e.飛 < 0 ? 後手 : 先手;
        s.棋譜手数 = 0;
        局面を記録(s, 0, 0);
        std::size_t 箱の時の行数 = 0;
        p.箱の間に = [&](const std::string& t) {
            if (t == e.告知) 箱の時の行数 = 棋譜一覧(s).size();
        };
        指す(e.王X, e.王Y, e.王X, e.王先Y);
        指す(5, e.飛Y, e.王X, e.王先Y);
        p.箱の間に = nullptr;
        ASSERT_EQ(s.勝者, e.飛 < 0 ? 先手 : 後手);
        EXPECT_EQ(箱の時の行数, 2u);
        const 局面 最後 = 局面_取得(s);

        ASSERT_EQ(書込_棋譜(s.記録, s.棋譜最終手数, "end.棋譜", "t", "a", "b"), "");
        棋譜内容 k;
        std::string エラー;
        ASSERT_EQ(読込_棋譜("end.棋譜", k, エラー), 真) << エラー;
        ASSERT_EQ(k.局面.size(), 2u);
        EXPECT_EQ(k.王なし手, 0);
        EXPECT_TRUE(static_cast<const 局面&>(k.局面.back()) == 最後);

        REPLAY_Click(s, p);
        EXPECT_EQ(s.手数, 1);
        AFTER_Click(s, p);
        EXPECT_EQ(s.手数, 2);
        EXPECT_TRUE(局面_取得(s) == 最後);
    }
}

// 待った takes back the player's move and the computer's reply; both stay
// in the list, and 進 walks to them again.
TEST_F(棋譜一覧試験, 待ったの後も応手まで一覧に残り進で戻れる) {
    COMの応手& 計算機 = コンピュータの記憶元;
    レベル_設定(s, p, 1);
    SENTE_Click(s, p, 計算機);
    相手 = &計算機;
    指す(7, 7, 7, 6);
    指す(2, 7, 2, 6);
    ASSERT_EQ(s.手数, 4);
    const 局面 四手目 = 局面_取得(s);
    MATTA_Click(s, p);
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(棋譜一覧(s).size(), 4u);
    EXPECT_EQ(棋譜一覧(s).back().側, s.手番_COM);
    AFTER_Click(s, p);
    AFTER_Click(s, p);
    EXPECT_TRUE(局面_取得(s) == 四手目);
}
