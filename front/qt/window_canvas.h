// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas widget inside the game window, and the measures the window's
// parts share to place things on it.
#pragma once

#include <QPointF>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "front/qt/window.h"

class QPainter;

// Twips per canvas pixel at scale 1.
inline constexpr int 画素 = 15;

// The marks over the board (view/marks.h) for s, painted with the canvas'
// top-left at o, k widget pixels per canvas pixel, on a device with dpr
// pixels per widget pixel.
// 回す: the board turned half round (窓::盤を回している).
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
    explicit 盤面(窓* w);
    QSize sizeHint() const override { return {窓::幅 / 画素, 窓::高さ / 画素}; }

    // Scale (widget pixels per canvas pixel) and the canvas' top-left.
    double 拡大() const { return std::min(width() / double(窓::幅 / 画素), height() / double(窓::高さ / 画素)); }
    QPointF 原点() const {
        const double k = 拡大();
        return {(width() - k * 窓::幅 / 画素) / 2, (height() - k * 窓::高さ / 画素) / 2};
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

    窓* w_;
};
