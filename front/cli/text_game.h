// SPDX-License-Identifier: GPL-3.0-or-later
// A game against the computer played by text, as the command-line tool
// plays it.  The state must be started (constants, square colours, a new
// game) and point at the memory of the computer (状態::COM記憶).  Each
// computer move is written as "COM 元X 元Y 先X 先Y 置駒 最高点" (a drop from
// −1, kind), a computer without a move as "none", a full log as "full", the
// end of the game as its message text; each on a line.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "play/com_turn.h"
#include "view/platform.h"
#include "view/state.h"

// The computer's whole turn; by default the game's own (com_ban_指す).  The
// stronger levels hand in theirs.
using COMの手番 = std::function<COM手番結果(状態&, Platform&)>;

// Starts the game as "先手" does, or as "後手" does (the computer moves at
// once).
void 文字対局_開始(状態& s, Platform& p, std::ostream& out, bool 後手で, const COMの手番* 手番 = nullptr);

// One line of input: "元X 元Y 先X 先Y", optionally followed by " +" (the
// destination pressed with the right button).  A drop names the human's
// hand slot (11, kind + 2).  The move is played as the mouse handler plays a
// legal move; anything that is not a legal move of the human, or any move
// after the end of the game, prints "illegal" and changes nothing.  Blank
// lines are ignored.  Answers false once the log is full: nothing more can
// be played.
bool 文字対局_一行(状態& s, Platform& p, const std::string& 行, std::ostream& out,
                   const COMの手番* 手番 = nullptr);
