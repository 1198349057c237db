// SPDX-License-Identifier: GPL-3.0-or-later
// The running score of one candidate move, added up term by term.
//
// The terms are whole numbers, halves and tenths.  The score of a move is
// their sum in binary numbers of 53 significant bits, every addition
// rounded to the nearest such number (halfway: the even one), in exactly
// the order the evaluation adds the terms; a tenth is the nearest such
// number to it.  That rounding can lift a sum like −113.5 a hair above or
// below the half, and so it decides which move the computer plays.
//
// This type does that arithmetic in whole numbers.  Hardware floating
// point gives the same sums only where every operation is rounded alone to
// 53 bits; x87's wider registers and fused multiply-adds would round
// differently, and the computer would then play other moves on other
// machines.  With this type every machine plays the same game.
#pragma once

#include <compare>
#include <cstdint>

class 点数 {
public:
    constexpr 点数() = default;
    // A whole number, exactly.
    点数(int n);  // NOLINT: a whole number is a score as it stands
    // n tenths, rounded to the nearest binary number (0.1, 0.9, ...);
    // halves and whole numbers exactly.
    static 点数 十分の(int n);

    点数& operator+=(点数 b);
    点数& operator-=(点数 b) { return *this += -b; }
    friend 点数 operator+(点数 a, 点数 b) { return a += b; }
    friend 点数 operator-(点数 a, 点数 b) { return a -= b; }
    点数 operator-() const {
        点数 r = *this;
        r.仮数 = -r.仮数;
        return r;
    }

    friend bool operator==(点数 a, 点数 b) { return a.仮数 == b.仮数 && a.指数 == b.指数; }
    friend std::strong_ordering operator<=>(点数 a, 点数 b);

    // The nearest whole number, halfway to the even one.
    int 整数() const;
    // The same value as a double (exactly representable: no rounding).
    double 実数() const;
    // Significand and exponent: the value is 仮数·2^指数 with
    // 2^52 ≤ |仮数| < 2^53, or 仮数 = 0 for zero.
    std::int64_t 仮数部() const { return 仮数; }
    int 指数部() const { return 指数; }

private:
    static 点数 丸める(bool 負, std::uint64_t 絶対値, int 指数);
    std::int64_t 仮数 = 0;
    int 指数 = 0;
};
