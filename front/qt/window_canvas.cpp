// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas: the widget that shows the window's off-screen picture, and the
// resolution that picture is kept at.
#include "front/qt/window_canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "front/qt/pictures.h"
#include "view/marks.h"
#include "core/pieces.h"

盤面::盤面(QWidget* 親, 盤面の持ち主* w) : QWidget(親), w_(w) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A press on the board takes the keyboard back from the menu bar.
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(画布幅 / 画素 / 2, 画布高さ / 画素 / 2);
}

void 盤面::paintEvent(QPaintEvent*) {
    w_->描き直し();  // re-renders only when the screen's pixel ratio changed
    QPainter g(this);
    const double k = 拡大();
    const QPointF o = 原点();
    g.setRenderHint(QPainter::SmoothPixmapTransform);
    余白(g, k, o);
    g.drawImage(QRectF(o.x(), o.y(), k * 画布幅 / 画素, k * 画布高さ / 画素), w_->画布());
    if (w_->盤を回している()) 回す(g, k, o);
    印(g, k, o);
    if (w_->見えるカーソル()) カーソル(g, k, o);
    w_->引きを描く(g, k, o);
}

// The keyboard's cursor goes over the game's picture, never into it: a
// dashed yellow box on black, set in from the cell's edge so that the
// outlines the game draws on the edge (selection, guidance, grid) all stay
// in sight.
void 盤面::カーソル(QPainter& g, double k, QPointF o) {
    キーカーソル c = *w_->見えるカーソル();
    if (w_->盤を回している()) c = {回した列(c.列), 回した行(c.行)};
    const double 一画素 = k;  // one canvas pixel in widget pixels
    const QRectF 桝(o.x() + k * (盤原点X + 桝幅 * c.列) / 画素, o.y() + k * (盤原点Y + 桝高 * c.行) / 画素,
                   k * 桝幅 / 画素, k * 桝高 / 画素);
    // With the thick outlines, three pixels wide and further in, clear of
    // the picked-up piece's frame.
    const double 太 = w_->画布の状態().表示.太い枠 ? 3 : 2, 内 = w_->画布の状態().表示.太い枠 ? 6 : 4;
    const QRectF 箱 = 桝.adjusted(内 * 一画素, 内 * 一画素, -内 * 一画素, -内 * 一画素);
    g.save();
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(パレット色(色_黒), 太 * 一画素));
    g.drawRect(箱);
    QPen 点線(パレット色(色_黄), 太 * 一画素, Qt::DashLine);
    g.setPen(点線);
    g.drawRect(箱);
    g.restore();
}

// The marks over the board are painted here, over the game's picture and
// never into it, each time the picture is shown: in canvas pixels scaled by
// k, their edges on whole device pixels so that they stay sharp at any scale.
void 盤面::印(QPainter& g, double k, QPointF o) {
    印を描く(g, w_->画布の状態(), k, o, devicePixelRatioF(), w_->盤を回している());
}

const std::vector<回る桝>& 回る桝一覧() {
    static const std::vector<回る桝> 一覧 = [] {
        std::vector<回る桝> v;
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) v.push_back({c, r, false});
        for (int r = 3; r <= 9; ++r) v.push_back({持駒列_MAN, r, false});
        for (int r = 1; r <= 7; ++r) v.push_back({持駒列_COM, r, false});
        for (int c = 1; c <= 9; ++c) v.push_back({c, 0, true});
        for (int r = 1; r <= 9; ++r) v.push_back({10, r, true});
        return v;
    }();
    return 一覧;
}

// Each cell of the game's picture that turns is copied to its turned
// place: a square or a hand slot turned round with what stands on it, a
// coordinate kept upright, so the numbers read the other way.
void 盤面::回す(QPainter& g, double k, QPointF o) {
    const QImage& 画 = w_->画布();
    const double r = w_->画布倍率();
    const double 幅 = k * 桝幅 / 画素, 高 = k * 桝高 / 画素;
    g.save();
    g.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const 回る桝& m : 回る桝一覧()) {
        const int 先列 = m.字 ? (m.行 == 0 ? 回した列(m.列) : m.列) : 回した列(m.列);
        const int 先行 = m.字 ? (m.行 == 0 ? m.行 : 回した行(m.行)) : 回した行(m.行);
        const QRectF 元((盤原点X + 桝幅 * m.列) * r / 画素, (盤原点Y + 桝高 * m.行) * r / 画素, 桝幅 * r / 画素,
                       桝高 * r / 画素);
        const QPointF 中(o.x() + k * (盤原点X + 桝幅 * 先列) / 画素 + 幅 / 2, o.y() + k * (盤原点Y + 桝高 * 先行) / 画素 + 高 / 2);
        g.save();
        g.translate(中);
        if (!m.字) g.rotate(180);
        g.drawImage(QRectF(-幅 / 2, -高 / 2, 幅, 高), 画, 元);
        g.restore();
    }
    g.restore();
}

void 印を描く(QPainter& g, const 状態& s, double k, QPointF o, double dpr, bool 回す) {
    std::vector<盤の印> 一覧 = 盤の印一覧(s);
    if (回す)
        for (盤の印& m : 一覧) {
            m.列 = 回した列(m.列);
            m.行 = 回した行(m.行);
            m.上向き = !m.上向き;
        }
    if (一覧.empty()) return;
    auto 揃え = [dpr](double v) { return std::round(v * dpr) / dpr; };
    const double 桝 = double(桝幅) / 画素;  // a cell in canvas pixels
    g.save();
    for (const 盤の印& m : 一覧) {
        const double x0 = o.x() + k * (盤原点X + 桝幅 * m.列) / 画素, y0 = o.y() + k * (盤原点Y + 桝高 * m.行) / 画素;
        auto 点 = [&](double u, double v) { return QPointF(x0 + k * u, y0 + k * v); };
        switch (m.種) {
            case 盤の印::種類::枠: {
                // Three pixels wide, one pixel in from the cell's edge, where
                // the game's own one-pixel outlines stay in sight.
                const double a = 揃え(x0 + k), b = 揃え(y0 + k), c = 揃え(x0 + k * (桝 - 1)),
                             d = 揃え(y0 + k * (桝 - 1)), 太 = std::max(揃え(3 * k), 1 / dpr);
                const QColor 色 = パレット色(m.色);
                g.fillRect(QRectF(a, b, c - a, 太), 色);
                g.fillRect(QRectF(a, d - 太, c - a, 太), 色);
                g.fillRect(QRectF(a, b, 太, d - b), 色);
                g.fillRect(QRectF(c - 太, b, 太, d - b), 色);
                break;
            }
            case 盤の印::種類::手番: {
                // A small triangle on the side of the cell next to the hand
                // (the bottom hand lies below its cell, the top hand above),
                // clear of the move texts beside the hands.
                const double 高 = 12, 左 = 桝 / 2 - 8, 右 = 桝 / 2 + 8;
                const double 上 = m.上向き ? 桝 - 3 - 高 : 3, 下 = 上 + 高;
                QPolygonF 三角;
                if (m.上向き) 三角 << 点(桝 / 2, 上) << 点(右, 下) << 点(左, 下);
                else 三角 << 点(桝 / 2, 下) << 点(右, 上) << 点(左, 上);
                g.setRenderHint(QPainter::Antialiasing);
                g.setPen(QPen(パレット色(色_黒), 1.5 * k));
                g.setBrush(パレット色(m.色));
                g.drawPolygon(三角);
                break;
            }
            case 盤の印::種類::右回り:
            case 盤の印::種類::左回り: {
                // Three quarters of a circle in the lower right corner, with
                // its head where it ends: black on a white rim, so that it
                // reads on either colour of square.
                // With the thick outlines, half as large again: 15 pixels
                // across with its rim.
                const bool 右 = m.種 == 盤の印::種類::右回り;
                const double 半径 = s.表示.太い枠 ? 6 : 4, 端まで = s.表示.太い枠 ? 9 : 7, cx = 桝 - 端まで, cy = 桝 - 端まで;
                const QRectF 円(点(cx - 半径, cy - 半径), 点(cx + 半径, cy + 半径));
                const double 始 = 90, 回 = 右 ? -270 : 270, 終 = (始 + 回) * M_PI / 180;
                QPainterPath 弧;
                弧.arcMoveTo(円, 始);
                弧.arcTo(円, 始, 回);
                const QPointF 端 = 点(cx + 半径 * std::cos(終), cy - 半径 * std::sin(終));
                const QPointF 向き = 右 ? QPointF(std::sin(終), std::cos(終)) : QPointF(-std::sin(終), -std::cos(終));
                const QPointF 横(-向き.y(), 向き.x());
                const double 頭 = (s.表示.太い枠 ? 3.5 : 2.5) * k;
                QPolygonF 矢;
                矢 << 端 + 向き * 頭 << 端 + 横 * 頭 << 端 - 横 * 頭;
                g.setRenderHint(QPainter::Antialiasing);
                g.setBrush(Qt::NoBrush);
                g.setPen(QPen(Qt::white, 3 * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                g.drawPath(弧);
                g.drawPolygon(矢);
                g.setPen(QPen(パレット色(m.色), 1.2 * k, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
                g.drawPath(弧);
                g.setBrush(パレット色(m.色));
                g.drawPolygon(矢);
                break;
            }
        }
    }
    g.restore();
}

void 盤面::resizeEvent(QResizeEvent*) {
    w_->描き直し();
    w_->パネル配置();
}

void 盤面::mousePressEvent(QMouseEvent* e) { w_->マウス(e); }
void 盤面::mouseMoveEvent(QMouseEvent* e) { w_->マウス移動(e); }
void 盤面::mouseReleaseEvent(QMouseEvent* e) { w_->マウス離す(e); }

// Where the window is wider or taller than the board allows, the
// background tile carries on past the canvas on the canvas' own cell
// grid, so the margins look like more of the same table.
void 盤面::余白(QPainter& g, double k, QPointF o) {
    QImage 地 = ::絵(w_->画布の状態().表示.背景種類, w_->画布倍率());
    if (地.isNull()) {
        g.fillRect(rect(), パレット色(背景色));
        return;
    }
    地.setDevicePixelRatio(1);  // scaled by the brush below
    QBrush b(地);
    const double 桝 = k * 桝幅 / 画素;  // one cell in widget pixels
    QTransform t;
    t.translate(o.x() + k * 盤原点X / 画素, o.y() + k * 盤原点Y / 画素);
    t.scale(桝 / 地.width(), 桝 / 地.height());
    b.setTransform(t);
    g.fillRect(rect(), b);
}
