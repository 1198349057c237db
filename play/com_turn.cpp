// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/com_turn.h"
#include "view/course.h"

#include <algorithm>

#include "core/game_state.h"
#include "core/move.h"
#include "core/setup.h"
#include "engine/influence.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "view/move_view.h"
#include "view/notation.h"
#include "view/render.h"
#include "play/new_game.h"
#include "view/tr.h"

namespace {

// The window is refreshed once the position has been surveyed, and the
// elapsed-time display keeps going while the computer thinks.
class 画面の合間 : public 探索の合間 {
public:
    画面の合間(状態& s, Platform& p) : s_(s), p_(p) {}
    void 調べ始め() override { p_.再描画(); }
    void 列ごと() override { Timer1_Timer(s_, p_); }

private:
    状態& s_;
    Platform& p_;
};

// The caption left of the board while the computer thinks.
void 思考中を描く(状態& s, Platform& p) {
    描画_絵(s, p, s.表示.背景種類, -2, 8);
    描画_絵(s, p, s.表示.背景種類, -1, 8);
    描画_絵(s, p, s.表示.背景種類, 0, 8);
    描画_桝輪郭(p, 背景色, -1, 7);
    //: Shown beside the board while the computer thinks; letters that reach below the line touch the clock.
    描画_数値(s, p, -1.5, 8.5, QT_TRANSLATE_NOOP("Game", "思考中"), 色_黒, 0, 12);
    描画_数値(s, p, -1.6, 8.4, QT_TRANSLATE_NOOP("Game", "思考中"), 色_白, 0, 12);
    描画_桝輪郭(p, 背景色, 1, 8);
}

bool 王あり(const 状態& s, int 符号) { return 調査_王あり(s, 符号) == 真; }

// The chosen move logged, blinked where it starts, made, sounded; the
// influence map then describes the position the human moves from.
void 指して見せる(状態& s, COM表& 記憶, Platform& p, const COM候補& 手) {
    手順保存(s, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.元駒, 手.置駒, s.時計.所有時間_MAN, s.時計.所有時間_MAN, s.時計.所有時間_COM,
             s.時計.所有時間_COM + s.時計.経過秒);
    s.手数 += 1;
    描画_手数(s, p, s.手数, 色_白);

    // A hand piece blinks in the top hand, whose slot row is 8 − kind.
    if (手.元X == 持駒列_COM) 描画_駒点滅(s, p, 手.置駒, 持駒列_COM, 持駒行_COM(手.元Y), 2);
    else 描画_駒点滅(s, p, 手.元駒, 手.元X, 手.元Y, 2);

    駒移動(s, p, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.置駒);
    待ち時間(p, 0.1);
    p.dsPlay(s.表示.音_駒打);
    s.棋譜手数 += 1;
    着手後の局面を記録(s);
    Timer1_有効(s, p, false);
    記憶を更新(s, 記憶);
}

// The first half of every turn: the clock started and the caption shown.
void 考え始める(状態& s, Platform& p) {
    s.時計.開始時刻 = p.時刻();
    if (s.操作.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);
    思考中を描く(s, p);
}

}  // namespace

COM手番結果 com_ban_決めた手(状態& s, COM表& 記憶, Platform& p, const COM候補& 手) {
    // Nothing to move: the computer resigns.
    if (!手.あり) {
        Timer1_有効(s, p, false);
        s.勝者 = s.手番_MAN;
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "あなたの勝ちです"), QT_TRANSLATE_NOOP("Game", "終了"), ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指し手なし, 手};
    }
    // The log holds 501 positions; a move that cannot be logged is not made.
    if (調査_記録満杯(s) == 真) {
        Timer1_有効(s, p, false);
        p.メッセージ(記録上限メッセージ, 記録上限題, ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::記録満杯, 手};
    }

    指して見せる(s, 記憶, p, 手);
    // The move is shown in its slot whether or not it ends the game.
    描画_移動結果(s, p, s.手番_COM, 手.先X, 手.先Y, 手.置駒, 色_白);
    描画_桝輪郭(p, 色_白, 手.先X, 手.先Y);

    if (!王あり(s, -1)) {
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"), QT_TRANSLATE_NOOP("Game", "終了"), ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指した, 手};
    }
    if (!王あり(s, +1)) {
        p.メッセージ(QT_TRANSLATE_NOOP("Game", "あなたの勝ちです"), QT_TRANSLATE_NOOP("Game", "終了"), ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指した, 手};
    }

    s.時計.所有時間_COM += s.時計.経過秒;
    s.時計.開始時刻 = p.時刻();
    s.手番 = s.手番_MAN;
    if (s.操作.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);
    return {COM手番::指した, 手};
}

COM候補 COMの手を考える(const 状態& s, COM表& 記憶, 探索の合間* 合間, 評価関数 評価) {
    auto 作業 = std::make_unique<COM作業>(s, 記憶);
    const COM候補 手 = COM探索(*作業, 合間, 評価);
    記憶 = *作業;
    return 手;
}

void 記憶を更新(const 状態& s, COM表& 記憶) {
    auto 作業 = std::make_unique<COM作業>(s, 記憶);
    勢力調査(*作業);
    記憶 = *作業;
}

COM手番結果 com_ban_指す(状態& s, COM表& 記憶, Platform& p, 評価関数 評価) {
    if (s.勝者 != 手番_なし) return {};
    考え始める(s, p);
    画面の合間 合間(s, p);
    return com_ban_決めた手(s, 記憶, p, COMの手を考える(s, 記憶, &合間, 評価));
}

static_assert(探索設定::最強 == 最強レベル, "every strength of the menu is one of the search's");

探索設定 深い探索の設定(const 状態& s, std::uint64_t 種) {
    探索設定 設定 = 探索設定::レベル(s.レベル);
    設定.種 = 種;
    // Two threads at most, so that the window and the rest of the machine
    // keep a core while the computer thinks.
    設定.スレッド数 = std::min(設定.スレッド数, 窓のスレッド上限);
    return 設定;
}

void 深い手を指す(状態& s, COM表& 記憶, Platform& p, const 深い探索の結果& r) {
    s.操作.COM思考中 = false;
    if (s.勝者 != 手番_なし) return;
    com_ban_決めた手(s, 記憶, p, 候補にする(対局にする(s, 上手), r));
    自動保存_更新(s, p);
}

COMの応手::COMの応手(裏の思考* 裏, std::uint64_t 種) : 裏_(裏), 種_(種) {}
COMの応手::~COMの応手() = default;

bool COMの応手::考えさせる(const 考える仕事& 仕事) { return 裏_ ? 裏_->任せる(仕事) : 応手::考えさせる(仕事); }

bool COMの応手::裏で考える(状態& s, Platform& p) {
    考え始める(s, p);
    s.操作.COM思考中 = true;
    p.再描画();
    // The search works on a copy of the position and of the memory; the
    // memory takes the tables it leaves once the move is back.
    auto 作業 = std::make_unique<COM作業>(s, 記憶_);
    COM候補 手;
    if (!考えさせる([&](const std::atomic<bool>&) { 手 = COM探索(*作業, nullptr, nullptr); })) return false;
    記憶_ = *作業;
    s.操作.COM思考中 = false;
    com_ban_決めた手(s, 記憶_, p, 手);
    自動保存_更新(s, p);
    return true;
}

void COMの応手::指す(状態& s, Platform& p) {
    if (s.勝者 != 手番_なし) return;
    // Called off (the program ends): the game stays as it was before the
    // computer's turn, still marked as thinking, so that nothing after this
    // touches it.
    if (s.レベル <= 3) {
        if (裏_ != nullptr) {
            裏で考える(s, p);
            return;
        }
        com_ban_指す(s, 記憶_, p);
        自動保存_更新(s, p);
        return;
    }
    考え始める(s, p);
    const 対局 g = 対局にする(s, 上手);
    探索設定 設定 = 深い探索の設定(s, 種_++);
    if (!探索_) 探索_ = std::make_unique<深い探索>();
    深い探索の結果 r;
    if (裏_ != nullptr) {
        if (裏_->設定の手直し) 裏_->設定の手直し(設定);
        s.操作.COM思考中 = true;
        p.再描画();
        if (!考えさせる([&](const std::atomic<bool>& 止め) { r = 探索_->探す(g, 設定, 止め); })) return;
    } else {
        const std::atomic<bool> 止めない{false};
        r = 探索_->探す(g, 設定, 止めない);
    }
    深い手を指す(s, 記憶_, p, r);
}

void COMの応手::局面更新(状態& s) { 記憶を更新(s, 記憶_); }
