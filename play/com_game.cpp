// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/com_game.h"

#include "view/clock_view.h"
#include "view/render.h"
#include "play/start.h"
#include "view/tr.h"

namespace {

// Shared opening of both commands: a finished game is thrown away, the
// record panel's leftovers wiped, the strength shown and the grid redrawn.
void 盤を整える(状態& s, Platform& p) {
    if (s.勝者 != 手番_なし) 初期設定(s, p);
    描画_棋譜読込み部分消去(s, p);
    描画_レベル(s, p, s.レベル);
    描画_将棋盤桝(p);
}

// A record being stepped through is cut at the position shown.
void COM対局にする(状態& s) {
    s.操作.選択状態 = 0;
    s.操作.対局種別 = 対局_COM;
    s.操作.棋譜モード = 偽;
    s.棋譜最終手数 = s.手数;
}

}  // namespace

void SENTE_Click(状態& s, Platform& p, 応手& 相手) {
    盤を整える(s, p);
    COM対局にする(s);
    s.時計.開始時刻 = p.時刻();
    Timer1_有効(s, p, true);

    if (s.手番 == 手番_なし || s.手数 == 0) {
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = s.手番_MAN;
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "MANの番です"), " ", ボタン::OK);
        s.操作.再開待ち = 偽;
    } else if (s.手番 == s.手番_MAN) {
        // The human takes the first player's side from here on.
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = 先手;
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "MANの番です"), QT_TRANSLATE_NOOP("Game", "対局"), ボタン::OK);
        s.操作.再開待ち = 偽;
    } else if (s.手番 == s.手番_COM) {
        相手.指す(s, p);
    }
}

void GOTE_Click(状態& s, Platform& p, 応手& 相手) {
    盤を整える(s, p);
    Timer1_有効(s, p, true);
    COM対局にする(s);

    if (s.手番 == 手番_なし || s.手数 == 0) {
        s.手番_MAN = 後手;
        s.手番_COM = 先手;
        s.手番 = 先手;
        相手.指す(s, p);
    } else if (s.手番 == s.手番_MAN) {
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "MANの番です"), QT_TRANSLATE_NOOP("Game", "対局"), ボタン::OK);
        s.操作.再開待ち = 偽;
    } else if (s.手番 == s.手番_COM) {
        相手.指す(s, p);
    }
}
