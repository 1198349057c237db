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
    // Whole seconds first, rounded down; hours, minutes and seconds then
    // follow in whole numbers.  (A time past any clock's reach shows as 0.)
    const double 秒 = std::floor(IN_経過秒);
    const long long n = 秒 >= -1e15 && 秒 <= 1e15 ? static_cast<long long>(秒) : 0;
    const long long h = n >= 3600 ? n / 3600 : 0;
    const long long r = n - 3600 * h;
    const long long m = r >= 0 ? r / 60 : -((-r + 59) / 60);  // rounded down
    return 変換_数字から文字(static_cast<int>(h)) + ":" + 変換_数字から文字(static_cast<int>(m)) + ":" +
           変換_数字から文字(static_cast<int>(r - 60 * m));
}
