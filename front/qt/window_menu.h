// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar, built from the game's menu tree (front/qt/menu.h),
// with the window's own items among the game's: the language, the pieces'
// labels, the sound, the marks over the board and the options of play.
// The game owns the check marks of its items; the window those of its own.
// The menu bar runs nothing itself: every chosen item goes to the window
// that owns it, through the little the menu asks of it (メニューの持ち主).
#pragma once

#include <QString>
#include <map>

#include "view/platform.h"
#include "view/state.h"

class QAction;
class QMainWindow;
class 処理;

class メニューの持ち主 {
public:
    virtual ~メニューの持ち主() = default;
    // How a handler of the game's menu tree is run.
    enum class 扱い {
        開いた,    // a menu opened: only while nothing is under way
        操作,      // an item that changes the game
        いつでも,  // the options and the version box, at any moment
        終わり,    // ending the program
    };
    virtual void メニューの処理(const 処理& f, 扱い 時) = 0;
    // The game's state, whose check marks the game's items show.
    virtual const 状態& メニューの状態() const = 0;
    // The window's own options: one chosen, and each one's check mark.
    virtual void 自前の項目(const QString& 名前) = 0;
    virtual bool 自前の印(const QString& 名前) const = 0;
    // The items that open a window of their own or the new game dialog
    // (遊び方, 新規, 棋譜一覧, 学ぶ).
    virtual void 窓を開く(const QString& 名前) = 0;
};

class 窓のメニュー {
public:
    窓のメニュー(QMainWindow& 窓, メニューの持ち主& 持ち主) : 窓_(窓), 持ち主_(持ち主) {}
    // The menu bar of 窓, built once.
    void 作る();
    // Captions in the language in use, and the check marks of the window's
    // own options.
    void 表題();
    // An item or a menu by its control name (e.g. "START"); null when none.
    QAction* 項目(const QString& 名前) const;
    // A check mark of the game's (Platform's メニュー窓口).
    void チェック表示(メニュー項目 項目, bool 付ける);

private:
    QMainWindow& 窓_;
    メニューの持ち主& 持ち主_;
    std::map<QString, QAction*> 項目_;
};
