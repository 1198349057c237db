// SPDX-License-Identifier: GPL-3.0-or-later
// Tables of the computer player: the influence map that every evaluation
// reads, the snapshots the search keeps of the position it started from, and
// the results of the once-per-turn probes.  They are the computer's memory:
// never reset between turns, because its play depends on what they kept.
// The computer (play/com_turn.h COMの応手) owns them; the game state only
// points at them (状態::COM記憶, view/state.h) and tells them where the kings
// went (王を見た).
#pragma once

#include <climits>
#include <span>

#include "core/position.h"
#include "core/state.h"

struct COM表 {
    // Influence map, rebuilt by 勢力調査 from the board alone.
    int 勢MAN[10][10] = {};
    int 勢COM[10][10] = {};
    int 弱MAN駒[10][10] = {};
    int 弱MAN_X[10][10] = {};
    int 弱MAN_Y[10][10] = {};
    int 弱COM駒[10][10] = {};
    int 弱COM_X[10][10] = {};  // never reset: keeps values of earlier surveys
    int 弱COM_Y[10][10] = {};
    int 弱COM攻駒[10][10] = {};
    int 弱COM攻_X[10][10] = {};  // never reset
    int 弱COM攻_Y[10][10] = {};
    int 守MAN駒[10][10] = {};
    int 王手COM[10][10] = {};
    int 王X_COM = 0;
    int 王Y_COM = 0;
    // Where the human's king was last seen: by a survey, by a position put
    // on the board, or when it moved.  Until one of those it is not where
    // the board has it.
    int 王X_MAN = 0;
    int 王Y_MAN = 0;

    // Snapshots taken at the start of the computer's turn.
    int 盤_保存[10][10] = {};
    int 勢MAN_保存[10][10] = {};
    int 勢COM_保存[10][10] = {};
    int 弱COM攻_X_保存[10][10] = {};
    int 弱COM攻_Y_保存[10][10] = {};
    int 逃道数_MAN王 = 0;
    int 移動元王距離 = 0;
    int 候補駒 = 0;
    int 最高点 = 0;

    // Probes run once per turn.
    int 移動不可駒[10][10] = {};
    int 移動不可あり = 0;
    int 持角狙座標_MAN[10][10] = {};
};

// What the computer's routines work on: a copy of the part of the game they
// read, with the computer's memory.  The computer fills it from the game at
// its turn, searches on it, and keeps the tables it leaves.
struct COM作業 : 盤面状態, COM表 {
    COM作業() = default;
    COM作業(const 盤面状態& 局, const COM表& 記憶) : 盤面状態(局), COM表(記憶) {}
};

// The memory as a kept game holds it: its items in a fixed order, each a
// table of 100 integers ([x][y], x = 0..9 outer) or one integer, under a
// layout version of the computer's own (COM表の版).  Whoever keeps a game
// writes and reads the items as listed here and knows nothing of what they
// mean.  A change to the memory changes the list and raises the version;
// a game kept with another version then goes on with a fresh memory.
inline constexpr int COM表の版 = 1;
struct COM表の項目 {
    const char* 名;
    int (COM表::*表)[10][10] = nullptr;  // a table, or
    int COM表::*値 = nullptr;            // one integer
    int 下 = INT_MIN, 上 = INT_MAX;      // the range an integer may hold
};
std::span<const COM表の項目> COM表の項目一覧();

// The tables learn where a king stands: the top's (符号 +1) or the
// bottom's (−1).  The human king's square is known only this way, so until
// the game says so it is not where the board has it.
void 王を見た(COM表& t, int 符号, int x, int y);
// Puts a position on the working copy's board, as 局面_設定 does on the
// game's, its tables told where both kings stand.
void 局面_設定(COM作業& w, const 局面& k);
