// SPDX-License-Identifier: GPL-3.0-or-later
// The help window fits the screen it opens on, at scale 1 and 2, on large
// and small screens: its frame within the screen's available area, its
// "閉じる" button on the screen, the text scrolling inside; in Japanese and
// in English.  Each screen is
// a run of this same program (only the child's part) on an offscreen screen
// of that size and pixel ratio, since a program has its screens from the
// start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <iostream>

#include "tests/qt/window_fixture.h"
#include "front/qt/help_window.h"
#include "front/qt/language.h"

namespace {

constexpr const char* 倍率の印 = "VZ_HELP_FIT_SCALE";

// A screen in device pixels, at a pixel ratio from the screen itself (dpr:
// the offscreen screen is then described in logical pixels) or from Qt's
// own scale factor.
struct 画面 {
    const char* 名;
    int 幅, 高さ;
    double dpr;
    const char* 倍率;  // QT_SCALE_FACTOR, or null
    double 期待倍率;
    bool 英語 = false;  // the help in English
};

}  // namespace

// The child's part: run only by the test below, in a program of its own.
TEST(遊び方の大きさ, DISABLED_子_開いた画面に収まる) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    if (qgetenv("VZ_HELP_FIT_ENGLISH") == "1") 言語を使う(言語::英語);
    窓 w(false);
    w.一息に = true;
    w.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    w.開始();
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (int 回 = 0; 回 < 2; ++回) {  // the second time after Esc, as the player opens it again
        SCOPED_TRACE(回);
        w.遊び方を開く();
        遊び方窓* h = w.遊び方();
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(h));
        QApplication::processEvents();
        EXPECT_EQ(h->windowTitle(), qgetenv("VZ_HELP_FIT_ENGLISH") == "1" ? "How to play" : "遊び方");
        QScreen* 画 = h->screen();
        ASSERT_NE(画, nullptr);
        EXPECT_DOUBLE_EQ(h->devicePixelRatioF(), std::atof(qgetenv(倍率の印).constData()));
        const QRect 使える = 画->availableGeometry();
        std::cout << "screen " << 使える.width() << "x" << 使える.height() << " at " << h->devicePixelRatioF()
                  << ", help frame " << h->frameGeometry().width() << "x" << h->frameGeometry().height() << " at "
                  << h->frameGeometry().x() << "," << h->frameGeometry().y() << std::endl;
        EXPECT_NE(h->frameGeometry(), h->geometry()) << "a frame to fit as well";
        EXPECT_TRUE(使える.contains(h->frameGeometry()));
        QPushButton* 閉 = h->閉じるボタン();
        const QRect ボタン(閉->mapToGlobal(QPoint(0, 0)), 閉->size());
        EXPECT_TRUE(閉->isVisible());
        EXPECT_FALSE(閉->visibleRegion().isEmpty());
        EXPECT_TRUE(h->geometry().contains(ボタン));
        EXPECT_TRUE(使える.contains(ボタン));
        // The rest of the text is reached by scrolling.
        QScrollArea* 巻 = h->巻物();
        EXPECT_GT(巻->viewport()->height(), 100);
        EXPECT_EQ(巻->verticalScrollBar()->maximum(),
                  std::max(0, h->本文()->height() - 巻->viewport()->height()));
        EXPECT_GE(h->本文()->width(), h->本文()->minimumSizeHint().width());
        QTest::keyClick(h->windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        ASSERT_FALSE(h->isVisible());
    }
}

TEST(遊び方の大きさ, 倍率1と2で大きな画面にも小さな画面にも収まる) {
    const 画面 一覧[] = {
        {"1920x1080, scale 1", 1920, 1080, 1, nullptr, 1},
        {"1024x600, scale 1", 1024, 600, 1, nullptr, 1},
        {"800x480, scale 1", 800, 480, 1, nullptr, 1},
        {"1920x1200, screen at 2", 1920, 1200, 2, nullptr, 2},
        {"1920x1200, QT_SCALE_FACTOR=2", 1920, 1200, 1, "2", 2},
        {"2560x1440, screen at 2", 2560, 1440, 2, nullptr, 2},
        {"1366x768, screen at 2", 1366, 768, 2, nullptr, 2},
        {"1280x800, QT_SCALE_FACTOR=2", 1280, 800, 1, "2", 2},
        {"English, 1920x1080, scale 1", 1920, 1080, 1, nullptr, 1, true},
        {"English, 800x480, scale 1", 800, 480, 1, nullptr, 1, true},
        {"English, 2560x1440, screen at 2", 2560, 1440, 2, nullptr, 2, true},
        {"English, 1280x800, QT_SCALE_FACTOR=2", 1280, 800, 1, "2", 2, true},
    };
    テスト用アプリ();
    一時フォルダ 場所;
    for (const 画面& g : 一覧) {
        SCOPED_TRACE(g.名);
        const QString 設定 = QString::fromStdString((場所.場所() / "screen.json").string());
        QFile f(設定);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QString(R"({"windowFrameMargins": true, "screens": [{"name": "s", "x": 0, "y": 0, )"
                        R"("width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                    .arg(static_cast<int>(g.幅 / g.dpr))
                    .arg(static_cast<int>(g.高さ / g.dpr))
                    .arg(g.dpr)
                    .toUtf8());
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + 設定);
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert(倍率の印, QString::number(g.期待倍率));
        env.remove("QT_SCALE_FACTOR");
        env.remove("QT_ENABLE_HIGHDPI_SCALING");
        if (g.倍率) env.insert("QT_SCALE_FACTOR", g.倍率);
        env.insert("VZ_HELP_FIT_ENGLISH", g.英語 ? "1" : "0");
        QProcess 子;
        子.setProcessEnvironment(env);
        子.setProcessChannelMode(QProcess::MergedChannels);
        子.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests", "--gtest_filter=遊び方の大きさ.DISABLED_子_開いた画面に収まる"});
        ASSERT_TRUE(子.waitForFinished(120000));
        const QString 出力 = QString::fromUtf8(子.readAll());
        EXPECT_EQ(子.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(子.exitCode(), 0) << 出力.toStdString();
        EXPECT_TRUE(出力.contains("[  PASSED  ] 1 test.")) << 出力.toStdString();
        for (const QString& l : 出力.split('\n'))
            if (l.startsWith("screen ")) std::cout << g.名 << ": " << l.toStdString() << std::endl;
    }
}
