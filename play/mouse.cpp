// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/mouse.h"
#include "view/course.h"

#include "core/clock.h"
#include "core/move.h"
#include "core/rules.h"
#include "core/setup.h"
#include "store/autosave.h"
#include "view/clock_view.h"
#include "view/move_view.h"
#include "view/notation.h"
#include "view/panel.h"
#include "view/render.h"
#include "play/new_game.h"
#include "play/start.h"
#include "view/tr.h"

namespace {

int 切り捨て除算(int a, int b) {
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// A piece belongs to the side to move: the bottom side plays the negative
// codes, the top side the positive ones.
bool 自駒(const 状態& s, int v) { return (MANの駒(v) && s.手番 == s.手番_MAN) || (COMの駒(v) && s.手番 == s.手番_COM); }

void 告知(Platform& p, const char* 本文, const char* 題) { p.メッセージ(本文, 題, ボタン::OK); }

// 真 while at least one of the four king codes of that side stands on the
// board.
bool 王あり(const 状態& s, int 符号) { return 調査_王あり(s, 符号) == 真; }

// After a move: a side whose king has been taken has lost.  Answers true
// when the game is over and the result has been announced.
bool 終局判定(const 状態& s, Platform& p, const char* 上なし, const char* 下なし) {
    if (!王あり(s, +1)) {
        告知(p, 上なし, QT_TRANSLATE_NOOP("Game", "終了"));
        return true;
    }
    if (!王あり(s, -1)) {
        告知(p, 下なし, QT_TRANSLATE_NOOP("Game", "終了"));
        return true;
    }
    return false;
}

void 時計再開(状態& s, Platform& p) {
    s.操作.再開待ち = 偽;
    s.時計.開始時刻 = p.時刻();
    if (s.操作.checked(メニュー項目::KEIKA)) Timer1_有効(s, p, true);
}

// A game interrupted by stepping through the record goes on with this click;
// the click itself is still handled afterwards.
void 再開(状態& s, Platform& p, 応手& 相手) {
    if (s.操作.対局種別 == 対局_人間) {
        if (s.操作.再開待ち != 真) return;
        時計再開(s, p);
        if (s.手番 == 先手) 告知(p, QT_TRANSLATE_NOOP("Game", "先手の番です"), QT_TRANSLATE_NOOP("Game", "対局"));
        else if (s.手番 == 後手) 告知(p, QT_TRANSLATE_NOOP("Game", "後手の番です"), QT_TRANSLATE_NOOP("Game", "対局"));
    } else if (s.操作.対局種別 == 対局_COM) {
        if (s.手番 == s.手番_COM) {
            s.操作.再開待ち = 偽;
            告知(p, QT_TRANSLATE_NOOP("Game", "OKですか？"), QT_TRANSLATE_NOOP("Game", "再開(COM)"));
            相手.指す(s, p);
        } else if (s.手番 == s.手番_MAN && s.操作.再開待ち == 真) {
            時計再開(s, p);
            告知(p, QT_TRANSLATE_NOOP("Game", "MANの番です"), QT_TRANSLATE_NOOP("Game", "対局"));
        }
    }
}

void 盤上で選択(状態& s, Platform& p, int 列, int 行) {
    if (s.盤[列][行] == 空) return;
    s.操作.選択元X = 列;
    s.操作.選択元Y = 行;
    s.操作.選択駒 = s.盤[列][行];
    描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, s.表示.移動指導色, s.操作.選択駒);
    if (自駒(s, s.操作.選択駒)) {
        描画_桝輪郭(p, 色_赤, s.操作.選択元X, s.操作.選択元Y);
        s.操作.選択状態 = 1;
    } else {
        // The opponent's piece: its reach is only shown.
        描画_桝輪郭(p, s.表示.移動指導色, s.操作.選択元X, s.操作.選択元Y);
    }
}

void 選択を解く(状態& s, Platform& p) {
    s.操作.選択状態 = 0;
    描画_将棋盤桝(p);
    描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
}

// A refused destination shows red for a moment, so the refusal is seen even
// with the sound off.  The square cannot have been a guidance destination
// (the same rule refused it), so what goes back is the grid outline.
// With the refusal explained (表示状態::断り説明), the moment is longer and
// the marks over the board (view/marks.h) also show, thicker, the refused
// square and every square the selected piece could have gone to, guidance
// or not: each facing gives a piece another reach, and this is where the
// player learns it.
constexpr double 断り表示秒 = 0.3;
constexpr double 断り説明秒 = 0.6;
void 断りを見せる(状態& s, Platform& p, int 列, int 行) {
    描画_桝輪郭(p, 色_赤, 列, 行);
    if (s.表示.断り説明) {
        s.表示.断り中 = true;
        s.表示.断り列 = 列;
        s.表示.断り行 = 行;
    }
    p.再描画();  // the pause below paints nothing
    p.待つ(s.表示.断り説明 ? 断り説明秒 : 断り表示秒);
    s.表示.断り中 = false;
    描画_桝輪郭(p, 桝輪郭色, 列, 行);
}

void 移動先で(状態& s, Platform& p, 応手& 相手, int Button, int 列, int 行) {
    s.操作.選択先X = 列;
    s.操作.選択先Y = 行;

    // A piece of the opponent's hand was only being looked at.
    if ((s.手番 == s.手番_MAN && s.操作.選択元X == -1) || (s.手番 == s.手番_COM && s.操作.選択元X == 11)) {
        描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, 桝輪郭色, s.操作.選択駒);
        描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
        s.操作.選択状態 = 0;
        return;
    }

    // Another own piece: the selection moves to it.
    if (自駒(s, s.盤[s.操作.選択先X][s.操作.選択先Y])) {
        描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
        s.操作.選択元X = s.操作.選択先X;
        s.操作.選択元Y = s.操作.選択先Y;
        s.操作.選択駒 = s.盤[s.操作.選択元X][s.操作.選択元Y];
        描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, s.表示.移動指導色, s.操作.選択駒);
        描画_桝輪郭(p, 色_赤, s.操作.選択元X, s.操作.選択元Y);
        return;
    }

    if (移動チェック(s, s.操作.選択元X, s.操作.選択元Y, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒) != 真) {
        p.dsPlay(s.表示.音_禁止);
        断りを見せる(s, p, s.操作.選択先X, s.操作.選択先Y);
        s.操作.選択状態 = 0;
        描画_将棋盤桝(p);
        return;
    }

    人の手を指す(s, p, 相手, s.操作.選択元X, s.操作.選択元Y, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒, Button);
}

void 盤外で(状態& s, Platform& p, int 列, int 行) {
    if (COMの駒(s.操作.選択駒) || MANの駒(s.操作.選択駒)) {
        描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, 桝輪郭色, s.操作.選択駒);
        描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
    }
    if (列 == 11 && 行 >= 3 && 行 <= 9) {
        // Bottom hand: row r holds kind r − 2, pawn at the top.
        const int 種 = 持駒種_MAN(行);
        if (s.持駒_MAN[種] <= 0) return;
        s.操作.選択状態 = 1;
        s.操作.選択元X = 11;
        s.操作.選択元Y = 行;
        s.操作.選択駒 = -(種 * 100 + 2);
        if (s.手番 == s.手番_MAN) 描画_桝輪郭(p, 色_赤, 11, 行);
        else if (s.手番 == s.手番_COM) 描画_桝輪郭(p, s.表示.移動指導色, 11, 行);
        描画_移動可能桝色(s, p, 11, 行, s.表示.移動指導色, s.操作.選択駒);
    } else if (列 == -1 && 行 >= 1 && 行 <= 7) {
        // Top hand: row r holds kind 8 − r, rook at the top.
        const int 種 = 持駒種_COM(行);
        if (s.持駒_COM[種] <= 0) return;
        s.操作.選択状態 = 1;
        s.操作.選択元X = -1;
        s.操作.選択元Y = 行;
        s.操作.選択駒 = 種 * 100;
        if (s.手番 == s.手番_COM) 描画_桝輪郭(p, 色_赤, -1, 行);
        else if (s.手番 == s.手番_MAN) 描画_桝輪郭(p, s.表示.移動指導色, -1, 行);
        描画_移動可能桝色(s, p, -1, 行, s.表示.移動指導色, s.操作.選択駒);
    }
}

// Logs the position before the human's move with the clocks before and
// after it.
void 記録する(状態& s, Platform& p) {
    // Ticks keep 経過秒 current only while the elapsed-time display runs;
    // with the display off, read the clock now so that the move is charged
    // its own seconds and not those of an earlier turn.
    if (!s.時計.Timer1有効) s.時計.経過秒 = 調査_経過秒(s.時計.開始時刻, p.時刻());

    // Log the position with the clocks before and after this move; the
    // seconds of the move go to the side that is moving.
    double 後秒M = s.時計.所有時間_MAN, 後秒C = s.時計.所有時間_COM;
    if (s.操作.対局種別 == 対局_人間 && s.手番 == 後手) 後秒C += s.時計.経過秒;
    else 後秒M += s.時計.経過秒;
    手順保存(s, s.操作.選択元X, s.操作.選択元Y, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒, s.盤[s.操作.選択先X][s.操作.選択先Y], s.時計.所有時間_MAN, 後秒M,
             s.時計.所有時間_COM, 後秒C);
}

// After the human's move: the computer answers, or the other person moves
// next; either way the end of the game is tested first.
void 手番を渡す(状態& s, Platform& p, 応手& 相手) {
    if (s.操作.対局種別 == 対局_COM) {
        Timer1_有効(s, p, false);
        s.時計.所有時間_MAN += s.時計.経過秒;
        相手.局面更新(s);
        const bool 終わった = 終局判定(s, p, QT_TRANSLATE_NOOP("Game", "あなたの勝ちです"),
                                       QT_TRANSLATE_NOOP("Game", "ｺﾝﾋﾟｭｰﾀの勝ちです"));
        if (!終わった) s.手番 = s.手番_COM;
        自動保存_更新(s, p);             // the human's move kept before the computer thinks
        if (!終わった) 相手.指す(s, p);  // which keeps its own move
    } else if (s.操作.対局種別 == 対局_人間) {
        if (s.手番 == 先手) {
            s.手番 = 後手;
            s.時計.所有時間_MAN += s.時計.経過秒;
        } else if (s.手番 == 後手) {
            s.手番 = 先手;
            s.時計.所有時間_COM += s.時計.経過秒;
        }
        s.時計.開始時刻 = p.時刻();  // the clock keeps running for the other player
        終局判定(s, p, QT_TRANSLATE_NOOP("Game", "先手の勝ちです"), QT_TRANSLATE_NOOP("Game", "後手の勝ちです"));
        自動保存_更新(s, p);
    }
}

}  // namespace

void 対局を再開する(状態& s, Platform& p, 応手& 相手) { 再開(s, p, 相手); }

int 桝列(int X) { return 切り捨て除算(X - 盤原点X, 桝幅); }
int 桝行(int Y) { return 切り捨て除算(Y - 盤原点Y, 桝高); }

void 描画_移動可能桝色(状態& s, Platform& p, int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
    描画_将棋盤桝(p);
    if (s.操作.移動指導 == 偽) return;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (移動チェック(s, 移動元X, 移動元Y, c, r, 移動駒) == 真) 描画_桝輪郭(p, 描画色, c, r);
}

void 人の手を指す(状態& s, Platform& p, 応手& 相手, int 元X, int 元Y, int 先X, int 先Y, int 駒, int Button) {
    s.操作.選択元X = 元X;
    s.操作.選択元Y = 元Y;
    s.操作.選択先X = 先X;
    s.操作.選択先Y = 先Y;
    s.操作.選択駒 = 駒;

    // The log holds 501 positions; a move that cannot be logged is not made.
    if (調査_記録満杯(s) == 真) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, 記録上限メッセージ, 記録上限題);
        選択を解く(s, p);
        return;
    }

    // A right press on the destination promotes; a left press does not,
    // and nobody is asked unless the player chose to be asked: then the
    // choice comes before anything is logged, and a choice put away leaves
    // the piece where it stood.
    const bool 成れる = 調査_駒成(s, s.操作.選択元X, s.操作.選択元Y, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒) == 真;
    bool 成る = 成れる && Button == 2;
    if (成れる && Button != 2 && s.表示.成り選択) {
        const 応答 答え = p.成り選択(先X, 先Y);
        if (答え == 応答::なし) {
            描画_移動可能桝色(s, p, 元X, 元Y, 桝輪郭色, 駒);
            選択を解く(s, p);
            return;
        }
        成る = 答え == 応答::はい;
        調査_駒成(s, 元X, 元Y, 先X, 先Y, 駒);  // the promoted code again, whatever the box did
    }

    記録する(s, p);

    s.手数 += 1;
    描画_手数(s, p, s.手数, 色_白);

    if (成る) s.操作.選択駒 = s.成駒;

    s.操作.選択状態 = 0;
    描画_桝輪郭(p, 桝輪郭色, s.操作.選択元X, s.操作.選択元Y);
    描画_桝輪郭(p, 桝輪郭色, s.操作.選択先X, s.操作.選択先Y);
    描画_移動可能桝色(s, p, s.操作.選択元X, s.操作.選択元Y, 桝輪郭色, s.操作.選択駒);

    // The top hand shows the rook in slot row 1 and the pawn in row 7, but
    // a drop names the kind: row r holds kind 8 − r.  The bottom hand's slot
    // row (kind + 2) is what 駒移動 expects already.
    if (s.操作.選択元X < 0) s.操作.選択元Y = 持駒種_COM(s.操作.選択元Y);

    駒移動(s, p, s.操作.選択元X, s.操作.選択元Y, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒);
    p.dsPlay(s.表示.音_駒打);
    s.棋譜手数 += 1;
    着手後の局面を記録(s);

    描画_移動結果(s, p, COMの駒(s.操作.選択駒) ? s.手番_COM : s.手番_MAN, s.操作.選択先X, s.操作.選択先Y, s.操作.選択駒, 色_白);

    手番を渡す(s, p, 相手);  // which keeps the move on the disk
}

void Form_MouseDown(状態& s, Platform& p, 応手& 相手, int Button, int /*Shift*/, int X, int Y) {
    // Any press on the window closes the record-file panel.
    パネルを閉じる(p);

    // A loaded record is stepped through with "進", not played on.
    if (s.操作.棋譜モード == 真) {
        // Put away unanswered (Esc) counts as いいえ, as it always has here.
        if (p.メッセージ(QT_TRANSLATE_NOOP("Game", "棋譜を '進 'で進めて下さい"), QT_TRANSLATE_NOOP("Game", "棋譜"),
                         ボタン::はいいいえ) != 応答::はい) {
            p.dsPlay(s.表示.音_禁止);
            初期設定(s, p);
        }
        return;
    }

    if (s.勝者 != 手番_なし) {
        告知(p, QT_TRANSLATE_NOOP("Game", "新規に対局してください"), QT_TRANSLATE_NOOP("Game", "終局"));
        return;
    }

    const int 列 = 桝列(X), 行 = 桝行(Y);

    if (s.手番 == 手番_なし) {
        p.dsPlay(s.表示.音_禁止);
        告知(p, QT_TRANSLATE_NOOP("Game", "「対局」で始めて下さい"), QT_TRANSLATE_NOOP("Game", "開始"));
        return;
    }

    再開(s, p, 相手);
    // The computer took up its turn and is still thinking about it.
    if (s.操作.COM思考中) return;

    if (列 >= 1 && 列 <= 盤サイズ && 行 >= 1 && 行 <= 盤サイズ) {
        if (s.操作.選択状態 == 0) 盤上で選択(s, p, 列, 行);
        else 移動先で(s, p, 相手, Button, 列, 行);
    } else {
        盤外で(s, p, 列, 行);
    }
}
