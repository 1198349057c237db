// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
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
