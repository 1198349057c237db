// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/help_diagrams.h"

#include <memory>

#include "core/move.h"
#include "core/rules.h"
#include "core/setup.h"
#include "view/notation.h"

namespace {

// An empty board with the real square colours, nobody's hands, no game.
std::unique_ptr<状態> 空の盤() {
    auto s = std::make_unique<状態>();
    桝色設定(*s);
    return s;
}

}  // namespace

int 移動図::行ける数() const {
    int n = 0;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) n += 行ける[x][y];
    return n;
}

移動図 移動図を作る(int 駒, int X, int Y) {
    移動図 図;
    図.駒 = 駒;
    図.X = X;
    図.Y = Y;
    auto s = 空の盤();
    if (盤上(X, Y)) s->盤[X][Y] = 駒;
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            図.行ける[x][y] = 移動チェック(*s, X, Y, x, y, 駒) == 真;
            図.桝色[x][y] = s->桝色[x][y];
        }
    return 図;
}

std::vector<駒の段> 駒の表() {
    std::vector<駒の段> 表;
    for (int 種 = 1; 種 <= 8; ++種)
        for (int 成 = 0; 成 <= 1; ++成) {
            const int 型 = 種 * 10 + 成;
            if (!有効な駒コード(-型 * 10)) continue;  // gold and king never promote
            駒の段 段{型, 文字列変換(-型 * 10), {}};
            for (int 向き = 0; 向き < 4; ++向き) 段.向き別.push_back(移動図を作る(-(型 * 10 + 向き)));
            表.push_back(std::move(段));
        }
    return 表;
}

回転例 着地の例(int 桝色) {
    auto s = 空の盤();
    回転例 例;
    // The first square of that colour in the middle row, reached by a pawn
    // from the square below it.
    for (int x = 図中心X - 1; x <= 図中心X + 1 && 例.先X == 0; ++x)
        if (s->桝色[x][図中心Y] == 桝色) 例.先X = x;
    if (例.先X == 0) return 例;
    例.桝色 = 桝色;
    例.先Y = 図中心Y;
    例.元X = 例.先X;
    例.元Y = 図中心Y + 1;
    例.前駒 = MAN_歩2;
    s->盤[例.元X][例.元Y] = 例.前駒;
    例.後駒 = 盤の駒を動かす(*s, 例.元X, 例.元Y, 例.先X, 例.先Y, 例.前駒).着後駒;
    return 例;
}

回転例 取る例() {
    auto s = 空の盤();
    回転例 例;
    例.元X = 例.先X = 図中心X;
    例.元Y = 図中心Y + 1;
    例.先Y = 図中心Y;
    例.桝色 = s->桝色[例.先X][例.先Y];
    例.前駒 = MAN_歩2;
    例.取られた駒 = COM_金0;
    s->盤[例.先X][例.先Y] = 例.取られた駒;
    s->盤[例.元X][例.元Y] = 例.前駒;
    例.後駒 = 盤の駒を動かす(*s, 例.元X, 例.元Y, 例.先X, 例.先Y, 例.前駒).着後駒;
    return 例;
}
