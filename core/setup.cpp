// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setup.h"

#include "core/position.h"

namespace {

// Starting position, rows 1..9 from the top, columns 1..9 from the left.
constexpr int 初期配置[9][9] = {
    // clang-format off
    {200, 300, 400, 500, 800, 500, 400, 300, 200},
    {0, 700, 0, 0, 0, 0, 0, 600, 0},
    {100, 100, 100, 100, 100, 100, 100, 100, 100},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {-102, -102, -102, -102, -102, -102, -102, -102, -102},
    {0, -602, 0, 0, 0, 0, 0, -702, 0},
    {-202, -302, -402, -502, -802, -502, -402, -302, -202},
    // clang-format on
};

}  // namespace

void 桝色設定(盤面状態& s) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.桝色[x][y] = (x + y) % 2 == 0 ? 桝色_緑 : 桝色_水;
}

void 初期局面にする(進行状態& s) {
    s.勝者 = 手番_なし;
    s.手番 = 手番_なし;
    s.棋譜手数 = 0;
    s.手数 = 0;

    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) s.盤[x][y] = 初期配置[y - 1][x - 1];
    for (int i = 1; i <= 7; ++i) s.持駒_MAN[i] = s.持駒_COM[i] = 0;
    s.持駒数_MAN = s.持駒数_COM = 0;
}

int 調査_記録満杯(const 進行状態& s) { return s.棋譜手数 >= 履歴最大 ? 真 : 偽; }

int 局面を記録(進行状態& s, int 先X, int 先Y) {
    const int n = s.棋譜手数;
    if (n < 0 || n > 履歴最大) return 偽;
    棋譜の欄& e = s.記録.書く(n);
    e.面 = 局面_取得(s);
    e.先X = 先X;
    e.先Y = 先Y;
    s.棋譜最終手数 = n;
    return 真;
}
