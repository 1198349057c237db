// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/position.h"

局面 局面_取得(const 盤面状態& s) {
    局面 k;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) k.盤[x][y] = s.盤[x][y];
    for (int i = 1; i <= 7; ++i) {
        k.持駒_MAN[i] = s.持駒_MAN[i];
        k.持駒_COM[i] = s.持駒_COM[i];
    }
    return k;
}

void 局面を置く(盤面状態& s, const 局面& k) {
    s.持駒数_MAN = s.持駒数_COM = 0;
    for (int i = 1; i <= 7; ++i) {
        s.持駒_MAN[i] = k.持駒_MAN[i];
        s.持駒_COM[i] = k.持駒_COM[i];
        s.持駒数_MAN += k.持駒_MAN[i];
        s.持駒数_COM += k.持駒_COM[i];
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.盤[x][y] = k.盤[x][y];
}
