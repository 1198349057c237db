// SPDX-License-Identifier: GPL-3.0-or-later
// vezuvire-cli puzzles --verify FILE: proves every puzzle of a puzzle file
// (learn/puzzle_file.h) by a complete search.  A puzzle holds when the side
// to move wins within its stated length and not sooner, and its moves are
// exactly the first moves that win within that length.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/mate_search.h"
#include "front/cli/commands.h"
#include "learn/puzzle_file.h"

namespace {

std::string 手の列(std::vector<対局の手> v) {
    std::vector<std::string> s;
    for (const auto& m : v) s.push_back(手の文字(m));
    std::sort(s.begin(), s.end());
    std::string r;
    for (const auto& t : s) r += (r.empty() ? "" : ",") + t;
    return r.empty() ? "-" : r;
}

}  // namespace

int cli_puzzles(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "--verify") != 0) {
        std::cerr << "usage: vezuvire-cli puzzles --verify FILE\n";
        return 2;
    }
    std::ifstream f(argv[2], std::ios::binary);
    if (!f) {
        std::cerr << "vezuvire-cli: cannot read " << argv[2] << "\n";
        return 2;
    }
    std::ostringstream 中身;
    中身 << f.rdbuf();
    std::istringstream in(中身.str());
    std::string 行;
    int 番 = 0, 数 = 0, 良い = 0;
    詰み探索 探索;
    while (std::getline(in, 行)) {
        ++番;
        if (!行.empty() && 行.back() == '\r') 行.pop_back();
        if (行.empty() || 行[0] == '#') continue;
        ++数;
        問題 p;
        std::string 理由;
        if (!問題を読む(行, p, &理由)) {
            std::cout << "line " << 番 << ": " << 理由 << "\n";
            continue;
        }
        const 詰みの答え a = 探索.解く(p.局面, p.手数);
        if (a.手数 != p.手数) {
            std::cout << "line " << 番 << ": " << (a.手数 == 0 ? "no forced win" : "a shorter win") << " within "
                      << p.手数 << "\n";
            continue;
        }
        const std::string 言う = 手の列(p.勝ち手), 本当 = 手の列(a.勝ち手);
        if (言う != 本当) {
            std::cout << "line " << 番 << ": winning first moves " << 本当 << ", not " << 言う << "\n";
            continue;
        }
        ++良い;
    }
    std::cout << "verified " << 良い << "/" << 数 << "\n";
    std::cout.flush();
    if (!std::cout) return 1;
    return 良い == 数 ? 0 : 3;
}
