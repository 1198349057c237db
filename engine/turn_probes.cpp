// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn_probes.h"

#include "core/patterns.h"
#include "core/rules.h"

namespace {

// Lances, bishops, rooks and their promotions: the pieces whose line a piece
// can stand in.  a is the absolute code.
constexpr bool 長距離(int a) {
    const 駒の動き表::形* m = 駒の動き表::形を引く(a);
    return m != nullptr && m->線 != 0;
}
constexpr bool COM長距離駒(int v) { return v > 0 && 長距離(v); }
constexpr bool MAN長距離駒(int v) { return v < 0 && 長距離(-v); }

}  // namespace

void 調査_移動不可駒(COM作業& s) {
    // The line pieces of each side, found once: lifting a piece of one side
    // never changes where the other side's line pieces stand.
    int COM線[81][2], MAN線[81][2];
    int COM数 = 0, MAN数 = 0;
    for (int a = 1; a <= 盤サイズ; ++a)
        for (int b = 1; b <= 盤サイズ; ++b) {
            if (COM長距離駒(s.盤[a][b])) COM線[COM数][0] = a, COM線[COM数++][1] = b;
            if (MAN長距離駒(s.盤[a][b])) MAN線[MAN数][0] = a, MAN線[MAN数++][1] = b;
        }
    s.移動不可あり = 偽;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            s.移動不可駒[x][y] = 0;
            const int p = s.盤[x][y];
            if (p == 空) continue;
            // Lift the piece and see whether an enemy line now runs onto its
            // king's square.  A king lifted this way is marked when it
            // already stands in a line check, and while a side is in such a
            // check every one of its pieces is marked.
            s.盤[x][y] = 空;
            if (p <= -100) {
                for (int i = 0; i < COM数; ++i) {
                    const int a = COM線[i][0], b = COM線[i][1];
                    if (移動チェック(s, a, b, s.王X_MAN, s.王Y_MAN, s.盤[a][b]) == 真) s.移動不可駒[x][y] = 1;
                }
            }
            if (p >= 100) {
                for (int i = 0; i < MAN数; ++i) {
                    const int a = MAN線[i][0], b = MAN線[i][1];
                    if (移動チェック(s, a, b, s.王X_COM, s.王Y_COM, s.盤[a][b]) == 真) s.移動不可あり = 真;
                }
            }
            s.盤[x][y] = p;
        }
}

int 調査_持角狙座標(COM作業& s) {
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            s.持角狙座標_MAN[x][y] = 0;
            // An empty square out of the computer's reach from which a human
            // bishop would have a clear diagonal onto the computer's king.
            if (s.盤[x][y] == 空 && s.勢COM[x][y] == 0 && 移動チェック(s, x, y, s.王X_COM, s.王Y_COM, MAN_角0) == 真)
                s.持角狙座標_MAN[x][y] = 1;
        }
    return 0;
}
