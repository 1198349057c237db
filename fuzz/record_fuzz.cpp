// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a record file, parsed in memory.  The
// game's reader must never crash, must read exactly what the plain reader of
// reference_record.h reads (headers, every square, hand and clock, the damage
// and over-500 flags, where the record is cut), and every position it yields
// must go through the writer and back unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/record_oracle.h"
#include "store/record_file.h"

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
    // The file-name box loses its blanks (space, tab, U+3000) at both ends
    // and nothing else.
    const std::string 名 = 整形_ファイル名(std::string(b));
    std::string_view 期待 = b;
    const auto 空白で始まる = [](std::string_view v) { return !v.empty() && (v[0] == ' ' || v[0] == '\t'); };
    const auto 空白で終わる = [](std::string_view v) { return !v.empty() && (v.back() == ' ' || v.back() == '\t'); };
    for (;;) {
        if (空白で始まる(期待)) 期待.remove_prefix(1);
        else if (期待.starts_with("\xE3\x80\x80")) 期待.remove_prefix(3);
        else break;
    }
    for (;;) {
        if (空白で終わる(期待)) 期待.remove_suffix(1);
        else if (期待.ends_with("\xE3\x80\x80")) 期待.remove_suffix(3);
        else break;
    }
    if (名 != 期待) 失敗("the file name \"" + 名 + "\" is not the box trimmed", b);
    return 0;
}
