// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "view/platform.h"
#include "view/state.h"
#include "front/qt/picture_parts.h"

namespace 絵の部品 {

// ---- texts -------------------------------------------------------------------

// Outline of a text in the given font, cached per text.
const QPainterPath& 文字の形(const QString& 字, bool 明朝) {
    static std::map<std::pair<QString, bool>, QPainterPath> 控え;
    auto it = 控え.find({字, 明朝});
    if (it != 控え.end()) return it->second;
    QFont f;
    if (明朝)
        f.setFamilies({"Noto Serif CJK JP", "Noto Serif JP", "Noto Sans CJK JP", "IPAMincho", "IPAexMincho",
                       "Yu Mincho", "MS Mincho", "serif"});
    else f.setFamilies({"DejaVu Serif", "Noto Serif", "Liberation Serif", "Georgia", "Times New Roman", "serif"});
    f.setPixelSize(200);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferOutline);
    QPainterPath path;
    path.addText(0, 0, f, 字);
    return 控え.emplace(std::make_pair(字, 明朝), path).first->second;
}

// The path of a text scaled uniformly to fit a w × h box centred on (cx, cy).
QPainterPath 文字を合わせる(const QPainterPath& 形, double cx, double cy, double w, double h) {
    const QRectF r = 形.boundingRect();
    if (r.isEmpty()) return {};
    const double k = std::min(w / r.width(), h / r.height());
    QTransform t;
    t.translate(cx, cy);
    t.scale(k, k);
    t.translate(-r.center().x(), -r.center().y());
    return t.map(形);
}

// ---- title -----------------------------------------------------------------

void 題字(QPainter& p) {
    const QPainterPath 形 =
        文字を合わせる(文字の形(QStringLiteral("Vezuvire"), false), 題幅 / 2, 題高 / 2, 題幅 - 10, 題高 - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(形.translated(2.0, 2.0));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(形.translated(1.2, 2.8));
    // molten gold, hotter towards the foot of the letters
    const QRectF r = 形.boundingRect();
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, QColor(0xFF, 0xF8, 0xC8));
    g.setColorAt(0.45, QColor(0xFF, 0xC8, 0x30));
    g.setColorAt(0.75, QColor(0xF0, 0x78, 0x10));
    g.setColorAt(1.0, QColor(0xC0, 0x28, 0x08));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x3C, 0x10, 0x00), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(形);
    // a thin highlight inside the upper half
    p.save();
    p.setClipRect(QRectF(0, 0, 題幅, r.top() + r.height() * 0.42));
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(形.translated(0, 0.8));
    p.restore();
}

}  // namespace 絵の部品

using namespace 絵の部品;

namespace {

// A fresh image of w × h logical pixels for scale 倍率; 描く paints it in
// logical coordinates.  The device-pixel ratio is set only afterwards so the
// painter's scale is exactly device size / logical size and the picture
// fills the image to the last pixel.  The image starts filled with 下地:
// cells and tiles get an opaque ground, so that no pixel lets through what
// was on the screen before them, even where antialiased shapes only half
// cover it; only the title logo starts transparent.
template <class F>
QImage 画像(double w, double h, double 倍率, F&& 描く, const QColor& 下地) {
    const int dw = std::max(1, static_cast<int>(std::lround(w * 倍率)));
    const int dh = std::max(1, static_cast<int>(std::lround(h * 倍率)));
    QImage img(dw, dh, QImage::Format_ARGB32_Premultiplied);
    img.fill(下地);
    {
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        p.scale(dw / w, dh / h);
        描く(p);
    }
    img.setDevicePixelRatio(倍率);
    return img;
}

}  // namespace

namespace {
bool 英字_ = false;  // pieces with Latin letters
}  // namespace

QColor パレット色(int 番号) {
    static const QRgb 色[16] = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x00, 0x80, 0x00), qRgb(0x00, 0x80, 0x80),
        qRgb(0x80, 0x00, 0x00), qRgb(0x80, 0x00, 0x80), qRgb(0x80, 0x80, 0x00), qRgb(0xC0, 0xC0, 0xC0),
        qRgb(0x80, 0x80, 0x80), qRgb(0x00, 0x00, 0xFF), qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0x00, 0x00), qRgb(0xFF, 0x00, 0xFF), qRgb(0xFF, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0xFF),
    };
    // Past the sixteen: the last move's own colour, a pink found nowhere
    // else on the screen.
    if (番号 == 色_最終手) return QColor(0xFF, 0x3C, 0xB4);
    if (番号 < 0 || 番号 > 15) return QColor(色[0]);
    return QColor(色[番号]);
}

QImage 絵を作る(int 絵番号, double 倍率) {
    if (!std::isfinite(倍率) || 倍率 <= 0 || 倍率 > 16) return {};
    // Every cell picture is opaque, on a ground of its own main colour.
    const QColor 木(0xD4, 0xB8, 0x84);
    if (絵番号 != 空 && 有効な駒コード(絵番号))
        return 画像(
            桝, 桝, 倍率, [&](QPainter& p) { 駒(p, 絵番号, 英字_); }, 木);
    switch (絵番号) {
        case 絵_空桝0: return 画像(桝, 桝, 倍率, 木の桝, 木);
        case 絵_空桝1:
            return 画像(
                桝, 桝, 倍率, [](QPainter& p) { 色の桝(p, パレット色(桝色_緑)); }, パレット色(桝色_緑));
        case 絵_空桝2:
            return 画像(
                桝, 桝, 倍率, [](QPainter& p) { 色の桝(p, パレット色(桝色_水)); }, パレット色(桝色_水));
        case 背景_緑: return 画像(桝, 桝, 倍率, 緑の地, QColor(0x16, 0x78, 0x24));
        case 背景_畳: return 画像(桝, 桝, 倍率, 畳の地, 畳色);
        case 背景_竹: return 画像(桝, 桝, 倍率, 竹の地, QColor(0x24, 0x30, 0x14));
        case 背景_宇宙: return 画像(桝, 桝, 倍率, 宇宙の地, QColor(0x05, 0x06, 0x16));
        case 背景_煉瓦: return 画像(桝, 桝, 倍率, 煉瓦の地, QColor(0xB4, 0xAC, 0x9C));
        case 絵_タイトル: return 画像(題幅, 題高, 倍率, 題字, Qt::transparent);
        default: return {};
    }
}

void 英字の駒を描く(bool 英字) { 英字_ = 英字; }
bool 英字の駒() { return 英字_; }

const QImage& 絵(int 絵番号, double 倍率) {
    static std::map<std::tuple<int, double, bool>, QImage> 控え;
    static const QImage 無し;
    if (!std::isfinite(倍率)) return 無し;  // NaN would upset the map's order
    const auto key = std::make_tuple(絵番号, 倍率, 英字_ && 絵番号 != 空 && 有効な駒コード(絵番号));
    auto it = 控え.find(key);
    if (it == 控え.end()) it = 控え.emplace(key, 絵を作る(絵番号, 倍率)).first;
    return it->second;
}

const QImage& 絵(int 絵番号, double 倍率, int 幅, int 高さ) {
    static std::map<std::tuple<int, double, int, int, bool>, QImage> 控え;
    static const QImage 無し;
    if (!std::isfinite(倍率) || 幅 <= 0 || 高さ <= 0) return 無し;
    const auto key = std::make_tuple(絵番号, 倍率, 幅, 高さ, 英字_ && 絵番号 != 空 && 有効な駒コード(絵番号));
    auto it = 控え.find(key);
    if (it != 控え.end()) return it->second;
    const QImage& 元 = 絵(絵番号, 倍率);
    QImage 出来;
    if (元.isNull()) {
    } else if (元.width() == 幅 && 元.height() == 高さ) {
        出来 = 元.copy();
        出来.setDevicePixelRatio(1);
    } else {
        // Scaled once here, the same way the window used to scale it on
        // every draw.
        出来 = QImage(幅, 高さ, QImage::Format_ARGB32_Premultiplied);
        出来.fill(Qt::transparent);
        QPainter p(&出来);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(0, 0, 幅, 高さ), 元);
    }
    return 控え.emplace(key, std::move(出来)).first->second;
}

bool 不透明な絵(int 絵番号) {
    if (絵番号 != 空 && 有効な駒コード(絵番号)) return true;
    switch (絵番号) {
        case 絵_空桝0:
        case 絵_空桝1:
        case 絵_空桝2:
        case 背景_緑:
        case 背景_畳:
        case 背景_竹:
        case 背景_宇宙:
        case 背景_煉瓦: return true;
        default: return false;
    }
}

// The five background tiles.  Each is one cell that wraps both ways, so that
// tiled side by side it shows no seams.
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
