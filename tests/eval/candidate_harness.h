// SPDX-License-Identifier: GPL-3.0-or-later
// Candidate positions for the evaluation tests, prepared exactly as the
// computer's turn prepares them: the turn's surveys and snapshots on the
// position before the move, then the candidate made on the board, the
// influence map rebuilt, the routine called, and the board put back.
#pragma once

#include <cstring>

#include "engine/influence.h"
#include "engine/turn_probes.h"
#include "core/move.h"
#include "engine/board_eval.h"
#include "engine/danger.h"
#include "engine/piece_terms.h"
#include "engine/eval_probes.h"
#include "eval_test_util.h"

namespace eval_test {

struct 候補局面 : ::testing::Test {
    std::unique_ptr<COM作業> p = 新しい状態();
    COM作業& s = *p;

    // What the last candidate looked like, for the expectations.
    int 取得 = 空, 着駒 = 空;
    double 危険 = 0;   // 盤評価_COM危険座標 of the candidate position
    int 自角 = 0;      // 盤評価_自角注意_COM of the candidate position
    int 残り逃道 = 0;  // 調査_自王逃道 of the candidate position

    void 置く(int x, int y, int v) { s.盤[x][y] = v; }
    // An empty board and empty hands, for a second position in one test.
    void 片付ける() {
        std::memset(s.盤, 0, sizeof s.盤);
        std::memset(s.持駒_MAN, 0, sizeof s.持駒_MAN);
        std::memset(s.持駒_COM, 0, sizeof s.持駒_COM);
        s.持駒数_MAN = s.持駒数_COM = 0;
    }
    void 持駒_COMに(int k, int n) {
        s.持駒数_COM += n - s.持駒_COM[k];
        s.持駒_COM[k] = n;
    }

    // The start of the computer's turn.  The human's move ended with a
    // survey; then the board is copied, the human king's escapes counted,
    // the position surveyed and probed, and the tables copied.
    void 手番開始() {
        勢力調査(s);
        std::memcpy(s.盤_保存, s.盤, sizeof s.盤);
        s.逃道数_MAN王 = 調査_自王逃道(s);
        勢力調査(s);
        調査_持角狙座標(s);
        調査_移動不可駒(s);
        std::memcpy(s.勢MAN_保存, s.勢MAN, sizeof s.勢MAN);
        std::memcpy(s.勢COM_保存, s.勢COM, sizeof s.勢COM);
        std::memcpy(s.弱COM攻_X_保存, s.弱COM攻_X, sizeof s.弱COM攻_X);
        std::memcpy(s.弱COM攻_Y_保存, s.弱COM攻_Y, sizeof s.弱COM攻_Y);
    }

    // Makes a board move (promoted when asked: the turned code plus ten),
    // surveys, runs f(取得駒, 移動駒) and restores the board.  The routine
    // must leave board, hands and every table as it found them.
    template <class F>
    double 指す(int x, int y, int x2, int y2, bool 成る, F&& f) {
        s.候補駒 = s.盤[x][y];
        const int dx = x - s.王X_MAN < 0 ? s.王X_MAN - x : x - s.王X_MAN;
        const int dy = y - s.王Y_MAN < 0 ? s.王Y_MAN - y : y - s.王Y_MAN;
        s.移動元王距離 = dx > dy ? dx : dy;
        取得 = s.盤[x2][y2];
        s.盤[x][y] = 空;
        着駒 = 駒移動_回転(s, x2, y2, s.候補駒);
        if (成る) 着駒 += 10;
        s.盤[x2][y2] = 着駒;
        const double 点 = 調べる(x2, y2, f);
        s.盤[x2][y2] = 取得;
        s.盤[x][y] = s.候補駒;
        return 点;
    }

    // A drop of kind k from the computer's hand.
    template <class F>
    double 打つ(int k, int x2, int y2, F&& f) {
        s.候補駒 = k * 100;
        取得 = 空;
        着駒 = 駒移動_回転(s, x2, y2, s.候補駒);
        s.盤[x2][y2] = 着駒;
        const double 点 = 調べる(x2, y2, f);
        s.盤[x2][y2] = 空;
        return 点;
    }

    // The whole evaluation.
    double 評価(int x, int y, int x2, int y2, bool 成る = false) {
        return 指す(x, y, x2, y2, 成る, [&](int a, int b) { return 盤評価(s, a, b, x, y, x2, y2); });
    }
    double 打ち評価(int k, int x2, int y2) {
        return 打つ(k, x2, y2, [&](int a, int b) { return 盤評価(s, a, b, -1, k, x2, y2); });
    }

    // The piece terms alone, starting from 0.
    double 駒別(int x, int y, int x2, int y2, bool 成る = false) {
        return 指す(x, y, x2, y2, 成る, [&](int a, int b) {
            点数 点 = 0;
            駒別評価(s, 点, a, b, x, y, x2, y2);
            return 点.実数();
        });
    }
    double 打ち駒別(int k, int x2, int y2) {
        return 打つ(k, x2, y2, [&](int a, int b) {
            点数 点 = 0;
            駒別評価(s, 点, a, b, -1, k, x2, y2);
            return 点.実数();
        });
    }

private:
    template <class F>
    double 調べる(int x2, int y2, F& f) {
        勢力調査(s);
        // The other engineers' terms, taken from the same position so the
        // tests can state only the terms of the board evaluation itself.
        危険 = 変えずに(s, [&] { return 盤評価_COM危険座標(s, 着駒, x2, y2).実数(); });
        自角 = 盤評価_自角注意_COM(s, x2, y2, 着駒);
        残り逃道 = 調査_自王逃道(s);
        return 変えずに(s, [&] { return f(取得, 着駒); });
    }
};

}  // namespace eval_test
