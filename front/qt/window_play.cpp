// SPDX-License-Identifier: GPL-3.0-or-later
// Playing by hand beside click-click: a piece dragged to its square and the
// small chooser that asks 成る or 成らない at the destination, each under
// its own option (window_options.cpp keeps them); the board turned half
// round.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "core/pieces.h"
#include "front/qt/language.h"
#include "front/qt/window_menu.h"
#include "front/qt/pictures.h"
#include "front/qt/window.h"
#include "front/qt/window_canvas.h"
#include "play/com_turn.h"
#include "play/mouse.h"

// ---- the board turned half round ---------------------------------------------

bool 窓::盤を回している() const {
    if (盤を回す_) return true;
    const 状態& s = *s_;
    return 後手で回す_ && s.操作.対局種別 == 対局_人間 && s.手番 == 後手 && s.勝者 == 手番_なし && s.操作.棋譜モード == 偽;
}

void 窓::回した点を戻す(int& X, int& Y) const {
    if (!盤を回している()) return;
    const int 列 = 桝列(X), 行 = 桝行(Y);
    for (const 回る桝& m : 回る桝一覧()) {
        if (m.字) continue;
        if (回した列(m.列) != 列 || 回した行(m.行) != 行) continue;
        // Turned about the middle of the board: cell c shows at 10 − c.
        X = 2 * 盤原点X + 11 * 桝幅 - X;
        Y = 2 * 盤原点Y + 11 * 桝高 - Y;
        return;
    }
}

void 窓::箱の時間を返す(double 始) {
    if (s_->手番 == 手番_なし) return;
    double 間 = 時刻() - 始;
    if (間 < 0) 間 += 24 * 60 * 60;  // past midnight
    s_->時計.開始時刻 += 間;
}

// ---- the promotion chooser ---------------------------------------------------

応答 窓::成り選択(int 列, int 行) {
    if (自動成り選択) return 自動成り選択(列, 行);
    QMenu 選択(this);
    選択.setObjectName("NARI_SENTAKU");
    //: The promotion chooser: promote the piece (成る); Y is its key.
    QAction* 成る = 選択.addAction(QCoreApplication::translate("Window", "成る(&Y)"));
    //: The promotion chooser: leave the piece unpromoted (成らない); N is its key.
    QAction* 成らない = 選択.addAction(QCoreApplication::translate("Window", "成らない(&N)"));
    選択.setActiveAction(成る);
    // Just right of the destination's middle, so the square stays in sight.
    const bool 回す = 盤を回している();
    const QPoint 点 = ツイップから位置(盤原点X + 桝幅 * (回す ? 回した列(列) : 列) + 桝幅 * 3 / 4,
                                       盤原点Y + 桝高 * (回す ? 回した行(行) : 行) + 桝高 / 4);
    const double 始 = 時刻();
    QAction* 答え = 選択.exec(盤面_->mapToGlobal(点), 成る);
    箱の時間を返す(始);
    if (終了中_ || !答え) return 応答::なし;
    return 答え == 成る ? 応答::はい : (答え == 成らない ? 応答::いいえ : 応答::なし);
}

// ---- dragging a piece --------------------------------------------------------

// After the press has been handled: a piece of the side to move picked up
// on the pressed cell may be carried from here.
void 窓::引きの候補(QMouseEvent* e, int X, int Y) {
    引き_ = {};
    if (!s_->表示.ドラッグ || s_->操作.COM思考中 || s_->操作.選択状態 != 1) return;
    const 操作状態& o = s_->操作;
    if (o.選択元X != 桝列(X) || o.選択元Y != 桝行(Y)) return;
    const bool 盤上 = o.選択元X >= 1 && o.選択元X <= 盤サイズ;
    const bool 自分の = 盤上 ? ((MANの駒(o.選択駒) && s_->手番 == s_->手番_MAN) || (COMの駒(o.選択駒) && s_->手番 == s_->手番_COM))
                             : ((o.選択元X == 持駒列_MAN && s_->手番 == s_->手番_MAN) ||
                                (o.選択元X == 持駒列_COM && s_->手番 == s_->手番_COM));
    if (!自分の) return;
    引き_.候補 = true;
    引き_.列 = o.選択元X;
    引き_.行 = o.選択元Y;
    引き_.駒 = o.選択駒;
    引き_.始点 = 引き_.点 = e->position();
}

void 窓::マウス移動(QMouseEvent* e) {
    if (!引き_.候補 || !(e->buttons() & Qt::LeftButton)) return;
    if (!引き_.中 && (e->position() - 引き_.始点).manhattanLength() < QApplication::startDragDistance()) return;
    引き_.中 = true;
    引き_.点 = e->position();
    盤面_->setCursor(Qt::ClosedHandCursor);
    盤面_->update();
}

void 窓::マウス離す(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const bool 運んだ = 引き_.中;
    const 引き 元 = 引き_;
    引き_ = {};
    if (!運んだ) return;
    盤面_->unsetCursor();
    盤面_->update();
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    int X = static_cast<int>(std::floor((e->position().x() - o.x()) * 画素 / k));
    int Y = static_cast<int>(std::floor((e->position().y() - o.y()) * 画素 / k));
    回した点を戻す(X, Y);
    const int 列 = 桝列(X), 行 = 桝行(Y);
    // Off the board, back on its own cell or onto a piece of its own side,
    // the piece only goes back: that was no attempt at a move.
    if (列 < 1 || 列 > 盤サイズ || 行 < 1 || 行 > 盤サイズ || (列 == 元.列 && 行 == 元.行)) return;
    const int v = s_->盤[列][行];
    if ((MANの駒(v) && MANの駒(元.駒)) || (COMの駒(v) && COMの駒(元.駒))) return;
    if (s_->操作.選択状態 != 1 || s_->操作.選択元X != 元.列 || s_->操作.選択元Y != 元.行) return;
    // The drop is the second press of click-click, with all it does.
    const int ボタン = (e->modifiers() & Qt::ControlModifier) ? 2 : 1;
    const int shift = (e->modifiers() & Qt::ControlModifier) ? 2 : 0;
    キー_->押した桝(列, 行);
    状況行_.消す();
    盤を押す(ボタン, shift, X, Y);
}

// The carried piece under the pointer, its own cell veiled meanwhile.
void 窓::引きを描く(QPainter& g, double k, QPointF o) {
    if (!引き_.中) return;
    const double 桝 = k * 桝幅 / 画素;
    const bool 回す = 盤を回している();
    const int 列 = 回す ? 回した列(引き_.列) : 引き_.列, 行 = 回す ? 回した行(引き_.行) : 引き_.行;
    const QRectF 元(o.x() + k * (盤原点X + 桝幅 * 列) / 画素, o.y() + k * (盤原点Y + 桝高 * 行) / 画素, 桝,
                   k * 桝高 / 画素);
    g.save();
    g.fillRect(元.adjusted(k, k, -k, -k), QColor(255, 255, 255, 120));
    const QImage& 駒 = ::絵(引き_.駒, 帳_.画布倍率());
    if (!駒.isNull()) {
        g.setRenderHint(QPainter::SmoothPixmapTransform);
        g.setOpacity(0.9);
        g.translate(引き_.点);
        if (回す) g.rotate(180);
        g.drawImage(QRectF(-桝 / 2, -k * 桝高 / 画素 / 2, 桝, k * 桝高 / 画素), 駒);
    }
    g.restore();
}
