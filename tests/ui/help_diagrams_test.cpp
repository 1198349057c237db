// SPDX-License-Identifier: GPL-3.0-or-later
// The help's rule pictures against the rules themselves: every square a
// diagram marks is one the movement rule allows and every square it allows
// is marked, for every piece code; a few shapes checked by hand; the turn on
// landing as the move routine makes it.
#include "view/help_diagrams.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "core/move.h"
#include "core/rules.h"
#include "core/setup.h"
#include "view/notation.h"

namespace {

using 桝集合 = std::set<std::pair<int, int>>;

桝集合 印(const 移動図& 図) {
    桝集合 r;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y)
            if (図.行ける[x][y]) r.insert({x, y});
    return r;
}

// The movement rule asked directly: the piece alone on the board at (X, Y).
桝集合 規則で(int 駒, int X, int Y) {
    auto s = std::make_unique<状態>();
    s->盤[X][Y] = 駒;
    桝集合 r;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y)
            if (移動チェック(*s, X, Y, x, y, 駒) == 真) r.insert({x, y});
    return r;
}

}  // namespace

TEST(遊び方の図, どの駒コードでも印は移動チェックの答えと一致する) {
    int 調べた = 0;
    for (int a = 100; a <= 803; ++a)
        for (int 駒 : {a, -a}) {
            if (!有効な駒コード(駒)) continue;
            ++調べた;
            // The centre (where the help draws them), a corner and an edge.
            for (auto [X, Y] : {std::pair{図中心X, 図中心Y}, std::pair{1, 1}, std::pair{9, 4}}) {
                const 移動図 図 = 移動図を作る(駒, X, Y);
                SCOPED_TRACE(testing::Message() << 駒 << " at " << X << "," << Y);
                EXPECT_EQ(図.駒, 駒);
                EXPECT_EQ(印(図), 規則で(駒, X, Y));
                EXPECT_EQ(図.行ける数(), static_cast<int>(規則で(駒, X, Y).size()));
            }
        }
    EXPECT_EQ(調べた, 112);
}

TEST(遊び方の図, 手で確かめた形) {
    auto 図 = [](int 駒) { return 印(移動図を作る(駒)); };
    // Pawn: one square the way it faces, whichever side owns it.
    EXPECT_EQ(図(MAN_歩2), (桝集合{{5, 4}}));
    EXPECT_EQ(図(MAN_歩0), (桝集合{{5, 6}}));
    EXPECT_EQ(図(COM_歩1), (桝集合{{4, 5}}));
    EXPECT_EQ(図(COM_歩3), (桝集合{{6, 5}}));
    // Knight facing right jumps two right and one up or down.
    EXPECT_EQ(図(COM_桂3), (桝集合{{7, 4}, {7, 6}}));
    // Gold facing up: three ahead, both sides, straight back.
    EXPECT_EQ(図(MAN_金2), (桝集合{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {5, 6}}));
    // A promoted silver facing left moves like a gold facing left.
    EXPECT_EQ(図(MAN_銀成1), 図(MAN_金1));
    EXPECT_EQ(図(MAN_銀成1), (桝集合{{4, 4}, {4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 5}}));
    // Silver facing down: three ahead (downwards), the two back diagonals.
    EXPECT_EQ(図(MAN_銀0), (桝集合{{4, 6}, {5, 6}, {6, 6}, {4, 4}, {6, 4}}));
    // Lance facing left: every square to the left edge, nothing else.
    EXPECT_EQ(図(MAN_香1), (桝集合{{1, 5}, {2, 5}, {3, 5}, {4, 5}}));
    // Rook: its rays run to the edges of the board and stop there.
    const 桝集合 飛 = 図(MAN_飛2);
    EXPECT_EQ(飛.size(), 16u);
    for (auto sq : {std::pair{5, 1}, std::pair{5, 9}, std::pair{1, 5}, std::pair{9, 5}}) EXPECT_TRUE(飛.count(sq));
    EXPECT_FALSE(飛.count({4, 4}));
    // Bishop: the four diagonals to the corners; the promoted bishop adds
    // the four orthogonal neighbours, the promoted rook the diagonal ones.
    const 桝集合 角 = 図(MAN_角3);
    EXPECT_EQ(角.size(), 16u);
    for (auto sq : {std::pair{1, 1}, std::pair{9, 9}, std::pair{1, 9}, std::pair{9, 1}}) EXPECT_TRUE(角.count(sq));
    EXPECT_EQ(図(MAN_角成0).size(), 20u);
    EXPECT_EQ(図(MAN_飛成0).size(), 20u);
    // King: the eight neighbours in every facing.
    for (int f = 0; f < 4; ++f) EXPECT_EQ(図(-(800 + f)).size(), 8u);
    // In a corner the rook still reaches its whole row and column.
    EXPECT_EQ(印(移動図を作る(MAN_飛2, 1, 1)).size(), 16u);
}

TEST(遊び方の図, 図の桝色は盤の桝色) {
    auto 本物 = std::make_unique<状態>();
    桝色設定(*本物);
    const 移動図 図 = 移動図を作る(MAN_歩2);
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) EXPECT_EQ(図.桝色[x][y], 本物->桝色[x][y]) << x << "," << y;
}

TEST(遊び方の図, 駒の表は八種と成り駒を四つの向きで並べる) {
    const auto 表 = 駒の表();
    const std::vector<int> 型 = {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80};
    ASSERT_EQ(表.size(), 型.size());
    for (std::size_t i = 0; i < 表.size(); ++i) {
        EXPECT_EQ(表[i].型, 型[i]);
        EXPECT_EQ(表[i].名前, 文字列変換(-型[i] * 10));
        ASSERT_EQ(表[i].向き別.size(), 4u);
        for (int f = 0; f < 4; ++f) {
            const 移動図& 図 = 表[i].向き別[f];
            EXPECT_EQ(図.駒, -(型[i] * 10 + f));  // the human's pieces, as the player sees them
            EXPECT_EQ(図.X, 図中心X);
            EXPECT_EQ(図.Y, 図中心Y);
            EXPECT_EQ(印(図), 規則で(図.駒, 図中心X, 図中心Y));
        }
    }
    EXPECT_EQ(表.front().名前, "歩");
    EXPECT_EQ(表[1].名前, "と");
}

TEST(遊び方の図, 空いた桝に着くと桝色の向きに回り_取ると回らない) {
    auto 本物 = std::make_unique<状態>();
    桝色設定(*本物);
    struct {
        int 色, 後;
    } 期待[] = {{桝色_緑, MAN_歩3}, {桝色_水, MAN_歩1}};  // up → right (clockwise), up → left
    for (auto [色, 後] : 期待) {
        SCOPED_TRACE(色);
        const 回転例 例 = 着地の例(色);
        EXPECT_EQ(例.桝色, 色);
        ASSERT_TRUE(盤上(例.先X, 例.先Y));
        EXPECT_EQ(本物->桝色[例.先X][例.先Y], 色);
        EXPECT_EQ(例.前駒, MAN_歩2);
        EXPECT_EQ(例.後駒, 後);
        EXPECT_EQ(例.取られた駒, 空);
        // One step forward, a move the rule allows.
        EXPECT_EQ(例.元X, 例.先X);
        EXPECT_EQ(例.元Y, 例.先Y + 1);
        EXPECT_EQ(移動チェック(*本物, 例.元X, 例.元Y, 例.先X, 例.先Y, 例.前駒), 真);
        EXPECT_EQ(駒移動_回転(*本物, 例.先X, 例.先Y, 例.前駒), 例.後駒);
    }
    const 回転例 取 = 取る例();
    EXPECT_TRUE(COMの駒(取.取られた駒));
    EXPECT_EQ(取.前駒, MAN_歩2);
    EXPECT_EQ(取.後駒, 取.前駒);
    EXPECT_EQ(取.元Y, 取.先Y + 1);
    EXPECT_EQ(取.桝色, 本物->桝色[取.先X][取.先Y]);
}
