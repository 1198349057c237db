// Start-up with the game left unfinished last time (records/autosave.h):
// the player is asked whether to go on with it.
#pragma once

#include "core/platform.h"
#include "core/state.h"
#include "records/autosave.h"

// The start-up sequence (起動), then, with autosave on, the question about
// a kept game.  The new game of the start-up itself never removes the file.
void 起動して再開(状態& s, Platform& p);
// The question alone.  A whole kept game: "前回の対局を続けますか？"; yes
// restores it, no moves the file to "Vezuvire.autosave.old" (replacing an
// older one).  A file that cannot be trusted is moved aside to
// "Vezuvire.autosave.damaged" (never over another one) and the player told
// once; when it cannot be moved, autosave stays off for this run so that
// the file is never replaced.
void 前回の対局を確かめる(状態& s, Platform& p);
// Puts a kept game on the board and redraws everything.  The clock stands
// still until the next board click, as after "戻"; against the computer,
// when it is to move, that click lets it move.
void 再開_自動保存(状態& s, Platform& p, const 自動保存内容& d);

inline constexpr const char* 再開の問い = "前回の対局を続けますか？";
inline constexpr const char* 再開の題 = "再開";
inline constexpr const char* 再開不能の本文 = "前回の対局の自動保存ファイルを読めませんでした。";
