// SPDX-License-Identifier: GPL-3.0-or-later
// The record-file panel's commands: opening the panel for reading or
// writing, following the folder list, writing the game with "RETURN" and
// loading a record by a click in the file list.  The widgets themselves
// belong to the window; everything here goes through the platform.
#pragma once

#include <string>

#include "view/platform.h"
#include "view/state.h"
#include "store/record_file.h"

// "棋譜" → "読込": the folder and file lists, no text boxes.
void KIFU_READ_Click(状態& s, Platform& p);
// "棋譜" → "書込": the folder list and the write controls; refused while a
// handicap is set.
void KIFU_WRITE_Click(状態& s, Platform& p);
// The folder list moved to フォルダ: the file list follows it.
void Dir1_Change(Platform& p, const std::string& フォルダ);
// "RETURN": writes the game to <folder>/<name>.棋譜.  Every failure is told
// to the player and the game goes on; the panel stays open then.
void Command1_Click(状態& s, Platform& p);
// A click on ファイル名 in the file list: loads that record for replay with
// "進" and "戻".  A file that cannot be read leaves the game as it was.  A
// game in progress is given up for a record that was read only when the
// player confirms it; otherwise the panel stays open and nothing changes.
void File1_Click(状態& s, Platform& p, const std::string& ファイル名);
// The record at パス (a path of any folder, such as a file handed to the
// program by the file manager), loaded as a click on it in the file list
// would load it, with the same questions and messages; the player is told
// its name without the folder.
void 開く_棋譜(状態& s, Platform& p, const std::string& パス);

// X (twips) at which a header text is printed: centred on the board by its
// length in characters.
int 取得_棋譜のX座標(const std::string& IN_文字列);
// Prints the game name and the two players' names of a loaded record.
void 描画_棋譜見出し(状態& s, Platform& p, const 棋譜内容& 内容);
// Puts the positions of a record into the log as records 1..N (record 0 is
// left as it is) and makes N the last record; answers N.
int 設定_棋譜履歴(状態& s, const 棋譜内容& 内容);
