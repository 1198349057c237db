#include "tests/support/fake_platform.h"

#include <charconv>
#include <cstdio>

#include "game/render.h"

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

std::vector<int> FakePlatform::絵の履歴(int c, int r) const {
    std::vector<int> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::絵 && d.x == セルX(c) && d.y == セルY(r)) out.push_back(d.番号);
    return out;
}

std::vector<std::string> FakePlatform::文字の履歴() const {
    std::vector<std::string> out;
    for (const auto& d : 描画)
        if (d.種類 == 描画記録::文字) out.push_back(d.文字列);
    return out;
}

void FakePlatform::絵(int 絵番号, int x, int y) {
    描画記録 d;
    d.種類 = 描画記録::絵;
    d.番号 = 絵番号;
    d.x = x;
    d.y = y;
    描画.push_back(d);
    行("絵 " + 数(絵番号) + " " + 数(x) + " " + 数(y));
}

void FakePlatform::枠(int x1, int y1, int x2, int y2, int 色) {
    描画記録 d;
    d.種類 = 描画記録::枠;
    d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.色 = 色;
    描画.push_back(d);
    行("枠 " + 数(x1) + " " + 数(y1) + " " + 数(x2) + " " + 数(y2) + " " + 数(色));
}

void FakePlatform::塗り(int x1, int y1, int x2, int y2, int 色) {
    描画記録 d;
    d.種類 = 描画記録::塗り;
    d.x = x1, d.y = y1, d.x2 = x2, d.y2 = y2, d.色 = 色;
    描画.push_back(d);
    行("塗り " + 数(x1) + " " + 数(y1) + " " + 数(x2) + " " + 数(y2) + " " + 数(色));
}

void FakePlatform::文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) {
    描画記録 d;
    d.種類 = 描画記録::文字;
    d.x = x, d.y = y, d.文字列 = t, d.大きさ = 大きさ, d.太字 = 太字, d.色 = 色;
    描画.push_back(d);
    行("文字 " + 数(x) + " " + 数(y) + " " + 数(大きさ) + " " + 真偽(太字) + " " + 数(色) + " " + 引用(t));
}

void FakePlatform::再描画() {
    描画記録 d;
    d.種類 = 描画記録::再描画;
    描画.push_back(d);
    行("再描画");
}

応答 FakePlatform::メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    メッセージ履歴.push_back({本文, 題, b, 警告});
    応答 r = b == ボタン::OK ? 応答::OK : 応答::はい;
    if (!応答予定.empty()) {
        r = 応答予定.front();
        応答予定.pop_front();
    }
    行("メッセージ " + 引用(本文) + " " + 引用(題) + (b == ボタン::OK ? " OK " : " はいいいえ ") + 真偽(警告) + " -> " +
       応答名(r));
    return r;
}

void FakePlatform::タイマー(bool 有効) {
    タイマー有効 = 有効;
    タイマー履歴.push_back(有効);
    行("タイマー " + 真偽(有効));
}

double FakePlatform::時刻() {
    行("時刻 -> " + 数値文字(現在時刻));
    return 現在時刻;
}

void FakePlatform::待つ(double 秒) {
    待ち.push_back(秒);
    行("待つ " + 数値文字(秒));
}

void FakePlatform::チェック表示(メニュー項目 項目, bool 付ける) {
    チェック[static_cast<int>(項目)] = 付ける;
    行(std::string("チェック表示 ") + メニュー項目名(項目) + " " + 真偽(付ける));
}

void FakePlatform::パネル表示(パネル部品 部品, bool 見える) {
    パネル見える[static_cast<int>(部品)] = 見える;
    行(std::string("パネル表示 ") + 部品名(部品) + " " + 真偽(見える));
}

std::string FakePlatform::パネル文字(パネル部品 部品) {
    const std::string t = パネル文字列[static_cast<int>(部品)];
    行(std::string("パネル文字 ") + 部品名(部品) + " -> " + 引用(t));
    return t;
}

void FakePlatform::パネル文字設定(パネル部品 部品, const std::string& t) {
    パネル文字列[static_cast<int>(部品)] = t;
    行(std::string("パネル文字設定 ") + 部品名(部品) + " " + 引用(t));
}

std::string FakePlatform::パネルフォルダ() {
    行("パネルフォルダ -> " + 引用(フォルダ));
    return フォルダ;
}

void FakePlatform::パネルフォルダ設定(const std::string& f) {
    フォルダ = f;
    行("パネルフォルダ設定 " + 引用(f));
}

void FakePlatform::パネル一覧更新() {
    ++一覧更新回数;
    行("パネル一覧更新");
}

long FakePlatform::dsInitialize() {
    音.push_back("init");
    行("dsInitialize -> " + 数(装置値));
    return 装置値;
}

long FakePlatform::dsCreateDSB(long 装置, const unsigned char*, std::size_t 長さ, int フラグ) {
    const long h = 次の音++;
    音.push_back("create " + std::to_string(装置) + " " + std::to_string(長さ) + " " + std::to_string(フラグ) + " -> " +
                 std::to_string(h));
    行("dsCreateDSB " + 数(装置) + " " + std::to_string(長さ) + " " + 数(フラグ) + " -> " + 数(h));
    return h;
}

void FakePlatform::dsPlay(long h) {
    音.push_back("play " + std::to_string(h));
    行("dsPlay " + 数(h));
}

void FakePlatform::dsPlayLooping(long h) {
    音.push_back("loop " + std::to_string(h));
    行("dsPlayLooping " + 数(h));
}

void FakePlatform::dsStop(long h) {
    音.push_back("stop " + std::to_string(h));
    行("dsStop " + 数(h));
}

void FakePlatform::dsFree(long h) {
    音.push_back("free " + std::to_string(h));
    行("dsFree " + 数(h));
}

void FakePlatform::dsTerminate(long d) {
    音.push_back("terminate " + std::to_string(d));
    行("dsTerminate " + 数(d));
}

void FakePlatform::終了() {
    終了済み = true;
    行("終了");
}
