// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own options, kept outside the game: the language of its
// texts, how the pieces are labelled, the sound effects, the marks over the
// board (ｵﾌﾟｼｮﾝ → 表示) and the options of play (ｵﾌﾟｼｮﾝ → 操作), and the
// window's place and size.  Each takes effect at once and is kept in the
// preferences store of the working folder (store/preferences.h).  The
// marks themselves are painted by the canvas (window_canvas.cpp).
#include <QCoreApplication>

#include "front/qt/help_window.h"
#include "front/qt/move_list_window.h"
#include "front/qt/pictures.h"
#include "front/qt/window.h"
#include "front/qt/window_canvas.h"
#include "store/preferences.h"
#include "store/safe_file.h"
#include "view/tr.h"

void 窓::言語を変える(言語 l) {
    言語を使う(l);
    // The board's texts are kept as the game gave them: each is drawn again
    // in the new language, in the same place.
    帳_.訳し直す();
    全部描き直す();
    言語の表示を更新();
}

void 窓::言語を選ぶ(言語 l) {
    言語を変える(l);
    好みを保存する(好み_言語, 言語の値(l));
}

void 窓::好みを保存する(const char* 鍵, const std::string& 値) {
    好み設定 帳;
    int e = 帳.読む(好み設定ファイル名);
    if (e == 0) {
        帳.設定(鍵, 値);
        e = 帳.書く(好み設定ファイル名);
    }
    if (e == 0 || 好みの失敗を告げた_) return;
    好みの失敗を告げた_ = true;
    メッセージ(std::string("設定を「") + 好み設定ファイル名 + "」に保存できませんでした。\r" + 変換_エラー理由(e) + "\r" +
                   QT_TRANSLATE_NOOP("Game", "選んだ設定は、今回の起動のあいだだけ使われます。"),
               QT_TRANSLATE_NOOP("Game", "ｵﾌﾟｼｮﾝ"), ボタン::OK, true);
}

void 窓::駒の表記を変える(bool 英字) {
    英字の駒を描く(英字);
    全部描き直す();
    if (遊び方_) 遊び方_->update();
    メニュー_.表題();
}

void 窓::駒の表記を選ぶ(bool 英字) {
    駒の表記を変える(英字);
    好みを保存する(好み_駒の表記, 英字 ? "letters" : "kanji");
}

void 窓::好み設定を読む() {
    言語を変える(保存された言語(好み設定ファイル名));
    好み設定 帳;
    帳.読む(好み設定ファイル名);
    駒の表記を変える(帳.値(好み_駒の表記) == "letters");
    s_->表示.効果音を消す = 帳.値(好み_効果音) == "off";
    印の好みを読む();
    メニュー_.表題();
    // The window where the player left it, at the size it had then.
    位置を残す = true;
    const std::string 位置 = 帳.値(好み_窓の位置);
    if (!位置.empty()) restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(位置)));
    // A player who starts in another language than Japanese and has never
    // chosen the pieces' labels is told once of the Letters labels, the one
    // setting that makes the board readable without kanji.  Kept as told
    // only where it could be kept; no box about the store at a first start.
    if (今の言語() != 言語::日本語 && s_->表示.状況行 && 帳.値(好み_駒の表記).empty() && 帳.値(好み_英字の勧め).empty()) {
        //: The status line at a first start in another language: the Letters labels of the pieces.
        static const char* const 文 = QT_TRANSLATE_NOOP("Window", "駒の字が読みにくければ、ｵﾌﾟｼｮﾝ → 駒の表記 → 英字 で英字の駒にできます。");
        状況行_.勧める(QCoreApplication::translate("Window", 文));
        好み設定 今の帳;
        if (今の帳.読む(好み設定ファイル名) == 0) {
            今の帳.設定(好み_英字の勧め, "shown");
            今の帳.書く(好み設定ファイル名);
        }
        状況行_.更新();
    }
}

void 窓::窓の位置を残す() {
    好み設定 帳;
    if (帳.読む(好み設定ファイル名) != 0) return;
    帳.設定(好み_窓の位置, saveGeometry().toBase64().toStdString());
    帳.書く(好み設定ファイル名);
}

void 窓::効果音を選ぶ(bool 鳴らす) {
    s_->表示.効果音を消す = !鳴らす;
    好みを保存する(好み_効果音, 鳴らす ? "on" : "off");
}

void 窓::言語の表示を更新() {
    メニュー_.表題();
    パネル_->表題();
    if (棋譜一覧_) 棋譜一覧_->言語を更新();
    // The help is built from its texts: a new one replaces it, where it was.
    if (遊び方_) {
        const bool 見えていた = 遊び方_->isVisible();
        const QRect 位置 = 遊び方_->geometry();
        遊び方_->deleteLater();
        遊び方_ = nullptr;
        if (見えていた) {
            遊び方_ = new 遊び方窓(this);
            遊び方_->setGeometry(位置);
            遊び方_->show();
        }
    }
}

// ---- the marks over the board and the options of play --------------------------

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
    if (名前 == "HYOUJI_JOUKYOU") 状況行_.更新();
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
