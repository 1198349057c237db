// SPDX-License-Identifier: GPL-3.0-or-later
// A real game window killed outright between two moves: the next start in
// the same folder offers the game back, and yes brings back the game exactly
// as it stood after the last completed move.  The killed game runs in a
// child process: this same test program, started again to run only the
// child's part.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/rules.h"
#include "store/autosave.h"
#include "tests/qt/window_fixture.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* 子の印 = "VZ_AUTOSAVE_CHILD";
constexpr const char* 状態の写し = "state.bin";
constexpr const char* 用意できた = "ready";

bool 自分の駒(const 状態& s, int v) {
    return (s.手番 == s.手番_MAN && MANの駒(v)) || (s.手番 == s.手番_COM && COMの駒(v));
}

// The first legal board move of the side to move that takes no king, made
// with two clicks on the window's canvas.
void 一手(窓& w) {
    const 状態& s = w.状態参照();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (!自分の駒(s, s.盤[x][y])) continue;
            for (int x2 = 1; x2 <= 9; ++x2)
                for (int y2 = 1; y2 <= 9; ++y2)
                    if (!王(s.盤[x2][y2]) && 移動チェック(s, x, y, x2, y2, s.盤[x][y]) == 真) {
                        for (auto [c, r] : {std::pair{x, y}, std::pair{x2, y2}})
                            QTest::mouseClick(w.キャンバス(), Qt::LeftButton, {},
                                              w.ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
                        return;
                    }
        }
    FAIL() << "no move";
}

std::unique_ptr<窓> 窓を開く(std::vector<std::string>& 告知, 応答 問いへの答え) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    auto w = std::make_unique<窓>(false);
    w->一息に = true;
    w->状態参照().操作.自動保存 = true;  // as the program itself runs
    w->自動応答 = [&告知, 問いへの答え](const std::string& 本文, const std::string&, ボタン b) {
        告知.push_back(本文);
        return b == ボタン::はいいいえ ? 問いへの答え : 応答::OK;
    };
    w->開始();
    w->show();
    QApplication::processEvents();
    return w;
}

}  // namespace

// The child's part: a game against the computer, three moves of the human
// (each answered), then its state handed over and it waits to be killed.
TEST(自動保存の強制終了, 子として指す) {
    const char* 場所 = std::getenv(子の印);
    if (!場所) GTEST_SKIP() << "the killed game of the next test";
    fs::current_path(場所);
    std::vector<std::string> 告知;
    auto w = 窓を開く(告知, 応答::いいえ);
    w->メニュー("LEVEL1")->trigger();
    w->メニュー("SENTE")->trigger();
    for (int i = 0; i < 3; ++i) 一手(*w);
    {
        // The game as it stands in memory, the computer's memory with it,
        // written apart from the autosave.
        std::ofstream f(std::string(状態の写し) + ".tmp", std::ios::binary);
        f << 変換_自動保存(取得_自動保存(w->状態参照()));
    }
    fs::rename(std::string(状態の写し) + ".tmp", 状態の写し);
    std::ofstream(用意できた) << "1";
    for (;;) ::pause();
}

TEST(自動保存の強制終了, 指している途中で殺しても最後の手から続く) {
    if (std::getenv(子の印)) GTEST_SKIP();
    一時フォルダ 場所;

    // Everything the child needs is made before the fork: after it, only exec.
    std::vector<std::string> 環境文字;
    for (char** e = environ; *e; ++e) 環境文字.emplace_back(*e);
    環境文字.push_back(std::string(子の印) + "=" + 場所.場所().string());
    std::vector<char*> 環境;
    for (auto& e : 環境文字) 環境.push_back(e.data());
    環境.push_back(nullptr);
    std::string 自分 = fs::read_symlink("/proc/self/exe").string();
    std::string 名 = "test_qt", 絞り = "--gtest_filter=自動保存の強制終了.子として指す";
    char* 引数[] = {名.data(), 絞り.data(), nullptr};

    const pid_t 子 = ::fork();
    ASSERT_GE(子, 0);
    if (子 == 0) {
        ::execve(自分.c_str(), 引数, 環境.data());
        ::_exit(127);
    }
    // Wait for the child to finish its moves (or to die trying).
    bool 用意 = false;
    int 終わり方 = 0;
    while (!(用意 = fs::exists(用意できた))) {
        if (::waitpid(子, &終わり方, WNOHANG) == 子) break;
        ::usleep(20000);
    }
    ASSERT_TRUE(用意) << "the child ended first, status " << 終わり方;
    ASSERT_EQ(::kill(子, SIGKILL), 0);
    ASSERT_EQ(::waitpid(子, &終わり方, 0), 子);
    ASSERT_TRUE(WIFSIGNALED(終わり方) && WTERMSIG(終わり方) == SIGKILL);

    自動保存内容 前;
    {
        std::ifstream f(状態の写し, std::ios::binary);
        const std::string b{std::istreambuf_iterator<char>(f), {}};
        ASSERT_TRUE(解析_自動保存(b, 前));
    }
    ASSERT_EQ(前.手数, 6);
    ASSERT_EQ(前.レベル, 1);

    std::vector<std::string> 告知;
    auto w = 窓を開く(告知, 応答::はい);
    ASSERT_EQ(告知.size(), 1u);
    EXPECT_EQ(告知[0], "前回の対局を続けますか？");
    EXPECT_EQ(w->状態参照().操作.再開待ち, 真);
    前.再開待ち = 真;
    EXPECT_TRUE(前 == 取得_自動保存(w->状態参照()));

    // The game goes on: the click resumes it, the next move is answered.
    告知.clear();
    一手(*w);
    ASSERT_FALSE(告知.empty());
    EXPECT_EQ(告知[0], "MANの番です");
    EXPECT_EQ(w->状態参照().手数, 8);
    EXPECT_EQ(w->状態参照().手番, w->状態参照().手番_MAN);

    // Closing the window keeps the game for the next start again.
    w->close();
    QApplication::processEvents();
    自動保存内容 d;
    EXPECT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::あり);
    EXPECT_EQ(d.手数, 8);
}
