// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/sequence.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define VZ_ASAN_FIBERS 1
#endif

namespace {

// Room for the game's deepest path: a message box's own event loop, with
// Qt painting inside it, opened from the middle of a move.  The pages are
// only taken from the system as they are touched.
constexpr std::size_t 積みの大きさ = 8u << 20;

thread_local 一続き* 今_ = nullptr;
thread_local 一続き* 始める者_ = nullptr;

}  // namespace

一続き::一続き(std::function<void()> 中身) : 中身_(std::move(中身)) {
    const std::size_t 頁 = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    積み長_ = 積みの大きさ + 頁;
    積み_ = ::mmap(nullptr, 積み長_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (積み_ == MAP_FAILED) throw std::bad_alloc();
    ::mprotect(積み_, 頁, PROT_NONE);  // running off the end faults at once
    ::getcontext(&自分_);
    自分_.uc_stack.ss_sp = static_cast<char*>(積み_) + 頁;
    自分_.uc_stack.ss_size = 積みの大きさ;
    自分_.uc_link = &呼び手_;  // the end of the body goes back to the last caller
    ::makecontext(&自分_, &一続き::入口, 0);
}

一続き::~一続き() { ::munmap(積み_, 積み長_); }

一続き* 一続き::今の() { return 今_; }

void 一続き::入口() {
    一続き* c = 始める者_;
#ifdef VZ_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(nullptr, &c->呼び手の底_, &c->呼び手の長さ_);
#endif
    try {
        c->中身_();
    } catch (...) {
        c->例外_ = std::current_exception();
    }
    c->終わり_ = true;
#ifdef VZ_ASAN_FIBERS
    __sanitizer_start_switch_fiber(nullptr, c->呼び手の底_, c->呼び手の長さ_);
#endif
    // Returning follows uc_link back to the caller of the last 進める.
}

bool 一続き::進める() {
    if (終わり_) return true;
    外_ = 今_;
    今_ = this;
    始める者_ = this;
#ifdef VZ_ASAN_FIBERS
    void* 偽 = nullptr;
    __sanitizer_start_switch_fiber(&偽, static_cast<char*>(自分_.uc_stack.ss_sp), 自分_.uc_stack.ss_size);
#endif
    ::swapcontext(&呼び手_, &自分_);
#ifdef VZ_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(偽, nullptr, nullptr);
#endif
    今_ = 外_;
    if (例外_) std::rethrow_exception(std::exchange(例外_, nullptr));
    return 終わり_;
}

void 一続き::中断() {
#ifdef VZ_ASAN_FIBERS
    __sanitizer_start_switch_fiber(&偽の積み_, 呼び手の底_, 呼び手の長さ_);
#endif
    ::swapcontext(&自分_, &呼び手_);
#ifdef VZ_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(偽の積み_, &呼び手の底_, &呼び手の長さ_);
#endif
}
