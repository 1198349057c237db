// Games against the computer: the two start commands under "対局(COM)" and
// the link that lets the mouse handler hand the turn to the computer.
#pragma once

#include <iosfwd>
#include <string>

#include "core/platform.h"
#include "core/state.h"

// "先手": the human plays first.  In the middle of a game it goes on from
// the current position; if the computer is to move it moves at once.
void SENTE_Click(状態& s, Platform& p);
// "後手": the computer plays first and moves at once on a fresh board.
void GOTE_Click(状態& s, Platform& p);

// Fills COM手番フック so that a human move in a game against the computer
// refreshes the influence map and lets the computer answer.  The window
// calls it once at start-up.
void COM対局を登録();


// A game against the computer played by text, as the command-line tool
// plays it.  The state must be started (constants, square colours, a new
// game).  Each computer move is written as "COM 元X 元Y 先X 先Y 置駒 最高点"
// (a drop from −1, kind), a computer without a move as "none", a full log
// as "full", the end of the game as its message text; each on a line.

// Starts the game as "先手" does, or as "後手" does (the computer moves at
// once).
void 文字対局_開始(状態& s, Platform& p, std::ostream& out, bool 後手で);

// One line of input: "元X 元Y 先X 先Y", optionally followed by " +" (the
// destination pressed with the right button).  A drop names the human's
// hand slot (11, kind + 2).  The move goes through the mouse handler like
// two presses; anything that is not a legal move of the human, or any move
// after the end of the game, prints "illegal" and changes nothing.  Blank
// lines are ignored.  Answers false once the log is full: nothing more can
// be played.
bool 文字対局_一行(状態& s, Platform& p, const std::string& 行, std::ostream& out);
