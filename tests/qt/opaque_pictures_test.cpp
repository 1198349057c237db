// SPDX-License-Identifier: GPL-3.0-or-later
// Every cell picture covers its cell completely: a background tile, an empty
// cell or a piece painted over old text leaves nothing of it showing, at
// every scale the window renders at (quarter steps, see 窓::倍率).
#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

#include "view/platform.h"
#include "view/state.h"
#include "tests/qt/window_fixture.h"
#include "front/qt/pictures.h"

namespace {

int 透ける画素(const QImage& img0) {
    const QImage img = img0.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qAlpha(img.pixel(x, y)) != 255;
    return n;
}

const double 倍率一覧[] = {0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 3.0};

}  // namespace

TEST(不透明な絵, 五つの背景はどの倍率でも隙間なく塗る) {
    テスト用アプリ();
    for (int id : {背景_緑, 背景_畳, 背景_竹, 背景_宇宙, 背景_煉瓦})
        for (double k : 倍率一覧) {
            const QImage img = 絵を作る(id, k);
            ASSERT_FALSE(img.isNull());
            EXPECT_EQ(透ける画素(img), 0) << "tile " << id << " at scale " << k;
        }
}

TEST(不透明な絵, 駒と空き桝もどの倍率でも隙間なく塗る) {
    テスト用アプリ();
    std::vector<int> 絵番号 = {絵_空桝0, 絵_空桝1, 絵_空桝2};
    for (int a = 100; a <= 813; ++a)
        if (有効な駒コード(a)) {
            絵番号.push_back(a);
            絵番号.push_back(-a);
        }
    ASSERT_EQ(絵番号.size(), 3u + 112u);
    for (double k : {1.0, 1.25, 1.5, 2.0})
        for (int id : 絵番号) EXPECT_EQ(透ける画素(絵を作る(id, k)), 0) << "picture " << id << " at scale " << k;
}
