// The game menu: starting a game between two people, the computer's
// strength, and quitting (also by Esc and by closing the window).
#pragma once

#include "core/platform.h"
#include "core/state.h"

// Opening the "対局" or "局面" menu closes the record-file panel.
void TAIKYOKU_Click(状態& s, Platform& p);
void STOP_Click(状態& s, Platform& p);
void MATCH_MAN_Click(状態& s, Platform& p);  // opening "対局(人間)": nothing
// "スタート": start, or go on with, a game between two people.
void START_Click(状態& s, Platform& p);
void LEVEL1_Click(状態& s, Platform& p);
void LEVEL2_Click(状態& s, Platform& p);
void LEVEL3_Click(状態& s, Platform& p);
// Check mark and strength 1..3; any other value clears all three marks and
// keeps the strength.
void レベル_設定(状態& s, Platform& p, int IN_LEVEL);
// "終わり", Esc (KeyAscii 27) and closing the window: clean up, then end the
// program through Platform::終了.
void OWARI_Click(状態& s, Platform& p);
void Form_KeyPress(状態& s, Platform& p, int KeyAscii);
void Form_Unload(状態& s, Platform& p);
// Frees the four sounds (その他, 禁止, 駒打, BGM) and shuts the sound library
// down.  Safe to call twice: the second call finds nothing left to free.
void 終了処理(状態& s, Platform& p);
