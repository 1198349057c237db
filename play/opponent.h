// SPDX-License-Identifier: GPL-3.0-or-later
// The side that answers a human move: the computer in a game against it,
// nobody in a game between two people.  Whoever starts the game hands it to
// the routines that may need an answer (the mouse handler, the two start
// commands of a game against the computer).
#pragma once

#include <atomic>
#include <functional>

#include "view/platform.h"
#include "view/state.h"

// A piece of the computer's thinking: it works on copies only (never on the
// game) and ends early, its result unwanted, once 止め is set.
using 考える仕事 = std::function<void(const std::atomic<bool>& 止め)>;

class 応手 {
public:
    virtual ~応手() = default;
    // Right after the human's move, before the end of the game is tested:
    // the computer brings its influence map up to date.
    virtual void 局面更新(状態& s) = 0;
    // The answering move itself, made inside the same event.
    virtual void 指す(状態& s, Platform& p) = 0;
    // Asking the computer: 仕事 is carried out and the call returns once it
    // is done, true; false when the thinking was called off (the program
    // ends) and its result is to be dropped.  Where it thinks is the
    // answering side's business: here at once; the window's computer on its
    // worker thread, the window's events going on meanwhile.
    virtual bool 考えさせる(const 考える仕事& 仕事) {
        const std::atomic<bool> 止めない{false};
        仕事(止めない);
        return true;
    }
};

// Nobody answers: the human's move stands and the turn simply passes.
class 応手なし final : public 応手 {
public:
    void 局面更新(状態&) override {}
    void 指す(状態&, Platform&) override {}
};
