// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the drawn pictures: sizes and scales, the choice of id, the four
// facings, the two sides, promotion, tiles that wrap, the palette and the
// cache.

#include "front/qt/pictures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "view/platform.h"
#include "view/state.h"

namespace {

// Text needs a GUI application; another test may already have made one.
void アプリを用意() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char 名[] = "test_qt";
    static char* argv[] = {名, nullptr};
    new QApplication(argc, argv);
}

class 絵テスト : public ::testing::Test {
protected:
    void SetUp() override { アプリを用意(); }
};

std::vector<int> 全駒コード() {
    std::vector<int> v;
    for (int a = 100; a <= 813; ++a) {
        if (有効な駒コード(a)) {
            v.push_back(a);
            v.push_back(-a);
        }
    }
    return v;
}

QImage 正規化(const QImage& img) { return img.convertToFormat(QImage::Format_ARGB32); }

// Mean absolute difference per channel (0..255) of two images of equal size.
double 平均差(const QImage& a0, const QImage& b0) {
    const QImage a = 正規化(a0), b = 正規化(b0);
    if (a.size() != b.size()) return 1e9;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

// Share of pixels whose largest channel difference exceeds 閾値.
double 大差率(const QImage& a0, const QImage& b0, int 閾値) {
    const QImage a = 正規化(a0), b = 正規化(b0);
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            if (d > 閾値) ++n;
        }
    return static_cast<double>(n) / (a.width() * a.height());
}

template <class F>
int 数える(const QImage& img0, F&& 条件) {
    const QImage img = 正規化(img0);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (条件(img.pixel(x, y))) ++n;
    return n;
}

QImage 右へ四半回転(const QImage& img) { return img.transformed(QTransform().rotate(90)); }

// Mean channel difference between two pixel columns (or rows) of an image.
double 列差(const QImage& img, int x1, int x2) {
    double s = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb p = img.pixel(x1, y), q = img.pixel(x2, y);
        s += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return s / (3.0 * img.height());
}

const double 倍率一覧[] = {1.0, 1.25, 1.5, 2.0, 3.0};

}  // namespace

TEST(パレット, 標準の十六色) {
    const QRgb 期待[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                           0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(パレット色(i).rgb() & 0xFFFFFF, 期待[i]) << i;
        EXPECT_EQ(パレット色(i).alpha(), 255) << i;
    }
    EXPECT_EQ(パレット色(-1), QColor(0, 0, 0));
    // One past the sixteen: the last move's own colour, none of theirs.
    EXPECT_EQ(色_最終手, 16);
    for (int i = 0; i < 16; ++i) EXPECT_NE(パレット色(色_最終手), パレット色(i)) << i;
    EXPECT_EQ(パレット色(17), QColor(0, 0, 0));
    EXPECT_EQ(パレット色(1000), QColor(0, 0, 0));
}

TEST_F(絵テスト, 駒はどの倍率でも41論理画素) {
    const std::vector<int> codes = 全駒コード();
    ASSERT_EQ(codes.size(), 112u);
    for (double k : 倍率一覧) {
        const int 期待 = static_cast<int>(std::lround(41 * k));
        for (int c : codes) {
            const QImage img = 絵を作る(c, k);
            ASSERT_FALSE(img.isNull()) << c << " @" << k;
            EXPECT_EQ(img.width(), 期待) << c << " @" << k;
            EXPECT_EQ(img.height(), 期待) << c << " @" << k;
            EXPECT_DOUBLE_EQ(img.devicePixelRatio(), k);
            EXPECT_NEAR(img.deviceIndependentSize().width(), 41.0, 0.5);
        }
    }
}

TEST_F(絵テスト, 桝と背景と題字の大きさ) {
    for (double k : 倍率一覧) {
        const int 期待 = static_cast<int>(std::lround(41 * k));
        for (int id : {絵_空桝0, 絵_空桝1, 絵_空桝2, 背景_緑, 背景_畳, 背景_竹, 背景_宇宙, 背景_煉瓦}) {
            const QImage img = 絵を作る(id, k);
            ASSERT_FALSE(img.isNull()) << id;
            EXPECT_EQ(img.size(), QSize(期待, 期待)) << id << " @" << k;
            EXPECT_DOUBLE_EQ(img.devicePixelRatio(), k);
        }
        const QImage 題 = 絵を作る(絵_タイトル, k);
        ASSERT_FALSE(題.isNull());
        EXPECT_EQ(題.size(), QSize(static_cast<int>(std::lround(172 * k)), static_cast<int>(std::lround(38 * k))));
        EXPECT_DOUBLE_EQ(題.devicePixelRatio(), k);
    }
}

TEST_F(絵テスト, 無効な番号は空の画像) {
    for (int id :
         {0, 104, 510, 810, 900, -99, 1003, 814, -804, -514, 120, 4, 10, -1, -2, -4, 999, -1000, 1, 2, 3, 804, 99})
        EXPECT_TRUE(絵を作る(id, 1.0).isNull()) << id;
    EXPECT_TRUE(絵を作る(100, 0.0).isNull());
    EXPECT_TRUE(絵を作る(100, -1.0).isNull());
    EXPECT_TRUE(絵を作る(100, std::nan("")).isNull());
}

TEST_F(絵テスト, 駒と桝は不透明) {
    for (int id : {100, -713, 802, -412, 絵_空桝0, 絵_空桝1, 絵_空桝2, 背景_緑, 背景_煉瓦, 背景_宇宙}) {
        const QImage img = 絵を作る(id, 1.5);
        EXPECT_EQ(数える(img, [](QRgb p) { return qAlpha(p) != 255; }), 0) << id;
    }
}

TEST_F(絵テスト, 向きは四半回転) {
    // Facing f + 1 is facing f turned a quarter clockwise, for every piece.
    for (double k : {1.0, 2.0}) {
        for (int c : 全駒コード()) {
            if (std::abs(c) % 10 != 0) continue;
            for (int f = 0; f < 4; ++f) {
                const int 次 = c + (c > 0 ? 1 : -1) * ((f + 1) % 4);
                const int 今 = c + (c > 0 ? 1 : -1) * f;
                const QImage 回 = 右へ四半回転(絵を作る(今, k));
                const QImage 期待 = 絵を作る(次, k);
                EXPECT_LT(平均差(回, 期待), 1.5) << 今 << " -> " << 次 << " @" << k;
                EXPECT_LT(大差率(回, 期待, 60), 0.01) << 今 << " -> " << 次 << " @" << k;
            }
        }
    }
}

TEST_F(絵テスト, 向きの先が尖る) {
    // The base corners lie away from the point; the corners at the point's
    // side show the plain cell.
    const QImage 地 = 正規化(絵を作る(絵_空桝0, 1.0));
    struct 例 {
        int 向き;
        QPoint 台[2], 先[2];
    };
    const 例 例々[] = {
        {2, {{8, 35}, {32, 35}}, {{8, 5}, {32, 5}}},
        {0, {{8, 5}, {32, 5}}, {{8, 35}, {32, 35}}},
        {1, {{35, 8}, {35, 32}}, {{5, 8}, {5, 32}}},
        {3, {{5, 8}, {5, 32}}, {{35, 8}, {35, 32}}},
    };
    for (int side : {1, -1}) {
        for (const 例& e : 例々) {
            const QImage img = 正規化(絵を作る(side * (800 + e.向き), 1.0));
            for (const QPoint& q : e.台)
                EXPECT_GT(std::abs(qGray(img.pixel(q)) - qGray(地.pixel(q))) +
                              std::abs(qBlue(img.pixel(q)) - qBlue(地.pixel(q))),
                          20)
                    << side << " facing " << e.向き << " base at " << q.x() << "," << q.y();
            for (const QPoint& q : e.先) EXPECT_EQ(img.pixel(q), 地.pixel(q)) << e.向き;
        }
    }
}

TEST_F(絵テスト, 両陣営は見分けられる) {
    for (int a = 100; a <= 803; ++a) {
        if (!有効な駒コード(a)) continue;
        const QImage man = 絵を作る(-a, 1.0), com = 絵を作る(a, 1.0);
        EXPECT_GT(平均差(man, com), 10.0) << a;
        // the human's pieces carry a blue rim, the computer's none
        auto 青 = [](QRgb p) { return qBlue(p) > qRed(p) + 40; };
        EXPECT_GT(数える(man, 青), 40) << a;
        EXPECT_EQ(数える(com, 青), 0) << a;
        // and the human's wood is the lighter one
        auto 明 = [](QRgb p) { return qGray(p) > 225; };
        EXPECT_GT(数える(man, 明), 数える(com, 明) + 40) << a;
    }
}

TEST_F(絵テスト, 成駒は赤字で別の絵) {
    auto 赤 = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 60 && qBlue(p) < 60; };
    for (int t : {10, 20, 30, 40, 60, 70}) {
        for (int side : {1, -1}) {
            for (int f = 0; f < 4; ++f) {
                const int 元 = side * (t * 10 + f), 成 = side * ((t + 1) * 10 + f);
                const QImage a = 絵を作る(元, 1.0), b = 絵を作る(成, 1.0);
                EXPECT_GT(平均差(a, b), 2.0) << 元;
                EXPECT_EQ(数える(a, 赤), 0) << 元;
                EXPECT_GT(数える(b, 赤), 15) << 成;
            }
        }
    }
    for (int c : {500, -502, 800, -803}) EXPECT_EQ(数える(絵を作る(c, 1.0), 赤), 0) << c;
}

TEST_F(絵テスト, 駒の字はどれも違う) {
    // If the Japanese font were missing every face would show the same box.
    std::vector<int> 型;
    for (int a = 102; a <= 802; a += 10)
        if (有効な駒コード(a)) 型.push_back(a);
    ASSERT_EQ(型.size(), 14u);
    for (int side : {1, -1})
        for (size_t i = 0; i < 型.size(); ++i)
            for (size_t j = i + 1; j < 型.size(); ++j)
                EXPECT_GT(大差率(絵を作る(side * 型[i], 1.0), 絵を作る(side * 型[j], 1.0), 80), 0.02)
                    << side * 型[i] << " vs " << side * 型[j];
    // and there is a good deal of ink in the middle of the piece
    const QImage 歩 = 正規化(絵を作る(-102, 2.0));
    int 墨 = 0;
    for (int y = 30; y < 70; ++y)
        for (int x = 22; x < 60; ++x)
            if (qGray(歩.pixel(x, y)) < 70) ++墨;
    EXPECT_GT(墨, 150);
}

TEST_F(絵テスト, 倍率を変えても同じ絵) {
    for (int id : {-102, 713, 絵_空桝1, 背景_竹, 背景_煉瓦}) {
        const QImage 一 = 絵を作る(id, 1.0);
        const QImage 二 = 絵を作る(id, 2.0).scaled(41, 41, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(平均差(一, 二), 12.0) << id;
    }
}

TEST_F(絵テスト, 背景は継ぎ目なく並ぶ) {
    for (double k : {1.0, 1.5, 2.0}) {
        for (int id : {背景_緑, 背景_畳, 背景_竹, 背景_宇宙, 背景_煉瓦}) {
            const QImage img = 正規化(絵を作る(id, k));
            const int w = img.width(), h = img.height();
            double 内横 = 0, 内縦 = 0;
            for (int x = 0; x + 1 < w; ++x) 内横 += 列差(img, x, x + 1);
            内横 /= (w - 1);
            const QImage t = img.transformed(QTransform().rotate(90));
            for (int x = 0; x + 1 < w; ++x) 内縦 += 列差(t, x, x + 1);
            内縦 /= (w - 1);
            const double 横継ぎ = 列差(img, w - 1, 0);
            const double 縦継ぎ = 列差(t, h - 1, 0);
            EXPECT_LT(横継ぎ, 2.5 * 内横 + 4) << id << " @" << k;
            EXPECT_LT(縦継ぎ, 2.5 * 内縦 + 4) << id << " @" << k;
            // the edge columns and rows have much the same colour on average
            double 左 = 0, 右 = 0, 上 = 0, 下 = 0;
            for (int i = 0; i < h; ++i) {
                左 += qGray(img.pixel(0, i));
                右 += qGray(img.pixel(w - 1, i));
                上 += qGray(img.pixel(i, 0));
                下 += qGray(img.pixel(i, h - 1));
            }
            EXPECT_LT(std::abs(左 - 右) / h, 25) << id;
            EXPECT_LT(std::abs(上 - 下) / h, 25) << id;
        }
    }
}

TEST_F(絵テスト, 盤の桝は緑と水色) {
    for (double k : {1.0, 2.0}) {
        const QImage 緑 = 正規化(絵を作る(絵_空桝1, k));
        const QImage 水 = 正規化(絵を作る(絵_空桝2, k));
        const QPoint 中(緑.width() / 2, 緑.height() / 2);
        const QColor g = 緑.pixelColor(中), t = 水.pixelColor(中);
        EXPECT_NEAR(g.hsvHue(), 120, 12);
        EXPECT_NEAR(t.hsvHue(), 180, 12);
        const QColor p2 = パレット色(2), p3 = パレット色(3);
        EXPECT_LT(std::abs(g.red() - p2.red()) + std::abs(g.green() - p2.green()) + std::abs(g.blue() - p2.blue()), 40);
        EXPECT_LT(std::abs(t.red() - p3.red()) + std::abs(t.green() - p3.green()) + std::abs(t.blue() - p3.blue()), 40);
    }
}

TEST_F(絵テスト, 題字は透明な地に文字) {
    const QImage 題 = 絵を作る(絵_タイトル, 1.0);
    const int 透明 = 数える(題, [](QRgb p) { return qAlpha(p) == 0; });
    const int 不透明 = 数える(題, [](QRgb p) { return qAlpha(p) == 255; });
    EXPECT_GT(透明, 172 * 38 / 5);
    EXPECT_GT(不透明, 172 * 38 / 6);
    EXPECT_EQ(qAlpha(正規化(題).pixel(0, 0)), 0);
}

TEST_F(絵テスト, 控えは同じ物を返す) {
    const QImage& a = 絵(-713, 2.0);
    const QImage& b = 絵(-713, 2.0);
    EXPECT_EQ(&a, &b);
    const QImage& c = 絵(-713, 1.0);
    EXPECT_NE(&a, &c);
    EXPECT_EQ(c.width(), 41);
    EXPECT_EQ(a.width(), 82);
    EXPECT_EQ(a, 絵を作る(-713, 2.0));
    // other entries do not move what was handed out
    for (int id : {100, 101, 102, 背景_畳, 絵_タイトル}) (void)絵(id, 2.0);
    EXPECT_EQ(&絵(-713, 2.0), &a);
    EXPECT_TRUE(絵(104, 1.0).isNull());
    EXPECT_EQ(&絵(104, 1.0), &絵(104, 1.0));
}
