// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/player_commands.h"
#include "view/course.h"

#include <atomic>
#include <optional>

#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "play/mouse.h"
#include "play/navigation.h"
#include "view/notation.h"
#include "view/panel.h"
#include "view/render.h"
#include "view/tr.h"

namespace {

void 告知(Platform& p, const char* 本文, const char* 題) { p.メッセージ(本文, 題, ボタン::OK); }

// The refusal of "戻" with nothing to take back.
void 戻れない(状態& s, Platform& p) {
    p.dsPlay(s.表示.音_禁止);
    告知(p, QT_TRANSLATE_NOOP("Game", "できません"), QT_TRANSLATE_NOOP("Game", "戻る"));
}

bool 対COMの対局中(const 状態& s) {
    return s.操作.対局種別 == 対局_COM && s.手番 != 手番_なし && s.勝者 == 手番_なし && s.操作.棋譜モード == 偽 &&
           !s.操作.COM思考中;
}

// The player's slot shows the player's latest move again, or nothing when
// the player has not moved yet.
void 自分の手を描き直す(状態& s, Platform& p) {
    for (int k = s.棋譜手数; k >= 1 && k > s.棋譜手数 - 2; --k) {
        int X = 0, Y = 0, 駒 = 0;
        調査_移動結果(s.記録, k, X, Y, 駒);
        if (駒 < 0) {
            描画_移動結果(s, p, s.手番_MAN, X, Y, 駒, 色_白);
            return;
        }
    }
    消去_移動結果(s, p, s.手番_MAN);
}

}  // namespace

void MATTA_Click(状態& s, Platform& p) {
    パネルを閉じる(p);
    // With the computer to move (the player stepped back with "戻") one
    // step reaches the player's turn; otherwise the computer's answer and
    // the player's move go together.
    const int 手数 = s.手番 == s.手番_COM ? 1 : 2;
    if (!対COMの対局中(s) || s.棋譜手数 < 手数) {
        戻れない(s, p);
        return;
    }
    s.操作.再開待ち = 真;
    s.操作.選択状態 = 0;
    Timer1_有効(s, p, false);
    描画_将棋盤桝(p);

    const int 前 = s.棋譜手数 - 手数;
    復元_記録(s, 前);
    s.時計.所有時間_COM = s.記録[前].前秒C;
    s.時計.所有時間_MAN = s.記録[前].前秒M;
    s.時計.経過秒 = 0;
    描画_所有時間(s, p, s.手番_COM, s.時計.所有時間_COM);
    描画_所有時間(s, p, s.手番_MAN, s.時計.所有時間_MAN);
    描画_自持盤(s, p);
    描画_敵持盤(s, p);
    描画_盤(s, p);

    s.棋譜手数 = 前;
    s.手数 -= 手数;
    s.手番 = s.手番_MAN;
    p.dsPlay(s.表示.音_駒打);
    消去_移動結果(s, p, s.手番_COM);
    自分の手を描き直す(s, p);
    描画_手数(s, p, s.手数, 色_白);
    自動保存_更新(s, p);
}

void TOURYOU_Click(状態& s, Platform& p) {
    パネルを閉じる(p);
    if (s.操作.棋譜モード == 真 || s.手番 == 手番_なし) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "「対局」で始めて下さい"), QT_TRANSLATE_NOOP("Game", "開始"));
        return;
    }
    if (s.勝者 != 手番_なし) {
        告知(p, QT_TRANSLATE_NOOP("Game", "新規に対局してください"), QT_TRANSLATE_NOOP("Game", "終局"));
        return;
    }
    // With its option on, resigning is asked first, and only はい resigns.
    if (s.表示.投了確認 && p.メッセージ(QT_TRANSLATE_NOOP("Game", "投了しますか？"), QT_TRANSLATE_NOOP("Game", "投了"), ボタン::はいいいえ) != 応答::はい) return;
    Timer1_有効(s, p, false);
    if (s.操作.選択状態 != 0) {
        s.操作.選択状態 = 0;
        描画_将棋盤桝(p);
        描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
    }
    s.操作.再開待ち = 偽;
    if (s.操作.対局種別 == 対局_COM) {
        s.勝者 = s.手番_COM;
        s.手番 = s.手番_MAN;
        告知(p, QT_TRANSLATE_NOOP("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"), QT_TRANSLATE_NOOP("Game", "終了"));
    } else {
        s.勝者 = -s.手番;
        告知(p, s.勝者 == 先手 ? QT_TRANSLATE_NOOP("Game", "先手の勝ちです") : QT_TRANSLATE_NOOP("Game", "後手の勝ちです"),
             QT_TRANSLATE_NOOP("Game", "終了"));
    }
    自動保存_更新(s, p);
}

探索設定 ヒントの設定() {
    探索設定 設定 = 探索設定::旧レベル(4);
    設定.持ち時間 = 0;
    設定.最大深さ = ヒントの深さ;
    設定.幅 = 0;
    設定.置換表の桁 = 16;
    return 設定;
}

namespace {
ヒントの手 ヒントにする(const 対局& g, const 深い探索の結果& r) {
    ヒントの手 h;
    if (!r.あり) return h;
    h.あり = true;
    h.元X = 元X座標(r.手, 下手);
    h.元Y = 元Y座標(r.手, 下手);
    h.先X = r.手.先X;
    h.先Y = r.手.先Y;
    h.置駒 = g.置く駒(r.手);
    return h;
}
}  // namespace

ヒントの手 ヒントを考える(const 状態& s) {
    応手なし その場で;
    return ヒントを考える(s, その場で).value_or(ヒントの手{});
}

std::optional<ヒントの手> ヒントを考える(const 状態& s, 応手& 相手) {
    const 対局 g = 対局にする(s, 下手);
    深い探索の結果 r;
    if (!相手.考えさせる([&](const std::atomic<bool>& 止め) { r = 深く探索する(g, ヒントの設定(), 止め); }))
        return std::nullopt;
    return ヒントにする(g, r);
}

void HINT_Click(状態& s, Platform& p) {
    応手なし その場で;
    HINT_Click(s, p, その場で);
}

void HINT_Click(状態& s, Platform& p, 応手& 相手) {
    パネルを閉じる(p);
    if (!対COMの対局中(s) || s.手番 != s.手番_MAN) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "できません"), QT_TRANSLATE_NOOP("Game", "ヒント"));
        return;
    }
    const std::optional<ヒントの手> 答え = ヒントを考える(s, 相手);
    if (!答え) return;  // called off: the program ends
    const ヒントの手 h = *答え;
    if (!h.あり) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "できません"), QT_TRANSLATE_NOOP("Game", "ヒント"));
        return;
    }
    描画_桝輪郭(p, 色_黄, h.元X, h.元Y);
    描画_桝輪郭(p, 色_黄, h.先X, h.先Y);
    描画_移動結果(s, p, s.手番_MAN, h.先X, h.先Y, h.置駒, 色_黄);
    s.表示.ヒント中 = true;
    s.表示.ヒント元列 = h.元X, s.表示.ヒント元行 = h.元Y, s.表示.ヒント先列 = h.先X, s.表示.ヒント先行 = h.先Y;
    p.再描画();  // the pause below paints nothing
    p.待つ(ヒント表示秒);
    s.表示.ヒント中 = false;
    描画_桝輪郭(p, 桝輪郭色, h.元X, h.元Y);
    描画_桝輪郭(p, 桝輪郭色, h.先X, h.先Y);
    // A piece picked up before the hint stays picked up, its reach shown
    // again.
    if (s.操作.選択状態 != 0) {
        描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, s.表示.移動指導色, s.操作.選択駒);
        描画_桝輪郭(p, 色_赤, s.操作.選択元X, s.操作.選択元Y);
    }
    自分の手を描き直す(s, p);
}
