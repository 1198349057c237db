// The menu bar: captions, control names, check marks and the game's handler
// for each item.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/platform.h"
#include "core/state.h"

using 処理 = std::function<void(状態&, Platform&)>;

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
void マウス処理(状態& s, Platform& p, int ボタン, int shift, int X, int Y);
void キー処理(状態& s, Platform& p, int KeyAscii);
void 閉じる処理(状態& s, Platform& p);
