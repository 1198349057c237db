// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/resume.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "view/clock_view.h"
#include "play/commands.h"
#include "view/render.h"
#include "store/safe_file.h"
#include "play/start.h"
#include "view/tr.h"
#include "view/screen.h"

void 起動して再開(状態& s, Platform& p) {
    const bool 自動 = s.操作.自動保存;
    s.操作.自動保存 = false;  // the start-up's fresh board is not a new game of the player's
    起動(s, p);
    s.操作.自動保存 = 自動;
    前回の対局を確かめる(s, p);
}

void 自動保存_開始(状態& s, Platform& p, bool 持ち主) {
    錠の結果 r;
    r.様子 = 持ち主 ? 錠の様子::取った : 錠の様子::別のコピー;
    自動保存_開始(s, p, r);
}

void 自動保存_開始(状態& s, Platform& p, const 錠の結果& 錠) {
    switch (錠.様子) {
        case 錠の様子::取った:
            s.操作.自動保存 = true;
            前回の対局を確かめる(s, p);
            return;
        case 錠の様子::別のコピー:
            s.操作.自動保存 = false;
            p.メッセージ(別のコピーの本文, 自動保存の題, ボタン::OK, true);
            return;
        default:
            s.操作.自動保存 = false;
            p.メッセージ(錠の説明(錠), 自動保存の題, ボタン::OK, true);
            前回の対局を確かめる(s, p, true);
            return;
    }
}

std::string 錠の説明(const 錠の結果& 錠) {
    const std::string 名 = "「" + 錠.名 + "」";
    std::string 理由;
    switch (錠.様子) {
        case 錠の様子::空: 理由 = QT_TRANSLATE_NOOP("Game", "そのファイルは空です。"); break;
        case 錠の様子::読めない: 理由 = QT_TRANSLATE_NOOP("Game", "そのファイルは読めません。"); break;
        case 錠の様子::壊れている: 理由 = QT_TRANSLATE_NOOP("Game", "そのファイルの中身は錠の形をしていません。"); break;
        case 錠の様子::フォルダ: 理由 = QT_TRANSLATE_NOOP("Game", "それはフォルダーです。"); break;
        case 錠の様子::リンク: 理由 = QT_TRANSLATE_NOOP("Game", "それはシンボリックリンクです。"); break;
        case 錠の様子::通常でない: 理由 = QT_TRANSLATE_NOOP("Game", "それは通常のファイルではありません。"); break;
        case 錠の様子::別のコンピューター:
            理由 = 錠.ホスト.empty() ? std::string(QT_TRANSLATE_NOOP("Game", "それは別のコンピューターの錠です。"))
                                     : "それは別のコンピューター「" + 錠.ホスト + "」の錠です。";
            break;
        case 錠の様子::取った:
        case 錠の様子::別のコピー: return "";
    }
    return 名 + "は、このコンピューターで動いている Vezuvire の錠だとは確かめられません。\r" + 理由 +
           "\rこのフォルダーを使っている Vezuvire がほかになければ、" + 名 + "を消してください。\r" +
           前回は読むだけ;
}

namespace {

// The kept game stays where it is, and nothing of this run may replace it
// (said unless the player has been told already, 告げた).
void そのままにする(状態& s, Platform& p, const std::string& 本文, const char* 題, bool 告げた = false) {
    s.操作.自動保存 = false;
    p.メッセージ(告げた ? 本文 : 本文 + "\r" + 今回は保存しない, 題, ボタン::OK, true);
}

}  // namespace

void 前回の対局を確かめる(状態& s, Platform& p, bool 読むだけ) {
    if (!s.操作.自動保存 && !読むだけ) return;
    s.操作.自動保存_自分 = false;
    auto d = std::make_unique<自動保存内容>();
    int 番号 = 0;
    const std::string 名 = std::string("「") + 自動保存ファイル + "」";
    switch (読込_自動保存(自動保存ファイル, *d, &番号)) {
        case 自動保存状況::なし: return;
        case 自動保存状況::リンク:
            // Told now, once: the moves try to write and say when it works.
            s.操作.自動保存_不調 = true;
            p.メッセージ(読むだけ ? 名 + "はシンボリックリンクなので、前回の対局として読みませんでした。"
                                  : 名 + "はシンボリックリンクなので、前回の対局として読みませんでした。\r" +
                                        "リンクの先には書き込まないので、この対局は自動保存されません。",
                         自動保存の題, ボタン::OK, true);
            return;
        case 自動保存状況::読めない:
            そのままにする(s, p,
                           std::string(再開不能の本文) + "\r" + 自動保存の理由(番号, 自動保存ファイル) + "\r" + 名 +
                               "はそのままにして、次の起動のときにもう一度読みます。",
                           再開の題, 読むだけ);
            return;
        case 自動保存状況::破損: {
            if (読むだけ) {
                p.メッセージ(std::string(再開不能の本文) + "\r" + 名 + "はそのままにしてあります。", 再開の題, ボタン::OK,
                             true);
                return;
            }
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
    if (読むだけ) {
        // The game is taken up or not; the file stays as it is, for the
        // copy that will own the folder.
        if (答え == 応答::はい) 再開_自動保存(s, p, *d);
        else if (答え == 応答::いいえ)
            p.メッセージ(QT_TRANSLATE_NOOP("Game", "前回の対局はそのままにして、次の起動のときにもう一度お聞きします。"),
                         再開の題, ボタン::OK, true);
        return;
    }
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
