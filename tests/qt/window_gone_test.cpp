// SPDX-License-Identifier: GPL-3.0-or-later
// The window's native window destroyed under it, with no close request (as
// `xdotool windowclose` or a task manager does it): the program ends, and
// ends the way closing the window ends it, so the game in progress is kept
// for the next start.  A window the program itself deletes is no such end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <memory>
#include <string>

#include "store/autosave.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

void 押す(窓& w, int 列, int 行) {
    QTest::mouseClick(w.キャンバス(), Qt::LeftButton, {}, w.ツイップから位置(盤原点X + 桝幅 * 列 + 307, 盤原点Y + 桝高 * 行 + 307));
}

// A window started as the program starts it, one move into a game of two
// people; the kept game is then removed, so that only the end can write it
// again.
std::unique_ptr<窓> 一手指した窓() {
    auto w = std::make_unique<窓>(false);
    w->一息に = true;
    w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    w->起動だけ();
    w->show();
    w->自動保存を始める();
    w->メニュー("START")->trigger();
    押す(*w, 3, 7);
    押す(*w, 3, 6);
    EXPECT_EQ(w->状態参照().手数, 1);
    EXPECT_TRUE(fs::exists(自動保存ファイル));
    fs::remove(自動保存ファイル);
    return w;
}

}  // namespace

TEST(窓が消える, 閉じる求めなしに窓が消えるとプログラムは終わり_対局を残す) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    auto w = 一手指した窓();
    ASSERT_NE(w->windowHandle(), nullptr);
    // From inside the application's loop, as the program runs; a loop that
    // does not end is stopped by the guard, and fails.
    bool 見張りで止めた = false;
    QTimer 見張り;
    見張り.setSingleShot(true);
    QObject::connect(&見張り, &QTimer::timeout, [&] {
        見張りで止めた = true;
        QApplication::quit();
    });
    見張り.start(20000);
    QTimer::singleShot(0, w.get(), [&w] { w->windowHandle()->destroy(); });
    QApplication::exec();
    見張り.stop();
    EXPECT_FALSE(見張りで止めた) << "the program went on with no window";
    EXPECT_TRUE(w->終わった());
    ASSERT_TRUE(fs::exists(自動保存ファイル));
    const std::string 残り = ファイルの中身(自動保存ファイル);
    EXPECT_NE(残り.find("\n手数=1\n"), std::string::npos) << 残り;
}

TEST(窓が消える, 窓を作って消すだけでは何も起きない) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    auto w = 一手指した窓();
    EXPECT_FALSE(w->終わった());
    w.reset();
    EXPECT_FALSE(fs::exists(自動保存ファイル));
    // The next window starts as ever.
    窓 次(false);
    次.一息に = true;
    次.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    次.開始();
    EXPECT_FALSE(次.終わった());
}
