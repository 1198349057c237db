// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/resume.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "game/clock_view.h"
#include "game/commands.h"
#include "game/render.h"
#include "game/safe_file.h"
#include "game/start.h"
#include "game/tr.h"
#include "game/screen.h"

void 起動して再開(状態& s, Platform& p) {
    const bool 自動 = s.操作.自動保存;
    s.操作.自動保存 = false;  // the start-up's fresh board is not a new game of the player's
    起動(s, p);
    s.操作.自動保存 = 自動;
    前回の対局を確かめる(s, p);
}

void 自動保存_開始(状態& s, Platform& p, bool 持ち主) {
    s.操作.自動保存 = 持ち主;
    if (持ち主) 前回の対局を確かめる(s, p);
    else p.メッセージ(別のコピーの本文, 自動保存の題, ボタン::OK, true);
}

namespace {

// The kept game stays where it is, and nothing of this run may replace it.
void そのままにする(状態& s, Platform& p, const std::string& 本文, const char* 題) {
    s.操作.自動保存 = false;
    p.メッセージ(本文 + "\r" + 今回は保存しない, 題, ボタン::OK, true);
}

}  // namespace

void 前回の対局を確かめる(状態& s, Platform& p) {
    if (!s.操作.自動保存) return;
    s.操作.自動保存_自分 = false;
    auto d = std::make_unique<自動保存内容>();
    int 番号 = 0;
    const std::string 名 = std::string("「") + 自動保存ファイル + "」";
    switch (読込_自動保存(自動保存ファイル, *d, &番号)) {
        case 自動保存状況::なし: return;
        case 自動保存状況::リンク:
            // Told now, once: the moves try to write and say when it works.
            s.操作.自動保存_不調 = true;
            p.メッセージ(名 + "はシンボリックリンクなので、前回の対局として読みませんでした。\r" +
                             "リンクの先には書き込まないので、この対局は自動保存されません。",
                         自動保存の題, ボタン::OK, true);
            return;
        case 自動保存状況::読めない:
            そのままにする(s, p,
                           std::string(再開不能の本文) + "\r" + 自動保存の理由(番号, 自動保存ファイル) + "\r" + 名 +
                               "はそのままにして、次の起動のときにもう一度読みます。",
                           再開の題);
            return;
        case 自動保存状況::破損: {
            const std::string 先 = 退避_自動保存(自動保存ファイル, 自動保存ファイル_破損);
            if (先.empty()) {
                そのままにする(s, p,
                               std::string(再開不能の本文) + "\r" + 名 + "を移せなかったので、そのままにしてあります。",
                               再開の題);
                return;
            }
            p.メッセージ(std::string(再開不能の本文) + "\r「" + 先 + "」に移しました。", 再開の題, ボタン::OK, true);
            return;
        }
        case 自動保存状況::あり: break;
    }
    // While the question is up the program may still be ended (its window
    // closed, the session ended): that must leave the kept game alone, so
    // autosave waits for the answer, and a box that goes away unanswered
    // changes nothing.
    s.操作.自動保存 = false;
    const 応答 答え = p.メッセージ(再開の問い, 再開の題, ボタン::はいいいえ);
    if (答え == 応答::はい) {
        s.操作.自動保存 = true;
        s.操作.自動保存_自分 = true;  // the game taken up is this run's from now on
        再開_自動保存(s, p, *d);
    } else if (答え == 応答::いいえ) {
        // One generation is kept; a failure leaves the file where it was.
        if (ファイル改名関数(自動保存ファイル, 自動保存ファイル_旧) == 0) {
            s.操作.自動保存 = true;
            return;
        }
        const int e = errno;
        そのままにする(s, p,
                       std::string("前回の対局を「") + 自動保存ファイル_旧 + "」に移せませんでした。\r" +
                           自動保存の理由(e, 自動保存ファイル_旧) + "\r" + 名 + "はそのままにしてあります。",
                       自動保存の題);
    } else if (答え == 応答::なし) {
        そのままにする(s, p,
                       QT_TRANSLATE_NOOP("Game", "前回の対局はそのままにして、次の起動のときにもう一度お聞きします。"),
                       再開の題);
    }
}

void 再開_自動保存(状態& s, Platform& p, const 自動保存内容& d) {
    適用_自動保存(s, d);
    レベルの印を合わせる(s, p);
    s.操作.再開待ち = 真;
    s.操作.選択状態 = 0;
    Timer1_有効(s, p, false);
    画面_再描画(s, p);
    描画_手数(s, p, s.手数, 色_白);
}
