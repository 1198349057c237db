// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzles (学ぶ → 練習問題): positions from the computer's own games
// where the side to move takes the king by force within 1, 2 or 3 of its
// moves (the puzzle file, learn/puzzle_file.h).  The player takes the
// winning side against the best defence the complete search finds: after a
// right move the defender answers with the reply that holds out longest;
// after a wrong one with a reply after which there is no forced win any
// more, and the puzzle is failed (it can be tried again).  A hint names
// the piece to move, the solution the whole first move; either one, like a
// wrong move, ends the streak of puzzles solved at the first try.
#pragma once

#include <string>
#include <vector>

#include "engine/mate_search.h"
#include "store/preferences.h"
#include "learn/puzzle_file.h"

inline constexpr const char* 好み_問題_解いた = "puzzles_solved";  // numbers from 1, ',' between
inline constexpr const char* 好み_問題_連続 = "puzzle_streak";     // puzzles solved at the first try in a row
inline constexpr const char* 好み_問題_最高 = "puzzle_best_streak";
inline constexpr const char* 好み_問題_今 = "puzzle_current";  // the puzzle shown last, from 1

struct 問題の手 {
    enum 種類 { 反則, 続く, 解けた, 違う } 結果 = 反則;
    bool 受けあり = false;  // 受け holds the defender's answer
    対局の手 受け;
};

class 問題の進行 {
public:
    explicit 問題の進行(std::vector<問題> 集 = {});

    int 数() const { return static_cast<int>(集_.size()); }
    void 始める(int 番号);
    void やり直す() { 始める(番号_); }
    int 番号() const { return 番号_; }
    const 問題& 今の問題() const { return 集_[static_cast<std::size_t>(番号_)]; }
    const 問題& 番の問題(int i) const { return 集_[static_cast<std::size_t>(i)]; }
    const 対局& 局面() const { return g_; }
    // The side the player plays (the side to move at the start).
    int 解く側() const { return 側_; }
    int 残り() const { return 残り_; }
    bool 終わった() const { return 終わり_; }

    // Plays m for the player and, unless the puzzle ends, the defender's
    // answer.  反則 (nothing changes) when m is not a move here.
    問題の手 指す(const 対局の手& m);
    // A winning move now (the first of them); false when the puzzle is over.
    // Asking for it spoils the first try.
    bool ヒント(対局の手& m);
    std::vector<対局の手> 答え();

    // Progress over all puzzles.
    bool 解いた(int 番号) const { return 解いた_[static_cast<std::size_t>(番号)]; }
    int 解いた数() const;
    int 連続() const { return 連続_; }
    int 最高() const { return 最高_; }
    void 記録を読む(const 好み設定& p);
    void 記録を書く(好み設定& p) const;

private:
    std::vector<問題> 集_;
    std::vector<bool> 解いた_;
    int 番号_ = 0;
    対局 g_;
    int 側_ = 下手;
    int 残り_ = 0;
    bool 終わり_ = false;
    bool 助け_ = false;  // a hint, the solution or a wrong move in this puzzle
    int 連続_ = 0, 最高_ = 0;
    詰み探索 探索_;
};
