// SPDX-License-Identifier: GPL-3.0-or-later
// The status line under the board (window_status.h).
#include "front/qt/window_status.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <set>

#include "front/qt/language.h"

namespace {

// Notices that only tell: whose move it is, a refusal and its reason, how
// the game ended.  With the status line on they are written there, first
// line of the text matched as the game wrote it.
const std::set<std::string>& 知らせの文() {
    static const std::set<std::string> 一覧 = {
        "先手の番です",      "後手の番です",          "MANの番です",       "OKですか？",
        "あなたの勝ちです",  "ｺﾝﾋﾟｭｰﾀの勝ちです",     "先手の勝ちです",    "後手の勝ちです",
        "できません",        "棋譜ﾓｰﾄﾞではできません", "対局途中ではできません",
        "「対局」で始めて下さい", "新規に対局してください", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません",
    };
    return 一覧;
}

std::string 最初の行(const std::string& t) { return t.substr(0, t.find('\r')); }

}  // namespace

bool 状況行::出す(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    if (!s_.表示.状況行 || b != ボタン::OK || 警告 || !知らせの文().count(最初の行(本文))) return false;
    状況題_ = 題;
    状況文_ = 本文;
    更新();
    return true;
}

void 状況行::消す() {
    勧め_.clear();
    状況題_.clear();
    状況文_.clear();
    更新();
}

void 状況行::更新() {
    if (!s_.表示.状況行) {
        // Never made while the option is off: the window keeps its first size.
        if (QStatusBar* b = 窓_.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly)) b->hide();
        return;
    }
    窓_.statusBar()->show();
    窓_.statusBar()->showMessage(文());
}

QString 状況行::文() const {
    if (!s_.表示.状況行) return {};
    if (s_.操作.COM思考中) return ゲームの文(std::string("思考中"));
    if (状況文_.empty() && !勧め_.isEmpty()) return 勧め_;
    if (状況文_.empty()) {
        // Nothing was said: whose move it is, while a game goes on.
        const 状態& s = s_;
        if (s.手番 == 手番_なし || s.勝者 != 手番_なし || s.操作.棋譜モード == 真) return {};
        if (s.操作.対局種別 == 対局_COM) return s.手番 == s.手番_MAN ? ゲームの文(std::string("MANの番です")) : QString();
        return ゲームの文(std::string(s.手番 == 先手 ? "先手の番です" : "後手の番です"));
    }
    QString 文 = ゲームの文(状況文_);
    文.replace("\r\n", " ");
    文.replace('\r', ' ');
    文.replace('\n', ' ');
    QString 題 = ゲームの文(状況題_).trimmed();
    if (題.isEmpty()) return 文.simplified();
    //: The status line under the board: the title of a notice (対局, 終了, 戻る…) and the notice.
    return QCoreApplication::translate("Window", "%1：%2").arg(題, 文.simplified());
}
