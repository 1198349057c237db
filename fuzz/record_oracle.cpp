// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/record_oracle.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string 見せる(std::string_view t, std::size_t 上限 = 600) {
    std::string out;
    for (std::size_t i = 0; i < t.size() && i < 上限; ++i) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c == '\\') out += "\\\\";
        else if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    if (t.size() > 上限) out += "...(" + std::to_string(t.size()) + " bytes)";
    return out;
}

std::string 値(int a, int b) { return ": game " + std::to_string(a) + ", reference " + std::to_string(b); }

const char* 理由名(切断理由 r) {
    switch (r) {
        case 切断理由::なし: return "none";
        case 切断理由::王がない: return "no king";
        case 切断理由::行が短い: return "line cut short";
        case 切断理由::駒が壊れている: return "damaged board field";
    }
    return "(not a reason)";
}

切断理由 ゲームの(参照::切断 r) {
    switch (r) {
        case 参照::切断::なし: break;
        case 参照::切断::王がない: return 切断理由::王がない;
        case 参照::切断::行が短い: return 切断理由::行が短い;
        case 参照::切断::駒が壊れている: return 切断理由::駒が壊れている;
    }
    return 切断理由::なし;
}

}  // namespace

[[noreturn]] void 失敗(const std::string& 理由, std::string_view バイト列) {
    std::fprintf(stderr, "\n== record reader disagrees: %s\n== input (%zu bytes): \"%s\"\n", 理由.c_str(),
                 バイト列.size(), 見せる(バイト列).c_str());
    std::abort();
}

std::string 差分(const 棋譜内容& g, const 参照::結果& r) {
    const std::string* 名[3] = {&g.対局名, &g.上の名前, &g.下の名前};
    for (int i = 0; i < 3; ++i) {
        const std::string& t = *名[i];
        const std::string 何 = "header line " + std::to_string(i + 1);
        if (!参照::正しいUTF8か(t)) return 何 + " is not valid UTF-8: \"" + 見せる(t) + "\"";
        if (t.find_first_of("\r\n") != std::string::npos) return 何 + " holds a line end";
        const auto 期待 = 参照::見出しをUTF8へ(r.見出し[i]);
        if (期待) {
            if (t != *期待) return 何 + ": game \"" + 見せる(t) + "\", reference \"" + 見せる(*期待) + "\"";
        } else if (t.find("\xEF\xBF\xBD") == std::string::npos) {
            return 何 + " has undecodable bytes but no U+FFFD: \"" + 見せる(t) + "\"";
        }
    }
    if (g.局面.size() != r.局面々.size())
        return "number of positions" + 値(static_cast<int>(g.局面.size()), static_cast<int>(r.局面々.size()));
    if (g.王なし手 != r.王なし手) return "kingless record number" + 値(g.王なし手, r.王なし手);
    if (g.切断 != ゲームの(r.理由))
        return "reason of the cut at record " + std::to_string(g.王なし手) + ": game " + 理由名(g.切断) +
               ", reference " + 理由名(ゲームの(r.理由));
    // The player's text: none without a cut, else one that names the record.
    const std::string 説明 = 説明_切断(g);
    if ((g.王なし手 == 0) != 説明.empty()) return "cut explained as \"" + 見せる(説明) + "\"";
    if (g.王なし手 > 0 && (説明.rfind(std::to_string(g.王なし手) + "手目", 0) != 0 || !参照::正しいUTF8か(説明)))
        return "the cut at record " + std::to_string(g.王なし手) + " explained as \"" + 見せる(説明) + "\"";
    if (g.超過 != r.超過) return "over-500 flag" + 値(g.超過, r.超過);
    for (std::size_t n = 0; n < g.局面.size(); ++n) {
        const 棋譜局面& a = g.局面[n];
        const 参照::局面& b = r.局面々[n];
        // Whole tables first: long records are mostly positions that agree.
        const int 時計0[4] = {a.前秒M, a.後秒M, a.前秒C, a.後秒C};
        if (std::memcmp(a.盤, b.盤, sizeof a.盤) == 0 && std::memcmp(a.持駒_MAN, b.持駒_下, sizeof a.持駒_MAN) == 0 &&
            std::memcmp(a.持駒_COM, b.持駒_上, sizeof a.持駒_COM) == 0 &&
            std::memcmp(時計0, b.秒.data(), sizeof 時計0) == 0)
            continue;
        const std::string 何 = "record " + std::to_string(n + 1) + " ";
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (a.盤[x][y] != b.盤[x][y])
                    return 何 + "square (" + std::to_string(x) + "," + std::to_string(y) + ")" +
                           値(a.盤[x][y], b.盤[x][y]);
        for (int k = 1; k <= 7; ++k) {
            if (a.持駒_MAN[k] != b.持駒_下[k])
                return 何 + "bottom hand kind " + std::to_string(k) + 値(a.持駒_MAN[k], b.持駒_下[k]);
            if (a.持駒_COM[k] != b.持駒_上[k])
                return 何 + "top hand kind " + std::to_string(k) + 値(a.持駒_COM[k], b.持駒_上[k]);
        }
        const int 時計[4] = {a.前秒M, a.後秒M, a.前秒C, a.後秒C};
        for (int i = 0; i < 4; ++i)
            if (時計[i] != b.秒[static_cast<std::size_t>(i)])
                return 何 + "clock " + std::to_string(i + 1) + 値(時計[i], b.秒[static_cast<std::size_t>(i)]);
    }
    if (g.損傷 != r.損傷) return "damage flag" + 値(g.損傷, r.損傷);
    return "";
}

void 照合(std::string_view バイト列, const 棋譜内容& 読んだ) {
    const std::string d = 差分(読んだ, 参照::解析(バイト列));
    if (!d.empty()) 失敗(d, バイト列);
}

void 書き戻し確認(const 棋譜内容& k) {
    for (std::size_t n = 0; n < k.局面.size(); ++n) {
        const 棋譜局面& r = k.局面[n];
        if (n > 0 && r == k.局面[n - 1]) continue;  // checked already
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!参照::駒コードか(r.盤[x][y])) 失敗("a square holds no piece code", {});
        for (int i = 1; i <= 7; ++i)
            if (r.持駒_MAN[i] < 0 || r.持駒_MAN[i] > 持駒の上限 || r.持駒_COM[i] < 0 || r.持駒_COM[i] > 持駒の上限)
                失敗("a hand count out of range", {});
        for (int t : {r.前秒M, r.後秒M, r.前秒C, r.後秒C})
            if (t < 0 || t > 時間の上限) 失敗("a clock out of range", {});
        const std::string 行 = 変換_指し手行(r);
        if (行.size() != 指し手行の長さ) 失敗("a written move line has " + std::to_string(行.size()) + " columns", 行);
        bool 損傷 = false;
        if (!(解析_指し手行(行, 損傷) == r) || 損傷) 失敗("a written move line does not read back", 行);
    }
}
