// SPDX-License-Identifier: GPL-3.0-or-later
// Small questions the evaluation asks about the position on the board:
// the human king's escape squares, the safe destinations of a piece, lance
// aims, human line guards below a square and the computer's heavy pieces
// around a square.  They read the board and the influence map (勢力調査)
// and keep nothing between calls.
#pragma once

#include <bit>

#include "engine/com_tables.h"
#include "core/patterns.h"

// Empty neighbours of the human king, on the board, that no computer piece
// reaches.  Squares holding any piece never count.
int 調査_自王逃道(const COM作業& s);

// Squares the piece 移動駒 could move to from the source (it need not stand
// there) that the other side does not reach.
int 調査_移動可場所数(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒);

// Knight aim: this term is switched off and answers 0 for every input.
int 調査_桂狙い(const COM作業& s, int 移動先X, int 移動先Y, int I_桂);

// Lance aim: the value of the first piece below the destination that the
// lance I_香 standing there would hit, when the destination is deep in the
// human camp, covered only by the computer one row up and watched by a
// human bishop or rook.  0 otherwise.
int 調査_香狙い(const COM作業& s, int 移動先X, int 移動先Y, int I_香);

// 真 when a human line piece below (入力X, 入力Y) in the same column guards
// the square.  The square is emptied for the scan and put back.
int 調査_自守駒MAN_直進駒(COM作業& s, int 入力X, int 入力Y);

// Minus the number of computer bishops, rooks (promoted or not) and the
// computer king on the eight squares around the destination: −8..0.
int 調査_周辺状況(const COM作業& s, int 移動先X, int 移動先Y);

// The same for a destination on the board, where the eight neighbours that
// lie on the board come straight from the step table.  Kept inline: the
// danger survey asks it for many squares of every candidate.
inline int 調査_周辺状況_盤上(const COM作業& s, int 移動先X, int 移動先Y) {
    using namespace 駒の動き表;
    const int 元 = 桝番号(移動先X, 移動先Y);
    const int* 盤 = 升目(s.盤);
    int 結果 = 0;
    for (unsigned b = 縁[static_cast<std::size_t>(移動先X)][static_cast<std::size_t>(移動先Y)].歩 & 0xFFu; b != 0;
         b &= b - 1)
        結果 -= 盤[元 + 番号差[static_cast<std::size_t>(std::countr_zero(b))]] >= 600;
    return 結果;
}
