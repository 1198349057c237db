// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/key_cursor.h"

#include <algorithm>

#include "core/pieces.h"

namespace {

// Slot rows of each hand: the bottom hand from pawn to rook downwards, the
// top hand from rook to pawn downwards.
constexpr int 下の駒台_上端 = 持駒行_MAN(1), 下の駒台_下端 = 持駒行_MAN(7);
constexpr int 上の駒台_上端 = 持駒行_COM(7), 上の駒台_下端 = 持駒行_COM(1);

// Against the computer the top hand is the computer's own.
bool 上の駒台を使う(const 状態& s) { return s.操作.対局種別 != 対局_COM; }

}  // namespace

bool カーソル可能(const 状態& s, int 列, int 行) {
    if (盤上(列, 行)) return true;
    if (列 == 持駒列_MAN) return 行 >= 下の駒台_上端 && 行 <= 下の駒台_下端;
    if (列 == 持駒列_COM) return 上の駒台を使う(s) && 行 >= 上の駒台_上端 && 行 <= 上の駒台_下端;
    return false;
}

void カーソル移動(const 状態& s, キーカーソル& k, カーソル向き d) {
    int 列 = k.列, 行 = k.行;
    switch (d) {
        case カーソル向き::上: --行; break;
        case カーソル向き::下: ++行; break;
        case カーソル向き::左:
            if (列 == 持駒列_MAN) 列 = 盤サイズ;
            else if (列 == 1) {
                列 = 持駒列_COM;
                行 = std::clamp(行, 上の駒台_上端, 上の駒台_下端);
            } else --列;
            break;
        case カーソル向き::右:
            if (列 == 持駒列_COM) 列 = 1;
            else if (列 == 盤サイズ) {
                列 = 持駒列_MAN;
                行 = std::clamp(行, 下の駒台_上端, 下の駒台_下端);
            } else ++列;
            break;
    }
    if (カーソル可能(s, 列, 行)) k = {列, 行};
}

void カーソル補正(const 状態& s, キーカーソル& k) {
    // Only the top hand closes; its slot rows are board rows as well.
    if (!カーソル可能(s, k.列, k.行)) k.列 = 1;
}

int カーソル中心X(const キーカーソル& k) { return 盤原点X + 桝幅 * k.列 + 桝幅 / 2; }
int カーソル中心Y(const キーカーソル& k) { return 盤原点Y + 桝高 * k.行 + 桝高 / 2; }
