// SPDX-License-Identifier: GPL-3.0-or-later
// The options of the marks over the board (ｵﾌﾟｼｮﾝ → 表示) and of play
// (ｵﾌﾟｼｮﾝ → 操作): each one a flag of the game's screen state, kept in the
// preferences store of the working folder.  The marks themselves are
// painted by the canvas (window_canvas.cpp).
#include "front/qt/pictures.h"
#include "front/qt/window.h"
#include "front/qt/window_canvas.h"
#include "store/preferences.h"

namespace {

struct 印の項目 {
    const char* 名前;
    const char* 鍵;
    bool 既定;
    bool 表示状態::*旗;
};
const 印の項目 印の項目一覧[] = {
    {"HYOUJI_SAISHU", 好み_最終手, true, &表示状態::最終手表示},
    {"HYOUJI_KOTOWARI", 好み_断り説明, true, &表示状態::断り説明},
    {"HYOUJI_KAITEN", 好み_回転印, false, &表示状態::回転印},
    {"HYOUJI_TEBAN", 好み_手番印, true, &表示状態::手番印},
    {"HYOUJI_JOUKYOU", 好み_状況行, true, &表示状態::状況行},
    {"HYOUJI_FUTOI", 好み_太い枠, true, &表示状態::太い枠},
    {"SOUSA_DRAG", 好み_ドラッグ, true, &表示状態::ドラッグ},
    {"SOUSA_NARI", 好み_成り選択, true, &表示状態::成り選択},
    {"SOUSA_KAKUNIN", 好み_投了確認, true, &表示状態::投了確認},
};

// Turning the board, the window's own: off unless chosen.
struct 回す項目 {
    const char* 名前;
    const char* 鍵;
    bool 既定;
};
const 回す項目 回す項目一覧[] = {
    {"HYOUJI_MAWASU", 好み_盤を回す, false},
    {"HYOUJI_GOTE_MAWASU", 好み_後手で回す, false},
};

}  // namespace

void 窓::印を変える(const QString& 名前, bool 付ける) {
    for (const 印の項目& i : 印の項目一覧)
        if (名前 == i.名前) s_->表示.*i.旗 = 付ける;
    if (名前 == "HYOUJI_JOUKYOU") 状況行を更新();
    if (名前 == "HYOUJI_MAWASU") 盤を回す_ = 付ける;
    if (名前 == "HYOUJI_GOTE_MAWASU") 後手で回す_ = 付ける;
    メニュー_.表題();
    盤面_->update();
}

void 窓::印を選ぶ(const QString& 名前, bool 付ける) {
    印を変える(名前, 付ける);
    for (const 印の項目& i : 印の項目一覧)
        if (名前 == i.名前) 好みを保存する(i.鍵, 付ける ? "on" : "off");
    for (const auto& [名, 鍵, 既定] : 回す項目一覧)
        if (名前 == 名) 好みを保存する(鍵, 付ける ? "on" : "off");
}

void 窓::印の好みを読む() {
    好み設定 帳;
    帳.読む(好み設定ファイル名);
    for (const 印の項目& i : 印の項目一覧) {
        const std::string v = 帳.値(i.鍵);
        印を変える(i.名前, v == "on" ? true : v == "off" ? false : i.既定);
    }
    for (const auto& [名, 鍵, 既定] : 回す項目一覧) {
        const std::string v = 帳.値(鍵);
        印を変える(名, v == "on" ? true : v == "off" ? false : 既定);
    }
}

bool 窓::印が付いている(const QString& 名前) const {
    for (const 印の項目& i : 印の項目一覧)
        if (名前 == i.名前) return s_->表示.*i.旗;
    if (名前 == "HYOUJI_MAWASU") return 盤を回す_;
    if (名前 == "HYOUJI_GOTE_MAWASU") return 後手で回す_;
    return false;
}

// ---- the window's own items of the menu bar ------------------------------------

void 窓::自前の項目(const QString& 名前) {
    if (名前 == "GENGO_JA") 言語を選ぶ(言語::日本語);
    else if (名前 == "GENGO_EN") 言語を選ぶ(言語::英語);
    else if (名前 == "HYOUKI_KANJI") 駒の表記を選ぶ(false);
    else if (名前 == "HYOUKI_EIJI") 駒の表記を選ぶ(true);
    else if (名前 == "KOUKAON") 効果音を選ぶ(s_->表示.効果音を消す);
    else 印を選ぶ(名前, !印が付いている(名前));
}

bool 窓::自前の印(const QString& 名前) const {
    const bool 英語 = 今の言語() == 言語::英語, 英字 = 英字の駒();
    if (名前 == "GENGO_JA") return !英語;
    if (名前 == "GENGO_EN") return 英語;
    if (名前 == "HYOUKI_KANJI") return !英字;
    if (名前 == "HYOUKI_EIJI") return 英字;
    if (名前 == "KOUKAON") return !s_->表示.効果音を消す;
    return 印が付いている(名前);
}
