// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/move_view.h"
#include "view/course.h"

#include "view/render.h"

void 駒移動(状態& s, Platform& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    描画_駒移動(s, p, 駒を動かす(s, 移動元X, 移動元Y, 移動先X, 移動先Y, 移動駒));
}

void 描画_駒移動(状態& s, Platform& p, const 移動結果& r) {
    if (r.取得_COM持駒) 描画_敵持盤(s, p);
    else if (r.取得_MAN持駒) 描画_自持盤(s, p);
    描画_絵(s, p, 空, r.元X, r.元Y);
    描画_桝輪郭(p, 背景色, r.元X, r.元Y);
    if (r.打_COM持駒) 描画_敵持盤(s, p);
    else if (r.打_MAN持駒) 描画_自持盤(s, p);
    描画_絵(s, p, r.置駒, r.先X, r.先Y);
    描画_桝輪郭(p, 背景色, r.先X, r.先Y);
    if (!r.回転) return;
    // Let the player see the piece land in its old facing, then turn.
    p.再描画();
    待ち時間(p, 0.1);
    描画_絵(s, p, r.着後駒, r.先X, r.先Y);
    描画_桝輪郭(p, 背景色, r.先X, r.先Y);
}

void 待ち時間(時間窓口& p, double IN_秒) { p.待つ(IN_秒); }
