// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/reference_record.h"

#include <iconv.h>

#include <cstdlib>

namespace 参照 {

namespace {

// The file cut into lines, ends dropped.  A last line without an end still
// counts; nothing after the last end is no line.
std::vector<std::string_view> 行に分ける(std::string_view b) {
    std::vector<std::string_view> 行々;
    std::size_t 始め = 0, i = 0;
    while (i < b.size()) {
        if (b[i] == '\n') {
            行々.push_back(b.substr(始め, i - 始め));
            始め = ++i;
        } else if (b[i] == '\r') {
            std::size_t j = i;
            while (j < b.size() && b[j] == '\r') ++j;
            行々.push_back(b.substr(始め, i - 始め));
            if (j < b.size() && b[j] == '\n') {
                i = j + 1;  // the whole run and the LF: one line end
            } else {
                // Bare CRs: one line end each, the lines between them empty.
                for (std::size_t n = i + 1; n < j; ++n) 行々.push_back({});
                i = j;
            }
            始め = i;
        } else {
            ++i;
        }
    }
    if (始め < b.size()) 行々.push_back(b.substr(始め));
    return 行々;
}

bool 空白だけ(std::string_view 行) {
    for (char c : 行)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// The columns [位置, 位置 + 幅) as far as the line reaches.
std::string_view 列(std::string_view 行, std::size_t 位置, std::size_t 幅) {
    if (位置 >= 行.size()) return {};
    return 行.substr(位置, 幅);
}

// The usual leading-number value.
int 数値(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    int 符号 = 1;
    if (i < t.size() && t[i] == '-') {
        符号 = -1;
        ++i;
    }
    int v = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') v = v * 10 + (t[i++] - '0');
    return 符号 * v;
}

局面 一行(std::string_view 行, bool& 損傷) {
    if (行.size() > 行長) 行 = 行.substr(0, 行長);
    局面 r;
    r.短い = 行.size() < 81 * 4;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = 数値(列(行, static_cast<std::size_t>(((x - 1) * 9 + (y - 1)) * 4), 4));
            if (駒コードか(v)) r.盤[x][y] = v;
            else r.盤が壊れ = 損傷 = true;
        }
    for (int k = 1; k <= 7; ++k)
        for (int 側 = 0; 側 < 2; ++側) {
            const std::string_view c = 列(行, 324 + static_cast<std::size_t>((k - 1) * 2 + 側), 1);
            int n = 0;
            if (!c.empty()) {
                if (c[0] >= '0' && c[0] <= '9') n = c[0] - '0';
                else if (c[0] >= 'A' && c[0] <= 'I') n = 10 + (c[0] - 'A');
                else 損傷 = true;
            }
            (側 == 0 ? r.持駒_下 : r.持駒_上)[k] = n;
        }
    for (std::size_t i = 0; i < 4; ++i) {
        const int v = 数値(列(行, 338 + i * 5, 5));
        if (v < 0) 損傷 = true;
        r.秒[i] = v < 0 ? 0 : v;
    }
    return r;
}

bool 王あり(const 局面& r, int 符号) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = 符号 * r.盤[x][y];
            if (v / 10 == 80) return true;  // king, unpromoted, any facing
        }
    return false;
}

void UTF8を足す(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One two-byte character through the system's CP932 table.
std::optional<std::string> 二バイト字(unsigned char a, unsigned char b) {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) std::abort();
    char in[2] = {static_cast<char>(a), static_cast<char>(b)};
    char out[8];
    char* src = in;
    char* dst = out;
    std::size_t 残り = 2, 空き = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &残り, &dst, &空き) == static_cast<std::size_t>(-1) || 残り != 0) return std::nullopt;
    return std::string(out, static_cast<std::size_t>(dst - out));
}

}  // namespace

bool 駒コードか(int v) {
    if (v == 0) return true;
    const int a = v < 0 ? -v : v;
    const int 種 = a / 100, 成 = a / 10 % 10, 向き = a % 10;
    if (種 < 1 || 種 > 8 || 向き > 3 || 成 > 1) return false;
    return !(成 == 1 && (種 == 5 || 種 == 8));
}

結果 解析(std::string_view バイト列) {
    結果 k;
    const std::vector<std::string_view> 行々 = 行に分ける(バイト列);
    for (std::size_t i = 0; i < 3 && i < 行々.size(); ++i) k.見出し[i] = std::string(行々[i].substr(0, 見出し長));

    std::vector<std::string_view> 指し手;
    for (std::size_t i = 3; i < 行々.size(); ++i)
        if (!空白だけ(行々[i].substr(0, 行長))) 指し手.push_back(行々[i]);
    if (指し手.size() > static_cast<std::size_t>(最大局面)) {
        k.超過 = true;
        指し手.resize(最大局面);
    }
    for (std::string_view 行 : 指し手) k.局面々.push_back(一行(行, k.損傷));
    for (std::size_t n = 0; n < k.局面々.size(); ++n) {
        const 局面& r = k.局面々[n];
        if (王あり(r, +1) && 王あり(r, -1)) continue;
        // The last position of a game that ended by taking a king.
        const bool 最後 = n > 0 && n + 1 == k.局面々.size();
        if (最後 && !r.短い && !r.盤が壊れ && 王あり(r, +1) != 王あり(r, -1)) break;
        k.王なし手 = static_cast<int>(n + 1);
        k.理由 = r.短い ? 切断::行が短い : r.盤が壊れ ? 切断::駒が壊れている : 切断::王がない;
        k.局面々.resize(n);
        break;
    }
    return k;
}

std::optional<std::string> 見出しをUTF8へ(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (c >= 0xA1 && c <= 0xDF) {  // half-width katakana
            UTF8を足す(out, 0xFF61 + (c - 0xA1));
            ++i;
        } else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            if (i + 1 >= s.size()) return std::nullopt;
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if (d < 0x40 || d == 0x7F || d > 0xFC) return std::nullopt;
            const auto u = 二バイト字(c, d);
            if (!u) return std::nullopt;
            out += *u;
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

bool 正しいUTF8か(std::string_view t) {
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        std::size_t n;
        unsigned cp, 最小;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 1, cp = c & 0x1F, 最小 = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2, cp = c & 0x0F, 最小 = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3, cp = c & 0x07, 最小 = 0x10000;
        } else {
            return false;
        }
        if (i + n >= t.size()) return false;  // cut short
        for (std::size_t j = 1; j <= n; ++j) {
            const auto d = static_cast<unsigned char>(t[i + j]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < 最小 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

}  // namespace 参照
