// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas: the widget that shows the window's off-screen picture, and the
// resolution that picture is kept at.
#include "front/qt/window_canvas.h"

#include <QPainter>
#include <cmath>

#include "front/qt/pictures.h"

盤面::盤面(窓* w) : QWidget(w), w_(w) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A press on the board takes the keyboard back from the menu bar.
    setFocusPolicy(Qt::ClickFocus);
    setMinimumSize(窓::幅 / 画素 / 2, 窓::高さ / 画素 / 2);
}

void 盤面::paintEvent(QPaintEvent*) {
    w_->描き直し();  // re-renders only when the screen's pixel ratio changed
    QPainter g(this);
    const double k = 拡大();
    const QPointF o = 原点();
    g.setRenderHint(QPainter::SmoothPixmapTransform);
    余白(g, k, o);
    g.drawImage(QRectF(o.x(), o.y(), k * 窓::幅 / 画素, k * 窓::高さ / 画素), w_->画布_);
    if (w_->カーソル表示_) カーソル(g, k, o);
}

// The keyboard's cursor goes over the game's picture, never into it: a
// dashed yellow box on black, set in from the cell's edge so that the
// outlines the game draws on the edge (selection, guidance, grid) all stay
// in sight.
void 盤面::カーソル(QPainter& g, double k, QPointF o) {
    const キーカーソル& c = w_->カーソル_;
    const double 一画素 = k;  // one canvas pixel in widget pixels
    const QRectF 桝(o.x() + k * (盤原点X + 桝幅 * c.列) / 画素, o.y() + k * (盤原点Y + 桝高 * c.行) / 画素,
                   k * 桝幅 / 画素, k * 桝高 / 画素);
    const QRectF 箱 = 桝.adjusted(4 * 一画素, 4 * 一画素, -4 * 一画素, -4 * 一画素);
    g.save();
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(パレット色(色_黒), 2 * 一画素));
    g.drawRect(箱);
    QPen 点線(パレット色(色_黄), 2 * 一画素, Qt::DashLine);
    g.setPen(点線);
    g.drawRect(箱);
    g.restore();
}

void 盤面::resizeEvent(QResizeEvent*) {
    w_->描き直し();
    w_->パネル配置();
}

void 盤面::mousePressEvent(QMouseEvent* e) { w_->マウス(e); }

// Where the window is wider or taller than the board allows, the
// background tile carries on past the canvas on the canvas' own cell
// grid, so the margins look like more of the same table.
void 盤面::余白(QPainter& g, double k, QPointF o) {
    QImage 地 = ::絵(w_->s_->表示.背景種類, w_->画布倍率_);
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

// ---- the window's side ------------------------------------------------------

QWidget* 窓::キャンバス() const { return 盤面_; }

QPoint 窓::ツイップから位置(int X, int Y) const {
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    return QPoint(static_cast<int>(std::floor(o.x() + X * k / 画素)),
                  static_cast<int>(std::floor(o.y() + Y * k / 画素)));
}

double 窓::倍率() const {
    const double dpr = 盤面_ ? 盤面_->devicePixelRatioF() : 1.0;
    const double k = 盤面_ ? 盤面_->拡大() : 1.0;
    // Quantised so that small resizes do not re-render for nothing.
    return std::max(0.5, std::ceil(k * dpr * 4) / 4);
}

QImage 窓::描く(const std::vector<命令>& 命令列, double r) const {
    QImage img(static_cast<int>(std::lround(幅 / 画素 * r)), static_cast<int>(std::lround(高さ / 画素 * r)),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(パレット色(背景色));
    {
        QPainter g(&img);
        for (const auto& op : 命令列) 実行(g, op, r);
    }
    return img;
}

QImage 窓::画像(double r) const { return 描く(ops_, r); }

void 窓::全命令を控える(const std::vector<double>& 倍率一覧) {
    全命令控え_.clear();
    for (double r : 倍率一覧) 全命令控え_.emplace_back(r, 描く({}, r));
}

QImage 窓::全命令の画像(double r) const {
    for (const auto& [k, img] : 全命令控え_)
        if (k == r) return img;
    return {};
}

void 窓::描き直し() {
    const double r = 倍率();
    if (!画布_.isNull() && 画布倍率_ == r) return;
    画布_ = 画像(r);
    画布倍率_ = r;  // kept beside the image: painting scales by it explicitly
}

void 窓::再描画() { 盤面_->repaint(); }
