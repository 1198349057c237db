// SPDX-License-Identifier: GPL-3.0-or-later
// One click must not lose a game: every command that would set up a new
// board over a game in progress asks first, and いいえ changes nothing at
// all, neither the game nor the window nor the game kept on the disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "play/com_game.h"
#include "play/commands.h"
#include "store/autosave.h"
#include "play/navigation.h"
#include "store/record_file.h"
#include "play/record_io.h"
#include "tests/control/fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/game_compare.h"

namespace {

constexpr const char* 問い = "今の対局を終わりにしますか？";

enum 局 { 始まる前, 手なし, 途中, 全部戻した, 終局, 棋譜を見る };

// Name, what opens its menu or panel, the command.  The first two throw the
// board away; a record that cannot be read throws nothing away.
const struct {
    const char* 名;
    void (*準備)(状態&, Platform&);
    void (*実行)(状態&, Platform&);
} 命令表[] = {
    {"最初", STOP_Click, CANCEL_Click},
    {"読込", KIFU_READ_Click, [](状態& s, Platform& p) { File1_Click(s, p, "対局.棋譜"); }},
    {"読めない読込", KIFU_READ_Click, [](状態& s, Platform& p) { File1_Click(s, p, "ない.棋譜"); }},
    {"スタート", TAIKYOKU_Click, START_Click},
    {"先手", TAIKYOKU_Click,
     [](状態& s, Platform& p) {
         応手なし a;
         SENTE_Click(s, p, a);
     }},
    {"後手", TAIKYOKU_Click,
     [](状態& s, Platform& p) {
         応手なし a;
         GOTE_Click(s, p, a);
     }},
};

class 確認試験 : public 対局試験 {
protected:
    void SetUp() override {
        対局試験::SetUp();
        用意(途中);  // a record to load: four moves of two people
        ASSERT_EQ(書込_棋譜(s.記録, s.棋譜最終手数, "対局.棋譜", "試合", "上", "下"), "");
        s.操作.自動保存 = true;
    }
    void 用意(局 k) {
        初期設定(s, p);
        if (k == 棋譜を見る) {
            File1_Click(s, p, "対局.棋譜");
            AFTER_Click(s, p);
        } else if (k != 始まる前) {
            START_Click(s, p);
            if (k == 手なし) return;
            for (int x : {5, 3}) {
                指す(x, 7, x, 6);
                指す(x, 3, x, 4);
            }
            for (int i = 0; k == 全部戻した && i < 4; ++i) REPLAY_Click(s, p);
            if (k == 終局) s.勝者 = 先手;
        }
    }
    int 問われた数() const {
        return static_cast<int>(
            std::count_if(p.メッセージ履歴.begin(), p.メッセージ履歴.end(), [](auto& m) { return m.本文 == 問い; }));
    }
};

}  // namespace

TEST_F(確認試験, 対局途中を捨てる命令だけが問う) {
    for (const auto& c : 命令表)
        for (局 k : {始まる前, 手なし, 途中, 全部戻した, 終局, 棋譜を見る}) {
            SCOPED_TRACE(std::string(c.名) + " " + std::to_string(k));
            用意(k);
            c.準備(s, p);
            p.全消去();
            c.実行(s, p);
            const bool 捨てる = c.名 == std::string("最初") || c.名 == std::string("読込");
            EXPECT_EQ(問われた数(), 捨てる && (k == 途中 || k == 全部戻した) ? 1 : 0);
        }
}

TEST_F(確認試験, いいえも答えのない問いも何も変えず_はいで捨てる) {
    for (int i : {0, 1})
        for (応答 答え : {応答::いいえ, 応答::OK, 応答::はい}) {
            SCOPED_TRACE(std::string(命令表[i].名) + " " + 応答名(答え));
            用意(途中);
            命令表[i].準備(s, p);
            const auto 前 = std::make_unique<状態>(s);
            const std::string 残り = ファイルの中身(自動保存ファイル);
            ASSERT_FALSE(残り.empty());
            p.全消去();
            p.応答予定.push_back(答え);
            命令表[i].実行(s, p);
            if (答え == 応答::はい) {
                EXPECT_EQ(s.手数, 0);
                EXPECT_EQ(s.操作.棋譜モード, i == 1 ? 真 : 偽);
                EXPECT_FALSE(std::filesystem::exists(自動保存ファイル));
                continue;
            }
            同じ対局か(*前, s);
            EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);
            // Nothing drawn, played or timed: only the question (after a look
            // at the folder the record was read from).
            EXPECT_EQ(p.呼出履歴.back(),
                      "メッセージ \"" + std::string(問い) + "\" \"確認\" はいいいえ 0 -> " + 応答名(答え));
            EXPECT_EQ(p.呼出履歴.size(), i + 1u);
        }
}
