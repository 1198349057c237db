// SPDX-License-Identifier: GPL-3.0-or-later
// The margins of a window wider or taller than the board: they carry the
// current background on, on the canvas' own cell grid, instead of a plain
// colour.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <cmath>

#include "tests/qt/window_fixture.h"
#include "front/qt/pictures.h"

namespace {

struct 余白の窓 : 窓の試験 {
    // Mean difference (sum of the three channels, 0..765) between the
    // margin pixels on the widget and the background tile continued from
    // the canvas' cell grid; also counts the sample points.
    double 余白の差(int 背景種類, int& 点数) {
        const QImage shot = w->キャンバス()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The cell grid on the widget, from two corners ten cells apart.
        const QPoint A = w->ツイップから位置(盤原点X, 盤原点Y);
        const QPoint B = w->ツイップから位置(盤原点X + 桝幅 * 10, 盤原点Y + 桝高 * 10);
        const double 桝 = (B.x() - A.x()) / 10.0;
        const QImage 地 = 絵を作る(背景種類, 桝 / 41.0).convertToFormat(QImage::Format_RGB32);
        // The canvas on the widget.
        const QPoint 左上 = w->ツイップから位置(0, 0);
        const QPoint 右下 = w->ツイップから位置(窓::幅, 窓::高さ);
        double 差 = 0;
        点数 = 0;
        for (int y = 1; y < shot.height() - 1; y += 3)
            for (int x = 1; x < shot.width() - 1; x += 3) {
                // Margin points only, two pixels clear of the canvas.
                if (x > 左上.x() - 3 && x < 右下.x() + 3 && y > 左上.y() - 3 && y < 右下.y() + 3) continue;
                double u = std::fmod((x + 0.5 - A.x()) / 桝, 1.0), v = std::fmod((y + 0.5 - A.y()) / 桝, 1.0);
                if (u < 0) u += 1;
                if (v < 0) v += 1;
                // The closest of the tile's pixels around that place: the
                // tile is resampled on the way, so allow a pixel either way.
                const int tx = static_cast<int>(u * 地.width()), ty = static_cast<int>(v * 地.height());
                const QRgb g = shot.pixel(x, y);
                int 最小 = 765;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QRgb e =
                            地.pixel((tx + dx + 地.width()) % 地.width(), (ty + dy + 地.height()) % 地.height());
                        最小 = std::min(最小, std::abs(qRed(e) - qRed(g)) + std::abs(qGreen(e) - qGreen(g)) +
                                                  std::abs(qBlue(e) - qBlue(g)));
                    }
                差 += 最小;
                ++点数;
            }
        return 点数 ? 差 / 点数 : 0;
    }
};

}  // namespace

TEST_F(余白の窓, 横長でも縦長でも余白は背景の続き) {
    const std::pair<const char*, int> 背景一覧[] = {
        {"MIDORI", 背景_緑}, {"TATAMI", 背景_畳}, {"TAKE", 背景_竹}, {"UCHU", 背景_宇宙}, {"RENGA", 背景_煉瓦}};
    const QSize 元 = w->size();
    for (QSize 大きさ : {QSize(元.width() * 2, 元.height()), QSize(元.width(), 元.height() * 2),
                         QSize(元.width() * 3 / 2 + 7, 元.height() * 2 + 5)}) {
        w->resize(大きさ);
        QApplication::processEvents();
        for (auto [名, 種類] : 背景一覧) {
            SCOPED_TRACE(名);
            w->メニュー(名)->trigger();
            int 点数 = 0;
            const double 差 = 余白の差(種類, 点数);
            EXPECT_GT(点数, 1000) << 大きさ.width() << "x" << 大きさ.height();
            EXPECT_LT(差, 20) << 大きさ.width() << "x" << 大きさ.height();
            if (qEnvironmentVariableIsSet("VZ_SCREENSHOT_DIR"))
                w->grab().save(qEnvironmentVariable("VZ_SCREENSHOT_DIR") +
                               QString("/margin_%1_%2x%3.png").arg(名).arg(大きさ.width()).arg(大きさ.height()));
        }
    }
}
