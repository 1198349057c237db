// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/search_corpus.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "engine/influence.h"
#include "engine/turn.h"
#include "core/setup.h"
#include "store/record_file.h"

namespace 探索集 {

namespace {

[[noreturn]] void 止める(const std::string& 理由) {
    std::cerr << "search corpus: " << 理由 << "\n";
    std::exit(2);
}

std::vector<std::string> 行を読む(const std::string& 名前) {
    std::ifstream in(名前, std::ios::binary);
    if (!in) 止める("cannot read " + 名前);
    std::vector<std::string> 行;
    for (std::string t; std::getline(in, t);)
        if (!t.empty()) 行.push_back(t);
    return 行;
}

}  // namespace

std::string 局面ファイル() { return VZ_TEST_DATA "/search_positions.txt"; }
std::string 期待ファイル() { return VZ_TEST_DATA "/search_expected.txt"; }

局面 行から(const std::string& 行) {
    bool 損傷 = false;
    const 棋譜局面 r = 解析_指し手行(行, 損傷);
    if (損傷 || 行.size() != 指し手行の長さ) 止める("not a position: " + 行);
    return r;
}

std::vector<局面例> 局面集() {
    std::vector<局面例> 集;
    for (const std::string& t : 行を読む(局面ファイル())) {
        const auto a = t.find('|');
        if (a == std::string::npos || t.size() < a + 2 || t.back() != '|') 止める("not a corpus line: " + t);
        集.push_back({t.substr(0, a), 行から(t.substr(a + 1, t.size() - a - 2))});
    }
    return 集;
}

std::vector<std::vector<結果>> 期待() {
    std::vector<std::vector<結果>> 表(3);
    for (const std::string& t : 行を読む(期待ファイル())) {
        int L = 0, i = 0;
        結果 e;
        char 点[64] = {};
        if (std::sscanf(t.c_str(), "%d %d %d %d %d %d %d %d %63s", &L, &i, &e.元X, &e.元Y, &e.先X, &e.先Y, &e.置駒,
                        &e.最高点, 点) != 9 ||
            L < 1 || L > 3 || i != static_cast<int>(表[static_cast<std::size_t>(L - 1)].size()) + 1)
            止める("not an expected result: " + t);
        e.点 = std::strtod(点, nullptr);
        表[static_cast<std::size_t>(L - 1)].push_back(e);
    }
    return 表;
}

void 置く(COM作業& s, const 局面& k, int レベル) {
    桝色設定(s);
    局面_設定(s, k);
    s.手番_MAN = 後手;
    s.手番_COM = 先手;
    s.レベル = レベル;
    勢力調査(s);
}

std::string 期待の表() {
    const std::vector<局面例> 集 = 局面集();
    std::string 表;
    for (int L = 1; L <= 3; ++L)
        for (std::size_t i = 0; i < 集.size(); ++i) {
            auto s = std::make_unique<COM作業>();
            置く(*s, 集[i].位置, L);
            const COM候補 c = COM探索(*s);
            char 行[160];
            std::snprintf(行, sizeof 行, "%d %zu %d %d %d %d %d %d %a\n", L, i + 1, c.元X, c.元Y, c.先X, c.先Y, c.置駒,
                          s->最高点, c.点);
            表 += 行;
        }
    return 表;
}

}  // namespace 探索集
