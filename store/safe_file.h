// SPDX-License-Identifier: GPL-3.0-or-later
// How the program meets the file system: record files, the settings file
// and the sounds all go through here.  Plain POSIX, no exceptions: every
// routine answers 0 or the reason it failed (a system error number or one
// of the 誤り_ values below).
//
// Reading opens regular files only, without ever blocking (a FIFO or a
// device by that name is refused at once), and a read error is an answer,
// never an exception.  Writing replaces a file as a whole: a fresh,
// exclusively created temporary file beside it, flushed to the disk, then
// renamed over the old one, so the file is at every moment either the old
// one or the complete new one.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

// Reasons of our own, beside the system's error numbers (which are all
// positive).
inline constexpr int 誤り_通常でない = -1;  // a FIFO, a device, a socket, or a symbolic link being written
inline constexpr int 誤り_フォルダ = -2;    // a folder by that name, being read
inline constexpr int 誤り_大きすぎる = -3;  // larger than the caller accepts
inline constexpr int 誤り_書込禁止 = -4;    // an existing file this user may not write

// A plain-language reason for a system error number or an 誤り_ value.
std::string 変換_エラー理由(int 番号);

// An open regular file, closed when this goes.
class 読込ファイル {
public:
    読込ファイル() = default;
    ~読込ファイル();
    読込ファイル(const 読込ファイル&) = delete;
    読込ファイル& operator=(const 読込ファイル&) = delete;

    // Opens パス for reading when it is a regular file (a symbolic link to
    // one is followed).  0, or why not: ENOENT and the like, 誤り_フォルダ,
    // 誤り_通常でない.
    int 開く(const std::string& パス);
    // The size the file system gives (0 for some files that still hold data).
    long long 大きさ() const { return 大きさ_; }
    // Up to n bytes; 0 at the end; -1 with the error number in 誤り() on a
    // read error.
    long long 読む(char* 先, std::size_t n);
    int 誤り() const { return 誤り_; }

private:
    int fd_ = -1;
    long long 大きさ_ = 0;
    int 誤り_ = 0;
};

// The whole of a regular file of at most 上限 bytes into 中身.  0, or why
// not (誤り_大きすぎる when it is larger, judged from its size before
// reading and again while reading).
int 読込_通常ファイル(const std::string& パス, std::size_t 上限, std::string& 中身);

// A stream buffer over an open file for readers that go line by line.  A
// read error ends the input like the end of the file; 誤り() then tells it.
class 読込ファイルバッファ : public std::streambuf {
public:
    explicit 読込ファイルバッファ(読込ファイル& f) : f_(f) {}
    int 誤り() const { return f_.誤り(); }

protected:
    int_type underflow() override;

private:
    読込ファイル& f_;
    char 窓_[8192];
};

// Replaces the file at パス with バイト列 (see the top of this file).
// Refused, leaving everything as it was: an existing パス that is not a
// regular file (symbolic links included: they are never written through),
// and one this user may not write.  A replaced file keeps its permissions
// (and its owner and group where the system allows); a new file gets the
// usual permissions for the user's umask.  Stale temporary files of this
// program in the folder are removed first.  0, or why not.
int 書込_置換(const std::string& パス, std::string_view バイト列);

// Temporary files of the writer: this prefix and six letters or digits.
inline constexpr const char* 一時ファイルの頭 = ".vezuvire_tmp_";
// Is 名前 exactly a name the writer gives its temporary files?
bool 調査_一時ファイル名(std::string_view 名前);
// Removes from フォルダ the writer's temporary files that a save cut short
// left behind: regular files named exactly like them and untouched for at
// least 古さ秒 seconds (a younger one may belong to a save still running).
// Answers how many were removed.
int 掃除_一時ファイル(const std::string& フォルダ, int 古さ秒 = 60);

// Where the reads go; the tests put a failing read here.
using 読込関数 = ssize_t (*)(int, void*, std::size_t);
extern 読込関数 ファイル読込関数;
// Where the writer's writes, its renames and the removals of a file go;
// the tests put a full disk or a failing rename here.
using 書込関数 = ssize_t (*)(int, const void*, std::size_t);
extern 書込関数 ファイル書込関数;
using 改名関数 = int (*)(const char*, const char*);
extern 改名関数 ファイル改名関数;
using 削除関数 = int (*)(const char*);
extern 削除関数 ファイル削除関数;
