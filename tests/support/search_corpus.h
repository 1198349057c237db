// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed set of positions, all with the computer to move, taken from games
// the computer played against a mix of random moves and its own choices
// (fixed seeds): openings, middle games with pieces in hand, end games.
// With each, the move and score the search settles on at each strength.
// The benchmark times the search over them; a test holds the search to the
// results.
//
// Both live as text in tests/data: search_positions.txt holds one position
// per line, "段階|move line of a record file|"; search_expected.txt one
// result per line, "level position 元X 元Y 先X 先Y 置駒 最高点 点" with the
// unrounded score as a hexadecimal floating literal, exact to the bit.
#pragma once

#include <string>
#include <vector>

#include "core/position.h"
#include "view/state.h"

namespace 探索集 {

struct 局面例 {
    std::string 段階;  // 序盤, 中盤 or 終盤
    局面 位置;
};

struct 結果 {
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0, 置駒 = 0, 最高点 = 0;
    double 点 = 0;  // the unrounded score, exactly
    bool operator==(const 結果&) const = default;
};

// Where the two files are; the build tells.
std::string 局面ファイル();
std::string 期待ファイル();

// The positions, in file order.  Stops the program with a message when the
// file is missing or a line does not read.
std::vector<局面例> 局面集();
// 期待[レベル − 1][i] for 局面集()[i].
std::vector<std::vector<結果>> 期待();

// The position as the end of the human's move leaves it: board, hands, the
// computer to move at strength レベル, the influence map surveyed once.
// s (a working copy of the computer, its memory fresh) must be fresh.
void 置く(COM作業& s, const 局面& k, int レベル);

// A position given as a record move line (358 columns, the last four
// fields the clocks); stops the program when the line does not read.
局面 行から(const std::string& 行);

// The expected-results file as the search gives it now.
std::string 期待の表();

}  // namespace 探索集
