// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sequences in the window.  A press or a command runs as a
// sequence on a stack of its own (front/qt/sequence.h); where the game
// pauses (the blink of the computer's move, a piece's quarter turn, a
// refused square in red, a hint on show) the sequence stops and a one-shot
// timer carries it on, and where it asks the computer it stops until the
// worker thread's answer comes back.  In between, the event loop goes on:
// the window repaints, resizes, opens its menus and closes at once.  The
// game calls the platform in exactly the order it always has; only the
// waiting moved out of the window's thread.
#include <QCoreApplication>
#include <cmath>
#include <utility>

#include "front/qt/move_list_window.h"
#include "front/qt/sequence.h"
#include "front/qt/window.h"
#include "front/qt/window_thinking.h"
#include "view/key_cursor.h"

bool 窓::見せている() const { return 続き_ && 待ち_ == 待ち::間; }
bool 窓::考えている() const { return 続き_ && 待ち_ == 待ち::思考; }
bool 窓::手すき() const { return !続き_; }

void 窓::続きで(const std::function<void(状態&, Platform&)>& f) {
    続き_ = std::make_unique<一続き>([this, f] { f(*s_, *this); });
    待ち_ = 待ち::なし;
    急ぐ_ = 閉じ急ぎ_;
    続きを進める();
}

void 窓::続きを進める() {
    // Never from inside the sequence itself (an event handled in the
    // middle of one of its message boxes).
    if (!続き_ || 一続き::今の() == 続き_.get()) return;
    if (続き_->進める()) {
        続き_.reset();
        待ち_ = 待ち::なし;
        急ぐ_ = false;
    }
    後始末();
}

void 窓::急いで終える() {
    while (見せている()) {
        急ぐ_ = true;
        間_.stop();
        続きを進める();
    }
}

void 窓::全部終える() {
    閉じ急ぎ_ = true;
    急ぐ_ = true;  // a sequence running below this call finishes on its own, at once
    if (一続き::今の()) return;
    while (続き_) {
        if (待ち_ == 待ち::思考) {
            思考_->止める();
            取りやめ_ = true;
        }
        急ぐ_ = true;
        間_.stop();
        続きを進める();
    }
}

std::optional<bool> 窓::思考を待つ() {
    一続き* c = 一続き::今の();
    if (!c || c != 続き_.get()) return std::nullopt;
    // What comes after the answer is shown at its own pace, even when the
    // player cut short what came before.
    急ぐ_ = 閉じ急ぎ_;
    待ち_ = 待ち::思考;
    後始末();
    c->中断();
    待ち_ = 待ち::なし;
    return !std::exchange(取りやめ_, false);
}

void 窓::待つ(double 秒) {
    一続き* c = 一続き::今の();
    if (待たない || 急ぐ_ || !c || c != 続き_.get()) return;
    待ち_ = 待ち::間;
    間_.start(static_cast<int>(std::lround(秒 * 1000.0 * 間の倍率)));
    c->中断();
    待ち_ = 待ち::なし;
}

void 窓::後始末() {
    状況行_.更新();  // 思考中 while the computer thinks
    キー_->補正();  // the kind of game may have changed
    if (棋譜一覧_ && 棋譜一覧_->isVisible()) 棋譜一覧_->更新();  // the move list follows the game
}
