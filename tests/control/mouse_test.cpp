// SPDX-License-Identifier: GPL-3.0-or-later
// Presses on the window: a session of presses in, what the screen shows, the
// sounds, the messages and the position out.  Whether a piece is picked up
// is seen the way the player sees it: by its outline, and by where the next
// press puts it.
#include "play/mouse.h"
#include "play/commands.h"

#include <algorithm>
#include <set>

#include "core/clock.h"
#include "core/position.h"
#include "view/clock_view.h"
#include "store/settings.h"
#include "tests/control/fixture.h"
#include "play/new_game.h"
#include "view/course.h"

namespace {

using 告知対 = std::pair<std::string, std::string>;
告知対 対(const メッセージ記録& m) { return {m.本文, m.題}; }

struct 押し試験 : 対局試験 {
    int 盤(int c, int r) const { return 局面_取得(s).盤[c][r]; }
    int 手駒(bool 下, int 種) const { return (下 ? 局面_取得(s).持駒_MAN : 局面_取得(s).持駒_COM)[種]; }
    bool 告知なし() const { return p.メッセージ履歴.empty(); }
    // A press on the empty cell (c, r): did a piece arrive there?
    bool 着いた(int c, int r) {
        const bool 空いていた = 盤(c, r) == 空;
        押す(c, r);
        return 空いていた && 盤(c, r) != 空;
    }
};

}  // namespace

TEST(桝の位置, 負の側へ切り捨てる) {
    EXPECT_EQ(桝列(1049), -1);
    EXPECT_EQ(桝列(1050), 0);
    EXPECT_EQ(桝列(1665), 1);
    EXPECT_EQ(桝列(434), -2);
    EXPECT_EQ(桝行(99), -1);
    EXPECT_EQ(桝行(100 + 615 * 9 + 614), 9);
}

TEST_F(押し試験, 断りの文句と音) {
    // No game yet.
    押す(5, 7);
    EXPECT_EQ(対(最後の告知()), 告知対("「対局」で始めて下さい", "開始"));
    EXPECT_EQ(鳴った("play 2"), 1);

    // A finished game: message, no sound.
    二人対局();
    s.勝者 = 先手;
    押す(5, 7);
    EXPECT_EQ(対(最後の告知()), 告知対("新規に対局してください", "終局"));
    EXPECT_EQ(鳴った("play 2"), 1);

    // A loaded record: はい keeps it (the next press asks again and moves
    // nothing), いいえ drops it for a fresh position with no game.
    s.勝者 = 手番_なし;
    s.操作.棋譜モード = 真;
    押す(5, 7);
    EXPECT_EQ(対(最後の告知()), 告知対("棋譜を '進 'で進めて下さい", "棋譜"));
    EXPECT_EQ(最後の告知().b, ボタン::はいいいえ);
    EXPECT_FALSE(着いた(5, 6));
    EXPECT_EQ(p.メッセージ履歴.size(), 4u);
    EXPECT_EQ(対(最後の告知()), 告知対("棋譜を '進 'で進めて下さい", "棋譜"));
    EXPECT_EQ(盤(5, 7), MAN_歩2);
    EXPECT_EQ(鳴った("play 2"), 1);
    p.応答予定.push_back(応答::いいえ);
    押す(5, 7);
    EXPECT_EQ(鳴った("play 2"), 2);
    押す(5, 7);
    EXPECT_EQ(対(最後の告知()), 告知対("「対局」で始めて下さい", "開始"));
}

TEST_F(押し試験, 選択と選び直しと指導) {
    二人対局();
    押す(5, 7);  // guidance off: the red outline only
    EXPECT_EQ(枠色(5, 7), 色_赤);
    EXPECT_EQ(枠色(5, 6), 桝輪郭色);

    SIDOU_Click(s, p);  // guidance on: destinations in white
    押す(4, 7);         // another own piece: the selection moves, silently
    EXPECT_EQ(枠色(5, 7), 桝輪郭色);
    EXPECT_EQ(枠色(4, 7), 色_赤);
    EXPECT_EQ(枠色(4, 6), 色_白);
    EXPECT_EQ(枠色(4, 5), 桝輪郭色);
    EXPECT_TRUE(p.音.empty());

    // Off the board: highlights erased, the selection kept.
    押す(20, 5);
    EXPECT_EQ(枠色(4, 6), 桝輪郭色);
    EXPECT_TRUE(着いた(4, 6));
    EXPECT_EQ(盤(4, 7), 空);
    指す(1, 3, 1, 4);  // 後手 answers

    // An opponent's piece in the idle state only shows its reach, and the
    // next press on one of its destinations moves nothing.
    押す(3, 1);  // 後手's silver, facing down
    EXPECT_EQ(枠色(3, 1), 色_白);
    EXPECT_EQ(枠色(3, 2), 色_白);
    EXPECT_FALSE(着いた(3, 2));
    押す(1, 1);  // the lance in the corner reaches (1, 2) only
    EXPECT_EQ(枠色(1, 2), 色_白);
    押す(5, 5);  // an empty square: ignored
    EXPECT_EQ(鳴った("play 2"), 0);
    EXPECT_TRUE(告知なし());
}

TEST_F(押し試験, 動けない所は音だけで何も記録しない) {
    二人対局();
    指す(5, 7, 5, 5);
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(盤(5, 7), MAN_歩2);
    EXPECT_EQ(盤(5, 5), 空);
    EXPECT_FALSE(着いた(5, 6));  // nothing is picked up any more
    EXPECT_EQ(s.手数, 0);
    EXPECT_EQ(s.棋譜手数, 0);
    押す(5, 7);  // still 先手's first move
    EXPECT_TRUE(着いた(5, 6));
    EXPECT_EQ(s.手数, 1);
}

// A refused destination is outlined in red, shown, held for 0.3 s and given
// back its grid outline before the usual erasing; the guidance outlines
// around it are left alone until then.
TEST_F(押し試験, 断られた桝は一瞬赤く囲まれて元に戻る) {
    二人対局();
    auto 枠の行 = [](int c, int r, int 色) {
        return "枠 " + std::to_string(盤原点X + 桝幅 * c) + " " + std::to_string(盤原点Y + 桝高 * r) + " " +
               std::to_string(盤原点X + 桝幅 * (c + 1)) + " " + std::to_string(盤原点Y + 桝高 * (r + 1)) + " " +
               std::to_string(色);
    };
    for (bool 指導 : {false, true}) {
        SCOPED_TRACE(指導 ? "guidance on" : "guidance off");
        if (指導) SIDOU_Click(s, p);
        押す(5, 7);  // the pawn: only (5, 6) is open to it
        EXPECT_EQ(枠色(5, 6), 指導 ? 色_白 : 桝輪郭色);
        p.全消去();
        押す(4, 5);
        // After closing the record panel: the sound, the red flash, the
        // square's own outline back, then the grid of every square and
        // nothing else.
        const auto& h = p.呼出履歴;
        const auto 音 = std::find(h.begin(), h.end(), "dsPlay 2");
        ASSERT_GE(h.end() - 音, 5);
        EXPECT_EQ(std::vector<std::string>(音, 音 + 5),
                  (std::vector<std::string>{"dsPlay 2", 枠の行(4, 5, 色_赤), "再描画", "待つ 0.3", 枠の行(4, 5, 桝輪郭色)}));
        std::set<std::string> 桝;
        for (auto i = 音 + 5; i != h.end(); ++i) {
            EXPECT_EQ(i->rfind("枠 ", 0), 0u) << *i;
            EXPECT_EQ(i->substr(i->rfind(' ')), " 2") << *i;
            桝.insert(*i);
        }
        EXPECT_EQ(桝.size(), 81u);
        EXPECT_EQ(枠色(5, 6), 桝輪郭色);  // the guidance stayed until the grid came back
        EXPECT_TRUE(告知なし());
        EXPECT_FALSE(着いた(5, 6));  // nothing is picked up any more
    }
}

TEST_F(押し試験, 指すと回り記録され時計が進む) {
    二人対局();
    s.時計.開始時刻 = 1000;
    Timer1_有効(s, p, true);
    p.現在時刻 = 1012.5;
    Timer1_Timer(s, p);
    指す(3, 7, 3, 6);  // pawn up onto a colour-3 square: turns to face left
    EXPECT_EQ(盤(3, 6), MAN_歩1);
    EXPECT_EQ(盤(3, 7), 空);
    ASSERT_EQ(p.待ち.size(), 1u);
    EXPECT_DOUBLE_EQ(p.待ち[0], 0.1);
    EXPECT_EQ(鳴った("play 3"), 1);
    EXPECT_EQ(s.手数, 1);
    EXPECT_EQ(s.棋譜手数, 1);
    EXPECT_EQ(s.記録[0].面.盤[3][7], MAN_歩2);  // logged before the move
    EXPECT_EQ(s.記録[0].後秒M, 12.5);
    EXPECT_EQ(s.時計.所有時間_MAN, 12.5);
    EXPECT_EQ(s.時計.所有時間_COM, 0);
    EXPECT_EQ(s.時計.開始時刻, 1012.5);
    EXPECT_EQ(s.手番, 後手);
    auto t = p.文字の履歴();
    EXPECT_NE(std::find(t.begin(), t.end(), "1"), t.end());  // move counter
    EXPECT_EQ(std::vector<std::string>(t.end() - 6, t.end()),
              (std::vector<std::string>{"７", "７", "六", "六", "歩", "歩"}));

    // 後手 is charged on its own clock.
    p.現在時刻 = 1020;
    Timer1_Timer(s, p);
    指す(1, 3, 1, 4);
    EXPECT_EQ(盤(1, 4), COM_歩3);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_COM, 7.5);
    EXPECT_EQ(s.時計.所有時間_MAN, 12.5);
    EXPECT_DOUBLE_EQ(s.記録[1].後秒C, 7.5);
    EXPECT_EQ(s.記録[1].前秒M, 12.5);
    EXPECT_EQ(s.手番, 先手);
}

TEST_F(押し試験, 両方の持駒から打つ) {
    二人対局();
    s.持駒_MAN[7] = 1;
    s.持駒数_MAN = 1;
    押す(11, 8);  // no bishop in hand: ignored
    EXPECT_NE(枠色(11, 8), 色_赤);
    押す(11, 9);  // the rook
    EXPECT_EQ(枠色(11, 9), 色_赤);
    押す(5, 5);
    EXPECT_EQ(盤(5, 5), MAN_飛3);  // colour 2: clockwise
    EXPECT_EQ(手駒(true, 7), 0);
    EXPECT_EQ(s.持駒数_MAN, 0);

    // The top hand shows the rook in row 1: the drop must take kind 7.
    s.持駒_COM[7] = 1;
    s.持駒_COM[1] = 1;
    s.持駒数_COM = 2;
    押す(-1, 1);
    押す(4, 5);
    EXPECT_EQ(盤(4, 5), COM_飛3);  // colour 3: anticlockwise from 0
    EXPECT_EQ(手駒(false, 7), 0);
    EXPECT_EQ(手駒(false, 1), 1);
    EXPECT_EQ(s.手番, 先手);

    // 先手 looking at the top hand's pawn, then pressing the board: only
    // looked at, nothing dropped; the next press picks up a piece again.
    押す(-1, 7);
    EXPECT_FALSE(着いた(6, 5));
    EXPECT_EQ(鳴った("play 2"), 0);
    押す(6, 7);
    EXPECT_TRUE(着いた(6, 6));
}

TEST_F(押し試験, 駒台の赤枠は手番の側だけ_相手の駒台は指導色) {
    二人対局();
    s.持駒_MAN[1] = 1;
    s.持駒_COM[1] = 1;
    SIDOU_Click(s, p);  // guidance on: the guidance colour is white
    for (int 手番 : {先手, 後手}) {
        SCOPED_TRACE(手番);
        s.手番 = 手番;
        押す(11, 3);  // the bottom hand: pawn in row 3
        EXPECT_EQ(枠色(11, 3), 手番 == 先手 ? 色_赤 : 色_白);
        EXPECT_EQ(枠色(5, 5), 色_白);  // its drops
        押す(-1, 7);  // the top hand: pawn in row 7
        EXPECT_EQ(枠色(-1, 7), 手番 == 後手 ? 色_赤 : 色_白);
        EXPECT_EQ(枠色(5, 5), 色_白);
        EXPECT_EQ(着いた(5, 5), 手番 == 後手);  // dropped by its own side only
    }
    EXPECT_EQ(鳴った("play 2"), 0);
}

TEST_F(押し試験, 右押しで成るのは成れる時だけ) {
    二人対局();
    王だけ();
    s.盤[5][4] = -102;
    s.盤[2][6] = -102;
    s.盤[7][4] = 100;
    指す(5, 4, 5, 3, 2);  // right: promotes, then turns on (5, 3)
    EXPECT_EQ(盤(5, 3), -113);
    auto t = p.文字の履歴();
    EXPECT_EQ(t.back(), "と");
    指す(7, 4, 7, 5);     // 後手, left, outside its zone
    指す(2, 6, 2, 5, 2);  // right, but outside the zone: stays a pawn
    EXPECT_EQ(盤(2, 5), -101);
    指す(7, 5, 6, 5);           // the 後手 pawn now faces left
    EXPECT_EQ(盤(6, 5), 100 + 0);  // (6, 5) is colour 3: back to facing down
    s.盤[3][4] = -102;
    指す(3, 4, 3, 3);  // left in the zone: stays a pawn
    EXPECT_EQ(盤(3, 3), -103);
}

TEST_F(押し試験, 王を取ると勝ちの文句) {
    二人対局();
    王だけ();
    s.盤[5][5] = -702;
    指す(5, 5, 5, 1);
    EXPECT_EQ(対(最後の告知()), 告知対("先手の勝ちです", "終了"));
    押す(5, 5);
    EXPECT_EQ(対(最後の告知()), 告知対("新規に対局してください", "終局"));

    s.勝者 = 手番_なし;
    王だけ();
    s.手番 = 後手;
    s.盤[5][5] = 700;
    指す(5, 5, 5, 9);
    EXPECT_EQ(対(最後の告知()), 告知対("後手の勝ちです", "終了"));
    押す(5, 5);
    EXPECT_EQ(対(最後の告知()), 告知対("新規に対局してください", "終局"));
}

TEST_F(押し試験, 記録が満杯なら指させない) {
    二人対局();
    s.棋譜手数 = 履歴最大 - 1;
    指す(5, 7, 5, 6);  // move 500: the position it leaves takes slot 500, the last
    EXPECT_EQ(s.棋譜最終手数, 履歴最大);
    EXPECT_EQ(s.棋譜手数, 履歴最大);
    EXPECT_EQ(s.記録[履歴最大].面.盤[5][6], s.盤[5][6]);
    p.全消去();
    指す(5, 3, 5, 4);
    EXPECT_EQ(対(最後の告知()), 告知対(記録上限メッセージ, 記録上限題));
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(枠色(5, 3), 桝輪郭色);  // put down again
    EXPECT_FALSE(着いた(5, 4));
    EXPECT_EQ(s.手数, 1);
    EXPECT_EQ(s.手番, 後手);
}

TEST_F(押し試験, 二人対局の再開は時計を動かし手番を告げる) {
    二人対局();
    s.手番 = 後手;
    s.操作.再開待ち = 真;
    p.現在時刻 = 2000;
    押す(5, 3);
    EXPECT_EQ(対(最後の告知()), 告知対("後手の番です", "対局"));
    EXPECT_EQ(s.時計.開始時刻, 2000);
    EXPECT_TRUE(p.タイマー有効);
    EXPECT_EQ(枠色(5, 3), 色_赤);  // the same press still picks up the pawn
    EXPECT_TRUE(着いた(5, 4));  // and the game goes on without a second word
    EXPECT_EQ(p.メッセージ履歴.size(), 1u);
}

TEST_F(押し試験, COM対局では人の手の後に相手が答える) {
    std::vector<std::string> 呼出;
    試験の応手 代役;
    相手 = &代役;
    代役.更新 = [&](状態&) { 呼出.push_back("勢力"); };
    代役.手 = [&](状態& st, Platform&) {
        呼出.push_back(st.手番 == st.手番_COM ? "com" : "com?");
        st.手番 = st.手番_MAN;
    };
    s.手番_MAN = 先手;
    s.手番_COM = 後手;
    s.手番 = 先手;
    s.操作.対局種別 = 対局_COM;
    Timer1_有効(s, p, true);
    s.時計.経過秒 = 4;
    指す(5, 7, 5, 6);
    EXPECT_EQ(呼出, (std::vector<std::string>{"勢力", "com"}));
    EXPECT_FALSE(p.タイマー有効);
    EXPECT_EQ(s.時計.所有時間_MAN, 4);

    // Resuming on the computer's turn: it moves first.
    s.手番 = 後手;
    押す(20, 20);
    EXPECT_EQ(対(p.メッセージ履歴.at(0)), 告知対("OKですか？", "再開(COM)"));
    EXPECT_EQ(呼出.size(), 3u);

    王だけ();
    s.盤[5][5] = -702;
    指す(5, 5, 5, 1);
    EXPECT_EQ(対(最後の告知()), 告知対("あなたの勝ちです", "終了"));
    EXPECT_EQ(呼出.size(), 4u);  // 勢力 only; the computer does not move

    s.勝者 = 手番_なし;
    王だけ();
    s.盤[5][9] = 空;
    s.盤[5][5] = -702;
    指す(5, 5, 5, 4);
    EXPECT_EQ(対(最後の告知()), 告知対("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"));
}

TEST_F(押し試験, 経過時間を表示しなくても指した側に自分の秒が付く) {
    二人対局();
    s.時計.Timer1有効 = false;  // elapsed-time display off: no ticks
    s.時計.経過秒 = 500;        // left over from an earlier game
    s.時計.開始時刻 = 1000;
    p.現在時刻 = 1030;
    指す(7, 7, 7, 6);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 30);
    EXPECT_DOUBLE_EQ(s.記録[0].後秒M, 30);
    p.現在時刻 = 1042;
    指す(3, 3, 3, 4);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_COM, 12);
    EXPECT_DOUBLE_EQ(s.時計.所有時間_MAN, 30);
}

// Every facing of a piece is still its owner's: a human pawn turned to face
// down the board (code −100) and a computer pawn facing down (100).
TEST_F(押し試験, どの向きの駒も持ち主のもの) {
    二人対局();
    s.盤[5][5] = -100;
    押す(5, 5);
    EXPECT_EQ(枠色(5, 5), 色_赤);
    EXPECT_TRUE(着いた(5, 6));

    s.盤[4][4] = 100;  // 後手 to move now
    押す(4, 4);
    EXPECT_EQ(枠色(4, 4), 色_赤);
    EXPECT_TRUE(着いた(4, 5));
}

// Just past either end of a hand there is nothing to pick up, whatever the
// hands hold: the next press on an empty square drops nothing.
TEST_F(押し試験, 駒台の端の外は何も選ばない) {
    二人対局();
    for (int k = 1; k <= 7; ++k) s.持駒_MAN[k] = s.持駒_COM[k] = 1;
    for (auto [c, r] : {std::pair{11, 2}, {11, 10}, {-1, 0}, {-1, 8}}) {
        SCOPED_TRACE(std::to_string(c) + "," + std::to_string(r));
        押す(c, r);
        EXPECT_NE(枠色(c, r), 色_赤);
        EXPECT_FALSE(着いた(5, 5));
    }
    EXPECT_TRUE(p.音.empty());
}

TEST_F(押し試験, 新しい対局は持ち上げた駒を置かせる) {
    // A piece picked up in the last game is not carried into the next one:
    // the first press of the new game picks, it does not land.
    二人対局();
    押す(7, 7);
    初期設定(s, p);
    START_Click(s, p);
    EXPECT_FALSE(着いた(7, 6));
    EXPECT_EQ(盤(7, 7), MAN_歩2);
}
