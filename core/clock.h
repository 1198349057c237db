// Thinking-time clocks of both sides.  Display and record only: there is no
// time limit.
#pragma once

#include <string>

#include "core/platform.h"
#include "core/state.h"

// Period of Timer1 in milliseconds.
inline constexpr int Timer1_周期ms = 50;

void Timer1_有効(状態& s, Platform& p, bool 有効);
void Timer1_Timer(状態& s, Platform& p);
double 調査_経過秒(double I_開始, double I_終了);
std::string 調査_時間秒追加結果(double IN_経過秒);
std::string 変換_数字から文字(int I_数字);
void 描画_所有時間(状態& s, Platform& p, int IN_手番, double IN_思考時間);
void 消去_所有時間(状態& s, Platform& p, int IN_手番);
void KEIKA_Click(状態& s, Platform& p);
