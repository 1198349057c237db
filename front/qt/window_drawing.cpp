// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drawing book (window_drawing.h): the operations the game
// paints, how each one is painted at a given scale, which cells of the table
// it can touch, and the thinning out of those painted over.
#include "front/qt/window_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_set>

#include "front/qt/language.h"
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

// How an operation's span of twips becomes device pixels.
enum class 塗り方 {
    文字,  // antialiased letters: every pixel the outlines reach into, and
           // half a pixel more, as drawn letters spill a little
    線,    // the one-pixel outline: below scale 1 a thin line, any pixel it
           // overlaps; from scale 1 on, the pixels whose centres it covers
           // (an edge through a centre counts either way)
    箱,    // a filled box: any pixel it overlaps
};

// The first and last cells (of width 幅 from 原点, in twips) whose pixels
// the span [a, b) of twips reaches into at any scale from 0.5 to 16 in
// quarter steps, the scales the window renders at.  A cell's picture
// covers the pixels from its corner rounded to the nearest pixel to the far
// corner rounded the same way (描画帳::実行).
void 桝の範囲を求める(塗り方 方, double a, double b, int 原点, int 幅, int& c0, int& c1) {
    auto 画素位置 = [](double t, double r) { return std::lround(t * r / 画素); };
    auto 桝 = [&](double t) { return static_cast<int>(std::floor((t - 原点) / 幅)); };
    c0 = 桝(a);
    c1 = 桝(std::max(a, b - 1));
    for (int q = 2; q <= 64; ++q) {
        const double r = q / 4.0, pa = a * r / 画素, pb = b * r / 画素;
        double p0 = 0, p1 = 0;  // device pixels [p0, p1)
        if (方 == 塗り方::文字) p0 = std::floor(pa - 0.5), p1 = std::ceil(pb + 0.5);
        else if (方 == 塗り方::箱 || r < 1) p0 = std::floor(pa), p1 = std::ceil(pb);
        else p0 = std::ceil(pa - 0.5), p1 = std::floor(pb - 0.5) + 1;
        // widen while the first pixel lies before the first cell's pixels
        // or the last one past the last cell's
        while (p0 < 画素位置(原点 + double(c0) * 幅, r)) --c0;
        while (p1 > 画素位置(原点 + double(c1 + 1) * 幅, r)) ++c1;
    }
}

// The same, remembered: outlines and texts come back to the same places
// again and again.
void 桝の範囲(塗り方 方, double a, double b, int 原点, int 幅, int& c0, int& c1) {
    static std::map<std::tuple<int, double, double, int, int>, std::pair<int, int>> 控え;
    const auto key = std::make_tuple(static_cast<int>(方), a, b, 原点, 幅);
    auto it = 控え.find(key);
    if (it == 控え.end()) {
        if (控え.size() > 4096) 控え.clear();
        std::pair<int, int> c;
        桝の範囲を求める(方, a, b, 原点, 幅, c.first, c.second);
        it = 控え.emplace(key, c).first;
    }
    c0 = it->second.first;
    c1 = it->second.second;
}

// A text's line box (as drawText lays it out from its top-left corner) and
// the box its letters' outlines lie in, both from the text's corner;
// remembered per text, size and weight.
struct 文字の大きさ {
    QRect 行;
    QRectF 墨;
};
const 文字の大きさ& 文字を測る(const QString& 文字列, int 大きさ, bool 太字) {
    static std::map<std::tuple<QString, int, bool>, 文字の大きさ> 控え;
    const auto key = std::make_tuple(文字列, 大きさ, 太字);
    auto it = 控え.find(key);
    if (it != 控え.end()) return it->second;
    if (控え.size() > 4096) 控え.clear();  // the clocks' texts alone are many
    const QFont f = 文字フォント(大きさ, 太字);
    const QFontMetrics fm(f);
    文字の大きさ m;
    m.行 = fm.boundingRect(QRect(0, 0, 20000, 5000), Qt::AlignLeft | Qt::AlignTop, 文字列);
    QPainterPath 形;
    形.addText(0, fm.ascent(), f, 文字列);
    m.墨 = 形.boundingRect();
    return 控え.emplace(key, m).first->second;
}

}  // namespace

void 描画帳::実行(QPainter& g, const 命令& op, double r) const {
    if (op.種類 == 命令::絵) {
        // A picture covers whole device pixels, from its corner rounded to
        // the nearest pixel to its far corner rounded the same way, so that
        // neighbouring cells meet exactly at any scale: no seam lets through
        // what was there before, and none is painted twice.  The picture
        // comes already made at that size, so painting it is a plain copy.
        auto 画素位置 = [r](int t) { return static_cast<int>(std::lround(t * r / 画素)); };
        const int x0 = 画素位置(op.x), y0 = 画素位置(op.y);
        const QImage& img = ::絵(op.番号, r, 画素位置(op.x2) - x0, 画素位置(op.y2) - y0);
        if (!img.isNull()) g.drawImage(QPoint(x0, y0), img);
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

namespace {

constexpr int 列最小 = -3, 列最大 = 28, 行最小 = -2, 行最大 = 17;  // the cells 整理 keeps track of

int 桝の番号(int t, int 原点) { return static_cast<int>(std::floor((t - 原点) / double(桝幅))); }

bool 桝に揃う(int x, int y, int x2, int y2) {
    return (x - 盤原点X) % 桝幅 == 0 && (y - 盤原点Y) % 桝高 == 0 && x2 - x == 桝幅 && y2 - y == 桝高;
}

}  // namespace

void 描画帳::命令追加(命令 op) {
    if (op.種類 == 命令::絵) {
        // the same rounding as the cells' own pictures
        op.列0 = 桝の番号(op.x, 盤原点X);
        op.列1 = 桝の番号(op.x2 - 1, 盤原点X);
        op.行0 = 桝の番号(op.y, 盤原点Y);
        op.行1 = 桝の番号(op.y2 - 1, 盤原点Y);
    } else if (op.種類 != 命令::文字) {  // (text has its cells from its letters)
        // An outline also reaches the first pixel row and column past its
        // far corner: a one-pixel line from one corner's pixel to the other's.
        const 塗り方 方 = op.種類 == 命令::枠 ? 塗り方::線 : 塗り方::箱;
        const int 余 = op.種類 == 命令::枠 ? 画素 : 0;
        桝の範囲(方, op.x, op.x2 + 余, 盤原点X, 桝幅, op.列0, op.列1);
        桝の範囲(方, op.y, op.y2 + 余, 盤原点Y, 桝高, op.行0, op.行1);
    }
    op.桝を覆う = op.種類 == 命令::絵 && 不透明な絵(op.番号) && 桝に揃う(op.x, op.y, op.x2, op.y2);
    {
        QPainter g(&画布_);
        実行(g, op, 画布倍率_);
    }
    for (auto& [r, img] : 全命令控え_) {
        QPainter g(&img);
        実行(g, op, r);
    }
    ops_.push_back(std::move(op));
    // Thinned out each time the list has grown by an eighth since the last
    // time: the work stays proportional to what is drawn, and the list to
    // about one full picture of the window.
    if (ops_.size() >= 整理する長さ_) 整理();
    描いた_();
}

namespace {

// A rectangle in twips as one number, for finding an operation repeated
// later on exactly the same rectangle; false when a corner lies too far out
// to pack (such operations are only ever hidden by cells).
bool 矩形の鍵(int x, int y, int x2, int y2, std::uint64_t& 鍵) {
    constexpr int 片 = 1 << 15;
    for (int v : {x, y, x2, y2})
        if (v < -片 || v >= 片) return false;
    auto u = [](int v) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v + 片)); };
    鍵 = u(x) << 48 | u(y) << 32 | u(x2) << 16 | u(y2);
    return true;
}

}  // namespace

// Drops every operation whose pixels are all painted over later, so that
// re-rendering what is left gives the same picture:
// - an opaque picture on a whole cell paints every pixel of that cell, and
//   the cells of the table meet without gaps, so whatever touches only
//   cells that are painted later is gone (each operation knows the cells it
//   can touch at any scale, see 命令追加 and 文字);
// - an outline or a filled box paints the same pixels whatever its colour
//   (one opaque colour, no smoothing), so a later one on exactly the same
//   rectangle hides an earlier one: this is what keeps the list short while
//   the guidance outlines come and go on the same cells move after move.
//   (Below scale 1 an outline is thinner than a pixel and Qt blends it, so
//   there a re-rendered outline shows only its last colour, not the mix of
//   all of them that was painted.)
void 描画帳::整理() {
    constexpr int 列数 = 列最大 - 列最小 + 1, 行数 = 行最大 - 行最小 + 1;
    bool 覆[列数][行数] = {};
    bool 後の桝枠[列数][行数] = {};  // an outline of exactly that cell comes later
    std::unordered_set<std::uint64_t> 後の枠, 後の塗り;
    std::vector<char> 残す(ops_.size(), 0);
    for (std::size_t i = ops_.size(); i-- > 0;) {
        const 命令& op = ops_[i];
        bool 隠れる = op.列0 >= 列最小 && op.列1 <= 列最大 && op.行0 >= 行最小 && op.行1 <= 行最大;
        for (int c = op.列0; 隠れる && c <= op.列1; ++c)
            for (int r = op.行0; 隠れる && r <= op.行1; ++r) 隠れる = 覆[c - 列最小][r - 行最小];
        if (隠れる) continue;
        const int 列 = 桝の番号(op.x, 盤原点X), 行 = 桝の番号(op.y, 盤原点Y);  // its own cell, for outlines
        if (op.種類 == 命令::枠 && 桝に揃う(op.x, op.y, op.x2, op.y2) && 列 >= 列最小 && 列 <= 列最大 && 行 >= 行最小 &&
            行 <= 行最大) {
            bool& 後 = 後の桝枠[列 - 列最小][行 - 行最小];
            if (後) continue;
            後 = true;
        } else if (op.種類 == 命令::枠 || op.種類 == 命令::塗り) {
            std::uint64_t 鍵;
            if (矩形の鍵(op.x, op.y, op.x2, op.y2, 鍵) && !(op.種類 == 命令::枠 ? 後の枠 : 後の塗り).insert(鍵).second)
                continue;
        }
        残す[i] = 1;
        if (op.桝を覆う && op.列0 >= 列最小 && op.列0 <= 列最大 && op.行0 >= 行最小 && op.行0 <= 行最大)
            覆[op.列0 - 列最小][op.行0 - 行最小] = true;
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < ops_.size(); ++i)
        if (残す[i]) {
            if (n != i) ops_[n] = std::move(ops_[i]);
            ++n;
        }
    ops_.resize(n);
    整理する長さ_ = std::max<std::size_t>(1024, n + n / 8);
}

// ---- what the game paints ----------------------------------------------------

void 描画帳::絵(int 絵番号, int x, int y) {
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
void 描画帳::箱追加(decltype(命令::種類) 種, int x1, int y1, int x2, int y2, int 色) {
    命令 op;
    op.種類 = 種;
    op.x = std::min(x1, x2);
    op.y = std::min(y1, y2);
    op.x2 = std::max(x1, x2);
    op.y2 = std::max(y1, y2);
    op.色 = 色;
    命令追加(std::move(op));
}

void 描画帳::枠(int x1, int y1, int x2, int y2, int 色) { 箱追加(命令::枠, x1, y1, x2, y2, 色); }

void 描画帳::塗り(int x1, int y1, int x2, int y2, int 色) { 箱追加(命令::塗り, x1, y1, x2, y2, 色); }

void 描画帳::文字(int x, int y, const std::string& t, bool 訳す, int 大きさ, bool 太字, int 色) {
    命令 op;
    op.種類 = 命令::文字;
    op.x = x;
    op.y = y;
    op.原文 = t;
    op.訳す = 訳す;
    op.文字列 = 訳す ? ゲームの文(t) : QString::fromStdString(t);
    op.大きさ = 大きさ;
    op.太字 = 太字;
    op.色 = 色;
    文字の範囲(op);
    命令追加(std::move(op));
}

void 描画帳::文字の範囲(命令& op) const {
    const 文字の大きさ& m = 文字を測る(op.文字列, op.大きさ, op.太字);
    op.x2 = op.x + m.行.width() + 画素;
    op.y2 = op.y + m.行.height() + 画素;
    // The cells the letters can touch: antialiasing paints only the device
    // pixels the letters' outlines reach into, and a cell's picture paints
    // the pixels from its corner rounded to the nearest pixel to the far
    // corner rounded the same way; the letters count in every cell they
    // touch at any scale the window renders at (quarter steps from 0.5).
    // Letters reach well short of the line's box, most of all below.
    const QRectF 墨 = m.墨.translated(op.x, op.y);
    桝の範囲(塗り方::文字, 墨.left(), 墨.right(), 盤原点X, 桝幅, op.列0, op.列1);
    桝の範囲(塗り方::文字, 墨.top(), 墨.bottom(), 盤原点Y, 桝高, op.行0, op.行1);
}

QRectF 描画帳::文字の墨(const QString& 文字列, int 大きさ, bool 太字, double 倍率) {
    QFont f = 文字フォント(大きさ, 太字);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(大きさ * 20 * 倍率 / 画素))));
    const QFontMetrics fm(f);
    QPainterPath 形;
    形.addText(0, fm.ascent(), f, 文字列);
    const QRectF r = 形.boundingRect();
    const double k = 画素 / 倍率;
    return QRectF(r.left() * k, r.top() * k, r.width() * k, r.height() * k);
}

QStringList 描画帳::描いた文字() const {
    QStringList r;
    for (const 命令& op : ops_)
        if (op.種類 == 命令::文字) r << op.文字列;
    return r;
}

// ---- the picture -------------------------------------------------------------

QImage 描画帳::描く(const std::vector<命令>& 命令列, double r) const {
    QImage img(static_cast<int>(std::lround(画布幅 / 画素 * r)), static_cast<int>(std::lround(画布高さ / 画素 * r)),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(パレット色(背景色));
    {
        QPainter g(&img);
        for (const auto& op : 命令列) 実行(g, op, r);
    }
    return img;
}

QImage 描画帳::画像(double r) const { return 描く(ops_, r); }

void 描画帳::倍率に合わせる(double r) {
    if (!画布_.isNull() && 画布倍率_ == r) return;
    画布_ = 画像(r);
    画布倍率_ = r;  // kept beside the image: painting scales by it explicitly
}

void 描画帳::全部描き直す(double r) {
    画布_ = 画像(r);
    画布倍率_ = r;
    for (auto& [k, img] : 全命令控え_) img = 画像(k);
}

// The board's texts are kept as the game gave them: each is put into the
// language in use again, in the same place.
void 描画帳::訳し直す() {
    for (命令& op : ops_)
        if (op.種類 == 命令::文字 && op.訳す) {
            op.文字列 = ゲームの文(op.原文);
            文字の範囲(op);
        }
}

void 描画帳::全命令を控える(const std::vector<double>& 倍率一覧) {
    全命令控え_.clear();
    for (double r : 倍率一覧) 全命令控え_.emplace_back(r, 描く({}, r));
}

QImage 描画帳::全命令の画像(double r) const {
    for (const auto& [k, img] : 全命令控え_)
        if (k == r) return img;
    return {};
}
