// SPDX-License-Identifier: GPL-3.0-or-later
// The game's side of sound: opening the device, loading the WAV files that
// lie beside the program, closing down.  First against the recording fake,
// then with the real library behind the platform.
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/read_fault.h"
#include "tests/support/temp_dir.h"
#include "tests/support/watchdog.h"
#include "store/sound.h"
#include "sound/dsound.h"

namespace {

namespace fs = std::filesystem;
using バイト列 = std::vector<unsigned char>;

const bool 無音ドライバ = [] { return setenv("SDL_AUDIODRIVER", "dummy", 0) == 0; }();

std::string 場所(const char* 名前) { return (fs::path(VZ_RUN_DIR) / 名前).string(); }

バイト列 読む(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    return バイト列(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

struct 読込表 {
    const char* 名前;
    int フラグ;
};
// The start-up order and flags of the game.
const 読込表 起動時の読込[] = {{"その他.wav", 3}, {"禁止.wav", 3}, {"駒打音.wav", 3}, {"BGM.wav", 1}};

// Keeps a copy of every image handed to the library.
class 記録する : public FakePlatform {
public:
    struct 作成 {
        long 装置;
        バイト列 画像;
        int フラグ;
    };
    std::vector<作成> 作成履歴;
    long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) override {
        作成履歴.push_back({装置, バイト列(画像, 画像 + 長さ), フラグ});
        return 100 + static_cast<long>(作成履歴.size());
    }
};

std::unique_ptr<状態> 新しい状態() { return std::make_unique<状態>(); }

TEST(サウンド読込, 装置があれば初期化は黙って装置を覚える) {
    auto s = 新しい状態();
    FakePlatform p;
    p.装置値 = 7;
    サウンド初期化(*s, p);
    EXPECT_EQ(s->表示.サウンド装置, 7);
    EXPECT_TRUE(p.メッセージ履歴.empty());
    EXPECT_EQ(p.音, std::vector<std::string>{"init"});

    サウンド終了(*s, p);
    EXPECT_EQ(p.音.back(), "terminate 7");
}

TEST(サウンド読込, ファイルを丸ごとフラグと一緒に渡す) {
    auto s = 新しい状態();
    記録する p;
    p.装置値 = 7;
    サウンド初期化(*s, p);
    long 期待 = 101;
    for (const auto& e : 起動時の読込) {
        SCOPED_TRACE(e.名前);
        EXPECT_EQ(サウンド読込(*s, p, 場所(e.名前), e.フラグ), 期待++);
        ASSERT_FALSE(p.作成履歴.empty());
        const auto& c = p.作成履歴.back();
        EXPECT_EQ(c.装置, 7);
        EXPECT_EQ(c.フラグ, e.フラグ);
        const バイト列 中身 = 読む(場所(e.名前));
        ASSERT_FALSE(中身.empty());
        EXPECT_TRUE(c.画像 == 中身) << "the whole file, byte for byte";
    }
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

TEST(サウンド読込, 無いファイルは黙って0) {
    auto s = 新しい状態();
    記録する p;
    サウンド初期化(*s, p);
    EXPECT_EQ(サウンド読込(*s, p, 場所("無い音.wav"), 3), 0);
    EXPECT_EQ(サウンド読込(*s, p, "", 3), 0);
    EXPECT_TRUE(p.作成履歴.empty());
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

TEST(サウンド読込, 読めないファイルは警告を出して0) {
    auto s = 新しい状態();
    記録する p;
    サウンド初期化(*s, p);
    // A folder by that name: it exists, but cannot be read as a file.
    const 一時フォルダ d(fs::temp_directory_path(), false);
    const fs::path 偽物 = d.場所() / "音.wav";
    fs::create_directories(偽物);
    EXPECT_EQ(サウンド読込(*s, p, 偽物.string(), 3), 0);
    EXPECT_TRUE(p.作成履歴.empty());
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    const auto& m = p.メッセージ履歴[0];
    EXPECT_EQ(m.題, "Vezuvire.dll");
    EXPECT_EQ(m.b, ボタン::OK);
    EXPECT_TRUE(m.警告);
    EXPECT_NE(m.本文.find(偽物.string()), std::string::npos) << m.本文;
}

TEST(サウンド読込, FIFOや大きすぎるファイルや読込エラーは待たず読み切らず警告して0) {
    一時フォルダ d;
    見張り 犬;
    auto s = 新しい状態();
    記録する p;
    サウンド初期化(*s, p);
    ASSERT_EQ(::mkfifo("BGM.wav", 0644), 0);
    EXPECT_EQ(サウンド読込(*s, p, "BGM.wav", 1), 0);  // would wait for a writer for ever
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(p.メッセージ履歴[0].本文,
              "音声ファイル「BGM.wav」を読み込めませんでした。\r通常のファイルではありません。");
    EXPECT_EQ(p.メッセージ履歴[0].題, "Vezuvire.dll");

    // A sparse file far beyond any sound: refused from its size alone.
    fs::remove("BGM.wav");
    std::ofstream("BGM.wav").close();
    fs::resize_file("BGM.wav", サウンドの上限 + 1);
    {
        読込故障 数える(1 << 30);
        EXPECT_EQ(サウンド読込(*s, p, "BGM.wav", 1), 0);
        EXPECT_EQ(読込故障::回数(), 0);
    }
    EXPECT_EQ(p.メッセージ履歴.back().本文,
              "音声ファイル「BGM.wav」を読み込めませんでした。\rファイルが大きすぎます。");

    // The disk fails part-way through a sound.
    const バイト列 中身 = 読む(場所("駒打音.wav"));
    ASSERT_GT(中身.size(), 1000u);
    fs::copy_file(場所("駒打音.wav"), "駒打音.wav");
    {
        読込故障 故障(5);
        EXPECT_EQ(サウンド読込(*s, p, "駒打音.wav", 3), 0);
    }
    EXPECT_EQ(p.メッセージ履歴.back().本文,
              "音声ファイル「駒打音.wav」を読み込めませんでした。\r入出力エラーが起きました。");
    EXPECT_EQ(p.メッセージ履歴.size(), 3u);
    EXPECT_TRUE(p.作成履歴.empty());
    // The limit itself is still a sound.
    fs::resize_file("BGM.wav", サウンドの上限);
    EXPECT_NE(サウンド読込(*s, p, "BGM.wav", 1), 0);
    EXPECT_EQ(p.作成履歴.back().画像.size(), サウンドの上限);
}

TEST(サウンド読込, 装置が無ければ一度だけ警告し_どの読込も0) {
    auto s = 新しい状態();
    記録する p;
    p.装置値 = 0;
    サウンド初期化(*s, p);
    EXPECT_EQ(s->表示.サウンド装置, 0);
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    const auto& m = p.メッセージ履歴[0];
    EXPECT_EQ(m.本文, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(m.題, "Vezuvire.dll");
    EXPECT_EQ(m.b, ボタン::OK);
    EXPECT_TRUE(m.警告);

    for (const auto& e : 起動時の読込) EXPECT_EQ(サウンド読込(*s, p, 場所(e.名前), e.フラグ), 0) << e.名前;
    EXPECT_TRUE(p.作成履歴.empty());
    サウンド終了(*s, p);
    EXPECT_EQ(p.音, std::vector<std::string>{"init"}) << "no terminate without a device";
    EXPECT_EQ(p.メッセージ履歴.size(), 1u);
}

// The platform of the real program as far as sound goes: the library itself.
class 本物の音 : public FakePlatform {
public:
    long dsInitialize() override { return ::dsInitialize(); }
    long dsCreateDSB(long d, const unsigned char* b, std::size_t n, int f) override {
        return ::dsCreateDSB(d, b, n, f);
    }
    void dsPlay(long h) override { ::dsPlay(h); }
    void dsPlayLooping(long h) override { ::dsPlayLooping(h); }
    void dsStop(long h) override { ::dsStop(h); }
    void dsFree(long h) override { ::dsFree(h); }
    void dsTerminate(long d) override { ::dsTerminate(d); }
};

TEST(サウンド読込, 本物のライブラリで起動から終了まで) {
    ASSERT_TRUE(無音ドライバ);
    auto s = 新しい状態();
    本物の音 p;
    サウンド初期化(*s, p);
    ASSERT_NE(s->表示.サウンド装置, 0);
    EXPECT_TRUE(p.メッセージ履歴.empty());

    s->表示.音_その他 = サウンド読込(*s, p, 場所("その他.wav"), 3);
    s->表示.音_禁止 = サウンド読込(*s, p, 場所("禁止.wav"), 3);
    s->表示.音_駒打 = サウンド読込(*s, p, 場所("駒打音.wav"), 3);
    s->表示.音_BGM = サウンド読込(*s, p, 場所("BGM.wav"), 1);
    for (long h : {s->表示.音_その他, s->表示.音_禁止, s->表示.音_駒打, s->表示.音_BGM}) EXPECT_NE(h, 0);
    EXPECT_EQ(サウンド読込(*s, p, 場所("無い音.wav"), 3), 0);

    p.dsPlayLooping(s->表示.音_BGM);
    EXPECT_EQ(Mix_Playing(-1), 1);
    p.dsPlay(s->表示.音_駒打);
    p.dsPlay(0);  // a sound that failed to load
    p.dsStop(s->表示.音_BGM);
    p.dsPlayLooping(s->表示.音_BGM);

    for (long h : {s->表示.音_その他, s->表示.音_禁止, s->表示.音_駒打, s->表示.音_BGM}) p.dsFree(h);
    EXPECT_EQ(Mix_Playing(-1), 0);
    サウンド終了(*s, p);
    EXPECT_TRUE(p.メッセージ履歴.empty());
}

}  // namespace
