// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setup.h"

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

void 初期局面にする(盤面状態& s) {
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) s.盤[x][y] = 初期配置[y - 1][x - 1];
    for (int i = 1; i <= 7; ++i) s.持駒_MAN[i] = s.持駒_COM[i] = 0;
    s.持駒数_MAN = s.持駒数_COM = 0;
}
