// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/new_game.h"

#include "core/setup.h"
#include "view/course.h"

void 新規対局(状態& s) {
    s.操作.ハンデレベル = 0;
    s.操作.ハンデ設定中 = 偽;
    s.操作.対局種別 = 対局_人間;
    s.操作.再開待ち = 偽;
    s.操作.棋譜モード = 偽;
    s.操作.選択状態 = 0;
    s.勝者 = 手番_なし;
    s.手番 = 手番_なし;
    s.棋譜手数 = 0;
    s.手数 = 0;
    初期局面にする(s);

    s.時計.Timer1有効 = false;
    s.時計.所有時間_COM = 0;
    s.時計.所有時間_MAN = 0;
    s.時計.経過秒_表示 = 0;

    const 時計状態& t = s.時計;
    手順保存(s, 0, 0, 0, 0, 0, 0, t.所有時間_MAN, t.所有時間_MAN + t.経過秒, t.所有時間_COM, t.所有時間_COM);
}

int 手順保存(状態& s, int, int, int 先X, int 先Y, int, int, double 前秒M, double 後秒M, double 前秒C, double 後秒C) {
    const int n = s.棋譜手数;
    if (局面を記録(s, 先X, 先Y) != 真) return 偽;
    棋譜の欄& e = s.記録.書く(n);
    e.前秒M = 前秒M;
    e.後秒M = 後秒M;
    e.前秒C = 前秒C;
    e.後秒C = 後秒C;
    return 真;
}

void 着手後の局面を記録(状態& s) {
    const int n = s.棋譜手数;
    if (n < 1 || 局面を記録(s, 0, 0) != 真) return;
    棋譜の欄& e = s.記録.書く(n);
    e.前秒M = e.後秒M = s.記録[n - 1].後秒M;
    e.前秒C = e.後秒C = s.記録[n - 1].後秒C;
}
