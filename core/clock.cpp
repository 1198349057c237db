// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/clock.h"

#include <cmath>

double 調査_経過秒(double I_開始, double I_終了) {
    if (I_開始 <= I_終了) return I_終了 - I_開始;
    return I_終了 + 86400 - I_開始;  // midnight passed
}

std::string 変換_数字から文字(int I_数字) {
    const std::string t = std::to_string(I_数字);
    if (t.size() == 1) return "0" + t;
    if (t.size() == 2) return t;
    return "";
}

std::string 調査_時間秒追加結果(double IN_経過秒) {
    double s = IN_経過秒;
    double h = 0;
    if (s >= 3600) {
        h = std::floor(s / 3600);
        s -= 3600 * h;
    }
    const double m = std::floor(s / 60);
    const double sec = s - 60 * m;
    return 変換_数字から文字(static_cast<int>(h)) + ":" + 変換_数字から文字(static_cast<int>(m)) + ":" +
           変換_数字から文字(static_cast<int>(std::floor(sec)));
}
