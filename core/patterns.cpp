// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/patterns.h"

桝集合 行き先(const 盤面状態& s, int 元X, int 元Y, int 駒) {
    桝集合 out;
    行き先を巡る(s, 元X, 元Y, 駒, [&](int x, int y) { out.入れる(x, y); });
    return out;
}
