// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping back and forth through the log of a game and of a loaded record.
#include "play/navigation.h"

#include <cmath>
#include <cstring>

#include "core/clock.h"
#include "core/move.h"
#include "tests/control/fixture.h"
#include "view/clock_view.h"
#include "view/move_view.h"
#include "view/render.h"
#include "play/new_game.h"

namespace {

using 告知対 = std::pair<std::string, std::string>;
告知対 対(const メッセージ記録& m) { return {m.本文, m.題}; }

bool 盤が同じ(const 状態& s, int n) { return std::memcmp(s.盤, s.記録[n].面.盤, sizeof s.盤) == 0; }

class 棋譜操作 : public 対局試験 {
protected:
    // Three pawn moves of a game between two people, bottom, top, bottom,
    // taking 3.5, 10.25 and 2 seconds.
    void 三手() {
        二人対局();
        s.時計.開始時刻 = p.現在時刻;
        p.現在時刻 += 3.5;
        指す(7, 7, 7, 6);
        p.現在時刻 += 10.25;
        指す(3, 3, 3, 4);
        p.現在時刻 += 2;
        指す(2, 7, 2, 6);
        ASSERT_EQ(s.棋譜手数, 3);
        ASSERT_EQ(s.棋譜最終手数, 3);
        p.全消去();
    }
    int 描いた文字数(const std::string& t) const {
        int n = 0;
        for (const auto& x : p.文字の履歴()) n += x == t;
        return n;
    }
};

}  // namespace

TEST_F(棋譜操作, 戻って進んで最後の手の後の局面まで進める) {
    三手();
    const auto 盤3 = std::make_unique<状態>(s);

    Timer1_有効(s, p, true);
    REPLAY_Click(s, p);
    EXPECT_GE(描いた文字数("2"), 2);  // the move counter, shadow and text
    EXPECT_TRUE(盤が同じ(s, 2));
    EXPECT_EQ(s.盤[2][7], -102);
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.棋譜手数, 2);
    EXPECT_EQ(s.手番, 先手);  // the side that made move 3 is to move again
    EXPECT_EQ(s.操作.再開待ち, 真);
    EXPECT_FALSE(s.時計.Timer1有効);
    EXPECT_EQ(s.時計.所有時間_MAN, 3.5);  // before move 3
    EXPECT_EQ(s.時計.所有時間_COM, 10.25);
    EXPECT_EQ(鳴った("play 3"), 1);
    EXPECT_TRUE(p.メッセージ履歴.empty());

    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    EXPECT_TRUE(盤が同じ(s, 0));
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.時計.所有時間_MAN, 0);

    // Nothing left to take back.
    p.全消去();
    REPLAY_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 告知対("できません", "戻る"));
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(s.手数, 0);

    // Forward again: the position after each move with the clocks after it.
    Timer1_有効(s, p, true);
    s.操作.再開待ち = 偽;
    p.全消去();
    AFTER_Click(s, p);
    EXPECT_TRUE(盤が同じ(s, 1));
    EXPECT_FALSE(s.時計.Timer1有効);  // the clock waits for the resuming click
    EXPECT_EQ(s.操作.再開待ち, 真);
    EXPECT_EQ(鳴った("play 3"), 1);
    EXPECT_GE(描いた文字数("1"), 2);  // the move counter
    EXPECT_EQ(s.時計.所有時間_MAN, 3.5);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_GE(描いた文字数("３"), 1);  // the move is shown again: ３六歩
    AFTER_Click(s, p);
    EXPECT_TRUE(盤が同じ(s, 2));
    EXPECT_EQ(s.時計.所有時間_COM, 10.25);
    EXPECT_EQ(s.手数, 2);

    // The position after the last move is logged too: 進 gets back to it
    // with the clocks it had, and no further.
    AFTER_Click(s, p);
    EXPECT_EQ(std::memcmp(s.盤, 盤3->盤, sizeof s.盤), 0);
    EXPECT_EQ(s.手数, 3);
    EXPECT_EQ(s.手番, 後手);
    EXPECT_EQ(s.時計.所有時間_MAN, 5.5);
    EXPECT_EQ(s.時計.所有時間_COM, 10.25);
    p.全消去();
    s.操作.再開待ち = 偽;
    AFTER_Click(s, p);
    EXPECT_EQ(s.操作.再開待ち, 真);
    EXPECT_EQ(対(最後の告知()), 告知対("できません", "進む"));
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(s.手数, 3);
}

TEST_F(棋譜操作, 進は指した側の欄に手を描き戻はその欄だけ消す) {
    // Texts drawn at cell (x, y), white ones only (the black shadows sit
    // 0.1 cell lower right).
    const auto 白文字 = [&](double x, double y) {
        std::vector<std::string> out;
        for (const auto& d : p.描画)
            if (d.種類 == 描画記録::文字 && d.色 == 色_白 && d.x == セルX(x) && d.y == セルY(y))
                out.push_back(d.文字列);
        return out;
    };
    const auto 影 = [&](double x, double y) {
        int n = 0;
        for (const auto& d : p.描画)
            n += d.種類 == 描画記録::文字 && d.色 == 色_黒 && d.x == セルX(x) && d.y == セルY(y);
        return n;
    };
    三手();
    REPLAY_Click(s, p);  // move 3 was the bottom side's: only its slot is wiped
    for (int c = 12; c <= 14; ++c) EXPECT_EQ(p.絵の履歴(c, 2), std::vector<int>{背景_緑}) << c;
    for (int c = -2; c <= 0; ++c) EXPECT_TRUE(p.絵の履歴(c, 8).empty()) << c;
    p.全消去();
    REPLAY_Click(s, p);  // move 2, the top side's
    for (int c = -2; c <= 0; ++c) EXPECT_EQ(p.絵の履歴(c, 8), std::vector<int>{背景_緑}) << c;
    for (int c = 12; c <= 14; ++c) EXPECT_TRUE(p.絵の履歴(c, 2).empty()) << c;
    REPLAY_Click(s, p);

    // Move 1, a bottom pawn to ３六: the slot right of the board.
    p.全消去();
    AFTER_Click(s, p);
    EXPECT_EQ(白文字(12.4, 2.4), std::vector<std::string>{"３"});
    EXPECT_EQ(白文字(12.8, 2.4), std::vector<std::string>{"六"});
    EXPECT_EQ(白文字(13.4, 2.4), std::vector<std::string>{"歩"});
    EXPECT_EQ(影(12.5, 2.5) + 影(12.9, 2.5) + 影(13.5, 2.5), 3);
    for (int c = -2; c <= 0; ++c) EXPECT_TRUE(p.絵の履歴(c, 8).empty()) << c;

    // Move 2, a top pawn to ７四: the slot left of the board.
    p.全消去();
    AFTER_Click(s, p);
    EXPECT_EQ(白文字(-1.6, 8.4), std::vector<std::string>{"７"});
    EXPECT_EQ(白文字(-1.2, 8.4), std::vector<std::string>{"四"});
    EXPECT_EQ(白文字(-0.6, 8.4), std::vector<std::string>{"歩"});
    EXPECT_EQ(影(-1.5, 8.5) + 影(-1.1, 8.5) + 影(-0.5, 8.5), 3);
    EXPECT_TRUE(白文字(12.4, 2.4).empty());
    for (int c = 12; c <= 14; ++c) EXPECT_TRUE(p.絵の履歴(c, 2).empty()) << c;
}

TEST_F(棋譜操作, 新しい手は記録をその手で切り次の押下で再開する) {
    三手();
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);  // record 1, the top side to move
    ASSERT_EQ(s.手番, 後手);
    p.全消去();
    p.現在時刻 += 100;
    指す(9, 3, 9, 4);  // a different move
    ASSERT_FALSE(p.メッセージ履歴.empty());
    EXPECT_EQ(対(p.メッセージ履歴.front()), 告知対("後手の番です", "対局"));
    EXPECT_EQ(s.操作.再開待ち, 偽);
    EXPECT_EQ(s.棋譜手数, 2);
    EXPECT_EQ(s.棋譜最終手数, 2);  // the new move's position replaces records 2 and beyond
    p.全消去();
    AFTER_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 告知対("できません", "進む"));
    REPLAY_Click(s, p);
    EXPECT_TRUE(盤が同じ(s, 1));
}

TEST_F(棋譜操作, 最初は記録を捨て進は対局の開始を求める) {
    三手();
    p.全消去();
    CANCEL_Click(s, p);
    EXPECT_EQ(鳴った("play 3"), 1);
    EXPECT_EQ(s.手番, 手番_なし);
    EXPECT_EQ(s.棋譜最終手数, 0);
    EXPECT_EQ(s.盤[7][7], -102);
    // A game in progress: the only box is the question, answered はい.
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(対(p.メッセージ履歴[0]), 告知対("今の対局を終わりにしますか？", "確認"));

    AFTER_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 告知対("「対局」で始めて下さい", "開始"));
    EXPECT_EQ(鳴った("play 2"), 1);
    // "戻" finds nothing to take back.
    REPLAY_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 告知対("できません", "戻る"));

    // Both steps close the record panel.
    p.パネル見える[static_cast<int>(パネル部品::Dir1)] = true;
    REPLAY_Click(s, p);
    EXPECT_FALSE(p.パネル見える[static_cast<int>(パネル部品::Dir1)]);
}

TEST_F(棋譜操作, 戻った後コンピュータの番なら次の押下でコンピュータが指す) {
    s.操作.対局種別 = 対局_COM;
    s.手番_MAN = 先手;
    s.手番_COM = 後手;
    s.手番 = 先手;
    int 呼ばれた = 0;
    // A stand-in computer: answers every move with its next pawn.
    試験の応手 代役;
    相手 = &代役;
    代役.手 = [&](状態& t, Platform& q) {
        ++呼ばれた;
        const int x = 10 - 呼ばれた;
        手順保存(t, x, 3, x, 4, 100, 0, t.時計.所有時間_MAN, t.時計.所有時間_MAN, t.時計.所有時間_COM, t.時計.所有時間_COM);
        駒移動(t, q, x, 3, x, 4, 100);
        t.棋譜手数 += 1;
        t.手数 += 1;
        t.手番 = t.手番_MAN;
    };
    指す(7, 7, 7, 6);
    ASSERT_EQ(呼ばれた, 1);
    ASSERT_EQ(s.手数, 2);

    REPLAY_Click(s, p);  // the computer's move taken back
    EXPECT_EQ(s.手番, s.手番_COM);
    p.全消去();
    押す(5, 5);
    EXPECT_EQ(対(p.メッセージ履歴.front()), 告知対("OKですか？", "再開(COM)"));
    EXPECT_EQ(呼ばれた, 2);
    EXPECT_EQ(s.手番, s.手番_MAN);

    // Back to the human's turn: the clock restarts with "MANの番です".
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    EXPECT_EQ(s.手番, s.手番_MAN);
    p.全消去();
    押す(5, 5);
    EXPECT_EQ(対(最後の告知()), 告知対("MANの番です", "対局"));
    EXPECT_EQ(呼ばれた, 2);
}
