// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of the file module on demand: while a 書込故障 lives, every
// write, rename or removal (whichever it was made for) fails with the given
// error number, as a full disk, a read-only file system or a failing disk
// make them fail.  While a 改名の数え is alive, the renames onto one name
// are counted.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/safe_file.h"

class 書込故障 {
public:
    enum 所 { 書込, 改名, 削除 };
    書込故障(所 どこ, int 番号) : どこ_(どこ) {
        番号_ = 番号;
        switch (どこ) {
            case 書込: ファイル書込関数 = [](int, const void*, std::size_t) -> ssize_t { return 失敗(); }; break;
            case 改名: ファイル改名関数 = [](const char*, const char*) { return static_cast<int>(失敗()); }; break;
            case 削除: ファイル削除関数 = [](const char*) { return static_cast<int>(失敗()); }; break;
        }
    }
    ~書込故障() {
        switch (どこ_) {
            case 書込: ファイル書込関数 = ::write; break;
            case 改名: ファイル改名関数 = ::rename; break;
            case 削除: ファイル削除関数 = ::unlink; break;
        }
    }
    書込故障(const 書込故障&) = delete;
    書込故障& operator=(const 書込故障&) = delete;

private:
    static ssize_t 失敗() {
        errno = 番号_;
        return -1;
    }
    static inline int 番号_ = 0;
    所 どこ_;
};

class 改名の数え {
public:
    explicit 改名の数え(const char* 先) {
        先_ = 先;
        回数_ = 0;
        ファイル改名関数 = [](const char* a, const char* b) {
            回数_ += std::strcmp(b, 先_) == 0;
            return ::rename(a, b);
        };
    }
    ~改名の数え() { ファイル改名関数 = ::rename; }
    改名の数え(const 改名の数え&) = delete;
    改名の数え& operator=(const 改名の数え&) = delete;
    int 回数() const { return 回数_; }

private:
    static inline const char* 先_ = nullptr;
    static inline int 回数_ = 0;
};
