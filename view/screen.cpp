// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/screen.h"

#include "view/clock_view.h"
#include "view/render.h"

void 画面_再描画(状態& s, Platform& p) {
    描画_背景(s, p, s.表示.背景種類);
    描画_桝_数値(s, p);
    描画_自持盤(s, p);
    描画_敵持盤(s, p);
    描画_盤(s, p);
    描画_所有時間(s, p, s.手番_COM, s.時計.所有時間_COM);
    描画_所有時間(s, p, s.手番_MAN, s.時計.所有時間_MAN);
    if (s.操作.対局種別 == 対局_COM) 描画_レベル(s, p, s.レベル);
    if (s.操作.ハンデ設定中 == 真) 描画_ハンデレベル(s, p, s.操作.ハンデレベル);
    描画_絵(s, p, 絵_タイトル, 10.8, 0);
}
