// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a record file on disk, read through
// 読込_棋譜 the way the panel reads a clicked file.  The reading must succeed,
// agree with the in-memory reader and with the plain reader of
// reference_record.h, and what was read must save through 書込_棋譜 and read
// back unchanged, or be refused with a reason (a header with a character
// Shift_JIS cannot hold, or a value planted into the log that the file
// cannot hold), leaving nothing behind.
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/record_oracle.h"
#include "store/record_file.h"
#include "view/state.h"
#include "store/sjis.h"

namespace {

std::string 作業場所;
std::unique_ptr<状態> 状態の器;

void 片付け() {
    std::error_code ec;
    if (!作業場所.empty()) std::filesystem::remove_all(作業場所, ec);
}

void 書く(const std::string& パス, std::string_view b) {
    std::FILE* f = std::fopen(パス.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (!b.empty() && std::fwrite(b.data(), 1, b.size(), f) != b.size()) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

bool 同じ(const 棋譜内容& a, const 棋譜内容& b) {
    return a.対局名 == b.対局名 && a.上の名前 == b.上の名前 && a.下の名前 == b.下の名前 && a.局面 == b.局面 &&
           a.損傷 == b.損傷 && a.超過 == b.超過 && a.王なし手 == b.王なし手 && a.切断 == b.切断;
}

// The whole of a file, or nothing when there is none.
std::optional<std::string> 中身(const std::string& パス) {
    std::FILE* f = std::fopen(パス.c_str(), "rb");
    if (f == nullptr) return std::nullopt;
    std::string t;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) t.append(buf, n);
    std::fclose(f);
    return t;
}

// Every name in the work folder but the ones given: what a save left behind.
std::string 余計なもの(std::initializer_list<std::string_view> 許す) {
    std::string 余計;
    for (const auto& e : std::filesystem::directory_iterator(作業場所)) {
        const std::string 名 = e.path().filename().string();
        bool ok = false;
        for (std::string_view a : 許す) ok = ok || 名 == a;
        if (!ok) 余計 += " \"" + 名 + "\"";
    }
    return 余計;
}

// A clock as the file holds it: whole seconds, the nearest end of
// 0..99999 when outside.  Whether it was outside goes to 外.
int 秒の欄(double t, bool& 外) {
    if (!(t >= 0 && t < 時間の上限 + 1.0)) 外 = true;
    if (!(t > 0)) return 0;
    if (t >= 時間の上限) return 時間の上限;
    return static_cast<int>(std::floor(t));
}

// Saves what was read the way the "RETURN" button does, then reads it again.
// An input whose last byte is no line end may first plant, by that byte,
// into the log a value the file
// cannot hold: a hand count above 18 or below 0 or a number that may be no
// piece code (the save must then be refused with a message that names the
// file, leaving no file and no temporary file behind, and an older file as
// it was), or a clock outside 0..99999 seconds (written as the nearest end,
// and the player told).
void 保存して読み直す(const 棋譜内容& k, std::string_view 元) {
    状態& s = *状態の器;
    const int N = static_cast<int>(k.局面.size());
    s.棋譜最終手数 = N;
    for (int n = 1; n <= N; ++n) {
        s.記録.書く(n) = 記録の欄(k.局面[static_cast<std::size_t>(n - 1)]);
    }

    const bool 植える = !元.empty() && 元.back() != '\n' && 元.back() != '\r';
    const unsigned 選 = 植える ? static_cast<unsigned char>(元.back()) : 7u;
    const unsigned 次 = 元.size() >= 2 ? static_cast<unsigned char>(元[元.size() - 2]) : 0u;
    if (N > 0) {
        const int n = 1 + static_cast<int>(元.size() % static_cast<std::size_t>(N));
        const int 種 = 1 + static_cast<int>((選 >> 3) % 7);
        棋譜の欄& e = s.記録.書く(n);
        int(&手)[8] = (選 & 0x80) ? e.面.持駒_COM : e.面.持駒_MAN;
        const int x = 1 + static_cast<int>(次 % 9), y = 1 + static_cast<int>(次 / 9 % 9);
        static const double 時計[] = {-0.5, -1e9, 99999.75, 100000.0, 1e12, std::nan("")};
        double* const 秒[4] = {&e.前秒M, &e.後秒M, &e.前秒C, &e.後秒C};
        switch (選 % 8) {
            case 0: 手[種] = 持駒の上限 + 1 + static_cast<int>(次 % 40); break;
            case 1: 手[種] = -1 - static_cast<int>(次 % 3); break;
            case 2: e.面.盤[x][y] = (static_cast<int>(次) * 37 + static_cast<int>(選)) % 20000 - 10000; break;
            case 3: *秒[次 % 4] = 時計[次 / 4 % 6]; break;
            default: break;
        }
    }

    // Storable as the file's format says, judged apart from the writer.
    bool 書ける = N > 0 && UTF8からSJIS(k.対局名) && UTF8からSJIS(k.上の名前) && UTF8からSJIS(k.下の名前);
    bool 時計が外 = false;
    std::vector<棋譜局面> 期待局面;
    for (int n = 1; n <= N && 書ける; ++n) {
        棋譜局面 r;
        const 棋譜の欄& e = s.記録[n];
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                r.盤[x][y] = e.面.盤[x][y];
                書ける = 書ける && 参照::駒コードか(r.盤[x][y]);
            }
        for (int i = 1; i <= 7; ++i) {
            r.持駒_MAN[i] = e.面.持駒_MAN[i];
            r.持駒_COM[i] = e.面.持駒_COM[i];
            for (int c : {r.持駒_MAN[i], r.持駒_COM[i]}) 書ける = 書ける && c >= 0 && c <= 持駒の上限;
        }
        r.前秒M = 秒の欄(e.前秒M, 時計が外);
        r.後秒M = 秒の欄(e.後秒M, 時計が外);
        r.前秒C = 秒の欄(e.前秒C, 時計が外);
        r.後秒C = 秒の欄(e.後秒C, 時計が外);
        期待局面.push_back(r);
    }

    const std::string 名 = "保存.棋譜";
    const std::string パス = 作業場所 + "/" + 名;
    if (元.size() % 2 == 0) std::filesystem::remove(パス);  // else an older save is in the way
    const std::optional<std::string> 前 = 中身(パス);
    std::string 注意 = "(stale)";
    const std::string 答 = 書込_棋譜(s.記録, s.棋譜最終手数, パス, k.対局名, k.上の名前, k.下の名前, &注意);
    if (!書ける) {
        if (答.empty()) 失敗("a record that cannot be saved was reported as saved", 元);
        if (N > 0 && 答.find(パス) == std::string::npos) 失敗("a refused save does not name the file: " + 答, 元);
        if (!注意.empty()) 失敗("a refused save still carries a notice: " + 注意, 元);
        if (中身(パス) != 前)
            失敗(前 ? "a refused save changed the older file" : "a refused save left a file behind", 元);
        const std::string 余計 = 余計なもの({"対局.棋譜", 名});
        if (!余計.empty()) 失敗("a refused save left behind" + 余計, 元);
        return;
    }
    if (!答.empty()) 失敗("saving what was read failed: " + 答, 元);
    if (注意.empty() == 時計が外)
        失敗(時計が外 ? "a clock out of range was written without a notice" : "a notice without cause: " + 注意, 元);
    const std::string 余計 = 余計なもの({"対局.棋譜", 名});
    if (!余計.empty()) 失敗("a save left behind" + 余計, 元);
    棋譜内容 再;
    std::string エラー;
    if (読込_棋譜(パス, 再, エラー) != 真) 失敗("a saved record cannot be read: " + エラー, 元);
    棋譜内容 期待 = k;
    期待.局面 = 期待局面;
    期待.損傷 = 期待.超過 = false;
    期待.王なし手 = 0;
    期待.切断 = 切断理由::なし;
    if (!同じ(再, 期待)) 失敗("a saved record reads back differently", 元);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A memory-backed folder where there is one: the writer syncs every file.
    std::string t = access("/dev/shm", W_OK) == 0 ? "/dev/shm/vz_fuzz_XXXXXX" : "/tmp/vz_fuzz_XXXXXX";
    if (mkdtemp(t.data()) == nullptr) std::abort();
    作業場所 = t;
    std::atexit(片付け);
    状態の器 = std::make_unique<状態>();

    // Paths that are no readable file are refused with a reason.
    棋譜内容 k;
    std::string エラー;
    if (読込_棋譜(作業場所, k, エラー) != 偽 || エラー.empty()) std::abort();
    if (読込_棋譜(作業場所 + "/無い.棋譜", k, エラー) != 偽 || エラー.empty()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view b(reinterpret_cast<const char*>(data), size);
    const std::string パス = 作業場所 + "/対局.棋譜";
    書く(パス, b);
    棋譜内容 k;
    std::string エラー;
    if (読込_棋譜(パス, k, エラー) != 真 || !エラー.empty()) 失敗("a readable file was refused: " + エラー, b);
    if (!同じ(k, 解析_棋譜(b))) 失敗("the file reads differently from the same bytes in memory", b);
    照合(b, k);
    書き戻し確認(k);
    保存して読み直す(k, b);
    return 0;
}
