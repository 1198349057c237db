// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas widget inside the game window, and the measures the window's
// parts share to place things on it.  The canvas knows the window only as
// the owner below, so that the window's header includes this one and not
// the other way round.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "view/key_cursor.h"
#include "view/state.h"

class QMouseEvent;
class QPainter;

// Twips per canvas pixel at scale 1.
inline constexpr int 画素 = 15;
// The canvas' size in twips.
inline constexpr int 画布幅 = 10620;
inline constexpr int 画布高さ = 7230;
// A cell of the board or a hand as the board turned half round shows it,
// and back.
constexpr int 回した列(int 列) { return 10 - 列; }
constexpr int 回した行(int 行) { return 10 - 行; }

// What the canvas asks of the window it shows: the picture the game drew,
// at the resolution it was drawn, the state for the marks over it, and
// where to pass the mouse on to.
class 盤面の持ち主 {
public:
    virtual ~盤面の持ち主() = default;
    virtual const 状態& 画布の状態() const = 0;
    virtual const QImage& 画布() const = 0;
    virtual double 画布倍率() const = 0;
    virtual bool 盤を回している() const = 0;
    // The keyboard's cursor while it is shown, else nullptr.
    virtual const キーカーソル* 見えるカーソル() const = 0;
    virtual void 描き直し() = 0;  // re-render if the resolution changed
    virtual void パネル配置() = 0;
    virtual void マウス(QMouseEvent* e) = 0;
    virtual void マウス移動(QMouseEvent* e) = 0;
    virtual void マウス離す(QMouseEvent* e) = 0;
    // What is being dragged, over everything else.
    virtual void 引きを描く(QPainter& g, double k, QPointF o) = 0;
};

// The marks over the board (view/marks.h) for s, painted with the canvas'
// top-left at o, k widget pixels per canvas pixel, on a device with dpr
// pixels per widget pixel.
// 回す: the board turned half round (盤面の持ち主::盤を回している).
void 印を描く(QPainter& g, const 状態& s, double k, QPointF o, double dpr, bool 回す = false);
// The cells that turn with the board: the 81 squares, the hand slots, and
// (moved but kept upright) the coordinates above and beside the board.
struct 回る桝 {
    int 列, 行;
    bool 字;  // a coordinate: moved to its turned place, not turned itself
};
const std::vector<回る桝>& 回る桝一覧();

// Shows the window's off-screen picture scaled to fit and passes mouse
// presses on to the window.
class 盤面 : public QWidget {
public:
    盤面(QWidget* 親, 盤面の持ち主* w);
    QSize sizeHint() const override { return {画布幅 / 画素, 画布高さ / 画素}; }

    // Scale (widget pixels per canvas pixel) and the canvas' top-left.
    double 拡大() const { return std::min(width() / double(画布幅 / 画素), height() / double(画布高さ / 画素)); }
    QPointF 原点() const {
        const double k = 拡大();
        return {(width() - k * 画布幅 / 画素) / 2, (height() - k * 画布高さ / 画素) / 2};
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void 余白(QPainter& g, double k, QPointF o);
    void カーソル(QPainter& g, double k, QPointF o);
    void 印(QPainter& g, double k, QPointF o);  // the marks of view/marks.h
    void 回す(QPainter& g, double k, QPointF o);  // the board turned half round

    盤面の持ち主* w_;
};
