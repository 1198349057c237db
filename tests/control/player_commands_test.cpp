// SPDX-License-Identifier: GPL-3.0-or-later
// 待った, 投了 and ヒント: a session in, the board, clocks, messages and
// sounds out.
#include "play/player_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <functional>
#include <set>

#include "core/clock.h"
#include "core/game_state.h"
#include "play/com_game.h"
#include "play/commands.h"
#include "play/navigation.h"
#include "view/marks.h"
#include "store/sound.h"
#include "tests/control/fixture.h"
#include "tests/support/search_corpus.h"
#include "view/course.h"

namespace {

using 告知対 = std::pair<std::string, std::string>;
告知対 対(const メッセージ記録& m) { return {m.本文, m.題}; }

class 手の取消試験 : public 対局試験 {
protected:
    COMの応手 コンピュータ;
    void SetUp() override {
        対局試験::SetUp();
        相手 = &コンピュータ;
        s.レベル = 1;
        // Without the elapsed-time display the clocks are read at each move.
        s.操作.チェック[static_cast<int>(メニュー項目::KEIKA)] = false;
    }
    void 経って指す(double 秒, int c1, int r1, int c2, int r2) {
        押す(c1, r1);  // the first press also takes up a game paused by 戻 / 待った
        p.現在時刻 += 秒;
        押す(c2, r2);
    }
};

bool 同じ盤(const 状態& a, const 状態& b) {
    return std::memcmp(a.盤, b.盤, sizeof a.盤) == 0 && std::memcmp(a.持駒_MAN, b.持駒_MAN, sizeof a.持駒_MAN) == 0 &&
           std::memcmp(a.持駒_COM, b.持駒_COM, sizeof a.持駒_COM) == 0;
}

// ---- 待った ------------------------------------------------------------------------

TEST_F(手の取消試験, 待ったは自分の手とCOMの応手を戻し局面と時計を元に戻す) {
    SENTE_Click(s, p, *相手);
    経って指す(3, 7, 7, 7, 6);
    経って指す(5, 3, 7, 3, 6);
    const 状態 前 = s;  // the player to move, before the move taken back
    経って指す(7, 2, 7, 2, 6);
    ASSERT_EQ(s.棋譜手数, 前.棋譜手数 + 2);
    ASSERT_FALSE(同じ盤(s, 前));
    p.全消去();

    MATTA_Click(s, p);
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_TRUE(同じ盤(s, 前));
    EXPECT_EQ(s.手番, s.手番_MAN);
    EXPECT_EQ(s.手数, 前.手数);
    EXPECT_EQ(s.棋譜手数, 前.棋譜手数);
    EXPECT_EQ(s.時計.所有時間_MAN, 前.時計.所有時間_MAN);
    EXPECT_EQ(s.時計.所有時間_COM, 前.時計.所有時間_COM);
    EXPECT_GT(s.時計.所有時間_MAN, 0);
    EXPECT_EQ(鳴った("play 3"), 1);

    // Again and again: back to the first position, then refused.
    MATTA_Click(s, p);
    MATTA_Click(s, p);
    EXPECT_EQ(s.棋譜手数, 0);
    EXPECT_EQ(s.手番, s.手番_MAN);
    EXPECT_EQ(s.時計.所有時間_MAN, 0);
    EXPECT_EQ(s.時計.所有時間_COM, 0);
    EXPECT_TRUE(p.メッセージ履歴.empty());
    MATTA_Click(s, p);
    EXPECT_EQ(対(最後の告知()), (告知対{"できません", "戻る"}));
}

TEST_F(手の取消試験, 戻のあとCOMの番なら待ったは一手で自分の番にする) {
    SENTE_Click(s, p, *相手);
    経って指す(3, 7, 7, 7, 6);
    const 状態 前 = s;
    経って指す(4, 3, 7, 3, 6);
    REPLAY_Click(s, p);  // the computer's answer back: the computer to move
    ASSERT_EQ(s.手番, s.手番_COM);
    MATTA_Click(s, p);
    EXPECT_EQ(s.手番, s.手番_MAN);
    EXPECT_TRUE(同じ盤(s, 前));
    EXPECT_EQ(s.棋譜手数, 前.棋譜手数);
    EXPECT_EQ(s.時計.所有時間_MAN, 前.時計.所有時間_MAN);
}

TEST_F(手の取消試験, 待ったの後は戻と同じく時計を止めて見せ_盤を押すと再開する) {
    s.操作.チェック[static_cast<int>(メニュー項目::KEIKA)] = true;
    SENTE_Click(s, p, *相手);
    経って指す(3, 7, 7, 7, 6);
    const 状態 前 = s;
    経って指す(62, 3, 7, 3, 6);
    ASSERT_TRUE(p.タイマー有効);
    p.全消去();

    MATTA_Click(s, p);
    EXPECT_FALSE(p.タイマー有効);
    const auto 文字 = p.文字の履歴();
    for (double 秒 : {前.時計.所有時間_MAN, 前.時計.所有時間_COM})
        EXPECT_NE(std::find(文字.begin(), 文字.end(), 調査_時間秒追加結果(秒)), 文字.end()) << 秒;
    押す(5, 9);  // the own king: the game goes on from here
    EXPECT_EQ(対(最後の告知()), (告知対{"MANの番です", "対局"}));
    EXPECT_TRUE(p.タイマー有効);
}

TEST_F(手の取消試験, 戻すものがなければ待ったは戻と同じく断る) {
    const auto 断り = 告知対{"できません", "戻る"};
    struct 場合 {
        const char* 名;
        std::function<void()> 用意;
    };
    const 場合 表[] = {
        {"対局前", [] {}},
        {"まだ指していない", [&] { SENTE_Click(s, p, *相手); }},
        {"COMの初手だけ", [&] { GOTE_Click(s, p, *相手); }},
        {"二人対局", [&] {
             START_Click(s, p);
             指す(7, 7, 7, 6);
             指す(3, 3, 3, 4);
         }},
    };
    for (const auto& c : 表) {
        SCOPED_TRACE(c.名);
        c.用意();
        const 状態 前 = s;
        p.全消去();
        MATTA_Click(s, p);
        EXPECT_EQ(対(最後の告知()), 断り);
        EXPECT_EQ(鳴った("play 2"), 1);
        EXPECT_TRUE(同じ盤(s, 前));
        EXPECT_EQ(s.棋譜手数, 前.棋譜手数);
    }
}

// ---- 投了 ------------------------------------------------------------------------

TEST_F(手の取消試験, 投了すると相手の勝ちで終わる) {
    struct 場合 {
        const char* 名;
        std::function<void()> 始め;
        int 勝者;
        告知対 告知;
    };
    const 場合 表[] = {
        {"COMと", [&] { SENTE_Click(s, p, *相手); 指す(7, 7, 7, 6); }, 後手, {"ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"}},
        {"先手が投げる", [&] { START_Click(s, p); }, 後手, {"後手の勝ちです", "終了"}},
        {"後手が投げる", [&] { START_Click(s, p); 指す(7, 7, 7, 6); }, 先手, {"先手の勝ちです", "終了"}},
    };
    for (const auto& c : 表) {
        SCOPED_TRACE(c.名);
        初期設定(s, p);
        c.始め();
        p.全消去();
        TOURYOU_Click(s, p);
        EXPECT_EQ(s.勝者, c.勝者);
        EXPECT_EQ(対(最後の告知()), c.告知);
        EXPECT_FALSE(s.時計.Timer1有効);
        // The game is over: the board takes no more moves.
        押す(3, 7);
        EXPECT_EQ(対(最後の告知()), (告知対{"新規に対局してください", "終局"}));
    }
}

TEST_F(手の取消試験, 対局がなければ投了は断る) {
    p.全消去();
    TOURYOU_Click(s, p);
    EXPECT_EQ(対(最後の告知()), (告知対{"「対局」で始めて下さい", "開始"}));
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(s.勝者, 手番_なし);

    START_Click(s, p);
    TOURYOU_Click(s, p);
    TOURYOU_Click(s, p);  // already decided
    EXPECT_EQ(対(最後の告知()), (告知対{"新規に対局してください", "終局"}));
    EXPECT_EQ(s.勝者, 後手);
}

// ---- 効果音 ------------------------------------------------------------------------

TEST_F(手の取消試験, 効果音を消すと駒と断りの音だけが止む) {
    for (bool 消す : {false, true}) {
        s.表示.効果音を消す = 消す;
        EXPECT_EQ(効果音を鳴らす(s, s.表示.音_駒打), !消す);
        EXPECT_EQ(効果音を鳴らす(s, s.表示.音_禁止), !消す);
        EXPECT_EQ(効果音を鳴らす(s, s.表示.音_その他), !消す);
        EXPECT_TRUE(効果音を鳴らす(s, s.表示.音_BGM));
    }
}

// ---- ヒント ----------------------------------------------------------------------

TEST_F(手の取消試験, ヒントは深い探索の手を見せるだけで指さない) {
    SENTE_Click(s, p, *相手);
    struct 局面の場合 {
        const char* 名;
        std::function<void()> 用意;
    };
    const 局面の場合 表[] = {
        {"初手", [] {}},
        {"三手目", [&] { 指す(7, 7, 7, 6); }},
        {"王と歩", [&] {
             王だけ();
             s.盤[5][3] = 100;
             s.盤[5][5] = -102;
         }},
    };
    for (const auto& c : 表) {
        SCOPED_TRACE(c.名);
        c.用意();
        const 状態 前 = s;
        const 対局 g = 対局にする(s, 下手);
        const std::atomic<bool> 止めない{false};
        const 深い探索の結果 r = 深く探索する(g, ヒントの設定(), 止めない);
        ASSERT_TRUE(r.あり);
        const ヒントの手 h = ヒントを考える(s);
        ASSERT_TRUE(h.あり);
        EXPECT_EQ(h.先X, r.手.先X);
        EXPECT_EQ(h.先Y, r.手.先Y);
        EXPECT_EQ(h.元X, 元X座標(r.手, 下手));
        EXPECT_EQ(h.元Y, 元Y座標(r.手, 下手));
        EXPECT_EQ(h.置駒, g.置く駒(r.手));

        p.全消去();
        // With thick outlines the two squares are framed thick over the
        // board while the hint is shown, and only then.
        s.表示.太い枠 = true;
        std::vector<盤の印> 見せた印;
        p.待つ間に = [&](double) { 見せた印 = 盤の印一覧(s); };
        HINT_Click(s, p);
        p.待つ間に = nullptr;
        const auto 黄の枠 = [](const std::vector<盤の印>& v) {
            std::vector<std::pair<int, int>> r;
            for (const auto& m : v)
                if (m.種 == 盤の印::種類::枠 && m.色 == 色_黄) r.emplace_back(m.列, m.行);
            return r;
        };
        EXPECT_EQ(黄の枠(見せた印), (std::vector<std::pair<int, int>>{{h.元X, h.元Y}, {h.先X, h.先Y}}));
        EXPECT_TRUE(黄の枠(盤の印一覧(s)).empty());
        s.表示.太い枠 = false;
        EXPECT_TRUE(p.メッセージ履歴.empty());
        EXPECT_TRUE(同じ盤(s, 前));
        EXPECT_EQ(s.手数, 前.手数);
        EXPECT_EQ(s.棋譜手数, 前.棋譜手数);
        EXPECT_EQ(s.手番, s.手番_MAN);
        // Shown, then put back.
        bool 見せた = false;
        for (const auto& d : p.描画)
            if (d.種類 == 描画記録::枠 && d.色 == 色_黄 && d.x == 盤原点X + 桝幅 * h.先X && d.y == 盤原点Y + 桝高 * h.先Y)
                見せた = true;
        EXPECT_TRUE(見せた);
        EXPECT_EQ(枠色(h.先X, h.先Y), 桝輪郭色);
    }
}

// On positions of the search corpus, one of each stage, with the player to
// move: the hint is the deeper search's move for the bottom side, and its
// origin is where the board or the player's hand shows that piece.
TEST_F(手の取消試験, コーパスの局面でヒントは深い探索の手) {
    SENTE_Click(s, p, *相手);
    std::set<std::string> 段階;
    for (const auto& e : 探索集::局面集()) {
        if (!段階.insert(e.段階).second) continue;
        SCOPED_TRACE(e.段階);
        局面_設定(s, e.位置);
        s.手番 = s.手番_MAN;
        const 対局 g = 対局にする(s, 下手);
        const std::atomic<bool> 止めない{false};
        const 深い探索の結果 r = 深く探索する(g, ヒントの設定(), 止めない);
        const ヒントの手 h = ヒントを考える(s);
        ASSERT_TRUE(h.あり);
        EXPECT_EQ((std::array{h.先X, h.先Y}), (std::array<int, 2>{r.手.先X, r.手.先Y}));
        if (r.手.打ち()) {
            EXPECT_EQ(h.元X, 持駒列_MAN);
            EXPECT_GT(s.持駒_MAN[r.手.打], 0);
        } else {
            EXPECT_LT(s.盤[h.元X][h.元Y], 0);  // one of the player's pieces
        }
        EXPECT_LT(h.置駒, 0);
    }
    EXPECT_EQ(段階.size(), 3u);
}

TEST_F(手の取消試験, ヒントの後も持ち上げた駒とその行き先の枠が残る) {
    SENTE_Click(s, p, *相手);
    s.操作.移動指導 = 真;
    s.表示.移動指導色 = 色_白;
    // The hinted piece itself picked up: its square red, its reach white.
    const ヒントの手 h = ヒントを考える(s);
    ASSERT_TRUE(h.あり);
    ASSERT_GE(h.元X, 1);
    押す(h.元X, h.元Y);
    ASSERT_EQ(s.操作.選択状態, 1);
    ASSERT_EQ(枠色(h.先X, h.先Y), 色_白);
    p.全消去();
    HINT_Click(s, p);
    EXPECT_EQ(s.操作.選択状態, 1);
    EXPECT_EQ(枠色(h.元X, h.元Y), 色_赤);
    EXPECT_EQ(枠色(h.先X, h.先Y), 色_白);
    押す(h.先X, h.先Y);  // and it can be played
    EXPECT_EQ(s.棋譜手数, 2);
}

TEST_F(手の取消試験, ヒントはCOMとの対局で自分の番にだけ出る) {
    const auto 断り = 告知対{"できません", "ヒント"};
    HINT_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 断り);
    START_Click(s, p);
    p.全消去();
    HINT_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 断り);
    初期設定(s, p);
    SENTE_Click(s, p, *相手);
    指す(7, 7, 7, 6);
    REPLAY_Click(s, p);  // the computer to move
    p.全消去();
    HINT_Click(s, p);
    EXPECT_EQ(対(最後の告知()), 断り);
    EXPECT_EQ(鳴った("play 2"), 1);
}

}  // namespace
