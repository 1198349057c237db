// SPDX-License-Identifier: GPL-3.0-or-later
// The record of a game (棋譜): one slot per position the game went through,
// slot 0 its start and slot n the position n moves later, each with the
// square the move made from it went to and the four clock values shown
// with it.  The game keeps positions rather than moves because that is
// what a record file holds: a file's positions need not follow from each
// other by a legal move, and a loaded record must step exactly as it reads.
//
// A record grows as slots are written and is never longer than it needs:
// a short game costs a few kilobytes, not the room of 500 moves.  Slots
// past the last one written read as an empty board with empty hands and
// clocks at zero, as an untouched slot always did.
#pragma once

#include <vector>

// The last slot: a game keeps at most 500 moves (slots 0..500).
inline constexpr int 履歴最大 = 500;

// A position: the board and both hands, apart from everything else the
// game keeps.
struct 局面 {
    int 盤[10][10] = {};   // [x][y], 1..9; row and column 0 stay empty
    int 持駒_MAN[8] = {};  // counts by kind 1..7
    int 持駒_COM[8] = {};
    bool operator==(const 局面&) const = default;
};

// One slot of the record.
struct 棋譜の欄 {
    局面 面;
    // Where the move made from this position landed (0, 0: none yet).
    int 先X = 0, 先Y = 0;
    // The clocks in seconds: the bottom side's before and after the move,
    // then the top side's.
    double 前秒M = 0, 後秒M = 0, 前秒C = 0, 後秒C = 0;
    bool operator==(const 棋譜の欄&) const = default;
};

class 棋譜 {
public:
    // Slot n; outside 0..履歴最大 or never written, an empty slot.
    const 棋譜の欄& operator[](int n) const {
        static const 棋譜の欄 空き;
        return n >= 0 && n < static_cast<int>(欄_.size()) ? 欄_[static_cast<std::size_t>(n)] : 空き;
    }
    // Slot n (0..履歴最大) to be written; the record grows to hold it.
    棋譜の欄& 書く(int n) {
        if (n >= static_cast<int>(欄_.size())) 欄_.resize(static_cast<std::size_t>(n) + 1);
        return 欄_[static_cast<std::size_t>(n)];
    }

private:
    std::vector<棋譜の欄> 欄_;
};
