// SPDX-License-Identifier: GPL-3.0-or-later
// Carrying out moves: the quarter turn, captures into hand, drops, the king,
// promotion zones, and the small queries around them.
#include "core/move.h"

#include <gtest/gtest.h>

#include "core/setup.h"
#include "tests/support/fake_platform.h"
#include "tests/support/game_compare.h"
#include "view/move_view.h"
#include "view/render.h"
#include "view/course.h"

namespace {

struct 盤テスト : ::testing::Test {
    記憶つき対局 s;  // the computer's memory follows the human king
    FakePlatform p;
    void SetUp() override { 桝色設定(s); }
};

}  // namespace

TEST_F(盤テスト, 空いた桝に着くと緑で右回り水色で左回り) {
    s.盤[5][7] = -402;
    駒移動(s, p, 5, 7, 5, 6, -402);  // (5,6) odd → colour 3, anticlockwise
    EXPECT_EQ(s.盤[5][6], -401);
    EXPECT_EQ(s.盤[5][7], 空);
    s.盤[5][7] = -402;
    駒移動(s, p, 5, 7, 4, 6, -402);  // (4,6) even → colour 2, clockwise
    EXPECT_EQ(s.盤[4][6], -403);
    // Facing wraps both ways.
    EXPECT_EQ(駒移動_回転(s, 5, 5, 103), 100);
    EXPECT_EQ(駒移動_回転(s, 7, 6, -700), -703);
    s.盤[5][5] = 100;
    EXPECT_EQ(駒移動_回転(s, 5, 5, -102), -102);  // occupied: no turn
}

TEST_F(盤テスト, 着いてから一拍おいて回る) {
    s.盤[5][7] = -102;
    駒移動(s, p, 5, 7, 5, 6, -102);
    // The piece is shown in its old facing, the window refreshed, a 0.1 s
    // pause, then the turned piece.
    const auto 絵 = p.絵の履歴(5, 6);
    ASSERT_EQ(絵.size(), 2u);
    EXPECT_EQ(絵[0], -102);
    EXPECT_EQ(絵[1], -101);
    ASSERT_EQ(p.待ち.size(), 1u);
    EXPECT_DOUBLE_EQ(p.待ち[0], 0.1);
    bool 再描画あり = false;
    for (const auto& d : p.描画) 再描画あり |= d.種類 == 描画記録::再描画;
    EXPECT_TRUE(再描画あり);
}

TEST_F(盤テスト, 取った駒は成りも向きも捨てて手駒に_取った駒は向きを保つ) {
    s.盤[4][7] = -101;
    s.盤[4][6] = 500;
    駒移動(s, p, 4, 7, 4, 6, -101);
    EXPECT_EQ(s.盤[4][6], -101);
    EXPECT_EQ(s.持駒_MAN[5], 1);
    EXPECT_EQ(s.持駒数_MAN, 1);
    EXPECT_TRUE(p.待ち.empty());  // a capture does not turn, so no pause

    s.盤[3][3] = 412;
    s.盤[3][4] = -102;
    駒移動(s, p, 3, 4, 3, 3, -102);
    EXPECT_EQ(s.持駒_MAN[4], 1);
    s.盤[6][6] = -613;
    s.盤[6][5] = 100;
    駒移動(s, p, 6, 5, 6, 6, 100);
    EXPECT_EQ(s.持駒_COM[6], 1);
    EXPECT_EQ(s.持駒数_COM, 1);
}

TEST_F(盤テスト, 王を取ると勝者が決まり手駒は増えない) {
    s.盤[5][2] = 801;
    s.盤[5][3] = -102;
    駒移動(s, p, 5, 3, 5, 2, -102);
    EXPECT_EQ(s.勝者, s.手番_MAN);
    EXPECT_EQ(s.持駒数_MAN, 0);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(s.持駒_MAN[i], 0);
    状態 t;
    t.盤[4][8] = -803;
    t.盤[4][7] = 102;
    駒移動(t, p, 4, 7, 4, 8, 102);
    EXPECT_EQ(t.勝者, t.手番_COM);
    EXPECT_EQ(t.持駒数_COM, 0);
}

TEST_F(盤テスト, 打つと手駒が減り向きが回る) {
    s.持駒_MAN[7] = 1;
    s.持駒数_MAN = 1;
    駒移動(s, p, 11, 9, 3, 4, -702);  // (3,4) odd → colour 3
    EXPECT_EQ(s.盤[3][4], -701);
    EXPECT_EQ(s.持駒_MAN[7], 0);
    EXPECT_EQ(s.持駒数_MAN, 0);
    s.持駒_COM[1] = 2;
    s.持駒数_COM = 2;
    駒移動(s, p, -1, 1, 5, 5, 100);
    EXPECT_EQ(s.盤[5][5], 101);
    EXPECT_EQ(s.持駒_COM[1], 1);
    EXPECT_EQ(s.持駒数_COM, 1);
}

TEST_F(盤テスト, 自玉が動くと位置を覚える) {
    s.盤[5][9] = -802;
    駒移動(s, p, 5, 9, 4, 8, -802);
    EXPECT_EQ(s.記憶.王X_MAN, 4);
    EXPECT_EQ(s.記憶.王Y_MAN, 8);
    EXPECT_EQ(s.盤[4][8], -803);
}

TEST_F(盤テスト, 成れるかは陣営の敵陣で決まる) {
    EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, -102), 真);
    EXPECT_EQ(s.成駒, -112);
    s.成駒 = 7;
    EXPECT_EQ(調査_駒成(s, 5, 3, 5, 4, -102), 偽);
    EXPECT_EQ(s.成駒, 7);                           // untouched when the answer is no
    EXPECT_EQ(調査_駒成(s, 5, 2, 5, 5, -402), 真);  // leaving the zone
    EXPECT_EQ(s.成駒, -412);
    EXPECT_EQ(調査_駒成(s, 8, 6, 8, 7, 603), 真);
    EXPECT_EQ(s.成駒, 613);
    EXPECT_EQ(調査_駒成(s, 2, 7, 2, 6, 700), 真);
    EXPECT_EQ(調査_駒成(s, 2, 5, 2, 6, 700), 偽);
    EXPECT_EQ(調査_駒成(s, 2, 6, 2, 7, 300), 真);
    EXPECT_EQ(調査_駒成(s, 2, 7, 2, 6, 300), 偽);  // small pieces look at the destination only
    EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, -502), 偽);
    EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, -802), 偽);
    EXPECT_EQ(調査_駒成(s, 5, 4, 5, 3, -112), 偽);
    EXPECT_EQ(調査_駒成(s, 11, 3, 5, 1, -102), 偽);  // drops never promote
    EXPECT_EQ(調査_駒成(s, -1, 1, 5, 9, 100), 偽);
}

TEST_F(盤テスト, 駒の存在と手駒の数と記録の行き先) {
    EXPECT_EQ(調査_駒存在(s, 800), 偽);
    s.盤[9][9] = 800;
    EXPECT_EQ(調査_駒存在(s, 800), 真);
    EXPECT_EQ(調査_駒存在(s, 801), 偽);

    s.持駒_MAN[1] = 3;
    s.持駒_MAN[7] = 1;
    s.持駒_COM[2] = 2;
    EXPECT_EQ(調査_持駒数(s, s.手番_MAN), 4);
    EXPECT_EQ(調査_持駒数(s, s.手番_COM), 2);
    EXPECT_EQ(調査_持駒数(s, 手番_なし), 0);

    s.記録.書く(0).面.盤[7][7] = -102;
    s.記録.書く(1).面.盤[7][6] = -101;
    int x = -1, y = -1, k = -1;
    調査_移動結果(s.記録, 1, x, y, k);
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 6);
    EXPECT_EQ(k, -101);
    x = y = k = -1;
    調査_移動結果(s.記録, 2, x, y, k);  // nothing changed: outputs untouched
    EXPECT_EQ(x, -1);
    調査_移動結果(s.記録, 0, x, y, k);  // out of range: ignored
    調査_移動結果(s.記録, 501, x, y, k);
    EXPECT_EQ(x, -1);
}

// The rules alone: the state changes, nothing is drawn, and the answer says
// exactly what happened, for the view to draw from.
TEST_F(盤テスト, 動かすだけの手は起きたことを答え何も描かない) {
    s.盤[5][7] = -402;
    s.盤[5][6] = 103;
    const 移動結果 取 = 駒を動かす(s, 5, 7, 5, 6, -402);
    EXPECT_TRUE(p.呼出履歴.empty());
    EXPECT_EQ(取.取得駒, 103);
    EXPECT_EQ(取.置駒, -402);
    EXPECT_EQ(取.着後駒, -402);  // a capture keeps its facing
    EXPECT_FALSE(取.回転);
    EXPECT_TRUE(取.取得_MAN持駒);
    EXPECT_FALSE(取.取得_COM持駒 || 取.打_MAN持駒 || 取.打_COM持駒 || 取.王移動_MAN);
    EXPECT_EQ(s.持駒_MAN[1], 1);
    EXPECT_EQ(s.盤[5][6], -402);

    s.持駒_COM[6] = 1;
    s.持駒数_COM = 1;
    const 移動結果 打 = 駒を動かす(s, -1, 6, 3, 3, 600);
    EXPECT_EQ(打.取得駒, 空);
    EXPECT_TRUE(打.回転);
    EXPECT_TRUE(打.打_COM持駒);
    EXPECT_FALSE(打.取得_COM持駒 || 打.取得_MAN持駒 || 打.打_MAN持駒);
    EXPECT_EQ(打.着後駒, 601);  // (3, 3) is a green square: a clockwise turn
    EXPECT_EQ(s.盤[3][3], 601);
    EXPECT_EQ(s.持駒_COM[6], 0);

    s.盤[3][4] = -100;  // a bottom pawn turned to face down, the lowest code
    const 移動結果 下向き = 駒を動かす(s, 3, 3, 3, 4, 601);
    EXPECT_TRUE(下向き.取得_COM持駒);
    EXPECT_EQ(s.持駒_COM[1], 1);

    s.盤[5][9] = -802;
    const 移動結果 王 = 駒を動かす(s, 5, 9, 4, 8, -802);
    EXPECT_TRUE(王.王移動_MAN);
    EXPECT_EQ(王.元X, 5);
    EXPECT_EQ(王.元Y, 9);
    EXPECT_EQ(王.先X, 4);
    EXPECT_EQ(王.先Y, 8);
    EXPECT_EQ(s.記憶.王X_MAN, 4);
    EXPECT_TRUE(p.呼出履歴.empty());

    // The board part alone, as the search uses it: hands stay as they are.
    s.盤[2][7] = -102;
    s.盤[2][6] = 100;
    EXPECT_EQ(盤上で動かす(s, 2, 7, 2, 6, -102), -102);
    EXPECT_EQ(s.盤[2][7], 空);
    EXPECT_EQ(s.持駒_MAN[1], 1);
}
