// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: first start, exact matching, short and damaged files,
// the writer and the option items.
#include "store/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/clock.h"
#include "store/sjis.h"
#include "tests/support/fake_platform.h"
#include "tests/support/read_fault.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"
#include "tests/support/watchdog.h"
#include "view/clock_view.h"

namespace {

struct 設定テスト : ::testing::Test {
    一時フォルダ 場所;
    状態 s;
    FakePlatform p;

    static void 書く(const std::string& bytes) {
        std::ofstream f(設定ファイル名, std::ios::binary);
        f << bytes;
    }
    static void 書く行(std::initializer_list<std::string> 行) {
        std::string b;
        for (const auto& l : 行) b += *UTF8からSJIS(l) + "\r\n";
        書く(b);
    }
    static std::string 中身() {
        std::ifstream f(設定ファイル名, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return SJISからUTF8(ss.str());
    }
    bool 音楽開始() const {
        for (const auto& a : p.音)
            if (a.rfind("loop", 0) == 0) return true;
        return false;
    }
};

const std::string 既定 = "背景画=緑\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n";

}  // namespace

TEST_F(設定テスト, 初回は既定値を書いて適用する) {
    s.表示.背景種類 = 背景_宇宙;
    読込_環境設定ファイル(s, p);
    EXPECT_EQ(中身(), 既定);
    EXPECT_EQ(s.表示.背景種類, 背景_緑);
    EXPECT_TRUE(s.操作.checked(メニュー項目::MIDORI));
    EXPECT_FALSE(s.操作.checked(メニュー項目::SIDOU));
    EXPECT_EQ(s.表示.移動指導色, 2);
    EXPECT_TRUE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_TRUE(s.操作.checked(メニュー項目::BGM));
    EXPECT_TRUE(音楽開始());
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

TEST_F(設定テスト, 四行はそのまま比べる) {
    書く行({"背景画=煉瓦", "移動指導=ON", "経過時間=OFF", "BGM=OFF"});
    読込_環境設定ファイル(s, p);
    EXPECT_EQ(s.表示.背景種類, 背景_煉瓦);
    EXPECT_TRUE(s.操作.checked(メニュー項目::RENGA));
    EXPECT_FALSE(s.操作.checked(メニュー項目::MIDORI));
    EXPECT_EQ(s.操作.移動指導, 1);
    EXPECT_EQ(s.表示.移動指導色, 色_白);
    EXPECT_FALSE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_FALSE(s.操作.checked(メニュー項目::BGM));
    EXPECT_FALSE(音楽開始());

    状態 t;
    FakePlatform q;
    t.表示.背景種類 = 背景_竹;
    書く行({"背景画=みどり", "移動指導=on", "経過時間=ON", "BGM=ON"});
    読込_環境設定ファイル(t, q);
    EXPECT_EQ(t.表示.背景種類, 背景_竹);  // unknown first line changes nothing
    EXPECT_EQ(t.操作.移動指導, 0);        // only the exact upper-case text turns it on
    EXPECT_TRUE(t.操作.checked(メニュー項目::KEIKA));
}

TEST_F(設定テスト, 行は丸ごと一致した時だけ効く) {
    // Texts that begin (or end) like a known line but are not that line:
    // each counts as "anything else".
    for (const auto& 余分 : {std::string(" "), std::string("X"), std::string("=ON")}) {
        SCOPED_TRACE("[" + 余分 + "]");
        状態 t;
        FakePlatform q;
        t.表示.背景種類 = 背景_畳;
        チェック変更(t, q, メニュー項目::TATAMI, true);
        チェック変更(t, q, メニュー項目::SIDOU, true);
        t.操作.移動指導 = 1;
        書く行({"背景画=竹" + 余分, "移動指導=ON" + 余分, "経過時間=ON" + 余分, "BGM=ON" + 余分});
        読込_環境設定ファイル(t, q);
        EXPECT_EQ(t.表示.背景種類, 背景_畳);
        EXPECT_TRUE(t.操作.checked(メニュー項目::TATAMI));
        EXPECT_FALSE(t.操作.checked(メニュー項目::TAKE));
        EXPECT_EQ(t.操作.移動指導, 0);
        EXPECT_EQ(t.表示.移動指導色, 2);
        EXPECT_FALSE(t.操作.checked(メニュー項目::SIDOU));
        EXPECT_FALSE(t.操作.checked(メニュー項目::KEIKA));
        EXPECT_FALSE(t.操作.checked(メニュー項目::BGM));
        for (const auto& a : q.音) EXPECT_NE(a.rfind("loop", 0), 0u) << a;
    }
    // "…=OFF" with something after it is no "OFF" either, but it is no "ON":
    // everything stays off.
    状態 t;
    FakePlatform q;
    書く行({"背景画=緑", "移動指導=OFFX", "経過時間=OFFX", "BGM=OFFX"});
    読込_環境設定ファイル(t, q);
    EXPECT_EQ(t.表示.背景種類, 背景_緑);
    EXPECT_EQ(t.操作.移動指導, 0);
    EXPECT_FALSE(t.操作.checked(メニュー項目::KEIKA));
    EXPECT_FALSE(t.操作.checked(メニュー項目::BGM));
    // Missing the last letters is no match either.
    状態 u;
    FakePlatform r;
    u.表示.背景種類 = 背景_竹;
    書く行({"背景画=宇", "移動指導=O", "経過時間=O", "BGM=O"});
    読込_環境設定ファイル(u, r);
    EXPECT_EQ(u.表示.背景種類, 背景_竹);
    EXPECT_EQ(u.操作.移動指導, 0);
    EXPECT_FALSE(u.操作.checked(メニュー項目::KEIKA));
    EXPECT_FALSE(u.操作.checked(メニュー項目::BGM));
}

TEST_F(設定テスト, 短いか壊れたファイルは既定値に戻して書き直す) {
    書く行({"背景画=畳", "移動指導=ON"});
    読込_環境設定ファイル(s, p);
    EXPECT_EQ(s.表示.背景種類, 背景_緑);
    EXPECT_EQ(s.操作.移動指導, 0);
    EXPECT_EQ(中身(), 既定);

    for (const std::string& bad :
         {std::string("\x82\xff\x00\x01garbage", 11), std::string(100000, 'x'), std::string("\x81")}) {
        状態 t;
        FakePlatform q;
        書く(bad);
        読込_環境設定ファイル(t, q);
        EXPECT_EQ(中身(), 既定);
        EXPECT_EQ(t.表示.背景種類, 背景_緑);
    }
}

TEST_F(設定テスト, 書き出しは印から_背景は決まった順で最初の一つ) {
    チェック変更(s, p, メニュー項目::TAKE, true);
    チェック変更(s, p, メニュー項目::UCHU, true);
    チェック変更(s, p, メニュー項目::SIDOU, true);
    書込_環境設定ファイル(s, p);
    EXPECT_EQ(中身(), "背景画=竹\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
    状態 t;
    書込_環境設定ファイル(t, p);  // nothing checked: no background line
    EXPECT_EQ(中身(), "移動指導=OFF\r\n経過時間=OFF\r\nBGM=OFF\r\n");
}

TEST_F(設定テスト, 選択肢の項目) {
    読込_環境設定ファイル(s, p);
    p.全消去();
    TATAMI_Click(s, p);
    EXPECT_EQ(s.表示.背景種類, 背景_畳);
    EXPECT_TRUE(s.操作.checked(メニュー項目::TATAMI));
    EXPECT_FALSE(s.操作.checked(メニュー項目::MIDORI));
    EXPECT_EQ(中身().rfind("背景画=畳\r\n", 0), 0u);
    EXPECT_FALSE(p.描画.empty());  // redrawn

    SIDOU_Click(s, p);
    EXPECT_EQ(s.操作.移動指導, 1);
    EXPECT_EQ(s.表示.移動指導色, 色_白);
    p.全消去();
    SIDOU_Click(s, p);  // off: every board and hand outline wiped in grid colour
    EXPECT_EQ(s.操作.移動指導, 0);
    int 枠数 = 0;
    for (const auto& d : p.描画) 枠数 += d.種類 == 描画記録::枠 && d.色 == 2;
    EXPECT_EQ(枠数, 81 + 7 + 7);

    p.全消去();
    BGM_Click(s, p);
    BGM_Click(s, p);
    EXPECT_TRUE(s.操作.checked(メニュー項目::BGM));
    ASSERT_EQ(p.音.size(), 2u);
    EXPECT_EQ(p.音[0].substr(0, 4), "stop");
    EXPECT_EQ(p.音[1].substr(0, 4), "loop");
    EXPECT_NE(中身().find("BGM=ON"), std::string::npos);
}

TEST_F(設定テスト, 書けない場所では既定値の印に戻すだけで落ちない) {
    // A folder in the file's place can be neither read as a file nor
    // replaced by one: both paths fall back without a crash.
    std::filesystem::create_directory(設定ファイル名);
    読込_環境設定ファイル(s, p);
    EXPECT_EQ(s.表示.背景種類, 背景_緑);
    EXPECT_TRUE(s.操作.checked(メニュー項目::BGM));
    // Another background, elapsed time and music off in the menu.
    チェック設定(s, p, 背景_宇宙);
    s.表示.背景種類 = 背景_宇宙;
    チェック変更(s, p, メニュー項目::KEIKA, false);
    チェック変更(s, p, メニュー項目::BGM, false);
    p.全消去();
    SIDOU_Click(s, p);  // the write fails: only the check marks go back to the defaults
    EXPECT_EQ(s.操作.移動指導, 1);
    EXPECT_EQ(s.表示.移動指導色, 色_白);
    EXPECT_FALSE(s.操作.checked(メニュー項目::SIDOU));
    EXPECT_TRUE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_TRUE(s.操作.checked(メニュー項目::BGM));
    EXPECT_TRUE(s.操作.checked(メニュー項目::MIDORI));  // green checked again
    EXPECT_TRUE(p.チェック[static_cast<int>(メニュー項目::MIDORI)]);
    EXPECT_FALSE(s.操作.checked(メニュー項目::UCHU));
    EXPECT_EQ(s.表示.背景種類, 背景_宇宙);  // the marks only: the picture stays
    EXPECT_TRUE(p.音.empty());         // and the music is not started
    EXPECT_TRUE(std::filesystem::is_directory(設定ファイル名));
    EXPECT_FALSE(std::filesystem::exists(std::string(設定ファイル名) + ".tmp"));
}

TEST_F(設定テスト, FIFOや装置の名前でも起動は止まらず既定値になる) {
    見張り 犬;
    ASSERT_EQ(::mkfifo(設定ファイル名, 0644), 0);
    読込_環境設定ファイル(s, p);  // would wait for a writer for ever
    EXPECT_EQ(s.表示.背景種類, 背景_緑);
    EXPECT_TRUE(s.操作.checked(メニュー項目::BGM));
    EXPECT_TRUE(音楽開始());
    EXPECT_TRUE(std::filesystem::is_fifo(設定ファイル名)) << "not replaced either";
    std::filesystem::remove(設定ファイル名);

    std::filesystem::create_symlink("/dev/zero", 設定ファイル名);
    状態 t;
    読込_環境設定ファイル(t, p);
    EXPECT_EQ(t.表示.背景種類, 背景_緑);
    EXPECT_TRUE(std::filesystem::is_symlink(設定ファイル名));
}

TEST_F(設定テスト, 読込エラーは落ちずに既定値の道を通る) {
    書く行({"背景画=煉瓦", "移動指導=ON", "経過時間=OFF", "BGM=OFF"});
    {
        読込故障 故障(0);
        読込_環境設定ファイル(s, p);
    }
    EXPECT_EQ(s.表示.背景種類, 背景_緑);
    EXPECT_TRUE(s.操作.checked(メニュー項目::KEIKA));
    EXPECT_EQ(中身(), 既定);
}

TEST_F(設定テスト, 書き出しは仕掛けられたリンクをたどらず権限を保つ) {
    書く("大事なファイル");
    std::filesystem::rename(設定ファイル名, "大事.txt");
    // The temporary name the writer once used, planted as a link.
    std::filesystem::create_symlink("大事.txt", std::string(設定ファイル名) + ".tmp");
    読込_環境設定ファイル(s, p);
    SIDOU_Click(s, p);
    EXPECT_EQ(中身(), "背景画=緑\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=ON\r\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(設定ファイル名)));
    std::ifstream f("大事.txt");
    std::string 大事;
    std::getline(f, 大事);
    EXPECT_EQ(大事, "大事なファイル");

    // A private settings file stays private.
    ::chmod(設定ファイル名, 0600);
    KEIKA_Click(s, p);
    struct stat st {};
    ::stat(設定ファイル名, &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(中身(), "背景画=緑\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=ON\r\n");

    // The settings file itself a link: never written through.
    std::filesystem::remove(設定ファイル名);
    std::filesystem::create_symlink("大事.txt", 設定ファイル名);
    SIDOU_Click(s, p);
    EXPECT_TRUE(std::filesystem::is_symlink(設定ファイル名));
    std::ifstream g("大事.txt");
    std::getline(g, 大事);
    EXPECT_EQ(大事, "大事なファイル");
    EXPECT_FALSE(s.操作.checked(メニュー項目::SIDOU)) << "the write failed: the check marks fall back";
}

TEST_F(設定テスト, 書けない設定ファイルはそのまま残り印だけ既定値に戻る) {
    ::chmod(場所.場所().c_str(), 0777);
    書く行({"背景画=宇宙", "移動指導=ON", "経過時間=OFF", "BGM=OFF"});
    ::chmod(設定ファイル名, 0444);
    一般ユーザーのものに(設定ファイル名);
    const std::string 前 = 中身();
    const int 結果 = 一般ユーザーで([this] {
        読込_環境設定ファイル(s, p);
        int 違い = 0;
        if (s.表示.背景種類 != 背景_宇宙 || !s.操作.checked(メニュー項目::SIDOU)) 違い |= 1;  // read as it is
        BGM_Click(s, p);                                                            // the write is refused
        if (!s.操作.checked(メニュー項目::MIDORI) || s.操作.checked(メニュー項目::SIDOU) || !s.操作.checked(メニュー項目::KEIKA))
            違い |= 2;
        if (s.表示.背景種類 != 背景_宇宙) 違い |= 4;  // only the check marks change
        return 違い;
    });
    ASSERT_NE(結果, 255) << "could not run as an ordinary user";
    EXPECT_EQ(結果, 0);
    EXPECT_EQ(中身(), 前);
    struct stat st {};
    ::stat(設定ファイル名, &st);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}
