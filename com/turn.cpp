#include "com/turn.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "com/influence.h"
#include "com/probes.h"
#include "core/clock.h"
#include "core/move.h"
#include "core/rules.h"
#include "core/setup.h"
#include "eval/board_eval.h"
#include "eval/probes.h"
#include "records/notation.h"
#include "ui/render.h"

namespace {

// Scores below the first real candidate.
constexpr int 最低点 = -99999;
// A drop that mates (or better) ends the search at once.
constexpr int 打ち切り点 = 9998;

bool 人の王(int v) { return v == MAN_王0 || v == MAN_王2 || v == MAN_王3 || v == MAN_王1; }

// Pawns, bishops and rooks are always worth more promoted.
bool 必ず成る駒(int v) {
    return (v >= COM_歩0 && v <= COM_歩3) || (v >= COM_角0 && v <= COM_角3) || (v >= COM_飛0 && v <= COM_飛3);
}

// Keeps a candidate that scores strictly better than the best so far.  The
// best score is kept as a whole number, halves going to the even side, and
// later candidates are compared against that whole number.
bool 更新(状態& s, COM候補& 最善, double 点, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 置駒) {
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

void 時計を進める(状態& s, Platform* p) {
    if (p) Timer1_Timer(s, *p);
}

// The caption left of the board while the computer thinks.
void 思考中を描く(状態& s, Platform& p) {
    描画_絵(s, p, s.背景種類, -2, 8);
    描画_絵(s, p, s.背景種類, -1, 8);
    描画_絵(s, p, s.背景種類, 0, 8);
    描画_桝輪郭(s, p, 背景色, -1, 7);
    描画_数値(s, p, -1.5, 8.5, "思考中", 色_黒, 0, 12);
    描画_数値(s, p, -1.6, 8.4, "思考中", 色_白, 0, 12);
    描画_桝輪郭(s, p, 背景色, 1, 8);
}

bool 王あり(const 状態& s, int 符号) {
    for (int f : {0, 2, 3, 1})
        if (調査_駒存在(s, 符号 * (800 + f)) == 真) return true;
    return false;
}

}  // namespace

COM候補 COM探索(状態& s, Platform* p, 評価関数 評価) {
    if (!評価) 評価 = 盤評価;
    COM候補 最善;
    s.最高点 = 最低点;

    // The position as it stood before the computer's move: the evaluation
    // compares every candidate against it.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.盤_保存[x][y] = s.盤[x][y];
    // The human king's escape squares as the last survey (the end of the
    // human's move) left the influence map.
    s.逃道数_MAN王 = 調査_自王逃道(s);
    勢力調査(s);
    調査_持角狙座標(s);
    調査_移動不可駒(s);
    const int 持駒数 = s.持駒数_COM;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            s.勢MAN_保存[x][y] = s.勢MAN[x][y];
            s.勢COM_保存[x][y] = s.勢COM[x][y];
            s.弱COM攻_X_保存[x][y] = s.弱COM攻_X[x][y];
            s.弱COM攻_Y_保存[x][y] = s.弱COM攻_Y[x][y];
        }
    if (p) p->再描画();

    // Board moves, column by column.  Every candidate is made on the board,
    // surveyed, scored and taken back; the influence map keeps whatever the
    // last candidate left until the next survey.
    for (int x = 1; x <= 9; ++x) {
        時計を進める(s, p);
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
                    勢力調査(s);
                    double 点 = 評価(s, 取得駒, 着駒, x, y, x2, y2);
                    int 置駒 = s.候補駒;
                    if (成れる) {
                        s.盤[x2][y2] = s.成駒;
                        勢力調査(s);
                        const double 成点 = 評価(s, 取得駒, s.成駒, x, y, x2, y2);
                        // The piece is handed over as it stood on its source,
                        // promoted: 駒移動 gives it the quarter turn itself, so
                        // it lands exactly as the promoted code was scored.
                        const int 成って置く = s.候補駒 + 10;
                        if (成点 > 点) {
                            点 = 成点;
                            置駒 = 成って置く;
                        }
                        if (必ず成る駒(s.候補駒)) 置駒 = 成って置く;
                    }

                    s.盤[x2][y2] = 取得駒;
                    s.盤[x][y] = s.候補駒;

                    if (更新(s, 最善, 点, x, y, x2, y2, s.候補駒, 置駒) && 人の王(取得駒))
                        return 最善;  // taking the king: nothing can be better
                }
        }
    }

    // Drops, pawn first, rook last.
    if (持駒数 > 0) {
        for (int k = 1; k <= 7; ++k) {
            時計を進める(s, p);
            if (s.持駒_COM[k] <= 0) continue;
            s.候補駒 = k * 100;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2) {
                    if (移動チェック(s, -1, k, x2, y2, s.候補駒) != 真) continue;
                    const int 着駒 = 駒移動_回転(s, x2, y2, s.候補駒);
                    s.盤[x2][y2] = 着駒;
                    勢力調査(s);
                    const double 点 = 評価(s, 空, 着駒, -1, k, x2, y2);
                    s.盤[x2][y2] = 空;
                    if (更新(s, 最善, 点, -1, k, x2, y2, 0, s.候補駒) && s.最高点 >= 打ち切り点) return 最善;
                }
        }
    }
    return 最善;
}

COM手番結果 com_ban_指す(状態& s, Platform& p, 評価関数 評価) {
    if (s.勝者 != 手番_なし) return {};

    s.開始時刻 = p.時刻();
    if (s.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);
    思考中を描く(s, p);

    const COM候補 手 = COM探索(s, &p, 評価);

    // Nothing to move: the computer resigns.
    if (!手.あり) {
        Timer1_有効(s, p, false);
        s.勝者 = s.手番_MAN;
        p.メッセージ("あなたの勝ちです", "終了", ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指し手なし, 手};
    }
    // The log holds 501 positions; a move that cannot be logged is not made.
    if (調査_記録満杯(s) == 真) {
        Timer1_有効(s, p, false);
        p.メッセージ(記録上限メッセージ, 記録上限題, ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::記録満杯, 手};
    }

    手順保存(s, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.元駒, 手.置駒, s.所有時間_MAN, s.所有時間_MAN, s.所有時間_COM,
             s.所有時間_COM + s.経過秒);
    s.手数 += 1;
    描画_手数(s, p, s.手数, 色_白);

    // The piece blinks where it starts: a hand piece in the top hand, whose
    // slot row r holds kind 8 − r.
    if (手.元X == -1) 描画_駒点滅(s, p, 手.置駒, -1, 8 - 手.元Y, 2);
    else 描画_駒点滅(s, p, 手.元駒, 手.元X, 手.元Y, 2);

    駒移動(s, p, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.置駒);
    待ち時間(p, 0.1);
    p.dsPlay(s.音_駒打);
    s.棋譜手数 += 1;
    Timer1_有効(s, p, false);
    勢力調査(s);  // the map now describes the position the human moves from

    if (!王あり(s, -1)) {
        p.メッセージ("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了", ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指した, 手};
    }
    if (!王あり(s, +1)) {
        p.メッセージ("あなたの勝ちです", "終了", ボタン::OK);
        s.手番 = s.手番_MAN;
        return {COM手番::指した, 手};
    }

    描画_移動結果(s, p, s.手番_COM, 手.先X, 手.先Y, 手.置駒, 色_白);
    描画_桝輪郭(s, p, 色_白, 手.先X, 手.先Y);
    s.所有時間_COM += s.経過秒;
    s.開始時刻 = p.時刻();
    s.手番 = s.手番_MAN;
    if (s.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);
    return {COM手番::指した, 手};
}

void com_ban(状態& s, Platform& p) { com_ban_指す(s, p); }
