// SPDX-License-Identifier: GPL-3.0-or-later
// The scalable icon: the piece painted for the window, written as SVG text.
// It must be well-formed XML with an svg root of the asked size, hold the
// piece's shapes (its ground, its gradients, the kanji's outline) with the
// rounded corners cut into them rather than left to a <clipPath> (Qt SVG
// ignores those), and scale them with the size.  Drawn by Qt SVG and by
// librsvg it looks like the picture of the same size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "front/qt/icon.h"
#ifdef VZ_QT_SVG
#include <QSvgRenderer>
#endif

namespace {

void アプリを用意() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char 名[] = "test_qt";
    static char* argv[] = {名, nullptr};
    new QApplication(argc, argv);
}

struct 読んだSVG {
    bool 整形式 = false;
    QString 根, 幅, 高さ, 視野;
    std::map<QString, int> 要素数;
    std::vector<QString> 塗り;       // fill attributes of the paths
    double 最大座標 = 0;             // largest number in the paths' d
};

読んだSVG 読む(const QByteArray& 文書) {
    読んだSVG r;
    QXmlStreamReader x(文書);
    bool 最初 = true;
    static const QRegularExpression 数(R"(-?\d+(\.\d+)?)");
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        const QString 名 = x.name().toString();
        if (最初) {
            r.根 = 名;
            r.幅 = x.attributes().value("width").toString();
            r.高さ = x.attributes().value("height").toString();
            r.視野 = x.attributes().value("viewBox").toString();
            最初 = false;
        }
        ++r.要素数[名];
        if (名 == "path") {
            r.塗り.push_back(x.attributes().value("fill").toString());
            auto it = 数.globalMatch(x.attributes().value("d").toString());
            while (it.hasNext()) r.最大座標 = std::max(r.最大座標, it.next().captured(0).toDouble());
        }
    }
    r.整形式 = !x.hasError();
    return r;
}

}  // namespace

TEST(アイコンSVG, 整形式で根はsvg_駒の形をすべて持つ) {
    アプリを用意();
    struct 場合 {
        int 辺;
        QString 幅;
    };
    const 場合 一覧表[] = {{256, "256"}, {48, "48"}, {1024, "1024"}};
    for (const 場合& c : 一覧表) {
        SCOPED_TRACE(c.辺);
        読んだSVG r = 読む(アイコンSVG(c.辺));
        ASSERT_TRUE(r.整形式);
        EXPECT_EQ(r.根, "svg");
        EXPECT_EQ(r.幅, c.幅);
        EXPECT_EQ(r.高さ, c.幅);
        EXPECT_EQ(r.視野, "0 0 " + c.幅 + " " + c.幅);
        EXPECT_GT(r.要素数.at("path"), 10) << "the piece's shapes";
        EXPECT_GE(r.要素数["radialGradient"], 1) << "the wood of the square";
        EXPECT_GE(r.要素数["linearGradient"], 1) << "the face of the piece";
        EXPECT_EQ(r.要素数["clipPath"], 0) << "Qt SVG draws no clipPath";
        // the ground in the wood colour of the pictures, gradients by reference
        EXPECT_NE(std::find(r.塗り.begin(), r.塗り.end(), "#d4b884"), r.塗り.end());
        EXPECT_TRUE(std::any_of(r.塗り.begin(), r.塗り.end(), [](const QString& f) { return f.startsWith("url(#g"); }));
        // the shapes fill the square and stay in it (strokes aside)
        EXPECT_GE(r.最大座標, c.辺 * 0.95);
        EXPECT_LE(r.最大座標, c.辺 * 1.001);
    }
}

TEST(アイコンSVG, 大きさは一から千二十四まで) {
    アプリを用意();
    EXPECT_TRUE(アイコンSVG(0).isEmpty());
    EXPECT_TRUE(アイコンSVG(1025).isEmpty());
    EXPECT_FALSE(アイコンSVG(1).isEmpty());
    // the same drawing at two sizes: the same shapes, scaled
    const 読んだSVG a = 読む(アイコンSVG(64)), b = 読む(アイコンSVG(128));
    EXPECT_EQ(a.要素数, b.要素数);
    EXPECT_NEAR(b.最大座標, 2 * a.最大座標, 0.01);
}

namespace {

// How far two pictures of one size are apart: the mean difference of a
// channel (alpha included, colours premultiplied) and the share of pixels
// where some channel differs by more than a quarter.
struct 違い {
    double 平均 = 0;
    double 大きく違う割合 = 0;
};

[[maybe_unused]] 違い 比べる(const QImage& a0, const QImage& b0) {
    const QImage a = a0.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = b0.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    違い d;
    if (a.size() != b.size()) return {255, 1};
    long long 和 = 0, 大 = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int 差[4] = {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                               std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))};
            和 += 差[0] + 差[1] + 差[2] + 差[3];
            if (*std::max_element(差, 差 + 4) > 64) ++大;
        }
    const double n = static_cast<double>(a.width()) * a.height();
    d.平均 = static_cast<double>(和) / (4 * n);
    d.大きく違う割合 = static_cast<double>(大) / n;
    return d;
}

}  // namespace

// The installed SVG (256 units) drawn at the sizes a desktop picks it for,
// against the picture of that size: rounded corners clear, nothing outside
// the piece, the same colours.
TEST(アイコンSVG, QtSVGとlibrsvgの描画は同じ大きさの絵に近い) {
    アプリを用意();
#if !defined(VZ_QT_SVG) || !defined(VZ_RSVG_CONVERT)
    GTEST_SKIP() << "Qt SVG (qt6-svg-dev) or rsvg-convert (librsvg2-bin) missing: make deps installs them";
#else
    const QByteArray svg = アイコンSVG(256);
    QTemporaryDir 場所;
    ASSERT_TRUE(場所.isValid());
    const QString 元 = 場所.filePath("icon.svg");
    {
        QFile f(元);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(svg), svg.size());
    }
    QSvgRenderer qt(svg);
    ASSERT_TRUE(qt.isValid());
    for (int 辺 : {256, 128, 96, 48}) {
        SCOPED_TRACE(辺);
        const QImage 絵 = アイコン画像(辺);

        QImage 描画Qt(辺, 辺, QImage::Format_ARGB32_Premultiplied);
        描画Qt.fill(Qt::transparent);
        {
            QPainter p(&描画Qt);
            p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            qt.render(&p, QRectF(0, 0, 辺, 辺));
        }
        const QString 出力 = 場所.filePath(QString("rsvg-%1.png").arg(辺));
        QProcess rsvg;
        rsvg.start(VZ_RSVG_CONVERT, {"-w", QString::number(辺), "-h", QString::number(辺), "-o", 出力, 元});
        ASSERT_TRUE(rsvg.waitForFinished(30000));
        ASSERT_EQ(rsvg.exitCode(), 0) << rsvg.readAllStandardError().toStdString();
        const QImage 描画rsvg(出力);
        ASSERT_EQ(描画rsvg.size(), QSize(辺, 辺));

        const std::pair<const char*, const QImage*> 描画一覧[] = {{"Qt SVG", &描画Qt}, {"librsvg", &描画rsvg}};
        for (const auto& [名, 描画] : 描画一覧) {
            SCOPED_TRACE(名);
            // the four corners are cut away, as in the picture
            for (const QPoint c : {QPoint(0, 0), QPoint(辺 - 1, 0), QPoint(0, 辺 - 1), QPoint(辺 - 1, 辺 - 1)}) {
                EXPECT_LT(qAlpha(描画->pixel(c)), 16) << c.x() << "," << c.y();
                EXPECT_LT(qAlpha(絵.pixel(c)), 16);
            }
            const 違い d = 比べる(*描画, 絵);
            EXPECT_LT(d.平均, 4.0);
            EXPECT_LT(d.大きく違う割合, 0.01);
        }
    }
#endif
}
