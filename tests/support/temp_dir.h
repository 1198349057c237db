// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test inside a fresh folder of its own: the game reads and writes
// its settings and record files in the working directory.
//
// Two folders, one inside the other: 外側() is made fresh (a unique name,
// never an existing folder) inside the shared temporary folder, and the test
// works in 場所() = 外側()/work.  A name that climbs out of the working
// folder ("../x") therefore still lands in a folder the test made and
// removes, and a test never needs to look at what else the shared
// temporary folder holds.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

class 一時フォルダ {
public:
    // A fresh pair of folders inside 親 (the system's temporary folder by
    // default).  With 移る the test's working directory moves into 場所()
    // until the folder is removed.
    explicit 一時フォルダ(const std::filesystem::path& 親 = std::filesystem::temp_directory_path(), bool 移る = true) {
        std::string 型 = (親 / "vz-XXXXXX").string();
        if (::mkdtemp(型.data()) == nullptr)
            throw std::runtime_error("cannot make a folder in " + 親.string() + ": " + std::strerror(errno));
        外側_ = 型;
        場所_ = 外側_ / "work";
        std::filesystem::create_directory(場所_);
        if (移る) {
            元_ = std::filesystem::current_path();
            std::filesystem::current_path(場所_);
        }
    }
    ~一時フォルダ() {
        std::error_code ec;
        if (!元_.empty()) std::filesystem::current_path(元_, ec);
        std::filesystem::remove_all(外側_, ec);
    }
    一時フォルダ(const 一時フォルダ&) = delete;
    一時フォルダ& operator=(const 一時フォルダ&) = delete;

    // Where the test works.
    const std::filesystem::path& 場所() const { return 場所_; }
    // The folder around it, made and removed with it; nothing else is in it
    // unless the test (or the program under test) put it there.
    const std::filesystem::path& 外側() const { return 外側_; }

private:
    std::filesystem::path 元_, 外側_, 場所_;
};
