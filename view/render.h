// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the board, hands, labels and texts.  Every position is in
// cell units (column, row), possibly fractional; cell (c, r) has its top-left
// corner at (盤原点X + 桝幅·c, 盤原点Y + 桝高·r) twips.  Later drawings cover
// earlier ones, so the order of calls is the order on screen.
#pragma once

#include <string>

#include "view/platform.h"
#include "view/state.h"

// Top-left twip position of a (fractional) cell.
// The kanji numerals 一 … 九 by number (index 0 empty): the ranks of move
// texts and the numbers beside the board's rows.
extern const char* const 漢数字[10];

// Positions are in tenths of a cell: a coordinate counts as the nearest
// tenth.  桝からtwip is the twip of position 座標 on an axis whose cell 0
// starts at 原点 and whose cells are 桝 twips long.
int 十分の一桝(double 座標);
int 桝からtwip(int 原点, int 桝, double 座標);
int セルX(double 座標X);
int セルY(double 座標Y);

// Picture chosen for 描画_絵 (0 when nothing is painted).
int 絵の選択(const 状態& s, int 駒種類, double 座標X, double 座標Y);

void 描画_絵(const 状態& s, 描画窓口& p, int 駒種類, double 座標X, double 座標Y);
void 描画_桝輪郭(描画窓口& p, int 描画色, double 座標X, double 座標Y);
void 描画_数値(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, const std::string& 数値, int 色, int モード,
               int フォントサイズ);
void 描画_数値(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
// Fixed texts: −10..10 the handicap grades, 99 "手目".  Empty for others.
std::string 文字列_固定(int 数値);
void 描画_文字列(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, int 数値, int 色, int サイズ);
void 描画_盤(const 状態& s, 描画窓口& p);
void 描画_将棋盤桝(描画窓口& p);
void 描画_背景(const 状態& s, 描画窓口& p, int IN_背景種類);
void 描画_桝_数値(状態& s, 描画窓口& p);
void 描画_自持盤(const 状態& s, 描画窓口& p);
void 描画_敵持盤(const 状態& s, 描画窓口& p);
void 描画_手数(const 状態& s, 描画窓口& p, int 数値, int 色 = 色_白);
void 描画_レベル(const 状態& s, 描画窓口& p, int IN_LEVEL);
// The handicap label: cells ハンデ欄_左..ハンデ欄_右 of row 1 are cleared
// with the background before the grade name is printed at (11, 1).
inline constexpr int ハンデ欄_左 = 11;
inline constexpr int ハンデ欄_右 = 15;  // the last column inside the window
void 描画_ハンデレベル(const 状態& s, 描画窓口& p, int IN_ハンデレベル);
void 描画_駒点滅(状態& s, Platform& p, int 入力_駒, double 入力_X, double 入力_Y, int 入力_点滅回数);
void 描画_棋譜読込み部分消去(状態& s, 描画窓口& p);
