// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deep_eval.h"

#include <algorithm>
#include <cstdlib>

namespace {

int 型番(int 駒) {
    const int t = 駒型(駒);
    return (t / 10 - 1) * 2 + t % 10;
}

// 0 forward (towards the other side), 1 sideways, 2 backward.
int 相対向き(int 駒) {
    const int f = 駒向き(駒);
    const int 前 = 駒 > 0 ? 0 : 2;
    const int d = (f - 前 + 4) % 4;
    return d == 0 ? 0 : d == 2 ? 2 : 1;
}

// Which row of 向き損 a type uses, −1 for pieces that move alike every way.
int 向きの組(int 駒) {
    const int t = 駒型(駒);
    switch (t) {
        case 10: return 0;
        case 20: return 1;
        case 30: return 2;
        case 40: return 3;
        case 11:
        case 21:
        case 31:
        case 41:
        case 50: return 4;
        default: return -1;
    }
}

}  // namespace

const 評価の重み& 標準の重み() {
    static const 評価の重み w;
    return w;
}

const 評価の重み& 上の段の重み() {
    static const 評価の重み w = [] {
        評価の重み v;
        v.王の周り = 60;
        return v;
    }();
    return w;
}

bool 評価の重みを設定(評価の重み& w, const std::string& 名, int v) {
    if (名 == "持駒率") w.持駒率 = v;
    else if (名 == "王の周り") w.王の周り = v;
    else if (名 == "王手") w.王手 = v;
    else if (名 == "利き") w.利き = v;
    else if (名 == "寄り") w.寄り = v;
    else if (名.rfind("駒", 0) == 0 && 名.size() > 3) {
        const int i = std::atoi(名.c_str() + 3);
        if (i < 0 || i > 15) return false;
        w.駒[i] = v;
    } else if (名.rfind("向き", 0) == 0 && 名.size() == 8) {
        // 向きAB: row A (0 pawn … 4 gold movers), column B (0 sideways, 1 backward)
        const int a = 名[6] - '0', b = 名[7] - '0';
        if (a < 0 || a > 4 || b < 0 || b > 1) return false;
        w.向き損[a][b] = v;
    } else {
        return false;
    }
    return true;
}

int 取る値(int 駒, const 評価の重み& w) {
    if (王(駒)) return 20000;
    const int k = 駒種(駒);
    return w.駒[型番(駒)] + w.駒[(k - 1) * 2] * w.持駒率 / 100;
}

int 深い評価(const 対局& g, const 評価の重み& w) {
    int 点 = 0;  // for the top side
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = g.駒(x, y);
            if (v == 空 || 王(v)) continue;
            int 値 = w.駒[型番(v)];
            const int 組 = 向きの組(v);
            if (組 >= 0) {
                const int r = 相対向き(v);
                if (r > 0) 値 -= 値 * w.向き損[組][r - 1] / 100;
            }
            点 += v > 0 ? 値 : -値;
            if (w.寄り != 0) {
                const int 側 = v > 0 ? 下手 : 上手;  // whose king it closes on
                const int kx = g.王X(側), ky = g.王Y(側);
                if (kx != 0) {
                    const int d = std::max(std::abs(kx - x), std::abs(ky - y));
                    const int 寄 = w.寄り * (8 - d);
                    点 += v > 0 ? 寄 : -寄;
                }
            }
        }
    for (int k = 1; k <= 7; ++k) {
        const int 値 = w.駒[(k - 1) * 2] * w.持駒率 / 100;
        点 += 値 * (g.持駒(上手, k) - g.持駒(下手, k));
    }
    // Kings: every neighbouring square the other side reaches.
    for (int 側 : {上手, 下手}) {
        const int kx = g.王X(側), ky = g.王Y(側);
        if (kx == 0) continue;
        int 危 = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                if (!盤上(kx + dx, ky + dy)) continue;
                if (g.利いている(-側, kx + dx, ky + dy)) 危 += (dx == 0 && dy == 0) ? w.王手 : w.王の周り;
            }
        点 += 側 > 0 ? -危 : 危;
    }
    if (w.利き != 0) 点 += w.利き * (g.行き先の数(上手) - g.行き先の数(下手));
    // Well below the scores that mean a king is taken.
    点 = std::clamp(点, -20000, 20000);
    return g.手番() > 0 ? 点 : -点;
}
