// Where a piece can go, listed rather than asked square by square.  The
// computer tries every move of every piece and surveys every piece's reach
// after each candidate; asking 移動チェック about all 81 squares each time
// was most of its thinking.  These routines give exactly the squares that
// 移動チェック would allow from the same source on the same board, found
// by walking each piece's steps and lines.
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

struct 向き {
    int dx, dy;
};

// The sixteen single steps any piece can make: the eight neighbours, then
// the eight knight's jumps.
inline constexpr 向き 歩先[16] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1},  {1, -1},  {1, 0},  {1, 1},
                                  {-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, 2}, {1, 2}};
// The eight lines: the same directions as the neighbours.
inline constexpr const 向き* 線先 = 歩先;
// Each step as a difference of cell numbers (x × 10 + y).
constexpr std::array<int, 16> 番号差を作る() {
    std::array<int, 16> d{};
    for (std::size_t i = 0; i < 16; ++i) d[i] = 歩先[i].dx * 10 + 歩先[i].dy;
    return d;
}
inline constexpr std::array<int, 16> 番号差 = 番号差を作る();

// The moves of one code: a bit per single step and a bit per line.
struct 形 {
    std::uint16_t 歩 = 0;
    std::uint8_t 線 = 0;
    bool あり = false;  // one of the 112 codes
};

constexpr int 歩番号(int dx, int dy) {
    for (int i = 0; i < 16; ++i)
        if (歩先[i].dx == dx && 歩先[i].dy == dy) return i;
    return -1;
}

// A quarter turn clockwise on the screen per facing step.
constexpr 向き 回す(向き v, int facing) {
    for (int i = 0; i < facing; ++i) v = {-v.dy, v.dx};
    return v;
}

// Every type as it moves facing down the screen (forward = (0, +1)), as the
// movement rule lists them, turned to each facing.  Indexed by the code's
// absolute value: the pattern does not depend on the side.
inline constexpr int 表の大きさ = 814;
constexpr std::array<形, 表の大きさ> 表を作る() {
    struct 下向き {
        int 型;
        向き 歩[8];
        int 歩数;
        向き 線[4];
        int 線数;
    };
    constexpr 向き 金[6] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
    const 下向き 金形 = {0, {金[0], 金[1], 金[2], 金[3], 金[4], 金[5]}, 6, {}, 0};
    const 下向き 形一覧[] = {
        {10, {{0, 1}}, 1, {}, 0},                                                            // 歩
        {20, {}, 0, {{0, 1}}, 1},                                                            // 香
        {30, {{-1, 2}, {1, 2}}, 2, {}, 0},                                                   // 桂: jumps
        {40, {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}, 5, {}, 0},                        // 銀
        {60, {}, 0, {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}, 4},                                // 角
        {61, {{-1, 0}, {0, -1}, {0, 1}, {1, 0}}, 4, {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}, 4},  // 馬
        {70, {}, 0, {{-1, 0}, {0, -1}, {0, 1}, {1, 0}}, 4},                                  // 飛
        {71, {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}, 4, {{-1, 0}, {0, -1}, {0, 1}, {1, 0}}, 4},  // 竜
        {80, {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}, 8, {}, 0},  // 王
    };
    std::array<形, 表の大きさ> t{};
    auto 入れる = [&](int 型, const 下向き& k) {
        for (int facing = 0; facing < 4; ++facing) {
            形& m = t[static_cast<std::size_t>(型 * 10 + facing)];
            m.あり = true;
            for (int i = 0; i < k.歩数; ++i) m.歩 |= static_cast<std::uint16_t>(1u << 歩番号(回す(k.歩[i], facing).dx, 回す(k.歩[i], facing).dy));
            for (int i = 0; i < k.線数; ++i) m.線 |= static_cast<std::uint8_t>(1u << 歩番号(回す(k.線[i], facing).dx, 回す(k.線[i], facing).dy));
        }
    };
    for (const auto& k : 形一覧) 入れる(k.型, k);
    // と, 成香, 成桂, 成銀 and 金 move alike.
    for (int 型 : {11, 21, 31, 41, 50}) 入れる(型, 金形);
    return t;
}
inline constexpr std::array<形, 表の大きさ> 表 = 表を作る();

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
void 行き先番号を巡る(const 状態& s, int 元X, int 元Y, int 駒, F&& f) {
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
void 行き先を巡る(const 状態& s, int 元X, int 元Y, int 駒, F&& f) {
    行き先番号を巡る(s, 元X, 元Y, 駒, [&](int 番) { f(番 / 10, 番 % 10); });
}

// The same squares as a set.
桝集合 行き先(const 状態& s, int 元X, int 元Y, int 駒);
