#include "control/resume.h"

#include <cstdio>
#include <memory>
#include <string>

#include "control/start.h"
#include "ui/clock_view.h"
#include "ui/render.h"

void 起動して再開(状態& s, Platform& p) {
    const bool 自動 = s.自動保存;
    s.自動保存 = false;  // the start-up's fresh board is not a new game of the player's
    起動(s, p);
    s.自動保存 = 自動;
    前回の対局を確かめる(s, p);
}

void 前回の対局を確かめる(状態& s, Platform& p) {
    if (!s.自動保存) return;
    auto d = std::make_unique<自動保存内容>();
    switch (読込_自動保存(自動保存ファイル, *d)) {
        case 自動保存状況::なし: return;
        case 自動保存状況::破損: {
            const std::string 先 = 退避_自動保存(自動保存ファイル, 自動保存ファイル_破損);
            std::string 後半 = "「" + 先 + "」に移しました。";
            if (先.empty()) {
                // It stays where it is, and nothing of this run may replace it.
                後半 = std::string("「") + 自動保存ファイル + "」を移せなかったので、そのままにしてあります。\r" +
                       "今回は対局を自動保存しません。";
                s.自動保存 = false;
            }
            p.メッセージ(std::string(再開不能の本文) + "\r" + 後半, 再開の題, ボタン::OK, true);
            return;
        }
        case 自動保存状況::あり: break;
    }
    // While the question is up the program may still be ended (its window
    // closed, the session ended): that must leave the kept game alone, so
    // autosave waits for the answer, and a box that goes away unanswered
    // changes nothing.
    s.自動保存 = false;
    const 応答 答え = p.メッセージ(再開の問い, 再開の題, ボタン::はいいいえ);
    if (答え == 応答::はい) {
        s.自動保存 = true;
        再開_自動保存(s, p, *d);
    } else if (答え == 応答::いいえ) {
        s.自動保存 = true;
        // One generation is kept; a failure leaves the file where it was.
        std::rename(自動保存ファイル, 自動保存ファイル_旧);
    }
}

void 再開_自動保存(状態& s, Platform& p, const 自動保存内容& d) {
    適用_自動保存(s, d);
    s.再開待ち = 真;
    s.選択状態 = 0;
    Timer1_有効(s, p, false);
    画面_再描画(s, p);
    描画_手数(s, p, s.手数, 色_白);
}
