// SPDX-License-Identifier: GPL-3.0-or-later
// The game's search and influence survey against the straightforward ones
// kept in reference_search.cpp, on random positions: the same tables to the
// last stale cell, the same move, the same scores to the bit.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "engine/influence.h"
#include "engine/turn_probes.h"
#include "engine/turn.h"
#include "core/position.h"
#include "core/setup.h"
#include "engine/eval_probes.h"
#include "tests/com/reference_search.h"
#include "tests/support/random_position.h"

namespace {

// The sanitizer build runs the same comparisons on fewer positions: there
// it looks for bad memory use, which the first few hundred already reach.
#if defined(__SANITIZE_ADDRESS__)
constexpr int 局面数 = 400;
#else
constexpr int 局面数 = 2000;
#endif

// Every table of the computer player, the never-reset ones included.
bool 表が同じ(const COM作業& a, const COM作業& b) {
    return std::memcmp(static_cast<const COM表*>(&a), static_cast<const COM表*>(&b), sizeof(COM表)) == 0 &&
           a.王X_MAN == b.王X_MAN && a.王Y_MAN == b.王Y_MAN;
}

bool 局面が同じ(const COM作業& a, const COM作業& b) {
    return std::memcmp(a.盤, b.盤, sizeof a.盤) == 0 && std::memcmp(a.持駒_COM, b.持駒_COM, sizeof a.持駒_COM) == 0 &&
           std::memcmp(a.持駒_MAN, b.持駒_MAN, sizeof a.持駒_MAN) == 0 && a.成駒 == b.成駒;
}

// Random values in every table, as earlier surveys and searches leave them.
void 散らかす(COM作業& s, std::mt19937& g) {
    std::uniform_int_distribution<int> v(-1000, 1000);
    int* p = reinterpret_cast<int*>(static_cast<COM表*>(&s));
    for (std::size_t i = 0; i < sizeof(COM表) / sizeof(int); ++i) p[i] = v(g);
    // Table cells are read only at squares the board names; keep the
    // squares of the tables that hold squares on the board.
    std::uniform_int_distribution<int> 桝(0, 9);
    s.王X_COM = 桝(g), s.王Y_COM = 桝(g);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 10; ++y) {
            s.弱MAN_X[x][y] = 桝(g), s.弱MAN_Y[x][y] = 桝(g);
            s.弱COM_X[x][y] = 桝(g), s.弱COM_Y[x][y] = 桝(g);
            s.弱COM攻_X[x][y] = 桝(g), s.弱COM攻_Y[x][y] = 桝(g);
            s.弱COM攻_X_保存[x][y] = 桝(g), s.弱COM攻_Y_保存[x][y] = 桝(g);
        }
}

}  // namespace

TEST(探索の突き合わせ, 勢力調査は全表が素直な調査と同じ) {
    std::mt19937 g(1501);
    auto a = std::make_unique<COM作業>(), b = std::make_unique<COM作業>();
    int 違い = 0;
    for (int i = 0; i < 局面数 * 2; ++i) {
        const 局面 k = 乱局面::作る(g, 0.1 + 0.6 * (i % 10) / 10.0);
        散らかす(*a, g);
        局面_設定(*a, k);
        *b = *a;
        参照::勢力調査(*a);
        勢力調査(*b);
        // A second survey on the same board starts from the first one's
        // stale cells.
        const bool 一度目 = 表が同じ(*a, *b);
        参照::勢力調査(*a);
        勢力調査(*b);
        if (!一度目 || !表が同じ(*a, *b)) {
            if (++違い <= 5) ADD_FAILURE() << "position " << i << " surveys differently";
        }
    }
    EXPECT_EQ(違い, 0);
}

TEST(探索の突き合わせ, 全強さで手も点も表も素直な探索と同じ) {
    std::mt19937 g(1502);
    auto 元 = std::make_unique<COM作業>(), a = std::make_unique<COM作業>(), b = std::make_unique<COM作業>();
    int 違い = 0, 手あり = 0;
    for (int i = 0; i < 局面数; ++i) {
        const 局面 k = 乱局面::作る(g, 0.15 + 0.5 * (i % 10) / 10.0);
        *元 = COM作業{};
        桝色設定(*元);
        局面_設定(*元, k);
        元->手番_MAN = 後手;
        元->手番_COM = 先手;
        for (int L = 1; L <= 3; ++L) {
            元->レベル = L;
            *a = *元;
            *b = *元;
            // The position as the end of the human's move leaves it.
            参照::勢力調査(*a);
            勢力調査(*b);
            const COM候補 ca = 参照::COM探索(*a);
            const COM候補 cb = COM探索(*b);
            const bool 同じ = ca.あり == cb.あり && ca.元X == cb.元X && ca.元Y == cb.元Y && ca.先X == cb.先X &&
                              ca.先Y == cb.先Y && ca.元駒 == cb.元駒 && ca.置駒 == cb.置駒 &&
                              std::memcmp(&ca.点, &cb.点, sizeof ca.点) == 0 && 表が同じ(*a, *b) && 局面が同じ(*a, *b);
            手あり += ca.あり;
            if (!同じ && ++違い <= 5)
                ADD_FAILURE() << "position " << i << " strength " << L << ": reference (" << ca.元X << "," << ca.元Y
                              << ")->(" << ca.先X << "," << ca.先Y << ") " << ca.置駒 << " " << ca.点 << ", search ("
                              << cb.元X << "," << cb.元Y << ")->(" << cb.先X << "," << cb.先Y << ") " << cb.置駒 << " "
                              << cb.点;
        }
    }
    EXPECT_EQ(違い, 0);
    // The random positions are real tests: nearly all give the computer a move.
    EXPECT_GT(手あり, 局面数 * 3 * 9 / 10);
}

TEST(探索の突き合わせ, 釘付けと動ける桝と周りの大駒は素直な数え方と同じ) {
    std::mt19937 g(1503);
    auto a = std::make_unique<COM作業>(), b = std::make_unique<COM作業>();
    const std::vector<int> 駒 = 乱局面::全駒();
    int 違い = 0;
    for (int i = 0; i < 局面数 / 20; ++i) {
        const 局面 k = 乱局面::作る(g, 0.1 + 0.6 * (i % 10) / 10.0);
        散らかす(*a, g);
        局面_設定(*a, k);
        勢力調査(*a);
        *b = *a;
        参照::調査_移動不可駒(*a);
        調査_移動不可駒(*b);
        if (!表が同じ(*a, *b) || !局面が同じ(*a, *b)) ++違い;
        // Heavy pieces around every square, the edges and just beyond.
        for (int x = 0; x <= 10; ++x)
            for (int y = 0; y <= 10; ++y)
                if (参照::調査_周辺状況(*a, x, y) != 調査_周辺状況(*a, x, y) && ++違い <= 5)
                    ADD_FAILURE() << "position " << i << ": around (" << x << ", " << y << ")";
        // Free squares of every code from every board square and both hands.
        for (int v : 駒)
            for (int x = -1; x <= 11; ++x)
                for (int y = 1; y <= 9; ++y)
                    if (参照::調査_移動可場所数(*a, x, y, v) != 調査_移動可場所数(*a, x, y, v) && ++違い <= 5)
                        ADD_FAILURE() << "position " << i << ": code " << v << " from (" << x << ", " << y << ")";
    }
    EXPECT_EQ(違い, 0);
}
