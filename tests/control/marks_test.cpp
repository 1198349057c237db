// SPDX-License-Identifier: GPL-3.0-or-later
// The marks over the board: a session of presses and menu commands in, the
// marks the window would paint (and the platform calls) out.
#include "view/marks.h"

#include <algorithm>

#include "core/rules.h"
#include "play/com_game.h"
#include "play/commands.h"
#include "play/navigation.h"
#include "play/resume.h"
#include "tests/control/fixture.h"

namespace {

using 種類 = 盤の印::種類;

// Records what the marks are while the game pauses.
struct 待ちを見る場 : FakePlatform {
    const 状態* s = nullptr;
    std::vector<std::vector<盤の印>> 待ちの印;
    void 待つ(double 秒) override {
        FakePlatform::待つ(秒);
        if (s) 待ちの印.push_back(盤の印一覧(*s));
    }
};

struct 印試験 : 対局試験 {
    void 全部つける(bool 付ける = true) {
        s.表示.最終手表示 = s.表示.断り説明 = s.表示.回転印 = s.表示.手番印 = 付ける;
    }
    // The outlined cells in the last move's colour.
    std::vector<std::pair<int, int>> 最終手の枠() const {
        std::vector<std::pair<int, int>> v;
        for (const auto& m : 盤の印一覧(s))
            if (m.種 == 種類::枠 && m.色 == 色_最終手) v.emplace_back(m.列, m.行);
        return v;
    }
    using 枠 = std::vector<std::pair<int, int>>;
};

}  // namespace

TEST_F(印試験, 最後の手は元と先_戻と進で付け直す) {
    START_Click(s, p);
    s.表示.最終手表示 = true;
    EXPECT_EQ(最終手の枠(), 枠{});  // nothing played yet
    指す(3, 7, 3, 6);
    EXPECT_EQ(最終手の枠(), (枠{{3, 7}, {3, 6}}));
    指す(7, 3, 7, 4);
    EXPECT_EQ(最終手の枠(), (枠{{7, 3}, {7, 4}}));
    指す(2, 7, 2, 6);
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    EXPECT_EQ(最終手の枠(), (枠{{3, 7}, {3, 6}}));
    AFTER_Click(s, p);
    EXPECT_EQ(最終手の枠(), (枠{{7, 3}, {7, 4}}));
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    EXPECT_EQ(最終手の枠(), 枠{});  // back at the start
    s.表示.最終手表示 = false;
    AFTER_Click(s, p);
    EXPECT_TRUE(盤の印一覧(s).empty());
}

TEST_F(印試験, 打った駒は先と持駒の桝) {
    START_Click(s, p);
    s.表示.最終手表示 = true;
    s.持駒_MAN[1] = 1;  // a pawn in the bottom hand, in row 持駒行_MAN(1)
    int 先列 = 0, 先行 = 0;
    for (int c = 9; c >= 1 && !先列; --c)
        for (int r = 1; r <= 9 && !先列; ++r)
            if (移動チェック(s, 持駒列_MAN, 持駒行_MAN(1), c, r, -102) == 真) 先列 = c, 先行 = r;
    ASSERT_NE(先列, 0);
    指す(持駒列_MAN, 持駒行_MAN(1), 先列, 先行);
    ASSERT_EQ(s.持駒_MAN[1], 0);
    EXPECT_EQ(最終手の枠(), (枠{{持駒列_MAN, 持駒行_MAN(1)}, {先列, 先行}}));
    EXPECT_TRUE(最終手を調べる(s).打);
}

TEST_F(印試験, 再開した対局にも最後の手) {
    s.操作.自動保存 = true;
    START_Click(s, p);
    指す(3, 7, 3, 6);
    指す(7, 3, 7, 4);
    auto tp = std::make_unique<状態>();
    状態& t = *tp;
    t.操作.自動保存 = true;
    FakePlatform q;
    q.応答予定.push_back(応答::はい);
    起動して再開(t, q);
    t.表示.最終手表示 = true;
    EXPECT_EQ(最終手を調べる(t).先列, 7);
    EXPECT_EQ(最終手を調べる(t).元行, 3);
    EXPECT_EQ(最終手を調べる(t).先行, 4);
}

TEST_F(印試験, 回転の矢印は桝の色のとおり) {
    START_Click(s, p);
    s.表示.回転印 = true;
    int 右 = 0, 左 = 0;
    for (const auto& m : 盤の印一覧(s)) {
        ASSERT_TRUE(m.種 == 種類::右回り || m.種 == 種類::左回り);
        EXPECT_EQ(m.種 == 種類::右回り, s.桝色[m.列][m.行] == 桝色_緑) << m.列 << "," << m.行;
        EXPECT_EQ(m.種 == 種類::左回り, s.桝色[m.列][m.行] == 桝色_水) << m.列 << "," << m.行;
        (m.種 == 種類::右回り ? 右 : 左) += 1;
    }
    EXPECT_GT(右, 0);
    EXPECT_GT(左, 0);
}

TEST_F(印試験, 手番の印は指す側の持駒の脇) {
    s.表示.手番印 = true;
    EXPECT_TRUE(盤の印一覧(s).empty());  // no game
    START_Click(s, p);
    const 盤の印 下{種類::手番, 手番印列_MAN, 手番印行_MAN, 色_黄, true};
    const 盤の印 上{種類::手番, 手番印列_COM, 手番印行_COM, 色_黄, false};
    EXPECT_EQ(盤の印一覧(s), std::vector<盤の印>{s.手番 == s.手番_MAN ? 下 : 上});
    指す(3, 7, 3, 6);
    EXPECT_EQ(盤の印一覧(s), std::vector<盤の印>{上});
    s.勝者 = 先手;
    EXPECT_TRUE(盤の印一覧(s).empty());
}

TEST_F(印試験, 断りの説明は0点6秒だけ行ける桝を全部) {
    待ちを見る場 q;
    q.s = &s;
    START_Click(s, q);
    s.表示.断り説明 = true;
    s.表示.最終手表示 = false;
    Form_MouseDown(s, q, 誰も, 1, 0, 盤原点X + 桝幅 * 8 + 300, 盤原点Y + 桝高 * 8 + 300);  // a rook or bishop
    const int 駒 = s.盤[8][8];
    q.待ち.clear();
    Form_MouseDown(s, q, 誰も, 1, 0, 盤原点X + 桝幅 * 5 + 300, 盤原点Y + 桝高 * 5 + 300);  // out of its reach
    ASSERT_EQ(q.待ち, std::vector<double>{0.6});
    std::vector<盤の印> 期待;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (移動チェック(s, 8, 8, c, r, 駒) == 真) 期待.push_back({種類::枠, c, r, 色_白, true});
    ASSERT_FALSE(期待.empty());
    期待.push_back({種類::枠, 5, 5, 色_赤, true});
    ASSERT_EQ(q.待ちの印.size(), 1u);
    EXPECT_EQ(q.待ちの印[0], 期待);
    EXPECT_TRUE(盤の印一覧(s).empty());  // and gone afterwards
}

TEST_F(印試験, 印は描画の呼出しを変えない) {
    // The same session with every mark on and off draws the same.
    std::vector<std::vector<std::string>> 呼出;
    for (bool 付ける : {false, true}) {
        auto tp = std::make_unique<状態>();
        状態& t = *tp;
        FakePlatform q;
        起動(t, q);
        q.全消去();
        t.表示.最終手表示 = t.表示.回転印 = t.表示.手番印 = 付ける;
        START_Click(t, q);
        for (auto [c, r] : {std::pair{3, 7}, {3, 6}, {7, 3}, {7, 4}})
            Form_MouseDown(t, q, 誰も, 1, 0, 盤原点X + 桝幅 * c + 300, 盤原点Y + 桝高 * r + 300);
        REPLAY_Click(t, q);
        REPLAY_Click(t, q);
        AFTER_Click(t, q);
        呼出.push_back(q.呼出履歴);
    }
    EXPECT_EQ(呼出[0], 呼出[1]);
    EXPECT_GT(呼出[0].size(), 100u);
}

TEST_F(印試験, 計算機の手も最後の手) {
    COMの応手& 計算機 = コンピュータの記憶元;
    レベル_設定(s, p, 1);
    SENTE_Click(s, p, 計算機);
    相手 = &計算機;
    s.表示.最終手表示 = true;
    指す(3, 7, 3, 6);  // and the computer answers
    ASSERT_EQ(s.手番, s.手番_MAN);
    const 最終手 m = 最終手を調べる(s);
    ASSERT_TRUE(m.ある);
    EXPECT_FALSE(m.打);
    EXPECT_EQ(s.盤[m.元列][m.元行], 空);
    EXPECT_TRUE(COMの駒(s.盤[m.先列][m.先行]));
}
