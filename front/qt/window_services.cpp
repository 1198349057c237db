// SPDX-License-Identifier: GPL-3.0-or-later
// The window's services to the game other than drawing: its sounds, passed
// on to the sound library, and its clock.
#include <QTime>

#include "front/qt/window.h"
#include "store/sound.h"
#include "sound/dsound.h"

// ---- sound --------------------------------------------------------------------

long 窓::dsInitialize() { return ::dsInitialize(reinterpret_cast<void*>(winId())); }
long 窓::dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) {
    return ::dsCreateDSB(装置, 画像, 長さ, フラグ);
}
void 窓::dsPlay(long h) {
    if (効果音を鳴らす(*s_, h)) ::dsPlay(h);
}
void 窓::dsPlayLooping(long h) { ::dsPlayLooping(h); }
void 窓::dsStop(long h) { ::dsStop(h); }
void 窓::dsFree(long h) { ::dsFree(h); }
void 窓::dsTerminate(long d) { ::dsTerminate(d); }

// ---- time ---------------------------------------------------------------------

void 窓::タイマー(bool 有効) {
    if (有効) timer1_.start();
    else timer1_.stop();
}

double 窓::時刻() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

// 待つ, the pauses: window_sequence.cpp.
