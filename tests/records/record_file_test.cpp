// SPDX-License-Identifier: GPL-3.0-or-later
// The record-file format on its own: column layout, header lines, the
// reading rules for damaged files, and saving without losing an older file.
#include "store/record_file.h"
#include "view/state.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "store/sjis.h"
#include "tests/support/read_fault.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"
#include "tests/support/watchdog.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

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
    s->記録.書く(1).面.盤[1][1] = 200;
    s->記録.書く(1).面.盤[1][9] = -202;
    s->記録.書く(1).面.盤[2][1] = 300;
    s->記録.書く(1).面.盤[9][9] = -713;
    s->記録.書く(1).面.盤[4][4] = 813;  // no such code: written as empty, never spilling over
    s->記録.書く(1).面.持駒_MAN[1] = 3;
    s->記録.書く(1).面.持駒_COM[7] = 1;
    s->記録.書く(1).前秒M = 7.9;  // rounded down
    s->記録.書く(1).後秒M = 1234;
    s->記録.書く(1).前秒C = 12345;
    s->記録.書く(1).後秒C = 123456;
    const std::string 行 = 変換_指し手行(取得_記録局面(s->記録, 1));
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
    s->記録.書く(0).面.盤[1][1] = 100;  // record 0 is not written
    s->記録.書く(2).面.盤[5][5] = -102;
    s->棋譜最終手数 = 2;
    std::string エラー;
    const std::string b = 変換_棋譜バイト列(s->記録, s->棋譜最終手数, "ﾃｽﾄ対局", "上の人", "", エラー);
    ASSERT_TRUE(エラー.empty());
    const std::string 期待頭 = "\xC3\xBD\xC4" + *UTF8からSJIS("対局") + "\r\n" + *UTF8からSJIS("上の人") + "\r\n\r\n";
    ASSERT_EQ(b.substr(0, 期待頭.size()), 期待頭);
    EXPECT_EQ(b.substr(期待頭.size()),
              変換_指し手行(取得_記録局面(s->記録, 1)) + "\r\n" + 変換_指し手行(取得_記録局面(s->記録, 2)) + "\r\n");

    // A name the file cannot hold is refused, naming it.
    EXPECT_TRUE(変換_棋譜バイト列(s->記録, s->棋譜最終手数, "🐉", "", "", エラー).empty());
    EXPECT_NE(エラー.find("🐉"), std::string::npos);
    変換_棋譜バイト列(s->記録, s->棋譜最終手数, "", "a\nb", "", エラー);
    EXPECT_FALSE(エラー.empty());
}

TEST(棋譜を読む, 長い行と短い行と改行の種類とShift_JISでない見出し) {
    const std::string 行 = 変換_指し手行(王二枚());
    std::string 長い = 行 + "12345 junk";  // beyond column 358: ignored
    長い[持駒の列 - 1] = '2';
    std::string 短い = 行.substr(0, 時間の列 - 1) + "    9 3";             // a clock and a half
    const std::string 悪い = std::string("\x82\xA0") + "\x82\xFF" + "ok";  // "あ", a stray lead byte, 0xFF
    const 棋譜内容 k =
        解析_棋譜(悪い + "\r\n" + *UTF8からSJIS("先手ﾀﾛｳ") + "\n\x81\r" + 長い + "\r\n" + 短い + "\n" + 行);
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
        {0, " 999", 0, true},  // not a piece code
        {0, "  12", 0, true},
        {0, "-804", 0, true},          // facing 4
        {0, " 512", 0, true},          // a promoted gold does not exist
        {0, "-713", -713, false},      // a promoted rook
        {0, "abcd", 0, false},         // no number at all: an empty square
        {持駒の列 - 1, "x", 0, true},  // a hand count that is no count
        {持駒の列 - 1, "J", 0, true},  // 19 cannot be written
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

    // Record 3 lost the bottom king (its field is damaged): 1 and 2 stay,
    // and the reason given is the damage.
    std::string 無し = 行;
    無し.replace((4 * 9 + 8) * 4, 4, "-8O2");
    k = 解析_棋譜(頭 + 行 + 行 + 無し + 行);
    EXPECT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.王なし手, 3);
    EXPECT_EQ(k.切断, 切断理由::駒が壊れている);
    EXPECT_EQ(説明_切断(k), "3手目の行は駒の欄が壊れていて、王がそろっていません。");
    // A whole line without the king.
    無し.replace((4 * 9 + 8) * 4, 4, "   0");
    k = 解析_棋譜(頭 + 行 + 無し + 行);
    EXPECT_EQ(k.局面.size(), 1u);
    EXPECT_EQ(k.切断, 切断理由::王がない);
    EXPECT_EQ(説明_切断(k), "2手目の局面には王がありません。");
    // As the last line it is the end of a game won by taking that king.
    k = 解析_棋譜(頭 + 行 + 無し);
    EXPECT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.王なし手, 0);
    // Without either king it is still cut.
    std::string 両方無し = 無し;
    両方無し.replace((4 * 9 + 0) * 4, 4, "   0");
    k = 解析_棋譜(頭 + 行 + 両方無し);
    EXPECT_EQ(k.局面.size(), 1u);
    EXPECT_EQ(k.王なし手, 2);
    // A file cut off in the middle of the board.
    k = 解析_棋譜(頭 + 行 + 行 + 行.substr(0, 100));
    EXPECT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.切断, 切断理由::行が短い);
    EXPECT_EQ(説明_切断(k), "3手目の行は途中で切れていて、王がそろっていません。");
    // Cut off after the board: the kings are there, the rest reads as 0.
    k = 解析_棋譜(頭 + 行 + 行.substr(0, 持駒の列 + 2));
    EXPECT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.切断, 切断理由::なし);
    EXPECT_EQ(説明_切断(k), "");
}

TEST(棋譜を読む, 空行は局面でなくCRCRLFの行末も一つの行末) {
    const std::string 行 = 変換_指し手行(王二枚());
    std::string 行2 = 行;
    行2[持駒の列 - 1] = '3';
    const std::string 名 = *UTF8からSJIS("名人戦");
    // Blank lines between move lines, and at the end, hold no position.
    棋譜内容 k = 解析_棋譜(頭 + "\r\n" + 行 + "\r\n\r\n  \r\n" + 行2 + "\r\n\r\n");
    ASSERT_EQ(k.局面.size(), 2u);
    EXPECT_EQ(k.局面[1].持駒_MAN[1], 3);
    EXPECT_EQ(k.王なし手, 0);

    // Every line ended by CR CR LF (a CR LF file converted once more): the
    // same record, empty header lines included.
    for (const std::string& 見出し : {名 + "\r\r\n\r\r\n" + 名 + "\r\r\n", "\r\r\n\r\r\n\r\r\n"s}) {
        k = 解析_棋譜(見出し + 行 + "\r\r\n" + 行2 + "\r\r\n");
        ASSERT_EQ(k.局面.size(), 2u) << 説明_切断(k);
        EXPECT_EQ(k.局面[1].持駒_MAN[1], 3);
        EXPECT_EQ(k.上の名前, "");
        EXPECT_EQ(k.下の名前, k.対局名);
        EXPECT_FALSE(k.損傷);
    }
    // Bare CRs still end one line each: two empty headers in a row.
    k = 解析_棋譜(名 + "\r\r" + 名 + "\r" + 行 + "\r\r\r" + 行2);
    EXPECT_EQ(k.対局名, "名人戦");
    EXPECT_EQ(k.上の名前, "");
    EXPECT_EQ(k.下の名前, "名人戦");
    EXPECT_EQ(k.局面.size(), 2u);
    // Mixed: LF, CR LF, CR CR LF.
    std::istringstream f("a\nb\r\nc\r\r\nd\r\re");
    std::string t, 全部;
    while (読込_棋譜ファイル(f, t) == 真) 全部 += "[" + t + "]";
    EXPECT_EQ(全部, "[a][b][c][d][][e]");
}

namespace {

// A stream buffer that fails like a file stream's does on a read error:
// by throwing, after handing out 残り bytes.
class 投げるバッファ : public std::streambuf {
public:
    投げるバッファ(std::string 中身, std::size_t 残り) : 中身_(std::move(中身)), 残り_(残り) {}

protected:
    int_type underflow() override {
        if (位置_ >= 残り_) throw std::ios_base::failure("read error");
        if (位置_ >= 中身_.size()) return traits_type::eof();
        c_ = 中身_[位置_++];
        setg(&c_, &c_, &c_ + 1);
        return traits_type::to_int_type(c_);
    }

private:
    std::string 中身_;
    std::size_t 残り_, 位置_ = 0;
    char c_ = 0;
};

}  // namespace

TEST(棋譜を読む, 読込エラーは落ちずに読めない理由になる) {
    一時フォルダ d;
    見張り 犬;
    const std::string 体 = 頭 + 変換_指し手行(王二枚()) + "\r\n" + 変換_指し手行(王二枚()) + "\r\n";

    // The stream buffer throws part-way through the second line.
    投げるバッファ 窓(体, 頭.size() + 500);
    std::istream in(&窓);
    棋譜内容 k;
    EXPECT_NO_THROW(k = 解析_棋譜(in));
    EXPECT_TRUE(in.bad());
    EXPECT_EQ(k.局面.size(), 1u);

    // Files: one whose reads fail part-way, a name that leads to a file of
    // the system that errs on reading, a FIFO, a device.
    std::ofstream("良い.棋譜", std::ios::binary) << 体;
    fs::create_symlink("/proc/self/mem", "記憶.棋譜");
    ASSERT_EQ(::mkfifo("管.棋譜", 0644), 0);
    fs::create_symlink("/dev/zero", "零.棋譜");
    k.対局名 = "前の内容";
    std::string エラー;
    {
        読込故障 故障(6);
        EXPECT_EQ(読込_棋譜("良い.棋譜", k, エラー), 偽);
        EXPECT_EQ(エラー, "入出力エラーが起きました。");
    }
    EXPECT_EQ(読込_棋譜("記憶.棋譜", k, エラー), 偽);
    EXPECT_EQ(エラー, "入出力エラーが起きました。");
    EXPECT_EQ(読込_棋譜("管.棋譜", k, エラー), 偽);
    EXPECT_EQ(エラー, "通常のファイルではありません。");
    EXPECT_EQ(読込_棋譜("零.棋譜", k, エラー), 偽);
    EXPECT_EQ(エラー, "通常のファイルではありません。");
    EXPECT_EQ(k.対局名, "前の内容") << "a failed read hands nothing back";
    EXPECT_EQ(読込_棋譜("良い.棋譜", k, エラー), 真);
    EXPECT_EQ(k.局面.size(), 2u);
}

TEST(棋譜を読む, 上限より大きいファイルは読まずに断る) {
    一時フォルダ d;
    見張り 犬;
    const std::string 体 = 頭 + 変換_指し手行(王二枚()) + "\r\n";
    // Blank lines fill a record up to the size wanted; 10 GB are left sparse.
    const struct {
        const char* 名;
        unsigned long long 大きさ;
        bool 読める;
    } 例々[] = {
        {"at the limit", 棋譜の大きさの上限, true},
        {"a byte over", 棋譜の大きさの上限 + 1, false},
        {"10 GB", 10ULL << 30, false},
    };
    for (const auto& e : 例々) {
        SCOPED_TRACE(e.名);
        {
            std::ofstream f("大.棋譜", std::ios::binary | std::ios::trunc);
            f << 体;
            if (e.大きさ <= 棋譜の大きさの上限) f << std::string(e.大きさ - 体.size(), '\n');
        }
        if (e.大きさ > 棋譜の大きさの上限) fs::resize_file("大.棋譜", e.大きさ);
        棋譜内容 k;
        std::string エラー;
        EXPECT_EQ(読込_棋譜("大.棋譜", k, エラー), e.読める ? 真 : 偽);
        EXPECT_EQ(エラー, e.読める ? "" : "ファイルが大きすぎます。");
        EXPECT_EQ(k.局面.size(), e.読める ? 1u : 0u);
    }
}

TEST(棋譜を保存, 書けなかったとき古いファイルはそのまま残る) {
    一時フォルダ d;
    auto s = std::make_unique<状態>();
    for (int n = 1; n <= 40; ++n) s->記録.書く(n).面.盤[5][1] = 800, s->記録.書く(n).面.盤[5][9] = -802;
    s->棋譜最終手数 = 1;
    const std::string パス = (d.場所() / "対局.棋譜").string();
    ASSERT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, パス, "名", "上", "下"), "");
    const std::string 一回目 = 読む(パス);
    棋譜内容 k;
    std::string エラー;
    ASSERT_EQ(読込_棋譜(パス, k, エラー), 真);
    EXPECT_EQ(k.上の名前, "上");
    EXPECT_EQ(k.局面.size(), 1u);

    // The disk fills up half-way through a longer record.
    s->棋譜最終手数 = 40;
    struct sigaction 無視 {
    }, 元{};
    無視.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &無視, &元);
    rlimit 元の上限{}, 小さい{};
    getrlimit(RLIMIT_FSIZE, &元の上限);
    小さい = 元の上限;
    小さい.rlim_cur = 4000;
    setrlimit(RLIMIT_FSIZE, &小さい);
    const std::string e = 書込_棋譜(s->記録, s->棋譜最終手数, パス, "名", "上", "下");
    setrlimit(RLIMIT_FSIZE, &元の上限);
    sigaction(SIGXFSZ, &元, nullptr);
    EXPECT_NE(e.find("「" + パス + "」を書き込めませんでした"), std::string::npos) << e;
    EXPECT_NE(e.find("ファイルが大きすぎます"), std::string::npos) << e;
    EXPECT_EQ(読む(パス), 一回目);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(d.場所()), fs::directory_iterator{}), 1);
}

TEST(棋譜を保存, 書けない値は黙って変えず_持駒は断り時間は収めて知らせる) {
    一時フォルダ d;
    auto s = std::make_unique<状態>();
    for (int n = 1; n <= 3; ++n) s->記録.書く(n).面.盤[5][1] = 800, s->記録.書く(n).面.盤[5][9] = -802;
    s->棋譜最終手数 = 3;
    ASSERT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", ""), "");
    const std::string 元 = 読む("対局.棋譜");

    // 18 pawns in hand and one more captured.
    s->記録.書く(2).面.持駒_MAN[1] = 18;
    s->記録.書く(3).面.持駒_MAN[1] = 19;
    std::string 注意 = "前の注意";
    std::string e = 書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "", &注意);
    EXPECT_EQ(e,
              "棋譜ファイル「対局.棋譜」を書き込めませんでした。\r3手目の下の持駒の歩が19枚あり、"
              "棋譜ファイルには書けません（1種類18枚まで）。");
    EXPECT_EQ(注意, "");
    EXPECT_EQ(読む("対局.棋譜"), 元);
    s->記録.書く(3).面.持駒_MAN[1] = 18;
    s->記録.書く(1).面.持駒_COM[7] = -1;
    EXPECT_NE(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "").find("1手目の上の持駒の飛が-1枚あり"), std::string::npos);
    s->記録.書く(1).面.持駒_COM[7] = 0;
    s->記録.書く(2).面.盤[4][4] = 813;
    EXPECT_NE(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "").find("2手目の盤（4, 4）の駒 813 は"), std::string::npos);
    s->記録.書く(2).面.盤[4][4] = 0;
    EXPECT_EQ(読む("対局.棋譜"), 元);

    // Clocks beyond the five columns are written at the limit, and said so.
    s->記録.書く(2).後秒C = 123456.5;
    EXPECT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "", &注意), "");
    EXPECT_EQ(注意, "0〜99999秒に収まらない時間は、99999秒（負の時間は0秒）として書きました。");
    棋譜内容 k;
    std::string エラー;
    ASSERT_EQ(読込_棋譜("対局.棋譜", k, エラー), 真);
    EXPECT_EQ(k.局面[1].後秒C, 99999);
    EXPECT_EQ(k.局面[1].持駒_MAN[1], 18);
    s->記録.書く(2).後秒C = 99999.9;  // whole seconds: fits
    EXPECT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "", &注意), "");
    EXPECT_EQ(注意, "");
    s->記録.書く(1).前秒M = -3;
    EXPECT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, "対局.棋譜", "", "", "", &注意), "");
    EXPECT_NE(注意, "");
}

TEST(棋譜を保存, リンクやFIFOや書けないファイルへは書かず理由を告げる) {
    一時フォルダ d;
    見張り 犬;
    auto s = std::make_unique<状態>();
    s->記録.書く(1).面.盤[5][1] = 800, s->記録.書く(1).面.盤[5][9] = -802;
    s->棋譜最終手数 = 1;
    std::ofstream("大事.txt") << "大事";
    fs::create_symlink("大事.txt", "リンク.棋譜");
    ASSERT_EQ(::mkfifo("管.棋譜", 0644), 0);
    EXPECT_EQ(書込_棋譜(s->記録, s->棋譜最終手数, "リンク.棋譜", "", "", ""),
              "棋譜ファイル「リンク.棋譜」を書き込めませんでした。\r通常のファイルではありません。");
    EXPECT_NE(書込_棋譜(s->記録, s->棋譜最終手数, "管.棋譜", "", "", ""), "");
    EXPECT_EQ(読む("大事.txt"), "大事");
    EXPECT_TRUE(fs::is_symlink("リンク.棋譜"));
    EXPECT_TRUE(fs::is_fifo("管.棋譜"));

    ::chmod(d.場所().c_str(), 0777);
    std::ofstream("読専.棋譜") << "古い";
    ::chmod("読専.棋譜", 0444);
    一般ユーザーのものに("読専.棋譜");
    std::string e;
    const int 結果 = 一般ユーザーで([&] {
        return 書込_棋譜(s->記録, s->棋譜最終手数, "読専.棋譜", "", "", "").find("書き込みが許されていないファイルです") != std::string::npos
                   ? 0
                   : 1;
    });
    ASSERT_NE(結果, 255) << "could not run as an ordinary user";
    EXPECT_EQ(結果, 0);
    EXPECT_EQ(読む("読専.棋譜"), "古い");
}

TEST(ファイル名, 空白を除き長すぎる名前を断る) {
    EXPECT_EQ(整形_ファイル名("  対局 \t"), "対局");
    EXPECT_EQ(整形_ファイル名("\xE3\x80\x80対局\xE3\x80\x80"), "対局");
    EXPECT_EQ(調査_ファイル名(".", std::string("a\0b", 3)).empty(), false);
    // The name plus ".棋譜" (7 bytes) must fit the file system's limit.
    EXPECT_EQ(調査_ファイル名(".", std::string(248, 'a')), "");
    EXPECT_NE(調査_ファイル名(".", std::string(249, 'a')), "");
}
