// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with the game left unfinished last time (store/autosave.h):
// the player is asked whether to go on with it.
#pragma once

#include "view/platform.h"
#include "view/state.h"
#include "store/autosave.h"
#include "view/platform.h"
#include "view/tr.h"

// The start-up sequence (起動), then, with autosave on, the question about
// a kept game.  The new game of the start-up itself never removes the file.
void 起動して再開(状態& s, Platform& p);
// What the folder's lock says about who keeps the game there: this copy
// took it (or no lock can be made there at all, and the autosave tells its
// own failures); another copy running on this computer holds it; or a lock
// is in the way whose owner cannot be shown to be running here, for the
// reason given.
enum class 錠の様子 {
    取った,
    別のコピー,
    空,                  // an empty file
    読めない,            // a file that cannot be read
    壊れている,          // a file that is not a lock
    フォルダ,            // a folder by that name
    リンク,              // a symbolic link by that name (dangling or not)
    通常でない,          // a FIFO, a device, a socket
    別のコンピューター,  // taken on another computer (ホスト), or by a process gone from a restored folder
};
struct 錠の結果 {
    錠の様子 様子 = 錠の様子::取った;
    std::string 名;     // the lock file's name, for the message
    std::string ホスト;  // 別のコンピューター: the computer the lock names
};
// Autosave from now on, when this copy of the program owns the folder's
// autosave: then the question about a kept game.  A copy that does not
// (another one runs in the same folder) says so and never touches the
// file.  A lock that cannot be shown to be a running copy's is told once,
// with what to do about it; the kept game is then still offered, but only
// read: nothing of this run writes, moves or removes the file.
void 自動保存_開始(状態& s, Platform& p, const 錠の結果& 錠);
void 自動保存_開始(状態& s, Platform& p, bool 持ち主);
// The question alone.  A whole kept game: "前回の対局を続けますか？"; yes
// restores it, no moves the file to "Vezuvire.autosave.old" (replacing an
// older one), and a question put away unanswered leaves it to be offered
// at the next start.  A file that cannot be trusted is moved aside to
// "Vezuvire.autosave.damaged" (never over another one) and the player told
// once.  Whenever the file has to stay where it is (it cannot be moved, a
// read failed, the question went unanswered) the player is told and
// autosave stays off for this run, so that the file is never replaced.  A
// symbolic link by that name is neither read nor written through.
// 読むだけ: the file is only read (the folder's lock is not this copy's):
// it is offered as always, but never moved, and autosave stays off.
void 前回の対局を確かめる(状態& s, Platform& p, bool 読むだけ = false);
// Puts a kept game on the board and redraws everything.  The clock stands
// still until the next board click, as after "戻"; against the computer,
// when it is to move, that click lets it move.
void 再開_自動保存(状態& s, Platform& p, const 自動保存内容& d);

inline constexpr const char* 再開の問い = QT_TRANSLATE_NOOP("Game", "前回の対局を続けますか？");
inline constexpr const char* 再開の題 = QT_TRANSLATE_NOOP("Game", "再開");
inline constexpr const char* 再開不能の本文 =
    QT_TRANSLATE_NOOP("Game", "前回の対局の自動保存ファイルを読めませんでした。");
inline constexpr const char* 今回は保存しない = QT_TRANSLATE_NOOP("Game", "今回は対局を自動保存しません。");
inline constexpr const char* 前回は読むだけ =
    QT_TRANSLATE_NOOP("Game", "前回の対局は続けられますが、この対局は自動保存しません。");
inline constexpr const char* 別のコピーの本文 =
    QT_TRANSLATE_NOOP("Game", "このフォルダーでは別の Vezuvire が動いています。\rこの対局は自動保存しません。");

// The report of a lock in the way (錠の様子 from 空 on): its name, why it
// cannot be shown to be a running copy's, what to do, and what this run does.
std::string 錠の説明(const 錠の結果& 錠);
