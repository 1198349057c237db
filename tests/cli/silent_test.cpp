// SPDX-License-Identifier: GPL-3.0-or-later
// The tool's platform answers like the recording platform with its clock at
// midnight and no sound device, and keeps nothing of what it was asked.
#include "front/cli/silent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> 一通り(Platform& p) {
    p.絵(絵_空桝1, 1665, 715);
    p.文字(8800, 6350, "▲７六歩", 12, false, 15);
    p.再描画();
    p.待つ(0.1);
    p.タイマー(true);
    p.チェック表示(メニュー項目::BGM, true);
    p.パネル文字設定(パネル部品::入力_上, "先手の名");
    p.パネルフォルダ設定("棋譜");
    p.dsPlay(1);
    p.終了();
    return {応答名(p.メッセージ("本文", "題", ボタン::OK)),
            応答名(p.メッセージ("本文", "題", ボタン::はいいいえ)),
            数値文字(p.時刻()),
            p.パネル文字(パネル部品::入力_上),
            p.パネルフォルダ(),
            std::to_string(p.dsInitialize())};
}

TEST(無言の場, 記録の場と同じに答えて何も残さない) {
    無言の場 無言;
    記録の場 記録;
    記録.現在時刻 = 0;
    記録.装置値 = 0;
    const std::vector<std::string> 答え = 一通り(無言);
    EXPECT_EQ(答え, (std::vector<std::string>{"OK", "はい", "0", "先手の名", "棋譜", "0"}));
    EXPECT_EQ(一通り(記録), 答え);
    EXPECT_EQ(記録.呼出履歴.size(), 16u);
    EXPECT_TRUE(無言.呼出履歴.empty() && 無言.描画.empty() && 無言.メッセージ履歴.empty() && 無言.音.empty() &&
                無言.待ち.empty() && 無言.タイマー履歴.empty());
    EXPECT_TRUE(無言.タイマー有効 && 無言.チェック[static_cast<int>(メニュー項目::BGM)] && 無言.終了済み);
}

}  // namespace
