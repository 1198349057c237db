// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted sessions: a player's afternoon with the game written as a list of
// commands (start the program, open a menu, press on a cell, let time pass,
// type a name in the record panel, ...), played against the recording
// platform.  The result is the platform's call lines in order, with each
// command echoed before the calls it caused, and the contents of the files
// the script asks to look at.
//
// A script is plain text, one command a line; blank lines and lines
// beginning with '#' are skipped.  Words are separated by spaces; a word in
// double quotes may hold spaces and the escapes \\ \" \r \n \t \xNN.
//
//   起動                      start the program (as the window does: the
//                             computer player is registered, then 起動)
//   メニュー 対局/対局(COM)/先手
//                             open each menu on the path (its opening
//                             handler runs) and click the last item
//   押す C R [ボタン]         a press in the middle of cell (C, R); ボタン
//                             1 left (default), 2 right, 4 middle
//   指す C1 R1 C2 R2          two left presses: pick up, put down
//   成る C1 R1 C2 R2          a left press, then a right press (promotes)
//   押す位置 X Y [ボタン]     a press at twips (X, Y)
//   キー N                    a key with code N (27 is Esc)
//   閉じる                    the window's close box
//   答え OK|はい|いいえ       the answer to the next message box
//   時間 +S | 時間 S          the clock moves on S seconds, or is set to S
//                             (seconds since midnight; it wraps there)
//   経過 S                    S seconds pass with the timer running: the
//                             clock moves a second at a time (the rest at
//                             the end) and the timer fires after each step
//                             while the game has it switched on
//   入力 部品 "文字"          the player types into a panel text box
//   フォルダ "名前"           the player picks a folder in the folder list
//   ファイル選択 "名前"       the player clicks a file in the file list
//   RETURN                    the panel's write button
//   装置 N                    what the sound library's initialisation will
//                             answer at the next start (0: no device)
//   ファイル作成 名前 "中身"  a file in the working folder, the text in
//                             Shift_JIS
//   ファイル作成_生 名前 "中身"  the same, bytes as written
//   ファイル削除 名前
//   フォルダ作成 名前
//   ファイル表示 名前         the file's lines (Shift_JIS read as such) go
//                             into the trace
#pragma once

#include <string>
#include <vector>

struct 台本結果 {
    std::vector<std::string> 行;  // the trace
    std::string エラー;           // a fault in the script itself, or empty
};

// Runs a script in the current working directory, which should be an
// empty folder of its own.  Dummy sound files are put there first.
台本結果 台本を実行(const std::string& 台本);
