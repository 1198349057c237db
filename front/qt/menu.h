// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar: captions, control names, check marks and the game's handler
// for each item.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "play/opponent.h"
#include "view/platform.h"
#include "view/state.h"

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
