// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/notation.h"

#include <cmath>

#include "view/render.h"
#include "view/tr.h"

namespace {

//: Files of a move text, full-width digits; in English plain digits.
const char* const 全角数字[10] = {"",
                                  QT_TRANSLATE_NOOP("Game", "１"),
                                  QT_TRANSLATE_NOOP("Game", "２"),
                                  QT_TRANSLATE_NOOP("Game", "３"),
                                  QT_TRANSLATE_NOOP("Game", "４"),
                                  QT_TRANSLATE_NOOP("Game", "５"),
                                  QT_TRANSLATE_NOOP("Game", "６"),
                                  QT_TRANSLATE_NOOP("Game", "７"),
                                  QT_TRANSLATE_NOOP("Game", "８"),
                                  QT_TRANSLATE_NOOP("Game", "９")};

// Names by kind (1..8), unpromoted and promoted.  Gold and king never
// promote, so their promoted entries stay empty.
//: Pieces in a move text: 歩 pawn, と promoted pawn, 香 lance, 桂 knight, 銀 silver, 金 gold, 角 bishop,
//: 飛 rook, 王 king, …成 promoted; in English their letters, promoted with "+".
const char* const 駒名[9][2] = {
    {"", ""},
    {QT_TRANSLATE_NOOP("Game", "歩"), QT_TRANSLATE_NOOP("Game", "と")},
    {QT_TRANSLATE_NOOP("Game", "香"), QT_TRANSLATE_NOOP("Game", "香成")},
    {QT_TRANSLATE_NOOP("Game", "桂"), QT_TRANSLATE_NOOP("Game", "桂成")},
    {QT_TRANSLATE_NOOP("Game", "銀"), QT_TRANSLATE_NOOP("Game", "銀成")},
    {QT_TRANSLATE_NOOP("Game", "金"), ""},
    {QT_TRANSLATE_NOOP("Game", "角"), QT_TRANSLATE_NOOP("Game", "角成")},
    {QT_TRANSLATE_NOOP("Game", "飛"), QT_TRANSLATE_NOOP("Game", "飛成")},
    {QT_TRANSLATE_NOOP("Game", "王"), ""},
};

// One slot: where the shadow of each of the three texts goes.  The text
// itself is drawn 0.1 cell up and to the left of its shadow.
struct 表示位置 {
    double 筋X, 段X, 駒X, Y;
};
constexpr 表示位置 COM欄 = {-1.5, -1.1, -0.5, 8.5};  // left of the board, low
constexpr 表示位置 MAN欄 = {12.5, 12.9, 13.5, 2.5};  // right of the board, high

void 影付き表示(状態& s, 描画窓口& p, double x, double y, const std::string& t, int 色) {
    描画_移動駒種類(s, p, x, y, t, 色_黒);
    描画_移動駒種類(s, p, x - 0.1, y - 0.1, t, 色);
}

}  // namespace

std::string 文字列変換(int IN_文字列) {
    const int v = IN_文字列;
    if (v >= 1 && v <= 9) return 全角数字[v];
    if (v >= 1001 && v <= 1009) return 漢数字[v - 1000];
    if (v != 0 && 有効な駒コード(v)) {
        return 駒名[駒種(v)][成り駒(v) ? 1 : 0];
    }
    return "";
}

void 描画_移動駒種類(状態& s, 描画窓口& p, double 入力X, double 入力Y, const std::string& 駒文字, int 色) {
    const int x = セルX(入力X), y = セルY(入力Y);
    p.文字(x, y, 駒文字, 12, s.表示.フォント太字, 色);
}

void 消去_移動結果(状態& s, 描画窓口& p, int IN_手番) {
    if (IN_手番 == s.手番_COM) {
        for (int c = -2; c <= 0; ++c) 描画_絵(s, p, s.表示.背景種類, c, 8);
        // The tiles overpaint the outlines of the hand slot above and the
        // board square to the right; put them back.
        描画_桝輪郭(p, 背景色, -1, 7);
        描画_桝輪郭(p, 背景色, 1, 8);
    } else if (IN_手番 == s.手番_MAN) {
        for (int c = 12; c <= 14; ++c) 描画_絵(s, p, s.表示.背景種類, c, 2);
    }
}

void 描画_移動結果(状態& s, 描画窓口& p, int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
    消去_移動結果(s, p, IN_手番);
    const 表示位置* 欄 = nullptr;
    if (IN_手番 == s.手番_COM) 欄 = &COM欄;
    else if (IN_手番 == s.手番_MAN) 欄 = &MAN欄;
    if (!欄) return;
    // Board column x is shogi file 10 − x; row y is rank y.
    影付き表示(s, p, 欄->筋X, 欄->Y, 文字列変換(10 - 移動先X), 駒色);
    影付き表示(s, p, 欄->段X, 欄->Y, 文字列変換(1000 + 移動先Y), 駒色);
    影付き表示(s, p, 欄->駒X, 欄->Y, 文字列変換(移動駒), 駒色);
    // The piece name of the left slot reaches into the board's outline.
    if (IN_手番 == s.手番_COM) 描画_桝輪郭(p, 背景色, 1, 8);
}
