// SPDX-License-Identifier: GPL-3.0-or-later
// vz_puzzlegen: finds puzzles in games the computer plays against itself.
//
//   vz_puzzlegen --games N [--seed S] [--depth D] [--tail T] [--max M] [--length L] > FILE
//   vz_puzzlegen --regrade FILE... > data/puzzles.txt
//
// Each game starts from the opening after a few random moves and is played
// by two computer players of strengths drawn from the seed (1–3, or 4–5
// bounded by depth D, default 3, each with its own seed).  Of every game's
// last T positions (default 40), those where the side to move takes the
// king by force within 1, 2 or 3 of its moves become candidates, with every
// winning first move, graded by learn/puzzle_file.h.  A candidate is left
// out when the same board, hands and side to move were found before, or
// when it lies on the forced line of a puzzle already taken from the same
// game (the position after the winner's first move and the defender's
// reply is the same puzzle, one move shorter).  At most M (default 300)
// are kept, chosen longest and hardest first; the wins in one fill what the
// longer ones leave, and take at least a third of M when there are that
// many; with --length L only wins in exactly L.  They are written in the
// puzzle file's format, easiest first.  --regrade merges puzzle files (a
// position already written is left out) and writes their puzzles again,
// each with the grade 問題の等級 gives it now, easiest first.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/mate_search.h"
#include "front/cli/players.h"
#include "learn/puzzle_file.h"

namespace {

// The file, easiest first.
void 書く(std::vector<問題> 集) {
    std::stable_sort(集.begin(), 集.end(), [](const 問題& a, const 問題& b) {
        if (a.手数 != b.手数) return a.手数 < b.手数;
        return a.等級 < b.等級;
    });
    std::cout << "# SPDX-License-Identifier: GPL-3.0-or-later\n"
                 "# Vezuvire puzzles: the side to move takes the king by force.\n"
                 "# BOARD HANDS SIDE LENGTH MOVES GRADE REPLIES NODES (see learn/puzzle_file.h)\n"
                 "# Made by tools/puzzlegen.cpp from games of the computer against itself.\n";
    for (const 問題& p : 集) std::cout << 問題の行(p) << '\n';
    std::cout.flush();
}

struct 候補 {
    問題 p;
    std::uint64_t 鍵;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--regrade") {
        std::vector<問題> 集;
        std::set<std::string> 見た;
        for (int i = 2; i < argc; ++i) {
            std::ifstream f(argv[i], std::ios::binary);
            std::ostringstream 中身;
            中身 << f.rdbuf();
            for (問題& p : 問題集を読む(中身.str())) {
                if (!見た.insert(局面の文字(p.局面)).second) continue;
                p.等級 = 問題の等級(p.手数, p.応手数, p.節点数);
                集.push_back(std::move(p));
            }
        }
        書く(集);
        return std::cout ? 0 : 1;
    }
    int 局数 = 0, 深さ = 3, 尾 = 40, 長さ = 0;
    std::size_t 最大 = 300;
    std::uint64_t 種 = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const long long v = std::atoll(argv[i + 1]);
        if (a == "--games") 局数 = static_cast<int>(v);
        else if (a == "--seed") 種 = static_cast<std::uint64_t>(v);
        else if (a == "--depth") 深さ = static_cast<int>(v);
        else if (a == "--tail") 尾 = static_cast<int>(v);
        else if (a == "--max") 最大 = static_cast<std::size_t>(v);
        else if (a == "--length") 長さ = static_cast<int>(v);
        else {
            std::cerr << "usage: vz_puzzlegen --games N [--seed S] [--depth D] [--tail T] [--max M] [--length L]\n"
                         "       vz_puzzlegen --regrade FILE...\n";
            return 2;
        }
    }
    if (局数 <= 0) {
        std::cerr << "usage: vz_puzzlegen --games N [--seed S] [--depth D] [--tail T] [--max M] [--length L]\n"
                     "       vz_puzzlegen --regrade FILE...\n";
        return 2;
    }
    std::vector<候補> 集め;
    std::set<std::uint64_t> 見た;
    詰み探索 探索;
    for (int n = 0; n < 局数; ++n) {
        const std::uint64_t r = 混ぜる(種 * 1000003 + static_cast<std::uint64_t>(n));
        対局者設定 s[2];
        for (int k = 0; k < 2; ++k) {
            s[k].レベル = 1 + static_cast<int>(混ぜる(r + 11 + k) % 5);
            s[k].持ち時間 = 0;
            s[k].最大深さ = 深さ;
            s[k].種 = 混ぜる(r + 101 + k);
        }
        auto A = 対局者を作る(s[0]);
        auto B = 対局者を作る(s[1]);
        対局 g = 序盤(r, 4 + static_cast<int>(r % 5));
        std::vector<対局の手> 棋譜;
        const 対局 始め = g;
        while (g.勝者() == 0 && g.手数() < 300 && g.同一局面数() < 4) {
            対局の手 m;
            double 秒 = 0;
            if (!(g.手番() == 下手 ? *A : *B).選ぶ(g, m, 秒) || !g.合法(m)) break;
            g.指す(m);
            棋譜.push_back(m);
        }
        // The positions of the game's tail, in order.
        std::vector<対局> 局面;
        {
            対局 h = 始め;
            const std::size_t 初 = 棋譜.size() > static_cast<std::size_t>(尾) ? 棋譜.size() - 尾 : 0;
            for (std::size_t i = 0; i < 棋譜.size(); ++i) {
                if (i >= 初) {
                    対局 c;
                    const std::string t = 局面の文字(h);
                    const std::size_t a = t.find(' '), b = t.rfind(' ');
                    局面を読む(t.substr(0, a), t.substr(a + 1, b - a - 1), t.substr(b + 1), c);
                    局面.push_back(c);
                }
                h.指す(棋譜[i]);
            }
        }
        int 取った = 0;
        std::size_t 先まで[2] = {0, 0};  // per attacker: positions before this index lie on a taken line
        for (std::size_t i = 0; i < 局面.size(); ++i) {
            const 対局& c = 局面[i];
            if (c.勝者() != 0 || c.王X(上手) == 0 || c.王X(下手) == 0) continue;
            const int 側 = c.手番() == 下手 ? 1 : 0;
            if (i < 先まで[側]) continue;
            詰み探索 一つ;  // a fresh table: the node count is the puzzle's own
            const 詰みの答え a = 一つ.解く(c, 3);
            if (a.手数 == 0 || (長さ != 0 && a.手数 != 長さ)) continue;
            先まで[側] = i + static_cast<std::size_t>(2 * a.手数);
            if (!見た.insert(c.ハッシュ()).second) continue;
            問題 p;
            p.局面 = c;
            p.手数 = a.手数;
            p.勝ち手 = a.勝ち手;
            p.応手数 = a.応手数;
            p.節点数 = a.節点数;
            p.等級 = 問題の等級(a.手数, a.応手数, a.節点数);
            集め.push_back({p, c.ハッシュ()});
            ++取った;
        }
        std::fprintf(stderr, "game %d: levels %d-%d, %zu moves, %d puzzles, %zu in all\n", n + 1, s[0].レベル,
                     s[1].レベル, 棋譜.size(), 取った, 集め.size());
    }
    // Longest and hardest first, for the choice.
    std::stable_sort(集め.begin(), 集め.end(), [](const 候補& a, const 候補& b) {
        if (a.p.手数 != b.p.手数) return a.p.手数 > b.p.手数;
        return a.p.等級 > b.p.等級;
    });
    std::vector<問題> 出す;
    std::size_t 長い = 0;
    for (const 候補& c : 集め)
        if (c.p.手数 > 1) ++長い;
    const std::size_t 一手の枠 = std::max<std::size_t>(最大 / 3, 最大 > 長い ? 最大 - 長い : 0);
    std::size_t 一手 = 0;
    for (const 候補& c : 集め) {
        if (出す.size() >= 最大) break;
        if (c.p.手数 == 1 && 一手++ >= 一手の枠) continue;
        出す.push_back(c.p);
    }
    書く(出す);
    return std::cout ? 0 : 1;
}
