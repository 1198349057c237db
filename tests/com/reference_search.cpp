// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/com/reference_search.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/influence.h"
#include "engine/turn_probes.h"
#include "core/move.h"
#include "core/patterns.h"
#include "core/rules.h"
#include "engine/board_eval.h"
#include "engine/eval_probes.h"

namespace 参照 {

namespace {

void 到達記録(COM作業& s, int p, int x, int y, int xx, int yy) {
    const int 先 = s.盤[xx][yy];
    if (p <= -100) {
        s.勢MAN[xx][yy] += 1;
        const bool 歩 = p >= -103;
        if (先 >= 100 && (歩 ? s.弱MAN駒[xx][yy] < -100 : s.弱MAN駒[xx][yy] < p)) {
            s.弱MAN駒[xx][yy] = p;
            s.弱MAN_X[xx][yy] = x;
            s.弱MAN_Y[xx][yy] = y;
        }
    } else {
        s.勢COM[xx][yy] += 1;
        if (p >= 100 && p <= 103 && 先 <= -100 && s.弱COM攻駒[xx][yy] > 100) s.弱COM攻駒[xx][yy] = p;
        if (!COMの王(p) && MANの王(先)) s.王手COM[x][y] = 9;
    }
}

void 窓調査(COM作業& s, int p, int x, int y, int x0, int x1, int y0, int y1) {
    for (int xx = x0; xx <= x1; ++xx)
        for (int yy = y0; yy <= y1; ++yy)
            if (移動チェック(s, x, y, xx, yy, p) == 真) 到達記録(s, p, x, y, xx, yy);
}

// How far from the piece its pattern reaches, in columns and rows: the
// window 窓調査 must look at.  A piece with a line may reach the whole board.
int 窓の幅(int p) {
    const 駒の動き表::形& m = *駒の動き表::形を引く(p);
    if (m.線 != 0) return 盤サイズ - 1;
    int 幅 = 0;
    for (int i = 0; i < 16; ++i)
        if ((m.歩 >> i) & 1u) 幅 = std::max({幅, std::abs(駒の動き表::歩先[i].dx), std::abs(駒の動き表::歩先[i].dy)});
    return 幅;
}

// A piece that reaches along a line: a lance, a bishop, a rook.
bool 長距離(int p) {
    const 駒の動き表::形* m = 駒の動き表::形を引く(p);
    return m != nullptr && m->線 != 0;
}

bool 必ず成る駒(int v) { return (v >= 100 && v <= 103) || (v >= 600 && v <= 603) || (v >= 700 && v <= 703); }

bool 更新(COM作業& s, COM候補& 最善, double 点, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 置駒) {
    if (!(点 > s.最高点)) return false;
    s.最高点 = static_cast<int>(std::nearbyint(点));
    最善.あり = true;
    最善.元X = 元X;
    最善.元Y = 元Y;
    最善.先X = 先X;
    最善.先Y = 先Y;
    if (元X != -1) 最善.元駒 = 元駒;
    最善.置駒 = 置駒;
    最善.点 = 点;
    return true;
}

}  // namespace

void 勢力調査(COM作業& s) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.勢MAN[x][y] = 0;
            s.勢COM[x][y] = 0;
            s.弱MAN駒[x][y] = -999;
            s.弱MAN_X[x][y] = 0;
            s.弱MAN_Y[x][y] = 0;
            s.弱COM駒[x][y] = 999;
            s.弱COM攻駒[x][y] = 999;
            s.守MAN駒[x][y] = 999;
            s.王手COM[x][y] = 0;
        }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = s.盤[x][y];
            if (p == 空) continue;
            // A lance's line also counts the pieces of its own side and
            // sees through the enemy king: the survey's own walk.
            if (駒型(p) == 20) {
                ::勢力確定直進(s, p, x, y);
                continue;
            }
            if (王(p)) {
                if (p < 0) s.王X_MAN = x, s.王Y_MAN = y;
                else s.王X_COM = x, s.王Y_COM = y;
            }
            const int w = 窓の幅(p);
            窓調査(s, p, x, y, std::max(1, x - w), std::min(9, x + w), std::max(1, y - w), std::min(9, y + w));
        }
}

void 調査_移動不可駒(COM作業& s) {
    s.移動不可あり = 偽;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.移動不可駒[x][y] = 0;
            const int p = s.盤[x][y];
            if (p == 空) continue;
            s.盤[x][y] = 空;
            for (int a = 1; a <= 9; ++a)
                for (int b = 1; b <= 9; ++b) {
                    const int q = s.盤[a][b];
                    if (p <= -100 && q > 0 && 長距離(q) && 移動チェック(s, a, b, s.王X_MAN, s.王Y_MAN, q) == 真)
                        s.移動不可駒[x][y] = 1;
                    if (p >= 100 && q < 0 && 長距離(q) && 移動チェック(s, a, b, s.王X_COM, s.王Y_COM, q) == 真)
                        s.移動不可あり = 真;
                }
            s.盤[x][y] = p;
        }
}

int 調査_移動可場所数(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒) {
    const auto& 相手 = 移動駒 >= 100 ? s.勢MAN : s.勢COM;
    int 数 = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (移動チェック(s, 移動元X, 移動元Y, x, y, 移動駒) == 真 && 相手[x][y] == 0) ++数;
    return 数;
}

int 調査_周辺状況(const COM作業& s, int 移動先X, int 移動先Y) {
    int 結果 = 0;
    for (int x = 移動先X - 1; x <= 移動先X + 1; ++x)
        for (int y = 移動先Y - 1; y <= 移動先Y + 1; ++y) {
            if (!盤上(x, y) || (x == 移動先X && y == 移動先Y)) continue;
            if (s.盤[x][y] >= 600) --結果;
        }
    return 結果;
}

COM候補 COM探索(COM作業& s) {
    COM候補 最善;
    s.最高点 = -99999;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.盤_保存[x][y] = s.盤[x][y];
    s.逃道数_MAN王 = 調査_自王逃道(s);
    参照::勢力調査(s);
    調査_持角狙座標(s);
    参照::調査_移動不可駒(s);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.勢MAN_保存[x][y] = s.勢MAN[x][y];
            s.勢COM_保存[x][y] = s.勢COM[x][y];
            s.弱COM攻_X_保存[x][y] = s.弱COM攻_X[x][y];
            s.弱COM攻_Y_保存[x][y] = s.弱COM攻_Y[x][y];
        }
    const int 持駒数 = s.持駒数_COM;

    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s.盤[x][y] < 100) continue;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (移動チェック(s, x, y, x2, y2, s.盤[x][y]) != 真) continue;
                    s.候補駒 = s.盤[x][y];
                    s.移動元王距離 = std::max(std::abs(x - s.王X_MAN), std::abs(y - s.王Y_MAN));
                    const int 取得駒 = s.盤[x2][y2];
                    s.盤[x][y] = 空;
                    const int 着駒 = 駒移動_回転(s, x2, y2, s.候補駒);
                    s.盤[x2][y2] = 着駒;
                    const bool 成れる = 調査_駒成(s, x, y, x2, y2, 着駒) != 偽;
                    参照::勢力調査(s);
                    double 点 = 盤評価(s, 取得駒, 着駒, x, y, x2, y2);
                    int 置駒 = s.候補駒;
                    if (成れる) {
                        s.盤[x2][y2] = s.成駒;
                        参照::勢力調査(s);
                        const double 成点 = 盤評価(s, 取得駒, s.成駒, x, y, x2, y2);
                        if (成点 > 点) {
                            点 = 成点;
                            置駒 = s.候補駒 + 10;
                        }
                        if (必ず成る駒(s.候補駒)) 置駒 = s.候補駒 + 10;
                    }
                    s.盤[x2][y2] = 取得駒;
                    s.盤[x][y] = s.候補駒;
                    if (更新(s, 最善, 点, x, y, x2, y2, s.候補駒, 置駒) && MANの王(取得駒)) return 最善;
                }
        }

    if (持駒数 > 0)
        for (int k = 1; k <= 7; ++k) {
            if (s.持駒_COM[k] <= 0) continue;
            s.候補駒 = k * 100;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (移動チェック(s, -1, k, x2, y2, s.候補駒) != 真) continue;
                    const int 着駒 = 駒移動_回転(s, x2, y2, s.候補駒);
                    s.盤[x2][y2] = 着駒;
                    参照::勢力調査(s);
                    const double 点 = 盤評価(s, 空, 着駒, -1, k, x2, y2);
                    s.盤[x2][y2] = 空;
                    if (更新(s, 最善, 点, -1, k, x2, y2, 0, s.候補駒) && s.最高点 >= 9998) return 最善;
                }
        }
    return 最善;
}

}  // namespace 参照
