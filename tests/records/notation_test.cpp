// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/notation.h"

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"

TEST(文字列変換, 筋と段と駒の名前) {
    const std::pair<int, const char*> 表[] = {
        {1, "１"},   {9, "９"},      {1001, "一"}, {1006, "六"},   {1009, "九"}, {-102, "歩"},  {113, "と"},
        {200, "香"}, {-211, "香成"}, {303, "桂"},  {-310, "桂成"}, {401, "銀"},  {412, "銀成"}, {-503, "金"},
        {600, "角"}, {-612, "角成"}, {-702, "飛"}, {-712, "飛成"}, {803, "王"},  {-800, "王"},  {0, ""},
        {10, ""},    {1000, ""},     {1010, ""},   {512, ""},      {-810, ""},   {804, ""},     {120, ""},
    };
    for (auto [v, n] : 表) EXPECT_EQ(文字列変換(v), n) << v;
}

namespace {
struct 字 {
    int x, y, 色;
    std::string t;
    bool operator==(const 字&) const = default;
};
std::vector<字> 字だけ(const FakePlatform& p) {
    std::vector<字> out;
    for (const auto& d : p.描画)
        if (d.種類 == 描画記録::文字 && d.大きさ == 12) out.push_back({d.x, d.y, d.色, d.文字列});
    return out;
}
}  // namespace

// Each part: the black shadow, then the text 0.1 cell up and left of it.
TEST(描画_移動結果, 下の手番の欄) {
    状態 s;
    s.手番_MAN = 先手, s.手番_COM = 後手;
    FakePlatform p;
    描画_移動結果(s, p, 先手, 3, 6, -102, 色_白);
    for (int c = 12; c <= 14; ++c) EXPECT_EQ(p.絵の履歴(c, 2), std::vector<int>{背景_緑});
    const std::vector<字> 期待{
        {8738, 1638, 色_黒, "７"}, {8676, 1576, 色_白, "７"}, {8984, 1638, 色_黒, "六"},
        {8922, 1576, 色_白, "六"}, {9353, 1638, 色_黒, "歩"}, {9291, 1576, 色_白, "歩"},
    };
    EXPECT_EQ(字だけ(p), 期待);
    EXPECT_EQ(p.描画.size(), 9u);  // nothing else: the top slot is untouched
}

TEST(描画_移動結果, 上の手番の欄と枠の直し) {
    状態 s;
    FakePlatform p;
    描画_移動結果(s, p, s.手番_COM, 5, 1, 803, 色_白);
    for (int c = -2; c <= 0; ++c) EXPECT_EQ(p.絵の履歴(c, 8), std::vector<int>{背景_緑});
    auto t = 字だけ(p);
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0], (字{128, 5328, 色_黒, "５"}));
    EXPECT_EQ(t[1], (字{66, 5266, 色_白, "５"}));
    EXPECT_EQ(t[3].t, "一");
    EXPECT_EQ(t[5], (字{681, 5266, 色_白, "王"}));
    // The outline of square (1, 8) is put back last.
    const auto& d = p.描画.back();
    EXPECT_TRUE(d.種類 == 描画記録::枠 && d.x == 1665 && d.y == 5020 && d.色 == 背景色);

    p.描画.clear();
    描画_移動結果(s, p, 手番_なし, 5, 1, 803, 色_白);
    EXPECT_TRUE(p.描画.empty());
}
