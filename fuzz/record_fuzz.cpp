// libFuzzer target: arbitrary bytes as a record file.  The reader must never
// crash, and whatever it yields must be a record the game can hold: valid
// codes, hand counts 0..18, clocks 0..99999, both kings in every position,
// at most 500 positions, and each position written back and read again
// unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "records/record_file.h"

namespace {

void 確かめる(bool 条件) {
    if (!条件) std::abort();
}

void 調べる(std::string_view バイト列) {
    const 棋譜内容 k = 解析_棋譜(バイト列);
    確かめる(k.局面.size() <= static_cast<std::size_t>(履歴最大));
    for (const auto& r : k.局面) {
        bool 上 = false, 下 = false;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int v = r.盤[x][y];
                確かめる(有効な駒コード(v));
                上 = 上 || (v >= 800 && v <= 803);
                下 = 下 || (v <= -800 && v >= -803);
            }
        確かめる(上 && 下);
        for (int i = 1; i <= 7; ++i) {
            確かめる(r.持駒_MAN[i] >= 0 && r.持駒_MAN[i] <= 持駒の上限);
            確かめる(r.持駒_COM[i] >= 0 && r.持駒_COM[i] <= 持駒の上限);
        }
        for (int t : {r.前秒M, r.後秒M, r.前秒C, r.後秒C}) 確かめる(t >= 0 && t <= 時間の上限);

        const std::string 行 = 変換_指し手行(r);
        確かめる(行.size() == 指し手行の長さ);
        bool 損傷 = false;
        確かめる(解析_指し手行(行, 損傷) == r);
        確かめる(!損傷);
    }
    for (const std::string* t : {&k.対局名, &k.上の名前, &k.下の名前}) 確かめる(t->size() <= 見出しの上限 * 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view b(reinterpret_cast<const char*>(data), size);
    調べる(b);
    // The same bytes as move lines after three empty headers, so that short
    // runs reach the field parsing at once.
    調べる("\r\n\r\n\r\n" + std::string(b));
    整形_ファイル名(std::string(b));
    return 0;
}
