// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/position.h"

局面 局面_取得(const 盤面状態& s) { return s; }

void 局面を置く(盤面状態& s, const 局面& k) {
    static_cast<局面&>(s) = k;
    s.持駒数_MAN = s.持駒数_COM = 0;
    for (int i = 1; i <= 7; ++i) {
        s.持駒数_MAN += k.持駒_MAN[i];
        s.持駒数_COM += k.持駒_COM[i];
    }
}
