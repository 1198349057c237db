// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/preferences.h"

#include <cerrno>

#include "store/safe_file.h"

namespace {

// Far more than a few options ever take; a larger file is not ours.
constexpr std::size_t 最大の大きさ = 64 * 1024;

std::string 刈る(const std::string& t) {
    const auto a = t.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    const auto b = t.find_last_not_of(" \t\r");
    return t.substr(a, b - a + 1);
}

bool 鍵に使える(const std::string& 鍵) {
    if (鍵.empty()) return false;
    for (char c : 鍵)
        if (c == '=' || c == '#' || c == '\n' || c == '\r') return false;
    return 刈る(鍵) == 鍵;
}

}  // namespace

好み設定 好み設定::解読(const std::string& 中身) {
    好み設定 r;
    std::size_t i = 0;
    while (i < 中身.size()) {
        std::size_t e = 中身.find('\n', i);
        if (e == std::string::npos) e = 中身.size();
        const std::string 行 = 刈る(中身.substr(i, e - i));
        i = e + 1;
        if (行.empty() || 行[0] == '#') continue;
        const auto eq = 行.find('=');
        if (eq == std::string::npos) continue;
        const std::string 鍵 = 刈る(行.substr(0, eq));
        if (!鍵に使える(鍵)) continue;
        r.値_[鍵] = 刈る(行.substr(eq + 1));
    }
    return r;
}

std::string 好み設定::書式() const {
    std::string o;
    for (const auto& [k, v] : 値_) o += k + "=" + v + "\n";
    return o;
}

std::string 好み設定::値(const std::string& 鍵, const std::string& 既定) const {
    auto it = 値_.find(鍵);
    return it == 値_.end() ? 既定 : it->second;
}

bool 好み設定::設定(const std::string& 鍵, const std::string& 値) {
    if (!鍵に使える(鍵) || 値.find_first_of("\r\n") != std::string::npos) return false;
    値_[鍵] = 刈る(値);
    return true;
}

int 好み設定::読む(const std::string& パス) {
    std::string 中身;
    const int e = 読込_通常ファイル(パス, 最大の大きさ, 中身);
    if (e == ENOENT) {
        値_.clear();
        return 0;
    }
    if (e != 0) return e;
    *this = 解読(中身);
    return 0;
}

int 好み設定::書く(const std::string& パス) const { return 書込_置換(パス, 書式()); }
