// SPDX-License-Identifier: GPL-3.0-or-later
// The real game window, started offscreen in a folder of its own, with its
// message boxes answered OK and remembered instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "front/qt/window.h"

inline void テスト用アプリ() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char arg0[] = "test_qt";
    static char* argv[] = {arg0, nullptr};
    new QApplication(argc, argv);
}

struct 窓の試験 : ::testing::Test {
    // Every event done inside it (窓::一息に), unless a test of the
    // window's sequences turns it off before SetUp.
    bool 一息に = true;
    一時フォルダ 場所;
    std::unique_ptr<窓> w;
    std::vector<std::string> 告知;
    void SetUp() override {
        テスト用アプリ();
        qputenv("SDL_AUDIODRIVER", "dummy");
        w = std::make_unique<窓>(false);
        w->一息に = 一息に;
        w->自動応答 = [this](const std::string& 本文, const std::string&, ボタン) {
            告知.push_back(本文);
            return 応答::OK;
        };
        w->開始();
        w->show();
        QApplication::processEvents();
    }
    状態& s() { return w->状態参照(); }
};

// The window in front, taking keys and presses as a player's.
struct 前の窓の試験 : 窓の試験 {
    void SetUp() override {
        窓の試験::SetUp();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void キー(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(w->windowHandle(), k, m);
        QApplication::processEvents();
    }
    // A left click in the middle of cell (c, r).
    void 押す(int c, int r) {
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {},
                          w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
        QApplication::processEvents();
    }
};
