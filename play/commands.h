// SPDX-License-Identifier: GPL-3.0-or-later
// The game menu: starting a game between two people, the computer's
// strength, and quitting (also by Esc and by closing the window); and the
// question every command asks before it throws a game in progress away.
#pragma once

#include "view/platform.h"
#include "view/state.h"

// Opening the "対局" or "局面" menu closes the record-file panel.
void TAIKYOKU_Click(状態& s, Platform& p);
void STOP_Click(状態& s, Platform& p);
// "スタート": start, or go on with, a game between two people.
void START_Click(状態& s, Platform& p);
void LEVEL1_Click(状態& s, Platform& p);
void LEVEL2_Click(状態& s, Platform& p);
void LEVEL3_Click(状態& s, Platform& p);
void LEVEL4_Click(状態& s, Platform& p);
void LEVEL5_Click(状態& s, Platform& p);
void LEVEL6_Click(状態& s, Platform& p);
void LEVEL7_Click(状態& s, Platform& p);
void LEVEL8_Click(状態& s, Platform& p);
void LEVEL9_Click(状態& s, Platform& p);
void LEVEL10_Click(状態& s, Platform& p);
void LEVEL11_Click(状態& s, Platform& p);
void LEVEL12_Click(状態& s, Platform& p);
void LEVEL13_Click(状態& s, Platform& p);
void LEVEL14_Click(状態& s, Platform& p);
void LEVEL15_Click(状態& s, Platform& p);
void LEVEL16_Click(状態& s, Platform& p);
void LEVEL17_Click(状態& s, Platform& p);
// Check mark and strength 1..3; any other value clears all three marks and
// keeps the strength.
void レベル_設定(状態& s, Platform& p, int IN_LEVEL);
// The level menu's marks made to show s.レベル, touching only the marks
// that differ (a game taken up from the disk keeps its own strength).
void レベルの印を合わせる(状態& s, Platform& p);
// "終わり", Esc (KeyAscii 27) and closing the window: clean up, then end the
// program through Platform::終了.
void OWARI_Click(状態& s, Platform& p);
void Form_KeyPress(状態& s, Platform& p, int KeyAscii);
void Form_Unload(状態& s, Platform& p);
// Frees the four sounds (その他, 禁止, 駒打, BGM) and shuts the sound library
// down.  Safe to call twice: the second call finds nothing left to free.
void 終了処理(状態& s, Platform& p);

// A game someone is playing and would lose: started, not yet decided, not a
// loaded record being stepped through, and at least one move made (also
// when every move has been taken back with "戻": "進" can still bring them).
bool 調査_対局途中(const 状態& s);
// Asked before a command sets up a new board over a game in progress ("最初",
// loading a record): "今の対局を終わりにしますか？" (title "確認", はい/いいえ).
// True when there is no such game or the answer is はい; any other answer
// keeps the game, and the caller must then change nothing at all.  Quitting
// is not asked about: the game is kept on the disk for the next start.
bool 確認_対局終了(状態& s, Platform& p);
inline constexpr const char* 対局終了の問い = "今の対局を終わりにしますか？";
