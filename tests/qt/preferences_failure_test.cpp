// SPDX-License-Identifier: GPL-3.0-or-later
// A choice from the menus that cannot be kept in "Vezuvire.prefs" (a
// folder, a FIFO or a link by that name, a file far too large) still takes
// effect, and the player is told once, with the reason, however many
// choices follow; with a good store nothing is said and every choice is
// kept.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "store/preferences.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

struct 置き場 {
    const char* 名;
    std::function<void()> 置く;
    std::string 理由;  // empty: stored without a word
};

}  // namespace

TEST(好みの保存, 保存できない設定は一度だけ理由とともに告げ_設定そのものは効く) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    const 置き場 一覧表[] = {
        {"a good store", [] {}, ""},
        {"folder", [] { fs::create_directory(好み設定ファイル名); }, "フォルダです。"},
        {"FIFO", [] { ::mkfifo(好み設定ファイル名, 0600); }, "通常のファイルではありません。"},
        {"link to a file", [] { std::ofstream("real.prefs") << "language=ja\n"; fs::create_symlink("real.prefs", 好み設定ファイル名); },
         "通常のファイルではありません。"},
        {"dangling link", [] { fs::create_symlink("nowhere/prefs", 好み設定ファイル名); }, "通常のファイルではありません。"},
        {"100 MB",
         [] {
             std::ofstream{好み設定ファイル名};
             fs::resize_file(好み設定ファイル名, 100u << 20);
         },
         "ファイルが大きすぎます。"},
    };
    for (const 置き場& c : 一覧表) {
        SCOPED_TRACE(c.名);
        一時フォルダ 場所;
        c.置く();
        std::vector<std::pair<std::string, std::string>> 告知;
        auto w = std::make_unique<窓>(false);
        w->自動応答 = [&告知](const std::string& 本文, const std::string& 題, ボタン) {
            告知.emplace_back(本文, 題);
            return 応答::OK;
        };
        w->開始();
        告知.clear();
        w->言語を選ぶ(言語::英語);
        w->駒の表記を選ぶ(true);
        w->効果音を選ぶ(false);
        w->印を選ぶ("HYOUJI_KAITEN", true);
        w->言語を選ぶ(言語::日本語);
        // every choice took effect
        EXPECT_TRUE(w->状態参照().表示.効果音を消す);
        EXPECT_TRUE(w->状態参照().表示.回転印);
        if (c.理由.empty()) {
            EXPECT_TRUE(告知.empty());
            好み設定 帳;
            ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
            EXPECT_EQ(帳.値(好み_言語), "ja");
            EXPECT_EQ(帳.値(好み_駒の表記), "letters");
            EXPECT_EQ(帳.値(好み_効果音), "off");
            EXPECT_EQ(帳.値(好み_回転印), "on");
        } else {
            ASSERT_EQ(告知.size(), 1u) << "told more than once, or not at all";
            EXPECT_EQ(告知[0].first, "設定を「Vezuvire.prefs」に保存できませんでした。\r" + c.理由 +
                                         "\r選んだ設定は、今回の起動のあいだだけ使われます。");
            EXPECT_EQ(告知[0].second, "ｵﾌﾟｼｮﾝ");
        }
        w->駒の表記を変える(false);
        w.reset();
    }
}
