// SPDX-License-Identifier: GPL-3.0-or-later
// The file module on its own: which files are read, how read errors come
// back, which targets the writer refuses, what a replaced file keeps, and
// that a save killed at any moment loses nothing and leaves nothing behind.
#include "store/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>

#include "tests/support/read_fault.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"
#include "tests/support/watchdog.h"

namespace {

namespace fs = std::filesystem;

void 作る(const fs::path& f, const std::string& 中身) { std::ofstream(f, std::ios::binary) << 中身; }

std::string 読む(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

mode_t 権限(const fs::path& f) {
    struct stat st {};
    ::lstat(f.c_str(), &st);
    return st.st_mode & 07777;
}

// Files in フォルダ named like the writer's temporary files.
int 一時ファイル数(const fs::path& フォルダ) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(フォルダ)) n += 調査_一時ファイル名(e.path().filename().string());
    return n;
}

// Makes a file look untouched for 秒 seconds.
void 古くする(const fs::path& f, int 秒) {
    struct timespec t[2];
    ::clock_gettime(CLOCK_REALTIME, &t[0]);
    t[0].tv_sec -= 秒;
    t[1] = t[0];
    ::utimensat(AT_FDCWD, f.c_str(), t, AT_SYMLINK_NOFOLLOW);
}

}  // namespace

TEST(安全な読込, 通常のファイルだけを待たずに開く) {
    一時フォルダ d;
    見張り 犬;
    作る("a.txt", "abc\r\n");
    fs::create_symlink("a.txt", "リンク.txt");
    fs::create_directory("棚");
    ASSERT_EQ(::mkfifo("管", 0644), 0);

    std::string 中身 = "前の中身";
    EXPECT_EQ(読込_通常ファイル("a.txt", 100, 中身), 0);
    EXPECT_EQ(中身, "abc\r\n");
    EXPECT_EQ(読込_通常ファイル("リンク.txt", 100, 中身), 0) << "a link to a regular file is read";
    EXPECT_EQ(中身, "abc\r\n");
    EXPECT_EQ(読込_通常ファイル("無い.txt", 100, 中身), ENOENT);
    EXPECT_EQ(中身, "");
    EXPECT_EQ(読込_通常ファイル("棚", 100, 中身), 誤り_フォルダ);
    EXPECT_EQ(読込_通常ファイル("管", 100, 中身), 誤り_通常でない) << "a FIFO is never waited on";
    EXPECT_EQ(読込_通常ファイル("/dev/zero", 100, 中身), 誤り_通常でない);
    EXPECT_EQ(読込_通常ファイル("/dev/null", 100, 中身), 誤り_通常でない);
    // A file of the system that errs on the first read.
    EXPECT_EQ(読込_通常ファイル("/proc/self/mem", 100, 中身), EIO);

    読込ファイル f;
    EXPECT_EQ(f.開く("管"), 誤り_通常でない);
    EXPECT_EQ(f.読む(nullptr, 0), -1) << "nothing is open";
    EXPECT_EQ(f.開く("a.txt"), 0);
    EXPECT_EQ(f.大きさ(), 5);
    EXPECT_EQ(変換_エラー理由(誤り_通常でない), "通常のファイルではありません。");
    EXPECT_EQ(変換_エラー理由(EIO), "入出力エラーが起きました。");
}

TEST(安全な読込, 上限を超えるファイルは読む前に大きさで断り_大きさを偽るファイルも上限で止める) {
    一時フォルダ d;
    { std::ofstream("大.wav"); }
    // Sparse: as big as it says, without taking the disk.
    fs::resize_file("大.wav", 1000001);
    std::string 中身;
    {
        読込故障 数える(1000000);
        EXPECT_EQ(読込_通常ファイル("大.wav", 1000000, 中身), 誤り_大きすぎる);
        EXPECT_EQ(読込故障::回数(), 0) << "refused from its size alone";
    }
    fs::resize_file("大.wav", 1000000);
    EXPECT_EQ(読込_通常ファイル("大.wav", 1000000, 中身), 0);
    EXPECT_EQ(中身.size(), 1000000u);

    // Files of the system tell a size of 0 whatever they hold.
    EXPECT_EQ(読込_通常ファイル("/proc/self/status", 10, 中身), 誤り_大きすぎる);
    EXPECT_EQ(中身, "");
    EXPECT_EQ(読込_通常ファイル("/proc/self/status", 1 << 20, 中身), 0);
    EXPECT_NE(中身.find("Name:"), std::string::npos);
}

TEST(安全な読込, 途中の読込エラーは例外でなく答えになる) {
    一時フォルダ d;
    作る("a.txt", std::string(1000, 'x') + "\n" + std::string(1000, 'y') + "\n");
    std::string 中身;
    {
        読込故障 故障(3);  // 192 bytes, then EIO
        EXPECT_EQ(読込_通常ファイル("a.txt", 1 << 20, 中身), EIO);
        EXPECT_EQ(中身, "") << "nothing half-read is handed back";
    }
    {
        読込故障 故障(20);
        読込ファイル f;
        ASSERT_EQ(f.開く("a.txt"), 0);
        読込ファイルバッファ 窓(f);
        std::istream in(&窓);
        std::string 行;
        ASSERT_TRUE(std::getline(in, 行));
        EXPECT_EQ(行.size(), 1000u);
        EXPECT_EQ(窓.誤り(), 0);
        std::getline(in, 行);  // the error comes part-way through this line
        EXPECT_LT(行.size(), 1000u);
        EXPECT_TRUE(in.eof()) << "the error ends the input";
        EXPECT_EQ(窓.誤り(), EIO);
        EXPECT_EQ(in.get(), EOF) << "and it stays ended";
    }
}

// Streamed reading hands over every byte, whatever size the last piece
// read from the disk has (a single byte included).
TEST(安全な読込, 流して読むと最後の1バイトまで届く) {
    一時フォルダ d;
    for (std::size_t 長さ : {std::size_t{1}, std::size_t{2}, std::size_t{8192}, std::size_t{8193}, std::size_t{16385}}) {
        SCOPED_TRACE(長さ);
        std::string 元(長さ, 'x');
        元.back() = 'z';
        作る("b.txt", 元);
        読込ファイル f;
        ASSERT_EQ(f.開く("b.txt"), 0);
        読込ファイルバッファ 窓(f);
        std::istream in(&窓);
        const std::string 読めた{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_EQ(読めた, 元);
        EXPECT_EQ(窓.誤り(), 0);
    }
}

TEST(置換, 新しいファイルはumaskどおり_置き換えたファイルは権限を保つ) {
    一時フォルダ d;
    const mode_t 元 = ::umask(027);
    EXPECT_EQ(書込_置換("新.txt", "一"), 0);
    EXPECT_EQ(権限("新.txt"), 0640u);
    ::umask(元);
    EXPECT_EQ(読む("新.txt"), "一");

    作る("秘.txt", "古い");
    ::chmod("秘.txt", 0600);
    EXPECT_EQ(書込_置換("秘.txt", "新しい"), 0);
    EXPECT_EQ(読む("秘.txt"), "新しい");
    EXPECT_EQ(権限("秘.txt"), 0600u) << "a private file stays private";
    ::chmod("秘.txt", 0664);
    EXPECT_EQ(書込_置換((d.場所() / "秘.txt").string(), ""), 0) << "a full path, an empty file";
    EXPECT_EQ(読む("秘.txt"), "");
    EXPECT_EQ(権限("秘.txt"), 0664u);
    EXPECT_EQ(一時ファイル数(d.場所()), 0);
    EXPECT_EQ(書込_置換("", "x"), ENOENT);
    EXPECT_EQ(書込_置換("無い棚/a.txt", "x"), ENOENT);
}

TEST(置換, 通常のファイルでないものは置き換えずリンクの先へも書かない) {
    一時フォルダ d;
    見張り 犬;
    作る("大事.txt", "大事な中身");
    fs::create_symlink("大事.txt", "リンク.棋譜");
    fs::create_symlink("まだ無い.txt", "行き先なし.棋譜");
    ASSERT_EQ(::mkfifo("管.棋譜", 0644), 0);
    fs::create_directory("棚.棋譜");
    // The fixed name the settings writer once used, planted as a link.
    fs::create_symlink("大事.txt", "Vezuvire.ini.tmp");

    EXPECT_EQ(書込_置換("リンク.棋譜", "上書き"), 誤り_通常でない);
    EXPECT_EQ(書込_置換("行き先なし.棋譜", "上書き"), 誤り_通常でない);
    EXPECT_EQ(書込_置換("管.棋譜", "上書き"), 誤り_通常でない);
    EXPECT_EQ(書込_置換("棚.棋譜", "上書き"), EISDIR);
    EXPECT_EQ(書込_置換("Vezuvire.ini", "設定"), 0);

    EXPECT_EQ(読む("大事.txt"), "大事な中身");
    EXPECT_TRUE(fs::is_symlink("リンク.棋譜"));
    EXPECT_TRUE(fs::is_symlink("行き先なし.棋譜"));
    EXPECT_FALSE(fs::exists("まだ無い.txt"));
    EXPECT_TRUE(fs::is_fifo("管.棋譜"));
    EXPECT_TRUE(fs::is_directory("棚.棋譜"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("Vezuvire.ini")));
    EXPECT_EQ(読む("Vezuvire.ini"), "設定");
    EXPECT_EQ(一時ファイル数(d.場所()), 0);

    // A device node, where the system lets us make one.
    if (::mknod("装置.棋譜", S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        EXPECT_EQ(書込_置換("装置.棋譜", "上書き"), 誤り_通常でない);
        EXPECT_TRUE(fs::is_character_file("装置.棋譜"));
    }
}

TEST(置換, このユーザーが書けないファイルは置き換えない) {
    一時フォルダ d;
    // The folder is the user's own: only the files' permissions can stop
    // the rename.
    ::chmod(d.場所().c_str(), 0777);
    一般ユーザーのものに(d.場所());
    作る("読専.棋譜", "読むだけ");
    ::chmod("読専.棋譜", 0444);
    一般ユーザーのものに("読専.棋譜");
    作る("他人.棋譜", "他人の");
    ::chmod("他人.棋譜", 0644);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown("他人.棋譜", 0, 0), 0);
    }
    作る("自分.棋譜", "自分の");
    ::chmod("自分.棋譜", 0640);
    一般ユーザーのものに("自分.棋譜");

    // Only root can give a file to someone else.
    const bool 他人のがある = ::geteuid() == 0;
    const int 結果 = 一般ユーザーで([他人のがある] {
        int 違い = 0;
        if (書込_置換("読専.棋譜", "新") != 誤り_書込禁止) 違い |= 1;
        if (他人のがある && 書込_置換("他人.棋譜", "新") != 誤り_書込禁止) 違い |= 2;
        if (書込_置換("自分.棋譜", "新") != 0) 違い |= 4;
        return 違い;
    });
    ASSERT_NE(結果, 255) << "could not run as an ordinary user";
    EXPECT_EQ(結果, 0);
    EXPECT_EQ(読む("読専.棋譜"), "読むだけ");
    EXPECT_EQ(権限("読専.棋譜"), 0444u);
    EXPECT_EQ(読む("他人.棋譜"), "他人の");
    EXPECT_EQ(読む("自分.棋譜"), "新");
    EXPECT_EQ(権限("自分.棋譜"), 0640u);
    EXPECT_EQ(一時ファイル数(d.場所()), 0);
    EXPECT_EQ(変換_エラー理由(誤り_書込禁止), "書き込みが許されていないファイルです。");
}

TEST(置換, 保存の前に残った古い一時ファイルだけを消す) {
    一時フォルダ d;
    for (const char* 名 :
         {".vezuvire_tmp_aZ09xy", ".vezuvire_tmp_zzzzzz", ".vezuvire_tmp_ZZZZZZ", ".vezuvire_tmp_999999"})
        EXPECT_TRUE(調査_一時ファイル名(名)) << 名;
    for (const char* 名 : {".vezuvire_tmp_aZ09x", ".vezuvire_tmp_aZ09xyz", "x.vezuvire_tmp_aZ09xy",
                           ".vezuvire_tmp_aZ-9xy", ".vezuvire_TMP_aZ09xy", ".vezuvire_tmp_"})
        EXPECT_FALSE(調査_一時ファイル名(名)) << 名;

    const char* 消える[] = {".vezuvire_tmp_AAAAAA", ".vezuvire_tmp_b1c2d3"};
    const char* 残る[] = {".vezuvire_tmp_ABCDE", ".vezuvire_tmp_ABCDEFG", "a.vezuvire_tmp_ABCDEF", "普通.棋譜"};
    for (const char* 名 : 消える) 作る(名, "途中");
    for (const char* 名 : 残る) 作る(名, "他の");
    作る(".vezuvire_tmp_新しい", "");
    作る(".vezuvire_tmp_NEWNEW", "書いている最中");  // a save still running elsewhere
    fs::create_directory(".vezuvire_tmp_DIRDIR");
    fs::create_symlink("普通.棋譜", ".vezuvire_tmp_LINKLN");
    for (const auto& e : fs::directory_iterator(d.場所())) 古くする(e.path(), 120);
    古くする(".vezuvire_tmp_NEWNEW", 10);

    EXPECT_EQ(書込_置換("対局.棋譜", "新"), 0);
    for (const char* 名 : 消える) EXPECT_FALSE(fs::exists(名)) << 名;
    for (const char* 名 : 残る) EXPECT_TRUE(fs::exists(名)) << 名;
    EXPECT_TRUE(fs::exists(".vezuvire_tmp_NEWNEW"));
    EXPECT_TRUE(fs::is_directory(".vezuvire_tmp_DIRDIR"));
    EXPECT_TRUE(fs::is_symlink(".vezuvire_tmp_LINKLN"));
    EXPECT_EQ(読む("普通.棋譜"), "他の");
    EXPECT_EQ(掃除_一時ファイル(d.場所().string(), 5), 1) << "the young one, once old enough";
    作る(".vezuvire_tmp_zzzzzz", "");
    EXPECT_EQ(掃除_一時ファイル(d.場所().string(), 0), 1) << "no age asked: even one of this second";
    EXPECT_EQ(掃除_一時ファイル("無い棚"), 0);
}

TEST(置換, 保存の途中で殺されても古いか新しいファイルが丸ごと残り一時ファイルは次の保存で消える) {
    // Memory-backed when the system has such a folder: the saves' flushes
    // to the disk would only make the test slow, and the rename is what
    // decides what a killed save leaves.
    const fs::path 親 = ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path();
    一時フォルダ d(親);
    const std::string 甲 = std::string(40000, 'a') + "甲の終わり", 乙 = std::string(60000, 'b') + "乙の終わり";
    ASSERT_EQ(書込_置換("対局.棋譜", 甲), 0);
    std::mt19937 乱(7);
    int 残った = 0;
    for (int 回 = 0; 回 < 300; ++回) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (unsigned i = 0;; ++i) 書込_置換("対局.棋譜", i % 2 ? 甲 : 乙);
        }
        // Kill it at a random moment of its saves.
        struct timespec 間 {
            0, static_cast<long>(std::uniform_int_distribution<int>(0, 3000)(乱)) * 1000
        };
        ::nanosleep(&間, nullptr);
        ::kill(pid, SIGKILL);
        int 状態値 = 0;
        ASSERT_EQ(::waitpid(pid, &状態値, 0), pid);

        const std::string 中身 = 読む("対局.棋譜");
        ASSERT_TRUE(中身 == 甲 || 中身 == 乙) << "after kill " << 回 << ": " << 中身.size() << " bytes";
        const int n = 一時ファイル数(d.場所());
        残った += n;
        if (n > 0)
            for (const auto& e : fs::directory_iterator(d.場所())) 古くする(e.path(), 120);
        ASSERT_EQ(書込_置換("対局.棋譜", 甲), 0);
        ASSERT_EQ(一時ファイル数(d.場所()), 0) << "after kill " << 回;
        ASSERT_EQ(読む("対局.棋譜"), 甲);
    }
    // The kills did land inside saves.
    EXPECT_GT(残った, 0);
    RecordProperty("temporary_files_left", 残った);
}
