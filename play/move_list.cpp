// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/move_list.h"

#include "play/navigation.h"
#include "view/notation.h"
#include "view/tr.h"

namespace {

// One position of the log, or the board as it stands.
struct 局面の面 {
    const int (*盤)[10];
    const int* 持駒_MAN;
    const int* 持駒_COM;
};

局面の面 記録の面(const 状態& s, int n) {
    const 局面& k = s.記録[n].面;
    return {k.盤, k.持駒_MAN, k.持駒_COM};
}

// The move that turned 前 into 後, or a row with no destination when the
// two are the same.
棋譜一覧の行 差から(const 状態& s, const 局面の面& 前, const 局面の面& 後, int 手目) {
    棋譜一覧の行 r;
    r.手目 = 手目;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int a = 前.盤[x][y], b = 後.盤[x][y];
            if (a != 空 && b == 空) {
                r.元X = x;
                r.元Y = y;
            } else if (b != 空 && a != b && r.先X == 0) {
                r.先X = x;
                r.先Y = y;
            }
        }
    if (r.先X == 0) return r;
    const int 着後 = 後.盤[r.先X][r.先Y];
    const int 符号 = 着後 > 0 ? 1 : -1;
    r.打 = r.元X == 0;
    r.駒 = r.打 ? 符号 * 駒種(着後) * 100 : 前.盤[r.元X][r.元Y];
    r.成 = !r.打 && 成り駒(着後) && !成り駒(r.駒);
    r.取った駒 = 前.盤[r.先X][r.先Y];
    r.向き = 駒向き(着後);
    r.側 = 符号 > 0 ? s.手番_COM : s.手番_MAN;
    return r;
}

// Arrows for the four facings, down the screen first.
const char* const 矢印[4] = {"↓", "←", "↑", "→"};

std::vector<std::string> 桝の文(int x, int y) { return {文字列変換(10 - x), 文字列変換(1000 + y)}; }

}  // namespace

std::vector<棋譜一覧の行> 棋譜一覧(const 状態& s) {
    std::vector<棋譜一覧の行> 行;
    const int 最後 = s.棋譜最終手数 > 履歴最大 ? 履歴最大 : s.棋譜最終手数;
    for (int i = 1; i <= 最後; ++i) 行.push_back(差から(s, 記録の面(s, i - 1), 記録の面(s, i), i));
    // The latest move of a game in progress: from the last slot to the board.
    if (s.棋譜手数 == 最後 + 1 && 最後 >= 0)
        行.push_back(差から(s, 記録の面(s, 最後), {s.盤, s.持駒_MAN, s.持駒_COM}, s.棋譜手数));
    return 行;
}

int 棋譜一覧の今の手(const 状態& s) { return s.棋譜手数; }

棋譜一覧の文 棋譜一覧の文にする(const 棋譜一覧の行& r) {
    棋譜一覧の文 t;
    t.手目 = {std::to_string(r.手目)};
    // Two positions of the log that no single move joins (a record file
    // may hold any positions one after another).
    //: The move list: a step of the log with no move in it.
    if (r.先X == 0) {
        t.移動 = {QT_TRANSLATE_NOOP("Game", "指し手なし")};
        return t;
    }
    //: A side in the move list: 先手 moves first (sente), 後手 second (gote).
    if (r.側 == 先手) t.側 = {QT_TRANSLATE_NOOP("Game", "先手")};
    else if (r.側 == 後手) t.側 = {QT_TRANSLATE_NOOP("Game", "後手")};
    t.駒 = {文字列変換(r.駒)};
    //: A drop in the move list: the piece came from the hand.
    t.移動 = r.打 ? std::vector<std::string>{QT_TRANSLATE_NOOP("Game", "打")} : 桝の文(r.元X, r.元Y);
    t.移動.push_back(" → ");
    for (auto& 部分 : 桝の文(r.先X, r.先Y)) t.移動.push_back(部分);
    //: The move list: the piece promoted on this move.
    if (r.成) t.成 = {QT_TRANSLATE_NOOP("Game", "成")};
    if (r.取った駒 != 空) t.取 = {文字列変換(r.取った駒)};
    t.向き = {矢印[r.向き & 3]};
    return t;
}

void 棋譜一覧_手へ(状態& s, Platform& p, int 手目) {
    while (s.棋譜手数 > 手目) {
        const int 前 = s.棋譜手数;
        REPLAY_Click(s, p);
        if (s.棋譜手数 == 前) return;
    }
    while (s.棋譜手数 < 手目) {
        const int 前 = s.棋譜手数;
        AFTER_Click(s, p);
        if (s.棋譜手数 == 前) return;
    }
}
