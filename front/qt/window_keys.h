// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse: the window's keys and the keyboard's cursor.
// The arrow keys walk the cursor over the board and the hands, Enter or
// Space presses the left button in the middle of the cursor's cell and
// Shift with either presses the right one (promotion), so a key goes
// through the very routine a mouse press there goes through.  Ctrl+Z is 戻
// (待った against the computer), Ctrl+Y and Ctrl+Shift+Z are 進, as the
// menu items; H shows a hint.  While the record panel is open, Tab walks
// from the board through the panel's controls and back to the board, and
// Esc in a control closes the panel as a press on the board does.
#pragma once

#include "view/key_cursor.h"
#include "view/state.h"

class QKeyEvent;
class QMainWindow;
class QObject;
class 棋譜パネル;
class 盤面;
class 窓のメニュー;

// What the keys ask of the window they work in.
class キーの持ち主 {
public:
    virtual ~キーの持ち主() = default;
    virtual const 状態& キーの状態() const = 0;
    virtual bool 盤を回している() const = 0;
    // A press of mouse button ボタン (1 left, 2 right) at (X, Y) in twips,
    // handed to the game as a press of the mouse is; shift as for the
    // mouse (1: Shift).
    virtual void 盤を押す(int ボタン, int shift, int X, int Y) = 0;
    // Esc in the record panel: the panel closed, as a press on the board
    // closes it.
    virtual void パネルを閉じる() = 0;
};

class 窓のキー {
public:
    窓のキー(QMainWindow& 窓, 盤面& 画布, 棋譜パネル& パネル, const 窓のメニュー& メニュー,
             キーの持ち主& 持ち主);

    // Keys go to the game only when they were meant for it: not while a
    // menu is open, a message box is up or a control of the record panel
    // is being typed into, and never from another top-level window.
    bool 盤へ(QObject* o) const;
    // The playing keys: true when the key was taken.
    bool 盤のキー(QKeyEvent* e);
    // Tab and Esc while the record panel is open: true when taken.
    bool パネルのキー(QObject* o, QKeyEvent* e);

    // The cursor, shown from the first cursor key until a mouse press.
    const キーカーソル& カーソル() const { return カーソル_; }
    bool 表示中() const { return 表示_; }
    // A press of the mouse on a cell: the cursor goes on from there (where
    // it may stand), hidden or as it is.
    void 押した桝(int 列, int 行);
    void 隠す() { 表示_ = false; }
    // After a step of the game: the kind of game may have changed.
    void 補正();

private:
    bool メニューが使われている() const;  // the menu bar works from the keyboard

    QMainWindow& 窓_;
    盤面& 画布_;
    棋譜パネル& パネル_;
    const 窓のメニュー& メニュー_;
    キーの持ち主& 持ち主_;
    キーカーソル カーソル_;
    bool 表示_ = false;
};
