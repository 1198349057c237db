// SPDX-License-Identifier: GPL-3.0-or-later
// Game-record files (".棋譜"): three header lines and one fixed-column
// line per logged position, Shift_JIS with CR LF line ends.  This is the
// bare format, usable without a window: turning the log of a game into the
// bytes of a file, parsing a file back, and saving without ever leaving a
// half-written file behind.
//
// Move line, 358 columns:
//   1–324    81 board squares × 4 columns, x = 1..9 outer, y = 1..9 inner
//   325–338  hands, kind 1..7: the bottom side's count, then the top side's,
//            one character each ("0".."9", "A".."I" for 10..18)
//   339–358  four clocks × 5 columns: before/after of the bottom side, then
//            before/after of the top side, whole seconds, at most 99999
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/position.h"
#include "core/game_record.h"
#include "store/safe_file.h"

inline constexpr const char* 棋譜拡張子 = ".棋譜";
inline constexpr std::size_t 指し手行の長さ = 358;
inline constexpr std::size_t 持駒の列 = 325;  // first column of the hand counts (1-based)
inline constexpr std::size_t 時間の列 = 339;  // first column of the clocks (1-based)
inline constexpr int 時間の上限 = 99999;
inline constexpr int 持駒の上限 = 18;
// Longest part of a header line that is kept; the rest of it is skipped.
inline constexpr std::size_t 見出しの上限 = 4096;
// The largest record file read.  Three header lines of the longest kept
// length and 501 move lines, each with a CR CR LF end, come to under
// 200 KB; a larger file is refused as too large before any of it is read.
inline constexpr std::size_t 棋譜の大きさの上限 = 256 * 1024;
static_assert(3 * (見出しの上限 + 3) + (履歴最大 + 1) * (指し手行の長さ + 3) < 200 * 1000);

// One logged position as a file holds it.
struct 棋譜局面 : 局面 {
    int 前秒M = 0, 後秒M = 0, 前秒C = 0, 後秒C = 0;
    bool operator==(const 棋譜局面&) const = default;
};

// Why a record was cut (棋譜内容::王なし手).
enum class 切断理由 {
    なし,
    王がない,        // a whole line whose position lacks a king
    行が短い,        // the line ends before the board does: the file was cut off
    駒が壊れている,  // a board field held no piece code, and a king went with it
};

// What a record file yields.
struct 棋譜内容 {
    std::string 対局名, 上の名前, 下の名前;  // UTF-8; undecodable bytes shown as U+FFFD
    std::vector<棋譜局面> 局面;              // records 1..N, N ≤ 500
    bool 損傷 = false;                       // some field held no valid value and was read as 0
    bool 超過 = false;                       // the file had more than 500 move lines; the rest was ignored
    // Record number of the first position in which one side has no king.
    // The record is cut just before it, so that play can never continue
    // from a kingless board; 0 when every position is whole.
    int 王なし手 = 0;
    切断理由 切断 = 切断理由::なし;  // why that position has no king
};

// What the player is told about a cut record, e.g. "3手目の局面には王があり
// ません。"; "" when the record was not cut.
std::string 説明_切断(const 棋譜内容& k);

// ---- writing ----------------------------------------------------------------

// Slot n of a game's record as it goes into a file: clocks rounded down to
// whole seconds and kept within 0..99999.
棋譜局面 取得_記録局面(const 棋譜& 記録, int n);
// The record's slot a file's line gives: its position and clocks (a file
// keeps no destinations).
棋譜の欄 記録の欄(const 棋譜局面& r);
// The 358-column move line of one position, without the line end.  Hand
// counts 10..18 become "A".."I".
std::string 変換_指し手行(const 棋譜局面& r);
// The whole file: the three header lines (UTF-8 in, Shift_JIS out), then
// the record's slots 1..最後 (the game's 棋譜最終手数), each line ended by
// CR LF.  Empty string and a
// reason in エラー when something cannot be written as it is: a header
// that has no Shift_JIS form, a hand count outside 0..18, a piece code the
// game does not know.  Clocks outside 0..99999 seconds are written as the
// nearest end of that range and 注意 (when given) then says so.
std::string 変換_棋譜バイト列(const 棋譜& 記録, int 最後, const std::string& 対局名, const std::string& 上の名前,
                              const std::string& 下の名前, std::string& エラー, std::string* 注意 = nullptr);

// Saves a game's record, slots 1..最後, at パス (the full path, extension included) the
// way the "RETURN" button does: header line 2 is the top player, line 3 the
// bottom player.  Answers "" on success, otherwise a message for the player
// that names the file and the reason; an older file of that name is then
// left as it was.  The file is replaced as a whole (書込_置換): a target
// that is not a regular file (a symbolic link included) or that this user
// may not write is refused.  注意 as for 変換_棋譜バイト列.
std::string 書込_棋譜(const 棋譜& 記録, int 最後, const std::string& パス, const std::string& 対局名, const std::string& 上の名前,
                      const std::string& 下の名前, std::string* 注意 = nullptr);

// Writes バイト列 to パス with 書込_置換.  Answers "" or the reason of the
// failure.
std::string 書込_原子的(const std::string& パス, const std::string& バイト列);

// ---- file names ---------------------------------------------------------------

// The file-name box with blanks trimmed from both ends.
std::string 整形_ファイル名(const std::string& 名前);
// Why a trimmed name cannot name a record file in フォルダ; "" when it can.
// The box takes a bare name: no "/", no NUL or other control character, not
// "." or "..", and short enough for the file system with ".棋譜" added.
std::string 調査_ファイル名(const std::string& フォルダ, const std::string& 名前);

// ---- reading ------------------------------------------------------------------

// Reads the next line of an open record file into 文字列 (line ends CR LF,
// CR CR LF, LF or CR; the end is not kept), keeping at most 上限 bytes of
// it.  真, or 偽 when no line can be read (end of file or a read error; an
// exception of the stream buffer is caught and sets badbit).
int 読込_棋譜ファイル(std::istream& f, std::string& 文字列, std::size_t 上限 = 見出しの上限);
// The same, but a line whose text runs past 読む上限 bytes is read no
// further: 行が長すぎる, and the stream is left inside that line.
inline constexpr int 行が長すぎる = 2;
int 読込_棋譜ファイル(std::istream& f, std::string& 文字列, std::size_t 上限, std::size_t 読む上限);

// The leading-number value of a field: leading spaces skipped, optional
// minus sign, digits; 0 when there is no number.
int 変換_数値(std::string_view 欄);
// One move line; missing fields read as 0.  Sets 損傷 when a field holds
// something that is not a valid value (that field then reads as 0).
棋譜局面 解析_指し手行(std::string_view 行, bool& 損傷);
// A whole record file.  Blank lines between move lines are skipped.
棋譜内容 解析_棋譜(std::istream& f);
棋譜内容 解析_棋譜(std::string_view バイト列);
// Opens and parses the file at パス.  偽 and a reason in エラー when it is not
// a readable regular file, when it is larger than 棋譜の大きさの上限, or when
// reading it fails part-way (the record read so far is then not used).
// Never blocks on a FIFO and never throws.
int 読込_棋譜(const std::string& パス, 棋譜内容& 内容, std::string& エラー);
