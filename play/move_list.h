// SPDX-License-Identifier: GPL-3.0-or-later
// The move list ("棋譜一覧"): every ply of the game or of the loaded record,
// read back from the position log, and stepping the board to any of them.
//
// The log holds the position before each move: slot n is the position the
// (n+1)-th move was made from, so ply i goes from slot i − 1 to slot i.  In
// a game in progress the latest move has no slot after it yet: it goes from
// the last slot to the board as it stands.  What moved, from where to where,
// what it took, whether it promoted and which way it faces after landing
// all come from comparing the two positions.
#pragma once

#include <string>
#include <vector>

#include "view/platform.h"
#include "view/state.h"

struct 棋譜一覧の行 {
    int 手目 = 0;          // 1, 2, …; stepping to it shows the position after it
    int 側 = 手番_なし;    // 先手 or 後手
    int 駒 = 空;           // the code as it left its square (a drop: the kind, facing 0)
    bool 打 = false;       // from the hand
    int 元X = 0, 元Y = 0;  // the square it left (0, 0 for a drop)
    int 先X = 0, 先Y = 0;  // the square it landed on
    bool 成 = false;       // promoted on this move
    int 取った駒 = 空;     // what stood on the destination
    int 向き = 0;          // facing after landing (0 down, 1 left, 2 up, 3 right)
    bool operator==(const 棋譜一覧の行&) const = default;
};

// Every ply that the board can be stepped to, first to last.
std::vector<棋譜一覧の行> 棋譜一覧(const 状態& s);

// The ply whose position the board shows (0: the start).
int 棋譜一覧の今の手(const 状態& s);

// A row as the player reads it, each column a list of texts that the window
// translates one by one and puts side by side: 手目 "12"; 側 "先手";
// 駒 "歩"; 移動 "７七" "→" "７六", or "打" "→" "５五" for a drop; 成 "成" or
// nothing; 取 the name of the piece taken or nothing; 向き an arrow.  A
// step of the log that no single move explains reads "指し手なし".
struct 棋譜一覧の文 {
    std::vector<std::string> 手目, 側, 駒, 移動, 成, 取, 向き;
};
棋譜一覧の文 棋譜一覧の文にする(const 棋譜一覧の行& r);

// Steps the board to ply 手目 (0: the start) with "戻" or "進", once per
// ply, as the menu items would; stops at the first step refused.
void 棋譜一覧_手へ(状態& s, Platform& p, int 手目);
