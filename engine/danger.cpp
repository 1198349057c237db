// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/danger.h"

#include <cstdlib>

#include "core/patterns.h"
#include "core/rules.h"
#include "engine/eval_probes.h"

namespace {

bool 人の歩(int v) { return v <= -100 && v >= -103; }
bool 人の飛(int v) { return v <= -700 && v >= -703; }
bool 人の飛系(int v) { return v <= -700 && v >= -713; }  // rook or promoted rook

// What the fork of the moved piece has found so far.
struct 両取り {
    int 数 = 0;
    int 値 = 9999;
};

// What the human holds in hand, as the terms below ask about it.  Nothing in
// the survey changes a hand, so it is read once per survey rather than once
// per square.
struct 人の持駒 {
    explicit 人の持駒(const COM作業& s)
        : 何か(s.持駒数_MAN != 0),
          歩(s.持駒_MAN[1] > 0),
          香(s.持駒_MAN[2] > 0),
          桂(s.持駒_MAN[3] > 0),
          銀(s.持駒_MAN[4] > 0),
          銀金(s.持駒_MAN[4] > 0 || s.持駒_MAN[5] > 0) {}
    bool 何か, 歩, 香, 桂, 銀, 銀金;
};

// Every term below goes straight onto the routine's one running score 点,
// in the order written: a block keeps no sum of its own, so the score is
// rounded exactly as if all the terms stood in one long sequence.

// Minus the number of computer pieces of code 600 and up (bishops, rooks,
// their promotions and the king) around each empty square, as
// 調査_周辺状況 counts them.  Such pieces are few, so marking around each
// of them once is much cheaper than looking around every empty square; the
// table is made the first time a term asks and stays true for the whole
// survey, which moves nothing for good.  A piece also marks its own square,
// which holds it and so is never asked about.
class 大駒の周り {
public:
    explicit 大駒の周り(const COM作業& s) : s_(s) {}
    int 値(int x, int y) {
        if (!出来た_) 作る();
        return 数_[x][y];
    }

private:
    void 作る() {
        // Rows and columns 0 and 10 take the marks that fall off the board.
        for (auto& 列 : 数_)
            for (int& c : 列) c = 0;
        for (int x = 1; x <= 盤サイズ; ++x)
            for (int y = 1; y <= 盤サイズ; ++y) {
                if (s_.盤[x][y] < 600) continue;
                for (int a = x - 1; a <= x + 1; ++a)
                    for (int b = y - 1; b <= y + 1; ++b) 数_[a][b] -= 1;
            }
        出来た_ = true;
    }

    const COM作業& s_;
    bool 出来た_ = false;
    int 数_[盤サイズ + 2][盤サイズ + 2];
};

// A. An empty square: what the human could do there next.  Kept as one
// routine: the rule list reads best in one piece, and splitting it in two
// made the whole danger survey measurably slower.
void 空き桝(COM作業& s, const 人の持駒& 手, 大駒の周り& 周り, int x, int y, 点数& 点) {
    const int 勢M = s.勢MAN[x][y], 勢C = s.勢COM[x][y];

    // A1. Squares the human already reaches.
    if (勢M > 0) {
        // Around the computer king.
        if (std::abs(x - s.王X_COM) < 2 && std::abs(y - s.王Y_COM) < 2) {
            点 -= 点数::十分の(5 * 勢M);
            if (勢C == 1 && 勢M > 1) 点 -= 10;
            if (手.銀金) 点 -= 10;
        }
        bool 続ける = true;
        if (勢C == 0) {
            if (y > 3) {
                続ける = false;  // deep squares: straight on to the hand terms
            } else {
                点 -= 点数::十分の(1);
                if (調査_自守駒MAN_直進駒(s, x, y) == 真) 点 -= 10;
            }
        }
        // A human pawn about to push into the computer camp.
        if (続ける && y < 4 && 人の歩(s.盤[x][y + 1]) && 勢M >= 勢C) {
            点 -= 30;
            if (調査_自守駒MAN_直進駒(s, x, y + 1) == 真) 点 -= 70;
        }
    }

    // A2. Drops from the human hand.
    if (!手.何か) return;

    // Lance dropped here skewering a computer piece and the one behind it.
    if (手.香 && y > 2 && s.盤[x][y - 1] > 200 && (勢M > 0 || 勢C == 0)) {
        for (int v = y - 2; v >= 1; --v) {
            const int p = s.盤[x][v];
            if (p == 空) continue;
            if (p > 200) 点 -= 点数::十分の(1000 + 5 * p);
            break;
        }
    }
    // Knight dropped here forking two computer pieces.
    if (手.桂 && (勢C == 0 || 勢M > 0) && y > 2 && x >= 2 && x <= 8 && s.盤[x - 1][y - 2] > 100 &&
        s.盤[x + 1][y - 2] > 100)
        点 -= 20;
    // Silver or gold dropped among the computer's heavy pieces.
    if (手.銀金 && 勢C <= 1) {
        const int 周辺 = 周り.値(x, y);
        if (周辺 < -1) 点 -= 5;
        if (勢C == 0 && 周辺 < 0) {
            点 -= 1;
            if (y < 4) 点 -= 10;
        }
    }
    // Squares the computer does not cover at all.
    if (勢C == 0) {
        if (y == 2 && s.盤[x][1] == 300) 点 -= 5;
        if (y < 4) 点 -= 点数::十分の(1);
        // Silver dropped here forking along a diagonal.
        if (手.銀 && y > 1 && y < 9 && x >= 2 && x <= 8) {
            if (s.盤[x - 1][y - 1] >= 100 && s.盤[x + 1][y + 1] >= 100 && s.勢COM[x - 1][y - 1] == 0 &&
                s.勢COM[x + 1][y + 1] == 0)
                点 -= 20;
            if (s.盤[x - 1][y + 1] >= 100 && s.盤[x + 1][y - 1] >= 100 && s.勢COM[x - 1][y + 1] == 0 &&
                s.勢COM[x + 1][y - 1] == 0)
                点 -= 20;
        }
    }
}

// B. A computer piece: is it attacked, and how well is it defended?
void 自駒(COM作業& s, const 人の持駒& 手, int x, int y, 点数& 点) {
    const int p = s.盤[x][y];
    const int 勢M = s.勢MAN[x][y], 勢C = s.勢COM[x][y];

    // B1. King on the back row with the square in front under attack.
    if (COMの王(p) && y == 1 && s.勢MAN[x][2] > 0) {
        点 -= 50;
        if (s.勢MAN[x][2] >= s.勢COM[x][2]) 点 -= 250;
        if (手.銀金) 点 -= 700;
    }
    // B2. Pawn held by a human rook while the human has a pawn to drop.
    if (p >= 100 && p <= 103 && 人の飛(s.弱MAN駒[x][y]) && 手.歩 && 勢M >= 勢C && y < 9 &&
        s.勢COM[x][y + 1] == 1)
        点 -= 5;

    // B3. Attacked pieces.
    if (勢M > 0) {
        const int ax = s.弱MAN_X[x][y], ay = s.弱MAN_Y[x][y];
        // The cheapest attacker may be pinned to its king; then it cannot take.
        const int 不可 = 表内(ax, ay) ? s.移動不可駒[ax][ay] : 偽;
        const int v = 駒絶対(s.弱MAN駒[x][y]);
        if (不可 == 偽 && p > v) 点 -= p - v;
        if (勢C > 0 && 不可 == 偽) {
            if (勢M > 勢C && s.弱COM駒[x][y] >= v) 点 -= p;
            if (y <= 3 && 勢C == 勢M && s.盤[x][y + 1] != 空 && 調査_自守駒MAN_直進駒(s, x, y + 1) == 真)
                点 -= p + 駒絶対(s.弱MAN駒[x][y + 1]);
        }
        if (勢C == 0) {
            点 -= p;
            if (y <= 3) 点 -= 10;
            // A piece that has just captured there has won its prize back.
            if (s.盤_保存[x][y] <= -100) 点 += 駒絶対(s.盤_保存[x][y]);
            if (y < 4 && (s.弱MAN駒[x][y] == -102 || s.弱MAN駒[x][y] == -202)) 点 -= 20;
        }
    }
}

// The squares the moved piece could go on to next, as 移動チェック allows
// them, listed the first time a term asks.  Nothing in the danger survey
// moves a piece for good, so the list stays true for the whole survey.
class 狙い {
public:
    狙い(const COM作業& s, int 駒, int X, int Y) : s_(s), 駒_(駒), X_(X), Y_(Y) {}
    bool 含む(int x, int y) {
        if (!出来た_) {
            集_ = 行き先(s_, X_, Y_, 駒_);
            出来た_ = true;
        }
        return 集_.含む(x, y);
    }

private:
    const COM作業& s_;
    int 駒_, X_, Y_;
    bool 出来た_ = false;
    桝集合 集_;
};

// C. A human piece: new attacks on it, knight and rook patterns, and the
// threats of the moved piece.
void 人駒(COM作業& s, int x, int y, bool 先は安全, 狙い& 狙える, 両取り& 取, 点数& 点) {
    const int p = s.盤[x][y];

    // C1. Newly attacked by the move.
    if (s.勢COM_保存[x][y] == 0 && s.勢COM[x][y] > 0) {
        if (y > 2 && p == -302 && s.勢MAN[x][y - 1] == 0 &&
            (s.盤[x][y - 1] == 400 || s.盤[x][y - 1] == 710 || s.盤[x][y - 1] == 610))
            点 += 1;
        if (std::abs(x - s.王X_COM) < 3 && std::abs(y - s.王Y_COM) < 3) 点 += 15;
    }
    // C2. A knight facing up with a valuable computer piece four rows ahead.
    if (p == -302 && y > 4 && s.盤[x][y - 4] >= 400) {
        if (x > 1 && s.盤[x - 1][y - 2] >= 0 && s.勢COM[x - 1][y - 2] == 0) 点 -= 1;
        if (x < 9 && s.盤[x + 1][y - 2] >= 0 && s.勢COM[x + 1][y - 2] == 0) 点 -= 1;
    } else if ((人の飛系(p) || p == -202) && x == s.王X_COM) {
        // C3. A rook or an upward lance in the computer king's column.
        点 -= 1;
    }
    // C4. Pieces the moved piece now threatens from a square the human
    // cannot reach.
    if (先は安全 && (s.勢MAN[x][y] == 0 || (x == s.王X_MAN && y == s.王Y_MAN)) && 狙える.含む(x, y)) {
        点 += 点数::十分の(1);
        取.数 += 1;
        if (駒絶対(p) < 取.値) 取.値 = 駒絶対(p);
    }
}

}  // namespace

点数 盤評価_COM危険座標(COM作業& s, int 移動駒, int COM移動先X, int COM移動先Y) {
    点数 点 = 0;
    両取り 取;
    const bool 先は安全 = 盤上(COM移動先X, COM移動先Y) && s.勢MAN[COM移動先X][COM移動先Y] == 0;
    狙い 狙える(s, 移動駒, COM移動先X, COM移動先Y);
    const 人の持駒 手(s);
    大駒の周り 周り(s);
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int p = s.盤[x][y];
            if (p == 空) 空き桝(s, 手, 周り, x, y, 点);
            else if (p >= 100) 自駒(s, 手, x, y, 点);
            else if (p <= -100) 人駒(s, x, y, 先は安全, 狙える, 取, 点);
        }
    // A fork: the moved piece attacks two or more loose human pieces.
    if (取.数 > 1) 点 += 取.値;
    return 点;
}

int 盤評価_自角注意_COM(const COM作業& s, int 移動元X, int 移動元Y, int 移動駒) {
    const int p = 移動元X, q = 移動元Y, r = 移動駒;
    // The first bishop square the moved piece (or its unpromoted form) covers.
    int x0 = 0, y0 = 0;
    bool 見つけた = false;
    for (int x = 1; x <= 盤サイズ && !見つけた; ++x)
        for (int y = 1; y <= 盤サイズ; ++y)
            if (s.持角狙座標_MAN[x][y] == 1 &&
                (移動チェック(s, p, q, x, y, r) == 真 || 移動チェック(s, p, q, x, y, r - 10) == 真)) {
                x0 = x;
                y0 = y;
                見つけた = true;
                break;
            }
    if (!見つけた) return 0;
    // Some piece of that code (the moved one included) guards it.
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int v = s.盤[x][y];
            if ((v == r || v == r - 10) && 移動チェック(s, x, y, x0, y0, v) == 真) return r;
        }
    // Or one more of it could be dropped there.
    if (s.持駒_MAN[6] > 0 && 移動チェック(s, -1, 10, x0, y0, r) == 真) return r;
    return 0;
}
