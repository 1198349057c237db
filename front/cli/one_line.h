// SPDX-License-Identifier: GPL-3.0-or-later
// Messages of the game are written for message boxes, where a carriage
// return starts a new line.  On a terminal a bare carriage return sends the
// cursor back over what was printed, so every message is printed here as
// one line.
#pragma once

#include <string>

// 文 with each run of line ends joined (straight on after "。", with a space
// otherwise) and any other control character shown as "?".
inline std::string 一行に(const std::string& 文) {
    static const std::string 句点 = "。";
    std::string out;
    bool 改行中 = false;
    for (unsigned char c : 文) {
        if (c == '\r' || c == '\n') {
            改行中 = true;
            continue;
        }
        if (改行中) {
            const bool 句点の後 =
                out.size() >= 句点.size() && out.compare(out.size() - 句点.size(), 句点.size(), 句点) == 0;
            if (!out.empty() && !句点の後) out += ' ';
            改行中 = false;
        }
        out += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
    }
    return out;
}
