// SPDX-License-Identifier: GPL-3.0-or-later
// A record handed to the program (a file opened from the file manager) in
// the real window, offscreen: it is loaded as a click on it in the
// "棋譜" → "読込" list loads it — the same messages, the same picture, the
// same replay — whatever folder it lies in; a file that cannot be read is
// told in one message and the game goes on as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/position.h"
#include "store/record_file.h"
#include "tests/qt/window_fixture.h"

namespace {

namespace fs = std::filesystem;

struct 告げたこと {
    std::string 本文, 題;
    bool operator==(const 告げたこと&) const = default;
};

struct 見えたもの {
    std::vector<告げたこと> 告知;
    QImage 絵;
    int 棋譜モード = 0, 棋譜最終手数 = 0, 棋譜手数 = -1;
};

// A window started in the working directory; 開く loads the record.
見えたもの 窓で開く(const std::function<void(窓&)>& 開く) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    見えたもの r;
    auto w = std::make_unique<窓>(false);
    w->一息に = true;
    w->自動応答 = [&r](const std::string& 本文, const std::string& 題, ボタン) {
        r.告知.push_back({本文, 題});
        return 応答::OK;
    };
    w->開始();
    w->show();
    QApplication::processEvents();
    r.告知.clear();
    開く(*w);
    QApplication::processEvents();
    r.絵 = w->画像();
    r.棋譜モード = w->状態参照().操作.棋譜モード;
    r.棋譜最終手数 = w->状態参照().棋譜最終手数;
    r.棋譜手数 = w->状態参照().棋譜手数;
    EXPECT_FALSE(w->終わった());
    return r;
}

// As the player does it: 棋譜 → 読込, then a click on the file in the list.
void 一覧から読む(窓& w, const std::string& 名前) {
    w.メニュー("KIFU_READ")->trigger();
    QApplication::processEvents();
    auto* l = w.キャンバス()->findChild<QListWidget*>();
    ASSERT_NE(l, nullptr);
    const auto 項目 = l->findItems(QString::fromStdString(名前), Qt::MatchExactly);
    ASSERT_EQ(項目.size(), 1) << 名前;
    emit l->itemClicked(項目.front());
}

// A record of three positions, the starting one each time, with ASCII
// header lines; 壊す spoils one hand count of the second position.
std::string 棋譜の中身(bool 壊す) {
    テスト用アプリ();
    窓 w(false);
    w.一息に = true;
    w.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    w.開始();
    棋譜局面 r;
    static_cast<局面&>(r) = 局面_取得(w.状態参照());
    std::string t = "Test game\r\nTop player\r\nBottom player\r\n";
    for (int i = 0; i < 3; ++i) {
        std::string 行 = 変換_指し手行(r);
        if (壊す && i == 1) 行[持駒の列 - 1] = 'Z';
        t += 行 + "\r\n";
    }
    return t;
}

void 書く(const fs::path& p, const std::string& t) { std::ofstream(p, std::ios::binary) << t; }

}  // namespace

TEST(起動時の棋譜, 別のフォルダの棋譜も一覧から読んだときと同じに見える) {
    struct 場合 {
        const char* 名;
        bool 壊す;
        std::vector<const char*> 本文の一部;  // in the order told
    };
    const 場合 一覧表[] = {
        {"whole", false, {" 読み込みました", "棋譜を '進 'で進めて下さい"}},
        {"damaged", true, {"には壊れた項目がありました", " 読み込みました", "棋譜を '進 'で進めて下さい"}},
    };
    for (const 場合& c : 一覧表) {
        SCOPED_TRACE(c.名);
        const std::string 名前 = std::string("対局_") + c.名 + ".棋譜";
        const std::string 中身 = 棋譜の中身(c.壊す);
        見えたもの 一覧;
        {
            一時フォルダ 場所;
            書く(場所.場所() / 名前, 中身);
            一覧 = 窓で開く([&](窓& w) { 一覧から読む(w, 名前); });
        }
        見えたもの 引数;
        {
            一時フォルダ 棋譜の場所(fs::temp_directory_path(), false);
            const fs::path パス = 棋譜の場所.場所() / 名前;
            書く(パス, 中身);
            一時フォルダ 場所;  // the game starts in another folder
            引数 = 窓で開く([&](窓& w) { w.棋譜を開く(パス.string()); });
        }
        ASSERT_EQ(引数.告知.size(), c.本文の一部.size());
        for (std::size_t i = 0; i < c.本文の一部.size(); ++i) {
            EXPECT_NE(引数.告知[i].本文.find(c.本文の一部[i]), std::string::npos) << 引数.告知[i].本文;
            EXPECT_EQ(引数.告知[i].題, "棋譜");
        }
        EXPECT_EQ(引数.告知, 一覧.告知);
        EXPECT_EQ(引数.棋譜モード, 1);
        EXPECT_EQ(引数.棋譜最終手数, 3);
        EXPECT_EQ(引数.棋譜手数, 0);
        EXPECT_EQ(引数.棋譜最終手数, 一覧.棋譜最終手数);
        EXPECT_TRUE(引数.絵 == 一覧.絵) << "the window shows the record otherwise";
    }
}

TEST(起動時の棋譜, 読めない棋譜は一度告げて普段どおり始まる) {
    struct 場合 {
        const char* 名;
        std::string パス;  // relative to the test's outer folder
        bool フォルダ;
    };
    一時フォルダ 場所;
    fs::create_directories(場所.外側() / "a folder.棋譜");
    const 場合 一覧表[] = {
        {"missing", "ない.棋譜", false},
        {"a folder", "a folder.棋譜", true},
    };
    見えたもの 普段 = 窓で開く([](窓&) {});
    for (const 場合& c : 一覧表) {
        SCOPED_TRACE(c.名);
        const std::string パス = (場所.外側() / c.パス).string();
        見えたもの r = 窓で開く([&](窓& w) { w.棋譜を開く(パス); });
        ASSERT_EQ(r.告知.size(), 1u);
        EXPECT_EQ(r.告知[0].本文.rfind("棋譜ファイル「" + c.パス + "」を開けませんでした。\r", 0), 0u) << r.告知[0].本文;
        EXPECT_GT(r.告知[0].本文.size(), ("棋譜ファイル「" + c.パス + "」を開けませんでした。\r").size())
            << "the reason is told too";
        EXPECT_EQ(r.棋譜モード, 0);
        EXPECT_EQ(r.棋譜最終手数, 普段.棋譜最終手数);
        EXPECT_TRUE(r.絵 == 普段.絵) << "the game starts as usual";
    }
}
