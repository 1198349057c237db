// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/turn.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/influence.h"
#include "engine/turn_probes.h"
#include "core/move.h"
#include "core/patterns.h"
#include "core/rules.h"
#include "core/setup.h"
#include "engine/board_eval.h"
#include "engine/eval_probes.h"

namespace {

// Scores below the first real candidate.
constexpr int 最低点 = -99999;
// A drop that mates (or better) ends the search at once.
constexpr int 打ち切り点 = 9998;

// Pawns, bishops and rooks are always worth more promoted.
bool 必ず成る駒(int v) {
    return (v >= COM_歩0 && v <= COM_歩3) || (v >= COM_角0 && v <= COM_角3) || (v >= COM_飛0 && v <= COM_飛3);
}

// Keeps a candidate that scores strictly better than the best so far.  The
// best score is kept as a whole number, halves going to the even side, and
// later candidates are compared against that whole number.
bool 更新(COM作業& s, COM候補& 最善, double 点, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 置駒) {
    if (!(点 > s.最高点)) return false;
    s.最高点 = static_cast<int>(std::nearbyint(点));
    最善.あり = true;
    最善.元X = 元X;
    最善.元Y = 元Y;
    最善.先X = 先X;
    最善.先Y = 先Y;
    if (元X != -1) 最善.元駒 = 元駒;  // a drop leaves the source code alone
    最善.置駒 = 置駒;
    最善.点 = 点;
    return true;
}

// The position as it stood before the computer's move: the evaluation
// compares every candidate against it.  The human king's escape squares are
// counted as the last survey (the end of the human's move) left the
// influence map; then the board is surveyed afresh and probed once.
void 探索の準備(COM作業& s) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.盤_保存[x][y] = s.盤[x][y];
    s.逃道数_MAN王 = 調査_自王逃道(s);
    勢力調査(s);
    調査_持角狙座標(s);
    調査_移動不可駒(s);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.勢MAN_保存[x][y] = s.勢MAN[x][y];
            s.勢COM_保存[x][y] = s.勢COM[x][y];
            s.弱COM攻_X_保存[x][y] = s.弱COM攻_X[x][y];
            s.弱COM攻_Y_保存[x][y] = s.弱COM攻_Y[x][y];
        }
}

// One board move of the piece on (x, y) to (x2, y2), made on the board,
// surveyed, scored (promoted too, where it may promote) and taken back.
// Answers true when it took the king: nothing can be better.
bool 盤の手を試す(COM作業& s, COM候補& 最善, 評価関数 評価, int x, int y, int x2, int y2) {
    s.候補駒 = s.盤[x][y];
    s.移動元王距離 = std::max(std::abs(x - s.王X_MAN), std::abs(y - s.王Y_MAN));
    const int 取得駒 = s.盤[x2][y2];
    const int 着駒 = 盤上で動かす(s, x, y, x2, y2, s.候補駒);

    const bool 成れる = 調査_駒成(s, x, y, x2, y2, 着駒) != 偽;
    勢力調査(s);
    double 点 = 評価(s, 取得駒, 着駒, x, y, x2, y2);
    int 置駒 = s.候補駒;
    if (成れる) {
        s.盤[x2][y2] = s.成駒;
        勢力調査(s);
        const double 成点 = 評価(s, 取得駒, s.成駒, x, y, x2, y2);
        // The piece is handed over as it stood on its source, promoted:
        // the move gives it the quarter turn itself, so it lands exactly as
        // the promoted code was scored.
        const int 成って置く = 成った駒(s.候補駒);
        if (成点 > 点) {
            点 = 成点;
            置駒 = 成って置く;
        }
        if (必ず成る駒(s.候補駒)) 置駒 = 成って置く;
    }

    s.盤[x2][y2] = 取得駒;
    s.盤[x][y] = s.候補駒;
    return 更新(s, 最善, 点, x, y, x2, y2, s.候補駒, 置駒) && MANの王(取得駒);
}

// One drop of kind k on (x2, y2).  Answers true when it mates (or better):
// the search ends there.
bool 打ちを試す(COM作業& s, COM候補& 最善, 評価関数 評価, int k, int x2, int y2) {
    const int 着駒 = 盤上で動かす(s, -1, k, x2, y2, s.候補駒);
    勢力調査(s);
    const double 点 = 評価(s, 空, 着駒, -1, k, x2, y2);
    s.盤[x2][y2] = 空;
    return 更新(s, 最善, 点, -1, k, x2, y2, 0, s.候補駒) && s.最高点 >= 打ち切り点;
}

}  // namespace

COM候補 COM探索(COM作業& s, 探索の合間* 合間, 評価関数 評価) {
    if (!評価) 評価 = 盤評価;
    COM候補 最善;
    s.最高点 = 最低点;
    探索の準備(s);
    const int 持駒数 = s.持駒数_COM;
    if (合間) 合間->調べ始め();

    // Board moves, column by column.  The influence map keeps whatever the
    // last candidate left until the next survey.
    for (int x = 1; x <= 9; ++x) {
        if (合間) 合間->列ごと();
        for (int y = 1; y <= 9; ++y) {
            if (!COMの駒(s.盤[x][y])) continue;
            // The destinations in scan order: a candidate puts the board
            // back exactly, so the list stays true while they are tried.
            const bool 王を取った = 行き先(s, x, y, s.盤[x][y]).順に(
                [&](int x2, int y2) { return 盤の手を試す(s, 最善, 評価, x, y, x2, y2); });
            if (王を取った) return 最善;
        }
    }

    // Drops, pawn first, rook last.
    if (持駒数 > 0) {
        for (int k = 1; k <= 7; ++k) {
            if (合間) 合間->列ごと();
            if (s.持駒_COM[k] <= 0) continue;
            s.候補駒 = k * 100;
            const bool 詰んだ = 行き先(s, 持駒列_COM, k, s.候補駒).順に(
                [&](int x2, int y2) { return 打ちを試す(s, 最善, 評価, k, x2, y2); });
            if (詰んだ) return 最善;
        }
    }
    return 最善;
}

namespace {

// The code after a half turn of the board: the other side's, facing the
// opposite way.
int 半回転(int v) {
    if (v == 空) return 空;
    const int a = 駒絶対(v);
    const int w = a / 10 * 10 + (a % 10 + 2) % 4;
    return v > 0 ? -w : w;
}

// The position as the side to move sees it from the top.
局面 上から見た局面(const 対局& g) {
    局面 k;
    const bool 回す = g.手番() == 下手;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = g.駒(x, y);
            if (回す) k.盤[10 - x][10 - y] = 半回転(v);
            else k.盤[x][y] = v;
        }
    for (int i = 1; i <= 7; ++i) {
        k.持駒_COM[i] = g.持駒(回す ? 下手 : 上手, i);
        k.持駒_MAN[i] = g.持駒(回す ? 上手 : 下手, i);
    }
    return k;
}

}  // namespace

bool 元のCOMの手(const 対局& g, int レベル, COM表& 記憶, 対局の手& 手) {
    盤面状態 局;
    桝色設定(局);
    局.レベル = レベル;  // the top side is 先手 and the bottom 後手, as the search expects
    const 局面 k = 上から見た局面(g);
    局面を置く(局, k);
    // The survey and the search each on a fresh copy of the position, with
    // the memory as the step before left it; the survey's copy first tells
    // the tables where both kings stand.
    auto 作業 = std::make_unique<COM作業>(局, 記憶);
    局面_設定(*作業, k);
    勢力調査(*作業);
    static_cast<盤面状態&>(*作業) = 局;
    const COM候補 c = COM探索(*作業);
    記憶 = *作業;
    if (!c.あり) return false;
    const bool 回す = g.手番() == 下手;
    auto X = [&](int x) { return static_cast<std::int8_t>(回す ? 10 - x : x); };
    手 = {};
    手.先X = X(c.先X);
    手.先Y = X(c.先Y);
    if (c.元X == 持駒列_COM) {
        手.打 = static_cast<std::int8_t>(c.元Y);
    } else {
        手.元X = X(c.元X);
        手.元Y = X(c.元Y);
        手.成 = 駒型(c.置駒) != 駒型(k.盤[c.元X][c.元Y]);
    }
    return g.合法(手);
}
