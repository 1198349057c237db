// libFuzzer target: arbitrary bytes as a record file on disk, read through
// 読込_棋譜 the way the panel reads a clicked file.  The reading must succeed,
// agree with the in-memory reader and with the plain reader of
// reference_record.h, and what was read must save through 書込_棋譜 and read
// back unchanged (or be refused with a reason when a header has a character
// Shift_JIS cannot hold).
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz/record_oracle.h"
#include "records/record_file.h"
#include "records/sjis.h"

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
           a.損傷 == b.損傷 && a.超過 == b.超過 && a.王なし手 == b.王なし手;
}

// Saves what was read the way the "RETURN" button does, then reads it again.
void 保存して読み直す(const 棋譜内容& k, std::string_view 元) {
    状態& s = *状態の器;
    s.棋譜最終手数 = static_cast<int>(k.局面.size());
    for (int n = 1; n <= s.棋譜最終手数; ++n) {
        const 棋譜局面& r = k.局面[static_cast<std::size_t>(n - 1)];
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) s.盤履歴[n][x][y] = r.盤[x][y];
        for (int i = 1; i <= 7; ++i) {
            s.持駒履歴_MAN[n][i] = r.持駒_MAN[i];
            s.持駒履歴_COM[n][i] = r.持駒_COM[i];
        }
        s.前秒M履歴[n] = r.前秒M;
        s.後秒M履歴[n] = r.後秒M;
        s.前秒C履歴[n] = r.前秒C;
        s.後秒C履歴[n] = r.後秒C;
    }
    const std::string パス = 作業場所 + "/保存.棋譜";
    std::filesystem::remove(パス);
    const std::string 答 = 書込_棋譜(s, パス, k.対局名, k.上の名前, k.下の名前);
    const bool 書ける = UTF8からSJIS(k.対局名) && UTF8からSJIS(k.上の名前) && UTF8からSJIS(k.下の名前);
    if (k.局面.empty() || !書ける) {
        if (答.empty()) 失敗("a record that cannot be saved was reported as saved", 元);
        if (std::filesystem::exists(パス)) 失敗("a refused save left a file behind", 元);
        return;
    }
    if (!答.empty()) 失敗("saving what was read failed: " + 答, 元);
    棋譜内容 再;
    std::string エラー;
    if (読込_棋譜(パス, 再, エラー) != 真) 失敗("a saved record cannot be read: " + エラー, 元);
    棋譜内容 期待 = k;
    期待.損傷 = 期待.超過 = false;
    期待.王なし手 = 0;
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
