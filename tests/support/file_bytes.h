// SPDX-License-Identifier: GPL-3.0-or-later
// A whole file as bytes, for tests that compare what is on the disk.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

inline std::string ファイルの中身(const std::string& パス) {
    std::ifstream f(パス, std::ios::binary);
    std::stringstream b;
    b << f.rdbuf();
    return b.str();
}
