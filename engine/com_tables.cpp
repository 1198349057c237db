// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/com_tables.h"

void 王を見た(COM表& t, int 符号, int x, int y) {
    if (符号 < 0) {
        t.王X_MAN = x;
        t.王Y_MAN = y;
    } else {
        t.王X_COM = x;
        t.王Y_COM = y;
    }
}

void 局面_設定(COM作業& w, const 局面& k) {
    局面を置く(w, k);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = k.盤[x][y];
            if (MANの王(v)) 王を見た(w, -1, x, y);
            else if (COMの王(v)) 王を見た(w, +1, x, y);
        }
}

std::span<const COM表の項目> COM表の項目一覧() {
    static constexpr COM表の項目 一覧[] = {
        {"COM.勢MAN", &COM表::勢MAN},
        {"COM.勢COM", &COM表::勢COM},
        {"COM.弱MAN駒", &COM表::弱MAN駒},
        {"COM.弱MAN_X", &COM表::弱MAN_X},
        {"COM.弱MAN_Y", &COM表::弱MAN_Y},
        {"COM.弱COM駒", &COM表::弱COM駒},
        {"COM.弱COM_X", &COM表::弱COM_X},
        {"COM.弱COM_Y", &COM表::弱COM_Y},
        {"COM.弱COM攻駒", &COM表::弱COM攻駒},
        {"COM.弱COM攻_X", &COM表::弱COM攻_X},
        {"COM.弱COM攻_Y", &COM表::弱COM攻_Y},
        {"COM.守MAN駒", &COM表::守MAN駒},
        {"COM.王手COM", &COM表::王手COM},
        {"COM.盤_保存", &COM表::盤_保存},
        {"COM.勢MAN_保存", &COM表::勢MAN_保存},
        {"COM.勢COM_保存", &COM表::勢COM_保存},
        {"COM.弱COM攻_X_保存", &COM表::弱COM攻_X_保存},
        {"COM.弱COM攻_Y_保存", &COM表::弱COM攻_Y_保存},
        {"COM.移動不可駒", &COM表::移動不可駒},
        {"COM.持角狙座標_MAN", &COM表::持角狙座標_MAN},
        {"COM.王X_COM", nullptr, &COM表::王X_COM},
        {"COM.王Y_COM", nullptr, &COM表::王Y_COM},
        {"COM.逃道数_MAN王", nullptr, &COM表::逃道数_MAN王},
        {"COM.移動元王距離", nullptr, &COM表::移動元王距離},
        {"COM.候補駒", nullptr, &COM表::候補駒},
        {"COM.最高点", nullptr, &COM表::最高点},
        {"COM.移動不可あり", nullptr, &COM表::移動不可あり},
        {"COM.王X_MAN", nullptr, &COM表::王X_MAN, 0, 9},
        {"COM.王Y_MAN", nullptr, &COM表::王Y_MAN, 0, 9},
    };
    return 一覧;
}
