// The record-file format on its own: column layout, header lines, the
// reading rules for damaged files, and saving without losing an older file.
#include "records/record_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "records/sjis.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Field of square (x, y) in a move line.
std::string 桝欄(const std::string& 行, int x, int y) {
    return 行.substr(static_cast<std::size_t>(((x - 1) * 9 + (y - 1)) * 4), 4);
}

棋譜局面 王二枚() {
    棋譜局面 r;
    r.盤[5][1] = 800;
    r.盤[5][9] = -802;
    return r;
}
const std::string 頭 = "\r\n\r\n\r\n";  // three empty header lines

std::string 読む(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(棋譜の行, 桝は四桁で持駒は325桁目から時間は五桁) {
    auto s = std::make_unique<状態>();
    s->盤履歴[1][1][1] = 200;
    s->盤履歴[1][1][9] = -202;
    s->盤履歴[1][2][1] = 300;
    s->盤履歴[1][9][9] = -713;
    s->盤履歴[1][4][4] = 813;  // no such code: written as empty, never spilling over
    s->持駒履歴_MAN[1][1] = 3;
    s->持駒履歴_COM[1][7] = 1;
    s->前秒M履歴[1] = 7.9;  // rounded down
    s->後秒M履歴[1] = 1234;
    s->前秒C履歴[1] = 12345;
    s->後秒C履歴[1] = 123456;
    const std::string 行 = 変換_指し手行(取得_記録局面(*s, 1));
    ASSERT_EQ(行.size(), 指し手行の長さ);
    EXPECT_EQ(桝欄(行, 1, 1), " 200");
    EXPECT_EQ(桝欄(行, 1, 2), "   0");
    EXPECT_EQ(桝欄(行, 1, 9), "-202");
    EXPECT_EQ(桝欄(行, 2, 1), " 300");  // column 2 follows column 1
    EXPECT_EQ(桝欄(行, 4, 4), "   0");
    EXPECT_EQ(桝欄(行, 9, 9), "-713");
    EXPECT_EQ(行.substr(持駒の列 - 1, 14), "30000000000001");
    EXPECT_EQ(行.substr(時間の列 - 1), std::string("    7") + " 1234" + "12345" + "99999");

    // 10..18 pieces of a kind: one letter, read back as the count.
    for (int n = 0; n <= 18; ++n) {
        棋譜局面 r = 王二枚();
        r.持駒_MAN[1] = n;
        r.持駒_COM[1] = 18 - n;
        const std::string t = 変換_指し手行(r);
        EXPECT_EQ(t[持駒の列 - 1], n < 10 ? '0' + n : 'A' + n - 10) << n;
        bool 損傷 = false;
        EXPECT_EQ(解析_指し手行(t, 損傷), r) << n;
        EXPECT_FALSE(損傷);
    }
}

TEST(棋譜ファイル, 見出し三行と一手目からの行をCRLFのShift_JISで書く) {
    auto s = std::make_unique<状態>();
    s->盤履歴[0][1][1] = 100;  // record 0 is not written
    s->盤履歴[2][5][5] = -102;
    s->棋譜最終手数 = 2;
    std::string エラー;
    const std::string b = 変換_棋譜バイト列(*s, "ﾃｽﾄ対局", "上の人", "", エラー);
    ASSERT_TRUE(エラー.empty());
    const std::string 期待頭 = "\xC3\xBD\xC4" + *UTF8からSJIS("対局") + "\r\n" + *UTF8からSJIS("上の人") + "\r\n\r\n";
    ASSERT_EQ(b.substr(0, 期待頭.size()), 期待頭);
    EXPECT_EQ(b.substr(期待頭.size()), 変換_指し手行(取得_記録局面(*s, 1)) + "\r\n" +
                                           変換_指し手行(取得_記録局面(*s, 2)) + "\r\n");

    // A name the file cannot hold is refused, naming it.
    EXPECT_TRUE(変換_棋譜バイト列(*s, "🐉", "", "", エラー).empty());
    EXPECT_NE(エラー.find("🐉"), std::string::npos);
    変換_棋譜バイト列(*s, "", "a\nb", "", エラー);
    EXPECT_FALSE(エラー.empty());
}

TEST(棋譜を読む, 長い行と短い行と改行の種類とShift_JISでない見出し) {
    const std::string 行 = 変換_指し手行(王二枚());
    std::string 長い = 行 + "12345 junk";  // beyond column 358: ignored
    長い[持駒の列 - 1] = '2';
    std::string 短い = 行.substr(0, 時間の列 - 1) + "    9 3";  // a clock and a half
    const std::string 悪い = std::string("\x82\xA0") + "\x82\xFF" + "ok";  // "あ", a stray lead byte, 0xFF
    const 棋譜内容 k = 解析_棋譜(悪い + "\r\n" + *UTF8からSJIS("先手ﾀﾛｳ") + "\n\x81\r" + 長い + "\r\n" + 短い + "\n" + 行);
    EXPECT_EQ(k.対局名.substr(0, 3), "あ");
    EXPECT_NE(k.対局名.find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(k.対局名.substr(k.対局名.size() - 2), "ok");
    EXPECT_EQ(k.上の名前, "先手ﾀﾛｳ");
    EXPECT_EQ(k.下の名前, "\xEF\xBF\xBD");
    ASSERT_EQ(k.局面.size(), 3u);
    EXPECT_EQ(k.局面[0].持駒_MAN[1], 2);
    EXPECT_EQ(k.局面[0].後秒C, 0);
    EXPECT_EQ(k.局面[1].前秒M, 9);
    EXPECT_EQ(k.局面[1].後秒M, 3);
    EXPECT_EQ(k.局面[1].前秒C, 0);
    EXPECT_EQ(k.局面[2], 王二枚());
    EXPECT_FALSE(k.損傷 || k.超過);
    EXPECT_TRUE(解析_棋譜(std::string_view("only\r\n")).局面.empty());
}

TEST(棋譜を読む, 壊れた項目は0として読み損傷を知らせる) {
    const std::string 行 = 変換_指し手行(王二枚());
    const struct {
        std::size_t 位置;
        std::string 中身;
        int 値;  // what the field reads as
        bool 損傷;
    } 例々[] = {
        {0, " 999", 0, true},             // not a piece code
        {0, "  12", 0, true},
        {0, "-804", 0, true},             // facing 4
        {0, " 512", 0, true},             // a promoted gold does not exist
        {0, "-713", -713, false},         // a promoted rook
        {0, "abcd", 0, false},            // no number at all: an empty square
        {持駒の列 - 1, "x", 0, true},     // a hand count that is no count
        {持駒の列 - 1, "J", 0, true},     // 19 cannot be written
        {持駒の列 - 1, "I", 18, false},
        {時間の列 - 1, "  -12", 0, true},  // negative thinking time
        {時間の列 - 1, "12abc", 12, false},
    };
    for (const auto& e : 例々) {
        std::string t = 行;
        t.replace(e.位置, e.中身.size(), e.中身);
        const 棋譜内容 k = 解析_棋譜(頭 + t);
        ASSERT_EQ(k.局面.size(), 1u) << e.中身;
        const auto& r = k.局面[0];
        EXPECT_EQ(e.位置 == 0 ? r.盤[1][1] : e.位置 < 時間の列 - 1 ? r.持駒_MAN[1] : r.前秒M, e.値) << e.中身;
        EXPECT_EQ(k.損傷, e.損傷) << e.中身;
    }
}

TEST(棋譜を読む, 五百手を超える分は読まず王のない局面の手前で切る) {
    const std::string 行 = 変換_指し手行(王二枚()) + "\r\n";
    std::string 体;
    for (int i = 0; i < 501; ++i) 体 += 行;
    棋譜内容 k = 解析_棋譜(頭 + 体);
    EXPECT_EQ(k.局面.size(), 500u);
    EXPECT_TRUE(k.超過);
    k = 解析_棋譜(頭 + 体.substr(行.size()));  // exactly 500
    EXPECT_EQ(k.局面.size(), 500u);
    EXPECT_FALSE(k.超過);

    // Record 3 lost the bottom king (its field is damaged): 1 and 2 stay.
    std::string 無し = 行;
    無し.replace((4 * 9 + 8) * 4, 4, "-8O2");
    k = 解析_棋譜(頭 + 行 + 行 + 無し + 行);
    EXPECT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.王なし手, 3);
    // An empty line is a position without any king.
    k = 解析_棋譜(頭 + "\r\n" + 行);
    EXPECT_TRUE(k.局面.empty());
    EXPECT_EQ(k.王なし手, 1);
}

TEST(棋譜を保存, 書けなかったとき古いファイルはそのまま残る) {
    一時フォルダ d;
    auto s = std::make_unique<状態>();
    for (int n = 1; n <= 40; ++n) s->盤履歴[n][5][1] = 800, s->盤履歴[n][5][9] = -802;
    s->棋譜最終手数 = 1;
    const std::string パス = (d.場所() / "対局.棋譜").string();
    ASSERT_EQ(書込_棋譜(*s, パス, "名", "上", "下"), "");
    const std::string 一回目 = 読む(パス);
    棋譜内容 k;
    std::string エラー;
    ASSERT_EQ(読込_棋譜(パス, k, エラー), 真);
    EXPECT_EQ(k.上の名前, "上");
    EXPECT_EQ(k.局面.size(), 1u);

    // The disk fills up half-way through a longer record.
    s->棋譜最終手数 = 40;
    struct sigaction 無視 {}, 元 {};
    無視.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &無視, &元);
    rlimit 元の上限{}, 小さい{};
    getrlimit(RLIMIT_FSIZE, &元の上限);
    小さい = 元の上限;
    小さい.rlim_cur = 4000;
    setrlimit(RLIMIT_FSIZE, &小さい);
    const std::string e = 書込_棋譜(*s, パス, "名", "上", "下");
    setrlimit(RLIMIT_FSIZE, &元の上限);
    sigaction(SIGXFSZ, &元, nullptr);
    EXPECT_NE(e.find("「" + パス + "」を書き込めませんでした"), std::string::npos) << e;
    EXPECT_NE(e.find("ファイルが大きすぎます"), std::string::npos) << e;
    EXPECT_EQ(読む(パス), 一回目);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(d.場所()), fs::directory_iterator{}), 1);
}

TEST(ファイル名, 空白を除き長すぎる名前を断る) {
    EXPECT_EQ(整形_ファイル名("  対局 \t"), "対局");
    EXPECT_EQ(整形_ファイル名("\xE3\x80\x80対局\xE3\x80\x80"), "対局");
    EXPECT_EQ(調査_ファイル名(".", std::string("a\0b", 3)).empty(), false);
    // The name plus ".棋譜" (7 bytes) must fit the file system's limit.
    EXPECT_EQ(調査_ファイル名(".", std::string(248, 'a')), "");
    EXPECT_NE(調査_ファイル名(".", std::string(249, 'a')), "");
}
