// SPDX-License-Identifier: GPL-3.0-or-later
// A watchdog on the window's event loop: a timer asks to run every
// millisecond, and each time it runs the time since its last run is a gap
// in which the loop could not serve the window (a repaint, a menu, a
// close).  The longest gap is kept in wall time, with the CPU time the
// window's thread spent in it: a thread asleep in a pause shows a long gap
// of no CPU, a search on the window's thread one of as much CPU.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <ctime>

class 輪の見張り {
public:
    輪の見張り() {
        時計_.setTimerType(Qt::PreciseTimer);
        時計_.setInterval(1);
        QObject::connect(&時計_, &QTimer::timeout, [this] { 刻む(); });
    }
    // Starts (again) from nothing.
    void 始める() {
        最長ms = 最長CPUms = 0;
        回数 = 0;
        前_ = 今();
        前CPU_ = 今のCPU();
        時計_.start();
    }
    // Counts what went on since the last tick, then stops.
    void 止める() {
        刻む();
        時計_.stop();
    }
    double 最長ms = 0;     // the longest gap, wall time
    double 最長CPUms = 0;  // the window thread's CPU time in that gap
    long 回数 = 0;         // the loop's turns seen

private:
    static double 今() {
        using namespace std::chrono;
        return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
    }
    static double 今のCPU() {
        timespec t{};
        ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    void 刻む() {
        const double t = 今(), c = 今のCPU();
        if (t - 前_ > 最長ms) {
            最長ms = t - 前_;
            最長CPUms = c - 前CPU_;
        }
        前_ = t;
        前CPU_ = c;
        ++回数;
    }
    QTimer 時計_;
    double 前_ = 0, 前CPU_ = 0;
};
