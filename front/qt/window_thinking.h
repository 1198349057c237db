// SPDX-License-Identifier: GPL-3.0-or-later
// Where the stronger computer thinks while the window stays alive: a worker
// thread searching a copy of the game.  The answer is handed back to the
// window's own thread as an event, so the game itself is only ever touched
// there.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

#include "engine/deep_search.h"
#include "game/com_turn.h"

class 窓の思考 final : public 裏の思考 {
public:
    // 答え runs on the thread of 相手先 (the window) with the search's
    // result; it is never called once the window is gone.
    窓の思考(QObject* 相手先, std::function<void(const 深い探索の結果&)> 答え);
    ~窓の思考() override;

    void 始める(const 対局& g, const 探索設定& 設定) override;
    // Stops a search in progress and waits for its thread; its answer is
    // dropped.  Returns within a few milliseconds.
    void 止める();
    bool 考え中() const { return 考え中_; }

    // For tests: changes the settings of every search before it starts.
    std::function<void(探索設定&)> 設定の手直し;

private:
    QObject* 相手先_;
    std::function<void(const 深い探索の結果&)> 答え_;
    深い探索 探索_;  // keeps what it learnt from move to move
    std::thread 糸_;
    std::atomic<bool> 止め_{false};
    bool 考え中_ = false;
    unsigned 番_ = 0;  // which search an answer belongs to
};
