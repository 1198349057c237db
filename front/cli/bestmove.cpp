// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli bestmove: the computer's choice in one position, read from
// standard input as a move line of a record file.
#include <atomic>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "front/cli/commands.h"
#include "view/course.h"
#include "front/cli/input_line.h"
#include "front/cli/numbers.h"
#include "front/cli/players.h"
#include "front/cli/silent.h"
#include "engine/influence.h"
#include "engine/turn.h"
#include "play/com_turn.h"
#include "core/game_state.h"
#include "core/move.h"
#include "store/record_file.h"

namespace {

int 失敗(const std::string& 理由) {
    std::cerr << "vezuvire-cli bestmove: " << 理由 << "\n";
    return 2;
}

}  // namespace

int cli_bestmove(int argc, char** argv) {
    int レベル = 3;
    対局者設定 深い;  // levels 4 and up
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        long long n = 0;
        if (a == "--level" && i + 1 < argc && レベルを読む(argv[i + 1], レベル)) {
            ++i;
        } else if (a == "--threads" && i + 1 < argc && 整数を読む(argv[i + 1], n) && n >= 1 && n <= 64) {
            深い.スレッド数 = static_cast<int>(n);
            ++i;
        } else if (a == "--seed" && i + 1 < argc && 整数を読む(argv[i + 1], n) && n >= 0) {
            深い.種 = static_cast<std::uint64_t>(n);
            ++i;
        } else if (a == "--legacy") {
            深い.旧 = true;
        } else if (a == "--help" || a == "-h") {
            std::cout
                << "usage: vezuvire-cli bestmove [--level N] [--threads N] [--seed S] [--legacy] < position-line\n";
            return 0;
        } else {
            return 失敗("unknown or incomplete argument '" + a + "'");
        }
    }

    std::string 行;
    const int 読めた = 読込_棋譜ファイル(std::cin, 行, 指し手行の長さ + 2, 入力行の上限);
    if (読めた == 行が長すぎる)
        return 失敗("the position line is longer than " + std::to_string(入力行の上限) + " bytes");
    if (読めた != 真) return 失敗("no position line on standard input");
    if (行.size() < 持駒の列 - 1) return 失敗("the line is too short to hold a board (324 columns)");
    bool 損傷 = false;
    const 棋譜局面 r = 解析_指し手行(行, 損傷);
    if (損傷) return 失敗("the line holds a field that is not a piece code or hand count");

    if (深い.旧 && レベル != 4 && レベル != 5) return 失敗("--legacy goes with level 4 or 5");
    auto s = std::make_unique<状態>();
    auto 記憶 = std::make_unique<COM表>();  // the computer's memory, fresh
    s->COM記憶 = 記憶.get();
    無言の場 p;
    起動_ファイルなし(*s, p, レベル <= 3 ? レベル : 3);
    局面_設定(*s, r);
    if (調査_王あり(*s, 1) != 真 || 調査_王あり(*s, -1) != 真) return 失敗("a king is missing");

    s->手番_MAN = 後手;
    s->手番_COM = 先手;
    s->操作.対局種別 = 対局_COM;
    s->手番 = s->手番_COM;
    記憶を更新(*s, *記憶);  // as the end of a human move leaves it
    COM候補 手;
    if (レベル <= 3) {
        手 = COMの手を考える(*s, *記憶);
    } else {
        // The deeper search; the score printed is its own.
        深い.レベル = レベル;
        探索設定 設定;
        評価の重み 重み;
        深い設定(深い, 設定, 重み);
        const 対局 g = 対局にする(*s, 上手);
        const std::atomic<bool> 止めない{false};
        手 = 候補にする(g, 深く探索する(g, 設定, 止めない));
        記憶->最高点 = static_cast<int>(手.点);
    }
    if (!手.あり) std::cout << "none\n";
    else
        std::cout << 手.元X << ' ' << 手.元Y << ' ' << 手.先X << ' ' << 手.先Y << ' ' << 手.置駒 << ' ' << 記憶->最高点
                  << "\n";
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vezuvire-cli bestmove: 出力に失敗しました\n";
        return 1;
    }
    return 0;
}
