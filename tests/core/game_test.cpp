// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a value against the game's own rules: the moves it lists are
// exactly the moves the movement rule allows, a move leaves exactly the
// position the game's move routine leaves, and taking a move back restores
// everything, hash included.
#include "core/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "core/rules.h"
#include "core/setup.h"
#include "tests/support/game_compare.h"
#include "play/new_game.h"
#include "view/course.h"

namespace {

// The game's own state holding the same position (its colours set).
std::unique_ptr<記憶つき対局> 状態に(const 対局& g) {
    auto s = std::make_unique<記憶つき対局>();
    桝色設定(*s);
    局面_設定(*s, 局面にする(g));
    s->手番_COM = 先手;
    s->手番_MAN = 後手;
    s->手番 = g.手番() > 0 ? 先手 : 後手;
    return s;
}

using 手の組 = std::tuple<int, int, int, int, int, bool>;
手の組 組(const 対局の手& m) { return {m.元X, m.元Y, m.先X, m.先Y, m.打, m.成}; }

// Every move the movement rule allows the side to move, promotions where
// the promotion rule allows them.
std::set<手の組> 規則の手(const 対局& g, 状態& s) {
    std::set<手の組> r;
    const int 側 = g.手番();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = g.駒(x, y);
            if (v * 側 < 100) continue;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (移動チェック(s, x, y, x2, y2, v) != 真) continue;
                    r.insert({x, y, x2, y2, 0, false});
                    if (調査_駒成(s, x, y, x2, y2, v) == 真) r.insert({x, y, x2, y2, 0, true});
                }
        }
    for (int k = 1; k <= 7; ++k) {
        if (g.持駒(側, k) == 0) continue;
        const int 元X = 側 > 0 ? 持駒列_COM : 持駒列_MAN;
        for (int x2 = 1; x2 <= 9; ++x2)
            for (int y2 = 1; y2 <= 9; ++y2)
                if (移動チェック(s, 元X, k, x2, y2, 打つ駒(側, k)) == 真) r.insert({0, 0, x2, y2, k, false});
    }
    return r;
}

// A random game of up to n plies from the opening, preferring captures and
// drops now and then so that hands fill and promotions happen.
std::vector<対局の手> 乱局(対局& g, std::mt19937& r, int n) {
    std::vector<対局の手> 指した, 手;
    for (int i = 0; i < n && g.勝者() == 0; ++i) {
        g.手を列挙(手);
        if (手.empty()) break;
        std::vector<対局の手> 取る;
        for (const auto& m : 手)
            if (g.駒(m.先X, m.先Y) != 空 && !王(g.駒(m.先X, m.先Y))) 取る.push_back(m);
        const auto& 候補 = (!取る.empty() && r() % 2 == 0) ? 取る : 手;
        const 対局の手 m = 候補[r() % 候補.size()];
        g.指す(m);
        指した.push_back(m);
    }
    return 指した;
}

}  // namespace

TEST(対局, 初期局面は盤の初期設定と同じ) {
    const 対局 g = 対局::初期局面();
    auto s = std::make_unique<状態>();
    新規対局(*s);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(g.駒(x, y), s->盤[x][y]) << x << "," << y;
    EXPECT_EQ(g.手番(), 下手);
    EXPECT_EQ(g.王X(上手), 5);
    EXPECT_EQ(g.王Y(下手), 9);
    // Nine pawns, two lances, two knights, two silvers, the king; the
    // bishop's and rook's board moves; no drops.
    std::vector<対局の手> 手;
    g.手を列挙(手);
    EXPECT_EQ(手.size(), 規則の手(g, *状態に(g)).size());
}

TEST(対局, 列挙する手は移動の規則が許す手そのもの) {
    std::mt19937 r(7);
    for (int 局 = 0; 局 < 12; ++局) {
        対局 g = 対局::初期局面();
        for (int i = 0; i < 160 && g.勝者() == 0; ++i) {
            auto s = 状態に(g);
            std::vector<対局の手> 手;
            g.手を列挙(手);
            std::set<手の組> 列挙;
            for (const auto& m : 手) {
                EXPECT_TRUE(列挙.insert(組(m)).second) << "listed twice";
                EXPECT_TRUE(g.合法(m));
            }
            ASSERT_EQ(列挙, 規則の手(g, *s)) << "game " << 局 << " ply " << i;
            // Who reaches which square, against the rule square by square.
            for (int 側 : {上手, 下手})
                for (int x = 1; x <= 9; ++x)
                    for (int y = 1; y <= 9; ++y) {
                        // Whatever stands there: ask the rule with a piece
                        // of the other side on the square.
                        const int 元 = s->盤[x][y];
                        s->盤[x][y] = -100 * 側;
                        bool 届く = false;
                        for (int a = 1; a <= 9 && !届く; ++a)
                            for (int b = 1; b <= 9 && !届く; ++b)
                                届く = g.駒(a, b) * 側 >= 100 && 移動チェック(*s, a, b, x, y, g.駒(a, b)) == 真;
                        s->盤[x][y] = 元;
                        ASSERT_EQ(g.利いている(側, x, y), 届く) << 側 << " at " << x << "," << y;
                    }
            乱局(g, r, 1);
        }
    }
}

TEST(対局, 指した結果は駒を動かすと同じ) {
    std::mt19937 r(11);
    for (int 局 = 0; 局 < 20; ++局) {
        対局 g = 対局::初期局面();
        auto s = 状態に(g);
        std::vector<対局の手> 手;
        for (int i = 0; i < 200 && g.勝者() == 0; ++i) {
            g.手を列挙(手);
            const 対局の手 m = 手[r() % 手.size()];
            状態で指す(*s, g, m);
            g.指す(m);
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    ASSERT_EQ(g.駒(x, y), s->盤[x][y]) << "ply " << i;
                }
            for (int k = 1; k <= 7; ++k) {
                ASSERT_EQ(g.持駒(上手, k), s->持駒_COM[k]);
                ASSERT_EQ(g.持駒(下手, k), s->持駒_MAN[k]);
            }
            if (g.勝者() == 0) {
                ASSERT_EQ(g.王X(下手) * 10 + g.王Y(下手), s->記憶.王X_MAN * 10 + s->記憶.王Y_MAN);
            }
            const int 勝者 = s->勝者 == s->手番_COM ? 上手 : s->勝者 == s->手番_MAN ? 下手 : 0;
            ASSERT_EQ(g.勝者(), 勝者);
        }
    }
}

TEST(対局, 戻すと全てが元どおり) {
    std::mt19937 r(3);
    for (int 局 = 0; 局 < 20; ++局) {
        対局 g = 対局::初期局面();
        std::vector<対局> 途中{g};
        const auto 指した = 乱局(g, r, 300);
        std::vector<対局> 局面列;
        {
            対局 h = 対局::初期局面();
            for (const auto& m : 指した) {
                局面列.push_back(h);
                h.指す(m);
            }
            EXPECT_TRUE(h.盤が同じ(g));
            EXPECT_EQ(h.ハッシュ(), g.ハッシュ());
        }
        for (std::size_t i = 指した.size(); i-- > 0;) {
            g.戻す();
            const 対局& 前 = 局面列[i];
            ASSERT_TRUE(g.盤が同じ(前)) << "ply " << i;
            ASSERT_EQ(g.ハッシュ(), 前.ハッシュ());
            ASSERT_EQ(g.手数(), 前.手数());
            ASSERT_EQ(g.王X(上手) * 10 + g.王Y(上手), 前.王X(上手) * 10 + 前.王Y(上手));
            ASSERT_EQ(g.王X(下手) * 10 + g.王Y(下手), 前.王X(下手) * 10 + 前.王Y(下手));
            // The incremental hash equals the hash computed afresh.
            対局 新 = g;
            新.整える();
            ASSERT_EQ(新.ハッシュ(), g.ハッシュ());
        }
    }
}

TEST(対局, ハッシュは向きと持駒と手番を区別する) {
    対局 a = 対局::初期局面();
    対局 b = a;
    b.置く(1, 7, -101);  // the same pawn turned
    b.整える();
    EXPECT_NE(a.ハッシュ(), b.ハッシュ());
    対局 c = a;
    c.手番を置く(上手);
    c.整える();
    EXPECT_NE(a.ハッシュ(), c.ハッシュ());
    対局 d = a, e = a;
    d.持駒を置く(上手, 1, 1);
    e.持駒を置く(下手, 1, 1);
    d.整える();
    e.整える();
    EXPECT_NE(d.ハッシュ(), e.ハッシュ());
    EXPECT_NE(d.ハッシュ(), a.ハッシュ());
}

TEST(対局, 持駒にない打ち手は合法でない) {
    対局 g = 対局::初期局面();  // the bottom side to move
    for (int 種 = 1; 種 <= 7; ++種) g.持駒を置く(下手, 種, 1);
    g.整える();
    struct 場合 {
        対局の手 手;
        bool 合法;
    };
    const 場合 表[] = {
        {{0, 0, 5, 5, 1, false}, true},   // a pawn on an empty square
        {{0, 0, 5, 5, 7, false}, true},   // a rook
        {{0, 0, 5, 5, 0, false}, false},  // not a drop at all, and no source
        {{0, 0, 5, 5, 8, false}, false},  // a king is never in hand
        {{0, 0, 5, 5, 1, true}, false},   // a drop never promotes
        {{0, 0, 5, 7, 1, false}, false},  // onto a piece
    };
    for (const 場合& c : 表) EXPECT_EQ(g.合法(c.手), c.合法) << int(c.手.打) << " " << int(c.手.先Y);
}

TEST(対局, 王を取ると勝ちで以後の手はない) {
    対局 g;
    g.置く(5, 5, 800);
    g.置く(5, 6, -402);  // a silver facing up takes the king just above it
    g.置く(9, 9, -800);
    g.手番を置く(下手);
    g.整える();
    EXPECT_TRUE(g.王を取れる());
    g.指す({5, 6, 5, 5, 0, false});
    EXPECT_EQ(g.勝者(), 下手);
    EXPECT_EQ(g.持駒(下手, 8 - 1), 0);  // the king never goes to a hand
    std::vector<対局の手> 手;
    g.手を列挙(手);
    EXPECT_TRUE(手.empty());
    g.戻す();
    EXPECT_EQ(g.勝者(), 0);
    EXPECT_EQ(g.駒(5, 5), 800);
}

TEST(対局, 同じ局面の数と繰り返し) {
    対局 g = 対局::初期局面();
    // Both kings step aside and back, twice.
    const 対局の手 下行 = {5, 9, 4, 8, 0, false}, 上行 = {5, 1, 6, 2, 0, false};
    EXPECT_EQ(g.同一局面数(), 1);
    for (int n = 0; n < 2; ++n) {
        g.指す(下行);
        g.指す(上行);
        g.指す({4, 8, 5, 9, 0, false});
        g.指す({6, 2, 5, 1, 0, false});
    }
    // The kings came back turned: the facings differ, so nothing repeats
    // unless the facings come round again.
    EXPECT_EQ(g.駒(5, 9) == -802, g.同一局面数() > 1);
}

TEST(対局, 状態から作ると記録の局面も繰り返しに数える) {
    // Both kings step aside and back as the game logs its moves: log, move,
    // count.  Four round trips bring the kings back facing as they started
    // (each trip turns them twice).
    auto s = std::make_unique<状態>();
    桝色設定(*s);
    新規対局(*s);
    const 対局の手 往復[4] = {{5, 9, 4, 8, 0, false}, {5, 1, 6, 2, 0, false}, {4, 8, 5, 9, 0, false}, {6, 2, 5, 1, 0, false}};
    std::vector<int> 数;
    for (int 回 = 0; 回 < 16; ++回) {
        const int 側 = 回 % 2 == 0 ? 下手 : 上手;
        const 対局 g = 対局にする(*s, 側);
        数.push_back(g.同一局面数());
        手順保存(*s, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        状態で指す(*s, g, 往復[回 % 4]);
        s->棋譜手数 += 1;
        s->手数 += 1;
    }
    // Counted by hand from the hashes the game itself gives, move by move.
    対局 h = 対局::初期局面();
    std::vector<int> 期待;
    for (int 回 = 0; 回 < 16; ++回) {
        期待.push_back(h.同一局面数());
        h.指す(往復[回 % 4]);
    }
    EXPECT_EQ(数, 期待);
    EXPECT_GT(*std::max_element(期待.begin(), 期待.end()), 1);
    // A capture or a drop cuts the line: nothing before it comes back.
    対局 g = 対局::初期局面();
    std::vector<std::uint64_t> 前 = {g.ハッシュ()};
    g.前の局面を置く(前);
    EXPECT_EQ(g.同一局面数(), 2);
}
