// libFuzzer target: arbitrary bytes as a record file, parsed in memory.  The
// game's reader must never crash, must read exactly what the plain reader of
// reference_record.h reads (headers, every square, hand and clock, the damage
// and over-500 flags, where the record is cut), and every position it yields
// must go through the writer and back unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/record_oracle.h"
#include "records/record_file.h"

namespace {

void 調べる(std::string_view バイト列) {
    const 棋譜内容 k = 解析_棋譜(バイト列);
    照合(バイト列, k);
    書き戻し確認(k);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view b(reinterpret_cast<const char*>(data), size);
    調べる(b);
    // Short inputs again as move lines after three empty headers, so that
    // the field parsing is reached at once.
    if (size <= 1024) 調べる("\r\n\r\n\r\n" + std::string(b));
    整形_ファイル名(std::string(b));
    return 0;
}
