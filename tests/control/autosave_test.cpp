// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress kept on the disk: written after every move, after
// 戻 and 進 and at the end of the program, removed when the game is over or
// replaced, and offered back at the next start exactly as it was.
#include "store/autosave.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "play/com_game.h"
#include "play/com_turn.h"
#include "play/commands.h"
#include "play/handicap.h"
#include "play/resume.h"
#include "core/rules.h"
#include "play/navigation.h"
#include "play/record_io.h"
#include "tests/control/fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/game_compare.h"
#include "tests/support/read_fault.h"
#include "tests/support/write_fault.h"
#include "view/clock_view.h"

namespace {

namespace fs = std::filesystem;

std::string 中身(const std::string& パス) { return ファイルの中身(パス); }

void 書く(const std::string& パス, const std::string& バイト列) { std::ofstream(パス, std::ios::binary) << バイト列; }

class 自動保存試験 : public 対局試験 {
protected:
    // The computer answering in the game: the one whose memory the game
    // keeps from its start.
    COMの応手& 計算機 = コンピュータの記憶元;

    void SetUp() override {
        対局試験::SetUp();
        s.操作.自動保存 = true;
    }

    bool 自分の駒(int v) const { return (s.手番 == s.手番_MAN && MANの駒(v)) || (s.手番 == s.手番_COM && COMの駒(v)); }
    // The first legal board move of the side to move that takes no king,
    // played with two presses, a little time after the last one.
    void 一手(double 秒 = 1.25) {
        p.現在時刻 += 秒;
        if (s.時計.Timer1有効) Timer1_Timer(s, p);  // the clock's tick
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (!自分の駒(s.盤[x][y])) continue;
                for (int x2 = 1; x2 <= 9; ++x2)
                    for (int y2 = 1; y2 <= 9; ++y2)
                        if (!王(s.盤[x2][y2]) && 移動チェック(s, x, y, x2, y2, s.盤[x][y]) == 真) {
                            指す(x, y, x2, y2);
                            return;
                        }
            }
        FAIL() << "no move";
    }

    // A program started afresh in the same folder, its question answered
    // with 答え.
    struct 次の起動 {
        std::unique_ptr<状態> t = std::make_unique<状態>();
        FakePlatform q;
        COMの応手 計算機;  // the next program's computer, given back its memory
        explicit 次の起動(応答 答え, bool 自動保存 = true) {
            計算機.受け持つ(*t);
            t->操作.自動保存 = 自動保存;
            q.応答予定.push_back(答え);
            起動して再開(*t, q);
        }
        // A new game between two people, a pawn of the bottom side pushed.
        void 歩を突く() {
            START_Click(*t, q);
            応手なし 誰も;
            for (int 行 : {7, 6})
                Form_MouseDown(*t, q, 誰も, 1, 0, 盤原点X + 桝幅 * 3 + 300, 盤原点Y + 桝高 * 行 + 300);
        }
    };

    // The file on the disk, read back into a fresh program, holds the game
    // of s exactly.
    void 戻ると同じ() {
        ASSERT_TRUE(fs::exists(自動保存ファイル));
        次の起動 次(応答::はい);
        ASSERT_EQ(次.q.メッセージ履歴.size(), 1u);
        EXPECT_EQ(次.q.メッセージ履歴[0].本文, "前回の対局を続けますか？");
        EXPECT_EQ(次.q.メッセージ履歴[0].題, "再開");
        EXPECT_EQ(次.q.メッセージ履歴[0].b, ボタン::はいいいえ);
        同じ対局か(s, *次.t, false);
        EXPECT_EQ(次.t->操作.再開待ち, 真);
        EXPECT_FALSE(次.t->時計.Timer1有効);
    }
};

TEST_F(自動保存試験, 二人の対局は一手ごとに残り_そのまま戻る) {
    START_Click(s, p);
    EXPECT_FALSE(fs::exists(自動保存ファイル));  // nothing played yet
    for (int i = 0; i < 5; ++i) {
        一手(0.3 + i);
        SCOPED_TRACE(i);
        戻ると同じ();
    }
    EXPECT_EQ(s.手数, 5);
    EXPECT_NE(s.時計.所有時間_MAN, 0);
    EXPECT_NE(s.時計.所有時間_COM, 0);
}

// The computer's memory carries from turn to turn and goes with the game:
// a program started afresh gives it back to its own computer, which then
// answers the next human move exactly as the uninterrupted game's does.
TEST_F(自動保存試験, 計算機の記憶も戻り_戻した対局の次の手は続けた対局と同じ) {
    レベル_設定(s, p, 3);
    GOTE_Click(s, p, 計算機);
    相手 = &計算機;
    for (int i = 0; i < 4; ++i) 一手(0.7);
    const COMの応手 知らない;  // a computer that has seen nothing
    EXPECT_NE(std::memcmp(&知らない.記憶(), &計算機.記憶(), sizeof(COM表)), 0);

    次の起動 次(応答::はい);
    EXPECT_EQ(std::memcmp(&次.計算機.記憶(), &計算機.記憶(), sizeof(COM表)), 0);
    const int 手数 = s.手数;
    // The same human move, a pawn pushed, on both boards.
    int x = 1;
    while (x <= 9 && !(MANの駒(s.盤[x][7]) && s.盤[x][6] == 空)) ++x;
    ASSERT_LE(x, 9);
    指す(x, 7, x, 6);
    ASSERT_EQ(s.手数, 手数 + 2);
    for (int r : {7, 6})
        Form_MouseDown(*次.t, 次.q, 次.計算機, 1, 0, 盤原点X + 桝幅 * x + 300, 盤原点Y + 桝高 * r + 300);
    ASSERT_EQ(次.t->手数, 手数 + 2);
    EXPECT_EQ(std::memcmp(次.t->盤, s.盤, sizeof s.盤), 0);
    EXPECT_EQ(std::memcmp(&次.計算機.記憶(), &計算機.記憶(), sizeof(COM表)), 0);
}

TEST_F(自動保存試験, 計算機との対局はどちらの席でもどの強さでも戻る) {
    for (int レベル = 1; レベル <= 3; ++レベル)
        for (bool 先に指す : {true, false}) {
            SCOPED_TRACE(std::to_string(レベル) + (先に指す ? " 先手" : " 後手"));
            CANCEL_Click(s, p);
            EXPECT_FALSE(fs::exists(自動保存ファイル));
            レベル_設定(s, p, レベル);
            if (先に指す) SENTE_Click(s, p, 計算機);
            else GOTE_Click(s, p, 計算機);
            相手 = &計算機;
            for (int i = 0; i < 3; ++i) 一手(0.7);
            ASSERT_EQ(s.手番, s.手番_MAN);
            ASSERT_EQ(s.手数, 先に指す ? 6 : 7);
            戻ると同じ();
        }
}

TEST_F(自動保存試験, 戻と進のあとも残り_計算機の番で戻ればクリックで計算機が指す) {
    SENTE_Click(s, p, 計算機);
    相手 = &計算機;
    一手();
    一手();
    REPLAY_Click(s, p);
    ASSERT_EQ(s.手番, s.手番_COM);
    戻ると同じ();
    AFTER_Click(s, p);
    戻ると同じ();
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    REPLAY_Click(s, p);
    ASSERT_EQ(s.手番, s.手番_COM);
    戻ると同じ();

    // The restored game waits for a click, and then the computer moves as
    // after 戻.
    次の起動 次(応答::はい);
    次.q.全消去();
    const int 手数 = 次.t->手数;
    Form_MouseDown(*次.t, 次.q, 次.計算機, 1, 0, 盤原点X + 桝幅 * 5 + 300, 盤原点Y + 桝高 * 5 + 300);
    ASSERT_FALSE(次.q.メッセージ履歴.empty());
    EXPECT_EQ(次.q.メッセージ履歴[0].本文, "OKですか？");
    EXPECT_EQ(次.t->手数, 手数 + 1);
    EXPECT_EQ(次.t->手番, 次.t->手番_MAN);
}

TEST_F(自動保存試験, 戻した対局はその局面と手数と時間を描く) {
    START_Click(s, p);
    for (int i = 0; i < 12; ++i) 一手(61);
    次の起動 次(応答::はい);
    // Every square shows what the restored board holds (an empty square its
    // colour's picture), after the fresh board of the start-up.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const auto 絵 = 次.q.絵の履歴(x, y);
            ASSERT_FALSE(絵.empty());
            const int 期待 = s.盤[x][y] != 空 ? s.盤[x][y] : (s.桝色[x][y] == 桝色_緑 ? 絵_空桝1 : 絵_空桝2);
            EXPECT_EQ(絵.back(), 期待) << x << "," << y;
        }
    const auto 文字 = 次.q.文字の履歴();
    ASSERT_FALSE(文字.empty());
    EXPECT_NE(std::find(文字.begin(), 文字.end(), "12"), 文字.end());        // the move count
    EXPECT_NE(std::find(文字.begin(), 文字.end(), "00:06:06"), 文字.end());  // six moves a side
}

TEST_F(自動保存試験, 二人の対局を戻せば次のクリックで時計が動き出す) {
    START_Click(s, p);
    一手();
    一手();
    次の起動 次(応答::はい);
    EXPECT_EQ(次.t->手番, 先手);
    次.q.全消去();
    次.q.現在時刻 = 5000;
    応手なし 誰も2;
    Form_MouseDown(*次.t, 次.q, 誰も2, 1, 0, 盤原点X + 桝幅 * 5 + 300, 盤原点Y + 桝高 * 5 + 300);
    ASSERT_FALSE(次.q.メッセージ履歴.empty());
    EXPECT_EQ(次.q.メッセージ履歴[0].本文, "先手の番です");
    EXPECT_EQ(次.t->操作.再開待ち, 偽);
    EXPECT_EQ(次.t->時計.開始時刻, 5000);
}

TEST_F(自動保存試験, 見ているだけの棋譜は残らず_そこから指せば残る_手合割の対局も戻る) {
    START_Click(s, p);
    for (int i = 0; i < 4; ++i) 一手();
    ASSERT_EQ(書込_棋譜(s.記録, s.棋譜最終手数, "対局.棋譜", "試合", "上", "下"), "");
    File1_Click(s, p, "対局.棋譜");
    ASSERT_EQ(s.操作.棋譜モード, 真);
    // Stepping through a loaded record, and leaving the program while at
    // it, keeps nothing for the next start.
    struct 操作 {
        const char* 名;
        std::function<void()> f;
    };
    const 操作 見るだけ[] = {
        {"進", [&] { AFTER_Click(s, p); }},
        {"進", [&] { AFTER_Click(s, p); }},
        {"戻", [&] { REPLAY_Click(s, p); }},
        {"終わり", [&] { 自動保存_更新(s, p); }},
    };
    for (const 操作& o : 見るだけ) {
        SCOPED_TRACE(o.名);
        o.f();
        ASSERT_EQ(s.操作.棋譜モード, 真);
        EXPECT_FALSE(fs::exists(自動保存ファイル));
        次の起動 次(応答::はい);
        EXPECT_TRUE(次.q.メッセージ履歴.empty()) << "the viewed record was offered as the last game";
    }
    // Playing on from the record's position makes it a game of the player's.
    SENTE_Click(s, p, 計算機);
    相手 = &計算機;
    ASSERT_EQ(s.操作.棋譜モード, 偽);
    一手();
    戻ると同じ();

    CANCEL_Click(s, p);
    LBEL_UP_Click(s, p);
    LBEL_UP_Click(s, p);
    LBEL_UP_Click(s, p);
    ASSERT_EQ(s.操作.ハンデ設定中, 真);
    START_Click(s, p);
    一手();
    EXPECT_EQ(s.操作.ハンデレベル, 3);
    戻ると同じ();
}

TEST_F(自動保存試験, 終わりでは続いている対局を残す) {
    START_Click(s, p);
    一手();
    fs::remove(自動保存ファイル);
    p.現在時刻 += 9;
    OWARI_Click(s, p);
    EXPECT_TRUE(p.終了済み);
    戻ると同じ();
}

TEST_F(自動保存試験, 王を取って終わった対局と最初と新しい対局で消える) {
    // A king taken in a game between two people.
    二人対局();
    王だけ();
    s.盤[5][2] = -502;  // the bottom side's gold next to the top king
    指す(5, 9, 5, 8);
    ASSERT_TRUE(fs::exists(自動保存ファイル));
    指す(5, 1, 4, 1);
    指す(5, 2, 4, 1);
    EXPECT_NE(s.勝者, 手番_なし);
    EXPECT_FALSE(fs::exists(自動保存ファイル));

    // "最初".
    START_Click(s, p);
    一手();
    ASSERT_TRUE(fs::exists(自動保存ファイル));
    CANCEL_Click(s, p);
    EXPECT_FALSE(fs::exists(自動保存ファイル));

    // A new game by the start command once a game is decided.
    START_Click(s, p);
    一手();
    ASSERT_TRUE(fs::exists(自動保存ファイル));
    s.勝者 = 先手;
    START_Click(s, p);
    EXPECT_FALSE(fs::exists(自動保存ファイル));
}

TEST_F(自動保存試験, 計算機が投了すると消える) {
    // The computer's king in the corner, hemmed in by its own pawns that
    // face it: nothing of the computer can move.
    王だけ();
    s.盤[5][1] = 空;
    s.盤[1][1] = 800;
    s.盤[2][1] = 101;  // faces left, into the king
    s.盤[1][2] = 102;  // faces up, into the king
    s.盤[2][2] = 101;  // faces left, into the pawn at (1, 2)
    s.操作.対局種別 = 対局_COM;
    s.手番_MAN = 先手;
    s.手番_COM = 後手;
    s.手番 = 先手;
    相手 = &計算機;
    指す(5, 9, 5, 8);
    EXPECT_EQ(s.勝者, s.手番_MAN);
    EXPECT_EQ(最後の告知().本文, "あなたの勝ちです");
    EXPECT_FALSE(fs::exists(自動保存ファイル));
}

TEST_F(自動保存試験, 計算機が考える前に人の手が残る) {
    SENTE_Click(s, p, 計算機);
    試験の応手 見る;
    std::string 考える前;
    見る.手 = [&](状態&, Platform&) { 考える前 = 中身(自動保存ファイル); };
    相手 = &見る;
    一手();
    自動保存内容 d;
    ASSERT_TRUE(解析_自動保存(考える前, d));
    EXPECT_EQ(d.手数, 1);
    EXPECT_EQ(d.手番, d.手番_COM);
}

TEST_F(自動保存試験, 切ってあれば何も書かず消さない) {
    s.操作.自動保存 = false;
    書く(自動保存ファイル, "前のもの");
    START_Click(s, p);
    一手();
    REPLAY_Click(s, p);
    AFTER_Click(s, p);
    CANCEL_Click(s, p);
    OWARI_Click(s, p);
    EXPECT_EQ(中身(自動保存ファイル), "前のもの");

    次の起動 次(応答::はい, false);
    EXPECT_TRUE(次.q.メッセージ履歴.empty());
    EXPECT_EQ(中身(自動保存ファイル), "前のもの");
}

// ---- when the disk fails ---------------------------------------------------------------

// What stands at the autosave's name: a file's bytes, a link's target or a
// folder.
std::string 様子() {
    std::error_code e;
    if (fs::is_symlink(自動保存ファイル, e)) return "link " + fs::read_symlink(自動保存ファイル).string();
    if (fs::is_directory(自動保存ファイル, e)) return "folder";
    return fs::exists(自動保存ファイル, e) ? 中身(自動保存ファイル) : "none";
}

int 残った手数() {
    自動保存内容 d;
    return 読込_自動保存(自動保存ファイル, d) == 自動保存状況::あり ? d.手数 : -1;
}

std::string 書けない本文(const std::string& 理由) {
    return std::string("この対局は自動保存されていません。\r") + 理由 +
           "\r対局はこのまま続けられます。一手ごとに保存を試みます。";
}

// Each way the autosave can fail: the player is told once, with the reason,
// the game goes on, every move tries again, says so when it works again,
// and a kept file that could not be replaced is never removed by 最初.
TEST_F(自動保存試験, 書けなければ理由を一度告げ_直れば告げ_残ったものは消さない) {
    std::unique_ptr<書込故障> 故障;
    struct 場合 {
        const char* 名;
        std::function<void()> 壊す, 直す;
        std::string 理由;
    };
    const std::string 名 = 自動保存ファイル;
    const 場合 表[] = {
        {"full disk", [&] { 故障 = std::make_unique<書込故障>(書込故障::書込, ENOSPC); }, [&] { 故障.reset(); },
         "ディスクの空きが足りません。"},
        {"read-only", [&] { 故障 = std::make_unique<書込故障>(書込故障::改名, EROFS); }, [&] { 故障.reset(); },
         "このフォルダーは読み取り専用です。"},
        {"no right", [&] { 故障 = std::make_unique<書込故障>(書込故障::改名, EACCES); }, [&] { 故障.reset(); },
         "このフォルダーに書き込む権限がありません。"},
        {"rename EIO", [&] { 故障 = std::make_unique<書込故障>(書込故障::改名, EIO); }, [&] { 故障.reset(); },
         "ディスクの読み書きでエラーが起きました。"},
        {"link",
         [] {
             fs::remove(自動保存ファイル);
             fs::create_symlink("外.txt", 自動保存ファイル);
         },
         [] { fs::remove(自動保存ファイル); },
         "「" + 名 + "」はシンボリックリンクです。リンクの先には書き込みません。"},
        {"folder",
         [] {
             fs::remove(自動保存ファイル);
             fs::create_directory(自動保存ファイル);
         },
         [] { fs::remove(自動保存ファイル); }, "「" + 名 + "」という名前のフォルダーがあります。"},
    };
    書く("外.txt", "外");
    for (const auto& c : 表) {
        SCOPED_TRACE(c.名);
        START_Click(s, p);
        一手();
        ASSERT_EQ(残った手数(), 1);
        c.壊す();
        const std::string 前 = 様子();
        p.全消去();
        一手();
        一手();
        EXPECT_EQ(s.手数, 3);
        ASSERT_EQ(p.メッセージ履歴.size(), 1u);
        EXPECT_EQ(p.メッセージ履歴[0].題, "自動保存");
        EXPECT_EQ(p.メッセージ履歴[0].本文, 書けない本文(c.理由));
        EXPECT_EQ(様子(), 前);

        c.直す();
        p.全消去();
        一手();
        ASSERT_EQ(p.メッセージ履歴.size(), 1u);
        EXPECT_EQ(p.メッセージ履歴[0].本文,
                  "自動保存できるようになりました。\rこの対局はいまの局面から保存されています。");
        EXPECT_EQ(残った手数(), 4);

        c.壊す();
        const std::string 後 = 様子();
        p.全消去();
        一手();
        CANCEL_Click(s, p);
        std::erase_if(p.メッセージ履歴, [](const auto& m) { return m.題 == "確認"; });  // 最初's own question
        EXPECT_EQ(p.メッセージ履歴.size(), 1u) << "told again after it had worked";
        EXPECT_EQ(様子(), 後) << "最初 removed what it could not replace";
        c.直す();
    }
    EXPECT_EQ(中身("外.txt"), "外");
}

TEST_F(自動保存試験, 終わった対局の残りを消せなければ告げて残す) {
    START_Click(s, p);
    一手();
    p.全消去();
    {
        書込故障 故障(書込故障::削除, EIO);
        CANCEL_Click(s, p);
        CANCEL_Click(s, p);
    }
    std::erase_if(p.メッセージ履歴, [](const auto& m) { return m.題 == "確認"; });  // 最初's own question
    ASSERT_EQ(p.メッセージ履歴.size(), 1u);
    EXPECT_EQ(p.メッセージ履歴[0].本文,
              "前の対局の自動保存ファイルを消せませんでした。\rディスクの読み書きでエラーが起きました。\r"
              "次の起動のとき、その対局を続けるか聞かれます。");
    EXPECT_EQ(残った手数(), 1);
}

TEST_F(自動保存試験, 書けないまま王を取って終わっても残ったものは消さない) {
    二人対局();
    王だけ();
    s.盤[5][2] = -502;
    指す(5, 9, 5, 8);
    const std::string 残り = 中身(自動保存ファイル);
    書込故障 故障(書込故障::書込, ENOSPC);
    指す(5, 1, 4, 1);
    指す(5, 2, 4, 1);
    EXPECT_NE(s.勝者, 手番_なし);
    EXPECT_EQ(中身(自動保存ファイル), 残り);
}

// One write for every completed move, and one at 戻 and 進.
TEST_F(自動保存試験, 一手に一度だけ書く) {
    struct 場合 {
        const char* 名;
        bool 計算機;
        int 一手の書込;
    };
    for (const auto& c : {場合{"two people", false, 1}, 場合{"computer answers", true, 2}}) {
        SCOPED_TRACE(c.名);
        CANCEL_Click(s, p);
        if (c.計算機) {
            レベル_設定(s, p, 1);
            SENTE_Click(s, p, 計算機);
            相手 = &計算機;
        } else {
            START_Click(s, p);
            相手 = &誰も;
        }
        改名の数え 数え(自動保存ファイル);
        for (int i = 1; i <= 3; ++i) {
            一手();
            EXPECT_EQ(数え.回数(), i * c.一手の書込);
        }
        REPLAY_Click(s, p);
        REPLAY_Click(s, p);
        AFTER_Click(s, p);
        EXPECT_EQ(数え.回数(), 3 * c.一手の書込 + 3);
    }
}

// ---- the question at start-up ---------------------------------------------------------

TEST_F(自動保存試験, ファイルがなければ何も聞かない) {
    次の起動 次(応答::はい);
    EXPECT_TRUE(次.q.メッセージ履歴.empty());
    EXPECT_EQ(次.t->手番, 手番_なし);
}

TEST_F(自動保存試験, いいえなら普通に始まりファイルは旧に移る) {
    START_Click(s, p);
    一手();
    const std::string 残り = 中身(自動保存ファイル);
    書く(自動保存ファイル_旧, "もっと前の");
    次の起動 次(応答::いいえ);
    ASSERT_EQ(次.q.メッセージ履歴.size(), 1u);
    EXPECT_EQ(次.t->手番, 手番_なし);
    EXPECT_EQ(次.t->手数, 0);
    EXPECT_FALSE(fs::exists(自動保存ファイル));
    EXPECT_EQ(中身(自動保存ファイル_旧), 残り);
}

TEST_F(自動保存試験, 壊れたファイルは一度告げて破損に移し_前の破損は残す) {
    START_Click(s, p);
    一手();
    const std::string 正しい = 中身(自動保存ファイル);
    const std::string 壊れ[] = {
        正しい.substr(0, 正しい.size() / 2),                       // cut off
        "Vezuvire autosave 6" + 正しい.substr(正しい.find('\n')),  // a later version
        "ごみ",
    };
    const std::string 名前[] = {"Vezuvire.autosave.damaged", "Vezuvire.autosave.damaged.2",
                                "Vezuvire.autosave.damaged.3"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        書く(自動保存ファイル, 壊れ[i]);
        次の起動 次(応答::はい);
        ASSERT_EQ(次.q.メッセージ履歴.size(), 1u);
        EXPECT_EQ(次.q.メッセージ履歴[0].本文,
                  "前回の対局の自動保存ファイルを読めませんでした。\r「" + 名前[i] + "」に移しました。");
        EXPECT_EQ(次.q.メッセージ履歴[0].題, "再開");
        EXPECT_EQ(次.q.メッセージ履歴[0].b, ボタン::OK);
        EXPECT_TRUE(次.q.メッセージ履歴[0].警告);
        EXPECT_EQ(次.t->手番, 手番_なし);
        EXPECT_FALSE(fs::exists(自動保存ファイル));
        for (int j = 0; j <= i; ++j) EXPECT_EQ(中身(名前[j]), 壊れ[j]);
    }
}

TEST_F(自動保存試験, 移せない壊れたファイルはそのままと告げ_この回は自動保存しない) {
    fs::create_directory("Vezuvire.autosave");  // read as damaged
    // Every name it could be moved to is taken by a folder that is not empty.
    for (int i = 1; i < 100; ++i) {
        const std::string 名 =
            i == 1 ? std::string(自動保存ファイル_破損) : std::string(自動保存ファイル_破損) + "." + std::to_string(i);
        fs::create_directory(名);
        書く(名 + "/x", "x");
    }
    次の起動 次(応答::はい);
    ASSERT_EQ(次.q.メッセージ履歴.size(), 1u);
    EXPECT_EQ(次.q.メッセージ履歴[0].本文,
              "前回の対局の自動保存ファイルを読めませんでした。\r「Vezuvire.autosave」を移せなかったので、"
              "そのままにしてあります。\r今回は対局を自動保存しません。");
    EXPECT_TRUE(fs::is_directory(自動保存ファイル));
    EXPECT_FALSE(次.t->操作.自動保存);
}

// Whenever the kept game cannot be taken up or moved aside, it stays as it
// is, the player is told why, nothing of this run replaces it, and the next
// start offers it again.
TEST_F(自動保存試験, 問いのあと移せず読めず答えがなくても残した対局はそのまま) {
    struct 場合 {
        const char* 名;
        std::function<std::shared_ptr<void>()> 用意;  // what is wrong while the program starts
        応答 答え;
        const char* 題;
        std::string 本文;  // told after the question, or instead of it
    };
    const std::string 残すのは = "\r「Vezuvire.autosave」はそのままにしてあります。\r今回は対局を自動保存しません。";
    const 場合 表[] = {
        {"Esc", [] { return nullptr; }, 応答::なし, "再開",
         "前回の対局はそのままにして、次の起動のときにもう一度お聞きします。\r今回は対局を自動保存しません。"},
        {"folder at .old",
         [] {
             fs::create_directory(自動保存ファイル_旧);
             return std::shared_ptr<void>(nullptr, [](void*) { fs::remove(自動保存ファイル_旧); });
         },
         応答::いいえ, "自動保存",
         "前回の対局を「Vezuvire.autosave.old」に移せませんでした。\r「Vezuvire.autosave.old」という名前のフォルダーが"
         "あります。" +
             残すのは},
        {"rename fails", [] { return std::make_shared<書込故障>(書込故障::改名, EIO); }, 応答::いいえ, "自動保存",
         "前回の対局を「Vezuvire.autosave.old」に移せませんでした。\rディスクの読み書きでエラーが起きました。" +
             残すのは},
        {"read error", [] { return std::make_shared<読込故障>(3); }, 応答::はい, "再開",
         "前回の対局の自動保存ファイルを読めませんでした。\rディスクの読み書きでエラーが起きました。\r"
         "「Vezuvire.autosave」はそのままにして、次の起動のときにもう一度読みます。\r今回は対局を自動保存しません。"},
    };
    START_Click(s, p);
    一手();
    const std::string 残り = 中身(自動保存ファイル);
    for (const auto& c : 表) {
        SCOPED_TRACE(c.名);
        {
            auto 用意 = c.用意();
            次の起動 次(c.答え);
            ASSERT_FALSE(次.q.メッセージ履歴.empty());
            EXPECT_EQ(次.q.メッセージ履歴.back().本文, c.本文);
            EXPECT_EQ(次.q.メッセージ履歴.back().題, std::string(c.題));
            EXPECT_FALSE(次.t->操作.自動保存);
            EXPECT_EQ(次.t->手数, 0);
            // The new game of this run, played and given up, leaves it alone.
            次.歩を突く();
            EXPECT_EQ(次.t->手数, 1);
            CANCEL_Click(*次.t, 次.q);
            OWARI_Click(*次.t, 次.q);
        }
        EXPECT_EQ(中身(自動保存ファイル), 残り);
        EXPECT_FALSE(fs::exists(自動保存ファイル_破損));
        次の起動 その次(応答::はい);
        ASSERT_EQ(その次.q.メッセージ履歴.size(), 1u);
        EXPECT_EQ(その次.q.メッセージ履歴[0].本文, "前回の対局を続けますか？");
        EXPECT_EQ(その次.t->手数, 1);
        書く(自動保存ファイル, 残り);
    }
}

TEST_F(自動保存試験, 名前がリンクならたどらずに告げる) {
    START_Click(s, p);
    一手();
    fs::rename(自動保存ファイル, "外");
    fs::create_symlink("外", 自動保存ファイル);
    次の起動 次(応答::はい);
    ASSERT_EQ(次.q.メッセージ履歴.size(), 1u);
    EXPECT_EQ(次.q.メッセージ履歴[0].本文,
              "「Vezuvire.autosave」はシンボリックリンクなので、前回の対局として読みませんでした。\r"
              "リンクの先には書き込まないので、この対局は自動保存されません。");
    EXPECT_EQ(次.t->手数, 0);
    // The player has been told: the moves that fail say nothing more.
    次.歩を突く();
    ASSERT_EQ(次.q.メッセージ履歴.size(), 2u);
    EXPECT_EQ(次.q.メッセージ履歴[1].本文, "先手の番です");
    EXPECT_TRUE(fs::is_symlink(自動保存ファイル));
    自動保存内容 d;
    EXPECT_EQ(読込_自動保存("外", d), 自動保存状況::あり);
    EXPECT_EQ(d.手数, 1);
}

}  // namespace
