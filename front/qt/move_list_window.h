// SPDX-License-Identifier: GPL-3.0-or-later
// "棋譜一覧": a window of its own listing every ply of the game or of the
// loaded record (play/move_list.h), one row each, after a first row for the
// start position.  The row of the position the board shows is selected and
// bold.  A click (or Enter) on a row steps the board there, ply by ply, as
// "戻" and "進" would.  It does not stop the game: both windows stay usable,
// and Esc closes this one only.  The main window tells it after everything
// the game does (更新) and when the language changes (言語を更新).
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "play/move_list.h"

class QTableWidget;

class 棋譜一覧窓 : public QWidget {
public:
    // 手へ is called with the ply of a row clicked (0: the start).
    棋譜一覧窓(const 状態& s, std::function<void(int)> 手へ, QWidget* 親 = nullptr);

    // Rows and highlight as the game now stands; nothing is redone when
    // nothing changed.
    void 更新();
    // Every text again, in the language in use.
    void 言語を更新();

    QTableWidget* 表() const { return 表_; }
    // The ply of the highlighted row.
    int 今の手() const { return 今_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void 行を書く();
    void 印を付ける();

    const 状態& s_;
    std::function<void(int)> 手へ_;
    QTableWidget* 表_ = nullptr;
    std::vector<棋譜一覧の行> 行_;
    int 今_ = -1;
    bool 書いた_ = false;
};
