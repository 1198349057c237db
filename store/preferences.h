// SPDX-License-Identifier: GPL-3.0-or-later
// A small store of the player's preferences beside the document's settings
// file "Vezuvire.ini" (whose four lines stay as they are): "Vezuvire.prefs"
// in the working folder, UTF-8, one "key=value" a line.  Keys are ASCII
// words; blank lines and lines starting with '#' are skipped, and so is any
// line without '=' or with an empty key; the last line of a key counts.
// Keys this version does not know are kept and written back, so an older
// copy of the game never throws away a newer one's options.
#pragma once

#include <map>
#include <string>

inline constexpr const char* 好み設定ファイル名 = "Vezuvire.prefs";

// Keys in use, with their values.
inline constexpr const char* 好み_言語 = "language";          // "ja" or "en"
inline constexpr const char* 好み_駒の表記 = "piece_labels";  // "kanji" or "letters"
// "shown" once the first start in another language than Japanese has
// suggested the Letters labels.
inline constexpr const char* 好み_英字の勧め = "letters_suggested";
inline constexpr const char* 好み_効果音 = "sound_effects";   // "on" (also when missing) or "off"
// Marks over the board (view/marks.h), "on" or "off"; a missing key means
// the default given with each.
inline constexpr const char* 好み_最終手 = "last_move";        // on
inline constexpr const char* 好み_断り説明 = "refusal_reach";  // on
inline constexpr const char* 好み_回転印 = "turn_arrows";      // off
inline constexpr const char* 好み_手番印 = "side_to_move";     // on
// Options of play, "on" or "off", all on when missing: notices in a line
// under the board, pieces dragged, promotion asked, resigning asked.
inline constexpr const char* 好み_状況行 = "status_line";
inline constexpr const char* 好み_ドラッグ = "drag_and_drop";
inline constexpr const char* 好み_成り選択 = "promotion_chooser";
inline constexpr const char* 好み_投了確認 = "careful_questions";
// Thick outlines (the picked-up piece, the keyboard's cursor) and larger
// turn arrows: "on" (also when missing) or "off".
inline constexpr const char* 好み_太い枠 = "thick_outlines";
// The board turned half round, always or while the second player of a
// two-person game is to move: "on" or "off" (also when missing).
inline constexpr const char* 好み_盤を回す = "turn_board";
inline constexpr const char* 好み_後手で回す = "turn_board_for_second";
// The window's place and size when it was last closed (Qt's own geometry,
// in base64); none until then.
inline constexpr const char* 好み_窓の位置 = "window_geometry";

class 好み設定 {
public:
    // Reads the store from its text; anything unreadable is skipped.
    static 好み設定 解読(const std::string& 中身);
    // The text of the store, keys in alphabetical order.
    std::string 書式() const;

    // The value of a key, or 既定 when it has none.
    std::string 値(const std::string& 鍵, const std::string& 既定 = "") const;
    bool ある(const std::string& 鍵) const { return 値_.count(鍵) != 0; }
    // Sets a key; false (and nothing changes) for a key that is empty or
    // holds '=', '#' or a line break, or a value with a line break.
    bool 設定(const std::string& 鍵, const std::string& 値);
    void 消す(const std::string& 鍵) { 値_.erase(鍵); }

    // From and to a file: 0, or the reason (as in store/safe_file.h).  A
    // missing file reads as an empty store.
    int 読む(const std::string& パス);
    int 書く(const std::string& パス) const;

private:
    std::map<std::string, std::string> 値_;
};
