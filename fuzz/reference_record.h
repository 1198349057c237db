// A second, deliberately plain reader of game-record files, used only by the
// fuzz targets to check the game's own reader field by field.  It is written
// from the file format alone and shares no code with records/: it splits the
// whole file into lines first, then reads every field straight from its
// columns.
//
// The format: three header lines (game name, top player, bottom player) in
// Shift_JIS, then one line per position: 81 board squares of 4 columns
// (x = 1..9 outer, y = 1..9 inner), 14 one-column hand counts (kind 1..7,
// bottom side's count then top side's), four 5-column clocks.  Numbers are
// read the usual way: leading spaces, an optional minus sign, digits;
// anything else reads as 0.
//
// What the game does where the format leaves it open, and what this reader
// therefore also does:
//   - a line ends at CR LF, LF or a lone CR;
//   - a header keeps its first 4096 bytes, a move line its first 358;
//   - a hand count is "0".."9" or "A".."I" (10..18); any other character is
//     damage and reads as 0; a missing column reads as 0 without damage;
//   - a board square whose number is not a piece code, or a clock whose
//     number is negative, is damage and reads as 0;
//   - empty lines among the move lines are no positions and are skipped;
//   - at most 500 positions are kept; more move lines set the over-limit
//     flag;
//   - the record ends just before the first position that lacks the top
//     side's king or the bottom side's king; its number is reported.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace 参照 {

inline constexpr std::size_t 見出し長 = 4096;
inline constexpr std::size_t 行長 = 358;
inline constexpr int 最大局面 = 500;

struct 局面 {
    int 盤[10][10] = {};
    int 持駒_下[8] = {};  // bottom side (MAN)
    int 持駒_上[8] = {};  // top side (COM)
    std::array<int, 4> 秒 = {};  // bottom before, bottom after, top before, top after
};

struct 結果 {
    std::array<std::string, 3> 見出し;  // raw Shift_JIS bytes as kept
    std::vector<局面> 局面々;
    bool 損傷 = false;
    bool 超過 = false;
    int 王なし手 = 0;
    int 空行数 = 0;  // empty lines met among the move lines
};

// 空行を飛ばす = false reads an empty move line as a position (an empty
// board), the way the game's reader did before it learned to skip them.
結果 解析(std::string_view バイト列, bool 空行を飛ばす = true);

// Is v one of the piece codes (or 0)?
bool 駒コードか(int v);

// Shift_JIS text as UTF-8, character by character; empty when some byte
// does not start a character the code page has.
std::optional<std::string> 見出しをUTF8へ(std::string_view sjis);
bool 正しいUTF8か(std::string_view t);

}  // namespace 参照
