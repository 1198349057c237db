// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys and the keyboard's cursor (window_keys.h).
#include "front/qt/window_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

#include "front/qt/window_canvas.h"
#include "front/qt/window_menu.h"
#include "front/qt/window_panel.h"

窓のキー::窓のキー(QMainWindow& 窓, 盤面& 画布, 棋譜パネル& パネル, const 窓のメニュー& メニュー,
                   キーの持ち主& 持ち主)
    : 窓_(窓), 画布_(画布), パネル_(パネル), メニュー_(メニュー), 持ち主_(持ち主) {}

// Alt (or a menu closed with Esc) leaves the menu bar working from the
// keyboard, an item highlighted: its keys are its own until it lets go.
bool 窓のキー::メニューが使われている() const {
    return 窓_.menuBar()->hasFocus() && 窓_.menuBar()->activeAction();
}

bool 窓のキー::盤へ(QObject* o) const {
    return o->isWidgetType() && static_cast<QWidget*>(o)->window() == &窓_ && !QApplication::activePopupWidget() &&
           !QApplication::activeModalWidget() && !パネル_.入力中();
}

bool 窓のキー::盤のキー(QKeyEvent* e) {
    if (メニューが使われている()) return false;
    const 状態& s = 持ち主_.キーの状態();
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    const bool shift = m & Qt::ShiftModifier;
    const int k = e->key();

    if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) {
        const char* 項目 = nullptr;
        // In a game against the computer still going on Ctrl+Z is 待った:
        // the player's move and the answer go back together.  A finished
        // game is looked back on with 戻 as ever.
        const bool 対COM =
            s.操作.対局種別 == 対局_COM && s.操作.棋譜モード == 偽 && s.手番 != 手番_なし && s.勝者 == 手番_なし;
        if (k == Qt::Key_Z) 項目 = shift ? "AFTER" : 対COM ? "MATTA" : "REPLAY";
        else if (k == Qt::Key_Y && !shift) 項目 = "AFTER";
        if (!項目) return false;
        メニュー_.項目(項目)->trigger();
        return true;
    }
    if (m != Qt::NoModifier && m != Qt::ShiftModifier) return false;

    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        if (e->isAutoRepeat()) return true;  // a held key presses once
        表示_ = true;
        画布_.update();
        持ち主_.盤を押す(shift ? 2 : 1, shift ? 1 : 0, カーソル中心X(カーソル_), カーソル中心Y(カーソル_));
        return true;
    }
    if (shift) return false;
    if (k == Qt::Key_H) {
        if (!e->isAutoRepeat()) メニュー_.項目("HINT")->trigger();
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
    if (持ち主_.盤を回している()) {
        if (d == カーソル向き::左) d = カーソル向き::右;
        else if (d == カーソル向き::右) d = カーソル向き::左;
        else if (d == カーソル向き::上) d = カーソル向き::下;
        else d = カーソル向き::上;
    }
    カーソル移動(s, カーソル_, d);
    表示_ = true;
    画布_.update();
    return true;
}

bool 窓のキー::パネルのキー(QObject* o, QKeyEvent* e) {
    if (!o->isWidgetType() || static_cast<QWidget*>(o)->window() != &窓_ || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget() || !パネル_.開いている() || メニューが使われている())
        return false;
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Escape && m == Qt::NoModifier) {
        if (!パネル_.入力中()) return false;  // from the board Esc ends the game as ever
        持ち主_.パネルを閉じる();
        画布_.setFocus(Qt::OtherFocusReason);
        return true;
    }
    const bool 前へ = e->key() == Qt::Key_Backtab || (e->key() == Qt::Key_Tab && m == Qt::ShiftModifier);
    if (!前へ && !(e->key() == Qt::Key_Tab && m == Qt::NoModifier)) return false;
    パネル_.次へ(前へ);
    return true;
}

void 窓のキー::押した桝(int 列, int 行) {
    if (カーソル可能(持ち主_.キーの状態(), 列, 行)) カーソル_ = {列, 行};
}

void 窓のキー::補正() { カーソル補正(持ち主_.キーの状態(), カーソル_); }
