// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the settings file "Vezuvire.ini".
// Reading it must never crash and must leave every option within its values;
// a file of four readable lines must give exactly what comparing each whole
// line with its literal values gives, anything else the defaults (with the
// file rewritten to them); and the options written back must read again the
// same.
#include <iconv.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "view/recording_platform.h"
#include "fuzz/reference_record.h"
#include "store/settings.h"

namespace {

// Draws nothing and remembers nothing but whether the music was started.
class 無言の窓 : public 記録の場 {
public:
    bool 音楽 = false;
    無言の窓() {
        記録中 = false;
        現在時刻 = 0;
    }
    void dsPlayLooping(long) override { 音楽 = true; }
    void dsStop(long) override { 音楽 = false; }
};

std::string 作業場所;
std::unique_ptr<状態> 器;

void 片付け() {
    std::error_code ec;
    if (!作業場所.empty()) std::filesystem::remove_all(作業場所, ec);
}

[[noreturn]] void 失敗(const std::string& 理由, std::string_view b) {
    std::string 見せ方;
    for (unsigned char c : b.substr(0, 400)) {
        char buf[8];
        if (c >= 0x20 && c < 0x7F && c != '\\') 見せ方 += static_cast<char>(c);
        else std::snprintf(buf, sizeof buf, "\\x%02X", c), 見せ方 += buf;
    }
    std::fprintf(stderr, "\n== settings reader: %s\n== file (%zu bytes): \"%s\"\n", 理由.c_str(), b.size(),
                 見せ方.c_str());
    std::abort();
}

// The literal lines in the file's code page, converted here once.
std::string SJIS(const char* utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) std::abort();
    std::string in = utf8, out(64, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t 残り = in.size(), 空き = out.size();
    if (iconv(cd, &src, &残り, &dst, &空き) == static_cast<std::size_t>(-1)) std::abort();
    iconv_close(cd);
    out.resize(out.size() - 空き);
    return out;
}

struct 値 {
    int 背景 = 0;  // 5..9
    bool 指導 = false, 経過 = false, 音 = false;
    bool operator==(const 値&) const = default;
};

// The options as the state holds them, checked for being one consistent set.
値 取り出す(const 状態& s, const 無言の窓& p, std::string_view b) {
    const メニュー項目 項目[5] = {メニュー項目::MIDORI, メニュー項目::TATAMI, メニュー項目::TAKE, メニュー項目::UCHU,
                                  メニュー項目::RENGA};  // codes 5..9 in order
    if (s.表示.背景種類 < 背景_緑 || s.表示.背景種類 > 背景_煉瓦) 失敗("background code " + std::to_string(s.表示.背景種類), b);
    for (int i = 0; i < 5; ++i)
        if (s.操作.checked(項目[i]) != (s.表示.背景種類 == 背景_緑 + i))
            失敗("background check marks do not show code " + std::to_string(s.表示.背景種類), b);
    if (s.操作.移動指導 != 0 && s.操作.移動指導 != 1) 失敗("guidance " + std::to_string(s.操作.移動指導), b);
    if (s.表示.移動指導色 != (s.操作.移動指導 ? 色_白 : 2)) 失敗("guidance colour " + std::to_string(s.表示.移動指導色), b);
    if (s.操作.checked(メニュー項目::SIDOU) != (s.操作.移動指導 == 1)) 失敗("guidance check mark differs from guidance", b);
    if (s.操作.checked(メニュー項目::BGM) != p.音楽) 失敗("music check mark differs from the music playing", b);
    return {s.表示.背景種類, s.操作.移動指導 == 1, s.操作.checked(メニュー項目::KEIKA), s.操作.checked(メニュー項目::BGM)};
}

// Before reading: tatami, guidance on, no elapsed time, no music — nothing
// like the defaults, so that what was applied and what was left shows.
const 値 前の値{背景_畳, true, false, false};

// As at start-up: a fresh state with the given options, no music playing.
void 用意(状態& s, 無言の窓& p, const 値& v) {
    static const auto 初め = std::make_unique<状態>();
    s = *初め;
    p = 無言の窓{};
    s.表示.背景種類 = v.背景;
    s.操作.チェック[static_cast<int>(メニュー項目::MIDORI) + (v.背景 == 背景_緑     ? 0
                                                         : v.背景 == 背景_畳   ? 1
                                                         : v.背景 == 背景_竹   ? 2
                                                         : v.背景 == 背景_宇宙 ? 3
                                                                               : 4)] = true;
    s.操作.移動指導 = v.指導 ? 1 : 0;
    s.表示.移動指導色 = v.指導 ? 色_白 : 2;
    s.操作.チェック[static_cast<int>(メニュー項目::SIDOU)] = v.指導;
    s.操作.チェック[static_cast<int>(メニュー項目::KEIKA)] = v.経過;
    s.操作.チェック[static_cast<int>(メニュー項目::BGM)] = v.音;
}

std::string 読む(const char* パス) {
    std::ifstream f(パス, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void 書く(const char* パス, std::string_view b) {
    std::FILE* f = std::fopen(パス, "wb");
    if (f == nullptr) std::abort();
    if (!b.empty() && std::fwrite(b.data(), 1, b.size(), f) != b.size()) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

struct 字面 {
    std::string 背景[5];  // 緑 畳 竹 宇宙 煉瓦: codes 5..9
    std::string 指導ON, 指導OFF, 経過ON, 経過OFF, 音ON, 音OFF;
};
const 字面& 字() {
    static const 字面 t{
        {SJIS("背景画=緑"), SJIS("背景画=畳"), SJIS("背景画=竹"), SJIS("背景画=宇宙"), SJIS("背景画=煉瓦")},
        SJIS("移動指導=ON"),
        SJIS("移動指導=OFF"),
        SJIS("経過時間=ON"),
        SJIS("経過時間=OFF"),
        "BGM=ON",
        "BGM=OFF"};
    return t;
}

// The file the options are written as.
std::string ファイルの形(const 値& v) {
    const 字面& t = 字();
    return t.背景[v.背景 - 背景_緑] + "\r\n" + (v.指導 ? t.指導ON : t.指導OFF) + "\r\n" +
           (v.経過 ? t.経過ON : t.経過OFF) + "\r\n" + (v.音 ? t.音ON : t.音OFF) + "\r\n";
}
const 値 既定{背景_緑, false, true, true};

// What reading the bytes must give, from the file format: four lines, each
// compared whole; fewer lines, a file too big to be one of ours (over 4096
// bytes), a NUL byte or a line that is not Shift_JIS mean the defaults.
値 期待(std::string_view b, bool& 既定になる) {
    既定になる = true;
    if (b.size() > 4096 || b.find('\0') != std::string_view::npos) return 既定;
    std::vector<std::string_view> 行;
    std::size_t i = 0;
    while (行.size() < 4 && i < b.size()) {
        const std::size_t e = b.find('\n', i);
        std::string_view l = b.substr(i, e == std::string_view::npos ? std::string_view::npos : e - i);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        if (!参照::見出しをUTF8へ(l)) return 既定;
        行.push_back(l);
        i = e == std::string_view::npos ? b.size() : e + 1;
    }
    if (行.size() < 4) return 既定;
    既定になる = false;
    const 字面& t = 字();
    値 v = 前の値;
    for (int k = 0; k < 5; ++k)
        if (行[0] == t.背景[k]) v.背景 = 背景_緑 + k;
    v.指導 = 行[1] == t.指導ON;
    v.経過 = 行[2] == t.経過ON;
    v.音 = 行[3] == t.音ON;
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string t = access("/dev/shm", W_OK) == 0 ? "/dev/shm/vz_fuzz_XXXXXX" : "/tmp/vz_fuzz_XXXXXX";
    if (mkdtemp(t.data()) == nullptr) std::abort();
    作業場所 = t;
    std::atexit(片付け);
    if (chdir(作業場所.c_str()) != 0) std::abort();
    器 = std::make_unique<状態>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view b(reinterpret_cast<const char*>(data), size);
    状態& s = *器;
    無言の窓 p;

    書く(設定ファイル名, b);
    用意(s, p, 前の値);
    読込_環境設定ファイル(s, p);
    const 値 読んだ = 取り出す(s, p, b);
    bool 既定になる;
    const 値 期 = 期待(b, 既定になる);
    if (!(読んだ == 期))
        失敗("read background " + std::to_string(読んだ.背景) + " guidance " + std::to_string(読んだ.指導) +
                 " elapsed " + std::to_string(読んだ.経過) + " music " + std::to_string(読んだ.音) + "; expected " +
                 std::to_string(期.背景) + " " + std::to_string(期.指導) + " " + std::to_string(期.経過) + " " +
                 std::to_string(期.音),
             b);
    const std::string 後 = 読む(設定ファイル名);
    if (既定になる ? 後 != ファイルの形(既定) : 後 != b)
        失敗(既定になる ? "the defaults were not written" : "a good file was changed", b);

    // Written back and read again: the same options, in the file's own form.
    書込_環境設定ファイル(s, p);
    if (読む(設定ファイル名) != ファイルの形(読んだ)) 失敗("the options are written in another form", b);
    const 値 別{読んだ.背景 == 背景_煉瓦 ? 背景_宇宙 : 背景_煉瓦, !読んだ.指導, !読んだ.経過, !読んだ.音};
    用意(s, p, 別);
    読込_環境設定ファイル(s, p);
    if (!(取り出す(s, p, b) == 読んだ)) 失敗("the written options read back differently", b);
    return 0;
}
