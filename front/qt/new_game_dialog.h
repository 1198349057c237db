// SPDX-License-Identifier: GPL-3.0-or-later
// 対局 → 新しい対局… (Ctrl+N): the opponent (a person, or the computer and
// its level), the side and the handicap in one dialog that remembers the
// last choice in the preferences store.  The game is then set up through the
// very menu items a player would use one by one (最初, △/▽, LEVEL…, スタート,
// 先手, 後手), with their questions and refusals.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class 窓;

struct 新しい対局の選択 {
    bool COM = true;   // against the computer, or two people at one board
    int レベル = 1;    // the computer's level, 1..
    bool 先手 = true;  // against the computer: the player moves first, from the bottom
    int ハンデ = 0;    // the handicap grade, −10 (名人) .. 10 (12級); 0 is an even game
    bool operator==(const 新しい対局の選択&) const = default;
};

// The last choice as the preferences store of the working folder keeps it
// (or the defaults); and keeping one there.
新しい対局の選択 新しい対局の好み();
void 新しい対局の好みを書く(const 新しい対局の選択& c);

class 新しい対局窓 : public QDialog {
public:
    // 最強 is the highest level the LEVEL menu offers.
    新しい対局窓(const 新しい対局の選択& 初め, int 最強, QWidget* 親);
    新しい対局の選択 選択() const;

private:
    void 揃える();  // the side and level only matter against the computer; the grade's explanation
    QComboBox* 相手_;
    QComboBox* 手番_;
    QComboBox* ハンデ_;
    QLabel* 説明_;
};

// The handicap grade explained in a line: who plays without how many pieces.
QString ハンデの説明(int ハンデ);

// Asks with the dialog and, when accepted, keeps the choice and sets the
// game up in w.  False when the dialog was put away or the current game was
// kept.
bool 新しい対局を選ぶ(窓& w);
// Sets the game up in w as chosen, through the window's menu items.  False
// when the player kept the game in progress.
bool 新しい対局を始める(窓& w, const 新しい対局の選択& c);
