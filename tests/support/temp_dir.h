// Runs a test inside a fresh folder of its own: the game reads and writes
// its settings and record files in the working directory.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

class 一時フォルダ {
public:
    // A fresh folder inside 親 (the system's temporary folder by default).
    explicit 一時フォルダ(const std::filesystem::path& 親 = std::filesystem::temp_directory_path()) {
        static std::atomic<int> 連番{0};
        元_ = std::filesystem::current_path();
        場所_ = 親 / ("vezuvire_test_" + std::to_string(::getpid()) + "_" + std::to_string(連番++));
        std::filesystem::remove_all(場所_);
        std::filesystem::create_directories(場所_);
        std::filesystem::current_path(場所_);
    }
    ~一時フォルダ() {
        std::error_code ec;
        std::filesystem::current_path(元_, ec);
        std::filesystem::remove_all(場所_, ec);
    }
    一時フォルダ(const 一時フォルダ&) = delete;
    一時フォルダ& operator=(const 一時フォルダ&) = delete;
    const std::filesystem::path& 場所() const { return 場所_; }

private:
    std::filesystem::path 元_, 場所_;
};
