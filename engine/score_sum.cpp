// SPDX-License-Identifier: GPL-3.0-or-later
// Rounded binary addition in whole numbers.  A sum is first formed with
// eight bits more than the 53 it keeps; bits shifted out below those are
// folded into the lowest bit (it is set when anything was lost), so the
// rounding still sees whether the lost part lay below, on or above the
// halfway point.
#include "engine/score_sum.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr std::uint64_t 一 = 1;
constexpr int 桁 = 53;    // significant bits kept
constexpr int 余り桁 = 8;  // bits carried below them while adding
constexpr std::uint64_t 最小仮数 = 一 << (桁 - 1);

std::uint64_t 絶対(std::int64_t v) { return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v); }

// u shifted right by d bits, whatever falls off folded into the lowest bit.
std::uint64_t 右へ(std::uint64_t u, int d) {
    if (d <= 0) return u;
    if (d >= 64) return u != 0;
    return (u >> d) | ((u & ((一 << d) - 1)) != 0);
}

}  // namespace

点数 点数::丸める(bool 負, std::uint64_t u, int 指数) {
    点数 r;
    if (u == 0) return r;
    const std::uint64_t 上 = 一 << (桁 + 余り桁), 下 = 一 << (桁 + 余り桁 - 1);
    while (u >= 上) {
        u = 右へ(u, 1);
        ++指数;
    }
    while (u < 下) {
        u <<= 1;
        --指数;
    }
    const std::uint64_t 端 = u & ((一 << 余り桁) - 1), 半分 = 一 << (余り桁 - 1);
    u >>= 余り桁;
    指数 += 余り桁;
    if (端 > 半分 || (端 == 半分 && (u & 1))) ++u;
    if (u == (一 << 桁)) {
        u >>= 1;
        ++指数;
    }
    r.仮数 = 負 ? -static_cast<std::int64_t>(u) : static_cast<std::int64_t>(u);
    r.指数 = 指数;
    return r;
}

点数::点数(int n) {
    *this = 丸める(n < 0, 絶対(n), 0);
}

点数 点数::十分の(int n) {
    if (n == 0) return 点数();
    const std::uint64_t u = 絶対(n);
    // Scale up until the quotient has all its significant bits and two
    // below them, then divide by ten once, folding the remainder in as the
    // lost part.
    int k = 0;
    while ((u << k) / 10 < (一 << (桁 + 1))) ++k;
    const std::uint64_t 全 = u << k;
    const std::uint64_t 商 = 全 / 10 | (全 % 10 != 0);
    return 丸める(n < 0, 商, -k);
}

点数& 点数::operator+=(点数 b) {
    if (b.仮数 == 0) return *this;
    if (仮数 == 0) return *this = b;
    点数 a = *this;
    if (a.指数 < b.指数 || (a.指数 == b.指数 && 絶対(a.仮数) < 絶対(b.仮数))) std::swap(a, b);
    // |a| ≥ |b|: the sum takes a's sign.
    const std::uint64_t A = 絶対(a.仮数) << 余り桁;
    const std::uint64_t B = 右へ(絶対(b.仮数) << 余り桁, a.指数 - b.指数);
    const bool 同符号 = (a.仮数 < 0) == (b.仮数 < 0);
    return *this = 丸める(a.仮数 < 0, 同符号 ? A + B : A - B, a.指数 - 余り桁);
}

std::strong_ordering operator<=>(点数 a, 点数 b) {
    const int 符a = (a.仮数 > 0) - (a.仮数 < 0), 符b = (b.仮数 > 0) - (b.仮数 < 0);
    if (符a != 符b || 符a == 0) return 符a <=> 符b;
    const std::strong_ordering 大きさ =
        a.指数 != b.指数 ? a.指数 <=> b.指数 : 絶対(a.仮数) <=> 絶対(b.仮数);
    return 符a > 0 ? 大きさ : 0 <=> 大きさ;
}

int 点数::整数() const {
    if (仮数 == 0) return 0;
    std::uint64_t u = 絶対(仮数);
    if (指数 >= 0) {
        u <<= 指数;
    } else if (-指数 > 桁) {
        u = 0;  // below one half
    } else {
        const int s = -指数;
        const std::uint64_t 端 = u & ((一 << s) - 1), 半分 = 一 << (s - 1);
        u >>= s;
        if (端 > 半分 || (端 == 半分 && (u & 1))) ++u;
    }
    const int v = static_cast<int>(u);
    return 仮数 < 0 ? -v : v;
}

double 点数::実数() const { return std::ldexp(static_cast<double>(仮数), 指数); }
