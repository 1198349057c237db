// SPDX-License-Identifier: GPL-3.0-or-later
// The board and hands the rules work on (盤面状態).  The game layer's whole
// state (view/state.h) is built on it and adds the course of the game with
// its record and the controller's, the clocks' and the screen's parts,
// which nothing here can reach.  The computer keeps its own memory
// (engine/com_tables.h) and thinks on a working copy of the board part; the
// rules know nothing of either.
//
// Piece codes: sign × (type × 10 + facing).  Positive codes are the
// computer's (COM, top), negative codes the human's (MAN, bottom).  type is
// kind × 10 + promoted; kinds 1 歩 … 8 王.  Facing 0 is down the screen,
// 1 left, 2 up, 3 right.  空 (0) is an empty square.
//
// Board-shaped tables are 10 × 10 and indexed [x][y] with x = column 1..9
// (left to right) and y = row 1..9 (top to bottom).  Index 0 is kept,
// zero-initialised and never written: some probes read it.
#pragma once

#include "core/game_record.h"
#include "core/pieces.h"

// ---- Named constants -------------------------------------------------------
inline constexpr int 真 = 1;
inline constexpr int 偽 = 0;

inline constexpr int 手番_なし = 0;
inline constexpr int 先手 = 1;
inline constexpr int 後手 = -1;

// The computer's strengths: 1 to 3 look one move ahead; 4 and up search
// many moves deep, to a fixed depth and then for a limited time
// (engine/deep_search.h).  A game saved at the former top strengths 4 (0.3 s)
// and 5 (1 s) resumes at 旧レベルの段.
inline constexpr int 最強レベル = 17;
// The former 4 stands nearest the 4-ply rung 13 (README, "How strong is each
// level"), the former 5 nearest the top.
constexpr int 旧レベルの段(int 旧) { return 旧 >= 5 ? 最強レベル : 旧 == 4 ? 13 : 旧; }
// A level kept by a build whose ladder had 段数 strengths (15 and 16 were
// such ladders), on this one.  Each new rung went in just below the top, so
// every former level stands where it stood and the former top is the top.
constexpr int 今の段(int 段数, int レベル) { return レベル >= 段数 ? 最強レベル : レベル; }

inline constexpr int 桝色_緑 = 2;  // clockwise turn on arrival
inline constexpr int 桝色_水 = 3;  // anticlockwise turn on arrival

// ---- The state -------------------------------------------------------------
// The part of the game the computer reads as well: board, square colours,
// hands, the sides, the strength and the promoted
// code 調査_駒成 leaves.  The movement rules work on it alone, so they serve
// the game and the computer's working copy (COM作業) alike.
// The board and the hands (盤, 持駒_MAN, 持駒_COM) are a 局面, the very
// position a slot of the record keeps: taking the position off the board or
// putting one on is a copy.
struct 盤面状態 : 局面 {
    // Square colours.
    int 桝色[10][10] = {};

    // How many pieces each hand holds.
    int 持駒数_MAN = 0;
    int 持駒数_COM = 0;

    // Sides and strength.
    int 手番_MAN = 後手;
    int 手番_COM = 先手;
    int レベル = 3;

    // The promoted code, as 調査_駒成 last found it.
    int 成駒 = 0;
};
