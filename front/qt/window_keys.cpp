// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse.  The arrow keys walk a cursor over the board and
// the hands, Enter or Space presses the left button in the middle of the
// cursor's cell and Shift with either presses the right one (promotion), so
// a key goes through the very routine a mouse press there goes through.
// Ctrl+Z is 戻 (待った against the computer), Ctrl+Y and Ctrl+Shift+Z are
// 進, as the menu items; H shows a hint.
// While the record panel is open, Tab walks from the board through the
// panel's controls and back to the board, and Esc in a control closes the
// panel as a press on the board does.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <vector>

#include "play/com_turn.h"
#include "view/panel.h"
#include "front/qt/menu.h"
#include "front/qt/window.h"
#include "front/qt/window_canvas.h"

// Keys go to the game only when they were meant for it: not while a menu is
// open, a message box is up or a control of the record panel is being
// typed into, and never from another top-level window.
bool 窓::キーを盤へ(QObject* o) const {
    return o->isWidgetType() && static_cast<QWidget*>(o)->window() == this && !QApplication::activePopupWidget() &&
           !QApplication::activeModalWidget() && !パネル_->入力中();
}

bool 窓::盤のキー(QKeyEvent* e) {
    // Alt (or a menu closed with Esc) leaves the menu bar working from the
    // keyboard, an item highlighted: its keys are its own until it lets go.
    if (menuBar()->hasFocus() && menuBar()->activeAction()) return false;
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    const bool shift = m & Qt::ShiftModifier;
    const int k = e->key();

    if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) {
        const char* 項目 = nullptr;
        // In a game against the computer still going on Ctrl+Z is 待った:
        // the player's move and the answer go back together.  A finished
        // game is looked back on with 戻 as ever.
        const bool 対COM = s_->操作.対局種別 == 対局_COM && s_->操作.棋譜モード == 偽 && s_->手番 != 手番_なし &&
                           s_->勝者 == 手番_なし;
        if (k == Qt::Key_Z) 項目 = shift ? "AFTER" : 対COM ? "MATTA" : "REPLAY";
        else if (k == Qt::Key_Y && !shift) 項目 = "AFTER";
        if (!項目) return false;
        メニュー(項目)->trigger();
        return true;
    }
    if (m != Qt::NoModifier && m != Qt::ShiftModifier) return false;

    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        if (e->isAutoRepeat()) return true;  // a held key presses once
        カーソル表示_ = true;
        盤面_->update();
        const int ボタン = shift ? 2 : 1, X = カーソル中心X(カーソル_), Y = カーソル中心Y(カーソル_);
        操作([=, this](状態& s, Platform& p) { マウス処理(s, p, *コンピュータ_, ボタン, shift ? 1 : 0, X, Y); });
        return true;
    }
    if (shift) return false;
    if (k == Qt::Key_H) {
        if (!e->isAutoRepeat()) メニュー("HINT")->trigger();
        return true;
    }
    カーソル向き d;
    switch (k) {
        case Qt::Key_Left: d = カーソル向き::左; break;
        case Qt::Key_Right: d = カーソル向き::右; break;
        case Qt::Key_Up: d = カーソル向き::上; break;
        case Qt::Key_Down: d = カーソル向き::下; break;
        default: return false;
    }
    // On the turned board the keys go the way the screen shows.
    if (盤を回している()) {
        if (d == カーソル向き::左) d = カーソル向き::右;
        else if (d == カーソル向き::右) d = カーソル向き::左;
        else if (d == カーソル向き::上) d = カーソル向き::下;
        else d = カーソル向き::上;
    }
    カーソル移動(*s_, カーソル_, d);
    カーソル表示_ = true;
    盤面_->update();
    return true;
}

bool 窓::パネルのキー(QObject* o, QKeyEvent* e) {
    if (!o->isWidgetType() || static_cast<QWidget*>(o)->window() != this || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget() || !パネル_->開いている() || (menuBar()->hasFocus() && menuBar()->activeAction()))
        return false;
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Escape && m == Qt::NoModifier) {
        if (!パネル_->入力中()) return false;  // from the board Esc ends the game as ever
        操作([](状態& s, Platform& p) {
            描画_可視(s, p, 偽, 偽, 偽);
            描画_棋譜_IO(s, p, 1);
        });
        盤面_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const bool 前へ = e->key() == Qt::Key_Backtab || (e->key() == Qt::Key_Tab && m == Qt::ShiftModifier);
    if (!前へ && !(e->key() == Qt::Key_Tab && m == Qt::NoModifier)) return false;
    パネル_->次へ(前へ);
    return true;
}
