// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/commands.h"

#include "core/clock.h"
#include "core/setup.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "view/panel.h"
#include "view/render.h"
#include "store/settings.h"
#include "store/sound.h"
#include "play/start.h"
#include "view/tr.h"

namespace {

// The level indicator sits on cells (−2, 0) .. (0, 0); painting the
// background over them wipes it.
void レベル表示を消す(状態& s, Platform& p) {
    for (int c = -2; c <= 0; ++c) 描画_絵(s, p, s.表示.背景種類, c, 0);
}

void 音を放す(Platform& p, long& 音) {
    if (音 != 0) p.dsFree(音);
    音 = 0;
}

}  // namespace

void TAIKYOKU_Click(状態&, Platform& p) { パネルを閉じる(p); }
void STOP_Click(状態&, Platform& p) { パネルを閉じる(p); }

void START_Click(状態& s, Platform& p) {
    // A finished game is thrown away.
    if (s.勝者 != 手番_なし) {
        初期設定(s, p);
        p.再描画();
    }
    描画_棋譜読込み部分消去(s, p);
    レベル表示を消す(s, p);  // no computer, so no level
    描画_将棋盤桝(p);

    s.時計.開始時刻 = p.時刻();
    if (s.操作.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);

    s.操作.対局種別 = 対局_人間;

    if (s.手番 == 手番_なし || s.手数 == 0) {
        // Nothing played yet: the bottom player moves first.
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = s.手番_MAN;
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "先手の番です"), " ", ボタン::OK);
    } else if (s.手番 == 先手) {
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "先手の番です"), " ", ボタン::OK);
    } else if (s.手番 == 後手) {
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "後手の番です"), " ", ボタン::OK);
    }
    s.操作.再開待ち = 偽;
}

namespace {
// A level chosen from the menu: the old indicator wiped, the new one set.
void レベルを選ぶ(状態& s, Platform& p, int レベル) {
    レベル表示を消す(s, p);
    レベル_設定(s, p, レベル);
}
}  // namespace

void LEVEL1_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 1); }
void LEVEL2_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 2); }
void LEVEL3_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 3); }
void LEVEL4_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 4); }
void LEVEL5_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 5); }
void LEVEL6_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 6); }
void LEVEL7_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 7); }
void LEVEL8_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 8); }
void LEVEL9_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 9); }
void LEVEL10_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 10); }
void LEVEL11_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 11); }
void LEVEL12_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 12); }
void LEVEL13_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 13); }
void LEVEL14_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 14); }
void LEVEL15_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 15); }
void LEVEL16_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 16); }
void LEVEL17_Click(状態& s, Platform& p) { レベルを選ぶ(s, p, 17); }

namespace {
constexpr メニュー項目 レベルの項目[最強レベル] = {メニュー項目::LEVEL1, メニュー項目::LEVEL2, メニュー項目::LEVEL3, メニュー項目::LEVEL4, メニュー項目::LEVEL5, メニュー項目::LEVEL6, メニュー項目::LEVEL7, メニュー項目::LEVEL8, メニュー項目::LEVEL9, メニュー項目::LEVEL10, メニュー項目::LEVEL11,
                                               メニュー項目::LEVEL12, メニュー項目::LEVEL13, メニュー項目::LEVEL14, メニュー項目::LEVEL15,
                                               メニュー項目::LEVEL16, メニュー項目::LEVEL17};
}  // namespace

void レベルの印を合わせる(状態& s, Platform& p) {
    for (int i = 0; i < 最強レベル; ++i)
        if (s.操作.checked(レベルの項目[i]) != (i + 1 == s.レベル)) チェック変更(s, p, レベルの項目[i], i + 1 == s.レベル);
}

void レベル_設定(状態& s, Platform& p, int IN_LEVEL) {
    const auto& 項目 = レベルの項目;
    // The three first strengths are always unchecked; the stronger ones
    // only when they carry a mark, so that a game played at 1 to 3 sends
    // the window the same calls as ever.
    for (int i = 0; i < 最強レベル; ++i)
        if (i < 3 || s.操作.checked(項目[i])) チェック変更(s, p, 項目[i], false);
    if (IN_LEVEL >= 1 && IN_LEVEL <= 最強レベル) {
        チェック変更(s, p, 項目[IN_LEVEL - 1], true);
        s.レベル = IN_LEVEL;
    }
    // Only a game against the computer shows its strength.
    if (s.操作.対局種別 == 対局_COM) 描画_レベル(s, p, s.レベル);
}

void OWARI_Click(状態& s, Platform& p) {
    終了処理(s, p);
    p.終了();
}

void Form_KeyPress(状態& s, Platform& p, int KeyAscii) {
    if (KeyAscii != 27) return;  // only Esc means anything
    終了処理(s, p);
    p.終了();
}

void Form_Unload(状態& s, Platform& p) {
    終了処理(s, p);
    p.終了();
}

bool 調査_対局途中(const 状態& s) {
    return s.手番 != 手番_なし && s.勝者 == 手番_なし && s.操作.棋譜モード == 偽 && (s.手数 > 0 || s.棋譜最終手数 > 0);
}

bool 確認_対局終了(状態& s, Platform& p) {
    if (!調査_対局途中(s)) return true;
    return p.メッセージ(QT_TRANSLATE_NOOP("Game", "今の対局を終わりにしますか？"), QT_TRANSLATE_NOOP("Game", "確認"),
                        ボタン::はいいいえ) == 応答::はい;
}

void 終了処理(状態& s, Platform& p) {
    自動保存_更新(s, p);  // a game still running is kept for the next start
    音を放す(p, s.表示.音_その他);
    音を放す(p, s.表示.音_禁止);
    音を放す(p, s.表示.音_駒打);
    音を放す(p, s.表示.音_BGM);
    サウンド終了(s, p);
    s.表示.サウンド装置 = 0;
}
