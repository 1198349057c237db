// SPDX-License-Identifier: GPL-3.0-or-later
// One of the game's sequences run on a stack of its own, so that it can stop
// half-way (in a pause, or while the computer thinks) and go on later from
// the same point, while the window's event loop runs in between.  The game
// code inside knows nothing of it: a pause of the platform simply returns
// later.  Nothing here names Qt.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <ucontext.h>

class 一続き {
public:
    explicit 一続き(std::function<void()> 中身);
    ~一続き();
    一続き(const 一続き&) = delete;
    一続き& operator=(const 一続き&) = delete;

    // Runs the sequence from where it stopped until it stops again (中断)
    // or comes to its end; true at its end.  An exception of the body comes
    // out of here.  Not to be called from inside the sequence itself.
    bool 進める();
    // From inside the body: back to whoever called 進める, until the next
    // 進める.
    void 中断();
    bool 終わった() const { return 終わり_; }
    // The sequence whose body is running now; null outside every sequence.
    static 一続き* 今の();

private:
    static void 入口();

    std::function<void()> 中身_;
    void* 積み_ = nullptr;  // the sequence's own stack (with a guard page below it)
    std::size_t 積み長_ = 0;
    ucontext_t 自分_{};
    ucontext_t 呼び手_{};
    bool 終わり_ = false;
    std::exception_ptr 例外_;
    一続き* 外_ = nullptr;  // the sequence that was running when this one was entered
    // Where the caller's stack lies, for the address sanitizer's bookkeeping.
    const void* 呼び手の底_ = nullptr;
    std::size_t 呼び手の長さ_ = 0;
    void* 偽の積み_ = nullptr;
};
