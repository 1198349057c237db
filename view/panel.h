// SPDX-License-Identifier: GPL-3.0-or-later
// Showing and hiding the record-file panel that lies on the game window:
// the drive, folder and file lists for choosing a record, and the write
// controls (four text boxes with their labels and the "RETURN" button).
// The panel is hidden whenever the game is being played.
#pragma once

#include "view/platform.h"
#include "view/state.h"

// Visibility of the drive list, the folder list and the file list, in that
// order (真 shows, 偽 hides).
void 描画_可視(パネル窓口& p, int a, int b, int c);

// フラグ = 0 shows the write controls; any other value empties the four text
// boxes and hides all write controls.
void 描画_棋譜_IO(パネル窓口& p, int フラグ);

// Every list and write control hidden, whatever was typed forgotten: the
// panel closed for play.
void パネルを閉じる(パネル窓口& p);
