// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the game in one folder: the first keeps its game, the
// second says that it does not keep one and never touches the file; once
// the first is gone, the next copy owns the folder and is offered the game.
#include "front/qt/autosave_lock.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/resume.h"
#include "game/autosave.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"

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
