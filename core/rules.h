// SPDX-License-Identifier: GPL-3.0-or-later
// The movement rule of every piece, turned to the way the piece faces; the
// patterns themselves are the rule table in core/patterns.h.
#pragma once

#include "core/state.h"

// 真 when the piece 移動駒種類 may go from the source to the destination on
// the current board.  A source in column 11 (MAN) or −1 (COM) is a drop from
// that side's hand.  The source square itself is never read.
int 移動チェック(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);

// Path helpers for long-range pieces: 真 when every square strictly between
// source and destination on the row/column (飛車) or diagonal (角) is empty.
int 移動チェック飛車(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const 盤面状態& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
