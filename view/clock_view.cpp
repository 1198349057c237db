// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/clock_view.h"

#include <cmath>

#include "core/clock.h"
#include "view/render.h"

void Timer1_有効(状態& s, 時間窓口& p, bool 有効) {
    s.時計.Timer1有効 = 有効;
    p.タイマー(有効);
}

void Timer1_Timer(状態& s, Platform& p) {
    if (s.勝者 != 手番_なし || !s.時計.Timer1有効) return;
    s.時計.経過秒 = 調査_経過秒(s.時計.開始時刻, p.時刻());
    const int 秒 = static_cast<int>(std::floor(s.時計.経過秒));
    if (秒 == s.時計.経過秒_表示) return;
    s.時計.経過秒_表示 = 秒;
    if (s.手番 == s.手番_COM) 描画_所有時間(s, p, s.手番_COM, s.時計.経過秒 + s.時計.所有時間_COM);
    else if (s.手番 == s.手番_MAN) 描画_所有時間(s, p, s.手番_MAN, s.時計.経過秒 + s.時計.所有時間_MAN);
    p.再描画();
}

void 描画_所有時間(状態& s, 描画窓口& p, int IN_手番, double IN_思考時間) {
    if (!s.操作.checked(メニュー項目::KEIKA)) return;
    const std::string t = 調査_時間秒追加結果(IN_思考時間);
    消去_所有時間(s, p, IN_手番);
    if (IN_手番 == s.手番_MAN) {
        描画_数値(s, p, 13.1, 9.3, t, 色_黒, 0, 12);
        描画_数値(s, p, 13, 9.2, t, 色_白, 0, 12);
    } else if (IN_手番 == s.手番_COM) {
        描画_数値(s, p, -1.5, 9.3, t, 色_黒, 0, 12);
        描画_数値(s, p, -1.6, 9.2, t, 色_白, 0, 12);
    }
}

void 消去_所有時間(状態& s, 描画窓口& p, int IN_手番) {
    if (IN_手番 == s.手番_MAN) {
        for (int c = 13; c <= 15; ++c) 描画_絵(s, p, s.表示.背景種類, c, 9);
    } else if (IN_手番 == s.手番_COM) {
        for (int c = -2; c <= 0; ++c) 描画_絵(s, p, s.表示.背景種類, c, 9);
    }
}
