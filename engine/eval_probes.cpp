// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/eval_probes.h"

#include "core/patterns.h"
#include "core/rules.h"

namespace {

// An escape square: on the board, empty and out of the computer's reach.
int 逃げられる(const COM作業& s, int x, int y) {
    if (!盤上(x, y)) return 0;
    return (s.盤[x][y] == 空 && s.勢COM[x][y] == 0) ? 1 : 0;
}

// The human line pieces that guard a square from below.  None has been
// chosen yet, so all three are 空: the scan below then stops at the first
// empty square, whose move check (a piece code of 0) always refuses.
constexpr int 守り駒[3] = {空, 空, 空};

}  // namespace

int 調査_自王逃道(const COM作業& s) {
    const int kx = s.王X_MAN, ky = s.王Y_MAN;
    int 数 = 0;
    if (ky > 1) {
        数 += 逃げられる(s, kx, ky - 1);
        数 += 逃げられる(s, kx - 1, ky - 1);
        数 += 逃げられる(s, kx + 1, ky - 1);
    }
    if (ky < 9) {
        数 += 逃げられる(s, kx, ky + 1);
        数 += 逃げられる(s, kx - 1, ky + 1);
        数 += 逃げられる(s, kx + 1, ky + 1);
    }
    数 += 逃げられる(s, kx - 1, ky);
    数 += 逃げられる(s, kx + 1, ky);
    return 数;
}

int 調査_移動可場所数(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒) {
    // The other side's reach: the human's for a computer piece and the
    // computer's for anything else.
    const auto& 相手 = 移動駒 >= 100 ? s.勢MAN : s.勢COM;
    int 数 = 0;
    行き先を巡る(s, 移動元X, 移動元Y, 移動駒, [&](int x, int y) { 数 += 相手[x][y] == 0; });
    return 数;
}

int 調査_桂狙い(const COM作業&, int, int, int) { return 0; }

int 調査_香狙い(const COM作業& s, int 移動先X, int 移動先Y, int I_香) {
    const int X = 移動先X, Y = 移動先Y;
    if (!盤上(X, Y)) return 0;
    if (!(Y > 6)) return 0;
    if (!(s.勢COM[X][Y - 1] > 0)) return 0;
    if (!(s.勢MAN[X][Y - 1] == 0)) return 0;
    if (!(s.弱MAN駒[X][Y] >= -713 && s.弱MAN駒[X][Y] <= -600)) return 0;
    for (int v = Y + 1; v <= 盤サイズ; ++v) {
        if (s.盤[X][v] == 空) continue;
        if (移動チェック(s, X, Y, X, v, I_香) == 真) return s.盤[X][v] < 0 ? -s.盤[X][v] : s.盤[X][v];
        return 0;
    }
    return 0;
}

int 調査_自守駒MAN_直進駒(COM作業& s, int 入力X, int 入力Y) {
    const int X = 入力X, Y = 入力Y;
    if (!盤上(X, Y)) return 偽;
    int 結果 = 偽;
    const int 元 = s.盤[X][Y];
    s.盤[X][Y] = 空;
    for (int v = Y + 1; v <= 盤サイズ; ++v) {
        const int p = s.盤[X][v];
        if (p >= 100) break;  // a computer piece closes the column
        if (p == 守り駒[0] || p == 守り駒[1] || p == 守り駒[2]) {
            結果 = 移動チェック(s, X, v, X, Y, p) == 真 ? 真 : 偽;
            break;
        }
    }
    s.盤[X][Y] = 元;
    return 結果;
}

int 調査_周辺状況(const COM作業& s, int 移動先X, int 移動先Y) {
    if (盤上(移動先X, 移動先Y)) return 調査_周辺状況_盤上(s, 移動先X, 移動先Y);
    int 結果 = 0;
    for (int x = 移動先X - 1; x <= 移動先X + 1; ++x)
        for (int y = 移動先Y - 1; y <= 移動先Y + 1; ++y) {
            if (!盤上(x, y) || (x == 移動先X && y == 移動先Y)) continue;
            if (s.盤[x][y] >= 600) --結果;
        }
    return 結果;
}
