// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel.h"

namespace {

constexpr パネル部品 入力欄[4] = {パネル部品::入力_ファイル名, パネル部品::入力_対局名, パネル部品::入力_上,
                                  パネル部品::入力_下};
constexpr パネル部品 書込部品[9] = {
    パネル部品::入力_ファイル名, パネル部品::入力_対局名,       パネル部品::入力_上,
    パネル部品::入力_下,         パネル部品::ラベル_対局名,     パネル部品::ラベル_上,
    パネル部品::ラベル_下,       パネル部品::ラベル_ファイル名, パネル部品::RETURN,
};

}  // namespace

void 描画_可視(パネル窓口& p, int a, int b, int c) {
    p.パネル表示(パネル部品::Drive1, a != 偽);
    p.パネル表示(パネル部品::Dir1, b != 偽);
    p.パネル表示(パネル部品::File1, c != 偽);
}

void 描画_棋譜_IO(パネル窓口& p, int フラグ) {
    const bool 見える = フラグ == 0;
    // Closing the panel forgets whatever was typed.
    if (!見える)
        for (auto 欄 : 入力欄) p.パネル文字設定(欄, "");
    for (auto 部品 : 書込部品) p.パネル表示(部品, 見える);
}

void パネルを閉じる(パネル窓口& p) {
    描画_可視(p, 偽, 偽, 偽);
    描画_棋譜_IO(p, 1);
}
