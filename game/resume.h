// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with the game left unfinished last time (game/autosave.h):
// the player is asked whether to go on with it.
#pragma once

#include "game/platform.h"
#include "game/state.h"
#include "game/autosave.h"
#include "game/platform.h"
#include "game/tr.h"

// The start-up sequence (起動), then, with autosave on, the question about
// a kept game.  The new game of the start-up itself never removes the file.
void 起動して再開(状態& s, Platform& p);
// Autosave from now on, when this copy of the program owns the folder's
// autosave (持ち主): then the question about a kept game.  A copy that does
// not (another one runs in the same folder) says so and never touches the
// file.
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
void 前回の対局を確かめる(状態& s, Platform& p);
// Puts a kept game on the board and redraws everything.  The clock stands
// still until the next board click, as after "戻"; against the computer,
// when it is to move, that click lets it move.
void 再開_自動保存(状態& s, Platform& p, const 自動保存内容& d);

inline constexpr const char* 再開の問い = QT_TRANSLATE_NOOP("Game", "前回の対局を続けますか？");
inline constexpr const char* 再開の題 = QT_TRANSLATE_NOOP("Game", "再開");
inline constexpr const char* 再開不能の本文 =
    QT_TRANSLATE_NOOP("Game", "前回の対局の自動保存ファイルを読めませんでした。");
inline constexpr const char* 今回は保存しない = QT_TRANSLATE_NOOP("Game", "今回は対局を自動保存しません。");
inline constexpr const char* 別のコピーの本文 =
    QT_TRANSLATE_NOOP("Game", "このフォルダーでは別の Vezuvire が動いています。\rこの対局は自動保存しません。");
