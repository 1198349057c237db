// SPDX-License-Identifier: GPL-3.0-or-later
// The autosave file format: what the writer writes reads back as the same
// game, and the reader takes nothing but that.
#include "store/autosave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/setup.h"
#include "tests/support/file_bytes.h"
#include "tests/support/game_compare.h"
#include "tests/support/read_fault.h"
#include "tests/support/temp_dir.h"
#include "play/new_game.h"

namespace {

namespace fs = std::filesystem;

// A game a few moves in, with clocks that need every digit of a double, a
// full set of hands, and the computer's tables filled with odd values.
std::unique_ptr<記憶つき対局> 途中の対局() {
    auto s = std::make_unique<記憶つき対局>();
    新規対局(*s);
    s->手番_MAN = 先手;
    s->手番_COM = 後手;
    s->手番 = 後手;
    s->操作.対局種別 = 対局_COM;
    s->レベル = 2;
    s->時計.所有時間_MAN = 1.0 / 3;
    s->時計.所有時間_COM = 86399.99;
    s->時計.経過秒 = 0.1;
    s->記憶.王X_MAN = 5;
    s->記憶.王Y_MAN = 8;
    s->盤[7][7] = 空;
    s->盤[7][6] = -101;
    s->持駒_MAN[1] = 18;
    s->持駒_COM[7] = 2;
    s->持駒数_MAN = 18;
    s->持駒数_COM = 2;
    for (int n = 1; n <= 3; ++n) {
        s->棋譜手数 = n;
        手順保存(*s, 0, 0, n, 9 - n, 0, 0, n * 0.7, n * 1.1, n * 1e-3, 1e9 - n);
    }
    s->棋譜手数 = 4;
    s->手数 = 4;
    s->操作.ハンデ設定中 = 真;
    s->操作.ハンデレベル = -10;
    s->操作.再開待ち = 真;
    int v = -500;
    for (auto& col : s->記憶.勢COM)
        for (auto& x : col) x = v++;
    s->記憶.弱COM攻_X[0][0] = -2147483647 - 1;
    s->記憶.最高点 = 2147483647;
    s->記憶.王X_COM = 5;
    s->記憶.王Y_COM = 1;
    return s;
}

std::string 書いたもの(const 状態& s) { return 変換_自動保存(取得_自動保存(s)); }

bool 読める(const std::string& b) {
    自動保存内容 d;
    return 解析_自動保存(b, d);
}

std::vector<std::string> 行に分ける(const std::string& b) {
    std::vector<std::string> 行;
    std::size_t p = 0;
    while (p < b.size()) {
        const std::size_t q = b.find('\n', p);
        行.push_back(b.substr(p, q - p));
        p = q + 1;
    }
    return 行;
}
std::string 行をつなぐ(const std::vector<std::string>& 行) {
    std::string b;
    for (const auto& l : 行) b += l + "\n";
    return b;
}
// The file with the line that starts with 鍵= given another value.
std::string 差し替え(const std::string& b, const std::string& 鍵, const std::string& 値) {
    auto 行 = 行に分ける(b);
    for (auto& l : 行)
        if (l.starts_with(鍵 + "=")) {
            l = 鍵 + "=" + 値;
            return 行をつなぐ(行);
        }
    ADD_FAILURE() << "no line " << 鍵;
    return b;
}

TEST(自動保存形式, 書いたものは同じ対局として読め_もう一度書けば同じバイト列) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    EXPECT_TRUE(b.starts_with("Vezuvire autosave 5\n対局種別=1\nレベル=2\n手番_MAN=1\n手番_COM=-1\n手番=-1\n"));
    EXPECT_NE(b.find("\n履歴=3 "), std::string::npos);
    EXPECT_NE(b.find("\nCOM=1\nCOM.勢MAN="), std::string::npos);
    EXPECT_NE(b.find("\n所有時間_MAN=0.3333333333333333\n所有時間_COM=86399.99\n経過秒=0.1\n"), std::string::npos);
    EXPECT_NE(b.find("\n履歴=3 "), std::string::npos);
    EXPECT_EQ(b.find("\n履歴=4 "), std::string::npos);
    EXPECT_TRUE(b.ends_with("\nCOM.移動不可あり=0\nCOM.王X_MAN=5\nCOM.王Y_MAN=8\n終わり\n"));

    自動保存内容 d;
    ASSERT_TRUE(解析_自動保存(b, d));
    EXPECT_EQ(d, 取得_自動保存(*s));
    EXPECT_EQ(変換_自動保存(d), b);

    auto t = std::make_unique<記憶つき対局>();
    新規対局(*t);
    t->勝者 = 先手;
    適用_自動保存(*t, d);
    同じ対局か(*s, *t);
}

// A file of the first version: the human king's square kept with the game,
// right after 経過秒, and not among the computer's lines.
std::string 第1版に(std::string b) {
    const auto 抜く = [&](const std::string& 行) {
        const std::size_t i = b.find(行);
        if (i == std::string::npos) ADD_FAILURE() << 行;
        else b.erase(i, 行.size());
    };
    抜く("COM=1\n");
    抜く("COM.王X_MAN=5\n");
    抜く("COM.王Y_MAN=8\n");
    b.insert(b.find("\n盤=") + 1, "王X_MAN=5\n王Y_MAN=8\n");
    return "Vezuvire autosave 1" + b.substr(b.find('\n'));
}

TEST(自動保存形式, 第1版のファイルも同じ対局として読み_書けば今の版) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    const std::string 第1版 = 第1版に(b);
    EXPECT_TRUE(第1版.starts_with("Vezuvire autosave 1\n対局種別=1\n"));
    EXPECT_NE(第1版.find("\n経過秒=0.1\n王X_MAN=5\n王Y_MAN=8\n盤="), std::string::npos);
    自動保存内容 d;
    ASSERT_TRUE(解析_自動保存(第1版, d));
    EXPECT_EQ(d, 取得_自動保存(*s));
    EXPECT_EQ(d.表.王X_MAN, 5);
    EXPECT_EQ(変換_自動保存(d), b);
    EXPECT_EQ(変換_自動保存(d, 1), 第1版);
    // Each version only in its own layout.
    EXPECT_FALSE(読める("Vezuvire autosave 1" + b.substr(b.find('\n'))));
    EXPECT_FALSE(読める("Vezuvire autosave 2" + 第1版.substr(第1版.find('\n'))));
}

// The computer's memory is the computer's: every value of it comes back,
// and a memory of another layout is passed over while the game goes on.
TEST(自動保存形式, 計算機の記憶はどの値も戻り_他の版の記憶は飛ばして続ける) {
    auto s = 途中の対局();
    int* const 値 = reinterpret_cast<int*>(&s->記憶);
    for (std::size_t i = 0; i < sizeof(COM表) / sizeof(int); ++i) 値[i] = static_cast<int>(i * 7919 % 100003) - 50000;
    s->記憶.王X_MAN = 5;
    s->記憶.王Y_MAN = 8;
    const std::string b = 書いたもの(*s);
    自動保存内容 d;
    ASSERT_TRUE(解析_自動保存(b, d));
    EXPECT_EQ(std::memcmp(&d.表, &s->記憶, sizeof(COM表)), 0);

    std::string 他 = b.substr(0, b.find("COM=1\n")) + "COM=2\nCOM.新しい表=1 2 3\nCOM.勢MAN=0\n終わり\n";
    自動保存内容 e;
    ASSERT_TRUE(解析_自動保存(他, e));
    EXPECT_EQ(e.記憶の版, 0);
    auto t = std::make_unique<記憶つき対局>();
    新規対局(*t);
    t->記憶.勢COM[3][3] = 77;
    適用_自動保存(*t, e);
    EXPECT_EQ(t->記憶.勢COM[3][3], 77);  // not the file's
    EXPECT_EQ(t->記憶.王X_MAN, 5);       // but told where the kings are
    EXPECT_TRUE(std::equal(t->盤[1], t->盤[10], s->盤[1]));
    const std::string 書き直し = 変換_自動保存(e);
    EXPECT_TRUE(書き直し.ends_with("\nCOM=0\n終わり\n"));
    EXPECT_TRUE(読める(書き直し));
}

TEST(自動保存形式, 途中で切れたファイルはどこで切れても読まない) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    for (std::size_t n = 0; n < b.size(); ++n) ASSERT_FALSE(読める(b.substr(0, n))) << n;
    EXPECT_TRUE(読める(b));
}

TEST(自動保存形式, 行が欠けても増えても入れ替わっても読まない) {
    const auto s = 途中の対局();
    const auto 行 = 行に分ける(書いたもの(*s));
    for (std::size_t i = 0; i < 行.size(); ++i) {
        auto 欠け = 行;
        欠け.erase(欠け.begin() + i);
        EXPECT_FALSE(読める(行をつなぐ(欠け))) << "without " << 行[i];
        auto 重複 = 行;
        重複.insert(重複.begin() + i, 行[i]);
        EXPECT_FALSE(読める(行をつなぐ(重複))) << "twice " << 行[i];
        if (i + 1 < 行.size() && 行[i] != 行[i + 1]) {
            auto 入替 = 行;
            std::swap(入替[i], 入替[i + 1]);
            EXPECT_FALSE(読める(行をつなぐ(入替))) << "swapped " << 行[i];
        }
    }
    EXPECT_FALSE(読める(行をつなぐ(行) + "\n"));
    EXPECT_FALSE(読める(行をつなぐ(行) + "x\n"));
}

TEST(自動保存形式, 他の版や他の改行は読まない) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    const std::string 本体 = b.substr(b.find('\n'));
    for (const char* 頭 : {"Vezuvire autosave 3", "Vezuvire autosave 6", "Vezuvire autosave 0", "Vezuvire autosave", "Vezuvire autosave 1 ",
                           "vezuvire autosave 1", "\xEF\xBB\xBFVezuvire autosave 1"})
        EXPECT_FALSE(読める(頭 + 本体)) << 頭;
    std::string crlf;
    for (char c : b) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_FALSE(読める(crlf));
}

TEST(自動保存形式, 範囲外の値と書き手の書かない数の形は読まない) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    ASSERT_TRUE(読める(b));
    const std::vector<std::pair<std::string, std::string>> 悪い = {
        {"対局種別", "2"},
        {"対局種別", "-1"},
        {"レベル", "0"},
        {"レベル", "18"},
        {"COM", "-1"},
        {"COM", "01"},
        {"手番_MAN", "0"},
        {"手番_COM", "1"},  // the same side as the human
        {"手番", "0"},
        {"手番", "2"},
        {"手数", "-1"},
        {"手数", "502"},
        {"棋譜手数", "502"},
        {"棋譜手数", "-1"},
        {"棋譜最終手数", "501"},
        {"棋譜最終手数", "-1"},
        {"棋譜最終手数", "4"},  // the log holds slots 0..3
        {"棋譜最終手数", "2"},
        {"棋譜モード", "2"},
        {"ハンデ設定中", "-1"},
        {"ハンデレベル", "11"},
        {"ハンデレベル", "-11"},
        {"再開待ち", "2"},
        {"所有時間_MAN", "-1"},
        {"所有時間_MAN", "1000000001"},
        {"所有時間_MAN", "nan"},
        {"所有時間_MAN", "inf"},
        {"所有時間_COM", "0.33333333333333331"},  // not the shortest form
        {"所有時間_COM", "1e3"},
        {"経過秒", ""},
        {"経過秒", "0.1 0.1"},
        {"COM.王X_MAN", "10"},
        {"COM.王Y_MAN", "-1"},
        {"COM.王Y_MAN", "10"},
        {"COM.王X_MAN", "-1"},
        {"手数", "04"},
        {"手数", "+4"},
        {"手数", " 4"},
        {"手数", "4 "},
        {"手数", "4.0"},
        {"手数", "99999999999"},
        {"ハンデレベル", "-0"},
        {"持駒_MAN", "19 0 0 0 0 0 0"},
        {"持駒_MAN", "-1 0 0 0 0 0 0"},
        {"持駒_MAN", "0 0 0 0 0 0"},
        {"持駒_MAN", "0 0 0 0 0 0 0 0"},
        {"持駒_COM", "0  0 0 0 0 0 0"},
        {"COM.最高点", "2147483648"},
        {"COM.王X_COM", "x"},
    };
    for (const auto& [鍵, 値] : 悪い) EXPECT_FALSE(読める(差し替え(b, 鍵, 値))) << 鍵 << "=" << 値;
    // The smallest and largest values the game can reach are taken (a
    // record stepped back to its start stands at 0).
    for (const auto& [鍵, 値] : std::vector<std::pair<std::string, std::string>>{
             {"手数", "501"}, {"棋譜手数", "501"}, {"棋譜手数", "0"}, {"手数", "0"}, {"所有時間_MAN", "1000000000"},
             {"所有時間_MAN", "0"}, {"ハンデレベル", "10"}})
        EXPECT_TRUE(読める(差し替え(b, 鍵, 値))) << 鍵 << "=" << 値;
}

TEST(自動保存形式, 盤と記録の駒は知っている駒だけで今の盤には両方の王がいる) {
    auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    for (int 悪い駒 : {804, -804, 99, 512, 812, 900, 1}) {
        auto t = 途中の対局();
        t->盤[1][1] = 悪い駒;
        EXPECT_FALSE(読める(書いたもの(*t))) << 悪い駒;
        auto u = 途中の対局();
        u->記録.書く(2).面.盤[9][9] = 悪い駒;
        EXPECT_FALSE(読める(書いたもの(*u))) << 悪い駒;
    }
    for (int 王の符号 : {+1, -1}) {
        auto t = 途中の対局();
        for (auto& col : t->盤)
            for (auto& v : col)
                if (王(v) && (v > 0) == (王の符号 > 0)) v = 空;
        EXPECT_FALSE(読める(書いたもの(*t))) << 王の符号;
    }
    // A logged position may lack a king: a record file can hold one.
    auto t = 途中の対局();
    t->記録.書く(1).面.盤[5][1] = 空;
    EXPECT_TRUE(読める(書いたもの(*t)));
    // The log's squares and hand counts are checked like the board's.
    auto u = 途中の対局();
    u->記録.書く(2).先X = 10;
    EXPECT_FALSE(読める(書いたもの(*u)));
    auto w = 途中の対局();
    w->記録.書く(3).面.持駒_COM[7] = 19;
    EXPECT_FALSE(読める(書いたもの(*w)));
    auto x = 途中の対局();
    x->記録.書く(0).前秒C = -0.5;
    EXPECT_FALSE(読める(書いたもの(*x)));
}

TEST(自動保存形式, 読めなかったときは受け取る側に何も書かない) {
    const auto s = 途中の対局();
    const std::string b = 書いたもの(*s);
    自動保存内容 d;
    d.手数 = 77;
    const 自動保存内容 前 = d;
    // Everything but the very last value is fine.
    EXPECT_FALSE(解析_自動保存(差し替え(b, "COM.移動不可あり", "x"), d));
    EXPECT_EQ(d, 前);
}

TEST(自動保存形式, 満杯の記録も書けて読める) {
    auto s = 途中の対局();
    for (int n = 0; n <= 履歴最大; ++n) {
        s->棋譜手数 = n;
        手順保存(*s, 0, 0, 9, 9, 0, 0, n, n + 0.5, n, n);
    }
    s->棋譜手数 = 501;
    s->手数 = 501;
    const std::string b = 書いたもの(*s);
    EXPECT_LT(b.size(), 自動保存の上限);
    自動保存内容 d;
    ASSERT_TRUE(解析_自動保存(b, d));
    EXPECT_EQ(d.履歴.size(), 501u);
    EXPECT_EQ(d.履歴[500].後秒M, 500.5);
}

// ---- on the disk ---------------------------------------------------------------

std::string 中身(const std::string& パス) { return ファイルの中身(パス); }

TEST(自動保存ファイル, 続いている対局だけを書き_読めば同じ) {
    一時フォルダ 場所;
    auto s = 途中の対局();
    ASSERT_EQ(書込_自動保存(*s), 0);
    EXPECT_EQ(中身(自動保存ファイル), 書いたもの(*s));
    自動保存内容 d;
    EXPECT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::あり);
    EXPECT_EQ(d, 取得_自動保存(*s));

    // No game, or a game already decided, is not written.
    auto t = 途中の対局();
    t->勝者 = 先手;
    EXPECT_NE(書込_自動保存(*t, "b"), 0);
    t->勝者 = 手番_なし;
    t->手番 = 手番_なし;
    EXPECT_NE(書込_自動保存(*t, "b"), 0);
    EXPECT_FALSE(fs::exists("b"));

    EXPECT_EQ(削除_自動保存(), 0);
    EXPECT_FALSE(fs::exists(自動保存ファイル));
    EXPECT_EQ(削除_自動保存(), 0);  // nothing there is no failure
    EXPECT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::なし);

    std::ofstream(自動保存ファイル) << "Vezuvire autosave 1\n";
    EXPECT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::破損);
    fs::remove(自動保存ファイル);
    fs::create_directory(自動保存ファイル);
    EXPECT_EQ(読込_自動保存(自動保存ファイル, d), 自動保存状況::破損);
}

TEST(自動保存ファイル, 退避は何も上書きせず次の名前を使う) {
    一時フォルダ 場所;
    std::ofstream("a") << "1";
    EXPECT_EQ(退避_自動保存("a", "d"), "d");
    std::ofstream("a") << "2";
    EXPECT_EQ(退避_自動保存("a", "d"), "d.2");
    std::ofstream("a") << "3";
    EXPECT_EQ(退避_自動保存("a", "d"), "d.3");
    EXPECT_EQ(中身("d"), "1");
    EXPECT_EQ(中身("d.2"), "2");
    EXPECT_EQ(中身("d.3"), "3");
    EXPECT_FALSE(fs::exists("a"));
    EXPECT_EQ(退避_自動保存("a", "d"), "");  // nothing to move
}

// What stands at the name decides what the start-up may do with it: a
// link is never read through, a read error leaves the file to be read
// again, and only content that fails the checks is called damaged.
TEST(自動保存ファイル, リンクと読めないと壊れたものを分ける) {
    一時フォルダ 場所;
    auto s = 途中の対局();
    ASSERT_EQ(書込_自動保存(*s, "正しい"), 0);
    std::ofstream("ごみ") << "ごみ";
    fs::create_symlink("正しい", "リンク");
    fs::create_directory("フォルダ");
    struct 場合 {
        const char* 名;
        int 読める回数;  // reads before the disk fails
        自動保存状況 期待;
        int 番号;
    };
    for (const auto& c :
         {場合{"正しい", 1 << 20, 自動保存状況::あり, 0}, 場合{"正しい", 3, 自動保存状況::読めない, EIO},
          場合{"リンク", 1 << 20, 自動保存状況::リンク, 0}, 場合{"ごみ", 1 << 20, 自動保存状況::破損, 0},
          場合{"フォルダ", 1 << 20, 自動保存状況::破損, 0}, 場合{"ない", 1 << 20, 自動保存状況::なし, 0}}) {
        SCOPED_TRACE(std::string(c.名) + " " + std::to_string(c.読める回数));
        読込故障 故障(c.読める回数);
        自動保存内容 d;
        int 番号 = 0;
        EXPECT_EQ(読込_自動保存(c.名, d, &番号), c.期待);
        EXPECT_EQ(番号, c.番号);
    }
}

}  // namespace

TEST(自動保存形式, どの強さも段のまま書き_旧版の4と5は新しい段で戻る) {
    struct 例 {
        int レベル;     // the game's
        const char* 頭; // the first line of the file as version 2 would have it
    };
    for (const 例& e : {例{1, "Vezuvire autosave 2"}, 例{3, "Vezuvire autosave 2"}, 例{4, "Vezuvire autosave 3"},
                        例{7, "Vezuvire autosave 3"}, 例{14, "Vezuvire autosave 3"}}) {
        auto s = 途中の対局();
        s->レベル = e.レベル;
        for (const std::string& b : {書いたもの(*s), 変換_自動保存(取得_自動保存(*s), 2)}) {
            自動保存内容 d;
            ASSERT_TRUE(解析_自動保存(b, d)) << e.レベル << b.substr(0, 20);
            EXPECT_EQ(d.レベル, e.レベル);
            EXPECT_EQ(変換_自動保存(d, b.starts_with("Vezuvire autosave 5\n") ? 5 : 2), b);
        }
        EXPECT_TRUE(変換_自動保存(取得_自動保存(*s), 2).starts_with(std::string(e.頭) + "\n")) << e.レベル;
    }
    for (int l : {最強レベル - 1, 最強レベル}) {
        auto s = 途中の対局();
        s->レベル = l;
        自動保存内容 d;
        ASSERT_TRUE(解析_自動保存(書いたもの(*s), d)) << l;
        EXPECT_EQ(d.レベル, l);
    }
    struct 旧 {
        const char* 頭;
        const char* 値;
        int 読んだ;  // 0: not read
    };
    const auto s = 途中の対局();
    const std::string 本体 = 変換_自動保存(取得_自動保存(*s), 2).substr(std::string("Vezuvire autosave 2\n").size());
    const std::string 本体4 = 変換_自動保存(取得_自動保存(*s), 4).substr(std::string("Vezuvire autosave 4\n").size());
    ASSERT_NE(本体4.find("\nCOM=1\n"), std::string::npos);  // version 4 names its memory's version
    for (const 旧& e : {旧{"Vezuvire autosave 2", "4", 旧レベルの段(4)}, 旧{"Vezuvire autosave 2", "5", 最強レベル},
                        旧{"Vezuvire autosave 2", "6", 0}, 旧{"Vezuvire autosave 3", "3", 0},
                        旧{"Vezuvire autosave 3", "16", 0}, 旧{"Vezuvire autosave 3", "6", 6},
                        旧{"Vezuvire autosave 3", "14", 14}, 旧{"Vezuvire autosave 3", "15", 最強レベル},
                        旧{"Vezuvire autosave 4", "15", 15}, 旧{"Vezuvire autosave 4", "16", 最強レベル},
                        旧{"Vezuvire autosave 4", "17", 0}}) {
        const bool 版4 = std::string_view(e.頭).ends_with('4');
        const std::string b = 差し替え(std::string(e.頭) + "\n" + (版4 ? 本体4 : 本体), "レベル", e.値);
        自動保存内容 d;
        EXPECT_EQ(解析_自動保存(b, d), e.読んだ != 0) << e.頭 << " " << e.値;
        if (e.読んだ != 0) {
            EXPECT_EQ(d.レベル, e.読んだ);
        }
    }
    // The former 0.3 s and 1 s strengths resume at the rung nearest each.
    EXPECT_EQ(旧レベルの段(4), 13);
    EXPECT_EQ(旧レベルの段(5), 最強レベル);
}
