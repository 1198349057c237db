// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/move.h"

#include "core/game_state.h"
#include "core/position.h"


int 駒移動_回転(const 盤面状態& s, int 移動先X, int 移動先Y, int I_移動駒) {
    // A capturing piece keeps its facing; the square's colour says which
    // way the others turn.
    if (s.盤[移動先X][移動先Y] != 空) return I_移動駒;
    const int 色 = s.桝色[移動先X][移動先Y];
    return 回した駒(I_移動駒, 色 == 桝色_緑 ? 1 : 色 == 桝色_水 ? -1 : 0);
}

移動結果 盤の駒を動かす(盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    移動結果 r;
    r.元X = 移動元X;
    r.元Y = 移動元Y;
    r.先X = 移動先X;
    r.先Y = 移動先Y;
    r.置駒 = 移動駒;
    r.取得駒 = s.盤[移動先X][移動先Y];
    r.回転 = r.取得駒 == 空;

    // The move is the game's own (対局::指す): the quarter turn, promotion,
    // the capture into hand and the taken king are written there once.
    const int 側 = 移動駒 > 0 ? 上手 : 下手;
    対局 g = 対局にする(局面_取得(s), 側);
    対局の手 m;
    m.先X = static_cast<std::int8_t>(移動先X);
    m.先Y = static_cast<std::int8_t>(移動先Y);
    if (移動元X == 持駒列_COM || 移動元X == 持駒列_MAN) {
        m.打 = static_cast<std::int8_t>(移動元X == 持駒列_COM ? 移動元Y : 持駒種_MAN(移動元Y));
        r.打_COM持駒 = 移動元X == 持駒列_COM;
        r.打_MAN持駒 = 移動元X == 持駒列_MAN;
    } else {
        m.元X = static_cast<std::int8_t>(移動元X);
        m.元Y = static_cast<std::int8_t>(移動元Y);
        m.成 = 移動駒 != s.盤[移動元X][移動元Y];
    }
    g.指す(m);
    局面を置く(s, 局面にする(g));
    r.着後駒 = g.駒(移動先X, 移動先Y);
    r.取得_COM持駒 = r.取得駒 <= -100;
    r.取得_MAN持駒 = r.取得駒 >= 100;
    r.王移動_MAN = MANの王(移動駒);
    return r;
}

int 盤上で動かす(盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒) {
    if (移動元X >= 1 && 移動元X <= 盤サイズ) s.盤[移動元X][移動元Y] = 空;
    const int 着後 = 駒移動_回転(s, 移動先X, 移動先Y, 移動駒);
    s.盤[移動先X][移動先Y] = 着後;
    return 着後;
}

int 調査_駒成(盤面状態& s, int 移動元X, int 移動元Y, int /*移動先X*/, int 移動先Y, int 移動駒種類) {
    if (移動元X == -1 || 移動元X == 11) return 偽;
    const int v = 移動駒種類;
    if (!有効な駒コード(v) || v == 0 || !成れる(v, 移動元Y, 移動先Y)) return 偽;
    s.成駒 = 成った駒(v);
    return 真;
}

int 調査_駒存在(const 盤面状態& s, int I_駒種類) {
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x)
            if (s.盤[x][y] == I_駒種類) return 真;
    return 偽;
}

int 調査_王あり(const 盤面状態& s, int 符号) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (符号 > 0 ? COMの王(s.盤[x][y]) : MANの王(s.盤[x][y])) return 真;
    return 偽;
}

int 調査_持駒数(const 盤面状態& s, int IN_手番) {
    const int* 手 = nullptr;
    if (IN_手番 == s.手番_MAN) 手 = s.持駒_MAN;
    else if (IN_手番 == s.手番_COM) 手 = s.持駒_COM;
    if (!手) return 0;
    int n = 0;
    for (int i = 1; i <= 7; ++i) n += 手[i];
    return n;
}

void 調査_移動結果(const 棋譜& 記録, int IN_CNT, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類) {
    if (IN_CNT < 1 || IN_CNT > 履歴最大) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = 記録[IN_CNT].面.盤[x][y];
            if (v != 空 && v != 記録[IN_CNT - 1].面.盤[x][y]) {
                O_移動先X = x;
                O_移動先Y = y;
                O_移動駒種類 = v;
                return;
            }
        }
}
