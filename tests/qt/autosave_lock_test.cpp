// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the game in one folder: the first keeps its game, the
// second says that it does not keep one and never touches the file; once
// the first is gone, the next copy owns the folder and is offered the game.
// Whatever else lies where the lock goes never hides the kept game: it is
// told once, with its name and what to do, and the game is offered to be
// read, the file and the thing in the way left as they were.
#include "front/qt/autosave_lock.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSysInfo>

#include "play/resume.h"
#include "store/autosave.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/unprivileged.h"

namespace {

namespace fs = std::filesystem;
using 告知一覧 = std::vector<std::pair<std::string, std::string>>;

void 押す(窓& w, int 列, int 行) {
    QTest::mouseClick(w.キャンバス(), Qt::LeftButton, {},
                      w.ツイップから位置(盤原点X + 桝幅 * 列 + 307, 盤原点Y + 桝高 * 行 + 307));
}

// A copy started as the program starts itself, its questions answered はい.
std::unique_ptr<窓> 開く(告知一覧& 告知) {
    auto w = std::make_unique<窓>(false);
    w->一息に = true;
    w->自動応答 = [&告知](const std::string& 本文, const std::string& 題, ボタン b) {
        告知.emplace_back(本文, 題);
        return b == ボタン::はいいいえ ? 応答::はい : 応答::OK;
    };
    w->起動だけ();
    w->自動保存を始める();
    return w;
}

}  // namespace

TEST(二つのコピー, 二つ目は告げて自動保存に触れず_一つ目が去れば次が引き継ぐ) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    告知一覧 告知1, 告知2, 告知3;
    auto 一 = 開く(告知1);
    EXPECT_TRUE(告知1.empty());
    一->メニュー("START")->trigger();
    押す(*一, 3, 7);
    押す(*一, 3, 6);
    const std::string 残り = ファイルの中身(自動保存ファイル);
    ASSERT_NE(残り.find("\n手数=1\n"), std::string::npos);

    // However long the first copy has been running, its lock holds.
    fs::last_write_time(自動保存の錠ファイル, fs::file_time_type::clock::now() - std::chrono::hours(5));
    auto 二 = 開く(告知2);
    ASSERT_EQ(告知2.size(), 1u) << "the second copy was offered the first one's game";
    EXPECT_EQ(告知2[0].first, "このフォルダーでは別の Vezuvire が動いています。\rこの対局は自動保存しません。");
    EXPECT_EQ(告知2[0].second, "自動保存");
    EXPECT_EQ(二->状態参照().手数, 0);
    // Whatever the second copy does, the first one's file stays.
    二->メニュー("START")->trigger();
    押す(*二, 3, 7);
    押す(*二, 3, 6);
    EXPECT_EQ(二->状態参照().手数, 1);
    二->メニュー("CANCEL")->trigger();
    二->close();
    二.reset();
    EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);

    // The first one plays on and keeps its game.
    押す(*一, 3, 3);
    押す(*一, 3, 4);
    EXPECT_NE(ファイルの中身(自動保存ファイル).find("\n手数=2\n"), std::string::npos);
    一->close();
    一.reset();
    EXPECT_FALSE(fs::exists(自動保存の錠ファイル));

    auto 三 = 開く(告知3);
    ASSERT_FALSE(告知3.empty());
    EXPECT_EQ(告知3[0].first, "前回の対局を続けますか？");
    EXPECT_EQ(三->状態参照().手数, 2);
}

namespace {

// What lies where the lock goes, and what the player is told about it.
struct 邪魔な物 {
    const char* 名;
    std::function<void()> 置く;
    std::string 理由;  // the line that says why; empty: no message, the lock is taken over
};

const std::string 錠の一行目 =
    "「Vezuvire.autosave.lock」は、このコンピューターで動いている Vezuvire の錠だとは確かめられません。";

void 書く(const std::string& 中身) {
    std::ofstream f(自動保存の錠ファイル, std::ios::binary);
    f << 中身;
}

// A process that has ended: its number is free.
qint64 終わったプロセス() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    int st = 0;
    ::waitpid(pid, &st, 0);
    return pid;
}

}  // namespace

TEST(邪魔な錠, 動くコピーのものと確かめられない錠は一度告げ_前回の対局を読むだけで出す) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    const std::string ここ = QSysInfo::machineHostName().toStdString();
    const 邪魔な物 一覧表[] = {
        {"empty file", [] { 書く(""); }, "そのファイルは空です。"},
        {"garbage", [] { 書く("garbage\n\x01\x02 not a lock\n"); }, "そのファイルの中身は錠の形をしていません。"},
        {"folder", [] { fs::create_directory(自動保存の錠ファイル); }, "それはフォルダーです。"},
        {"dangling link", [] { fs::create_symlink("nowhere/at/all", 自動保存の錠ファイル); }, "それはシンボリックリンクです。"},
        {"link to a lock", [] { std::ofstream("real.lock") << "1\nvezuvire\nanother-machine\n"; fs::create_symlink("real.lock", 自動保存の錠ファイル); },
         "それはシンボリックリンクです。"},
        {"FIFO", [] { ::mkfifo(自動保存の錠ファイル, 0600); }, "それは通常のファイルではありません。"},
        {"another computer's", [] { 書く("1\nvezuvire\nanother-machine\n"); }, "それは別のコンピューター「another-machine」の錠です。"},
        {"this computer's, process gone", [&] { 書く(std::to_string(終わったプロセス()) + "\ntest_qt\n" + ここ + "\n"); }, ""},
    };
    for (const 邪魔な物& c : 一覧表) {
        SCOPED_TRACE(c.名);
        一時フォルダ 場所;
        // A game left unfinished by an earlier copy.
        告知一覧 前, 告知;
        {
            auto 一 = 開く(前);
            一->メニュー("START")->trigger();
            押す(*一, 3, 7);
            押す(*一, 3, 6);
            一->close();
        }
        const std::string 残り = ファイルの中身(自動保存ファイル);
        ASSERT_NE(残り.find("\n手数=1\n"), std::string::npos);
        c.置く();
        struct stat 前の様子 {};
        ASSERT_EQ(::lstat(自動保存の錠ファイル, &前の様子), 0);

        auto 二 = 開く(告知);
        if (c.理由.empty()) {
            // Taken over: the game is offered and kept as always.
            ASSERT_EQ(告知.size(), 1u);
            EXPECT_EQ(告知[0].first, "前回の対局を続けますか？");
            EXPECT_EQ(二->状態参照().手数, 1);
            二->close();
            continue;
        }
        ASSERT_EQ(告知.size(), 2u) << "told once, then offered the game";
        EXPECT_EQ(告知[0].first, 錠の一行目 + "\r" + c.理由 +
                                     "\rこのフォルダーを使っている Vezuvire がほかになければ、「Vezuvire.autosave.lock」"
                                     "を消してください。\r前回の対局は続けられますが、この対局は自動保存しません。");
        EXPECT_EQ(告知[0].second, "自動保存");
        EXPECT_EQ(告知[1].first, "前回の対局を続けますか？");
        EXPECT_EQ(二->状態参照().手数, 1) << "the kept game was not put on the board";
        // Played on, and ended: the kept game and the thing in the way stay.
        押す(*二, 3, 3);
        押す(*二, 3, 4);
        EXPECT_EQ(二->状態参照().手数, 2);
        二->close();
        二.reset();
        EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);
        struct stat 後の様子 {};
        ASSERT_EQ(::lstat(自動保存の錠ファイル, &後の様子), 0);
        EXPECT_EQ(後の様子.st_mode, 前の様子.st_mode);
        EXPECT_EQ(後の様子.st_ino, 前の様子.st_ino);
        EXPECT_EQ(std::count_if(告知.begin(), 告知.end(), [](const auto& t) { return t.first.starts_with(錠の一行目); }), 1)
            << "told more than once";
    }
}

// A lock file this user may not read: told as such (as an ordinary user;
// root reads everything).
TEST(邪魔な錠, 読めない錠) {
    一時フォルダ 場所;
    書く("1\nvezuvire\nhost\n");
    ::chmod(自動保存の錠ファイル, 0);
    一般ユーザーのものに(自動保存の錠ファイル);
    一般ユーザーのものに(".");
    const int r = 一般ユーザーで([] {
        const 錠の結果 k = 錠を調べる(QString::fromUtf8(自動保存の錠ファイル));
        return k.様子 == 錠の様子::読めない && k.名 == "Vezuvire.autosave.lock" ? 0 : 1;
    });
    ASSERT_NE(r, 255) << "could not become an ordinary user";
    EXPECT_EQ(r, 0);
}
