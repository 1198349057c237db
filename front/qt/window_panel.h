// SPDX-License-Identifier: GPL-3.0-or-later
// The record panel: a folder tree, a file list, the game's name, the two
// players' names, the file name and a RETURN button, laid over the canvas
// while a record is read or written.  The game shows, hides, fills and
// reads its controls (Platform's パネル窓口, passed on by the window); a
// click in the panel goes back to the game as one of the window's events.
#pragma once

#include <functional>
#include <string>

#include "view/platform.h"
#include "view/state.h"

class QFileSystemModel;
class QObject;
class QWidget;
class 盤面;

class 棋譜パネル {
public:
    using 出来事 = std::function<void(状態&, Platform&)>;
    // The controls are made at once, hidden, over 画布; 窓 owns the folder
    // tree's model and the panel's connections; 操作 hands a click in the
    // panel to the game (the window's 操作).
    棋譜パネル(盤面& 画布, QObject& 窓, std::function<void(const 出来事&)> 操作);

    void 表題();  // the labels in the language in use
    void 配置();  // places the controls over the canvas, scaled
    bool 入力中() const;      // a visible control has the keyboard
    bool 開いている() const;  // some control is shown
    // Tab and Shift+Tab: the keyboard goes round the board and the shown
    // controls that take it, in the panel's order.
    void 次へ(bool 前へ);

    // What the game asks of the panel.
    void 表示(パネル部品 部品, bool 見える);
    std::string 文字(パネル部品 部品) const;
    void 文字設定(パネル部品 部品, const std::string& 文字列);
    std::string フォルダ() const { return フォルダ_; }
    void フォルダ設定(const std::string& フォルダ);
    void 一覧更新();

private:
    void フォルダ模型を作る();    // while the folder tree is shown
    void フォルダ模型を捨てる();  // when it is hidden
    QWidget* 部品(パネル部品 p) const { return 部品_[static_cast<int>(p)]; }

    盤面& 画布_;
    QObject& 窓_;
    std::function<void(const 出来事&)> 操作_;
    QWidget* 部品_[パネル部品数] = {};
    std::string フォルダ_;  // the folder shown
    QFileSystemModel* フォルダ模型_ = nullptr;
};
