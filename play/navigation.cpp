// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/navigation.h"
#include "view/course.h"

#include "core/clock.h"
#include "core/move.h"
#include "core/position.h"
#include "core/setup.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "play/commands.h"
#include "view/notation.h"
#include "view/panel.h"
#include "view/render.h"
#include "play/start.h"
#include "view/tr.h"

namespace {

void 告知(Platform& p, const char* 本文, const char* 題) { p.メッセージ(本文, 題, ボタン::OK); }

}  // namespace

void 復元_記録(状態& s, int i) {
    if (i < 0 || i > 履歴最大) return;
    局面_設定(s, s.記録[i].面);
}

void CANCEL_Click(状態& s, Platform& p) {
    if (!確認_対局終了(s, p)) return;
    初期設定(s, p);
    p.dsPlay(s.表示.音_駒打);
}

namespace {

// Shows logged position i with the two clock totals of that step.
void 記録を見せる(状態& s, Platform& p, int i, double COM秒, double MAN秒) {
    復元_記録(s, i);
    s.時計.所有時間_COM = COM秒;
    描画_所有時間(s, p, s.手番_COM, s.時計.所有時間_COM);
    s.時計.所有時間_MAN = MAN秒;
    描画_所有時間(s, p, s.手番_MAN, s.時計.所有時間_MAN);
    描画_自持盤(s, p);
    描画_敵持盤(s, p);
    描画_盤(s, p);
}

}  // namespace

void REPLAY_Click(状態& s, Platform& p) {
    パネルを閉じる(p);
    s.操作.再開待ち = 真;
    if (s.棋譜手数 < 1) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "できません"), QT_TRANSLATE_NOOP("Game", "戻る"));
        return;
    }
    s.操作.選択状態 = 0;
    Timer1_有効(s, p, false);
    描画_将棋盤桝(p);

    const int 前 = s.棋譜手数 - 1;
    記録を見せる(s, p, 前, s.記録[前].前秒C, s.記録[前].前秒M);

    int X = 0, Y = 0, 駒 = 0;
    調査_移動結果(s.記録, s.棋譜手数, X, Y, 駒);
    p.dsPlay(s.表示.音_駒打);
    消去_移動結果(s, p, 駒 > 0 ? s.手番_COM : s.手番_MAN);

    s.棋譜手数 -= 1;
    s.手数 -= 1;
    s.手番 = -s.手番;
    描画_手数(s, p, s.手数, 色_白);
    自動保存_更新(s, p);
}

void AFTER_Click(状態& s, Platform& p) {
    パネルを閉じる(p);
    if (s.手番 == 手番_なし) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "「対局」で始めて下さい"), QT_TRANSLATE_NOOP("Game", "開始"));
        return;
    }
    s.操作.再開待ち = 真;
    if (s.棋譜手数 >= s.棋譜最終手数) {
        if (s.操作.棋譜モード == 真) {
            告知(p, QT_TRANSLATE_NOOP("Game", "終わり"), QT_TRANSLATE_NOOP("Game", "進む"));
        } else {
            p.dsPlay(s.表示.音_禁止);
            告知(p, QT_TRANSLATE_NOOP("Game", "できません"), QT_TRANSLATE_NOOP("Game", "進む"));
        }
        return;
    }
    s.操作.選択状態 = 0;
    Timer1_有効(s, p, false);
    描画_将棋盤桝(p);

    s.棋譜手数 += 1;
    s.手数 += 1;
    描画_手数(s, p, s.手数, 色_白);

    記録を見せる(s, p, s.棋譜手数, s.記録[s.棋譜手数].後秒C, s.記録[s.棋譜手数].後秒M);

    int X = 0, Y = 0, 駒 = 0;
    調査_移動結果(s.記録, s.棋譜手数, X, Y, 駒);
    p.dsPlay(s.表示.音_駒打);
    描画_移動結果(s, p, 駒 > 0 ? s.手番_COM : s.手番_MAN, X, Y, 駒, 色_白);

    s.手番 = -s.手番;
    描画_手数(s, p, s.手数, 色_白);
    自動保存_更新(s, p);
}
