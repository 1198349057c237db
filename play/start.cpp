// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/start.h"

#include "core/setup.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "view/render.h"
#include "store/settings.h"
#include "store/sound.h"
#include "play/new_game.h"
#include "view/screen.h"

void 起動(状態& s, Platform& p) {
    // Sounds first: the settings file may start the music.
    サウンド初期化(s, p);
    s.表示.音_その他 = サウンド読込(s, p, "その他.wav", 3);
    s.表示.音_禁止 = サウンド読込(s, p, "禁止.wav", 3);
    s.表示.音_駒打 = サウンド読込(s, p, "駒打音.wav", 3);
    s.表示.音_BGM = サウンド読込(s, p, "BGM.wav", 1);

    s.操作.棋譜モード = 偽;
    s.操作.移動指導 = 偽;
    s.棋譜最終手数 = 0;
    s.レベル = 3;
    チェック変更(s, p, メニュー項目::LEVEL1, false);
    チェック変更(s, p, メニュー項目::LEVEL2, false);
    チェック変更(s, p, メニュー項目::LEVEL3, true);
    s.表示.移動指導色 = 桝輪郭色;
    s.手番_COM = 先手;
    s.手番_MAN = 後手;

    読込_環境設定ファイル(s, p);

    桝色設定(s);
    初期設定(s, p);
}

void 初期設定(状態& s, Platform& p) {
    新規対局(s);
    Timer1_有効(s, p, false);
    画面_再描画(s, p);
    自動保存_新しい対局(s);
    自動保存_更新(s, p);  // a new game: the kept one goes
}
