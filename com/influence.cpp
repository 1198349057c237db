#include "com/influence.h"

#include "core/rules.h"

namespace {

// One square reached by a piece in a window scan (or over the whole board for
// the long-range pieces).  The caller has already asked 移動チェック, so
// (xx, yy) is on the board and never holds a piece of the scanning side.
inline void 到達記録(状態& s, int p, int x, int y, int xx, int yy) {
    const int 先 = s.盤[xx][yy];
    if (p <= -100) {
        s.勢MAN[xx][yy] += 1;
        // The weakest human attacker of a computer piece is the code nearest
        // to zero.  A pawn takes the square over from anything stored below
        // −100, which includes a pawn of another facing.
        const int 閾値 = (p >= -103) ? -100 : p;
        if (先 >= 100 && s.弱MAN駒[xx][yy] < 閾値) {
            s.弱MAN駒[xx][yy] = p;
            s.弱MAN_X[xx][yy] = x;
            s.弱MAN_Y[xx][yy] = y;
        }
    } else {
        s.勢COM[xx][yy] += 1;
        // Only a computer pawn notes itself as an attacker here; the square
        // it came from is not recorded.
        if (p >= 100 && p <= 103 && 先 <= -100 && s.弱COM攻駒[xx][yy] > 100) s.弱COM攻駒[xx][yy] = p;
        if (!COMの王(p) && MANの王(先)) s.王手COM[x][y] = 9;
    }
}

// Every square of the window x0..x1 × y0..y1 (columns outer, rows inner) that
// the piece may move to.  Window squares off the board are refused by
// 移動チェック before it reads the board.
inline void 窓調査(状態& s, int p, int x, int y, int x0, int x1, int y0, int y1) {
    for (int xx = x0; xx <= x1; ++xx)
        for (int yy = y0; yy <= y1; ++yy)
            if (移動チェック(s, x, y, xx, yy, p) == 真) 到達記録(s, p, x, y, xx, yy);
}

// Bishops, rooks and their promotions look over the whole board.  Only
// squares on one of the piece's eight lines can ever be allowed (a promoted
// piece's extra step lies on them too), so the rest are not asked about; the
// squares reached are exactly those of a full 81-square scan.
inline void 全盤調査(状態& s, int p, int x, int y) {
    for (int xx = 1; xx <= 盤サイズ; ++xx) {
        const int dx = xx - x;
        for (int yy = 1; yy <= 盤サイズ; ++yy) {
            const int dy = yy - y;
            if (dx != 0 && dy != 0 && dx != dy && dx != -dy) continue;
            if (移動チェック(s, x, y, xx, yy, p) == 真) 到達記録(s, p, x, y, xx, yy);
        }
    }
}

// The lance line: walk from the lance one square at a time in (dx, dy).
// The first occupied square counts whichever side holds it; the opponent's
// king is seen through, any other piece ends the line.
void 直進(状態& s, int 駒種類, int 入力X, int 入力Y, int dx, int dy) {
    for (int x = 入力X + dx, y = 入力Y + dy; x >= 1 && x <= 盤サイズ && y >= 1 && y <= 盤サイズ; x += dx, y += dy) {
        const int 先 = s.盤[x][y];
        if (駒種類 <= -100) {
            s.勢MAN[x][y] += 1;
            if (先 <= -100 && s.守MAN駒[x][y] > 駒種類) {
                s.守MAN駒[x][y] = 駒種類;
            } else if (先 >= 100 && s.弱MAN駒[x][y] < 駒種類) {
                s.弱MAN駒[x][y] = 駒種類;
                s.弱MAN_X[x][y] = 入力X;
                s.弱MAN_Y[x][y] = 入力Y;
            }
        }
        if (駒種類 >= 100) {
            s.勢COM[x][y] += 1;
            if (先 >= 100 && s.弱COM駒[x][y] > 駒種類) {
                s.弱COM駒[x][y] = 駒種類;
                s.弱COM_X[x][y] = 入力X;
                s.弱COM_Y[x][y] = 入力Y;
            } else if (先 <= -100 && s.弱COM攻駒[x][y] > 駒種類) {
                s.弱COM攻駒[x][y] = 駒種類;
                s.弱COM攻_X[x][y] = 入力X;
                s.弱COM攻_Y[x][y] = 入力Y;
            }
        }
        const bool 敵王 = (駒種類 >= 100 && MANの王(先)) || (駒種類 <= -100 && COMの王(先));
        if (敵王) {
            if (駒種類 >= 100) {
                // A computer lance gives check: mark the line up to the king
                // (the squares a defender could block on) and the lance.
                for (int bx = 入力X + dx, by = 入力Y + dy; bx != x || by != y; bx += dx, by += dy)
                    s.王手COM[bx][by] = 1;
                s.王手COM[入力X][入力Y] = 9;
            }
            continue;  // the squares behind the king stay covered
        }
        if (先 != 空) break;
    }
}

}  // namespace

void 勢力確定上直進(状態& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 0, -1); }
void 勢力確定下直進(状態& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 0, 1); }
void 勢力確定右直進(状態& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, 1, 0); }
void 勢力確定左直進(状態& s, int 駒種類, int 入力X, int 入力Y) { 直進(s, 駒種類, 入力X, 入力Y, -1, 0); }

void 勢力調査(状態& s) {
    // Rebuild the tables.  弱COM_X/Y, 弱COM攻_X/Y and the king squares are
    // left alone: they only mean something next to their code tables.
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
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

    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            const int p = s.盤[x][y];
            if (p == 空) continue;
            const int a = 駒絶対(p);
            if (a == 200) {
                勢力確定下直進(s, p, x, y);
            } else if (a == 201) {
                勢力確定左直進(s, p, x, y);
            } else if (a == 202) {
                勢力確定上直進(s, p, x, y);
            } else if (a == 203) {
                勢力確定右直進(s, p, x, y);
            } else if (a >= 300 && a <= 303) {
                // Knights jump two squares forward: a 5 × 5 window.
                窓調査(s, p, x, y, x - 2, x + 2, y - 2, y + 2);
            } else if (大駒(p)) {
                全盤調査(s, p, x, y);
            } else if (王(p)) {
                if (p < 0) {
                    s.王X_MAN = x;
                    s.王Y_MAN = y;
                } else {
                    s.王X_COM = x;
                    s.王Y_COM = y;
                }
                窓調査(s, p, x, y, x - 1, x + 1, y - 1, y + 1);
            } else {
                窓調査(s, p, x, y, x - 1, x + 1, y - 1, y + 1);
            }
        }
}
