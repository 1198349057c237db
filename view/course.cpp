// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/course.h"

#include <algorithm>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"

namespace {

int 持駒の合計(const 局面& k) {
    int n = 0;
    for (int i = 1; i <= 7; ++i) n += k.持駒_COM[i] + k.持駒_MAN[i];
    return n;
}

}  // namespace

対局 対局にする(const 状態& s) { return 対局にする(s, s.手番 == s.手番_COM ? 上手 : 下手); }

対局 対局にする(const 状態& s, int 側) {
    const 局面 今 = 局面_取得(s);
    対局 g = 対局にする(今, 側);
    g.手数を置く(s.手数);
    // Slot n of the record holds the position after n moves; the present
    // position, after 棋譜手数 moves, is not recorded yet.  Going back, the
    // side to move alternates; a change in the number of pieces in hand is
    // a capture or a drop, before which nothing can come back.
    std::vector<std::uint64_t> 前;
    int 合計 = 持駒の合計(今);
    for (int n = s.棋譜手数 - 1, 手 = -側; n >= 0 && n <= 履歴最大; --n, 手 = -手) {
        const 局面& k = s.記録[n].面;
        if (持駒の合計(k) != 合計) break;
        合計 = 持駒の合計(k);
        前.push_back(対局にする(k, 手).ハッシュ());
    }
    std::reverse(前.begin(), 前.end());
    g.前の局面を置く(std::move(前));
    return g;
}

移動結果 駒を動かす(状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    const 移動結果 r = 盤の駒を動かす(s, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒);
    if (COMの王(r.取得駒)) s.勝者 = s.手番_MAN;
    else if (MANの王(r.取得駒)) s.勝者 = s.手番_COM;
    if (r.王移動_MAN) s.王を見た(-1, 移動先X, 移動先Y);
    return r;
}

移動結果 状態で指す(状態& s, const 対局& g, const 対局の手& m) {
    const int 側 = g.手番();
    return 駒を動かす(s, 元X座標(m, 側), 元Y座標(m, 側), m.先X, m.先Y, g.置く駒(m));
}

void 局面_設定(状態& s, const 局面& k) {
    局面を置く(s, k);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = k.盤[x][y];
            if (MANの王(v)) s.王を見た(-1, x, y);
            else if (COMの王(v)) s.王を見た(+1, x, y);
        }
}

int 調査_記録満杯(const 状態& s) { return s.棋譜手数 >= 履歴最大 ? 真 : 偽; }

int 局面を記録(状態& s, int 先X, int 先Y) {
    const int n = s.棋譜手数;
    if (n < 0 || n > 履歴最大) return 偽;
    棋譜の欄& e = s.記録.書く(n);
    e.面 = 局面_取得(s);
    e.先X = 先X;
    e.先Y = 先Y;
    s.棋譜最終手数 = n;
    return 真;
}
