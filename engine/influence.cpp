// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/influence.h"

#include <bit>
#include <cstring>

#include "core/patterns.h"

namespace {

// Every square a piece reaches comes from 盤上の届き方を巡る.  The survey
// used to ask the movement rule about a window of squares around the piece
// (5 × 5 for a knight, the whole board for bishops and rooks, 3 × 3
// otherwise); every pattern fits inside its window, so walking the pattern
// reaches the same squares.  One piece never reaches a square twice, so the
// order among its squares leaves the tables as the window scan did.

// A human piece p on (x, y).
void MANの届く桝(COM作業& s, int p, int x, int y) {
    // The weakest human attacker of a computer piece is the code nearest to
    // zero.  A pawn takes the square over from anything stored below −100,
    // which includes a pawn of another facing.  (A square holding a
    // computer piece is always reached.)
    const int 閾値 = (p >= -103) ? -100 : p;
    const int* 盤 = 升目(s.盤);
    int *勢 = 升目(s.勢MAN), *弱 = 升目(s.弱MAN駒), *弱X = 升目(s.弱MAN_X), *弱Y = 升目(s.弱MAN_Y);
    盤上の届き方を巡る<-1>(盤, x, y, p, [&](int 番, int 届く) {
        勢[番] += 届く;
        const bool 弱い = 盤[番] >= 100 && 弱[番] < 閾値;
        弱[番] = 弱い ? p : 弱[番];
        弱X[番] = 弱い ? x : 弱X[番];
        弱Y[番] = 弱い ? y : 弱Y[番];
    });
}

// A computer piece p on (x, y).
//
// Only a computer pawn notes itself as an attacker of a human piece (the
// square it came from is not recorded), and every piece but the king marks
// itself when it reaches the human king.  (A square holding a human piece is
// always reached.)  The three cases are walked apart so that each step does
// only its own piece's work.
template <bool 歩, bool 王手を記す>
void COMの届く桝_(COM作業& s, int p, int x, int y) {
    const int* 盤 = 升目(s.盤);
    int *勢 = 升目(s.勢COM), *攻 = 升目(s.弱COM攻駒);
    bool 王に届く = false;
    盤上の届き方を巡る<1>(盤, x, y, p, [&](int 番, int 届く) {
        勢[番] += 届く;
        const int 先 = 盤[番];
        if constexpr (歩) 攻[番] = (先 <= -100 && 攻[番] > 100) ? p : 攻[番];
        if constexpr (王手を記す) 王に届く |= MANの王(先);
    });
    if (王手を記す && 王に届く) s.王手COM[x][y] = 9;
}

void COMの届く桝(COM作業& s, int p, int x, int y) {
    if (p <= 103) COMの届く桝_<true, true>(s, p, x, y);
    else if (COMの王(p)) COMの届く桝_<false, false>(s, p, x, y);
    else COMの届く桝_<false, true>(s, p, x, y);
}

// Squares 1..9 × 1..9 of a table back to V; row and column 0 are left
// alone.  Read as one row of 100, the board squares are cells 11..99 less
// the column heads 20, 30, .. 90: those eight are kept aside, the whole run
// is filled and they are put back.
template <int V>
void 戻す(int (&t)[10][10]) {
    int* c = 升目(t);
    int 頭[盤サイズ - 1];
    for (int x = 2; x <= 盤サイズ; ++x) 頭[x - 2] = c[桝番号(x, 0)];
    // 89 cells: the first one, then 22 runs of four.
    static constexpr int 四[4] = {V, V, V, V};
    c[桝番号(1, 1)] = V;
    int* 先 = c + 桝番号(1, 2);
#pragma GCC unroll 22
    for (int i = 0; i < 22; ++i) std::memcpy(先 + 4 * i, 四, sizeof 四);
    for (int x = 2; x <= 盤サイズ; ++x) c[桝番号(x, 0)] = 頭[x - 2];
}

// The lance line: walk from the lance one square at a time in (dx, dy).
// The first occupied square counts whichever side holds it; the opponent's
// king is seen through, any other piece ends the line.
void 直進(COM作業& s, int 駒種類, int 入力X, int 入力Y, int dx, int dy) {
    for (int x = 入力X + dx, y = 入力Y + dy; x >= 1 && x <= 盤サイズ && y >= 1 && y <= 盤サイズ; x += dx, y += dy) {
        const int 先 = s.盤[x][y];
        if (駒種類 <= -100) {
            s.勢MAN[x][y] += 1;
            if (先 <= -100 && s.守MAN駒[x][y] > 駒種類) {
                s.守MAN駒[x][y] = 駒種類;
            } else if (先 >= 100 && s.弱MAN駒[x][y] < 駒種類) {
                s.弱MAN駒[x][y] = 駒種類;
                s.弱MAN_X[x][y] = 入力X;
                s.弱MAN_Y[x][y] = 入力Y;
            }
        }
        if (駒種類 >= 100) {
            s.勢COM[x][y] += 1;
            if (先 >= 100 && s.弱COM駒[x][y] > 駒種類) {
                s.弱COM駒[x][y] = 駒種類;
                s.弱COM_X[x][y] = 入力X;
                s.弱COM_Y[x][y] = 入力Y;
            } else if (先 <= -100 && s.弱COM攻駒[x][y] > 駒種類) {
                s.弱COM攻駒[x][y] = 駒種類;
                s.弱COM攻_X[x][y] = 入力X;
                s.弱COM攻_Y[x][y] = 入力Y;
            }
        }
        const bool 敵王 = (駒種類 >= 100 && MANの王(先)) || (駒種類 <= -100 && COMの王(先));
        if (敵王) {
            if (駒種類 >= 100) {
                // A computer lance gives check: mark the line up to the king
                // (the squares a defender could block on) and the lance.
                for (int bx = 入力X + dx, by = 入力Y + dy; bx != x || by != y; bx += dx, by += dy)
                    s.王手COM[bx][by] = 1;
                s.王手COM[入力X][入力Y] = 9;
            }
            continue;  // the squares behind the king stay covered
        }
        if (先 != 空) break;
    }
}

// A lance's own line, the one line of its pattern: down, left, up or right
// as it faces.
void 香の直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) {
    const 駒の動き表::形& m = 駒の動き表::表[static_cast<std::size_t>(駒絶対(駒種類))];
    const 駒の動き表::向き d = 駒の動き表::線先[std::countr_zero(static_cast<unsigned>(m.線))];
    直進(s, 駒種類, 入力X, 入力Y, d.dx, d.dy);
}

}  // namespace

void 勢力確定直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) {
    // A code whose pattern is not a single line walks nothing.
    const 駒の動き表::形* m = 駒の動き表::形を引く(駒種類);
    if (m == nullptr || !std::has_single_bit(static_cast<unsigned>(m->線))) return;
    const 駒の動き表::向き d = 駒の動き表::線先[std::countr_zero(static_cast<unsigned>(m->線))];
    直進(s, 駒種類, 入力X, 入力Y, d.dx, d.dy);
}
void 勢力確定上直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 0, -1); }
void 勢力確定下直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 0, 1); }
void 勢力確定右直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 1, 0); }
void 勢力確定左直進(COM作業& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, -1, 0); }

void 勢力調査(COM作業& s) {
    // Rebuild the tables.  弱COM_X/Y, 弱COM攻_X/Y and the king squares are
    // left alone: they only mean something next to their code tables.
    戻す<0>(s.勢MAN);
    戻す<0>(s.勢COM);
    戻す<-999>(s.弱MAN駒);
    戻す<0>(s.弱MAN_X);
    戻す<0>(s.弱MAN_Y);
    戻す<999>(s.弱COM駒);
    戻す<999>(s.弱COM攻駒);
    戻す<999>(s.守MAN駒);
    戻す<0>(s.王手COM);

    // Each lance walks its line the way it faces; every other piece walks
    // its pattern.
    const int* 盤 = 升目(s.盤);
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int p = 盤[桝番号(x, y)];
            if (p == 空) continue;
            const int a = 駒絶対(p);
            if (a >= 200 && a <= 203) {
                香の直進(s, p, x, y);
            } else if (p > 0) {
                if (COMの王(p)) {
                    s.王X_COM = x;
                    s.王Y_COM = y;
                }
                COMの届く桝(s, p, x, y);
            } else {
                if (MANの王(p)) {
                    s.王X_MAN = x;
                    s.王Y_MAN = y;
                }
                MANの届く桝(s, p, x, y);
            }
        }
}
