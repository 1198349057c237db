// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons and puzzles as the player meets them: each lesson done by its
// own moves, a wrong move explained and the task tried again; a puzzle
// solved against the best defence, a wrong move refuted, hints, the streak
// and the progress kept in the preferences.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "learn/lessons.h"
#include "learn/puzzles.h"

namespace {

std::vector<対局の手> 手順(const std::string& s) {
    std::vector<対局の手> v;
    std::size_t a = 0;
    while (a < s.size()) {
        const std::size_t b = std::min(s.find(',', a), s.size());
        対局の手 m;
        EXPECT_TRUE(手を読む(s.substr(a, b - a), m)) << s;
        v.push_back(m);
        a = b + 1;
    }
    return v;
}

TEST(入門, どの課題も手順どおりに指せばできる) {
    ASSERT_GE(課題一覧().size(), 15u);
    ASSERT_LE(課題一覧().size(), 25u);
    for (int i = 0; i < static_cast<int>(課題一覧().size()); ++i) {
        課題の進行 p(i);
        SCOPED_TRACE(p.今の課題().題);
        EXPECT_FALSE(課題ができた(p.今の課題(), p.局面())) << "done before a move";
        const auto v = 手順(p.今の課題().手順);
        ASSERT_EQ(static_cast<int>(v.size()), p.今の課題().手数);
        for (std::size_t k = 0; k < v.size(); ++k) {
            const 課題の手 r = p.指す(v[k]);
            EXPECT_EQ(r.結果, k + 1 == v.size() ? 課題の手::できた : 課題の手::続く) << "move " << k + 1;
        }
        EXPECT_TRUE(p.できた());
        EXPECT_TRUE(p.終わった());
    }
}

// A move that cannot lead to the goal ends the task: the window explains
// what the piece did (where it landed, which way it turned); the task then
// starts again.
TEST(入門, 違う手は説明されてやり直せる) {
    // The king steps onto teal and turns: the pawn can no longer be made
    // to face right with no moves left.
    課題の進行 p(9);
    const 課題の手 r = p.指す(手順("9998")[0]);
    EXPECT_EQ(r.結果, 課題の手::違う);
    EXPECT_EQ(r.回り, -1);  // 9 + 8 is odd: teal, anticlockwise
    EXPECT_EQ(r.駒, MAN_王1);
    EXPECT_TRUE(p.終わった());
    EXPECT_FALSE(p.できた());
    EXPECT_EQ(p.指す(手順("5857")[0]).結果, 課題の手::反則) << "no move after the end";
    p.やり直す();
    EXPECT_EQ(p.指す(手順("5857")[0]).結果, 課題の手::できた);

    struct 例 {
        int 課題;
        const char* 手;
        課題の手::種類 結果;
        int 駒;
        int 回り;
    };
    const 例 例々[] = {
        {10, "5756", 課題の手::できた, MAN_歩1, -1},  // teal: up becomes left
        {9, "5857", 課題の手::できた, MAN_歩3, 1},    // green: up becomes right
        {11, "5857", 課題の手::続く, MAN_歩3, 1},     // aims at the gold
        {11, "9989", 課題の手::違う, MAN_王1, -1},    // the pawn can no longer reach it
        {12, "5955", 課題の手::続く, MAN_香2, 0},     // a capture keeps the facing
        {13, "G*55", 課題の手::続く, MAN_金3, 1},     // up, then clockwise: right
        {13, "G*65", 課題の手::反則, 空, 0},          // the silver stands there
        {16, "6463", 課題の手::違う, MAN_歩1, -1},    // not promoted: faces left, cannot reach
        {14, "L*56", 課題の手::違う, MAN_香1, -1},    // teal: faces left, away from the king
    };
    for (const 例& e : 例々) {
        課題の進行 q(e.課題);
        SCOPED_TRACE(std::string(q.今の課題().題) + " " + e.手);
        const 課題の手 r2 = q.指す(手順(e.手)[0]);
        EXPECT_EQ(r2.結果, e.結果);
        if (e.結果 == 課題の手::反則) continue;
        EXPECT_EQ(r2.駒, e.駒);
        EXPECT_EQ(r2.回り, e.回り);
    }
}

TEST(入門, 済んだ課題の記録) {
    std::vector<bool> v(課題一覧().size(), false);
    v[0] = v[4] = true;
    EXPECT_EQ(入門の記録(v), "1,5");
    EXPECT_EQ(入門の記録を読む("1,5,x,999,-2"), v);
    EXPECT_EQ(入門の記録を読む(""), std::vector<bool>(課題一覧().size(), false));
}

// Two small puzzles (the shipped ones are proved by the CLI test): a win
// in two by a gold drop beside the king in the corner, and a win in one.
const char* 二手 =
    "........k0/........./........P2/........./........./........./........./........./K2........ G b 2 G*71,G*92 2 10 "
    "100";
const char* 一手 =
    "....k0..../........./........./........./........./........./........./....R2..../........K2 - b 1 5851,5851+ 1 0 "
    "3";

TEST(練習問題, 最善の受けに対して解く) {
    std::vector<問題> 集(2);
    ASSERT_TRUE(問題を読む(二手, 集[0]));
    ASSERT_TRUE(問題を読む(一手, 集[1]));
    問題の進行 p(集);
    // A hint, then the winning move: solved, but not at the first try.
    対局の手 h;
    ASSERT_TRUE(p.ヒント(h));
    EXPECT_EQ(手の文字(h), "G*71");
    問題の手 r = p.指す(h);
    EXPECT_EQ(r.結果, 問題の手::続く);
    EXPECT_TRUE(r.受けあり);
    EXPECT_EQ(p.残り(), 1);
    const auto 答え = p.答え();
    ASSERT_FALSE(答え.empty());
    r = p.指す(答え.front());
    EXPECT_EQ(r.結果, 問題の手::解けた);
    EXPECT_TRUE(p.解いた(0));
    EXPECT_EQ(p.連続(), 0);
    // The next one at the first try.
    p.始める(1);
    EXPECT_EQ(p.指す(手順("5851+")[0]).結果, 問題の手::解けた);
    EXPECT_EQ(p.連続(), 1);
    EXPECT_EQ(p.最高(), 1);
    // A wrong move: the defender refutes it, the streak is gone.
    p.始める(0);
    r = p.指す(手順("1918")[0]);
    EXPECT_EQ(r.結果, 問題の手::違う);
    EXPECT_TRUE(p.終わった());
    EXPECT_EQ(p.連続(), 0);
    EXPECT_EQ(p.最高(), 1);
    EXPECT_EQ(p.指す(手順("G*71")[0]).結果, 問題の手::反則);
    p.やり直す();
    EXPECT_EQ(p.指す(手順("G*92")[0]).結果, 問題の手::続く);

    // The progress in the preferences, and back.
    好み設定 s;
    p.記録を書く(s);
    EXPECT_EQ(s.値(好み_問題_解いた), "1,2");
    EXPECT_EQ(s.値(好み_問題_最高), "1");
    EXPECT_EQ(s.値(好み_問題_今), "1");
    問題の進行 q(集);
    q.記録を読む(s);
    EXPECT_TRUE(q.解いた(0));
    EXPECT_TRUE(q.解いた(1));
    EXPECT_EQ(q.解いた数(), 2);
    EXPECT_EQ(q.最高(), 1);
}

TEST(練習問題, ファイルの行) {
    問題 p;
    ASSERT_TRUE(問題を読む(二手, p));
    EXPECT_EQ(問題の行(p), 二手);
    struct 悪い {
        const char* 行;
        const char* 理由;
    };
    const 悪い 悪い行[] = {
        {"x - b 1 5851 1 0 3", "not a position with both kings"},
        {"....k0..../........./........./........./........./........./........./....R2..../........K2 - b 4 5851 1 0 "
         "3",
         "length not 1..3"},
        {"....k0..../........./........./........./........./........./........./....R2..../........K2 - b 1 5847 1 0 "
         "3",
         "a move that is not legal there"},
        {"....k0..../........./........./........./........./........./........./....R2..../........K2 - b 1 5851 1 0",
         "not eight fields"},
        {"....k0..../........./........./........./........./........./........./....R2..../.........K2 - b 1 5851 1 0 "
         "3",
         "not a position with both kings"},
    };
    for (const auto& b : 悪い行) {
        std::string 理由;
        EXPECT_FALSE(問題を読む(b.行, p, &理由)) << b.行;
        EXPECT_EQ(理由, b.理由) << b.行;
    }
    std::vector<int> 悪い番;
    const auto v = 問題集を読む(std::string("# c\n\n") + 一手 + "\nbad\n" + 二手 + "\r\n", &悪い番);
    EXPECT_EQ(v.size(), 2u);
    EXPECT_EQ(悪い番, std::vector<int>{4});
}

}  // namespace
