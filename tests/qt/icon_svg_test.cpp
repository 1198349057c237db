// SPDX-License-Identifier: GPL-3.0-or-later
// The scalable icon: the piece painted for the window, written as SVG text.
// It must be well-formed XML with an svg root of the asked size, hold the
// piece's shapes (its ground, its gradients, the kanji's outline, the clip
// of the rounded corners) and scale them with the size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <vector>

#include "front/qt/icon.h"

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
        EXPECT_GE(r.要素数["clipPath"], 1) << "the rounded corners";
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
