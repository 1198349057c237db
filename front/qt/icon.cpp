// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/icon.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <climits>
#include <cmath>

#include "view/state.h"
#include "front/qt/pictures.h"
#include "front/qt/picture_parts.h"

namespace {

// Both icons are the piece clipped to a rounded square of side 辺; small
// icons keep sharper corners so that the square still reads.
void 角丸に切る(QPainter& p, int 辺) {
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double 角 = 辺 * (辺 <= 24 ? 0.12 : 0.18);
    QPainterPath 枠;
    枠.addRoundedRect(QRectF(0, 0, 辺, 辺), 角, 角);
    p.setClipPath(枠);
}

}  // namespace

QImage アイコン画像(int 辺) {
    if (辺 < 1 || 辺 > 1024) return {};
    // The piece picture is a 41-pixel cell; drawn at 辺 / 41 it fills the icon.
    const QImage 駒 = 絵を作る(MAN_王2, 辺 / 41.0);
    QImage img(辺, 辺, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    角丸に切る(p, 辺);
    p.drawImage(QRectF(0, 0, 辺, 辺), 駒, QRectF(0, 0, 駒.width(), 駒.height()));
    return img;
}

QIcon アイコン() {
    QIcon icon;
    for (int 辺 : アイコンの大きさ) icon.addPixmap(QPixmap::fromImage(アイコン画像(辺)));
    return icon;
}

// The icon as SVG text: the very routine that paints the piece for the
// window is run on a painter whose engine writes every filled or stroked
// shape as an SVG path instead of painting pixels.  Shapes arrive in the
// painter's coordinates and are written in the icon's own (the painter's
// transform applied); gradients, pens and colours with their alpha go
// along, and the clip is applied to the shapes themselves.  The piece's drawing only scales, turns and moves, so widths
// and radii scale by one factor.
namespace {

QString 数(double v) {
    if (std::abs(v) < 0.0005) v = 0;
    return QString::number(v, 'f', 3).remove(QRegularExpression("\\.?0+$"));
}

QString 色(const QColor& c) { return c.name(QColor::HexRgb); }

class SVG描画 : public QPaintEngine {
public:
    explicit SVG描画(double 辺) : QPaintEngine(QPaintEngine::AllFeatures), 辺_(辺) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& st) override {
        const auto f = st.state();
        if (f & DirtyTransform) 変換_ = st.transform();
        if (f & DirtyPen) ペン_ = st.pen();
        if (f & DirtyBrush) 筆_ = st.brush();
        if (f & DirtyBrushOrigin) {}
        if (f & DirtyClipEnabled) 切抜有効_ = st.isClipEnabled();
        if (f & DirtyClipPath) 切抜(st.clipOperation(), st.clipPath());
        if (f & DirtyClipRegion) {
            QPainterPath 形;
            形.addRegion(st.clipRegion());
            切抜(st.clipOperation(), 形);
        }
    }

    void drawPath(const QPainterPath& 形) override { 書く(形, true); }
    void drawPolygon(const QPointF* 点, int n, PolygonDrawMode mode) override {
        if (n < 1) return;
        QPainterPath 形;
        形.moveTo(点[0]);
        for (int i = 1; i < n; ++i) 形.lineTo(点[i]);
        if (mode != PolylineMode) 形.closeSubpath();
        if (mode == OddEvenMode) 形.setFillRule(Qt::OddEvenFill);
        else 形.setFillRule(Qt::WindingFill);
        書く(形, mode != PolylineMode);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}  // the icon has none

    QString 文書() const {
        QString t;
        QTextStream o(&t);
        o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << 数(辺_) << "\" height=\"" << 数(辺_)
          << "\" viewBox=\"0 0 " << 数(辺_) << ' ' << 数(辺_) << "\">\n"
          << "<defs>\n"
          << 定義_ << "</defs>\n"
          << 本体_ << "</svg>\n";
        return t;
    }

private:
    double 倍() const { return std::sqrt(std::abs(変換_.determinant())); }

    void 切抜(Qt::ClipOperation op, const QPainterPath& 形) {
        const QPainterPath 写し = 変換_.map(形);
        if (op == Qt::NoClip) {
            切抜_ = {};
            切抜有効_ = false;
        } else if (op == Qt::IntersectClip && 切抜有効_) {
            切抜_ = 切抜_.intersected(写し);
        } else {
            切抜_ = 写し;
            切抜有効_ = true;
        }
    }

    static QString 道(const QPainterPath& 形) {
        QString d;
        for (int i = 0; i < 形.elementCount(); ++i) {
            const QPainterPath::Element e = 形.elementAt(i);
            switch (e.type) {
                case QPainterPath::MoveToElement: d += 'M' + 数(e.x) + ' ' + 数(e.y); break;
                case QPainterPath::LineToElement: d += 'L' + 数(e.x) + ' ' + 数(e.y); break;
                case QPainterPath::CurveToElement: {
                    const auto b = 形.elementAt(i + 1), c = 形.elementAt(i + 2);
                    d += 'C' + 数(e.x) + ' ' + 数(e.y) + ' ' + 数(b.x) + ' ' + 数(b.y) + ' ' + 数(c.x) + ' ' + 数(c.y);
                    i += 2;
                    break;
                }
                case QPainterPath::CurveToDataElement: break;
            }
        }
        return d;
    }

    // The paint of a brush: a colour with its opacity, or a gradient
    // written into the definitions.
    QString 塗り(const QBrush& b, const char* 名) {
        const QGradient* g = b.gradient();
        if (!g || (g->type() != QGradient::LinearGradient && g->type() != QGradient::RadialGradient)) {
            QString a = QString(" %1=\"%2\"").arg(名, 色(b.color()));
            if (b.color().alpha() < 255) a += QString(" %1-opacity=\"%2\"").arg(名, 数(b.color().alphaF()));
            return a;
        }
        const QString id = QString("g%1").arg(++番号_);
        QTextStream o(&定義_);
        if (g->type() == QGradient::LinearGradient) {
            const auto* l = static_cast<const QLinearGradient*>(g);
            const QPointF p1 = 変換_.map(l->start()), p2 = 変換_.map(l->finalStop());
            o << "<linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" x1=\"" << 数(p1.x())
              << "\" y1=\"" << 数(p1.y()) << "\" x2=\"" << 数(p2.x()) << "\" y2=\"" << 数(p2.y()) << "\">\n";
        } else {
            const auto* r = static_cast<const QRadialGradient*>(g);
            const QPointF c = 変換_.map(r->center()), f = 変換_.map(r->focalPoint());
            o << "<radialGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" cx=\"" << 数(c.x())
              << "\" cy=\"" << 数(c.y()) << "\" fx=\"" << 数(f.x()) << "\" fy=\"" << 数(f.y()) << "\" r=\""
              << 数(r->radius() * 倍()) << "\">\n";
        }
        for (const auto& [位置, c] : g->stops()) {
            o << "<stop offset=\"" << 数(位置) << "\" stop-color=\"" << 色(c) << '"';
            if (c.alpha() < 255) o << " stop-opacity=\"" << 数(c.alphaF()) << '"';
            o << "/>\n";
        }
        o << (g->type() == QGradient::LinearGradient ? "</linearGradient>\n" : "</radialGradient>\n");
        return QString(" %1=\"url(#%2)\"").arg(名, id);
    }

    // A shape goes out clipped already: the clip is cut out of its area
    // (a stroke first turned into the area it covers), so that no
    // <clipPath> is needed; Qt SVG ignores those.
    void 書く(const QPainterPath& 元, bool 塗る) {
        const bool 面 = 塗る && 筆_.style() != Qt::NoBrush;
        const bool 線 = ペン_.style() != Qt::NoPen && ペン_.widthF() > 0;
        if (!面 && !線) return;
        const QPainterPath 形 = 変換_.map(元);
        if (!切抜有効_) {
            本体_ += "<path d=\"" + 道(形) + '"' + (面 ? 面の属性(形) : QString(" fill=\"none\"")) +
                     (線 ? 線の属性() : QString()) + "/>\n";
            return;
        }
        if (面) 切り抜いて塗る(形, 筆_);
        if (線) {
            QPainterPathStroker 筆遣い;
            筆遣い.setWidth(ペン_.widthF() * (ペン_.isCosmetic() ? 1.0 : 倍()));
            筆遣い.setCapStyle(ペン_.capStyle());
            筆遣い.setJoinStyle(ペン_.joinStyle());
            筆遣い.setMiterLimit(ペン_.miterLimit());
            if (ペン_.style() != Qt::SolidLine) 筆遣い.setDashPattern(ペン_.dashPattern());
            切り抜いて塗る(筆遣い.createStroke(形), ペン_.brush());
        }
    }

    void 切り抜いて塗る(const QPainterPath& 形, const QBrush& b) {
        QPainterPath 残り = 形.intersected(切抜_);
        if (残り.isEmpty()) return;
        const QBrush 元の筆 = 筆_;
        筆_ = b;
        本体_ += "<path d=\"" + 道(残り) + '"' + 面の属性(残り) + "/>\n";
        筆_ = 元の筆;
    }

    QString 面の属性(const QPainterPath& 形) {
        QString a = 塗り(筆_, "fill");
        if (形.fillRule() == Qt::OddEvenFill) a += " fill-rule=\"evenodd\"";
        return a;
    }

    QString 線の属性() {
        QString a = 塗り(ペン_.brush(), "stroke");
        a += " stroke-width=\"" + 数(ペン_.widthF() * (ペン_.isCosmetic() ? 1.0 : 倍())) + '"';
        switch (ペン_.capStyle()) {
            case Qt::RoundCap: a += " stroke-linecap=\"round\""; break;
            case Qt::SquareCap: a += " stroke-linecap=\"square\""; break;
            default: break;
        }
        switch (ペン_.joinStyle()) {
            case Qt::RoundJoin: a += " stroke-linejoin=\"round\""; break;
            case Qt::BevelJoin: a += " stroke-linejoin=\"bevel\""; break;
            default: a += " stroke-miterlimit=\"" + 数(std::max(1.0, 2 * ペン_.miterLimit())) + '"'; break;
        }
        return a;
    }

    double 辺_;
    QTransform 変換_;
    QPen ペン_;
    QBrush 筆_;
    bool 切抜有効_ = false;
    QPainterPath 切抜_;
    int 番号_ = 0;
    QString 定義_, 本体_;
};

class SVG面 : public QPaintDevice {
public:
    explicit SVG面(int 辺) : 辺_(辺), 描画_(辺) {}
    QPaintEngine* paintEngine() const override { return &描画_; }
    QString 文書() const { return 描画_.文書(); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
            case PdmHeight: return 辺_;
            case PdmWidthMM:
            case PdmHeightMM: return 辺_ * 254 / 960;
            case PdmDepth: return 32;
            case PdmNumColors: return INT_MAX;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default: return 0;
        }
    }

private:
    int 辺_;
    mutable SVG描画 描画_;
};

}  // namespace

QByteArray アイコンSVG(int 辺) {
    if (辺 < 1 || 辺 > 1024) return {};
    SVG面 面(辺);
    {
        QPainter p(&面);
        角丸に切る(p, 辺);  // the same rounded square as the pictures
        p.scale(辺 / 絵の部品::桝, 辺 / 絵の部品::桝);
        p.fillRect(QRectF(0, 0, 絵の部品::桝, 絵の部品::桝), QColor(0xD4, 0xB8, 0x84));
        絵の部品::駒(p, MAN_王2);
    }
    return 面.文書().toUtf8();
}
