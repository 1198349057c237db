// SPDX-License-Identifier: GPL-3.0-or-later
// A second, deliberately plain reader of game-record files, used only by the
// fuzz targets to check the game's own reader field by field.  It is written
// from the file format alone and shares no code with the game's reader
// (store/record_file.cpp): it splits the whole file into lines first, then
// reads every field straight from its columns.
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
//   - a line ends at LF, or at a run of CRs followed by LF (CR LF, and also
//     CR CR LF from a file whose line ends were converted twice), or at a
//     CR that no LF follows, each such CR ending one line (so an empty
//     header line between two bare CRs is kept);
//   - a header keeps its first 4096 bytes, a move line its first 358;
//   - a hand count is "0".."9" or "A".."I" (10..18); any other character is
//     damage and reads as 0; a missing column reads as 0 without damage;
//   - a board square whose number is not a piece code, or a clock whose
//     number is negative, is damage and reads as 0;
//   - a blank move line (nothing but spaces and tabs in the columns that
//     are read) holds no position and is skipped; it is no move line for
//     the count either;
//   - at most 500 positions are kept; a 501st move line sets the
//     over-limit flag and nothing after it is read;
//   - the record ends just before the first position that lacks the top
//     side's king or the bottom side's king; its number is reported, with
//     why: the line ends before the board's 324 columns do (the file was
//     cut off), else a board field of that line held no piece code (the
//     king may have been in it), else the position simply has no king;
//   - the over-limit flag and the cut are separate facts about the file
//     and both are reported: a kingless position at 3 in a file of 600
//     move lines gives positions 1..2, the cut at 3 and the flag.
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
    int 持駒_下[8] = {};         // bottom side (MAN)
    int 持駒_上[8] = {};         // top side (COM)
    std::array<int, 4> 秒 = {};  // bottom before, bottom after, top before, top after
    bool 短い = false;           // the line ended before the board's columns did
    bool 盤が壊れ = false;       // a board field held no piece code
};

// Why the record was cut; the game's 切断理由 in the same order.
enum class 切断 { なし, 王がない, 行が短い, 駒が壊れている };

struct 結果 {
    std::array<std::string, 3> 見出し;  // raw Shift_JIS bytes as kept
    std::vector<局面> 局面々;
    bool 損傷 = false;
    bool 超過 = false;
    int 王なし手 = 0;
    切断 理由 = 切断::なし;
};

結果 解析(std::string_view バイト列);

// Is v one of the piece codes (or 0)?
bool 駒コードか(int v);

// Shift_JIS text as UTF-8, character by character; empty when some byte
// does not start a character the code page has.
std::optional<std::string> 見出しをUTF8へ(std::string_view sjis);
bool 正しいUTF8か(std::string_view t);

}  // namespace 参照
