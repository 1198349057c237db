// SPDX-License-Identifier: GPL-3.0-or-later
// The score of one candidate move of the computer.  The search has already
// made the move on the board and re-surveyed the influence map; this routine
// reads both, adds a fixed sequence of terms and hands the number back.
// The strength setting cuts the sequence short: strength 1 ends after the
// capture bonus for a capturing move, strength 2 before the piece terms.

#include "engine/board_eval.h"

#include <cstdlib>

#include "core/patterns.h"
#include "core/rules.h"
#include "engine/danger.h"
#include "engine/mate.h"
#include "engine/piece_terms.h"
#include "engine/eval_probes.h"

namespace {

// Tables are read with indices 0..9 only (表内); a coordinate taken from a
// table that could hold anything else reads as an empty square.
// The square where, before the move, a computer lance aiming at the
// attacker stood still holds a piece.
bool 攻め手が残る(const COM作業& s, int x, int y) { return 表内(x, y) && s.盤[x][y] != 空; }

// A human bishop or rook, promoted or not, in any direction.
bool MAN大駒(int v) { return (v >= -613 && v <= -600) || (v >= -713 && v <= -700); }

// A human promoted pawn, lance or knight: cheap to lose, costly to face.
bool MAN成小駒(int v) { return (v >= -113 && v <= -110) || (v >= -213 && v <= -210) || (v >= -313 && v <= -310); }

// An unpromoted pawn, lance or knight that can no longer step forward:
// its facing points off the board.
bool 盤外向き(int 移動駒, int X, int Y) {
    const bool 小駒 =
        (移動駒 >= 100 && 移動駒 <= 103) || (移動駒 >= 200 && 移動駒 <= 203) || (移動駒 >= 300 && 移動駒 <= 303);
    if (!小駒) return false;
    // Facing the edge it stands on: one step forward leaves the board.
    const auto f = 駒の動き表::前方[駒向き(移動駒)];
    return !盤上(X + f.dx, Y + f.dy);
}

// Winning back the attacker: the cheapest human piece that hits the
// destination is pinned to its king, and our piece could take it next.
void 取り返し(COM作業& s, 点数& 点, bool 打ち, int X, int Y) {
    const int ax = s.弱MAN_X[X][Y], ay = s.弱MAN_Y[X][Y];
    const int kx = s.王X_MAN, ky = s.王Y_MAN;
    if (表内(ax, ay) && s.勢MAN[ax][ay] > 0 &&
        (s.勢MAN[X][Y] == 1 || (s.勢MAN[X][Y] == 2 && s.勢COM[kx][ky] > 0 && s.勢COM[X][Y] > 0)) &&
        s.移動不可駒[ax][ay] == 1 &&
        ((kx == ax && kx != X) || (ky == ay && ky != Y) || (kx != ax && ky != ay && (kx == X || ky == Y))) &&
        移動チェック(s, X, Y, ax, ay, s.候補駒) == 真 &&
        (打ち || 攻め手が残る(s, s.弱COM攻_X_保存[ax][ay], s.弱COM攻_Y_保存[ax][ay]))) {
        点 += 駒絶対(s.盤[ax][ay]);
    }
}

// Safety of the destination.
void 行き先の安全(COM作業& s, 点数& 点, int 移動駒, bool 打ち, int X, int Y) {
    if (s.勢MAN[X][Y] == 0) {
        点 -= 盤評価_自角注意_COM(s, X, Y, 移動駒);
        if (std::abs(X - s.王X_MAN) < 3 && std::abs(Y - s.王Y_MAN) < 3) {
            const int e = 調査_自王逃道(s);
            if (s.逃道数_MAN王 > e) 点 += s.逃道数_MAN王 - e;
        }
    } else if (s.勢COM[X][Y] > 0) {
        // Attacked and defended: we lose the difference when the cheapest
        // attacker is worth less than the piece.  A checking piece above
        // the king that only the king attacks cannot be taken under our
        // guard: it earns its own value.
        const int 弱 = s.弱MAN駒[X][Y];
        if (移動駒 > 駒絶対(弱)) 点 += 駒絶対(弱) - 移動駒;
        if (MANの王(弱) && Y < s.王Y_MAN && s.勢COM[s.王X_MAN][s.王Y_MAN] > 0) 点 += 移動駒;
    } else if (打ち) {
        // Dropped where the human takes it for free.
        点 -= 移動駒 + 50;
    }
}

// Captures.  Answers false when the strength stops the evaluation here.
bool 取った駒(COM作業& s, 点数& 点, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int X, int Y) {
    if (取得駒 == 空) return true;
    if (MAN大駒(取得駒) && 移動駒 <= 500) 点 += 駒絶対(取得駒);
    if (s.レベル == 1) return false;
    if (s.勢MAN[X][Y] > 0) {
        if (s.勢COM[X][Y] > 0) {
            if (s.盤[X][Y] < 駒絶対(s.弱MAN駒[X][Y])) 点 += 50;
        } else {
            // Undefended, but it was attacked where it stood and had no
            // safe square to go to anyway.
            if (盤上(移動元X, 移動元Y) && s.勢MAN_保存[移動元X][移動元Y] > 0 &&
                調査_移動可場所数(s, 移動元X, 移動元Y, 移動駒) == 0)
                点 += 50;
        }
    }
    if (s.勢MAN[X][Y] == 0) {
        点 += 駒絶対(取得駒);
        if (MAN成小駒(取得駒)) 点 += 50;
    }
    return true;
}

}  // namespace

// Every term is added straight onto the one running score, in the order
// below; the helpers add onto it too rather than returning subtotals, so
// that the sum rounds exactly the same way whatever the grouping.
double 盤評価(COM作業& s, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int X = 移動先X, Y = 移動先Y;
    const bool 打ち = 移動元X < 0;
    点数 点 = 0;

    // Decisive results: taking the king, leaving our own king en prise,
    // and a check the human cannot answer.
    if (MANの王(取得駒)) return 9999;
    if (s.勢MAN[s.王X_COM][s.王Y_COM] >= 1) return -9998;
    const bool 王手 = s.勢COM[s.王X_MAN][s.王Y_MAN] > 0;
    if (王手 && 詰めかMAN(s) == 真) return 9998;

    // A check: better when only the king can answer the checking piece,
    // and when nothing of the human's reaches it at all.
    if (王手) {
        if (MANの王(s.弱MAN駒[X][Y]) && s.勢COM[X][Y] > 0) 点 += 100;
        if (s.勢MAN[X][Y] == 0) 点 += 10;
    }

    // A drop spends a piece from hand; a promotion raises the code by ten,
    // a mere turn by at most three.
    if (打ち) {
        点 += -5;
    } else if (移動駒 > s.候補駒 + 3) {
        点 += 10;
    }

    点 += 盤評価_COM危険座標(s, 移動駒, X, Y);
    取り返し(s, 点, 打ち, X, Y);
    行き先の安全(s, 点, 移動駒, 打ち, X, Y);
    if (!取った駒(s, 点, 取得駒, 移動駒, 移動元X, 移動元Y, X, Y)) return 点.実数();

    if (s.レベル == 2) return 点.実数();

    if (盤外向き(移動駒, X, Y)) 点 += -1;

    駒別評価(s, 点, 取得駒, 移動駒, 移動元X, 移動元Y, X, Y);
    return 点.実数();
}
