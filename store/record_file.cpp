// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/record_file.h"

#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "store/sjis.h"
#include "view/tr.h"

namespace {

// Right-aligned decimal in a field of 幅 columns.
std::string 右寄せ(int v, int 幅) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%*d", 幅, v);
    return buf;
}

int 時間欄(double 秒) {
    if (!(秒 > 0)) return 0;  // also NaN
    if (秒 >= 時間の上限) return 時間の上限;
    return static_cast<int>(std::floor(秒));
}

char 持駒の字(int n) {
    if (n <= 0) return '0';
    if (n <= 9) return static_cast<char>('0' + n);
    if (n > 持駒の上限) n = 持駒の上限;
    return static_cast<char>('A' + (n - 10));
}

// One hand field; missing fields read as 0 without complaint.
int 持駒の値(std::string_view 欄, bool& 損傷) {
    if (欄.empty()) return 0;
    const char c = 欄[0];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'I') return 10 + (c - 'A');
    損傷 = true;
    return 0;
}

std::string_view 欄(std::string_view 行, std::size_t 位置, std::size_t 幅) {
    if (位置 >= 行.size()) return {};
    return 行.substr(位置, 幅);
}

bool 王がいる(const 棋譜局面& r, int 符号) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int v = r.盤[x][y] * 符号;
            if (v >= 800 && v <= 803) return true;
        }
    return false;
}

std::string 見出しをSJISへ(const std::string& t, std::string& エラー) {
    if (t.find_first_of("\r\n") != std::string::npos) {
        エラー = "名前「" + t + "」に改行が含まれています。";
        return {};
    }
    auto sj = UTF8からSJIS(t);
    if (!sj) {
        エラー = "名前「" + t + "」にShift_JISで書けない文字があります。";
        return {};
    }
    return *sj;
}

bool 空白(unsigned char c) { return c == ' ' || c == '\t'; }

}  // namespace

// ---- writing ----------------------------------------------------------------

棋譜局面 取得_記録局面(const 棋譜& 記録, int n) {
    棋譜局面 r;
    const 棋譜の欄& e = 記録[n];
    static_cast<局面&>(r) = e.面;
    r.前秒M = 時間欄(e.前秒M);
    r.後秒M = 時間欄(e.後秒M);
    r.前秒C = 時間欄(e.前秒C);
    r.後秒C = 時間欄(e.後秒C);
    return r;
}

棋譜の欄 記録の欄(const 棋譜局面& r) {
    棋譜の欄 e;
    e.面 = r;
    e.前秒M = r.前秒M;
    e.後秒M = r.後秒M;
    e.前秒C = r.前秒C;
    e.後秒C = r.後秒C;
    return e;
}

std::string 変換_指し手行(const 棋譜局面& r) {
    std::string 行;
    行.reserve(指し手行の長さ);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            // A code the game cannot hold would spill out of its columns.
            const int v = 有効な駒コード(r.盤[x][y]) ? r.盤[x][y] : 空;
            行 += 右寄せ(v, 4);
        }
    for (int k = 1; k <= 7; ++k) {
        行 += 持駒の字(r.持駒_MAN[k]);
        行 += 持駒の字(r.持駒_COM[k]);
    }
    for (int v : {r.前秒M, r.後秒M, r.前秒C, r.後秒C}) 行 += 右寄せ(時間欄(v), 5);
    return 行;
}

std::string 変換_棋譜バイト列(const 棋譜& 記録, int 棋譜最終手数, const std::string& 対局名, const std::string& 上の名前,
                              const std::string& 下の名前, std::string& エラー, std::string* 注意) {
    エラー.clear();
    if (注意) 注意->clear();
    std::string out;
    for (const std::string* t : {&対局名, &上の名前, &下の名前}) {
        const std::string sj = 見出しをSJISへ(*t, エラー);
        if (!エラー.empty()) return {};
        out += sj + "\r\n";
    }
    const int 最後 = 棋譜最終手数 > 履歴最大 ? 履歴最大 : 棋譜最終手数;

    // A value the columns cannot hold is never changed silently: pieces are
    // refused, clocks are kept within their five columns and the player told.
    static const char* const 駒名[8] = {"", "歩", "香", "桂", "銀", "金", "角", "飛"};
    bool 時間を丸めた = false;
    for (int n = 1; n <= 最後; ++n) {
        const std::string 手 = std::to_string(n) + "手目の";
        const 棋譜の欄& e = 記録[n];
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!有効な駒コード(e.面.盤[x][y])) {
                    エラー = 手 + "盤（" + std::to_string(x) + ", " + std::to_string(y) + "）の駒 " +
                             std::to_string(e.面.盤[x][y]) + " は棋譜ファイルに書けません。";
                    return {};
                }
        for (int k = 1; k <= 7; ++k)
            for (const auto& [手駒, 側] : {std::pair{e.面.持駒_MAN[k], "下"}, std::pair{e.面.持駒_COM[k], "上"}})
                if (手駒 < 0 || 手駒 > 持駒の上限) {
                    エラー = 手 + 側 + "の持駒の" + 駒名[k] + "が" + std::to_string(手駒) +
                             "枚あり、棋譜ファイルには書けません（1種類" + std::to_string(持駒の上限) + "枚まで）。";
                    return {};
                }
        for (double t : {e.前秒M, e.後秒M, e.前秒C, e.後秒C})
            if (!(t >= 0 && t < 時間の上限 + 1)) 時間を丸めた = true;
    }
    if (時間を丸めた && 注意)
        *注意 = "0〜" + std::to_string(時間の上限) + "秒に収まらない時間は、" + std::to_string(時間の上限) +
                "秒（負の時間は0秒）として書きました。";

    out.reserve(out.size() + static_cast<std::size_t>(最後 > 0 ? 最後 : 0) * (指し手行の長さ + 2));
    for (int n = 1; n <= 最後; ++n) out += 変換_指し手行(取得_記録局面(記録, n)) + "\r\n";
    return out;
}

// ---- file names ---------------------------------------------------------------

std::string 整形_ファイル名(const std::string& 名前) {
    static const std::string 全角空白 = "\xE3\x80\x80";  // U+3000
    std::string_view v = 名前;
    for (;;) {
        if (!v.empty() && 空白(static_cast<unsigned char>(v.front()))) v.remove_prefix(1);
        else if (v.substr(0, 3) == 全角空白) v.remove_prefix(3);
        else break;
    }
    for (;;) {
        if (!v.empty() && 空白(static_cast<unsigned char>(v.back()))) v.remove_suffix(1);
        else if (v.size() >= 3 && v.substr(v.size() - 3) == 全角空白) v.remove_suffix(3);
        else break;
    }
    return std::string(v);
}

std::string 調査_ファイル名(const std::string& フォルダ, const std::string& 名前) {
    if (名前.empty()) return QT_TRANSLATE_NOOP("Game", "ファイル名が空です。");
    if (名前 == "." || 名前 == "..") return QT_TRANSLATE_NOOP("Game", "「.」と「..」はファイル名に使えません。");
    if (名前.find('/') != std::string::npos) return QT_TRANSLATE_NOOP("Game", "ファイル名に「/」は使えません。");
    for (unsigned char c : 名前)
        if (c < 0x20 || c == 0x7F) return QT_TRANSLATE_NOOP("Game", "ファイル名に制御文字は使えません。");
    long 最大 = ::pathconf(フォルダ.empty() ? "." : フォルダ.c_str(), _PC_NAME_MAX);
    if (最大 <= 0) 最大 = 255;
    if (名前.size() + std::strlen(棋譜拡張子) > static_cast<std::size_t>(最大))
        return QT_TRANSLATE_NOOP("Game", "ファイル名が長すぎます。");
    return "";
}

// ---- reading ------------------------------------------------------------------

namespace {

// Empty lines still owed by a run of carriage returns (see below), kept
// with the stream itself.
int 保留の空行() {
    static const int 番号 = std::ios_base::xalloc();
    return 番号;
}

int 一行読む(std::istream& f, std::streambuf& sb, std::string& 文字列, std::size_t 上限, std::size_t 読む上限) {
    using T = std::char_traits<char>;
    long& 保留 = f.iword(保留の空行());
    if (保留 > 0) {
        --保留;
        return 真;
    }
    bool 何か = false;
    for (std::size_t 読んだ = 0;; ++読んだ) {
        const int c = sb.sbumpc();
        if (c == T::eof()) {
            f.setstate(std::ios::eofbit);
            return 何か ? 真 : 偽;
        }
        何か = true;
        if (c == '\n') return 真;
        if (c == '\r') {
            // CR LF ends a line, and so does CR CR LF: a file that went
            // through a second line-end conversion.  Carriage returns that
            // no line feed follows end one line each.
            long 余り = 0;
            while (sb.sgetc() == '\r') {
                sb.sbumpc();
                ++余り;
            }
            if (sb.sgetc() == '\n') sb.sbumpc();
            else 保留 = 余り;
            return 真;
        }
        if (読んだ >= 読む上限) return 行が長すぎる;
        if (文字列.size() < 上限) 文字列.push_back(static_cast<char>(c));
    }
}

}  // namespace

int 読込_棋譜ファイル(std::istream& f, std::string& 文字列, std::size_t 上限) {
    return 読込_棋譜ファイル(f, 文字列, 上限, static_cast<std::size_t>(-1));
}

int 読込_棋譜ファイル(std::istream& f, std::string& 文字列, std::size_t 上限, std::size_t 読む上限) {
    文字列.clear();
    std::streambuf* sb = f.rdbuf();
    if (!f.good() || sb == nullptr) return 偽;
    // A stream buffer may throw on a read error (a file stream does); the
    // error then ends the input and shows in the stream's state.
    try {
        return 一行読む(f, *sb, 文字列, 上限, 読む上限);
    } catch (...) {
        文字列.clear();
        f.setstate(std::ios::badbit);  // no exceptions are asked of our streams
        return 偽;
    }
}

int 変換_数値(std::string_view 欄) {
    std::size_t i = 0;
    while (i < 欄.size() && 欄[i] == ' ') ++i;
    bool 負 = false;
    if (i < 欄.size() && 欄[i] == '-') {
        負 = true;
        ++i;
    }
    long v = 0;
    for (; i < 欄.size() && 欄[i] >= '0' && 欄[i] <= '9'; ++i) {
        v = v * 10 + (欄[i] - '0');
        if (v > INT_MAX / 10) break;  // no field is that wide; stay defined anyway
    }
    return static_cast<int>(負 ? -v : v);
}

namespace {

// One move line; 盤損傷 for the board's fields, 他損傷 for the rest.
棋譜局面 行を解析(std::string_view 行, bool& 盤損傷, bool& 他損傷) {
    if (行.size() > 指し手行の長さ) 行 = 行.substr(0, 指し手行の長さ);
    棋譜局面 r;
    std::size_t p = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y, p += 4) {
            const int v = 変換_数値(欄(行, p, 4));
            if (有効な駒コード(v)) {
                r.盤[x][y] = v;
            } else {
                盤損傷 = true;
                r.盤[x][y] = 空;
            }
        }
    for (int k = 1; k <= 7; ++k) {
        r.持駒_MAN[k] = 持駒の値(欄(行, p++, 1), 他損傷);
        r.持駒_COM[k] = 持駒の値(欄(行, p++, 1), 他損傷);
    }
    for (int* t : {&r.前秒M, &r.後秒M, &r.前秒C, &r.後秒C}) {
        int v = 変換_数値(欄(行, p, 5));
        p += 5;
        if (v < 0) {  // thinking time is never negative
            他損傷 = true;
            v = 0;
        }
        *t = v;
    }
    return r;
}

bool 空行(std::string_view 行) {
    for (char c : 行)
        if (!空白(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

棋譜局面 解析_指し手行(std::string_view 行, bool& 損傷) {
    bool 盤 = false, 他 = false;
    棋譜局面 r = 行を解析(行, 盤, 他);
    if (盤 || 他) 損傷 = true;
    return r;
}

棋譜内容 解析_棋譜(std::istream& f) {
    棋譜内容 k;
    std::string 行;
    for (std::string* 見出し : {&k.対局名, &k.上の名前, &k.下の名前})
        if (読込_棋譜ファイル(f, 行) == 真) *見出し = SJISからUTF8(行);

    while (読込_棋譜ファイル(f, 行, 指し手行の長さ) == 真) {
        // A blank line between move lines holds no position.
        if (空行(行)) continue;
        if (k.局面.size() == static_cast<std::size_t>(履歴最大)) {
            k.超過 = true;
            break;
        }
        bool 盤損傷 = false, 他損傷 = false;
        k.局面.push_back(行を解析(行, 盤損傷, 他損傷));
        if (盤損傷 || 他損傷) k.損傷 = true;
        // The first position that lacks a king ends the record; say why.
        const 棋譜局面& r = k.局面.back();
        if (k.王なし手 == 0 && (!王がいる(r, +1) || !王がいる(r, -1))) {
            k.王なし手 = static_cast<int>(k.局面.size());
            k.切断 = 行.size() < 持駒の列 - 1 ? 切断理由::行が短い
                     : 盤損傷                 ? 切断理由::駒が壊れている
                                              : 切断理由::王がない;
        }
    }
    // A game won by taking a king ends on a position without that king: as
    // the last line of a whole record, after a position with both kings, it
    // is the game's end, not a fault.
    if (k.王なし手 > 1 && static_cast<std::size_t>(k.王なし手) == k.局面.size() && k.切断 == 切断理由::王がない &&
        王がいる(k.局面.back(), +1) != 王がいる(k.局面.back(), -1)) {
        k.王なし手 = 0;
        k.切断 = 切断理由::なし;
    }
    if (k.王なし手 > 0) k.局面.resize(static_cast<std::size_t>(k.王なし手 - 1));
    return k;
}

std::string 説明_切断(const 棋譜内容& k) {
    const std::string 手 = std::to_string(k.王なし手) + "手目";
    switch (k.切断) {
        case 切断理由::行が短い: return 手 + "の行は途中で切れていて、王がそろっていません。";
        case 切断理由::駒が壊れている: return 手 + "の行は駒の欄が壊れていて、王がそろっていません。";
        case 切断理由::王がない: return 手 + "の局面には王がありません。";
        case 切断理由::なし: break;
    }
    return "";
}

棋譜内容 解析_棋譜(std::string_view バイト列) {
    std::istringstream f{std::string(バイト列)};
    return 解析_棋譜(f);
}
