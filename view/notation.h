// SPDX-License-Identifier: GPL-3.0-or-later
// The short move text shown after every move: destination file as a
// full-width digit, rank as a kanji numeral, then the piece name ("７六歩").
// Each side has its own slot beside the board and keeps its last move there
// until it moves again.
#pragma once

#include <string>

#include "view/platform.h"
#include "view/state.h"

// 1..9 → "１".."９"; 1001..1009 → "一".."九" (ranks are passed as 1000 +
// rank); a piece code of either side and any facing → its name ("歩", "と",
// "香成", …, "王"); anything else → "".
std::string 文字列変換(int IN_文字列);

// Prints 駒文字 in 12 points and palette colour 色 with its top-left corner
// at cell (入力X, 入力Y), fractional cells allowed, with no further shift.
void 描画_移動駒種類(状態& s, 描画窓口& p, double 入力X, double 入力Y, const std::string& 駒文字, int 色);

// Wipes the move slot of side IN_手番 (手番_COM or 手番_MAN); any other value
// does nothing.
void 消去_移動結果(状態& s, 描画窓口& p, int IN_手番);

// Shows one move in the slot of side IN_手番: callers pass 手番_COM for a
// positive code and 手番_MAN for a negative one, and the code as it arrived
// (already promoted when the mover promoted).
void 描画_移動結果(状態& s, 描画窓口& p, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
