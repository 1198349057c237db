// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

対局 対局にする(const 局面& k, int 側) {
    対局 g;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) g.置く(x, y, k.盤[x][y]);
    for (int i = 1; i <= 7; ++i) {
        g.持駒を置く(上手, i, k.持駒_COM[i]);
        g.持駒を置く(下手, i, k.持駒_MAN[i]);
    }
    g.手番を置く(側);
    g.整える();
    return g;
}

局面 局面にする(const 対局& g) {
    局面 k;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) k.盤[x][y] = g.駒(x, y);
    for (int i = 1; i <= 7; ++i) {
        k.持駒_COM[i] = g.持駒(上手, i);
        k.持駒_MAN[i] = g.持駒(下手, i);
    }
    return k;
}

int 元X座標(const 対局の手& m, int 側) {
    if (!m.打ち()) return m.元X;
    return 側 > 0 ? 持駒列_COM : 持駒列_MAN;
}

int 元Y座標(const 対局の手& m, int 側) {
    if (!m.打ち()) return m.元Y;
    return 側 > 0 ? m.打 : 持駒行_MAN(m.打);
}
