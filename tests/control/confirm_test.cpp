// SPDX-License-Identifier: GPL-3.0-or-later
// One click must not lose a game: every command that would set up a new
// board over a game in progress asks first, and いいえ changes nothing at
// all, neither the game nor the window nor the game kept on the disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control/com_game.h"
#include "control/commands.h"
#include "records/autosave.h"
#include "records/navigation.h"
#include "records/record_file.h"
#include "records/record_io.h"
#include "tests/control/fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/game_compare.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* 問い = "今の対局を終わりにしますか？";
const std::string 問いの行 = std::string("メッセージ \"") + 問い + "\" \"確認\" はいいいえ 0 -> ";

enum class 局 { 始まる前, 手なし, 途中, 全部戻した, 終局, 棋譜 };

struct 命令 {
    const char* 名;
    void (*準備)(状態&, Platform&);  // e.g. opening the panel the command belongs to
    std::function<void(状態&, Platform&, 応手&)> 実行;
};

void 何もしない(状態&, Platform&) {}

const std::vector<命令>& 命令表() {
    static const std::vector<命令> 表 = {
        {"最初", 何もしない, [](状態& s, Platform& p, 応手&) { CANCEL_Click(s, p); }},
        {"読込", KIFU_READ_Click, [](状態& s, Platform& p, 応手&) { File1_Click(s, p, "対局.棋譜"); }},
        {"スタート", 何もしない, [](状態& s, Platform& p, 応手&) { START_Click(s, p); }},
        {"先手", 何もしない, [](状態& s, Platform& p, 応手& a) { SENTE_Click(s, p, a); }},
        {"後手", 何もしない, [](状態& s, Platform& p, 応手& a) { GOTE_Click(s, p, a); }},
    };
    return 表;
}

class 確認試験 : public 対局試験 {
protected:
    void SetUp() override {
        対局試験::SetUp();
        // A record to load: four moves of two people.
        START_Click(s, p);
        四手();
        ASSERT_EQ(書込_棋譜(s, "対局.棋譜", "試合", "上", "下"), "");
        初期設定(s, p);
        s.自動保存 = true;
    }

    void 四手() {
        指す(5, 7, 5, 6);
        指す(5, 3, 5, 4);
        指す(3, 7, 3, 6);
        指す(3, 3, 3, 4);
    }

    void 用意(局 k) {
        初期設定(s, p);
        if (k == 局::始まる前) return;
        if (k == 局::棋譜) {
            File1_Click(s, p, "対局.棋譜");
            AFTER_Click(s, p);
            AFTER_Click(s, p);
            return;
        }
        START_Click(s, p);
        if (k == 局::手なし) return;
        四手();
        if (k == 局::全部戻した)
            for (int i = 0; i < 4; ++i) REPLAY_Click(s, p);
        if (k == 局::終局) s.勝者 = 先手;
    }

    int 問われた数() const {
        int n = 0;
        for (const auto& m : p.メッセージ履歴) n += m.本文 == 問い;
        return n;
    }
};

}  // namespace

TEST_F(確認試験, 対局途中を捨てる命令だけが問う) {
    const std::pair<局, const char*> 局面表[] = {
        {局::始まる前, "始まる前"}, {局::手なし, "手なし"}, {局::途中, "途中"},
        {局::全部戻した, "全部戻した"}, {局::終局, "終局"},   {局::棋譜, "棋譜"},
    };
    for (const auto& c : 命令表())
        for (auto [k, 局名] : 局面表) {
            SCOPED_TRACE(std::string(c.名) + " / " + 局名);
            用意(k);
            ASSERT_EQ(s.手数 > 0 || s.棋譜最終手数 > 0, k != 局::始まる前 && k != 局::手なし);
            c.準備(s, p);
            p.全消去();
            c.実行(s, p, *相手);
            const bool 捨てる = std::string(c.名) == "最初" || std::string(c.名) == "読込";
            EXPECT_EQ(問われた数(), 捨てる && (k == 局::途中 || k == 局::全部戻した) ? 1 : 0);
            EXPECT_TRUE(p.応答予定.empty());
        }
}

TEST_F(確認試験, いいえと答えなかった問いは何も変えない) {
    for (const char* 名 : {"最初", "読込"})
        for (応答 答え : {応答::いいえ, 応答::OK}) {
            SCOPED_TRACE(std::string(名) + " " + 応答名(答え));
            const 命令& c = 名 == std::string("最初") ? 命令表()[0] : 命令表()[1];
            用意(局::途中);
            c.準備(s, p);
            const auto 前 = std::make_unique<状態>(s);
            const std::string 残り = ファイルの中身(自動保存ファイル);
            ASSERT_FALSE(残り.empty());
            bool 見えた[パネル部品数];
            std::copy(std::begin(p.パネル見える), std::end(p.パネル見える), 見えた);
            p.全消去();
            p.応答予定.push_back(答え);

            c.実行(s, p, *相手);

            同じ対局か(*前, s);
            EXPECT_EQ(s.選択状態, 前->選択状態);
            EXPECT_EQ(s.Timer1有効, 前->Timer1有効);
            EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);
            EXPECT_TRUE(std::equal(std::begin(見えた), std::end(見えた), std::begin(p.パネル見える)));
            // Only the question (and, for a record, the look at the folder
            // it was read from): nothing drawn, played or timed.
            ASSERT_FALSE(p.呼出履歴.empty());
            EXPECT_EQ(p.呼出履歴.back(), 問いの行 + 応答名(答え));
            EXPECT_EQ(p.呼出履歴.size(), c.名 == std::string("最初") ? 1u : 2u) << p.呼出履歴[0];
        }
}

TEST_F(確認試験, はいで対局を捨てる) {
    用意(局::途中);
    ASSERT_TRUE(fs::exists(自動保存ファイル));
    p.応答予定.push_back(応答::はい);
    CANCEL_Click(s, p);
    EXPECT_EQ(s.手番, 手番_なし);
    EXPECT_EQ(s.盤[5][7], -102);
    EXPECT_EQ(s.棋譜最終手数, 0);
    EXPECT_FALSE(fs::exists(自動保存ファイル));

    用意(局::途中);
    KIFU_READ_Click(s, p);
    p.全消去();
    p.応答予定.push_back(応答::はい);
    File1_Click(s, p, "対局.棋譜");
    ASSERT_EQ(p.メッセージ履歴.size(), 3u);
    EXPECT_EQ(p.メッセージ履歴[0].本文, 問い);
    EXPECT_EQ(p.メッセージ履歴[1].本文, " 読み込みました");
    EXPECT_EQ(s.棋譜モード, 真);
    EXPECT_EQ(s.棋譜最終手数, 3);  // the position after the last move is not logged
    EXPECT_FALSE(p.パネル見える[static_cast<int>(パネル部品::File1)]);
    EXPECT_FALSE(fs::exists(自動保存ファイル));
}

TEST_F(確認試験, 読めない棋譜では問わず対局が続く) {
    用意(局::途中);
    const std::string 残り = ファイルの中身(自動保存ファイル);
    KIFU_READ_Click(s, p);
    p.全消去();
    File1_Click(s, p, "ない.棋譜");
    EXPECT_EQ(問われた数(), 0);
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_TRUE(p.メッセージ履歴[0].警告);
    EXPECT_EQ(s.手数, 4);
    EXPECT_EQ(s.棋譜モード, 偽);
    EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);
}
