// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/com_tables.h"

void 王を見た(COM表& t, int 符号, int x, int y) {
    if (符号 < 0) {
        t.王X_MAN = x;
        t.王Y_MAN = y;
    } else {
        t.王X_COM = x;
        t.王Y_COM = y;
    }
}

void 局面_設定(COM作業& w, const 局面& k) {
    局面を置く(w, k);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = k.盤[x][y];
            if (MANの王(v)) 王を見た(w, -1, x, y);
            else if (COMの王(v)) 王を見た(w, +1, x, y);
        }
}
