// SPDX-License-Identifier: GPL-3.0-or-later
// The game's menu tree (its captions, control names, check marks and the
// game's handler of each item), and the window's menu bar built from it,
// with the window's own items among the game's: the language, the pieces'
// labels, the sound, the marks over the board and the options of play.
// The game owns the check marks of its items; the window those of its own.
// The menu bar runs nothing itself: every chosen item goes to the window
// that owns it, through the little the menu asks of it (メニューの持ち主).
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "play/opponent.h"
#include "view/platform.h"
#include "view/state.h"

class QAction;
class QMainWindow;

// A handler gets the game, the window as its platform and the side that
// answers a human move (the window's own computer player); most of them
// need only the first two.
class 処理 {
public:
    処理() = default;
    処理(void (*f)(状態&, Platform&)) : f_([f](状態& s, Platform& p, 応手&) { f(s, p); }) {}
    処理(void (*f)(状態&, Platform&, 応手&)) : f_(f) {}
    explicit operator bool() const { return static_cast<bool>(f_); }
    void operator()(状態& s, Platform& p, 応手& 相手) const { f_(s, p, 相手); }

private:
    std::function<void(状態&, Platform&, 応手&)> f_;
};

struct メニュー定義 {
    QString 名前;  // control name, e.g. "START"
    QString 表題;  // caption shown
    QString 親;    // control name of the parent ("" for the menu bar)
    bool チェック式 = false;
    処理 クリック;  // on a click (items) — may be empty
    処理 開く;      // when the menu opens (menus) — may be empty
};

// The whole tree in menu-bar order; a parent comes before its children.
const std::vector<メニュー定義>& メニュー一覧();
// Control name of a checkable item.
QString メニュー名(メニュー項目 項目);

// Window events handed to the game.
void マウス処理(状態& s, Platform& p, 応手& 相手, int ボタン, int shift, int X, int Y);
void キー処理(状態& s, Platform& p, int KeyAscii);
void 閉じる処理(状態& s, Platform& p);

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
