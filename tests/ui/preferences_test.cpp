// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences store "Vezuvire.prefs": key=value lines read leniently,
// written back whole, keys this version does not know kept.
#include "store/preferences.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/temp_dir.h"

namespace {

std::string ファイルの中身(const std::string& パス) {
    std::ifstream in(パス, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct 読みの例 {
    const char* 中身;
    const char* 鍵;
    const char* 値;  // nullptr: the key has no value
};

}  // namespace

TEST(好み設定, 行ごとに読み_読めない行は飛ばす) {
    const 読みの例 例[] = {
        {"language=en\n", "language", "en"},
        {"language=en", "language", "en"},                 // no final line feed
        {"language=en\r\n", "language", "en"},             // CR LF
        {"  language =  ja  \n", "language", "ja"},        // blanks round key and value
        {"language=en\nlanguage=ja\n", "language", "ja"},  // the last line counts
        {"# language=en\n", "language", nullptr},          // a comment
        {"language\n", "language", nullptr},               // no '='
        {"=en\n", "", nullptr},                            // no key
        {"piece_labels=letters\nlanguage=en\n", "piece_labels", "letters"},
        {"language=\n", "language", ""},                        // an empty value is a value
        {"a=b=c\n", "a", "b=c"},                                // the first '=' splits
        {"\xEF\xBB\xBF\n\nlanguage=en\n\n", "language", "en"},  // blank lines skipped
    };
    for (const auto& e : 例) {
        const 好み設定 帳 = 好み設定::解読(e.中身);
        SCOPED_TRACE(e.中身);
        EXPECT_EQ(帳.ある(e.鍵), e.値 != nullptr);
        if (e.値) EXPECT_EQ(帳.値(e.鍵, "?"), e.値);
        else EXPECT_EQ(帳.値(e.鍵, "?"), "?");
    }
}

TEST(好み設定, 書式は鍵の順で_読み直すと同じ) {
    好み設定 帳;
    EXPECT_TRUE(帳.設定("piece_labels", "letters"));
    EXPECT_TRUE(帳.設定("language", "en"));
    EXPECT_EQ(帳.書式(), "language=en\npiece_labels=letters\n");
    EXPECT_EQ(好み設定::解読(帳.書式()).書式(), 帳.書式());
    帳.消す("language");
    EXPECT_EQ(帳.書式(), "piece_labels=letters\n");
}

TEST(好み設定, 書けない鍵と値は断る) {
    好み設定 帳;
    for (const char* 鍵 : {"", "a=b", "#a", "a\nb", " a", "a "}) EXPECT_FALSE(帳.設定(鍵, "x")) << 鍵;
    EXPECT_FALSE(帳.設定("a", "x\ny"));
    EXPECT_FALSE(帳.設定("a", "x\r"));
    EXPECT_EQ(帳.書式(), "");
}

TEST(好み設定, ファイルに書いて読み_知らない鍵も残す) {
    一時フォルダ 場所;
    const std::string パス = 好み設定ファイル名;
    好み設定 帳;
    EXPECT_EQ(帳.読む(パス), 0);  // no file yet: an empty store
    EXPECT_EQ(帳.書式(), "");
    {
        std::ofstream out(パス, std::ios::binary);
        out << "# written by a newer version\nsound_volume=7\nlanguage=ja\n";
    }
    ASSERT_EQ(帳.読む(パス), 0);
    帳.設定(好み_言語, "en");
    ASSERT_EQ(帳.書く(パス), 0);
    EXPECT_EQ(ファイルの中身(パス), "language=en\nsound_volume=7\n");
    好み設定 次;
    ASSERT_EQ(次.読む(パス), 0);
    EXPECT_EQ(次.値(好み_言語), "en");
    EXPECT_EQ(次.値("sound_volume"), "7");
}

TEST(好み設定, 読めないものは理由を答える) {
    一時フォルダ 場所;
    std::filesystem::create_directory("d");
    好み設定 帳;
    EXPECT_NE(帳.読む("d"), 0);  // a folder
    EXPECT_NE(帳.書く("d"), 0);
}
