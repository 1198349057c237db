// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

#include <algorithm>
#include <vector>

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

対局 対局にする(const 進行状態& s) { return 対局にする(s, s.手番 == s.手番_COM ? 上手 : 下手); }

namespace {

int 持駒の合計(const 局面& k) {
    int n = 0;
    for (int i = 1; i <= 7; ++i) n += k.持駒_COM[i] + k.持駒_MAN[i];
    return n;
}

}  // namespace

対局 対局にする(const 進行状態& s, int 側) {
    const 局面 今 = 局面_取得(s);
    対局 g = 対局にする(今, 側);
    g.手数を置く(s.手数);
    // Slot n of the log holds the position after n moves; the present
    // position, after 棋譜手数 moves, is not logged yet.  Going back, the side to
    // move alternates; a change in the number of pieces in hand is a
    // capture or a drop, before which nothing can come back.
    std::vector<std::uint64_t> 前;
    int 合計 = 持駒の合計(今);
    for (int n = s.棋譜手数 - 1, 手 = -側; n >= 0 && n <= 履歴最大; --n, 手 = -手) {
        const 局面 k = 局面_履歴(s, n);
        if (持駒の合計(k) != 合計) break;
        合計 = 持駒の合計(k);
        前.push_back(対局にする(k, 手).ハッシュ());
    }
    std::reverse(前.begin(), 前.end());
    g.前の局面を置く(std::move(前));
    return g;
}

int 元X座標(const 対局の手& m, int 側) {
    if (!m.打ち()) return m.元X;
    return 側 > 0 ? 持駒列_COM : 持駒列_MAN;
}

int 元Y座標(const 対局の手& m, int 側) {
    if (!m.打ち()) return m.元Y;
    return 側 > 0 ? m.打 : 持駒行_MAN(m.打);
}

移動結果 状態で指す(進行状態& s, const 対局& g, const 対局の手& m) {
    const int 側 = g.手番();
    return 駒を動かす(s, 元X座標(m, 側), 元Y座標(m, 側), m.先X, m.先Y, g.置く駒(m));
}
