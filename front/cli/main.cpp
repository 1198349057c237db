// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli: the game without a window, for scripts and other tools.
#include <cstring>
#include <iostream>

#include "front/cli/commands.h"

namespace {

void 使い方(std::ostream& o) {
    o << "usage: vezuvire-cli COMMAND [OPTIONS]\n"
         "\n"
         "  play [--level N] [--gote] [--movetime MS] [--depth N] [--seed S]\n"
         "       [--threads N] [--legacy]\n"
         "       [--save FILE [--game-name T] [--top-name A] [--bottom-name B]]\n"
         "      A game against the computer from the starting position, at\n"
         "      strength N (1..17, default 3):\n"
         "        1, 2, 3  look one move ahead (the game's own computer)\n"
         "        4        looks 1 ply deep, often takes a weaker move\n"
         "        5        looks 1 ply deep, sometimes takes a weaker move\n"
         "        6        looks 2 plies deep, often takes a weaker move\n"
         "        7        looks 2 plies deep, fairly often takes a weaker move\n"
         "        8        looks 2 plies deep, sometimes takes a weaker move\n"
         "        9        looks 2 plies deep, seldom takes a weaker move\n"
         "        10       looks 3 plies deep, sometimes takes a weaker move\n"
         "        11       looks 3 plies deep, now and then takes a weaker move\n"
         "        12       looks 4 plies deep, sometimes takes a weaker move\n"
         "        13       looks 4 plies deep, rarely takes a weaker move\n"
         "        14       looks 5 plies deep, now and then takes a weaker move\n"
         "        15       looks 5 plies deep, rarely takes a weaker move\n"
         "        16       looks 6 plies deep (5 where that costs too many\n"
         "                 positions), rarely takes a weaker move\n"
         "        17       thinks 1 s a move on every core (--threads)\n"
         "      Strengths 4 to 16 play alike on any machine; --movetime or\n"
         "      --depth bounds them otherwise; --seed varies their choice among\n"
         "      equal moves; --threads N searches on N threads (default: 1 for\n"
         "      4 to 16, the machine's cores for 17).  --legacy with 4 or 5 plays\n"
         "      the former strengths 4 and 5: 0.3 s and 1 s a move on one\n"
         "      thread.  You move first unless --gote is\n"
         "      given, in which case the computer moves at once.  Standard input\n"
         "      holds one move of yours per line, \"fromX fromY toX toY\", columns\n"
         "      1..9 left to right and rows 1..9 top to bottom, optionally\n"
         "      followed by \" +\" to promote (the right button on the board).\n"
         "      A drop names your hand slot: column 11, row kind + 2 (pawn 3 ..\n"
         "      rook 9).  Each computer move is printed as\n"
         "      \"COM fromX fromY toX toY piece score\" (a drop from -1 kind).\n"
         "      An unplayable line prints \"illegal\" and changes nothing.  The end\n"
         "      of the game prints \"あなたの勝ちです\" or \"ｺﾝﾋﾟｭｰﾀの勝ちです\";\n"
         "      a computer without a move prints \"none\" and resigns; a full move\n"
         "      log prints \"full\" and stops.  The clock stands still.\n"
         "      --save writes the game to the record file FILE at the end, with\n"
         "      the game's name T and the names of the top and bottom players\n"
         "      as its three header lines.\n"
         "\n"
         "  bestmove [--level N] [--threads N] [--seed S] [--legacy]\n"
         "      Reads one position from standard input, written as a move line\n"
         "      of a record file (358 columns: 81 board fields of 4 columns,\n"
         "      x = 1..9 outer, y = 1..9 inner; 14 hand digits, for each kind\n"
         "      the bottom side's count then the top side's; four clock fields,\n"
         "      ignored), and prints the computer's move for the top side, at\n"
         "      strength N (1..17, as for play), as\n"
         "      \"fromX fromY toX toY piece score\" (a drop from -1 kind), or\n"
         "      \"none\".  A line that is not a position with both kings: a\n"
         "      message on standard error, exit status 2.\n"
         "\n"
         "  match --a L --b L --games N [--movetime-a MS] [--movetime-b MS]\n"
         "        [--depth-a N] [--depth-b N] [--seed S] [--jobs J]\n"
         "        [--threads-a N] [--threads-b N] [--legacy-a] [--legacy-b]\n"
         "      Games between two strengths of the computer from varied\n"
         "      openings, each opening played with both sides; prints each\n"
         "      game, then the score of A with its 95 % interval and the\n"
         "      difference in Elo.  --legacy-a/--legacy-b: A/B at level 4 or 5\n"
         "      plays the former strength 4 or 5 (as play --legacy).\n"
         "\n"
         "  puzzles --verify FILE\n"
         "      Proves every puzzle of a puzzle file (data/puzzles.txt) by a\n"
         "      complete search: the side to move takes the king within the\n"
         "      stated number of its moves whatever the defender does, not\n"
         "      sooner, and the listed first moves are exactly the winning ones.\n"
         "      Prints a line for each puzzle that fails, then \"verified N/M\";\n"
         "      exit status 3 when some puzzle fails.\n"
         "\n"
         "  show [--lines] FILE\n"
         "      Prints a game record file (.棋譜) as text: its three header\n"
         "      lines, then a board diagram of every logged position, or with\n"
         "      --lines one move line per position.\n"
         "\n"
         "  --help\n"
         "      This text.\n"
         "\n"
         "  --version\n"
         "      The version and its release date.\n"
         "\n"
         "Exit status: 0 on success; 2 for a wrong command line, an unreadable\n"
         "record file or position, or a record that cannot be written; 1 when\n"
         "the output cannot be written; 3 when a puzzle does not hold.\n";
}

// Prints text with 書く on standard output: 0, or 1 when it cannot be
// written (a full disk, a closed pipe).
template <class F>
int 出力(F 書く) {
    書く(std::cout);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "vezuvire-cli: cannot write the output\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        使い方(std::cerr);
        return 2;
    }
    const char* 命令 = argv[1];
    if (std::strcmp(命令, "--help") == 0 || std::strcmp(命令, "-h") == 0 || std::strcmp(命令, "help") == 0) {
        return 出力(使い方);
    }
    if (std::strcmp(命令, "--version") == 0)
        return 出力([](std::ostream& o) { o << "vezuvire-cli " VZ_VERSION " (" VZ_RELEASE_DATE ")\n"; });
    if (std::strcmp(命令, "play") == 0) return cli_play(argc - 1, argv + 1);
    if (std::strcmp(命令, "bestmove") == 0) return cli_bestmove(argc - 1, argv + 1);
    if (std::strcmp(命令, "show") == 0) return cli_show(argc - 1, argv + 1);
    if (std::strcmp(命令, "match") == 0) return cli_match(argc - 1, argv + 1);
    if (std::strcmp(命令, "puzzles") == 0) return cli_puzzles(argc - 1, argv + 1);
    std::cerr << "vezuvire-cli: unknown command '" << 命令 << "'\n";
    使い方(std::cerr);
    return 2;
}
