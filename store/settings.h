// SPDX-License-Identifier: GPL-3.0-or-later
// The four options kept between runs in "Vezuvire.ini" (Shift_JIS, CR LF):
// background, move guidance, elapsed-time display, music.
#pragma once

#include "view/platform.h"
#include "view/state.h"

inline constexpr const char* 設定ファイル名 = "Vezuvire.ini";

// Sets a menu check mark in the state and on screen.
void チェック変更(状態& s, メニュー窓口& p, メニュー項目 項目, bool 付ける);
void チェック設定(状態& s, Platform& p, int IN_背景種類);
void 読込_環境設定ファイル(状態& s, Platform& p);
void 書込_環境設定ファイル(状態& s, Platform& p);

void MIDORI_Click(状態& s, Platform& p);
void TATAMI_Click(状態& s, Platform& p);
void TAKE_Click(状態& s, Platform& p);
void UCHU_Click(状態& s, Platform& p);
void RENGA_Click(状態& s, Platform& p);
void SIDOU_Click(状態& s, Platform& p);
void BGM_Click(状態& s, Platform& p);
// Opening the option menu closes the record panel.
void OPTION_Click(状態& s, Platform& p);
// Elapsed-time display on or off (the clocks shown or wiped), kept in the settings file.
void KEIKA_Click(状態& s, Platform& p);
