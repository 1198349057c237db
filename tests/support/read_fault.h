// SPDX-License-Identifier: GPL-3.0-or-later
// Read errors on demand: while a 読込故障 lives, every read of the file
// module hands out at most 64 bytes at a time, and after 成功回数 reads
// every further read fails with EIO, as a failing disk does part-way
// through a file.
#pragma once

#include <unistd.h>

#include <cerrno>

#include "store/safe_file.h"

class 読込故障 {
public:
    explicit 読込故障(int 成功回数) : 元_(ファイル読込関数) {
        残り_ = 成功回数;
        回数_ = 0;
        ファイル読込関数 = &読む;
    }
    ~読込故障() { ファイル読込関数 = 元_; }
    読込故障(const 読込故障&) = delete;
    読込故障& operator=(const 読込故障&) = delete;
    // Reads asked for so far, failed ones included.
    static int 回数() { return 回数_; }

private:
    static ssize_t 読む(int fd, void* 先, std::size_t n) {
        ++回数_;
        if (残り_ <= 0) {
            errno = EIO;
            return -1;
        }
        --残り_;
        return ::read(fd, 先, n < 64 ? n : 64);
    }
    static inline int 残り_ = 0;
    static inline int 回数_ = 0;
    読込関数 元_;
};
