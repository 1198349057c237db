// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library on SDL's silent "dummy" driver.  What it plays is
// observed through the mixer itself (Mix_Playing counts sounding voices).
// Voices that must still sound when looked at use BGM.wav (24 s) so that a
// slow machine cannot let them end first.
#include "sound/dsound.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Unless the caller chose a driver, stay silent.
const bool 無音ドライバ = [] { return setenv("SDL_AUDIODRIVER", "dummy", 0) == 0; }();

using バイト列 = std::vector<unsigned char>;

バイト列 読む(const std::string& 名前) {
    std::ifstream f(std::string(VZ_RUN_DIR) + "/" + 名前, std::ios::binary);
    return バイト列(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

const char* const 全ファイル[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};

int 鳴っている声() { return Mix_Playing(-1); }

class 音ライブラリ : public ::testing::Test {
protected:
    long 装置 = 0;
    バイト列 BGM = 読む("BGM.wav");
    バイト列 駒打 = 読む("駒打音.wav");

    void SetUp() override {
        ASSERT_TRUE(無音ドライバ);
        ASSERT_FALSE(BGM.empty()) << "generated sounds missing in " << VZ_RUN_DIR;
        装置 = dsInitialize();
        ASSERT_NE(装置, 0);
    }
    void TearDown() override { dsTerminate(装置); }
    long 作る(const バイト列& b, int フラグ) { return dsCreateDSB(装置, b.data(), b.size(), フラグ); }
};

TEST_F(音ライブラリ, 開いている間の再初期化は同じ装置を返す) {
    int dummy = 0;
    EXPECT_EQ(dsInitialize(&dummy), 装置);
    EXPECT_EQ(dsInitialize(), 装置);
}

TEST_F(音ライブラリ, 生成した四つのファイルからバッファを作れる) {
    std::vector<long> 番号;
    for (const char* 名前 : 全ファイル) {
        for (int フラグ : {1, 3}) {
            const long h = 作る(読む(名前), フラグ);
            EXPECT_NE(h, 0) << 名前 << " flags " << フラグ;
            EXPECT_NE(h, 装置);
            番号.push_back(h);
        }
    }
    std::sort(番号.begin(), 番号.end());
    EXPECT_EQ(std::adjacent_find(番号.begin(), 番号.end()), 番号.end()) << "handles must be distinct";
    for (long h : 番号) dsFree(h);
}

TEST_F(音ライブラリ, 呼び出し側のバイト列は作成直後に捨ててよい) {
    バイト列 一時 = BGM;
    const long h = 作る(一時, 3);
    ASSERT_NE(h, 0);
    std::fill(一時.begin(), 一時.end(), 0xCD);
    一時.clear();
    一時.shrink_to_fit();
    dsPlay(h);
    EXPECT_EQ(鳴っている声(), 1);
    dsFree(h);
    EXPECT_EQ(鳴っている声(), 0);
}

TEST_F(音ライブラリ, 効果音は重ねて鳴り_止めると全部止まる) {
    const long h = 作る(BGM, 3);
    ASSERT_NE(h, 0);
    dsPlay(h);
    dsPlay(h);
    EXPECT_EQ(鳴っている声(), 2);
    dsPlayLooping(h);
    dsPlayLooping(h);  // one loop at most
    EXPECT_EQ(鳴っている声(), 3);
    dsStop(h);
    EXPECT_EQ(鳴っている声(), 0);
    dsStop(h);  // stopping a silent buffer is fine
    dsPlay(h);  // and it can be played again
    EXPECT_EQ(鳴っている声(), 1);
    dsFree(h);
}

TEST_F(音ライブラリ, 音楽は一声だけで_ループ中のループ指示では途切れない) {
    const long h = 作る(BGM, 1);
    ASSERT_NE(h, 0);
    dsPlay(h);
    dsPlay(h);
    EXPECT_EQ(鳴っている声(), 1);
    dsPlayLooping(h);
    EXPECT_EQ(鳴っている声(), 1);
    int 声 = -1;
    for (int ch = 0; ch < Mix_AllocateChannels(-1); ++ch)
        if (Mix_Playing(ch)) 声 = ch;
    ASSERT_GE(声, 0);
    dsPlayLooping(h);  // already looping: the same voice keeps going
    EXPECT_EQ(鳴っている声(), 1);
    EXPECT_TRUE(Mix_Playing(声));
    dsStop(h);
    EXPECT_EQ(鳴っている声(), 0);
    dsPlayLooping(h);  // the BGM menu item switched on again
    EXPECT_EQ(鳴っている声(), 1);
    dsFree(h);
    EXPECT_EQ(鳴っている声(), 0);
}

TEST_F(音ライブラリ, 止めるのも解放するのもそのバッファだけ) {
    const long 音楽 = 作る(BGM, 1);
    const long 効果 = 作る(BGM, 3);
    ASSERT_NE(音楽, 0);
    ASSERT_NE(効果, 0);
    dsPlayLooping(音楽);
    dsPlay(効果);
    EXPECT_EQ(鳴っている声(), 2);
    dsStop(効果);
    EXPECT_EQ(鳴っている声(), 1);
    dsPlay(効果);
    dsFree(音楽);
    EXPECT_EQ(鳴っている声(), 1);

    // A freed handle is unknown from now on.
    dsFree(音楽);
    dsPlay(音楽);
    dsPlayLooping(音楽);
    dsStop(音楽);
    EXPECT_EQ(鳴っている声(), 1);
    dsFree(効果);
    EXPECT_EQ(鳴っている声(), 0);
}

TEST_F(音ライブラリ, ハンドル0と知らないハンドルは何もしない) {
    const long h = 作る(BGM, 1);
    ASSERT_NE(h, 0);
    dsPlayLooping(h);
    for (long 悪い : {0L, 987654L, -1L, 装置}) {
        dsPlay(悪い);
        dsPlayLooping(悪い);
        dsStop(悪い);
        dsFree(悪い);
    }
    EXPECT_EQ(鳴っている声(), 1);
    for (long 悪い : {0L, 987654L, h}) dsTerminate(悪い);  // not the device: ignored
    EXPECT_EQ(鳴っている声(), 1);
    EXPECT_NE(作る(駒打, 3), 0) << "device must still be open";
}

TEST_F(音ライブラリ, 装置ハンドルが違えば作らない) {
    EXPECT_EQ(dsCreateDSB(0, 駒打.data(), 駒打.size(), 3), 0);
    EXPECT_EQ(dsCreateDSB(装置 + 1000, 駒打.data(), 駒打.size(), 3), 0);
}

// Replaces a 32-bit little-endian field.
void 書き換え32(バイト列& b, std::size_t 位置, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[位置 + i] = static_cast<unsigned char>(v >> (8 * i));
}

TEST_F(音ライブラリ, 壊れたデータや途中で切れたファイルは0) {
    ASSERT_GT(駒打.size(), 200u);
    EXPECT_EQ(dsCreateDSB(装置, nullptr, 0, 3), 0);
    EXPECT_EQ(dsCreateDSB(装置, nullptr, 1000, 3), 0);
    EXPECT_EQ(dsCreateDSB(装置, 駒打.data(), 0, 3), 0);

    for (std::size_t 長さ :
         {std::size_t{4}, std::size_t{11}, std::size_t{12}, std::size_t{20}, std::size_t{36}, std::size_t{43},
          std::size_t{44}, std::size_t{45}, std::size_t{200}, 駒打.size() / 2, 駒打.size() - 1})
        EXPECT_EQ(dsCreateDSB(装置, 駒打.data(), 長さ, 3), 0) << "cut at " << 長さ;

    // Deterministic noise, with and without a plausible RIFF start.
    バイト列 ごみ(4096);
    std::uint32_t x = 12345;
    for (auto& c : ごみ) c = static_cast<unsigned char>((x = x * 1103515245u + 12345u) >> 16);
    EXPECT_EQ(作る(ごみ, 3), 0);
    std::copy_n(駒打.begin(), 12, ごみ.begin());
    EXPECT_EQ(作る(ごみ, 3), 0);
    std::copy_n(駒打.begin(), 36, ごみ.begin());  // RIFF, WAVE and fmt, then noise
    EXPECT_EQ(作る(ごみ, 3), 0);

    バイト列 b = 駒打;
    b[0] = 'X';
    EXPECT_EQ(作る(b, 3), 0) << "not RIFF";
    b = 駒打;
    書き換え32(b, 40, 0x7FFFFFF0u);
    EXPECT_EQ(作る(b, 3), 0) << "data chunk longer than the file";
    b = 駒打;
    書き換え32(b, 16, 0xFFFFFFF0u);
    EXPECT_EQ(作る(b, 3), 0) << "fmt chunk longer than the file";
    b = 駒打;
    b[20] = 0x34, b[21] = 0x12;
    EXPECT_EQ(作る(b, 3), 0) << "unknown sample format";
    b = 駒打;
    b[22] = 0;
    EXPECT_EQ(作る(b, 3), 0) << "no channels";

    // None of that upset the device.
    EXPECT_NE(作る(駒打, 3), 0);
}

TEST_F(音ライブラリ, 他のチャンクを挟んだWAVも読める) {
    // An odd-sized LIST chunk (with its pad byte) between fmt and data.
    バイト列 b(駒打.begin(), 駒打.begin() + 36);
    const unsigned char 追加[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    b.insert(b.end(), std::begin(追加), std::end(追加));
    b.insert(b.end(), 駒打.begin() + 36, 駒打.end());
    書き換え32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    const long h = 作る(b, 3);
    EXPECT_NE(h, 0);
    dsFree(h);
}

TEST(音ライブラリ終了, 終了後の呼び出しは無害で_再初期化できる) {
    ASSERT_TRUE(無音ドライバ);
    const バイト列 BGM = 読む("BGM.wav");
    const long 装置 = dsInitialize();
    ASSERT_NE(装置, 0);
    const long h = dsCreateDSB(装置, BGM.data(), BGM.size(), 1);
    ASSERT_NE(h, 0);
    dsPlayLooping(h);
    dsTerminate(装置);

    dsPlay(h);
    dsPlayLooping(h);
    dsStop(h);
    dsFree(h);
    dsTerminate(装置);
    EXPECT_EQ(dsCreateDSB(装置, BGM.data(), BGM.size(), 1), 0);

    const long 次 = dsInitialize();
    ASSERT_NE(次, 0);
    EXPECT_NE(次, 装置) << "an old device handle must not come back to life";
    EXPECT_EQ(dsCreateDSB(装置, BGM.data(), BGM.size(), 1), 0);
    dsPlay(h);  // buffers of the old device are gone
    EXPECT_EQ(鳴っている声(), 0);
    const long h2 = dsCreateDSB(次, BGM.data(), BGM.size(), 1);
    EXPECT_NE(h2, 0);
    dsPlay(h2);
    EXPECT_EQ(鳴っている声(), 1);
    dsTerminate(次);  // frees h2 with it
    dsFree(h2);
}

TEST(音ライブラリ終了, 装置が開けなければ0で_他の呼び出しも無害) {
    ASSERT_TRUE(無音ドライバ);
    const char* 元 = std::getenv("SDL_AUDIODRIVER");
    const std::string 元の値 = 元 ? 元 : "";
    setenv("SDL_AUDIODRIVER", "vz_no_such_driver", 1);
    const long 装置 = dsInitialize();
    setenv("SDL_AUDIODRIVER", 元の値.c_str(), 1);
    EXPECT_EQ(装置, 0);

    const バイト列 駒打 = 読む("駒打音.wav");
    EXPECT_EQ(dsCreateDSB(装置, 駒打.data(), 駒打.size(), 3), 0);
    dsPlay(0);
    dsPlayLooping(0);
    dsStop(0);
    dsFree(0);
    dsTerminate(装置);

    // A device that turns up later can still be opened.
    const long 後 = dsInitialize();
    EXPECT_NE(後, 0);
    dsTerminate(後);
}

}  // namespace
