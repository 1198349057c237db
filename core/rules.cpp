#include "core/rules.h"

#include <cstdlib>

namespace {

// Forward step of each facing.
constexpr int 前DX[4] = {0, -1, 0, 1};
constexpr int 前DY[4] = {1, 0, -1, 0};

int 符号(int v) { return (v > 0) - (v < 0); }

// Express (dx, dy) in the piece's own frame: f = steps forward, r = steps
// sideways.  Every pattern is symmetric left/right, so which side counts as
// positive does not matter.
void 自分向き(int facing, int dx, int dy, int& f, int& r) {
    const int fx = 前DX[facing], fy = 前DY[facing];
    f = dx * fx + dy * fy;
    r = dx * -fy + dy * fx;
}

bool 金の動き(int f, int r) {
    // forward, forward diagonals, sideways, straight back
    if (f == 1 && r >= -1 && r <= 1) return true;
    if (f == 0 && (r == 1 || r == -1)) return true;
    return f == -1 && r == 0;
}

}  // namespace

int 移動チェック飛車(const 状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (移動元X == 移動先X) {
        const int step = 符号(移動先Y - 移動元Y);
        for (int y = 移動元Y + step; y != 移動先Y; y += step)
            if (s.盤[移動元X][y] != 空) return 偽;
        return 真;
    }
    if (移動元Y == 移動先Y) {
        const int step = 符号(移動先X - 移動元X);
        for (int x = 移動元X + step; x != 移動先X; x += step)
            if (s.盤[x][移動元Y] != 空) return 偽;
        return 真;
    }
    return 偽;
}

int 移動チェック角(const 状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (std::abs(dx) != std::abs(dy)) return 偽;
    const int sx = 符号(dx), sy = 符号(dy);
    for (int x = 移動元X + sx, y = 移動元Y + sy; x != 移動先X; x += sx, y += sy)
        if (s.盤[x][y] != 空) return 偽;
    return 真;
}

// The numbered tests below run in their fixed order and the first that
// answers decides; the routine is kept whole so that the order reads at a
// glance, the movement patterns last.
int 移動チェック(const 状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類) {
    // 1. The destination is on the board.
    if (移動先X < 1 || 移動先X > 盤サイズ || 移動先Y < 1 || 移動先Y > 盤サイズ) return 偽;
    // 2. Source and destination differ.
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return 偽;
    // 3. Never onto a piece of one's own side.
    const int 先 = s.盤[移動先X][移動先Y];
    if (移動駒種類 >= 100 && 先 >= 100) return 偽;
    if (移動駒種類 <= -100 && 先 <= -100) return 偽;

    const bool 盤上 = 移動元X >= 1 && 移動元X <= 盤サイズ;
    if (!盤上) {
        // 4./5. A drop goes to any empty square, from the owner's hand only.
        // Any other off-board source has no movement pattern to walk.
        if (先 != 空) return 偽;
        if (移動元X == 11 && 移動駒種類 <= -100) return 真;
        if (移動元X == -1 && 移動駒種類 >= 100) return 真;
        return 偽;
    }
    if (移動元Y < 1 || 移動元Y > 盤サイズ) return 偽;
    if (移動駒種類 == 0 || !有効な駒コード(移動駒種類)) return 偽;

    // 6. The movement pattern of the piece turned to its facing.
    const int type = 駒型(移動駒種類), facing = 駒向き(移動駒種類);
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    int f, r;
    自分向き(facing, dx, dy, f, r);
    const bool 隣 = dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;

    switch (type) {
        case 10:  // 歩
            return (f == 1 && r == 0) ? 真 : 偽;
        case 11:
        case 21:
        case 31:
        case 41:
        case 50: return 金の動き(f, r) ? 真 : 偽;
        case 20: {  // 香: straight forward, path clear
            if (r != 0 || f < 1) return 偽;
            const int sx = 前DX[facing], sy = 前DY[facing];
            for (int k = 1; k < f; ++k)
                if (s.盤[移動元X + k * sx][移動元Y + k * sy] != 空) return 偽;
            return 真;
        }
        case 30:  // 桂: jumps
            return (f == 2 && (r == 1 || r == -1)) ? 真 : 偽;
        case 40:  // 銀
            if (f == 1 && r >= -1 && r <= 1) return 真;
            return (f == -1 && (r == 1 || r == -1)) ? 真 : 偽;
        case 60: return 移動チェック角(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 61:
            if (隣) return 真;
            return 移動チェック角(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 70: return 移動チェック飛車(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 71:
            if (隣) return 真;
            return 移動チェック飛車(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
        case 80: return 隣 ? 真 : 偽;
        default: return 偽;
    }
}
