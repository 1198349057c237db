// SPDX-License-Identifier: GPL-3.0-or-later
// The five background tiles.  Each is one cell that wraps both ways, so that
// tiled side by side it shows no seams.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "front/qt/picture_parts.h"

namespace 絵の部品 {

namespace {

// Paints something nine times, shifted by a whole cell each way, so that
// whatever leaves the tile on one side comes back on the other.
template <class F>
void 巡回(QPainter& p, F&& 描く) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            p.save();
            p.translate(dx * 桝, dy * 桝);
            描く();
            p.restore();
        }
}

}  // namespace

void 緑の地(QPainter& p) {
    p.fillRect(QRectF(0, 0, 桝, 桝), QColor(0x16, 0x78, 0x24));
    // fine twill: diagonals spaced so that they wrap
    p.setPen(QPen(QColor(255, 255, 255, 14), 0.8));
    const double 間 = 桝 / 12;
    for (int i = -12; i <= 12; ++i) {
        const double c = i * 間;
        p.drawLine(QPointF(c, 0), QPointF(c + 桝, 桝));
    }
    p.setPen(QPen(QColor(0, 0, 0, 14), 0.8));
    for (int i = -12; i <= 12; ++i) {
        const double c = i * 間 + 間 / 2;
        p.drawLine(QPointF(c, 0), QPointF(c + 桝, 桝));
    }
    // felt fibres
    乱数 r{5};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        const double x = r.範囲(0, 桝), y = r.範囲(0, 桝), rad = r.範囲(0.3, 0.9);
        const QColor c = r.次() < 0.5 ? QColor(0x60, 0xC0, 0x60, 40) : QColor(0x00, 0x30, 0x00, 45);
        巡回(p, [&] {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), rad, rad);
        });
    }
}

void 畳の地(QPainter& p) {
    // woven rush: 14 horizontal strands per tile, on a ground of the same
    // straw colour (see 絵を作る): the strands meet between pixels, and each
    // only half covers the pixel row they share
    const int 本数 = 14;
    const double 高 = 桝 / 本数;
    // (the edges of the tile fall in the middle of a strand)
    for (int i = 0; i <= 本数; ++i) {
        const double y = i * 高 - 高 / 2;
        const int 色差 = ((i % 本数) * 7) % 5 - 2;
        const QColor 基(畳色.red() + 色差 * 3, 畳色.green() + 色差 * 3, 畳色.blue() + 色差 * 2);
        QLinearGradient g(0, y, 0, y + 高);
        g.setColorAt(0.0, 基.lighter(112));
        g.setColorAt(0.6, 基);
        g.setColorAt(1.0, 基.darker(118));
        p.fillRect(QRectF(0, y, 桝, 高), g);
    }
    // stitch threads crossing the strands, and the short breaks beside them
    p.setPen(QPen(QColor(0x5A, 0x50, 0x20, 110), 0.7));
    for (int k = 0; k < 4; ++k) {
        const double x = 5.0 + k * 桝 / 4;
        p.drawLine(QPointF(x, 0), QPointF(x, 桝));
        for (int i = 0; i < 本数; ++i) {
            const double y = i * 高;
            const double dx = (i % 2 == 0) ? 3.2 : -3.2;
            p.setPen(QPen(QColor(0x6A, 0x5C, 0x28, 60), 0.5));
            p.drawLine(QPointF(x + dx, y + 0.4), QPointF(x + dx, y + 高 - 0.4));
            p.setPen(QPen(QColor(0x5A, 0x50, 0x20, 110), 0.7));
        }
    }
}

void 竹の地(QPainter& p) {
    p.fillRect(QRectF(0, 0, 桝, 桝), QColor(0x24, 0x30, 0x14));
    struct 茎 {
        double 左, 幅, 節;
    };
    const 茎 茎々[] = {{0.8, 11.6, 12.0}, {13.9, 12.0, 31.0}, {27.4, 12.6, 4.5}};
    for (const 茎& k : 茎々) {
        QLinearGradient g(k.左, 0, k.左 + k.幅, 0);
        g.setColorAt(0.0, QColor(0x3E, 0x5E, 0x18));
        g.setColorAt(0.3, QColor(0xA8, 0xC8, 0x58));
        g.setColorAt(0.45, QColor(0x88, 0xB0, 0x40));
        g.setColorAt(1.0, QColor(0x34, 0x52, 0x14));
        p.fillRect(QRectF(k.左, 0, k.幅, 桝), g);
        // fibres
        p.setPen(QPen(QColor(0x20, 0x38, 0x08, 45), 0.4));
        for (double x = k.左 + 2.0; x < k.左 + k.幅 - 1.5; x += 2.3) p.drawLine(QPointF(x, 0), QPointF(x, 桝));
        // the node, repeated a cell above and below so it wraps
        for (int dy = -1; dy <= 1; ++dy) {
            const double y = k.節 + dy * 桝;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2A, 0x40, 0x0C, 200));
            p.drawRoundedRect(QRectF(k.左 - 0.4, y - 0.9, k.幅 + 0.8, 1.8), 0.9, 0.9);
            p.setBrush(QColor(0xD8, 0xE8, 0x98, 150));
            p.drawRect(QRectF(k.左 + 1.0, y + 0.9, k.幅 - 2.0, 0.6));
            p.setBrush(QColor(0x20, 0x30, 0x08, 70));
            p.drawRect(QRectF(k.左 + 0.5, y - 2.2, k.幅 - 1.0, 1.3));
        }
    }
}

void 宇宙の地(QPainter& p) {
    p.fillRect(QRectF(0, 0, 桝, 桝), QColor(0x05, 0x06, 0x16));
    p.setPen(Qt::NoPen);
    // faint nebulae
    const struct {
        double x, y, r;
        QColor c;
    } 雲[] = {{10, 28, 16, QColor(0x50, 0x20, 0x80, 50)}, {32, 9, 13, QColor(0x10, 0x40, 0x90, 45)}};
    for (const auto& n : 雲) {
        巡回(p, [&] {
            QRadialGradient g(n.x, n.y, n.r);
            g.setColorAt(0.0, n.c);
            g.setColorAt(1.0, QColor(n.c.red(), n.c.green(), n.c.blue(), 0));
            p.setBrush(g);
            p.drawEllipse(QPointF(n.x, n.y), n.r, n.r);
        });
    }
    // stars
    乱数 r{8};
    const QColor 星色[] = {QColor(255, 255, 255), QColor(0xC8, 0xD8, 0xFF), QColor(0xFF, 0xF0, 0xC0)};
    for (int i = 0; i < 26; ++i) {
        const double x = r.範囲(0, 桝), y = r.範囲(0, 桝);
        const double rad = r.範囲(0.25, 0.7);
        QColor c = 星色[static_cast<int>(r.次() * 3) % 3];
        c.setAlpha(static_cast<int>(r.範囲(140, 255)));
        巡回(p, [&] {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), rad, rad);
        });
    }
    // two brighter stars with a glint
    const QPointF 明星[] = {QPointF(27.5, 25.0), QPointF(7.0, 8.5)};
    for (const QPointF& c : 明星) {
        巡回(p, [&] {
            QRadialGradient g(c, 3.2);
            g.setColorAt(0.0, QColor(255, 255, 255, 150));
            g.setColorAt(1.0, QColor(255, 255, 255, 0));
            p.setBrush(g);
            p.drawEllipse(c, 3.2, 3.2);
            p.setBrush(QColor(255, 255, 255, 200));
            QPainterPath 光;
            光.moveTo(c + QPointF(0, -3.4));
            光.quadTo(c, c + QPointF(3.4, 0));
            光.quadTo(c, c + QPointF(0, 3.4));
            光.quadTo(c, c + QPointF(-3.4, 0));
            光.quadTo(c, c + QPointF(0, -3.4));
            p.drawPath(光);
        });
    }
}

void 煉瓦の地(QPainter& p) {
    // running bond: four courses of two bricks, every other course shifted
    // by half a brick, so the tile wraps both ways
    p.fillRect(QRectF(0, 0, 桝, 桝), QColor(0xB4, 0xAC, 0x9C));
    const double 高 = 桝 / 4, 幅 = 桝 / 2, 目地 = 0.8;
    const QColor 煉瓦色[] = {QColor(0xA8, 0x48, 0x2C), QColor(0x98, 0x3C, 0x26), QColor(0xB4, 0x54, 0x30),
                             QColor(0x9E, 0x44, 0x2E)};
    for (int 段 = 0; 段 < 4; ++段) {
        const double ずれ = (段 % 2) * 幅 / 2;
        for (int k = -1; k <= 2; ++k) {
            const int 番 = (段 * 2 + ((k % 2) + 2) % 2) % 4;
            const QColor c = 煉瓦色[(番 + 段) % 4];
            const QRectF b(ずれ + k * 幅 + 目地, 段 * 高 + 目地, 幅 - 2 * 目地, 高 - 2 * 目地);
            QLinearGradient g(0, b.top(), 0, b.bottom());
            g.setColorAt(0.0, c.lighter(115));
            g.setColorAt(1.0, c.darker(115));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(b, 0.8, 0.8);
            // a few pits, the same for every copy of this brick
            乱数 r{static_cast<std::uint32_t>(番 * 31 + 段 * 7 + 1)};
            p.setBrush(QColor(0x50, 0x18, 0x08, 60));
            for (int i = 0; i < 5; ++i)
                p.drawEllipse(QPointF(b.left() + r.範囲(1.5, b.width() - 1.5), b.top() + r.範囲(1.5, b.height() - 1.5)),
                              0.45, 0.45);
            p.setBrush(QColor(255, 220, 190, 50));
            p.drawRect(QRectF(b.left() + 0.8, b.top() + 0.4, b.width() - 1.6, 0.6));
        }
    }
}

}  // namespace 絵の部品
