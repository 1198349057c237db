// SPDX-License-Identifier: GPL-3.0-or-later
// The text game of the command-line tool: moves in, the computer's answers
// out, against the same started program as the window's tests.
#include "front/cli/text_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "play/com_turn.h"
#include "play/commands.h"
#include "core/move.h"
#include "core/rules.h"
#include "tests/control/fixture.h"

namespace {

// ---- the text game ---------------------------------------------------------------

class 文字対局試験 : public 対局試験 {
protected:
    std::ostringstream out;
    std::string 出力() {
        std::string t = out.str();
        out.str("");
        return t;
    }
};

TEST_F(文字対局試験, 行の形と合法でない手) {
    文字対局_開始(s, p, out, false);
    EXPECT_EQ(出力(), "");
    EXPECT_EQ(s.手番, 先手);

    const int 手数 = s.手数;
    for (const char* 行 : {"1 1 1 2", "7 7 7 5", "7 7 7 6 x", "7 7 7", "7 7 7 6 + +", "a b c d", "11 3 5 5", "-1 7 5 5",
                           "7 7 7 10", "77 7 7 6"}) {
        SCOPED_TRACE(行);
        EXPECT_TRUE(文字対局_一行(s, p, 行, out));
        EXPECT_EQ(出力(), "illegal\n");
    }
    EXPECT_EQ(s.手数, 手数);
    EXPECT_TRUE(文字対局_一行(s, p, "   ", out));
    EXPECT_EQ(出力(), "");

    ASSERT_TRUE(文字対局_一行(s, p, " 7 7 7 6 ", out));
    const std::string 答え = 出力();
    EXPECT_EQ(答え.rfind("COM ", 0), 0u) << 答え;
    EXPECT_EQ(s.手数, 2);
    int 元X, 元Y, 先X, 先Y, 置駒, 点;
    ASSERT_EQ(std::sscanf(答え.c_str(), "COM %d %d %d %d %d %d", &元X, &元Y, &先X, &先Y, &置駒, &点), 6);
    EXPECT_EQ(点, s.COM記憶->最高点);
    EXPECT_EQ(std::abs(s.盤[先X][先Y]) / 10, 置駒 / 10);
}

TEST_F(文字対局試験, 後手で始めるとCOMの初手が出る) {
    文字対局_開始(s, p, out, true);
    const std::string 答え = 出力();
    EXPECT_EQ(答え.rfind("COM ", 0), 0u);
    EXPECT_EQ(std::count(答え.begin(), 答え.end(), '\n'), 1);
    EXPECT_EQ(s.手番, 後手);
}

TEST_F(文字対局試験, 終局の後はすべて合法でない) {
    文字対局_開始(s, p, out, false);
    王だけ();
    s.盤[5][2] = MAN_金2;
    EXPECT_TRUE(文字対局_一行(s, p, "5 2 5 1 +", out));
    EXPECT_EQ(出力(), "あなたの勝ちです\n");
    EXPECT_TRUE(文字対局_一行(s, p, "5 9 5 8", out));
    EXPECT_EQ(出力(), "illegal\n");

    // The computer takes the human king.
    初期設定(s, p);
    文字対局_開始(s, p, out, false);
    王だけ();
    s.盤[4][8] = COM_金0;
    s.盤[1][9] = MAN_歩2;
    EXPECT_TRUE(文字対局_一行(s, p, "1 9 1 8", out));
    const std::string 答え = 出力();
    EXPECT_EQ(答え, "COM 4 8 5 9 500 9999\nｺﾝﾋﾟｭｰﾀの勝ちです\n");

    // A full log stops the game before the human's move is made.
    初期設定(s, p);
    文字対局_開始(s, p, out, false);
    s.棋譜手数 = 履歴最大 + 1;
    EXPECT_FALSE(文字対局_一行(s, p, "7 7 7 6", out));
    EXPECT_EQ(出力(), "full\n");
    EXPECT_EQ(s.盤[7][7], MAN_歩2);

    // The human's move takes the last slot: the computer cannot log its own.
    s.棋譜手数 = 履歴最大 - 1;
    EXPECT_FALSE(文字対局_一行(s, p, "7 7 7 6", out));
    EXPECT_EQ(出力(), "full\n");
    EXPECT_EQ(s.盤[7][6], MAN_歩1);
    EXPECT_EQ(s.手番, s.手番_MAN);

    // A computer without a move resigns.
    初期設定(s, p);
    文字対局_開始(s, p, out, false);
    王だけ();
    s.盤[5][1] = 空;
    s.盤[1][1] = COM_王0;
    s.盤[2][1] = COM_歩2;
    s.盤[1][2] = COM_歩1;
    s.盤[2][2] = COM_歩1;
    EXPECT_TRUE(文字対局_一行(s, p, "5 9 5 8", out));
    EXPECT_EQ(出力(), "none\nあなたの勝ちです\n");
    EXPECT_TRUE(文字対局_一行(s, p, "5 8 5 7", out));
    EXPECT_EQ(出力(), "illegal\n");
}

// Every legal move of the human as an input line, the promoting variants
// with " +".
std::vector<std::string> 人の合法手(const 状態& s) {
    std::vector<std::string> 手;
    auto 加える = [&](int x, int y, int 駒) {
        for (int x2 = 1; x2 <= 9; ++x2)
            for (int y2 = 1; y2 <= 9; ++y2) {
                if (移動チェック(s, x, y, x2, y2, 駒) != 真) continue;
                const std::string t =
                    std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x2) + " " + std::to_string(y2);
                手.push_back(t);
                if (x != 11 && (y <= 3 || y2 <= 3)) 手.push_back(t + " +");
            }
    };
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (s.盤[x][y] <= -100) 加える(x, y, s.盤[x][y]);
    for (int k = 1; k <= 7; ++k)
        if (s.持駒_MAN[k] > 0) 加える(11, k + 2, -(k * 100 + 2));
    return 手;
}

// Pieces on the board and in both hands: 40 while both kings stand.
int 駒の総数(const 状態& s) {
    int n = s.持駒数_MAN + s.持駒数_COM;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += s.盤[x][y] != 空;
    return n;
}

TEST_F(文字対局試験, 乱択の相手と各強さで最後まで指す) {
    constexpr int 局数 = 200;
    std::mt19937 乱(20240611);
    int 勝ち[2] = {0, 0}, 満杯 = 0;
    for (int レベル = 1; レベル <= 3; ++レベル) {
        for (int 局 = 0; 局 < 局数; ++局) {
            SCOPED_TRACE("level " + std::to_string(レベル) + " game " + std::to_string(局));
            初期設定(s, p);
            レベル_設定(s, p, レベル);
            文字対局_開始(s, p, out, 局 % 2 == 1);
            bool 続く = true;
            for (int 手 = 0; 手 < 400 && 続く && s.勝者 == 手番_なし; ++手) {
                ASSERT_EQ(s.手番, s.手番_MAN);
                ASSERT_EQ(駒の総数(s), 40);
                出力();
                p.全消去();
                // Now and then a line that is not a move: nothing changes.
                if (乱() % 16 == 0) {
                    const int 前 = s.手数;
                    ASSERT_TRUE(文字対局_一行(s, p, "5 5 5 5", out));
                    ASSERT_EQ(出力(), "illegal\n");
                    ASSERT_EQ(s.手数, 前);
                }
                const auto 候補 = 人の合法手(s);
                ASSERT_FALSE(候補.empty());
                const std::string 行 = 候補[乱() % 候補.size()];
                const int 前 = s.手数;
                続く = 文字対局_一行(s, p, 行, out);
                const std::string 答え = out.str();
                if (!続く) {
                    ASSERT_EQ(答え.substr(答え.size() - 5), "full\n");
                    ++満杯;
                    break;
                }
                ASSERT_NE(答え, "illegal\n") << 行;
                ASSERT_GT(s.手数, 前);
                std::istringstream 行々(答え);
                for (std::string l; std::getline(行々, l);) {
                    if (l == "あなたの勝ちです" || l == "ｺﾝﾋﾟｭｰﾀの勝ちです" || l == "none") continue;
                    int 元X, 元Y, 先X, 先Y, 置駒, 点;
                    ASSERT_EQ(std::sscanf(l.c_str(), "COM %d %d %d %d %d %d", &元X, &元Y, &先X, &先Y, &置駒, &点), 6)
                        << l;
                    ASSERT_EQ(点, s.COM記憶->最高点);
                    ASSERT_EQ(std::abs(s.盤[先X][先Y]) / 10, 置駒 / 10) << l;
                    ASSERT_TRUE(元X == -1 || s.盤[元X][元Y] == 空) << l;
                }
                if (s.勝者 == s.手番_MAN) {
                    ASSERT_EQ(答え.substr(答え.size() - 25), "あなたの勝ちです\n");
                }
                if (s.勝者 == s.手番_COM) {
                    ASSERT_NE(答え.find("ｺﾝﾋﾟｭｰﾀの勝ちです\n"), std::string::npos);
                }
            }
            if (s.勝者 == s.手番_MAN) ++勝ち[0];
            else if (s.勝者 == s.手番_COM) ++勝ち[1];
        }
    }
    // A random mover should hardly ever beat the computer.
    EXPECT_GT(勝ち[1], 3 * 局数 * 9 / 10) << "human " << 勝ち[0] << " full " << 満杯;
}

}  // namespace
