// SPDX-License-Identifier: GPL-3.0-or-later
// The window's drawing book: every picture, outline, fill and text the game
// paints is written down as an operation in twips and painted at once into
// the canvas' off-screen picture.  Because the operations are kept, the
// picture can be painted again from them at any resolution (a resize, a
// screen with another pixel ratio) and the board's texts drawn again in
// another language.  Operations that later ones paint over entirely are
// dropped as the book grows (整理), so it stays about one picture long.
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QPainter;

class 描画帳 {
public:
    // 描いた is told after every operation painted into the picture (the
    // window has the canvas shown again).
    explicit 描画帳(std::function<void()> 描いた) : 描いた_(std::move(描いた)) {}

    // What the game paints (the window's painting calls): a picture by its
    // number, an outline, a filled box, a text.  訳す is false for the
    // player's own words (names), which are shown as given.
    void 絵(int 絵番号, int x, int y);
    void 枠(int x1, int y1, int x2, int y2, int 色);
    void 塗り(int x1, int y1, int x2, int y2, int 色);
    void 文字(int x, int y, const std::string& t, bool 訳す, int 大きさ, bool 太字, int 色);

    // The canvas' picture and its scale (device pixels per canvas pixel).
    const QImage& 画布() const { return 画布_; }
    double 画布倍率() const { return 画布倍率_; }
    // The picture painted again from the kept operations when it is not
    // yet at scale r (or not made at all).
    void 倍率に合わせる(double r);
    // The picture painted again at r now, and the tests' pictures with it.
    void 全部描き直す(double r);
    // The game's texts put into the language in use, each in its place
    // (the pictures are left for 全部描き直す).
    void 訳し直す();

    // Every kept operation painted at scale r on the background colour.
    QImage 画像(double r) const;
    std::size_t 命令数() const { return ops_.size(); }
    QStringList 描いた文字() const;  // the texts of the kept operations, as drawn
    // For tests: every operation also painted, as it comes, into a picture
    // for each of the given scales (see 窓::全命令を控える).
    void 全命令を控える(const std::vector<double>& 倍率一覧);
    QImage 全命令の画像(double r) const;

    // The box the letters of a text cover, in twips from its corner, with
    // the font made for 倍率 device pixels per canvas pixel.
    static QRectF 文字の墨(const QString& 文字列, int 大きさ, bool 太字, double 倍率);

private:
    struct 命令 {
        enum 種類 { 絵, 枠, 塗り, 文字 } 種類 = 絵;
        int x = 0, y = 0, x2 = 0, y2 = 0;  // twips; x2/y2 = bounding box for 絵/文字
        // The cells of the table whose pixels it can touch (see 整理), and
        // whether it is an opaque picture on one whole cell.
        int 列0 = 0, 列1 = 0, 行0 = 0, 行1 = 0;
        bool 桝を覆う = false;
        int 番号 = 0, 色 = 0, 大きさ = 0;
        bool 太字 = false;
        QString 文字列;    // as drawn
        std::string 原文;  // as the game gave it (for a change of language)
        bool 訳す = true;  // false for the player's own words
    };
    void 命令追加(命令 op);
    void 箱追加(decltype(命令::種類) 種, int x1, int y1, int x2, int y2, int 色);  // 枠 or 塗り
    void 実行(QPainter& g, const 命令& op, double 倍率) const;
    QImage 描く(const std::vector<命令>& 命令列, double 倍率) const;
    void 整理();                      // drop operations hidden by later ones
    void 文字の範囲(命令& op) const;  // a text's box and cells from its letters

    std::function<void()> 描いた_;
    QImage 画布_;
    double 画布倍率_ = 0;
    std::vector<命令> ops_;
    std::size_t 整理する長さ_ = 0;                       // ops_ is thinned out when it reaches this length
    std::vector<std::pair<double, QImage>> 全命令控え_;  // (scale, picture), tests only
};
