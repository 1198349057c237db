// SPDX-License-Identifier: GPL-3.0-or-later
// How the pieces move, written once, and where a piece can go, listed
// rather than asked square by square.  The rule table 規則 gives each kind's
// steps and lines as it faces; every code's pattern is turned from it when
// the program is compiled, and both the rule check 移動チェック and the
// listings here read those patterns.  The computer tries every move of every
// piece and surveys every piece's reach after each candidate; asking
// 移動チェック about all 81 squares each time was most of its thinking.  The
// listings give exactly the squares that 移動チェック would allow from the
// same source on the same board, found by walking each piece's steps and
// lines.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/state.h"

// A set of board squares, one bit each at (x − 1) × 9 + (y − 1).  Rising
// bit order is the board's scan order (column outer, row inner), the order
// in which the computer meets equal scores.
class 桝集合 {
public:
    static constexpr int 番号(int x, int y) { return (x - 1) * 盤サイズ + (y - 1); }
    void 入れる(int x, int y) {
        const int i = 番号(x, y);
        if (i < 64) 下_ |= std::uint64_t{1} << i;
        else 上_ |= std::uint64_t{1} << (i - 64);
    }
    bool 含む(int x, int y) const {
        if (!盤上(x, y)) return false;
        const int i = 番号(x, y);
        return i < 64 ? (下_ >> i) & 1 : (上_ >> (i - 64)) & 1;
    }
    bool 空() const { return 下_ == 0 && 上_ == 0; }
    int 数() const { return std::popcount(下_) + std::popcount(上_); }
    // Calls f(x, y) for every square in scan order; stops as soon as f
    // answers true, and then answers true itself.
    template <class F>
    bool 順に(F&& f) const {
        for (std::uint64_t b = 下_; b != 0; b &= b - 1)
            if (呼ぶ(f, std::countr_zero(b))) return true;
        for (std::uint64_t b = 上_; b != 0; b &= b - 1)
            if (呼ぶ(f, 64 + std::countr_zero(b))) return true;
        return false;
    }
    bool operator==(const 桝集合&) const = default;

private:
    template <class F>
    static bool 呼ぶ(F& f, int i) {
        return f(i / 盤サイズ + 1, i % 盤サイズ + 1);
    }
    std::uint64_t 下_ = 0, 上_ = 0;
};

namespace 駒の動き表 {

// ---- The movement rule -------------------------------------------------------
// Everything the program knows of how the pieces move is the table 規則
// below; the per-code patterns, the rule check 移動チェック, the listings
// further down, the influence survey and the help diagrams all read it.

// A move in the piece's own frame: 前 squares forward (negative: back) and
// 横 squares to one side.  Every pattern is the same on its left and its
// right, so which side counts as positive does not matter.
struct 自分向き {
    int 前 = 0, 横 = 0;
};

// One row of the rule: the kinds (code ÷ 10) that move alike, ended by 0;
// the single steps and jumps, ended by (0, 0); and the lines, along which
// the piece runs up to and including the first piece in its way.
struct 規則の行 {
    int 型[5] = {};
    自分向き 歩[8] = {};
    自分向き 線[4] = {};
};

constexpr std::array<規則の行, 10> 規則を書く() {
    constexpr 自分向き 前{1, 0}, 後{-1, 0}, 左{0, -1}, 右{0, 1};
    constexpr 自分向き 前左{1, -1}, 前右{1, 1}, 後左{-1, -1}, 後右{-1, 1};
    constexpr 自分向き 桂左{2, -1}, 桂右{2, 1};
    return {{
        {{10}, {前}, {}},                                                            // 歩
        {{11, 21, 31, 41, 50}, {前, 前左, 前右, 左, 右, 後}, {}},                    // と, 成香, 成桂, 成銀, 金
        {{20}, {}, {前}},                                                            // 香
        {{30}, {桂左, 桂右}, {}},                                                    // 桂: jumps
        {{40}, {前, 前左, 前右, 後左, 後右}, {}},                                    // 銀
        {{60}, {}, {前左, 前右, 後左, 後右}},                                        // 角
        {{61}, {前, 前左, 前右, 左, 右, 後, 後左, 後右}, {前左, 前右, 後左, 後右}},  // 馬: a neighbour, or as 角
        {{70}, {}, {前, 後, 左, 右}},                                                // 飛
        {{71}, {前, 前左, 前右, 左, 右, 後, 後左, 後右}, {前, 後, 左, 右}},          // 竜: a neighbour, or as 飛
        {{80}, {前, 前左, 前右, 左, 右, 後, 後左, 後右}, {}},                        // 王
    }};
}
inline constexpr std::array<規則の行, 10> 規則 = 規則を書く();

// ---- The rule turned to each facing -------------------------------------------

struct 向き {
    int dx, dy;
};

// The forward step of each facing: 0 down the screen, then a quarter turn
// clockwise per facing (left, up, right).
inline constexpr 向き 前方[4] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};

// A move of the piece's own frame on the board, for a piece with that facing.
constexpr 向き 盤の向き(自分向き v, int facing) {
    const 向き f = 前方[facing];
    return {v.前 * f.dx - v.横 * f.dy, v.前 * f.dy + v.横 * f.dx};
}

// The sixteen single steps any piece can make: the eight neighbours, then
// the eight knight's jumps.
inline constexpr 向き 歩先[16] = {{-1, -1}, {-1, 0}, {-1, 1},  {0, -1}, {0, 1},  {1, -1}, {1, 0},  {1, 1},
                                  {-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1},  {-1, 2}, {1, 2}};
// The eight lines: the same directions as the neighbours.
inline constexpr const 向き* 線先 = 歩先;
// Each step as a difference of cell numbers (x × 10 + y).
constexpr std::array<int, 16> 番号差を作る() {
    std::array<int, 16> d{};
    for (std::size_t i = 0; i < 16; ++i) d[i] = 歩先[i].dx * 10 + 歩先[i].dy;
    return d;
}
inline constexpr std::array<int, 16> 番号差 = 番号差を作る();

constexpr int 歩番号(int dx, int dy) {
    for (int i = 0; i < 16; ++i)
        if (歩先[i].dx == dx && 歩先[i].dy == dy) return i;
    return -1;
}
// The same for a difference of up to two squares each way, indexed
// [dx + 2][dy + 2]: −1 where no single step goes.
constexpr std::array<std::array<signed char, 5>, 5> 歩番号表を作る() {
    std::array<std::array<signed char, 5>, 5> t{};
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            t[static_cast<std::size_t>(dx + 2)][static_cast<std::size_t>(dy + 2)] =
                static_cast<signed char>(歩番号(dx, dy));
    return t;
}
inline constexpr std::array<std::array<signed char, 5>, 5> 歩番号表 = 歩番号表を作る();

// The moves of one code: a bit per single step and a bit per line.
struct 形 {
    std::uint16_t 歩 = 0;
    std::uint8_t 線 = 0;
    bool あり = false;  // one of the 112 codes
};

// Every row of the rule turned to each facing.  Indexed by the code's
// absolute value: the pattern does not depend on the side.  A step that is
// also the first square of one of the piece's lines is left to the line, so
// that every square is reached one way only.
inline constexpr int 表の大きさ = 814;
constexpr std::array<形, 表の大きさ> 表を作る() {
    std::array<形, 表の大きさ> t{};
    for (const 規則の行& k : 規則)
        for (int 型 : k.型) {
            if (型 == 0) break;
            for (int facing = 0; facing < 4; ++facing) {
                形& m = t[static_cast<std::size_t>(型 * 10 + facing)];
                m.あり = true;
                for (自分向き v : k.線) {
                    if (v.前 == 0 && v.横 == 0) break;
                    const 向き d = 盤の向き(v, facing);
                    m.線 |= static_cast<std::uint8_t>(1u << 歩番号(d.dx, d.dy));
                }
                for (自分向き v : k.歩) {
                    if (v.前 == 0 && v.横 == 0) break;
                    const 向き d = 盤の向き(v, facing);
                    m.歩 |= static_cast<std::uint16_t>(1u << 歩番号(d.dx, d.dy));
                }
                m.歩 &= static_cast<std::uint16_t>(~m.線);
            }
        }
    return t;
}
inline constexpr std::array<形, 表の大きさ> 表 = 表を作る();

// The pattern of a code, or nullptr when it is not one of the 112.
constexpr const 形* 形を引く(int 駒) {
    const int a = 駒 < 0 ? -駒 : 駒;
    if (a >= 表の大きさ || !表[static_cast<std::size_t>(a)].あり) return nullptr;
    return &表[static_cast<std::size_t>(a)];
}

// For each square, the single steps that stay on the board and how far each
// line runs before the edge.
struct 桝の縁 {
    std::uint16_t 歩 = 0;
    std::uint8_t 線長[8] = {};
};
constexpr std::array<std::array<桝の縁, 10>, 10> 縁を作る() {
    std::array<std::array<桝の縁, 10>, 10> t{};
    for (int x = 1; x <= 盤サイズ; ++x)
        for (int y = 1; y <= 盤サイズ; ++y) {
            桝の縁& e = t[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            for (int i = 0; i < 16; ++i)
                if (盤上(x + 歩先[i].dx, y + 歩先[i].dy)) e.歩 |= static_cast<std::uint16_t>(1u << i);
            for (int i = 0; i < 8; ++i) {
                int n = 0;
                while (盤上(x + (n + 1) * 線先[i].dx, y + (n + 1) * 線先[i].dy)) ++n;
                e.線長[i] = static_cast<std::uint8_t>(n);
            }
        }
    return t;
}
inline constexpr std::array<std::array<桝の縁, 10>, 10> 縁 = 縁を作る();

}  // namespace 駒の動き表

// Board-shaped tables are 10 × 10 and laid out column after column, so a
// square (x, y) is cell x × 10 + y of the table read as one row of 100; the
// walks below step through those cell numbers.
constexpr int 桝番号(int x, int y) { return x * 10 + y; }
inline const int* 升目(const int (&t)[10][10]) { return &t[0][0]; }
inline int* 升目(int (&t)[10][10]) { return &t[0][0]; }

// Calls f(番, 届く) for every single step of a piece of side 向 (+1 the
// computer's, −1 the human's) with code 駒 on the board square (元X, 元Y)
// that stays on the board, 届く being 1 when the step may land there and 0
// when a piece of the mover's own side stands there; and f(番, 1) for every
// square of its lines up to and including the first piece of the other
// side.  A code that is not one of the 112 reaches nothing.  The influence
// survey adds 届く rather than testing it (which steps land on one's own
// pieces follows no pattern a processor could guess); everyone else wants
// only the squares reached, 盤上の行き先を巡る below.
template <int 向, class F>
void 盤上の届き方を巡る(const int* 盤, int 元X, int 元Y, int 駒, F&& f) {
    using namespace 駒の動き表;
    // A square whose code times 向 is 100 or more holds the mover's side.
    const int 絶対 = 駒 * 向;
    if (絶対 < 0 || 絶対 >= 表の大きさ) return;
    const 形& m = 表[static_cast<std::size_t>(絶対)];
    if (!m.あり) return;
    const int 元 = 桝番号(元X, 元Y);
    const 桝の縁& e = 縁[static_cast<std::size_t>(元X)][static_cast<std::size_t>(元Y)];
    for (unsigned b = m.歩 & e.歩; b != 0; b &= b - 1) {
        const int 先 = 元 + 番号差[static_cast<std::size_t>(std::countr_zero(b))];
        f(先, static_cast<int>(盤[先] * 向 < 100));
    }
    for (unsigned b = m.線; b != 0; b &= b - 1) {
        const int i = std::countr_zero(b);
        const int d = 番号差[static_cast<std::size_t>(i)];
        int 先 = 元;
        for (int n = e.線長[i]; n > 0; --n) {
            先 += d;
            const int v = 盤[先];
            if (v * 向 >= 100) break;  // own piece: the line ends before it
            f(先, 1);
            if (v != 空) break;  // a capture ends the line
        }
    }
}

// Calls f(番) with the cell number of every square the piece reaches: its
// steps that stay on the board and do not land on its own side, and its
// lines as above.
template <int 向, class F>
void 盤上の行き先を巡る(const int* 盤, int 元X, int 元Y, int 駒, F&& f) {
    盤上の届き方を巡る<向>(盤, 元X, 元Y, 駒, [&f](int 先, int 届く) {
        if (届く) f(先);
    });
}

// Calls f(番) with the cell number of every square that
// 移動チェック(s, 元X, 元Y, x2, y2, 駒) allows, each once, in no particular
// order.  Sources are read as 移動チェック reads them: column 11 or −1 is a
// hand, anything else off the board goes nowhere; 空 and anything that is
// not one of the 112 codes goes nowhere from the board.
template <class F>
void 行き先番号を巡る(const 盤面状態& s, int 元X, int 元Y, int 駒, F&& f) {
    const int* 盤 = 升目(s.盤);
    const bool COM = 駒 >= 100, MAN = 駒 <= -100;
    if (元X < 1 || 元X > 盤サイズ) {
        // A drop: every empty square, from the owner's own hand only.
        if (!((元X == 持駒列_MAN && MAN) || (元X == 持駒列_COM && COM))) return;
        for (int x = 1; x <= 盤サイズ; ++x)
            for (int y = 1; y <= 盤サイズ; ++y)
                if (盤[桝番号(x, y)] == 空) f(桝番号(x, y));
        return;
    }
    if (元Y < 1 || 元Y > 盤サイズ) return;
    if (COM) 盤上の行き先を巡る<1>(盤, 元X, 元Y, 駒, f);
    else if (MAN) 盤上の行き先を巡る<-1>(盤, 元X, 元Y, 駒, f);
}

// The same with the square as (x2, y2).
template <class F>
void 行き先を巡る(const 盤面状態& s, int 元X, int 元Y, int 駒, F&& f) {
    行き先番号を巡る(s, 元X, 元Y, 駒, [&](int 番) { f(番 / 10, 番 % 10); });
}

// The same squares as a set.
桝集合 行き先(const 盤面状態& s, int 元X, int 元Y, int 駒);
