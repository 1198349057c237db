// SPDX-License-Identifier: GPL-3.0-or-later
// The side that answers a human move: the computer in a game against it,
// nobody in a game between two people.  Whoever starts the game hands it to
// the routines that may need an answer (the mouse handler, the two start
// commands of a game against the computer).
#pragma once

#include "game/platform.h"
#include "game/state.h"

class 応手 {
public:
    virtual ~応手() = default;
    // Right after the human's move, before the end of the game is tested:
    // the computer brings its influence map up to date.
    virtual void 局面更新(状態& s) = 0;
    // The answering move itself, made inside the same event.
    virtual void 指す(状態& s, Platform& p) = 0;
};

// Nobody answers: the human's move stands and the turn simply passes.
class 応手なし final : public 応手 {
public:
    void 局面更新(状態&) override {}
    void 指す(状態&, Platform&) override {}
};
