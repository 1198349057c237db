// SPDX-License-Identifier: GPL-3.0-or-later
// The parts every picture of the game is drawn from, shared by the files
// that draw them: the cell's measures, a deterministic texture generator,
// texts as outlines, and the painting of each kind of picture in logical
// pixels (a cell is 41 × 41, the title 172 × 38).
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QString>
#include <cstdint>

class QPainter;

namespace 絵の部品 {

inline constexpr double 桝 = 41.0;      // a cell, in logical pixels
inline constexpr double 中心 = 桝 / 2;  // centre of a cell
inline constexpr double 題幅 = 172.0;   // title logo
inline constexpr double 題高 = 38.0;

inline const QColor 畳色(0xC8, 0xBC, 0x72);  // straw of the tatami tile

// Small deterministic generator, so textures look the same on every run.
struct 乱数 {
    std::uint32_t s;
    double 次() {
        s = s * 1664525u + 1013904223u;
        return static_cast<double>(s >> 8) / 16777216.0;
    }
    double 範囲(double a, double b) { return a + (b - a) * 次(); }
};

// Outline of a text in the given font, cached per text.
const QPainterPath& 文字の形(const QString& 字, bool 明朝);
// The path of a text scaled uniformly to fit a w × h box centred on (cx, cy).
QPainterPath 文字を合わせる(const QPainterPath& 形, double cx, double cy, double w, double h);

// Cells and pieces (picture_pieces.cpp).
void 木の桝(QPainter& p);
void 色の桝(QPainter& p, const QColor& c);
void 駒(QPainter& p, int 駒コード, bool 英字 = false);  // 英字: Latin letters, not kanji

// Background tiles (pictures.cpp); each wraps both ways.
void 緑の地(QPainter& p);
void 畳の地(QPainter& p);
void 竹の地(QPainter& p);
void 宇宙の地(QPainter& p);
void 煉瓦の地(QPainter& p);

// The title logo (pictures.cpp).
void 題字(QPainter& p);

}  // namespace 絵の部品
