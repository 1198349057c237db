// SPDX-License-Identifier: GPL-3.0-or-later
// Every strength and the hint ask the computer the same way
// (応手::考えさせる).  Through a front end's 裏の思考 the answer is the
// one the computer gives at once, the turn carried out the same; thinking
// called off (the program ends) leaves the game as it stood before the
// computer's turn, still marked as thinking, with nothing more drawn,
// sounded or said.
#include <atomic>

#include "play/com_game.h"
#include "play/player_commands.h"
#include "tests/control/fixture.h"

namespace {

// A front end's thinking place played by the test: the job is done at once,
// or called off.
struct 試験の裏 : 裏の思考 {
    bool 取りやめる = false;
    int 回数 = 0;
    bool 任せる(const 考える仕事& 仕事) override {
        ++回数;
        if (取りやめる) return false;
        const std::atomic<bool> 止めない{false};
        仕事(止めない);
        return true;
    }
};

struct 答えの行 {
    int レベル;
    bool 取りやめる;
};

class 答え方試験 : public 対局試験, public ::testing::WithParamInterface<答えの行> {
protected:
    // A game against the computer at strength レベル, the human's pawn
    // pushed, up to the computer's answer, asked of 相手.
    void 人が指す(応手& コンピュータ, int レベル) {
        s.レベル = レベル;
        相手 = &コンピュータ;
        SENTE_Click(s, p, *相手);
        指す(7, 7, 7, 6);
    }
    struct 局面 {
        int 盤[10][10];
        int 手数, 手番;
        bool operator==(const 局面& o) const {
            for (int x = 0; x < 10; ++x)
                for (int y = 0; y < 10; ++y)
                    if (盤[x][y] != o.盤[x][y]) return false;
            return 手数 == o.手数 && 手番 == o.手番;
        }
    };
    局面 今() const {
        局面 k{};
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y) k.盤[x][y] = s.盤[x][y];
        k.手数 = s.手数;
        k.手番 = s.手番;
        return k;
    }
};

}  // namespace

TEST_P(答え方試験, どの強さも同じ道で答えを聞く) {
    const 答えの行 行 = GetParam();
    試験の裏 裏;
    裏.取りやめる = 行.取りやめる;
    // The stronger strengths search a fixed depth, so that the answer does
    // not hang on the machine's speed.
    裏.設定の手直し = [](探索設定& 設定) {
        設定.持ち時間 = 0;
        設定.最大深さ = 2;
    };
    COMの応手 コンピュータ(&裏);
    コンピュータ.受け持つ(s);
    人が指す(コンピュータ, 行.レベル);
    EXPECT_EQ(裏.回数, 1) << "one question for one turn";

    if (行.取りやめる) {
        EXPECT_EQ(s.手数, 1);
        EXPECT_EQ(s.手番, s.手番_COM);
        EXPECT_TRUE(s.操作.COM思考中) << "nothing after this may touch the game";
        EXPECT_EQ(鳴った("play 3"), 1) << "only the human's piece was heard";
        return;
    }
    EXPECT_EQ(s.手数, 2);
    EXPECT_EQ(s.手番, s.手番_MAN);
    EXPECT_FALSE(s.操作.COM思考中);
    EXPECT_EQ(鳴った("play 3"), 2);
    if (行.レベル > 3) return;

    // Strengths 1 to 3 answer exactly as they do at once: the same game
    // from a fresh start, with a computer that thinks in the call.
    const 局面 裏で = 今();
    COMの応手 その場で;
    その場で.受け持つ(s);
    起動(s, p);
    人が指す(その場で, 行.レベル);
    EXPECT_TRUE(今() == 裏で);
}

INSTANTIATE_TEST_SUITE_P(強さ, 答え方試験,
                         ::testing::Values(答えの行{1, false}, 答えの行{2, false}, 答えの行{3, false},
                                           答えの行{4, false}, 答えの行{5, false}, 答えの行{1, true},
                                           答えの行{3, true}, 答えの行{5, true}));

// The hint through the thinking place draws exactly what the hint at once
// draws; called off, it draws and says nothing after closing the panel.
TEST_F(対局試験, ヒントも同じ道で聞き_取りやめなら何も描かない) {
    COMの応手 その場で;
    相手 = &その場で;
    その場で.受け持つ(s);
    SENTE_Click(s, p, *相手);
    指す(7, 7, 7, 6);
    ASSERT_EQ(s.手番, s.手番_MAN);

    p.全消去();
    HINT_Click(s, p);
    const auto すぐ = p.呼出履歴;

    for (bool 取りやめる : {false, true}) {
        SCOPED_TRACE(取りやめる ? "called off" : "answered");
        試験の裏 裏;
        裏.取りやめる = 取りやめる;
        COMの応手 コンピュータ(&裏);
        p.全消去();
        HINT_Click(s, p, コンピュータ);
        EXPECT_EQ(裏.回数, 1);
        if (!取りやめる) {
            EXPECT_EQ(p.呼出履歴, すぐ);
        } else {
            EXPECT_TRUE(p.メッセージ履歴.empty());
            EXPECT_TRUE(p.待ち.empty());
            EXPECT_LT(p.呼出履歴.size(), すぐ.size());
        }
    }
}
