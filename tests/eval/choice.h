// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's choice in small hand-built positions, seen from outside:
// the position in, the move the search settles on and the score it gave
// every candidate out.  The evaluation tests state what the computer should
// prefer ("moves its threatened rook away", "does not open its king"), never
// the weights it uses to get there.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <tuple>
#include <vector>

#include "core/pieces.h"
#include "core/position.h"
#include "engine/board_eval.h"
#include "engine/turn.h"
#include "tests/support/search_corpus.h"

namespace eval_test {

// A piece on (x, y); x = 人手 puts 駒 pieces of kind y in the human's hand,
// x = 自手 in the computer's.
constexpr int 人手 = -1, 自手 = -2;
struct 駒置き {
    int x, y, 駒;
};

// A candidate move: a board move from (元X, 元Y), or a drop of kind 元Y when
// 元X is −1; 成 for the promoted choice of a board move.
struct 候補手 {
    int 元X, 元Y, 先X, 先Y;
    bool 成 = false;
    auto key() const { return std::tuple(元X, 元Y, 先X, 先Y, 成); }
    bool operator<(const 候補手& o) const { return key() < o.key(); }
    bool operator==(const 候補手& o) const { return key() == o.key(); }
};
inline 候補手 打(int kind, int x, int y) { return {-1, kind, x, y}; }
inline std::ostream& operator<<(std::ostream& o, const 候補手& m) {
    if (m.元X < 0) return o << "drop " << m.元Y << " on (" << m.先X << ", " << m.先Y << ")";
    return o << "(" << m.元X << ", " << m.元Y << ")-(" << m.先X << ", " << m.先Y << ")" << (m.成 ? "+" : "");
}

// What one search of the computer gave: its move and every candidate's score.
struct 探索結果 {
    COM候補 選択;
    std::map<候補手, double> 点;
    候補手 選んだ手() const {
        return {選択.元X, 選択.元Y, 選択.先X, 選択.先Y, 選択.元X > 0 && 選択.置駒 >= 選択.元駒 + 10};
    }
};

namespace detail {
inline std::map<候補手, double>* 記録先 = nullptr;
inline double 記録する(COM作業& s, int 取得駒, int 移動駒, int 元X, int 元Y, int 先X, int 先Y) {
    const double 点 = 盤評価(s, 取得駒, 移動駒, 元X, 元Y, 先X, 先Y);
    (*記録先)[{元X, 元Y, 先X, 先Y, 元X > 0 && 移動駒 > s.候補駒 + 3}] = 点;
    return 点;
}
}  // namespace detail

// The computer (top) to move at strength レベル in a position of only these
// pieces, as the end of the human's move leaves it.
inline 探索結果 探す(const std::vector<駒置き>& 駒, int レベル = 3) {
    局面 k;
    for (const auto& p : 駒) {
        if (p.x == 人手) k.持駒_MAN[p.y] = p.駒;
        else if (p.x == 自手) k.持駒_COM[p.y] = p.駒;
        else k.盤[p.x][p.y] = p.駒;
    }
    auto s = std::make_unique<COM作業>();
    探索集::置く(*s, k, レベル);
    探索結果 r;
    detail::記録先 = &r.点;
    r.選択 = COM探索(*s, nullptr, detail::記録する);
    detail::記録先 = nullptr;
    return r;
}

// One expectation: in this position the computer at strength レベル scores
// the moves of 順 strictly best first, and when 指す is given it plays that
// move.  A move that belongs between two others is listed between them, so
// the case fails when its score moves past either neighbour.
struct 順位 {
    const char* 何;
    std::vector<駒置き> 駒;
    std::vector<候補手> 順;
    int レベル = 3;
    std::optional<候補手> 指す = std::nullopt;
};

inline void PrintTo(const 順位& e, std::ostream* o) { *o << e.何; }

inline void 確かめる(const 順位& e) {
    SCOPED_TRACE(e.何);
    const 探索結果 r = 探す(e.駒, e.レベル);
    for (std::size_t i = 0; i < e.順.size(); ++i) {
        ASSERT_TRUE(r.点.count(e.順[i])) << e.順[i] << " is not a candidate";
        if (i > 0) {
            EXPECT_GT(r.点.at(e.順[i - 1]), r.点.at(e.順[i])) << e.順[i - 1] << " should score above " << e.順[i];
        }
    }
    if (e.指す) {
        EXPECT_EQ(r.選んだ手(), *e.指す);
    }
}

}  // namespace eval_test
