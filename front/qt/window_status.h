// SPDX-License-Identifier: GPL-3.0-or-later
// The status line under the board (ｵﾌﾟｼｮﾝ → 表示 → 状況行): with the option
// on, the notices that only tell (whose move it is, a refusal and its
// reason, how the game ended) are written there instead of in a box, and
// while nothing was said it shows whose move it is, or 思考中 while the
// computer thinks.  Never made while the option is off, so the window keeps
// its first size.
#pragma once

#include <QString>
#include <string>

#include "view/platform.h"
#include "view/state.h"

class QMainWindow;

class 状況行 {
public:
    // The line of 窓's, showing what s, the game, says.
    状況行(QMainWindow& 窓, const 状態& s) : 窓_(窓), s_(s) {}
    // A message of the game's: written on the line when it is a notice
    // that only tells and the option is on; false when not.
    bool 出す(const std::string& 本文, const std::string& 題, ボタン b, bool 警告);
    void 更新();  // shown as the game is now
    void 消す();  // what it said is over (a press on the board)
    // Shown once, at a first start in a language other than Japanese,
    // until the first press: the Letters labels.
    void 勧める(const QString& 文) { 勧め_ = 文; }
    // The notice shown, as drawn; empty when none.
    QString 文() const;

private:
    QMainWindow& 窓_;
    const 状態& s_;
    std::string 状況題_, 状況文_;  // the notice as the game gave it
    QString 勧め_;
};
