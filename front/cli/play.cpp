// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli play: a game against the computer on standard input and
// output, with no window, no sound and a clock that stands still.
#include <cstdint>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "front/cli/commands.h"
#include "front/cli/input_line.h"
#include "front/cli/one_line.h"
#include "front/cli/numbers.h"
#include "front/cli/players.h"
#include "front/cli/silent.h"
#include "front/cli/text_game.h"
#include "play/com_turn.h"
#include "play/commands.h"
#include "core/setup.h"
#include "core/state.h"
#include "store/record_file.h"

namespace {

void 使い方(std::ostream& o) {
    o << "usage: vezuvire-cli play [--level N] [--gote] [--save FILE [--game-name T] [--top-name A]"
         " [--bottom-name B]]\n"
         "       levels 4 and up also take [--movetime MS] [--depth N] [--seed S] [--threads N];\n"
         "       levels 4 and 5 take [--legacy]\n";
}

struct 選択肢 {
    int レベル = 3;
    対局者設定 深い探索;  // levels 4 and up
    bool 後手で = false;
    std::string 保存先, 対局名, 上の名, 下の名;
};

// Reads the arguments into o.  Answers the exit status when the command
// ends here (help, or a wrong argument), −1 when the game is to be played.
int 引数を読む(int argc, char** argv, 選択肢& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* 値 = a == "--save"          ? &o.保存先
                          : a == "--game-name"   ? &o.対局名
                          : a == "--top-name"    ? &o.上の名
                          : a == "--bottom-name" ? &o.下の名
                                                 : nullptr;
        if (値) {
            if (i + 1 >= argc) {
                std::cerr << "vezuvire-cli play: " << a << " needs a value\n";
                return 2;
            }
            *値 = argv[++i];
            if (値 == &o.保存先 && o.保存先.empty()) {
                std::cerr << "vezuvire-cli play: --save needs a file name\n";
                return 2;
            }
        } else if (a == "--gote") {
            o.後手で = true;
        } else if (a == "--level" && i + 1 < argc && レベルを読む(argv[i + 1], o.レベル)) {
            ++i;
        } else if (a == "--level") {
            std::cerr << "vezuvire-cli play: --level needs a level from 1 to " << 最強レベル << "\n";
            return 2;
        } else if (a == "--legacy") {
            o.深い探索.旧 = true;
        } else if (a == "--movetime" || a == "--depth" || a == "--seed" || a == "--threads") {
            long long n = 0;
            const long long 最小 = a == "--seed" ? 0 : 1, 最大 = a == "--depth"      ? 60
                                                              : a == "--threads"  ? 64
                                                              : a == "--movetime" ? 3600000
                                                                                  : -1;
            if (i + 1 >= argc || !整数を読む(argv[i + 1], n) || n < 最小 || (最大 >= 0 && n > 最大)) {
                std::cerr << "vezuvire-cli play: " << a << " needs a whole number from " << 最小
                          << (最大 >= 0 ? " to " + std::to_string(最大) : std::string(" up")) << "\n";
                return 2;
            }
            ++i;
            if (a == "--movetime") o.深い探索.持ち時間 = static_cast<double>(n) / 1000.0;
            else if (a == "--depth") o.深い探索.最大深さ = static_cast<int>(n);
            else if (a == "--threads") o.深い探索.スレッド数 = static_cast<int>(n);
            else o.深い探索.種 = static_cast<std::uint64_t>(n);
        } else if (a == "--help" || a == "-h") {
            使い方(std::cout);
            return 0;
        } else {
            std::cerr << "vezuvire-cli play: unknown argument '" << a << "'\n";
            使い方(std::cerr);
            return 2;
        }
    }
    if (o.深い探索.旧 && o.レベル != 4 && o.レベル != 5) {
        std::cerr << "vezuvire-cli play: --legacy goes with level 4 or 5\n";
        return 2;
    }
    return -1;
}

}  // namespace

int cli_play(int argc, char** argv) {
    選択肢 o;
    if (const int 終わり = 引数を読む(argc, argv, o); 終わり >= 0) return 終わり;

    auto s = std::make_unique<状態>();
    COMの応手 コンピュータ;  // the computer's memory, kept from move to move
    コンピュータ.受け持つ(*s);
    無言の場 p;
    起動_ファイルなし(*s, p, o.レベル <= 3 ? o.レベル : 3);
    o.深い探索.レベル = o.レベル;
    const COMの手番 深い手番 = o.レベル >= 4 ? 深いCOMの手番(o.深い探索) : COMの手番{};
    const COMの手番* 手番 = o.レベル >= 4 ? &深い手番 : nullptr;
    文字対局_開始(*s, p, std::cout, o.後手で, 手番);
    std::cout.flush();
    std::string 行;
    for (入力行 r; (r = 一行を読む(std::cin, 行)) != 入力行::終わり;) {
        if (r == 入力行::長すぎる) {
            std::cerr << "vezuvire-cli play: a line of standard input is longer than " << 入力行の上限 << " bytes\n";
            return 2;
        }
        const bool 続く = 文字対局_一行(*s, p, 行, std::cout, 手番);
        std::cout.flush();
        if (!続く) break;
    }
    // The record is written as the "RETURN" button writes it.
    if (!o.保存先.empty()) {
        std::string 注意;
        const std::string e = 書込_棋譜(s->記録, s->棋譜最終手数, o.保存先, o.対局名, o.上の名, o.下の名, &注意);
        if (!e.empty()) {
            std::cerr << "vezuvire-cli play: " << 一行に(e) << "\n";
            return 2;
        }
        if (!注意.empty()) std::cerr << "vezuvire-cli play: " << 一行に(注意) << "\n";
    }
    // The moves printed are the point of the command: output that could not
    // be written is a failure even when the game itself went well.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vezuvire-cli play: 出力に失敗しました\n";
        return 1;
    }
    return 0;
}
