// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/mate.h"

#include "core/rules.h"

namespace {

// 真 while some checking piece (marked 9 in 王手COM) still reaches the human king.
bool 王手が続く(const COM作業& s) {
    for (int a = 1; a <= 盤サイズ; ++a)
        for (int b = 1; b <= 盤サイズ; ++b)
            if (s.王手COM[a][b] == 9 && 移動チェック(s, a, b, s.王X_MAN, s.王Y_MAN, s.盤[a][b]) == 真) return true;
    return false;
}

// Defence by a drop from the hand.  Answers true when the other defences
// have to be looked at, false when a drop is taken to answer the check.
bool 打って防げない(const COM作業& s) {
    const int kx = s.王X_MAN, ky = s.王Y_MAN;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int m = s.王手COM[x][y];
            if (m == 9) {
                // A checker next to the king cannot be blocked.
                const int dx = kx - x, dy = ky - y;
                if (dx > -2 && dx < 2 && dy > -2 && dy < 2) return true;
            } else if (m == 1) {
                // A square on a lance's line to the king.  No piece is put
                // there for the test, so while the lance still reaches the
                // king the drop does not help.
                if (王手が続く(s)) return true;
            }
        }
    return false;
}

}  // namespace

int 詰めかMAN_COM移動(const COM作業& s) {
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y)
            if (s.盤[x][y] >= 100 && 移動チェック(s, x, y, s.王X_MAN, s.王Y_MAN, s.盤[x][y]) == 真) return 真;
    return 偽;
}

int 詰めかMAN(COM作業& s) {
    const int kx = s.王X_MAN, ky = s.王Y_MAN;
    // 1. Not in check at all.
    if (!盤上(kx, ky) || s.勢COM[kx][ky] == 0) return 偽;

    // 2. A drop between the checker and the king.
    if (s.持駒数_MAN > 0 && !打って防げない(s)) return 偽;

    // 3. The king steps to a square no computer piece reaches.
    for (int a = kx - 1; a <= kx + 1; ++a)
        for (int b = ky - 1; b <= ky + 1; ++b) {
            if (!盤上(a, b)) continue;
            if (移動チェック(s, kx, ky, a, b, MAN_王0) == 真 && s.勢COM[a][b] == 0) return 偽;
        }

    // 4. Another human piece takes the checker or steps into its line.
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int p = s.盤[x][y];
            if (p < -713 || p > -100) continue;
            for (int a = 1; a <= 盤サイズ; ++a)
                for (int b = 1; b <= 盤サイズ; ++b) {
                    if (a == x && b == y) continue;
                    if (s.王手COM[a][b] <= 0 || 移動チェック(s, x, y, a, b, p) != 真) continue;
                    const int 元 = s.盤[a][b];
                    s.盤[a][b] = p;
                    s.盤[x][y] = 空;
                    const int 取られる = 詰めかMAN_COM移動(s);
                    s.盤[x][y] = p;
                    s.盤[a][b] = 元;
                    if (取られる == 偽) return 偽;
                }
        }

    // 5. No defence.
    return 真;
}
