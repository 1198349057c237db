// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress, kept on the disk after every move so that a game
// is never lost when the program ends or dies: "Vezuvire.autosave" in the
// working directory.  This is the bare format and the file handling, usable
// without a window; the question at start-up is in play/resume.h.
//
// The file is UTF-8 text with LF line ends, one "key=value" line per item
// in a fixed order, numbers in their shortest decimal form (a clock is the
// shortest text without an exponent that reads back as the same double):
//
//   Vezuvire autosave 5
//   対局種別=0|1          レベル=1..最強レベル
//   手番_MAN=±1           手番_COM=−手番_MAN        手番=±1
//   手数=0..501           棋譜手数=0..501           棋譜最終手数=0..500
//   棋譜モード=0|1        ハンデ設定中=0|1          ハンデレベル=−10..10
//   再開待ち=0|1
//   所有時間_MAN=s        所有時間_COM=s            経過秒=s      (0 ≤ s ≤ 1e9)
//   盤=81 piece codes, x = 1..9 outer, y = 1..9 inner
//   持駒_MAN=7 counts (kind 1..7, 0..18)            持駒_COM=likewise
//   履歴=n, 81 codes, 7 + 7 counts, 先X, 先Y (0..9), 前秒M, 後秒M, 前秒C, 後秒C
//        one line per log slot n = 0..棋譜最終手数, in order
//   COM=n                 the version of the computer's memory that follows
//   then the computer's memory (COM表), its items as the computer lists
//   them (engine/com_tables.h COM表の項目一覧), in its version 1:
//   COM.<table>=100 integers, [x][y] with x = 0..9 outer (20 tables)
//   COM.<value>=one integer (7 values)
//   COM.王X_MAN=0..9      COM.王Y_MAN=0..9   (the human's king as last seen)
//   終わり
//
// A memory of a version other than the computer's own (COM表の版) is passed
// over, whatever its lines: the game goes on, and the computer starts from
// a fresh memory that knows where the kings stand.
//
// Earlier versions are read as well:
//  - version 4: as version 5, the level on a ladder of sixteen strengths,
//    whose top (16) is read as 最強レベル;
// and, their memory always of version 1 and without the COM line:
//  - version 3 ("Vezuvire autosave 3"): a game at a strength above 3, the
//    level on a ladder of fifteen strengths, whose top (15) is read as
//    最強レベル;
//  - version 2: a level 1..5 of the former five; 4 and 5 are read as
//    旧レベルの段(4) and 旧レベルの段(5);
//  - version 1: as version 2, but the human king's square as 王X_MAN and
//    王Y_MAN right after 経過秒 and not among the COM lines.  One table of members (store/autosave.cpp) drives
// the writer, the reader, the range checks and the passage to and from the
// game.
//
// Every item is on one line of its own, the values separated by one space.
// The current board must hold a king of each side.  The reader accepts
// exactly what the writer writes: a missing, extra, reordered or
// out-of-range item, a number not in its shortest form, a line end other
// than LF, a cut-off file or another first line make the whole file
// damaged, and nothing of it is used.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/com_tables.h"
#include "core/position.h"
#include "view/state.h"
#include "view/platform.h"
#include "view/tr.h"

inline constexpr const char* 自動保存ファイル = "Vezuvire.autosave";
inline constexpr const char* 自動保存ファイル_旧 = "Vezuvire.autosave.old";
inline constexpr const char* 自動保存ファイル_破損 = "Vezuvire.autosave.damaged";
inline constexpr const char* 自動保存の頭 = "Vezuvire autosave 5";
// Largest file the reader takes (a full log is about a third of this).
inline constexpr std::size_t 自動保存の上限 = 1 << 20;

// One slot of the record, as the file holds it.
using 自動保存記録 = 棋譜の欄;

// Everything of a game in progress that its continuation depends on.
struct 自動保存内容 {
    int 対局種別 = 対局_人間;
    int レベル = 3;
    int 手番_MAN = 後手, 手番_COM = 先手, 手番 = 先手;
    int 手数 = 0, 棋譜手数 = 0, 棋譜最終手数 = 0;
    int 棋譜モード = 偽, ハンデ設定中 = 偽, ハンデレベル = 0, 再開待ち = 偽;
    double 所有時間_MAN = 0, 所有時間_COM = 0, 経過秒 = 0;
    局面 現在;
    std::vector<自動保存記録> 履歴;  // slots 0..棋譜最終手数
    // The memory of the computer answering in the game (状態::COM記憶):
    // some tables keep values of earlier turns, and its next move reads
    // them.  記憶の版 0: the file held a memory of another version, and 表
    // is not used.
    int 記憶の版 = COM表の版;
    COM表 表;
    bool operator==(const 自動保存内容& o) const;
};

// A game is running and not yet decided: the only state worth keeping.
bool 調査_対局中(const 状態& s);

// The game of s as the file keeps it.
自動保存内容 取得_自動保存(const 状態& s);
// Puts a kept game into s: position, hands, log, sides, counters, flags,
// clocks and the computer's tables; 勝者 cleared.  Nothing else of s (the
// options, the sounds, the selection) is touched.
void 適用_自動保存(状態& s, const 自動保存内容& d);
// Does d describe a game the file may hold (every range above)?
bool 調査_自動保存内容(const 自動保存内容& d);

// The file's bytes (the content must pass 調査_自動保存内容), in the current
// version; 版 = 1 or 2 gives an earlier version's bytes (2: 3 for a level
// above 3), which only checks of the reader need.
std::string 変換_自動保存(const 自動保存内容& d, int 版 = 5);
// Parses the bytes of a file; false, leaving d as it was, unless the file
// is exactly as the writer writes it.
bool 解析_自動保存(std::string_view バイト列, 自動保存内容& d);

// ---- on the disk -----------------------------------------------------------------

// Writes the game of s to パス through the atomic writer.  0, or why not
// (EINVAL when the state cannot be kept: no game running, or a value out of
// range).
int 書込_自動保存(const 状態& s, const std::string& パス = 自動保存ファイル);
// Removes the file; 0 also when there was none.
int 削除_自動保存(const std::string& パス = 自動保存ファイル);

enum class 自動保存状況 {
    なし,      // no file by that name
    あり,      // a whole, readable game
    破損,      // something by that name whose content cannot be trusted
    リンク,    // a symbolic link by that name: never read or written through
    読めない,  // a read error: the file itself may well be whole
};
// With 読めない, 番号 (when given) receives the reason.
自動保存状況 読込_自動保存(const std::string& パス, 自動保存内容& d, int* 番号 = nullptr);

// What the game calls after every completed move, after 戻 and 進, at a new
// game and at the end of the program: with autosave on (状態::自動保存), a
// running game is written to "Vezuvire.autosave"; anything else (a loaded
// record being stepped through, 棋譜モード, included) removes
// that file, but only when it holds this run's own game
// (状態::自動保存_自分): a kept game this run could not replace stays.  A
// failure to write leaves the game going and is told once
// (状態::自動保存_不調), with the reason; every later call tries again and
// tells when it works once more.  A failure to remove is told, and the file
// is then left for the next start to offer.
void 自動保存_更新(状態& s, Platform& p);
// A new game: a failure is told again, once.
void 自動保存_新しい対局(状態& s);

// The reason a file operation on 名前 failed, in words for the player.
std::string 自動保存の理由(int 番号, const std::string& 名前);

// Moves パス aside to 先 without replacing anything there: when 先 is
// taken, 先.2, 先.3, … up to 先.99 are tried.  The name used, or "" when
// the file could not be moved.
std::string 退避_自動保存(const std::string& パス, const std::string& 先);

inline constexpr const char* 自動保存の題 = QT_TRANSLATE_NOOP("Game", "自動保存");
inline constexpr const char* 自動保存できない本文 = QT_TRANSLATE_NOOP("Game", "この対局は自動保存されていません。");
inline constexpr const char* 自動保存できない結び =
    QT_TRANSLATE_NOOP("Game", "対局はこのまま続けられます。一手ごとに保存を試みます。");
inline constexpr const char* 自動保存回復の本文 =
    QT_TRANSLATE_NOOP("Game", "自動保存できるようになりました。\rこの対局はいまの局面から保存されています。");
inline constexpr const char* 自動保存消せない本文 =
    QT_TRANSLATE_NOOP("Game", "前の対局の自動保存ファイルを消せませんでした。");
inline constexpr const char* 自動保存消せない結び =
    QT_TRANSLATE_NOOP("Game", "次の起動のとき、その対局を続けるか聞かれます。");
