// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of its surroundings: painting in twips, message boxes,
// the timer and the time of day, pauses, menu check marks, the record-file
// panel and the sound library.  The Qt window implements it; the tests, the
// golden sessions and the command-line tool use the recording platform
// (view/recording_platform.h).  Nothing in here names Qt.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "view/state.h"

// Picture identifiers handed to Platform::絵. Piece codes, background codes
// 5..9 and the title (−3) stand for themselves; the three empty-cell
// pictures get numbers of their own.
inline constexpr int 絵_空桝0 = 1000;  // plain empty cell (hands, off-board)
inline constexpr int 絵_空桝1 = 1001;  // empty square of colour 桝色_緑
inline constexpr int 絵_空桝2 = 1002;  // empty square of colour 桝色_水

enum class ボタン { OK, はいいいえ };
// なし: a question put away without an answer (Esc, the box's close button).
enum class 応答 { OK, はい, いいえ, なし };

// Controls of the record-file panel.
enum class パネル部品 {
    Drive1,
    Dir1,
    File1,
    ラベル_対局名,
    ラベル_上,
    ラベル_下,
    ラベル_ファイル名,
    入力_対局名,
    入力_上,
    入力_下,
    入力_ファイル名,
    RETURN,
};
inline constexpr int パネル部品数 = 12;

// The platform, one interface for each of its concerns.  A routine that
// needs only one concern takes that interface alone (the board's painting
// 描画窓口, the clock's timer 時間窓口, the menu's check marks メニュー窓口, the
// record panel パネル窓口, the sounds 音窓口); the routines that do several
// things at once take the whole Platform.

// Painting, positions in twips.
class 描画窓口 {
public:
    virtual ~描画窓口() = default;
    virtual void 絵(int 絵番号, int x, int y) = 0;
    virtual void 枠(int x1, int y1, int x2, int y2, int 色) = 0;
    virtual void 塗り(int x1, int y1, int x2, int y2, int 色) = 0;
    virtual void 文字(int x, int y, const std::string& 文字列, int 大きさ, bool 太字, int 色) = 0;
    // The player's own words (a record's title and the players' names):
    // drawn as they are, in every language.  Where nothing is translated
    // this is plain 文字.
    virtual void 名前の文字(int x, int y, const std::string& 文字列, int 大きさ, bool 太字, int 色) {
        文字(x, y, 文字列, 大きさ, 太字, 色);
    }
    virtual void 再描画() = 0;  // show what has been painted, now
};

// Message boxes.
class 対話窓口 {
public:
    virtual ~対話窓口() = default;
    // A carriage return in the text is a line break.
    virtual 応答 メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告 = false) = 0;
    // A move to cell (列, 行) that may promote, asked only with
    // 表示状態::成り選択 on: はい promotes, いいえ does not, なし (put away)
    // takes the move back into the hand that picked it up.
    virtual 応答 成り選択(int 列, int 行) {
        (void)列;
        (void)行;
        return 応答::いいえ;
    }
};

// The timer, the time of day and pauses.
class 時間窓口 {
public:
    virtual ~時間窓口() = default;
    virtual void タイマー(bool 有効) = 0;
    virtual double 時刻() = 0;         // seconds since midnight, with fraction
    // A pause: returns once it is over.  A window lets its events go on
    // meanwhile (the game's code is stopped there and carried on later);
    // the recording platform returns at once.
    virtual void 待つ(double 秒) = 0;
};

// Check marks in the menus.
class メニュー窓口 {
public:
    virtual ~メニュー窓口() = default;
    virtual void チェック表示(メニュー項目 項目, bool 付ける) = 0;
};

// The record-file panel.
class パネル窓口 {
public:
    virtual ~パネル窓口() = default;
    virtual void パネル表示(パネル部品 部品, bool 見える) = 0;
    virtual std::string パネル文字(パネル部品 部品) = 0;
    virtual void パネル文字設定(パネル部品 部品, const std::string& 文字列) = 0;
    virtual std::string パネルフォルダ() = 0;  // folder chosen in Dir1
    virtual void パネルフォルダ設定(const std::string& フォルダ) = 0;
    virtual void パネル一覧更新() = 0;  // re-read the file list (File1)
};

// The sound library.
class 音窓口 {
public:
    virtual ~音窓口() = default;
    virtual long dsInitialize() = 0;
    virtual long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) = 0;
    virtual void dsPlay(long 音) = 0;
    virtual void dsPlayLooping(long 音) = 0;
    virtual void dsStop(long 音) = 0;
    virtual void dsFree(long 音) = 0;
    virtual void dsTerminate(long 装置) = 0;
};

// The end of the program.
class 終了窓口 {
public:
    virtual ~終了窓口() = default;
    virtual void 終了() = 0;
};

class Platform : public 描画窓口,
                 public 対話窓口,
                 public 時間窓口,
                 public メニュー窓口,
                 public パネル窓口,
                 public 音窓口,
                 public 終了窓口 {};
