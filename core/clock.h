// SPDX-License-Identifier: GPL-3.0-or-later
// Thinking-time clocks of both sides.  Display and record only: there is no
// time limit.
#pragma once

#include <string>

double 調査_経過秒(double I_開始, double I_終了);
std::string 調査_時間秒追加結果(double IN_経過秒);
std::string 変換_数字から文字(int I_数字);
