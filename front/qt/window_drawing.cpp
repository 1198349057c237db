// The game's drawing: every picture, outline, fill and text the game paints
// is kept as an operation in twips and painted at once into the canvas'
// off-screen picture, so that the picture can be painted again from them at
// any resolution.
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "front/qt/pictures.h"
#include "front/qt/window_canvas.h"

namespace {

constexpr int 絵幅 = 615;  // 41 pixels
constexpr int タイトル幅 = 172 * 15;
constexpr int タイトル高 = 38 * 15;

QFont 文字フォント(int 大きさ, bool 太字) {
    QFont f;
    f.setFamilies({"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "VL Gothic", "sans-serif"});
    f.setPixelSize(大きさ * 20);  // points → twips
    f.setBold(太字);
    return f;
}

}  // namespace

void 窓::実行(QPainter& g, const 命令& op, double r) const {
    if (op.種類 == 命令::絵) {
        // A picture covers whole device pixels, from its corner rounded to
        // the nearest pixel to its far corner rounded the same way, so that
        // neighbouring cells meet exactly at any scale: no seam lets through
        // what was there before, and none is painted twice.
        const QImage& img = ::絵(op.番号, r);
        if (img.isNull()) return;
        auto 画素位置 = [r](int t) { return static_cast<int>(std::lround(t * r / 画素)); };
        const int x0 = 画素位置(op.x), y0 = 画素位置(op.y);
        const QRect 先(x0, y0, 画素位置(op.x2) - x0, 画素位置(op.y2) - y0);
        g.save();
        g.setRenderHint(QPainter::SmoothPixmapTransform);
        g.drawImage(先, img);
        g.restore();
        return;
    }
    g.save();
    g.scale(r / 画素, r / 画素);  // paint in twips
    switch (op.種類) {
        case 命令::絵: break;  // above
        case 命令::枠: {
            // A one-pixel line through the first pixel of both corners,
            // like an outline drawn from one cell corner to the next.
            QPen pen(パレット色(op.色));
            pen.setWidthF(画素);
            pen.setJoinStyle(Qt::MiterJoin);
            g.setPen(pen);
            g.setBrush(Qt::NoBrush);
            g.drawRect(QRectF(op.x + 画素 / 2.0, op.y + 画素 / 2.0, op.x2 - op.x, op.y2 - op.y));
            break;
        }
        case 命令::塗り: g.fillRect(QRectF(op.x, op.y, op.x2 - op.x, op.y2 - op.y), パレット色(op.色)); break;
        case 命令::文字:
            g.setRenderHint(QPainter::TextAntialiasing);
            g.setFont(文字フォント(op.大きさ, op.太字));
            g.setPen(パレット色(op.色));
            g.drawText(QRectF(op.x, op.y, 20000, 5000), Qt::AlignLeft | Qt::AlignTop, op.文字列);
            break;
    }
    g.restore();
}

void 窓::命令追加(命令 op) {
    {
        QPainter g(&画布_);
        実行(g, op, 画布倍率_);
    }
    ops_.push_back(std::move(op));
    if (ops_.size() > 4000) 整理();
    盤面_->update();
}

// Later opaque pictures on whole cells hide everything drawn inside those
// cells before them; such operations are dropped so that re-rendering stays
// cheap however long the game runs.
void 窓::整理() {
    constexpr int C0 = -3, C1 = 28, R0 = -2, R1 = 17;
    bool 覆[C1 - C0 + 1][R1 - R0 + 1] = {};
    auto セル = [](int t, int o) { return static_cast<int>(std::floor((t - o) / double(桝幅))); };
    std::vector<命令> 残り;
    残り.reserve(ops_.size());
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        // An outline also covers the first pixel row and column past its
        // far corner.
        const int 余 = it->種類 == 命令::枠 ? 画素 : 0;
        const int cx0 = セル(it->x, 盤原点X), cx1 = セル(it->x2 + 余 - 1, 盤原点X);
        const int cy0 = セル(it->y, 盤原点Y), cy1 = セル(it->y2 + 余 - 1, 盤原点Y);
        bool 隠れる = cx0 >= C0 && cx1 <= C1 && cy0 >= R0 && cy1 <= R1;
        for (int cx = cx0; 隠れる && cx <= cx1; ++cx)
            for (int cy = cy0; 隠れる && cy <= cy1; ++cy) 隠れる = 覆[cx - C0][cy - R0];
        if (隠れる) continue;
        残り.push_back(*it);
        const bool 桝に揃う = (it->x - 盤原点X) % 桝幅 == 0 && (it->y - 盤原点Y) % 桝高 == 0;
        if (it->種類 == 命令::絵 && it->番号 != 絵_タイトル && 桝に揃う && cx0 >= C0 && cx0 <= C1 && cy0 >= R0 &&
            cy0 <= R1)
            覆[cx0 - C0][cy0 - R0] = true;
    }
    ops_.assign(残り.rbegin(), 残り.rend());
}

// ---- Platform: painting ---------------------------------------------------

void 窓::絵(int 絵番号, int x, int y) {
    命令 op;
    op.種類 = 命令::絵;
    op.番号 = 絵番号;
    op.x = x;
    op.y = y;
    op.x2 = x + (絵番号 == 絵_タイトル ? タイトル幅 : 絵幅);
    op.y2 = y + (絵番号 == 絵_タイトル ? タイトル高 : 絵幅);
    命令追加(std::move(op));
}

// Outlines and filled boxes are kept with their corners in order.
void 窓::箱追加(decltype(命令::種類) 種, int x1, int y1, int x2, int y2, int 色) {
    命令 op;
    op.種類 = 種;
    op.x = std::min(x1, x2);
    op.y = std::min(y1, y2);
    op.x2 = std::max(x1, x2);
    op.y2 = std::max(y1, y2);
    op.色 = 色;
    命令追加(std::move(op));
}

void 窓::枠(int x1, int y1, int x2, int y2, int 色) { 箱追加(命令::枠, x1, y1, x2, y2, 色); }

void 窓::塗り(int x1, int y1, int x2, int y2, int 色) { 箱追加(命令::塗り, x1, y1, x2, y2, 色); }

void 窓::文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) {
    命令 op;
    op.種類 = 命令::文字;
    op.x = x;
    op.y = y;
    op.文字列 = QString::fromStdString(t);
    op.大きさ = 大きさ;
    op.太字 = 太字;
    op.色 = 色;
    const QFontMetrics fm(文字フォント(大きさ, 太字));
    const QRect b = fm.boundingRect(QRect(0, 0, 20000, 5000), Qt::AlignLeft | Qt::AlignTop, op.文字列);
    op.x2 = x + b.width() + 画素;
    op.y2 = y + b.height() + 画素;
    命令追加(std::move(op));
}
