// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/render.h"

#include <cmath>

#include "core/clock.h"
#include "view/tr.h"

//: Ranks of a move text, kanji numerals; in English plain digits (7 6 P is 7六歩).
const char* const 漢数字[10] = {"",
                                QT_TRANSLATE_NOOP("Game", "一"),
                                QT_TRANSLATE_NOOP("Game", "二"),
                                QT_TRANSLATE_NOOP("Game", "三"),
                                QT_TRANSLATE_NOOP("Game", "四"),
                                QT_TRANSLATE_NOOP("Game", "五"),
                                QT_TRANSLATE_NOOP("Game", "六"),
                                QT_TRANSLATE_NOOP("Game", "七"),
                                QT_TRANSLATE_NOOP("Game", "八"),
                                QT_TRANSLATE_NOOP("Game", "九")};

namespace {

// A number or text with its black shadow: the black copy first, the
// coloured one 0.1 cell up and to the left on top of it.
void 影付き(const 状態& s, 描画窓口& p, double x, double y, const std::string& t, int 色, int 大きさ) {
    描画_数値(s, p, x + 0.1, y + 0.1, t, 色_黒, 0, 大きさ);
    描画_数値(s, p, x, y, t, 色, 0, 大きさ);
}

}  // namespace

// Places are laid out in tenths of a cell.  The place is first taken to its
// tenth (a double lies within far less than a twentieth of the tenth it
// was written as, on any machine), and the twips then follow in whole
// numbers: 原点 + 桝·t/10, a half going away from zero.
int 十分の一桝(double 座標) { return static_cast<int>(std::lround(座標 * 10)); }
int 桝からtwip(int 原点, int 桝, double 座標) {
    const int n = 原点 * 10 + 桝 * 十分の一桝(座標);
    return n >= 0 ? (n + 5) / 10 : -((-n + 5) / 10);
}

int セルX(double 座標X) { return 桝からtwip(盤原点X, 桝幅, 座標X); }
int セルY(double 座標Y) { return 桝からtwip(盤原点Y, 桝高, 座標Y); }

int 絵の選択(const 状態& s, int 駒種類, double 座標X, double 座標Y) {
    if (駒種類 == 空) {
        if (座標X >= 1 && 座標X <= 9) {
            // Only the column is tested; the row is used as it comes, and a
            // row outside the table reads as "no colour".
            const int x = static_cast<int>(座標X), y = static_cast<int>(座標Y);
            const int c = (y >= 0 && y <= 9 && x == 座標X && y == 座標Y) ? s.桝色[x][y] : 0;
            if (c == 桝色_緑) return 絵_空桝1;
            if (c == 桝色_水) return 絵_空桝2;
            return 0;
        }
        return 絵_空桝0;
    }
    if (駒種類 >= 背景_緑 && 駒種類 <= 背景_煉瓦) return 駒種類;
    if (駒種類 == 絵_タイトル) return 絵_タイトル;
    if (有効な駒コード(駒種類)) return 駒種類;
    return 0;
}

void 描画_絵(const 状態& s, 描画窓口& p, int 駒種類, double 座標X, double 座標Y) {
    const int 絵番号 = 絵の選択(s, 駒種類, 座標X, 座標Y);
    if (絵番号 != 0) p.絵(絵番号, セルX(座標X), セルY(座標Y));
}

void 描画_桝輪郭(描画窓口& p, int 描画色, double 座標X, double 座標Y) {
    p.枠(セルX(座標X), セルY(座標Y), セルX(座標X + 1), セルY(座標Y + 1), 描画色);
}

void 描画_数値(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, const std::string& 数値, int 色, int モード,
               int フォントサイズ) {
    p.文字(セルX(入力X), セルY(入力Y), 数値, フォントサイズ, s.表示.フォント太字, 色);
    (void)モード;
}

void 描画_数値(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ) {
    std::string t;
    if (モード == 0) t = std::to_string(数値);
    else if (数値 >= 1 && 数値 <= 9) t = 漢数字[数値];
    p.文字(セルX(入力X), セルY(入力Y), t, フォントサイズ, s.表示.フォント太字, 色);
}

std::string 文字列_固定(int 数値) {
    //: The handicap grade shown above the board (21 steps; 段 dan and 級 kyu are grades,
    //: 名人 Meijin the highest): keep it short, it has about three cells.
    static const char* const 段級[21] = {
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"),
        QT_TRANSLATE_NOOP("Game", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"),
    };
    if (数値 >= -10 && 数値 <= 10) return 段級[数値 + 10];
    //: After the number of moves played, in a small space: keep it under five narrow letters.
    if (数値 == 99) return QT_TRANSLATE_NOOP("Game", "手目");
    return "";
}

void 描画_文字列(const 状態& s, 描画窓口& p, double 入力X, double 入力Y, int 数値, int 色, int サイズ) {
    const std::string t = 文字列_固定(数値);
    if (t.empty()) return;
    p.文字(セルX(入力X) + 120, セルY(入力Y) + 160, t, サイズ, s.表示.フォント太字, 色);
}

void 描画_盤(const 状態& s, 描画窓口& p) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) {
            描画_絵(s, p, s.盤[c][r], c, r);
            描画_桝輪郭(p, 背景色, c, r);
        }
}

void 描画_将棋盤桝(描画窓口& p) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r) 描画_桝輪郭(p, 桝輪郭色, c, r);
}

void 描画_背景(const 状態& s, 描画窓口& p, int IN_背景種類) {
    for (int c = -3; c <= 28; ++c)
        for (int r = -2; r <= 17; ++r) {
            if (c >= 1 && c <= 9 && r >= 1 && r <= 9) continue;
            描画_絵(s, p, IN_背景種類, c, r);
        }
}

void 描画_桝_数値(状態& s, 描画窓口& p) {
    s.表示.フォント太字 = true;
    for (int i = 1; i <= 9; ++i) {
        描画_絵(s, p, s.表示.背景種類, i, 0);
        描画_数値(s, p, i + 0.2, 0.5, 10 - i, 色_黒, 0, 16);
        描画_数値(s, p, i + 0.1, 0.4, 10 - i, 色_黄, 0, 16);
        描画_絵(s, p, s.表示.背景種類, 10, i);
        描画_数値(s, p, 10.2, i + 0.4, i, 色_黒, 1, 12);
        描画_数値(s, p, 10.1, i + 0.3, i, 色_黄, 1, 12);
        描画_桝輪郭(p, 背景色, 9, i);
    }
}

void 描画_自持盤(const 状態& s, 描画窓口& p) {
    for (int i = 1; i <= 7; ++i) {
        const int r = 持駒行_MAN(i);
        描画_絵(s, p, 空, 持駒列_MAN, r);
        描画_絵(s, p, s.表示.背景種類, 持駒列_MAN + 1, r);
        描画_桝輪郭(p, 背景色, 持駒列_MAN, r);
        if (s.持駒_MAN[i] > 0) {
            描画_絵(s, p, -(i * 100 + 2), 持駒列_MAN, r);
            描画_桝輪郭(p, 背景色, 持駒列_MAN, r);
            描画_数値(s, p, 12.1, i + 2.3, s.持駒_MAN[i], 色_黒, 0, 14);
            描画_数値(s, p, 12, i + 2.2, s.持駒_MAN[i], 色_赤, 0, 14);
        }
    }
}

void 描画_敵持盤(const 状態& s, 描画窓口& p) {
    for (int r = 1; r <= 7; ++r) {
        const int k = 持駒種_COM(r);
        描画_絵(s, p, 空, 持駒列_COM, r);
        描画_絵(s, p, s.表示.背景種類, 持駒列_COM + 1, r);
        描画_桝輪郭(p, 背景色, 持駒列_COM, r);
        if (s.持駒_COM[k] > 0) {
            描画_絵(s, p, k * 100, 持駒列_COM, r);
            描画_桝輪郭(p, 背景色, 持駒列_COM, r);
            描画_数値(s, p, 0.1, r + 0.3, s.持駒_COM[k], 色_黒, 0, 14);
            描画_数値(s, p, 0, r + 0.2, s.持駒_COM[k], 色_赤, 0, 14);
        }
    }
}

void 描画_手数(const 状態& s, 描画窓口& p, int 数値, int 色) {
    描画_絵(s, p, s.表示.背景種類, 13, 3);
    描画_絵(s, p, s.表示.背景種類, 14, 3);
    描画_桝輪郭(p, 背景色, 11, 3);
    const double x = 数値 < 10 ? 13.2 : 数値 < 100 ? 13.1 : 13.0;
    影付き(s, p, x, 3.3, std::to_string(数値), 色, 12);
    描画_文字列(s, p, 13.9, 3.2, 99, 色_黒, 10);
    描画_文字列(s, p, 13.8, 3.1, 99, 色, 10);
}

void 描画_レベル(const 状態& s, 描画窓口& p, int IN_LEVEL) {
    描画_数値(s, p, -1.4, 0.2, "LEVEL", 色_黒, 0, 10);
    描画_数値(s, p, -1.5, 0.1, "LEVEL", 色_白, 0, 10);
    描画_数値(s, p, 0.1, 0.1, IN_LEVEL, 色_黒, 0, 12);
    描画_数値(s, p, 0, 0, IN_LEVEL, 色_白, 0, 12);
}

void 描画_ハンデレベル(const 状態& s, 描画窓口& p, int IN_ハンデレベル) {
    // The grade name runs on some three cells to the right of (11, 1); the
    // whole row from there to the right edge of the window is wiped, or a
    // shorter name would be printed over the tail of the last one.
    for (int c = ハンデ欄_左; c <= ハンデ欄_右; ++c) 描画_絵(s, p, s.表示.背景種類, c, 1);
    描画_文字列(s, p, 11.1, 1.1, IN_ハンデレベル, 色_黒, 10);
    描画_文字列(s, p, 11, 1, IN_ハンデレベル, 色_白, 10);
}

void 描画_駒点滅(状態& s, Platform& p, int 入力_駒, double 入力_X, double 入力_Y, int 入力_点滅回数) {
    for (int i = 0; i < 入力_点滅回数; ++i) {
        描画_絵(s, p, 空, 入力_X, 入力_Y);
        描画_桝輪郭(p, 背景色, 入力_X, 入力_Y);
        p.再描画();
        p.待つ(0.2);
        描画_絵(s, p, 入力_駒, 入力_X, 入力_Y);
        描画_桝輪郭(p, 背景色, 入力_X, 入力_Y);
        p.再描画();
        p.待つ(0.2);
    }
}

void 描画_棋譜読込み部分消去(状態& s, 描画窓口& p) {
    描画_桝_数値(s, p);
    描画_絵(s, p, s.表示.背景種類, -1, 10);
    描画_絵(s, p, s.表示.背景種類, 0, 10);
    for (int c = 1; c <= 9; ++c) 描画_絵(s, p, s.表示.背景種類, c, 10);
    for (int c = 1; c <= 9; ++c) 描画_桝輪郭(p, 背景色, c, 9);
}

