// SPDX-License-Identifier: GPL-3.0-or-later
#include "learn/puzzle_file.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

constexpr const char* 駒の字 = " PLNSGBRK";  // index = kind

int 字の種(char c) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int k = 1; k <= 8; ++k)
        if (駒の字[k] == u) return k;
    return 0;
}

}  // namespace

std::string 局面の文字(const 対局& g) {
    std::string s;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) s += '/';
        for (int x = 1; x <= 9; ++x) {
            const int v = g.駒(x, y);
            if (v == 空) {
                s += '.';
                continue;
            }
            if (成り駒(v)) s += '+';
            const char c = 駒の字[駒種(v)];
            s += v < 0 ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            s += static_cast<char>('0' + 駒向き(v));
        }
    }
    s += ' ';
    std::string 手;
    for (int 側 : {下手, 上手})
        for (int k = 7; k >= 1; --k)
            for (int i = 0; i < g.持駒(側, k); ++i)
                手 += 側 == 下手 ? 駒の字[k] : static_cast<char>(std::tolower(static_cast<unsigned char>(駒の字[k])));
    s += 手.empty() ? "-" : 手;
    s += g.手番() == 下手 ? " b" : " t";
    return s;
}

bool 局面を読む(const std::string& 盤, const std::string& 持駒, const std::string& 手番, 対局& g) {
    g = 対局();
    std::size_t i = 0;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) {
            if (i >= 盤.size() || 盤[i] != '/') return false;
            ++i;
        }
        for (int x = 1; x <= 9; ++x) {
            if (i >= 盤.size()) return false;
            if (盤[i] == '.') {
                ++i;
                continue;
            }
            const bool 成 = 盤[i] == '+';
            if (成) ++i;
            if (i + 1 >= 盤.size()) return false;
            const int k = 字の種(盤[i]);
            const char f = 盤[i + 1];
            if (k == 0 || f < '0' || f > '3') return false;
            const int a = k * 100 + (成 ? 10 : 0) + (f - '0');
            if (!有効な駒コード(a)) return false;
            const bool 下 = std::isupper(static_cast<unsigned char>(盤[i])) != 0;
            g.置く(x, y, 下 ? -a : a);
            i += 2;
        }
    }
    if (i != 盤.size()) return false;
    if (持駒 != "-") {
        int 数[2][8] = {};
        for (char c : 持駒) {
            const int k = 字の種(c);
            if (k == 0 || k == 8) return false;
            ++数[std::isupper(static_cast<unsigned char>(c)) ? 1 : 0][k];
        }
        for (int k = 1; k <= 7; ++k) {
            g.持駒を置く(上手, k, 数[0][k]);
            g.持駒を置く(下手, k, 数[1][k]);
        }
    }
    if (手番 == "b") g.手番を置く(下手);
    else if (手番 == "t") g.手番を置く(上手);
    else return false;
    g.整える();
    return g.王X(上手) != 0 && g.王X(下手) != 0 && g.勝者() == 0;
}

std::string 手の文字(const 対局の手& m) {
    std::string s;
    if (m.打ち()) {
        s += 駒の字[m.打];
        s += '*';
    } else {
        s += static_cast<char>('0' + m.元X);
        s += static_cast<char>('0' + m.元Y);
    }
    s += static_cast<char>('0' + m.先X);
    s += static_cast<char>('0' + m.先Y);
    if (m.成) s += '+';
    return s;
}

bool 手を読む(const std::string& s, 対局の手& m) {
    m = 対局の手{};
    auto 桝 = [](char c) { return c >= '1' && c <= '9'; };
    std::string t = s;
    if (!t.empty() && t.back() == '+') {
        m.成 = true;
        t.pop_back();
    }
    if (t.size() != 4) return false;
    if (t[1] == '*') {
        const int k = 字の種(t[0]);
        if (k == 0 || k == 8 || m.成 || !桝(t[2]) || !桝(t[3])) return false;
        m.打 = static_cast<std::int8_t>(k);
    } else {
        for (char c : t)
            if (!桝(c)) return false;
        m.元X = static_cast<std::int8_t>(t[0] - '0');
        m.元Y = static_cast<std::int8_t>(t[1] - '0');
    }
    m.先X = static_cast<std::int8_t>(t[2] - '0');
    m.先Y = static_cast<std::int8_t>(t[3] - '0');
    return true;
}

std::string 問題の行(const 問題& p) {
    std::string s = 局面の文字(p.局面);
    s += ' ' + std::to_string(p.手数) + ' ';
    for (std::size_t i = 0; i < p.勝ち手.size(); ++i) {
        if (i > 0) s += ',';
        s += 手の文字(p.勝ち手[i]);
    }
    s += ' ' + std::to_string(p.等級) + ' ' + std::to_string(p.応手数) + ' ' + std::to_string(p.節点数);
    return s;
}

bool 問題を読む(const std::string& 行, 問題& p, std::string* 理由) {
    auto だめ = [&](const char* r) {
        if (理由) *理由 = r;
        return false;
    };
    std::istringstream in(行);
    std::string 盤, 持駒, 手番, 手々, 余り;
    long long 手数 = 0, 等級 = 0, 応手数 = 0, 節点数 = 0;
    if (!(in >> 盤 >> 持駒 >> 手番 >> 手数 >> 手々 >> 等級 >> 応手数 >> 節点数) || (in >> 余り))
        return だめ("not eight fields");
    p = 問題{};
    if (!局面を読む(盤, 持駒, 手番, p.局面)) return だめ("not a position with both kings");
    if (手数 < 1 || 手数 > 3) return だめ("length not 1..3");
    if (等級 < 1 || 等級 > 5) return だめ("grade not 1..5");
    if (応手数 < 0 || 節点数 < 0) return だめ("negative count");
    p.手数 = static_cast<int>(手数);
    p.等級 = static_cast<int>(等級);
    p.応手数 = static_cast<int>(応手数);
    p.節点数 = static_cast<std::uint64_t>(節点数);
    std::size_t a = 0;
    while (a <= 手々.size()) {
        const std::size_t b = std::min(手々.find(',', a), 手々.size());
        対局の手 m;
        if (!手を読む(手々.substr(a, b - a), m) || !p.局面.合法(m)) return だめ("a move that is not legal there");
        p.勝ち手.push_back(m);
        a = b + 1;
    }
    return true;
}

int 問題の等級(int 手数, int 応手数, std::uint64_t 節点数) {
    (void)応手数;
    if (手数 <= 1) return 1;
    // About the median effort of the puzzles found in the computer's games.
    const bool 難しい = 節点数 >= (手数 == 2 ? 750u : 70000u);
    return (手数 == 2 ? 2 : 4) + (難しい ? 1 : 0);
}

std::vector<問題> 問題集を読む(const std::string& 中身, std::vector<int>* 悪い行) {
    std::vector<問題> v;
    std::istringstream in(中身);
    std::string 行;
    int 番 = 0;
    while (std::getline(in, 行)) {
        ++番;
        if (!行.empty() && 行.back() == '\r') 行.pop_back();
        if (行.empty() || 行[0] == '#') continue;
        問題 p;
        if (問題を読む(行, p)) v.push_back(std::move(p));
        else if (悪い行) 悪い行->push_back(番);
    }
    return v;
}
