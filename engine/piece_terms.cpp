// SPDX-License-Identifier: GPL-3.0-or-later
// What the computer knows about each kind of piece it moves.  One branch per
// kind; within a branch the terms run top to bottom and any of them may end
// the evaluation early (a plain return: the score so far stands).
//
// Coordinates: (X, Y) is the destination, rows grow towards the human, so
// the square in front of a computer piece is (X, Y + 1).  A drop comes from
// (−1, kind), which is why a few source comparisons below meet the kind
// number.

#include "engine/piece_terms.h"

#include <cstdlib>

#include "core/patterns.h"
#include "core/rules.h"
#include "engine/eval_probes.h"

namespace {

bool 範囲(int v, int 下, int 上) { return v >= 下 && v <= 上; }

// Computer pieces of one kind, any direction.
bool COM歩(int v) { return 範囲(v, 100, 103); }
bool COM香(int v) { return 範囲(v, 200, 203); }
bool COM金(int v) { return 範囲(v, 500, 503); }
bool COM角(int v) { return 範囲(v, 600, 603); }
bool COM飛(int v) { return 範囲(v, 700, 703); }

// Everything one evaluation call needs, so the branches read like the rules.
struct 手 {
    COM作業& s;
    点数& 点;
    int 取得駒, 移動駒, 元X, 元Y, X, Y;
    bool 打ち() const { return 元X < 0; }
    int 盤(int x, int y) const { return s.盤[x][y]; }
};

// The king keeps to its home rows, off the centre file, near its guards and
// with room to move.
void 王(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    if (Y > 3) m.点 += -(15 + Y);
    if (X != 5) m.点 += 1;
    if (s.移動不可あり == 真) m.点 += 10;
    if (s.勢COM[X][Y] > s.勢COM_保存[X][Y]) m.点 += 1;
    if (調査_移動可場所数(s, X, Y, m.移動駒) < 2) m.点 += -20;
}

// The silver with a gold at its shoulder: the human's usual castle corner.
// True when one side of (X, Y) is occupied and the gold stands diagonally
// up on the other side.
bool 金銀の壁(const 手& m, int X, int Y) {
    return (m.盤(X - 1, Y) != 空 && m.盤(X + 1, Y - 1) == MAN_金2) ||
           (m.盤(X + 1, Y) != 空 && m.盤(X - 1, Y - 1) == MAN_金2);
}

// The rook stands on the human king's file or rank, within two squares.
bool 王に迫る(const COM作業& s, int X, int Y) {
    return (s.王X_MAN == X || s.王Y_MAN == Y) && std::abs(s.王X_MAN - X) < 3 && std::abs(s.王Y_MAN - Y) < 3;
}

// Nothing of the human's reaches the rook, or only the king (facing up)
// while the rook is guarded.
bool 取られない(const COM作業& s, int X, int Y) {
    return s.勢MAN[X][Y] == 0 || (s.弱MAN駒[X][Y] == MAN_王2 && s.勢COM[X][Y] > 0);
}

void 竜(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    m.点 += 調査_周辺状況(s, X, Y);
    if (m.盤(X, Y - 1) == MAN_銀2 && 1 < X && X < 9 && 金銀の壁(m, X, Y)) m.点 += -10;
    // Leaving the back rank from behind the human's silver and gold.
    if (m.元Y == 9 && 盤上(m.元X, 8) && m.盤(m.元X, 8) == MAN_銀2) {
        if (m.元X > 1 && m.盤(m.元X - 1, 8) == MAN_金2) m.点 += 2;
        if (m.元X < 9 && m.盤(m.元X + 1, 8) == MAN_金2) m.点 += 2;
    }
    if (Y == 9 && m.盤(X, 8) <= -100 &&
        ((X == 3 && m.盤(2, 9) <= -100 && m.盤(4, 8) == MAN_金2) ||
         (X == 7 && m.盤(8, 9) <= -100 && m.盤(6, 8) == MAN_金2)))
        m.点 += -150;
    if (取られない(s, X, Y) && 王に迫る(s, X, Y)) m.点 += 100;
}

void 飛車(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    m.点 += 調査_周辺状況(s, X, Y);
    if (m.打ち()) {
        if (Y == 9 && m.盤(X, 8) == MAN_銀2 && 1 < X && X < 9 && 金銀の壁(m, X, Y)) m.点 += -1;
        return;
    }
    // Opening patterns against the human's bishop file.
    if (s.勢MAN[X][Y] == 0 && X == 3 && Y == 4 && m.盤(3, 7) == MAN_角2 && m.盤(3, 6) == MAN_歩2 && m.盤(3, 5) == 空)
        m.点 += 7;
    if (Y < 8 && s.勢MAN[X][Y + 1] > 0) {
        m.点 += -1;
        if (m.盤(X, Y + 2) == MAN_歩2 && m.元Y == Y) m.点 += -5;
    }
    if (Y < 8 && s.勢MAN[m.元X][m.元Y] == 0 && m.元X == 2 && m.元Y == 2 && X == 2 && Y == 3) m.点 += -1;
    // Mobility where it stands safely.
    if (!取られない(s, X, Y)) return;
    const int n = 調査_移動可場所数(s, X, Y, COM_飛0);
    if (n > 1) {
        if (王に迫る(s, X, Y)) m.点 += 100;
    } else {
        m.点 += -35;
    }
}

void 馬(手& m) { m.点 += 調査_周辺状況(m.s, m.X, m.Y); }

void 角(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    m.点 += 調査_周辺状況(s, X, Y);
    // The edge-file pattern: our pawn on (9, 4) against the human's pawn and
    // lance on the ninth file.
    if (Y == 3 && X == 9 && m.盤(9, 4) == COM_歩0 && m.盤(9, 6) == MAN_歩2 && m.盤(9, 9) == MAN_香2) m.点 += -10;
    if (Y < 9 && s.勢MAN[X][Y + 1] > 0) {
        if (調査_移動可場所数(s, X, Y, COM_角0) == 0) m.点 += -100;
    }
    if (Y < 8 && s.勢MAN[X][Y + 1] > 0 && m.盤(X, Y + 2) == MAN_歩2) m.点 += -1;
    if (m.元Y == 3 && m.元X == 9 && m.盤(9, 4) == COM_歩0 && m.盤(9, 6) == MAN_歩2 && s.守MAN駒[9][6] == MAN_香2)
        m.点 += 10;
    if (!m.打ち()) return;
    if (Y > 6) {
        // Dropped deep in the human camp with little room: it gets trapped.
        if (調査_移動可場所数(s, X, Y, COM_角0) <= 3) m.点 += -20;
        return;
    }
    if (Y == 5 && (X == 1 || X == 9) && m.盤(X, 7) == MAN_歩2) m.点 += -10;
    if (X == 4 && Y == 5 && m.盤(5, 8) == MAN_金2) m.点 += -10;
}

void 金(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    // A gold prefers not to wander forward and sideways at once.
    if (Y > m.元Y && X != m.元X) m.点 += 点数::十分の(-5);
    if (Y == 4) {
        if (s.勢MAN[6][4] > 0 && m.盤(6, 4) == COM_角0) m.点 += -5;
        return;
    }
    if (Y != 2) return;
    // Guarding against a bishop drop: the gold on row 2 covering a piece in
    // front that nothing defended, with our bishop two rows down.
    if (s.持駒_MAN[6] == 0) return;
    if (!(s.勢COM_保存[X][Y + 1] == 0 && m.盤(X, Y + 1) >= 100)) return;
    m.点 += 2;
    if (COM角(m.盤(X, Y + 2)) && s.勢COM_保存[X][Y + 2] == 1) m.点 += 125;
}

void 銀(手& m) {
    const int X = m.X, Y = m.Y;
    if (Y <= 1) return;
    if (Y > m.元Y && X == m.元X) {
        if (m.盤(7, 5) == MAN_銀2 || m.盤(8, 5) == MAN_銀2 || m.盤(9, 5) == MAN_銀2) {
            m.点 += 5;
        } else {
            m.点 += 点数::十分の(-1);
        }
    }
    if (m.盤(X, Y - 1) == COM_桂0) m.点 += 点数::十分の(-5);
    if (X == 7 && Y == 3 && m.盤(8, 3) == 空 && m.盤(8, 5) == MAN_歩2) m.点 += 115;
}

void 桂(手& m) {
    const int X = m.X, Y = m.Y;
    m.点 += 点数::十分の(-1);
    if (Y >= 8 || X == 1 || X == 9) return;
    // Both landing squares of the next jump are covered.
    if (m.s.勢MAN[X - 1][Y + 2] > 0 && m.s.勢MAN[X + 1][Y + 2] > 0) m.点 += -1;
    if (X == 7 && Y == 3 && m.盤(8, 4) == COM_角0) m.点 += -5;
}

void 香(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    if (s.持駒_COM[3] > 0) m.点 += 調査_桂狙い(s, X, Y, m.移動駒);
    if (!m.打ち()) {
        if (m.取得駒 == 空) m.点 += 点数::十分の(-9);
        return;
    }
    if (Y >= 8) return;
    // Dropped where a human pawn drop in front would block it.
    if (s.持駒_MAN[1] > 0 && s.勢MAN[X][Y + 1] > 0 && s.勢MAN[X][Y] == 0) m.点 += -10;
    // Only a lance or better of the human's straight in front, on a square
    // we hold at least as well, would make the lance worth more; this game
    // scores no skewer through that piece, so the lance is done either way.
    if (m.盤(X, Y + 1) > -200 || s.勢COM[X][Y] < s.勢MAN[X][Y]) return;
}

void と(手& m) {
    if (m.s.勢COM[m.X][m.Y] >= m.s.勢MAN[m.X][m.Y]) m.点 += 1;
}

// The pawn's terms, one after another in their fixed order, each able to end
// the evaluation.  Kept as one routine on purpose: splitting the list would
// hide which term may stop the ones after it.
void 歩(手& m) {
    COM作業& s = m.s;
    const int X = m.X, Y = m.Y;
    if (s.持駒_COM[2] > 0) m.点 += 調査_香狙い(s, X, Y, m.移動駒);
    if (s.持駒_COM[3] > 0) m.点 += 調査_桂狙い(s, X, Y, m.移動駒);
    // What the pawn touches next: the squares around it that the movement
    // rule lets it go to, listed once.
    const 桝集合 次 = 行き先(s, X, Y, m.移動駒);
    for (int x = X - 1; x <= X + 1; ++x)
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (!次.含む(x, y)) continue;
            const int p = m.盤(x, y);
            if (COM金(p)) m.点 += 点数::十分の(5);
            if (COM飛(p)) m.点 += -1;
            if (s.勢COM[X][Y] >= s.勢MAN[X][Y] && p <= -100) m.点 += 駒絶対(p);
        }
    if (s.勢COM[X][Y] > 0 && 1 < X && X < 9 && (m.盤(X + 1, Y) == 空 || m.盤(X - 1, Y) == 空)) m.点 += -1;
    if (m.打ち()) {
        // A pawn dropped under one of our pieces, when the human could
        // drop a pawn or lance to attack it.
        if (s.勢COM[X][Y] == 0 && Y > 1 && m.盤(X, Y - 1) >= 400 && (s.持駒_MAN[1] > 0 || s.持駒_MAN[2] > 0)) m.点 += 6;
        // Blocking the human's bishop in its home corner.
        if (m.盤(2, 8) == MAN_角2 && X == 2 && Y == 7 && (s.勢MAN[2][7] == 0 || s.勢COM[2][7] > 0)) m.点 += 30;
        return;
    }
    m.点 += 点数::十分の(-1);
    if (Y >= 8) return;
    if (COM香(s.弱COM駒[X][Y])) m.点 += 1;
    if (s.勢MAN[X][Y + 1] == 0 && m.盤(X, Y + 2) <= -300) m.点 += 1;
    if (Y < 7 && COM歩(m.盤(X, Y + 1)) && s.勢MAN[X][Y + 1] > 0) m.点 += -5;
    if (Y < 7 && X < 9 && COM角(m.盤(X + 1, Y))) {
        m.点 += 点数::十分の(5);
        if (COM歩(m.盤(X + 1, Y + 2))) m.点 += 5;
    }
    if (Y < 7 && X > 1 && X == 7 && Y == 4 && m.盤(8, 2) == COM_角0) m.点 += 10;
    if (Y < 7 && X > 1 && COM角(m.盤(X - 1, Y))) {
        m.点 += 点数::十分の(5);
        if (COM歩(m.盤(X - 1, Y + 2))) m.点 += 5;
    }
    // A capture by a pawn that was the only guard of its square.
    if (m.取得駒 <= -100 && s.勢COM[m.元X][m.元Y] == 1) {
        if (Y > 2 && s.弱MAN駒[X][Y] == MAN_香2 && m.盤(X, Y - 2) == 空) {
            m.点 += -5;
        } else {
            m.点 += 5;
        }
        const int 弱 = s.弱MAN駒[X][Y];
        if (範囲(m.取得駒, -103, -100) && (範囲(弱, -203, -200) || 範囲(弱, -703, -700))) m.点 += 50;
    }
    // Face to face with a human piece.
    if (m.盤(X, Y + 1) > -100) return;
    if (s.勢COM[X][Y] > s.勢MAN[X][Y]) {
        m.点 += 1;
        return;
    }
    if (m.盤(X, Y + 1) == MAN_歩0) {
        m.点 += -5;
        return;
    }
    if (s.勢COM[X][Y] > 0) {
        if (s.勢COM_保存[X][Y + 1] > 0 && s.勢MAN_保存[X][Y + 1] == 0) {
            m.点 += -1;
        } else if (s.勢COM[X][Y] >= s.勢MAN[X][Y]) {
            m.点 += 5;
        }
        return;
    }
    if (s.勢COM[X][Y] == 0 && s.勢MAN[X][Y] == 0) m.点 += 1;
}

}  // namespace

void 駒別評価(COM作業& s, 点数& 点, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    手 m{s, 点, 取得駒, 移動駒, 移動元X, 移動元Y, 移動先X, 移動先Y};
    if (範囲(移動駒, 800, 803)) 王(m);
    else if (範囲(移動駒, 710, 713)) 竜(m);
    else if (範囲(移動駒, 700, 703)) 飛車(m);
    else if (範囲(移動駒, 610, 613)) 馬(m);
    else if (範囲(移動駒, 600, 603)) 角(m);
    else if (範囲(移動駒, 500, 503)) 金(m);
    else if (範囲(移動駒, 400, 403)) 銀(m);
    else if (範囲(移動駒, 300, 303)) 桂(m);
    else if (範囲(移動駒, 200, 203)) 香(m);
    else if (範囲(移動駒, 110, 113)) と(m);
    else if (範囲(移動駒, 100, 103)) 歩(m);
    // Promoted lances, knights and silvers have nothing of their own.
}
