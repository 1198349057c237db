// SPDX-License-Identifier: GPL-3.0-or-later
// Where the computer thinks while the window stays alive: a worker thread
// carrying out one piece of thinking (the answer of any strength, a hint) on
// copies of the game.  The sequence that asked waits meanwhile, stopped
// (front/qt/sequence.h), and goes on on the window's own thread once the
// worker is done, so the game itself is only ever touched there.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

#include "play/com_turn.h"

class 窓の思考 final : public 裏の思考 {
public:
    // 待たせる: called on the window's thread once the worker has started;
    // it stops the asking sequence and comes back when the window carries
    // it on, with false when the thinking was called off meanwhile
    // (止める); nothing when there is no sequence to stop, and the worker
    // is then waited for.  済んだ runs on the thread of 相手先 (the window)
    // once the worker is done; never once the window is gone.
    窓の思考(QObject* 相手先, std::function<std::optional<bool>()> 待たせる, std::function<void()> 済んだ);
    ~窓の思考() override;

    bool 任せる(const 考える仕事& 仕事) override;
    // Stops the thinking in progress and waits for its thread; its answer is
    // dropped.  Returns within a few milliseconds.
    void 止める();
    bool 考え中() const { return 考え中_; }

private:
    QObject* 相手先_;
    std::function<std::optional<bool>()> 待たせる_;
    std::function<void()> 済んだ_;
    std::thread 糸_;
    std::atomic<bool> 止め_{false};
    bool 考え中_ = false;
    unsigned 番_ = 0;  // which piece of thinking an answer belongs to
};
