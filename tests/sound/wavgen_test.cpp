// SPDX-License-Identifier: GPL-3.0-or-later
// The four generated sounds: well-formed 16-bit PCM WAV files of the right
// lengths, no clicks at their ends, a BGM that loops seamlessly, and a
// generator that always writes the same bytes and reports what it cannot
// write.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using バイト列 = std::vector<unsigned char>;

バイト列 読む(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return バイト列(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::uint32_t 読32(const バイト列& b, std::size_t i) {
    return b[i] | b[i + 1] << 8 | b[i + 2] << 16 | std::uint32_t(b[i + 3]) << 24;
}
unsigned 読16(const バイト列& b, std::size_t i) { return b[i] | b[i + 1] << 8; }

struct WAV {
    std::string 誤り;  // empty when the file is well-formed
    unsigned 形式 = 0, チャンネル = 0, ビット = 0;
    std::uint32_t 周波数 = 0;
    std::vector<int> 標本;  // first channel only
    double 秒() const { return 周波数 ? static_cast<double>(標本.size()) / 周波数 : 0.0; }
    int 最大(std::size_t 始, std::size_t 終) const {
        int m = 0;
        for (std::size_t i = 始; i < 終 && i < 標本.size(); ++i) m = std::max(m, std::abs(標本[i]));
        return m;
    }
};

WAV 解析(const バイト列& b) {
    WAV w;
    if (b.size() < 44) return w.誤り = "too short", w;
    if (std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return w.誤り = "not RIFF/WAVE", w;
    if (読32(b, 4) != b.size() - 8) return w.誤り = "RIFF size is not file size - 8", w;
    bool fmt = false;
    for (std::size_t pos = 12; pos + 8 <= b.size();) {
        const std::uint32_t n = 読32(b, pos + 4);
        const std::size_t 中 = pos + 8;
        if (n > b.size() - 中) return w.誤り = "chunk runs past the end", w;
        if (std::memcmp(&b[pos], "fmt ", 4) == 0) {
            if (n < 16) return w.誤り = "short fmt chunk", w;
            w.形式 = 読16(b, 中);
            w.チャンネル = 読16(b, 中 + 2);
            w.周波数 = 読32(b, 中 + 4);
            w.ビット = 読16(b, 中 + 14);
            const unsigned 枠 = w.チャンネル * w.ビット / 8;
            if (読16(b, 中 + 12) != 枠 || 読32(b, 中 + 8) != w.周波数 * 枠)
                return w.誤り = "block align / byte rate inconsistent", w;
            fmt = true;
        } else if (std::memcmp(&b[pos], "data", 4) == 0) {
            if (!fmt) return w.誤り = "data before fmt", w;
            if (w.ビット != 16) return w;
            const std::size_t 枠 = 2 * w.チャンネル;
            if (枠 == 0 || n % 枠 != 0) return w.誤り = "data not whole frames", w;
            for (std::size_t i = 中; i < 中 + n; i += 枠) w.標本.push_back(static_cast<std::int16_t>(読16(b, i)));
            return w;
        }
        pos = 中 + n + (n & 1);
    }
    w.誤り = "no data chunk";
    return w;
}

struct 期待 {
    const char* 名前;
    double 最短秒, 最長秒;
};
const 期待 四つ[] = {
    {"その他.wav", 0.4, 0.8},
    {"禁止.wav", 0.15, 0.35},
    {"駒打音.wav", 0.05, 0.15},
    {"BGM.wav", 20.0, 40.0},
};

constexpr int 全振幅 = 32767;

TEST(生成音, 四つとも正しい16ビットPCMで長さも範囲内) {
    for (const auto& e : 四つ) {
        SCOPED_TRACE(e.名前);
        const WAV w = 解析(読む(fs::path(VZ_RUN_DIR) / e.名前));
        ASSERT_EQ(w.誤り, "");
        EXPECT_EQ(w.形式, 1u);
        EXPECT_EQ(w.ビット, 16u);
        EXPECT_TRUE(w.チャンネル == 1 || w.チャンネル == 2) << w.チャンネル;
        EXPECT_TRUE(w.周波数 == 22050 || w.周波数 == 44100) << w.周波数;
        EXPECT_GE(w.秒(), e.最短秒);
        EXPECT_LE(w.秒(), e.最長秒);

        // Audible, not clipped, and no click where the sound starts or stops.
        const int 頂点 = w.最大(0, w.標本.size());
        EXPECT_GT(頂点, 全振幅 / 10);
        EXPECT_LT(頂点, 全振幅);
        EXPECT_LE(std::abs(w.標本.front()), 全振幅 / 100);
        EXPECT_LE(std::abs(w.標本.back()), 全振幅 / 100);
    }
}

TEST(生成音, BGMは無音から始まり_鳴り終えてから終わる) {
    const バイト列 b = 読む(fs::path(VZ_RUN_DIR) / "BGM.wav");
    EXPECT_LT(b.size(), 4u << 20) << "keep the music small";
    const WAV w = 解析(b);
    ASSERT_EQ(w.誤り, "");
    const std::size_t n = w.標本.size();
    const std::size_t ms = w.周波数 / 1000;
    ASSERT_GT(n, 1000 * ms);
    EXPECT_LE(w.最大(0, ms), 全振幅 / 100) << "first millisecond";
    EXPECT_LE(w.最大(n - 50 * ms, n), 全振幅 / 200) << "last 50 ms: the last note must have died away";
    EXPECT_LE(std::abs(w.標本.back() - w.標本.front()), 全振幅 / 200) << "jump at the loop seam";
    // And there is music in between, not just a quiet tail.
    EXPECT_GT(w.最大(n / 4, n / 2), 全振幅 / 10);
    EXPECT_GT(w.最大(n / 2, 3 * n / 4), 全振幅 / 10);
}

fs::path 生成器() {
#ifdef VZ_WAVGEN
    return VZ_WAVGEN;
#else
    return fs::path(VZ_RUN_DIR).parent_path() / "tools" / "vz_wavgen";
#endif
}

int 実行(const std::string& 引数, const fs::path& エラー出力) {
    const std::string 命令 = "'" + 生成器().string() + "' " + 引数 + " 2>'" + エラー出力.string() + "'";
    const int r = std::system(命令.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
}

class 生成器の実行 : public ::testing::Test {
protected:
    // A folder of the test's own (ctest may run these tests side by side),
    // named on the generator's command line; nobody changes directory.
    std::optional<一時フォルダ> 場所;
    fs::path 作業;
    void SetUp() override {
        if (!fs::exists(生成器())) GTEST_SKIP() << "generator not found at " << 生成器();
        場所.emplace(fs::temp_directory_path(), false);
        作業 = 場所->場所();
    }
    void TearDown() override { 場所.reset(); }
};

TEST_F(生成器の実行, 何度作っても同じバイト列) {
    const fs::path 出力 = 作業 / "out";
    fs::create_directories(出力);
    ASSERT_EQ(実行("'" + 出力.string() + "'", 作業 / "err"), 0);
    for (const auto& e : 四つ) {
        const バイト列 今回 = 読む(出力 / e.名前);
        EXPECT_FALSE(今回.empty()) << e.名前;
        EXPECT_TRUE(今回 == 読む(fs::path(VZ_RUN_DIR) / e.名前)) << e.名前 << " differs from the build's copy";
    }
    // Nothing but the four files is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(出力), fs::directory_iterator()), 4);
}

TEST_F(生成器の実行, 書けなければ0以外で終わり理由を出す) {
    std::ofstream(作業 / "ふつうのファイル") << "x";
    const fs::path 行けない = 作業 / "ふつうのファイル" / "sub";
    const fs::path エラー = 作業 / "err";
    EXPECT_NE(実行("'" + 行けない.string() + "'", エラー), 0);
    EXPECT_GT(fs::file_size(エラー), 0u) << "a message on stderr";

    EXPECT_NE(実行("", エラー), 0) << "no folder given";
}

}  // namespace
