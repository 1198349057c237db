// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of standard input, read like std::getline but never without end:
// a line longer than the command could use is an error, found after
// reading at most that many bytes of it (a stream without line ends, such
// as /dev/zero, would otherwise be read until memory runs out).
#pragma once

#include <cstddef>
#include <istream>
#include <string>

// The longest line any sub-command reads: a move line of a record file is
// 358 bytes, a command of the text game a few words.
inline constexpr std::size_t 入力行の上限 = 4096;

enum class 入力行 { 行, 終わり, 長すぎる };

// The next line without its line feed, as std::getline reads it (a last
// line without one counts; a carriage return stays in the line).
inline 入力行 一行を読む(std::istream& in, std::string& 行, std::size_t 上限 = 入力行の上限) {
    using T = std::char_traits<char>;
    行.clear();
    std::streambuf* sb = in.rdbuf();
    if (!in.good() || sb == nullptr) return 入力行::終わり;
    for (bool 何か = false;; 何か = true) {
        const T::int_type c = sb->sbumpc();
        if (T::eq_int_type(c, T::eof())) {
            in.setstate(std::ios::eofbit);
            return 何か ? 入力行::行 : 入力行::終わり;
        }
        if (T::to_char_type(c) == '\n') return 入力行::行;
        if (行.size() >= 上限) return 入力行::長すぎる;
        行.push_back(T::to_char_type(c));
    }
}
