// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/recording_platform.h"

#include <charconv>
#include <cstdio>

namespace {

std::string 数(long v) { return std::to_string(v); }
std::string 真偽(bool b) { return b ? "1" : "0"; }

}  // namespace

const char* 部品名(パネル部品 部品) {
    switch (部品) {
        case パネル部品::Drive1: return "Drive1";
        case パネル部品::Dir1: return "Dir1";
        case パネル部品::File1: return "File1";
        case パネル部品::ラベル_対局名: return "ラベル_対局名";
        case パネル部品::ラベル_上: return "ラベル_上";
        case パネル部品::ラベル_下: return "ラベル_下";
        case パネル部品::ラベル_ファイル名: return "ラベル_ファイル名";
        case パネル部品::入力_対局名: return "入力_対局名";
        case パネル部品::入力_上: return "入力_上";
        case パネル部品::入力_下: return "入力_下";
        case パネル部品::入力_ファイル名: return "入力_ファイル名";
        case パネル部品::RETURN: return "RETURN";
    }
    return "?";
}

const char* 応答名(応答 r) {
    switch (r) {
        case 応答::OK: return "OK";
        case 応答::はい: return "はい";
        case 応答::いいえ: return "いいえ";
        case 応答::なし: return "なし";
    }
    return "?";
}

std::string 引用(const std::string& t) {
    std::string out = "\"";
    for (unsigned char c : t) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char b[8];
                    std::snprintf(b, sizeof b, "\\x%02X", c);
                    out += b;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string 数値文字(double v) {
    char b[64];
    const auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

// ---- painting ---------------------------------------------------------------

void 記録の場::絵(int 絵番号, int x, int y) {
    if (!記録中) return;
    描画記録 d;
    d.種類 = 描画記録::絵;
    d.番号 = 絵番号;
    d.x = x;
    d.y = y;
    描画.push_back(d);
    行("絵 " + 数(絵番号) + " " + 数(x) + " " + 数(y));
}

void 記録の場::図形(enum 描画記録::種類 k, int x1, int y1, int x2, int y2, int 色) {
    if (!記録中) return;
    描画記録 d;
    d.種類 = k;
    d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.色 = 色;
    描画.push_back(d);
    行(std::string(k == 描画記録::枠 ? "枠 " : "塗り ") + 数(x1) + " " + 数(y1) + " " + 数(x2) + " " + 数(y2) + " " +
       数(色));
}

void 記録の場::枠(int x1, int y1, int x2, int y2, int 色) { 図形(描画記録::枠, x1, y1, x2, y2, 色); }
void 記録の場::塗り(int x1, int y1, int x2, int y2, int 色) { 図形(描画記録::塗り, x1, y1, x2, y2, 色); }

void 記録の場::文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) {
    if (!記録中) return;
    描画記録 d;
    d.種類 = 描画記録::文字;
    d.x = x, d.y = y, d.文字列 = t, d.大きさ = 大きさ, d.太字 = 太字, d.色 = 色;
    描画.push_back(d);
    行("文字 " + 数(x) + " " + 数(y) + " " + 数(大きさ) + " " + 真偽(太字) + " " + 数(色) + " " + 引用(t));
}

void 記録の場::再描画() {
    if (!記録中) return;
    描画記録 d;
    d.種類 = 描画記録::再描画;
    描画.push_back(d);
    行("再描画");
}

// ---- dialogs ------------------------------------------------------------------

応答 記録の場::メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    応答 r = b == ボタン::OK ? 応答::OK : 応答::はい;
    if (!応答予定.empty()) {
        r = 応答予定.front();
        応答予定.pop_front();
    }
    if (!記録中) return r;
    メッセージ履歴.push_back({本文, 題, b, 警告});
    行("メッセージ " + 引用(本文) + " " + 引用(題) + (b == ボタン::OK ? " OK " : " はいいいえ ") + 真偽(警告) + " -> " +
       応答名(r));
    return r;
}

// ---- time ---------------------------------------------------------------------

void 記録の場::タイマー(bool 有効) {
    タイマー有効 = 有効;
    if (!記録中) return;
    タイマー履歴.push_back(有効);
    行("タイマー " + 真偽(有効));
}

double 記録の場::時刻() {
    if (記録中) 行("時刻 -> " + 数値文字(現在時刻));
    return 現在時刻;
}

void 記録の場::待つ(double 秒) {
    if (!記録中) return;
    待ち.push_back(秒);
    行("待つ " + 数値文字(秒));
}

// ---- menu ---------------------------------------------------------------------

void 記録の場::チェック表示(メニュー項目 項目, bool 付ける) {
    チェック[static_cast<int>(項目)] = 付ける;
    if (記録中) 行(std::string("チェック表示 ") + メニュー項目名(項目) + " " + 真偽(付ける));
}

// ---- record-file panel --------------------------------------------------------

void 記録の場::パネル表示(パネル部品 部品, bool 見える) {
    パネル見える[static_cast<int>(部品)] = 見える;
    if (記録中) 行(std::string("パネル表示 ") + 部品名(部品) + " " + 真偽(見える));
}

std::string 記録の場::パネル文字(パネル部品 部品) {
    const std::string t = パネル文字列[static_cast<int>(部品)];
    if (記録中) 行(std::string("パネル文字 ") + 部品名(部品) + " -> " + 引用(t));
    return t;
}

void 記録の場::パネル文字設定(パネル部品 部品, const std::string& t) {
    パネル文字列[static_cast<int>(部品)] = t;
    if (記録中) 行(std::string("パネル文字設定 ") + 部品名(部品) + " " + 引用(t));
}

std::string 記録の場::パネルフォルダ() {
    if (記録中) 行("パネルフォルダ -> " + 引用(フォルダ));
    return フォルダ;
}

void 記録の場::パネルフォルダ設定(const std::string& f) {
    フォルダ = f;
    if (記録中) 行("パネルフォルダ設定 " + 引用(f));
}

void 記録の場::パネル一覧更新() {
    ++一覧更新回数;
    if (記録中) 行("パネル一覧更新");
}

// ---- sound library ------------------------------------------------------------

long 記録の場::dsInitialize() {
    if (記録中) {
        音.push_back("init");
        行("dsInitialize -> " + 数(装置値));
    }
    return 装置値;
}

long 記録の場::dsCreateDSB(long 装置, const unsigned char*, std::size_t 長さ, int フラグ) {
    const long h = 次の音++;
    if (!記録中) return h;
    音.push_back("create " + 数(装置) + " " + std::to_string(長さ) + " " + 数(フラグ) + " -> " + 数(h));
    行("dsCreateDSB " + 数(装置) + " " + std::to_string(長さ) + " " + 数(フラグ) + " -> " + 数(h));
    return h;
}

void 記録の場::音の記録(const std::string& 短く, const char* 呼出, long v) {
    if (!記録中) return;
    音.push_back(短く + " " + 数(v));
    行(呼出 + (" " + 数(v)));
}

void 記録の場::dsPlay(long h) { 音の記録("play", "dsPlay", h); }
void 記録の場::dsPlayLooping(long h) { 音の記録("loop", "dsPlayLooping", h); }
void 記録の場::dsStop(long h) { 音の記録("stop", "dsStop", h); }
void 記録の場::dsFree(long h) { 音の記録("free", "dsFree", h); }
void 記録の場::dsTerminate(long d) { 音の記録("terminate", "dsTerminate", d); }

// ---- end of the program -------------------------------------------------------

void 記録の場::終了() {
    終了済み = true;
    if (記録中) 行("終了");
}
