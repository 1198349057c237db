// SPDX-License-Identifier: GPL-3.0-or-later
// The lessons (学ぶ → 入門): short tasks on a nearly empty board, each
// about one idea of the game — how each piece moves as it faces, the
// quarter turn on green and teal squares, a capture keeping the facing, a
// drop entering facing the other side and then turning, promotion, taking
// the king, using a turn to aim a piece.
//
// The player has the bottom side and a few moves; the other side does not
// move (it passes).  After each move the task is done when its goal holds;
// it is failed when the goal can no longer be reached with the moves left
// (a small search over the player's moves tells).  A failed task is tried
// again from its start.  No Qt here: the texts are marked for translation
// (view/tr.h) and the window shows them.
#pragma once

#include <string>
#include <vector>

#include "core/game.h"

enum class 課題の型 {
    取る,      // no piece of the other side left on the squares 標的
    向く,      // a piece of the player of kind 種 faces 向き (on 標的 when given)
    成る,      // a promoted piece of the player of kind 種 stands on the board
    王を取る,  // the other king taken
};

struct 課題 {
    const char* 題;    // a few words, for the list
    const char* 目標;  // the goal, one sentence
    const char* なぜ;  // why it works, shown when the task is done
    // The pieces: "K2@59 p0@56 …" — a piece letter as in the puzzle file
    // (upper case the player's), its facing digit and its square (column,
    // row); then optionally "+" before the letter for a promoted piece and
    // "hand:GL" for the player's hand.
    const char* 駒;
    int 手数;  // moves the player has
    課題の型 型;
    const char* 標的;  // squares "5652" (two digits each), or ""
    int 種 = 0;
    int 向き = 0;
    const char* 手順;  // moves that do it, in the puzzle file's notation, ',' between
};

// The lessons, in order.
const std::vector<課題>& 課題一覧();
// The start position of a task, the player (下手) to move.
対局 課題の局面(const 課題& t);
// True when the goal of t holds in g.
bool 課題ができた(const 課題& t, const 対局& g);

// What one move of the player did, for the window to say.
struct 課題の手 {
    enum 種類 { 反則, 続く, できた, 違う } 結果 = 反則;
    対局の手 手;
    int 駒 = 空;          // the code it landed with
    bool 取った = false;  // it captured (and kept its facing)
    int 回り = 0;         // +1 clockwise (green), −1 anticlockwise (teal), 0 none
};

// One task being played.
class 課題の進行 {
public:
    explicit 課題の進行(int 番号 = 0) { 始める(番号); }
    void 始める(int 番号);
    void やり直す() { 始める(番号_); }

    int 番号() const { return 番号_; }
    const 課題& 今の課題() const { return 課題一覧()[static_cast<std::size_t>(番号_)]; }
    const 対局& 局面() const { return g_; }
    int 残り() const { return 残り_; }
    bool 終わった() const { return 終わり_; }
    bool できた() const { return できた_; }

    // Plays m for the player.  反則 (nothing changes) when m is not a move
    // of the player here or the task is over.
    課題の手 指す(const 対局の手& m);

private:
    int 番号_ = 0;
    対局 g_;
    int 残り_ = 0;
    bool 終わり_ = false, できた_ = false;
};

// True when the goal of t can be reached from g (the player to move) within
// n moves of the player, the other side passing.
bool 課題に届く(const 課題& t, 対局& g, int n);

// The lessons done, as the preferences store keeps them ("lessons_done":
// the numbers from 1, ',' between).
inline constexpr const char* 好み_入門 = "lessons_done";
std::vector<bool> 入門の記録を読む(const std::string& 値);
std::string 入門の記録(const std::vector<bool>& 済み);
