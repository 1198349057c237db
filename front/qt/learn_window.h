// SPDX-License-Identifier: GPL-3.0-or-later
// "学ぶ": a window of its own for the lessons (入門) and the puzzles (練習問題)
// of the game layer (learn/lessons.h, learn/puzzles.h).  It shows the list,
// a board with both hands, the goal and what the last move did, and
// buttons to try again, to go on, and for the puzzles a hint and the
// solution.  Moves as on the game's board: click a piece (or a piece in
// hand) and then its square; the right button on the square promotes.  The
// keys: arrows move a cursor, Enter or Space acts as the left button, '+'
// as the right one.  The window only shows: what a move means, when a
// task is done and the defender's answers come from the game layer.
// Progress is kept in the preferences store (Vezuvire.prefs).
#pragma once

#include <QWidget>
#include <memory>

#include "learn/lessons.h"
#include "learn/puzzles.h"

class QLabel;
class QListWidget;
class QPushButton;
class 学ぶ盤;

class 学ぶ窓 : public QWidget {
public:
    // 問題集 is the text of the puzzle file (empty: the puzzles built in).
    explicit 学ぶ窓(QWidget* 親 = nullptr, const std::string& 問題集 = {});
    ~学ぶ窓() override;

    void 入門を開く();
    void 問題を開く();
    bool 問題の時() const { return 問題の時_; }
    // Every text again, in the language in use.
    void 言語を更新();

    // A press on board square (x, y), or on hand slot 種 of side 側 with
    // x = 0 (for tests and for the board widget).
    void 押す(int x, int y, bool 右);
    void 持駒を押す(int 側, int 種);
    void 選ぶ(int 番号);  // a task or puzzle of the list
    void やり直す();
    void 次へ();
    void ヒント();
    void 答え();

    課題の進行& 入門() { return 入門_; }
    問題の進行& 練習() { return *問題_; }
    QLabel* 目標欄() const { return 目標_; }
    QLabel* 説明欄() const { return 説明_; }
    QLabel* 進み欄() const { return 進み_; }
    QListWidget* 一覧() const { return 一覧_; }
    QWidget* 盤() const;
    QPushButton* ヒントの釦() const { return ヒント_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class 学ぶ盤;
    const 対局& 局面() const;
    void 一覧を書く();
    void 表示を更新();
    void 記録する();
    void 指す(const 対局の手& m);

    bool 問題の時_ = false;
    課題の進行 入門_;
    std::unique_ptr<問題の進行> 問題_;
    std::vector<bool> 入門済み_;
    // The square or hand piece picked up: x ≥ 1 a square; x = 0, 種 a drop.
    int 選X_ = -1, 選Y_ = 0, 選種_ = 0;
    int 札X_ = 5, 札Y_ = 5;  // the keyboard's cursor
    bool 札表示_ = false;
    対局の手 最後_{};
    bool 最後あり_ = false;
    QString 説明文_;

    学ぶ盤* 盤_ = nullptr;
    QListWidget* 一覧_ = nullptr;
    QLabel *題_ = nullptr, *目標_ = nullptr, *説明_ = nullptr, *進み_ = nullptr;
    QPushButton *やり直し_ = nullptr, *次_ = nullptr, *ヒント_ = nullptr, *答え_ = nullptr;
};

// The text of the built-in puzzle file (":/puzzles/puzzles.txt").
std::string 組み込みの問題集();
