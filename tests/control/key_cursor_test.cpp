// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/key_cursor.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "play/mouse.h"
#include "core/pieces.h"

namespace {

using 桝 = std::pair<int, int>;
桝 位置(const キーカーソル& k) { return {k.列, k.行}; }

// Every cell the cursor can reach from (5, 7) with the four keys.
std::set<桝> 行ける所(const 状態& s) {
    std::set<桝> 見た{{5, 7}};
    std::vector<桝> 次{{5, 7}};
    while (!次.empty()) {
        const 桝 c = 次.back();
        次.pop_back();
        for (auto d : {カーソル向き::左, カーソル向き::右, カーソル向き::上, カーソル向き::下}) {
            キーカーソル k{c.first, c.second};
            カーソル移動(s, k, d);
            if (見た.insert(位置(k)).second) 次.push_back(位置(k));
        }
    }
    return 見た;
}

状態 対局(int 種別) {
    状態 s;
    s.操作.対局種別 = 種別;
    return s;
}

}  // namespace

TEST(キーカーソル, 二人なら盤と両方の駒台_COM相手なら人の駒台だけ) {
    for (int 種別 : {対局_人間, 対局_COM}) {
        SCOPED_TRACE(種別);
        const 状態 s = 対局(種別);
        std::set<桝> 期待;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) 期待.insert({c, r});
        for (int r = 3; r <= 9; ++r) 期待.insert({持駒列_MAN, r});
        if (種別 == 対局_人間)
            for (int r = 1; r <= 7; ++r) 期待.insert({持駒列_COM, r});
        EXPECT_EQ(行ける所(s), 期待);
        for (const auto& [c, r] : 期待) EXPECT_TRUE(カーソル可能(s, c, r)) << c << "," << r;
        // Labels, counts and the cells past the hands' ends are not stops.
        for (桝 c : {桝{0, 5}, 桝{10, 5}, 桝{12, 5}, 桝{11, 2}, 桝{11, 10}, 桝{-1, 8}, 桝{-1, 0}, 桝{5, 0}, 桝{5, 10}})
            EXPECT_FALSE(カーソル可能(s, c.first, c.second)) << c.first << "," << c.second;
    }
}

TEST(キーカーソル, 端では止まり_盤の横から隣の駒台の近い枠へ) {
    const 状態 二人 = 対局(対局_人間), 相手COM = 対局(対局_COM);
    struct 例 {
        const 状態& s;
        桝 元;
        カーソル向き d;
        桝 先;
    };
    const std::vector<例> 例一覧 = {
        {二人, {5, 7}, カーソル向き::上, {5, 6}},
        {二人, {5, 1}, カーソル向き::上, {5, 1}},
        {二人, {5, 9}, カーソル向き::下, {5, 9}},
        {二人, {4, 4}, カーソル向き::左, {3, 4}},
        {二人, {4, 4}, カーソル向き::右, {5, 4}},
        // Off the board's sides onto the hands, to the nearest slot.
        {二人, {1, 4}, カーソル向き::左, {-1, 4}},
        {二人, {1, 9}, カーソル向き::左, {-1, 7}},
        {二人, {9, 1}, カーソル向き::右, {11, 3}},
        {二人, {9, 6}, カーソル向き::右, {11, 6}},
        // Back from the hands at the same row.
        {二人, {-1, 2}, カーソル向き::右, {1, 2}},
        {二人, {11, 8}, カーソル向き::左, {9, 8}},
        // The ends of the hands.
        {二人, {-1, 1}, カーソル向き::上, {-1, 1}},
        {二人, {-1, 7}, カーソル向き::下, {-1, 7}},
        {二人, {-1, 3}, カーソル向き::左, {-1, 3}},
        {二人, {11, 3}, カーソル向き::上, {11, 3}},
        {二人, {11, 9}, カーソル向き::下, {11, 9}},
        {二人, {11, 5}, カーソル向き::右, {11, 5}},
        {二人, {11, 5}, カーソル向き::下, {11, 6}},
        // Against the computer its hand is closed.
        {相手COM, {1, 4}, カーソル向き::左, {1, 4}},
        {相手COM, {9, 2}, カーソル向き::右, {11, 3}},
    };
    for (const auto& e : 例一覧) {
        キーカーソル k{e.元.first, e.元.second};
        カーソル移動(e.s, k, e.d);
        EXPECT_EQ(位置(k), e.先) << "from " << e.元.first << "," << e.元.second << " key " << static_cast<int>(e.d);
    }
}

TEST(キーカーソル, 閉じた駒台からは盤の同じ行へ戻る) {
    const 状態 相手COM = 対局(対局_COM), 二人 = 対局(対局_人間);
    for (int r = 1; r <= 7; ++r) {
        キーカーソル k{持駒列_COM, r};
        カーソル補正(二人, k);
        EXPECT_EQ(位置(k), 桝(-1, r));
        カーソル補正(相手COM, k);
        EXPECT_EQ(位置(k), 桝(1, r));
    }
    キーカーソル k{持駒列_MAN, 9};
    カーソル補正(相手COM, k);
    EXPECT_EQ(位置(k), 桝(11, 9));
}

TEST(キーカーソル, 押す点は桝の真ん中で_マウスの桝割りでも同じ桝) {
    EXPECT_EQ(カーソル中心X({5, 7}), 盤原点X + 桝幅 * 5 + 307);
    EXPECT_EQ(カーソル中心Y({5, 7}), 盤原点Y + 桝高 * 7 + 307);
    const 状態 s = 対局(対局_人間);
    for (const auto& [c, r] : 行ける所(s)) {
        const キーカーソル k{c, r};
        EXPECT_EQ(桝列(カーソル中心X(k)), c);
        EXPECT_EQ(桝行(カーソル中心Y(k)), r);
    }
}
