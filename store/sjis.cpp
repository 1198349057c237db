// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sjis.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One iconv conversion.  With 置換 an undecodable byte is replaced by U+FFFD
// and skipped; without it the conversion fails.
std::optional<std::string> 変換(const char* to, const char* from, const std::string& in, bool 置換) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    bool ok = true;
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        const size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!置換) {
            ok = false;
            break;
        }
        // EILSEQ or EINVAL (truncated sequence at the end): skip one byte.
        out += "\xEF\xBF\xBD";
        ++src;
        --left;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (ok) {
        char* dst = buf;
        size_t room = sizeof buf;
        iconv(cd, nullptr, nullptr, &dst, &room);
        out.append(buf, static_cast<size_t>(dst - buf));
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

// CP932 is the Windows flavour of Shift_JIS that the files are written in;
// it also covers the half-width katakana and the full-width digits.
constexpr const char* 符号 = "CP932";

}  // namespace

std::optional<std::string> UTF8からSJIS(const std::string& utf8) { return 変換(符号, "UTF-8", utf8, false); }

std::string SJISからUTF8(const std::string& sjis) { return 変換("UTF-8", 符号, sjis, true).value_or(""); }

std::optional<std::string> SJISからUTF8_厳密(const std::string& sjis) { return 変換("UTF-8", 符号, sjis, false); }
