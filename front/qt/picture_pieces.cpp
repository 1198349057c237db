// SPDX-License-Identifier: GPL-3.0-or-later
// The cells and the pieces: the board-wood cell, the two coloured empty
// squares, and each piece on its wood cell, turned to its facing.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "front/qt/picture_parts.h"

namespace 絵の部品 {

// ---- cells -------------------------------------------------------------------

// Board-wood cell: the hand slots and the ground every piece stands on.  It
// is symmetric under quarter turns, so a piece turned with its facing turns
// its whole picture.
void 木の桝(QPainter& p) {
    QRadialGradient g(中心, 中心, 桝 * 0.75);
    g.setColorAt(0.0, QColor(0xE2, 0xC9, 0x98));
    g.setColorAt(1.0, QColor(0xC8, 0xA8, 0x72));
    p.fillRect(QRectF(0, 0, 桝, 桝), g);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8A, 0x68, 0x38, 150), 1.0));
    p.drawRect(QRectF(1.5, 1.5, 桝 - 3, 桝 - 3));
    p.setPen(QPen(QColor(0xF4, 0xE4, 0xC0, 110), 1.0));
    p.drawRect(QRectF(2.5, 2.5, 桝 - 5, 桝 - 5));
}

// Empty board square in a palette colour, with a soft inset bevel.
void 色の桝(QPainter& p, const QColor& c) {
    QRadialGradient g(中心, 中心, 桝 * 0.72);
    g.setColorAt(0.0, c.lighter(108));
    g.setColorAt(0.55, c);
    g.setColorAt(1.0, c.darker(125));
    p.fillRect(QRectF(0, 0, 桝, 桝), g);
    // a faint cloth grain, deterministic
    乱数 r{static_cast<std::uint32_t>(c.rgb())};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double x = r.範囲(3, 桝 - 3), y = r.範囲(3, 桝 - 3);
        const bool 明 = r.次() < 0.5;
        p.setBrush(明 ? QColor(255, 255, 255, 16) : QColor(0, 0, 0, 20));
        p.drawEllipse(QPointF(x, y), 0.6, 0.6);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawLine(QPointF(1.5, 桝 - 2), QPointF(1.5, 1.5));
    p.drawLine(QPointF(1.5, 1.5), QPointF(桝 - 2, 1.5));
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.drawLine(QPointF(桝 - 1.5, 2), QPointF(桝 - 1.5, 桝 - 1.5));
    p.drawLine(QPointF(桝 - 1.5, 桝 - 1.5), QPointF(2, 桝 - 1.5));
}

// ---- pieces ----------------------------------------------------------------

namespace {

struct 駒の字 {
    const char* 字;
    double 大きさ;  // pieces of higher rank are a little larger
};

// The Latin letter of a kind, as players of shogi outside Japan write it;
// a promoted piece adds "+".
const char* 英字(int 型) {
    switch (型) {
        case 10: return "P";
        case 11: return "+P";
        case 20: return "L";
        case 21: return "+L";
        case 30: return "N";
        case 31: return "+N";
        case 40: return "S";
        case 41: return "+S";
        case 50: return "G";
        case 60: return "B";
        case 61: return "+B";
        case 70: return "R";
        case 71: return "+R";
        default: return "K";
    }
}

駒の字 字と大きさ(int 型) {
    switch (型) {
        case 10: return {"歩", 0.88};
        case 11: return {"と", 0.88};
        case 20: return {"香", 0.91};
        case 21: return {"杏", 0.91};
        case 30: return {"桂", 0.93};
        case 31: return {"圭", 0.93};
        case 40: return {"銀", 0.96};
        case 41: return {"全", 0.96};
        case 50: return {"金", 0.96};
        case 60: return {"角", 1.0};
        case 61: return {"馬", 1.0};
        case 70: return {"飛", 1.0};
        case 71: return {"龍", 1.0};
        default: return {"王", 1.0};
    }
}

// The five-sided outline with its point up, scaled about the cell centre.
QPainterPath 駒の輪郭(double s) {
    const double cy = 21.0;
    auto pt = [&](double x, double y) { return QPointF(中心 + (x - 中心) * s, cy + (y - cy) * s); };
    QPainterPath path;
    path.moveTo(pt(20.5, 1.6));
    path.lineTo(pt(32.6, 9.4));
    path.lineTo(pt(36.0, 39.0));
    path.lineTo(pt(5.0, 39.0));
    path.lineTo(pt(8.4, 9.4));
    path.closeSubpath();
    return path;
}

// Turns the painter so that a piece drawn with its point up faces 向き:
// 2 up, 3 right, 0 down, 1 left.
void 向きに回す(QPainter& p, int 向き) {
    p.translate(中心, 中心);
    p.rotate(((向き + 2) % 4) * 90.0);
    p.translate(-中心, -中心);
}

// The shadow, falling towards the base, and the face: pale boxwood for the
// human, reddish dark wood for the computer.
void 駒の影と面(QPainter& p, const QPainterPath& 輪郭, bool COM側) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 0, 45));
    p.drawPath(輪郭.translated(0, 1.6));
    p.setBrush(QColor(40, 20, 0, 60));
    p.drawPath(輪郭.translated(0, 0.8));

    const QColor 明 = COM側 ? QColor(0xDE, 0x9A, 0x62) : QColor(0xFB, 0xEC, 0xC6);
    const QColor 暗 = COM側 ? QColor(0xB8, 0x6A, 0x38) : QColor(0xEA, 0xCC, 0x8E);
    const QRectF 枠 = 輪郭.boundingRect();
    QLinearGradient g(枠.left(), 0, 枠.right(), 0);
    g.setColorAt(0.0, 暗);
    g.setColorAt(0.35, 明);
    g.setColorAt(1.0, 暗);
    p.setBrush(g);
    p.drawPath(輪郭);
}

// Inside the outline: wood grain along the length of the piece, the side's
// coloured rim (red for the computer, blue for the human) and a pale line
// just inside the rim.
void 駒の木目と縁(QPainter& p, const QPainterPath& 輪郭, bool COM側, double 大きさ) {
    const QColor 縁 = COM側 ? QColor(0x80, 0x16, 0x10) : QColor(0x1C, 0x3C, 0x7C);
    p.save();
    p.setClipPath(輪郭);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x6A, 0x40, 0x18, COM側 ? 40 : 30), 0.5));
    for (int i = 0; i < 7; ++i) {
        const double x = 7.0 + i * 4.5 + (i % 3) * 0.7;
        QPainterPath line;
        line.moveTo(x, 0);
        line.cubicTo(x + 1.6, 14, x - 1.4, 28, x + 0.8, 桝);
        p.drawPath(line);
    }
    p.setPen(QPen(縁, 4.2 * 大きさ, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(輪郭);
    p.setPen(QPen(QColor(255, 255, 255, 70), 0.7));
    const double t = 2.45 * 大きさ;
    QTransform inset;
    inset.translate(中心, 21.0 + t * 0.25);
    inset.scale(1.0 - t / 15.5, 1.0 - t / 19.0);
    inset.translate(-中心, -21.0);
    p.drawPath(inset.map(輪郭));
    p.restore();
}

// The kanji (or the letters), its top towards the point; a promoted piece's
// in red.  Letters sit a little lower and smaller, in the wide part of the
// face, and two of them ("+R") share its width.
void 駒の字を書く(QPainter& p, const 駒の字& 字, bool 成, const char* 英 = nullptr) {
    const double s = 字.大きさ;
    const QPainterPath 形 =
        英 ? 文字を合わせる(文字の形(QString::fromLatin1(英), false), 中心, 21.0 + 5.6 * s, (英[1] ? 20.0 : 13.0) * s,
                            14.0 * s)
           : 文字を合わせる(文字の形(QString::fromUtf8(字.字), true), 中心, 21.0 + 4.4 * s, 18.5 * s, 20.0 * s);
    // the strokes are drawn a little heavier than the font so that the thin
    // strokes of the brush face survive small sizes and every facing
    const double 太さ = 0.2 + 0.2 * s;
    QColor 墨(0x16, 0x0E, 0x06);
    if (成) {
        // promoted: red ink with a pale halo so it reads on either wood
        p.setPen(QPen(QColor(0xFF, 0xF4, 0xDC, 150), 太さ + 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(形);
        墨 = QColor(0xD8, 0x0C, 0x0C);
    }
    p.setPen(QPen(墨, 太さ, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(墨);
    p.drawPath(形);
}

}  // namespace

// A piece on its board-wood cell, turned to its facing.
void 駒(QPainter& p, int 駒コード, bool 英字で) {
    木の桝(p);

    const bool COM側 = 駒コード > 0;
    const int a = COM側 ? 駒コード : -駒コード;
    const int 型 = a / 10, 向き = a % 10;
    const bool 成 = 型 % 10 == 1;
    const 駒の字 字 = 字と大きさ(型);

    向きに回す(p, 向き);
    const QPainterPath 輪郭 = 駒の輪郭(字.大きさ);
    駒の影と面(p, 輪郭, COM側);
    駒の木目と縁(p, 輪郭, COM側, 字.大きさ);
    // the dark edge all round
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x1C, 0x0A), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(輪郭);
    駒の字を書く(p, 字, 成, 英字で ? 英字(型) : nullptr);
}

}  // namespace 絵の部品
