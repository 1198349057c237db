// SPDX-License-Identifier: GPL-3.0-or-later
// The handicap grade label in the real window, offscreen: after any run of
// △ and ▽ presses the label reads exactly like the current grade printed
// once on a clean window, to the pixel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <cmath>

#include "tests/qt/window_fixture.h"
#include "view/render.h"
#include "view/screen.h"

namespace {

// Canvas pixels of row 1 from the label's cell to the right edge.
QRect 名前の欄(const QImage& img, double 倍率) {
    auto px = [&](int twip) { return static_cast<int>(std::floor(twip / 15.0 * 倍率)); };
    const int x0 = px(盤原点X + 桝幅 * 11), y0 = px(盤原点Y + 桝高 * 1);
    return QRect(x0, y0, img.width() - x0, px(盤原点Y + 桝高 * 2) - y0);
}

int 違う画素(const QImage& a, const QImage& b, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

struct 段級の窓 : 窓の試験 {
    std::unique_ptr<窓> 見本;  // a second fresh window, the label printed once
    void SetUp() override {
        窓の試験::SetUp();
        見本 = std::make_unique<窓>(false);
        見本->一息に = true;
        見本->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
        見本->開始();
    }
    void 背景(const char* 名) {
        w->メニュー(名)->trigger();
        見本->メニュー(名)->trigger();
    }
    // The grade printed once over the untouched label row of the second
    // window; a full redraw afterwards leaves it clean for the next one.
    QImage 一度だけ書いた絵(int レベル, double 倍率) {
        状態& t = 見本->状態参照();
        描画_ハンデレベル(t, *見本, レベル);
        QImage img = 見本->画像(倍率);
        画面_再描画(t, *見本);
        return img;
    }
    void 比べる(double 倍率) {
        const QImage 今 = w->画像(倍率);
        const QImage 見 = 一度だけ書いた絵(s().操作.ハンデレベル, 倍率);
        const QRect r = 名前の欄(今, 倍率);
        EXPECT_EQ(違う画素(今, 見, r), 0) << "grade " << s().操作.ハンデレベル << " at scale " << 倍率;
        // The label is really there: the row differs from the plain background.
        EXPECT_GT(違う画素(見, 見本->画像(倍率), r), 100);
    }
};

}  // namespace

TEST_F(段級の窓, 何度押しても名前は一度書いたのと同じ) {
    for (const char* 名 : {"TATAMI", "UCHU"}) {
        SCOPED_TRACE(名);
        背景(名);
        w->メニュー("CANCEL")->trigger();  // back to grade 0
        // Up past the top, down past the bottom, then to and fro.
        std::vector<int> 押し方(11, +1);
        押し方.insert(押し方.end(), 22, -1);
        for (int i = 0; i < 9; ++i) 押し方.push_back(i % 3 == 2 ? -1 : +1);
        for (int 向き : 押し方) {
            w->メニュー(向き > 0 ? "LBEL_UP" : "LEBEL_DOWN")->trigger();
            比べる(1.0);
        }
        EXPECT_EQ(s().操作.ハンデレベル, -7);
        for (double 倍率 : {1.25, 2.0}) 比べる(倍率);
        if (qEnvironmentVariableIsSet("VZ_SCREENSHOT_DIR"))
            w->画像(2.0).save(qEnvironmentVariable("VZ_SCREENSHOT_DIR") + "/handicap_" + 名 + ".png");
    }
}
