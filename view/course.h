// SPDX-License-Identifier: GPL-3.0-or-later
// The course of the game on the game's state: the game as a value (対局)
// taken from it, a move carried through it, a position put on it and the
// record written as the game goes.  The board alone is the rules' (core/);
// here the move also decides the game when it takes a king, and the
// computer answering is told where the kings went.
#pragma once

#include "core/game.h"
#include "core/move.h"
#include "view/state.h"

// The position of s as a 対局: board, hands, the side to move (the top side
// when s.手番 is s.手番_COM, else the bottom side), the move count and the
// winner.  The positions recorded since the last capture or drop are
// handed over as earlier positions, so that repetitions count.
対局 対局にする(const 状態& s);
// The same with 側 to move whatever s.手番 says.
対局 対局にする(const 状態& s, int 側);

// Moves (or drops) 移動駒 as core's 盤の駒を動かす does; a captured king decides
// the game (勝者), and the human's king is reported where it went.
移動結果 駒を動かす(状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
// Carries out m, a legal move of the side to move of g (a 対局 of s), with
// 駒を動かす above: board, hands, the human king's square and the winner
// change exactly as when the game plays the move.  Nothing else (turn,
// counters, record, clocks) is touched.
移動結果 状態で指す(状態& s, const 対局& g, const 対局の手& m);
// Puts a position on the board (局面を置く); the computer answering is told
// where both kings stand, as a move would tell it.
void 局面_設定(状態& s, const 局面& k);

// Records the current position and the destination (先X, 先Y) of the move
// about to be made in slot 棋譜手数, which becomes the last slot.  Answers
// 偽 and writes nothing when the record is full (slot 501 would be needed).
int 局面を記録(状態& s, int 先X, int 先Y);
// 真 when the next move could not be recorded with the position it leaves:
// the record holds 500 moves, slots 0..500.
int 調査_記録満杯(const 状態& s);
