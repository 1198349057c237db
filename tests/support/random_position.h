// SPDX-License-Identifier: GPL-3.0-or-later
// Random positions for tests that hold two routines to the same answers:
// any mix of the 112 piece codes in any facing, both hands, usually one
// king a side.  Fixed seeds keep every run the same.
#pragma once

#include <random>
#include <vector>

#include "core/position.h"

namespace 乱局面 {

// The 112 piece codes, computer's and human's.
inline std::vector<int> 全駒() {
    std::vector<int> v;
    for (int 型 : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80})
        for (int f = 0; f < 4; ++f) {
            v.push_back(型 * 10 + f);
            v.push_back(-(型 * 10 + f));
        }
    return v;
}

// A position with about 密度 of the squares taken.  Kings go in first, each
// missing now and then; other squares get any code but a king.
inline 局面 作る(std::mt19937& g, double 密度) {
    局面 k;
    std::uniform_int_distribution<int> 桝(1, 9), 向(0, 3), 手(0, 2);
    std::uniform_real_distribution<double> 一(0.0, 1.0);
    for (int 側 : {1, -1})
        if (一(g) < 0.95) k.盤[桝(g)][桝(g)] = 側 * (800 + 向(g));
    std::vector<int> 駒;
    for (int v : 全駒())
        if (v / 100 != 8 && v / 100 != -8) 駒.push_back(v);
    std::uniform_int_distribution<std::size_t> 選ぶ(0, 駒.size() - 1);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (k.盤[x][y] == 0 && 一(g) < 密度) k.盤[x][y] = 駒[選ぶ(g)];
    for (int kind = 1; kind <= 7; ++kind) {
        k.持駒_MAN[kind] = 一(g) < 0.3 ? 手(g) : 0;
        k.持駒_COM[kind] = 一(g) < 0.3 ? 手(g) : 0;
    }
    return k;
}

}  // namespace 乱局面
