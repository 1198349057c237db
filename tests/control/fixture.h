// SPDX-License-Identifier: GPL-3.0-or-later
// A started program on the recording platform, run inside a fresh temporary
// folder (start-up reads and writes the settings file there).  Dummy sound
// files make the four buffers 1 その他, 2 禁止, 3 駒打, 4 BGM.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "play/com_turn.h"
#include "play/mouse.h"
#include "play/start.h"
#include "core/setup.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

// A stand-in for the side that answers a human move, played by the test.
struct 試験の応手 : 応手 {
    std::function<void(状態&)> 更新;
    std::function<void(状態&, Platform&)> 手;
    void 局面更新(状態& s) override {
        if (更新) 更新(s);
    }
    void 指す(状態& s, Platform& p) override {
        if (手) 手(s, p);
    }
};

class 対局試験 : public ::testing::Test {
protected:
    // 作業場所 is the test's own folder, the working directory while the
    // test runs; its parent is the test's too (see 一時フォルダ).
    std::optional<一時フォルダ> 場所;
    std::filesystem::path 元の場所, 作業場所;
    std::unique_ptr<状態> sp = std::make_unique<状態>();
    状態& s = *sp;
    // The memory of the computer answering in the game (the text game and
    // the autosave read it); a test with its own COMの応手 hands over that.
    COMの応手 コンピュータの記憶元;
    FakePlatform p;
    // Who answers a human move; nobody unless a test says otherwise.
    応手なし 誰も;
    応手* 相手 = &誰も;

    void SetUp() override {
        元の場所 = std::filesystem::current_path();
        場所.emplace();
        作業場所 = 場所->場所();
        for (const char* f : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) std::ofstream(f) << "RIFF";
        コンピュータの記憶元.受け持つ(s);
        起動(s, p);
        p.全消去();
    }
    void TearDown() override { 場所.reset(); }

    // A press in the middle of cell (c, r).
    void 押す(int c, int r, int button = 1) {
        Form_MouseDown(s, p, *相手, button, 0, 盤原点X + 桝幅 * c + 300, 盤原点Y + 桝高 * r + 300);
    }
    void 指す(int c1, int r1, int c2, int r2, int button = 1) {
        押す(c1, r1);
        押す(c2, r2, button);
    }
    // A game between two people, 先手 (bottom) to move, with nothing shown yet.
    void 二人対局() {
        s.手番_MAN = 先手;
        s.手番_COM = 後手;
        s.手番 = 先手;
        s.操作.対局種別 = 対局_人間;
    }
    // Only the two kings, on their home squares.
    void 王だけ() {
        for (auto& col : s.盤)
            for (auto& v : col) v = 空;
        s.盤[5][1] = 800;
        s.盤[5][9] = -802;
    }
    int 鳴った(const std::string& what) const {
        int n = 0;
        for (const auto& a : p.音) n += a == what;
        return n;
    }
    // The outline the screen shows around cell (c, r): the colour drawn
    // there last since the test began watching, or −1 when none was.
    int 枠色(int c, int r) const {
        int 色 = -1;
        for (const auto& d : p.描画)
            if (d.種類 == 描画記録::枠 && d.x == 盤原点X + 桝幅 * c && d.y == 盤原点Y + 桝高 * r) 色 = d.色;
        return 色;
    }
    メッセージ記録 最後の告知() const { return p.メッセージ履歴.empty() ? メッセージ記録{} : p.メッセージ履歴.back(); }
};
