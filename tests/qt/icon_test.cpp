// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the game's icon: the human's king on its wood square, corners
// rounded, at every size the window and the icon theme use.

#include "front/qt/icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "view/state.h"
#include "front/qt/pictures.h"

namespace {

void アプリを用意() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char 名[] = "test_qt";
    static char* argv[] = {名, nullptr};
    new QApplication(argc, argv);
}

// Mean absolute channel difference (0..255) over the middle half of two
// images of equal size, where the rounded corners play no part.
double 中央の差(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size()) return 1e9;
    double sum = 0;
    int n = 0;
    for (int y = a.height() / 4; y < a.height() * 3 / 4; ++y)
        for (int x = a.width() / 4; x < a.width() * 3 / 4; ++x, ++n) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return n == 0 ? 1e9 : sum / (4.0 * n);
}

QImage 駒だけ(int 駒, int 辺) {
    QImage img = 絵を作る(駒, 辺 / 41.0);
    img.setDevicePixelRatio(1.0);
    return img;
}

}  // namespace

TEST(アイコン, 各大きさで王将の駒を角を丸めて描く) {
    アプリを用意();
    for (int 辺 : アイコンの大きさ) {
        SCOPED_TRACE(辺);
        const QImage img = アイコン画像(辺).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(img.size(), QSize(辺, 辺));
        EXPECT_EQ(img.devicePixelRatio(), 1.0);
        // rounded: the very corners are (nearly) clear, the middle and the
        // middles of the edges are solid
        for (QPoint c : {QPoint(0, 0), QPoint(辺 - 1, 0), QPoint(0, 辺 - 1), QPoint(辺 - 1, 辺 - 1)})
            EXPECT_LT(qAlpha(img.pixel(c)), 100) << c.x() << "," << c.y();
        for (QPoint c : {QPoint(辺 / 2, 辺 / 2), QPoint(辺 / 2, 0), QPoint(0, 辺 / 2), QPoint(辺 - 1, 辺 / 2)})
            EXPECT_EQ(qAlpha(img.pixel(c)), 255) << c.x() << "," << c.y();
        // the picture is the human's king facing up, filling the square
        EXPECT_LT(中央の差(img, 駒だけ(MAN_王2, 辺)), 1.0);
        EXPECT_GT(中央の差(img, 駒だけ(COM_王2, 辺)), 5.0);
        EXPECT_GT(中央の差(img, 駒だけ(MAN_王0, 辺)), 5.0);
    }
}

TEST(アイコン, 大きさは一から千二十四まで) {
    アプリを用意();
    EXPECT_TRUE(アイコン画像(0).isNull());
    EXPECT_TRUE(アイコン画像(-16).isNull());
    EXPECT_TRUE(アイコン画像(1025).isNull());
    EXPECT_EQ(アイコン画像(1).size(), QSize(1, 1));
    EXPECT_EQ(アイコン画像(1024).size(), QSize(1024, 1024));
}

TEST(アイコン, 窓のアイコンは全ての大きさを持つ) {
    アプリを用意();
    // the usual sizes of the icon theme, as installed
    const std::vector<int> 標準{16, 22, 24, 32, 48, 64, 128, 256};
    EXPECT_EQ(std::vector<int>(std::begin(アイコンの大きさ), std::end(アイコンの大きさ)), 標準);
    const QIcon icon = アイコン();
    const QList<QSize> sizes = icon.availableSizes();
    for (int 辺 : アイコンの大きさ) EXPECT_TRUE(sizes.contains(QSize(辺, 辺))) << 辺;
    EXPECT_EQ(sizes.size(), static_cast<qsizetype>(std::size(アイコンの大きさ)));
    // the 48-pixel entry is the drawn icon itself
    EXPECT_LT(中央の差(icon.pixmap(48).toImage(), アイコン画像(48)), 0.5);
}
