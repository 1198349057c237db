// SPDX-License-Identifier: GPL-3.0-or-later
// Whole numbers on the command line: digits only, an optional minus sign.
#pragma once

#include <cstdlib>
#include <string>

inline bool 整数を読む(const std::string& w, long long& n) {
    std::size_t i = (!w.empty() && w[0] == '-') ? 1 : 0;
    if (i == w.size() || w.size() > 19) return false;
    for (std::size_t k = i; k < w.size(); ++k)
        if (w[k] < '0' || w[k] > '9') return false;
    n = std::strtoll(w.c_str(), nullptr, 10);
    return true;
}
