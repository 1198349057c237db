// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/handicap.h"

#include "view/panel.h"
#include "view/render.h"
#include "view/tr.h"

namespace {

struct 段 {
    int x, y, 駒;
};

// The square tied to each grade and the piece that stands there at the
// start.  Grades 1..10 strip the computer (top), −1..−10 the human.
段 段の桝(int レベル) {
    static const 段 上[11] = {{0, 0, 0},   {8, 2, 600}, {2, 2, 700}, {9, 1, 200}, {1, 1, 200}, {8, 1, 300},
                              {2, 1, 300}, {7, 1, 400}, {3, 1, 400}, {6, 1, 500}, {4, 1, 500}};
    static const 段 下[11] = {{0, 0, 0},    {2, 8, -602}, {8, 8, -702}, {1, 9, -202}, {9, 9, -202}, {2, 9, -302},
                              {8, 9, -302}, {3, 9, -402}, {7, 9, -402}, {4, 9, -502}, {6, 9, -502}};
    return レベル > 0 ? 上[レベル] : 下[-レベル];
}

void 変わった桝を描く(状態& s, Platform& p, const 段& d) {
    描画_ハンデレベル(s, p, s.操作.ハンデレベル);
    描画_絵(s, p, s.盤[d.x][d.y], d.x, d.y);
    描画_桝輪郭(p, 背景色, d.x, d.y);
    p.dsPlay(s.表示.音_駒打);
}

// The checks both buttons share; false when the press is refused.
bool 押せる(状態& s, Platform& p) {
    パネルを閉じる(p);
    if (s.操作.棋譜モード == 真) {
        p.dsPlay(s.表示.音_禁止);
        描画_メッセージ(p, 1);
        return false;
    }
    if (s.棋譜手数 > 0) {
        p.dsPlay(s.表示.音_禁止);
        描画_メッセージ(p, 2);
        return false;
    }
    s.棋譜最終手数 = 0;  // the record can no longer be stepped forward
    return true;
}

}  // namespace

void 描画_メッセージ(Platform& p, int IN_メッセージ番号) {
    const char* 本文 = IN_メッセージ番号 == 1 ? QT_TRANSLATE_NOOP("Game", "棋譜ﾓｰﾄﾞではできません")
                                              : QT_TRANSLATE_NOOP("Game", "対局途中ではできません");
    p.メッセージ(std::string(本文) + "\r\r" + QT_TRANSLATE_NOOP("Game", "局面→最初にして下さい"),
                 QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"), ボタン::OK);
}

void LBEL_UP_Click(状態& s, Platform& p) {
    if (!押せる(s, p)) return;
    if (s.操作.ハンデレベル < 10) {
        s.操作.ハンデレベル += 1;
        段 d;
        if (s.操作.ハンデレベル >= 1) {
            d = 段の桝(s.操作.ハンデレベル);
            s.盤[d.x][d.y] = 空;
        } else {
            d = 段の桝(s.操作.ハンデレベル - 1);  // the human's piece comes back
            s.盤[d.x][d.y] = d.駒;
        }
        変わった桝を描く(s, p, d);
    }
    s.操作.ハンデ設定中 = 真;
}

void LEBEL_DOWN_Click(状態& s, Platform& p) {
    if (!押せる(s, p)) return;
    if (s.操作.ハンデレベル > -10) {
        s.操作.ハンデレベル -= 1;
        段 d;
        if (s.操作.ハンデレベル <= -1) {
            d = 段の桝(s.操作.ハンデレベル);
            s.盤[d.x][d.y] = 空;
        } else {
            d = 段の桝(s.操作.ハンデレベル + 1);  // the computer's piece comes back
            s.盤[d.x][d.y] = d.駒;
        }
        変わった桝を描く(s, p, d);
    }
    s.操作.ハンデ設定中 = 真;
}
