// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rules.h"

#include <cstdlib>

#include "core/patterns.h"

namespace {

int 符号(int v) { return (v > 0) - (v < 0); }

}  // namespace

int 移動チェック飛車(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (移動元X == 移動先X) {
        const int step = 符号(移動先Y - 移動元Y);
        for (int y = 移動元Y + step; y != 移動先Y; y += step)
            if (s.盤[移動元X][y] != 空) return 偽;
        return 真;
    }
    if (移動元Y == 移動先Y) {
        const int step = 符号(移動先X - 移動元X);
        for (int x = 移動元X + step; x != 移動先X; x += step)
            if (s.盤[x][移動元Y] != 空) return 偽;
        return 真;
    }
    return 偽;
}

int 移動チェック角(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (std::abs(dx) != std::abs(dy)) return 偽;
    const int sx = 符号(dx), sy = 符号(dy);
    for (int x = 移動元X + sx, y = 移動元Y + sy; x != 移動先X; x += sx, y += sy)
        if (s.盤[x][y] != 空) return 偽;
    return 真;
}

// The numbered tests below run in their fixed order and the first that
// answers decides; the routine is kept whole so that the order reads at a
// glance, the movement patterns last.
int 移動チェック(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) {
    // 1. The destination is on the board.
    if (移動先X < 1 || 移動先X > 盤サイズ || 移動先Y < 1 || 移動先Y > 盤サイズ) return 偽;
    // 2. Source and destination differ.
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return 偽;
    // 3. Never onto a piece of one's own side.
    const int 先 = s.盤[移動先X][移動先Y];
    if (移動駒種類 >= 100 && 先 >= 100) return 偽;
    if (移動駒種類 <= -100 && 先 <= -100) return 偽;

    const bool 盤上 = 移動元X >= 1 && 移動元X <= 盤サイズ;
    if (!盤上) {
        // 4./5. A drop goes to any empty square, from the owner's hand only.
        // Any other off-board source has no movement pattern to walk.
        if (先 != 空) return 偽;
        if (移動元X == 11 && 移動駒種類 <= -100) return 真;
        if (移動元X == -1 && 移動駒種類 >= 100) return 真;
        return 偽;
    }
    if (移動元Y < 1 || 移動元Y > 盤サイズ) return 偽;
    // 空 and numbers that are none of the 112 codes have no pattern.
    const 駒の動き表::形* 模様 = 駒の動き表::形を引く(移動駒種類);
    if (模様 == nullptr) return 偽;

    // 6. The movement pattern of the piece turned to its facing, as the
    // rule table gives it: a single step or jump of the pattern ...
    const 駒の動き表::形& m = *模様;
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) {
        const int i = 駒の動き表::歩番号表[static_cast<std::size_t>(dx + 2)][static_cast<std::size_t>(dy + 2)];
        if (i >= 0 && ((m.歩 >> i) & 1u)) return 真;
    }
    // ... or a run along one of its lines.
    if (m.線 == 0) return 偽;
    if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) return 偽;
    const int 線 = 駒の動き表::歩番号表[static_cast<std::size_t>(符号(dx) + 2)][static_cast<std::size_t>(符号(dy) + 2)];
    if (!((m.線 >> 線) & 1u)) return 偽;
    // 7. Every square before the destination is empty.
    if (dx == 0 || dy == 0) return 移動チェック飛車(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
    return 移動チェック角(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
}
