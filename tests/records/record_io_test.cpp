// SPDX-License-Identifier: GPL-3.0-or-later
// The record panel: opening it, writing with "RETURN", loading by a click
// in the file list, and a real game written, read back and replayed.
#include "play/record_io.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "core/rules.h"
#include "play/navigation.h"
#include "view/panel.h"
#include "store/sjis.h"
#include "tests/control/fixture.h"
#include "tests/support/read_fault.h"

namespace {

namespace fs = std::filesystem;
using 告知対 = std::pair<std::string, std::string>;

std::vector<std::string> 行に分ける(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string b = ss.str();
    std::vector<std::string> out;
    for (std::size_t pos = 0, e; (e = b.find("\r\n", pos)) != std::string::npos; pos = e + 2)
        out.push_back(b.substr(pos, e - pos));
    return out;
}

std::string 王二枚の行() {
    棋譜局面 r;
    r.盤[5][1] = 800;
    r.盤[5][9] = -802;
    r.盤[1][1] = 200;
    return 変換_指し手行(r) + "\r\n";
}

class 棋譜パネル : public 対局試験 {
protected:
    bool 見える(パネル部品 b) const { return p.パネル見える[static_cast<int>(b)]; }
    void 入力(パネル部品 b, const std::string& t) { p.パネル文字列[static_cast<int>(b)] = t; }
    void 名前(const std::string& t) { 入力(パネル部品::入力_ファイル名, t); }
    // A game between two people with two moves made (records 1 and 2 logged).
    void 二手指す() {
        二人対局();
        指す(7, 7, 7, 6);
        指す(3, 3, 3, 4);
        ASSERT_EQ(s.棋譜最終手数, 2);
        p.全消去();
    }
    void 書く(const std::string& 名, const std::string& 中身) {
        std::ofstream(作業場所 / 名, std::ios::binary) << 中身;
    }
    std::vector<告知対> 告知() const {
        std::vector<告知対> out;
        for (const auto& m : p.メッセージ履歴) out.push_back({m.本文, m.題});
        return out;
    }
    告知対 最後() const { return 告知().empty() ? 告知対{} : 告知().back(); }
    bool 告知に(const std::string& 句) const {
        return !p.メッセージ履歴.empty() && p.メッセージ履歴.back().本文.find(句) != std::string::npos;
    }

    // One random legal move by whoever is to move, made with the mouse
    // (right or left button at random); kings are never taken.
    bool 乱数の一手(std::mt19937& 乱) {
        std::vector<std::array<int, 4>> 候補;
        const bool 下 = s.手番 == s.手番_MAN;
        auto 加える = [&](int 元X, int 元Y, int 駒) {
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (std::abs(s.盤[c][r]) / 100 != 8 && 移動チェック(s, 元X, 元Y, c, r, 駒) == 真)
                        候補.push_back({元X, 元Y, c, r});
        };
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (下 ? s.盤[x][y] <= -100 : s.盤[x][y] >= 100) 加える(x, y, s.盤[x][y]);
        for (int k = 1; k <= 7; ++k) {
            if (下 && s.持駒_MAN[k] > 0) 加える(11, k + 2, -(k * 100 + 2));
            if (!下 && s.持駒_COM[k] > 0) 加える(-1, 8 - k, k * 100);
        }
        if (候補.empty()) return false;
        const auto c = 候補[乱() % 候補.size()];
        const int 前 = s.棋譜手数;
        p.現在時刻 += (乱() % 4000) / 100.0;
        押す(c[0], c[1]);
        押す(c[2], c[3], 乱() % 2 ? 2 : 1);
        return s.棋譜手数 == 前 + 1 && s.勝者 == 手番_なし;
    }
};

}  // namespace

TEST_F(棋譜パネル, 読込と書込でパネルを開き手合割中は書込を断る) {
    KIFU_READ_Click(s, p);
    EXPECT_TRUE(見える(パネル部品::Drive1) && 見える(パネル部品::Dir1) && 見える(パネル部品::File1));
    EXPECT_FALSE(見える(パネル部品::RETURN) || 見える(パネル部品::入力_ファイル名));
    KIFU_WRITE_Click(s, p);
    EXPECT_TRUE(見える(パネル部品::Dir1) && 見える(パネル部品::RETURN) && 見える(パネル部品::ラベル_上) &&
                見える(パネル部品::入力_下));
    EXPECT_FALSE(見える(パネル部品::File1));
    Dir1_Change(p, 場所->外側().string());
    EXPECT_EQ(p.パネルフォルダ(), 場所->外側().string());
    EXPECT_EQ(p.一覧更新回数, 2);

    パネルを閉じる(p);
    s.操作.ハンデ設定中 = 真;
    KIFU_WRITE_Click(s, p);
    EXPECT_EQ(最後(), 告知対("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込"));
    EXPECT_FALSE(見える(パネル部品::Dir1) || 見える(パネル部品::RETURN));
}

TEST_F(棋譜パネル, 書込の断りと危ない名前と書けないときも対局は続く) {
    KIFU_WRITE_Click(s, p);
    Command1_Click(s, p);
    EXPECT_EQ(最後(), 告知対("ﾌｧｲﾙ名が入力されていません", "  "));
    名前(" \t ");
    Command1_Click(s, p);
    EXPECT_EQ(最後(), 告知対("ﾌｧｲﾙ名が入力されていません", "  "));
    名前("a");
    Command1_Click(s, p);  // nothing played yet
    EXPECT_EQ(最後(), 告知対("保存するデータがありません", "棋譜保存"));

    二手指す();
    fs::create_directory(作業場所 / "棚.棋譜");
    const auto 数 = [&] { return std::distance(fs::directory_iterator(作業場所), fs::directory_iterator{}); };
    const auto 前 = 数();
    for (const std::string& t : std::vector<std::string>{"..", ".", "a/b", "../上", "a\rb", std::string(300, 'x')}) {
        KIFU_WRITE_Click(s, p);
        名前(t);
        Command1_Click(s, p);
        EXPECT_EQ(最後().second, "棋譜保存") << t;
        EXPECT_TRUE(告知に("「" + t + "」では保存できません")) << t;
        EXPECT_TRUE(見える(パネル部品::RETURN));  // the player may correct the name
    }
    // Nothing escaped the working folder: the folder around it, the test's
    // own, still holds that one folder and nothing else.
    std::vector<fs::path> 外に;
    for (const auto& e : fs::directory_iterator(場所->外側())) 外に.push_back(e.path());
    EXPECT_EQ(外に, std::vector<fs::path>{作業場所});
    // The name is taken by a folder.
    名前("棚");
    Command1_Click(s, p);
    EXPECT_TRUE(告知に("「./棚.棋譜」を書き込めませんでした。\r同じ名前のフォルダがあります")) << 最後().first;
    EXPECT_EQ(数(), 前);  // nothing written, no temporary file left
    // The game goes on.
    指す(2, 7, 2, 6);
    EXPECT_EQ(s.手数, 3);
}

TEST_F(棋譜パネル, 上下の名前は席の順に書き書けたらパネルを閉じる) {
    二手指す();  // the bottom player moved first
    for (int 回 = 0; 回 < 2; ++回) {
        KIFU_WRITE_Click(s, p);
        名前("  第1局 ");
        入力(パネル部品::入力_対局名, "ﾃｽﾄ対局");
        入力(パネル部品::入力_上, "先手の人");
        入力(パネル部品::入力_下, "後手の人");
        Command1_Click(s, p);
        EXPECT_EQ(最後(), 告知対("棋譜を書き込みました", "  "));
        const auto 行 = 行に分ける(作業場所 / "第1局.棋譜");
        ASSERT_EQ(行.size(), 5u);  // title, two names, the positions after moves 1 and 2
        EXPECT_EQ(SJISからUTF8(行[0]), "ﾃｽﾄ対局");
        EXPECT_EQ(SJISからUTF8(行[1]), 回 == 0 ? "後手の人" : "先手の人");
        EXPECT_EQ(SJISからUTF8(行[2]), 回 == 0 ? "先手の人" : "後手の人");
        EXPECT_FALSE(見える(パネル部品::RETURN) || 見える(パネル部品::Dir1));
        EXPECT_EQ(p.パネル文字(パネル部品::入力_ファイル名), "");
        EXPECT_EQ(p.一覧更新回数, 回 + 1);
        // The computer moves first: the first player sits at the top.
        s.手番_MAN = 後手;
        s.手番_COM = 先手;
    }
}

TEST_F(棋譜パネル, 読み込むと見出しを書き開始局面のまま進を待つ) {
    書く("a.棋譜", *UTF8からSJIS("ﾃｽﾄ対局\r\n上の人\r\n下\r\n") + 王二枚の行() + 王二枚の行());
    File1_Click(s, p, "a.棋譜");
    EXPECT_EQ(告知(), (std::vector<告知対>{{" 読み込みました", "棋譜"}, {"棋譜を '進 'で進めて下さい", "棋譜"}}));
    EXPECT_EQ(s.操作.棋譜モード, 真);
    EXPECT_EQ(s.手番, 先手);
    EXPECT_EQ(s.棋譜手数 + s.手数, 0);
    EXPECT_EQ(s.棋譜最終手数, 2);
    EXPECT_EQ(s.盤[7][7], -102);  // still the start position
    EXPECT_EQ(s.記録[1].面.盤[1][1], 200);

    std::vector<std::tuple<std::string, int, int, int>> 字;
    for (const auto& d : p.描画)
        if (d.種類 == 描画記録::文字 && (d.y == 100 || d.y == 6350)) 字.emplace_back(d.文字列, d.x, d.y, d.色);
    // Centred by length: 1050 + (13 − L) × 123 + 1845; the game name 3000 further left.
    const decltype(字) 期待{{"ﾃｽﾄ対局", 1050 + 8 * 123 + 1845 - 3000, 6350, 色_赤},
                            {"上の人", 1050 + 10 * 123 + 1845, 100, 色_白},
                            {"下", 1050 + 12 * 123 + 1845, 6350, 色_白}};
    EXPECT_EQ(字, 期待);

    // A file with headers only.
    書く("空.棋譜", "\r\n\r\n\r\n");
    p.全消去();
    File1_Click(s, p, "空.棋譜");
    EXPECT_EQ(告知(), (std::vector<告知対>{{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"}}));
    EXPECT_EQ(s.操作.棋譜モード, 真);
    EXPECT_EQ(s.手番, 手番_なし);
}

TEST_F(棋譜パネル, 開けないファイルは知らせ対局はそのまま) {
    二手指す();
    fs::create_directory(作業場所 / "棚.棋譜");
    for (const std::string 名 : {"無い.棋譜", "棚.棋譜", "../../dev/zero"}) {
        File1_Click(s, p, 名);
        EXPECT_EQ(最後().second, "棋譜");
        EXPECT_TRUE(告知に("「" + 名 + "」を開けませんでした")) << 名;
    }
    EXPECT_EQ(s.操作.棋譜モード, 偽);
    指す(2, 7, 2, 6);
    EXPECT_EQ(s.手数, 3);
}

TEST_F(棋譜パネル, 壊れた棋譜は一度ずつ知らせ王のない局面へは進めない) {
    std::string 壊れ = 王二枚の行(), 王なし = 王二枚の行();
    壊れ.replace(0, 4, " 999");
    王なし.replace((4 * 9 + 8) * 4, 4, "   0");  // the bottom king is gone
    std::string 体 = 壊れ + 壊れ + 王なし;
    for (int i = 0; i < 500; ++i) 体 += 王二枚の行();
    書く("b.棋譜", "\x82\r\n\r\n\r\n" + 体);
    File1_Click(s, p, "b.棋譜");
    const auto t = 告知();
    ASSERT_EQ(t.size(), 5u);
    EXPECT_NE(t[0].first.find("壊れた項目"), std::string::npos);
    EXPECT_NE(t[1].first.find("500手を超えています"), std::string::npos);
    EXPECT_NE(t[2].first.find("3手目の局面には王がありません"), std::string::npos);
    EXPECT_EQ(t[3].first, " 読み込みました");
    EXPECT_EQ(s.棋譜最終手数, 2);
    EXPECT_EQ(s.記録[1].面.盤[1][1], 空);
    const auto 字 = p.文字の履歴();  // the bad header byte as a replacement character
    EXPECT_NE(std::find(字.begin(), 字.end(), "\xEF\xBF\xBD"), 字.end());

    AFTER_Click(s, p);
    AFTER_Click(s, p);
    AFTER_Click(s, p);
    EXPECT_EQ(最後(), 告知対("終わり", "進む"));
    EXPECT_EQ(s.盤[5][9], -802);

    // Without a king from the first record on: nothing to replay.
    書く("c.棋譜", "\r\n\r\n\r\n" + 王なし);
    p.全消去();
    File1_Click(s, p, "c.棋譜");
    ASSERT_EQ(告知().size(), 2u);
    EXPECT_EQ(最後(), 告知対("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"));
    EXPECT_EQ(s.手番, 手番_なし);
}

TEST_F(棋譜パネル, 実戦を書いて読み戻すとどの局面も同じで進め戻せる) {
    二人対局();
    s.時計.開始時刻 = p.現在時刻;
    std::mt19937 乱(20240607);
    int 手 = 0;
    while (手 < 120 && 乱数の一手(乱)) ++手;
    ASSERT_GE(手, 40);
    int 持駒 = 0;  // captures happened on the way
    for (int n = 0; n <= s.棋譜最終手数; ++n)
        for (int k = 1; k <= 7; ++k) 持駒 += s.記録[n].面.持駒_MAN[k] + s.記録[n].面.持駒_COM[k];
    EXPECT_GT(持駒, 0);

    const auto 元 = std::make_unique<状態>(s);
    const int N = s.棋譜最終手数;
    KIFU_WRITE_Click(s, p);
    名前("実戦");
    Command1_Click(s, p);
    ASSERT_EQ(最後(), 告知対("棋譜を書き込みました", "  "));
    ASSERT_EQ(行に分ける(作業場所 / "実戦.棋譜").size(), static_cast<std::size_t>(N + 3));

    File1_Click(s, p, "実戦.棋譜");
    ASSERT_EQ(s.棋譜最終手数, N);
    for (int n = 1; n <= N; ++n) {
        AFTER_Click(s, p);
        ASSERT_EQ(s.棋譜手数, n);
        EXPECT_EQ(std::memcmp(s.盤, 元->記録[n].面.盤, sizeof s.盤), 0) << n;
        EXPECT_EQ(std::memcmp(s.持駒_MAN, 元->記録[n].面.持駒_MAN, sizeof s.持駒_MAN), 0) << n;
        EXPECT_EQ(std::memcmp(s.持駒_COM, 元->記録[n].面.持駒_COM, sizeof s.持駒_COM), 0) << n;
        EXPECT_EQ(s.時計.所有時間_MAN, std::floor(元->記録[n].後秒M)) << n;
        EXPECT_EQ(s.時計.所有時間_COM, std::floor(元->記録[n].後秒C)) << n;
        EXPECT_EQ(s.記録[n].前秒M, std::floor(元->記録[n].前秒M)) << n;
        EXPECT_EQ(s.記録[n].前秒C, std::floor(元->記録[n].前秒C)) << n;
    }
    // At the end of a record: "終わり" and no sound.
    p.全消去();
    AFTER_Click(s, p);
    EXPECT_EQ(最後(), 告知対("終わり", "進む"));
    EXPECT_TRUE(p.音.empty());

    // Back to the start, and "戻" refuses there with sound, record or not.
    for (int n = N; n >= 1; --n) REPLAY_Click(s, p);
    EXPECT_EQ(std::memcmp(s.盤, s.記録[0].面.盤, sizeof s.盤), 0);
    p.全消去();
    REPLAY_Click(s, p);
    EXPECT_EQ(最後(), 告知対("できません", "戻る"));
    EXPECT_EQ(鳴った("play 2"), 1);
    EXPECT_EQ(s.操作.棋譜モード, 真);
}

TEST_F(棋譜パネル, 読込エラーでも対局はそのままでCRCRLFの棋譜は全部読める) {
    二手指す();
    const auto 元 = std::make_unique<状態>(s);
    書く("良い.棋譜", "\r\n\r\n\r\n" + 王二枚の行() + 王二枚の行() + 王二枚の行());
    fs::create_symlink("/proc/self/mem", 作業場所 / "記憶.棋譜");
    {
        読込故障 故障(8);  // part-way through the second move line
        File1_Click(s, p, "良い.棋譜");
    }
    EXPECT_EQ(最後(), 告知対("棋譜ファイル「良い.棋譜」を開けませんでした。\r入出力エラーが起きました。", "棋譜"));
    File1_Click(s, p, "記憶.棋譜");
    EXPECT_EQ(最後(), 告知対("棋譜ファイル「記憶.棋譜」を開けませんでした。\r入出力エラーが起きました。", "棋譜"));
    EXPECT_EQ(s.操作.棋譜モード, 偽);
    EXPECT_EQ(s.棋譜最終手数, 元->棋譜最終手数);
    EXPECT_EQ(std::memcmp(s.盤, 元->盤, sizeof s.盤), 0) << "the game in play is untouched";
    指す(2, 7, 2, 6);
    EXPECT_EQ(s.手数, 3);

    // Every line ended by CR CR LF.
    std::string 体 = *UTF8からSJIS("対局\r\r\n上\r\r\n下\r\r\n");
    for (int i = 0; i < 3; ++i) 体 += 王二枚の行().insert(王二枚の行().size() - 2, "\r");
    書く("二重.棋譜", 体);
    p.全消去();
    File1_Click(s, p, "二重.棋譜");
    // The game goes on until a record has been read; then it is asked about.
    EXPECT_EQ(告知(), (std::vector<告知対>{{"今の対局を終わりにしますか？", "確認"},
                                           {" 読み込みました", "棋譜"},
                                           {"棋譜を '進 'で進めて下さい", "棋譜"}}));
    EXPECT_EQ(s.棋譜最終手数, 3);
    const auto 字 = p.文字の履歴();
    EXPECT_NE(std::find(字.begin(), 字.end(), "下"), 字.end());
}

TEST_F(棋譜パネル, 書けない値や書けないファイルは知らせて書かず時間を収めたら言う) {
    二手指す();
    s.記録.書く(1).面.持駒_COM[1] = 19;  // 18 pawns from a record, and one more taken
    KIFU_WRITE_Click(s, p);
    名前("十九");
    Command1_Click(s, p);
    EXPECT_EQ(最後(), 告知対("棋譜ファイル「./十九.棋譜」を書き込めませんでした。\r"
                             "1手目の上の持駒の歩が19枚あり、棋譜ファイルには書けません（1種類18枚まで）。",
                             "棋譜保存"));
    EXPECT_TRUE(p.メッセージ履歴.back().警告);
    EXPECT_FALSE(fs::exists(作業場所 / "十九.棋譜"));
    EXPECT_TRUE(見える(パネル部品::RETURN)) << "the panel stays open";

    s.記録.書く(1).面.持駒_COM[1] = 0;
    fs::create_symlink("/dev/null", 作業場所 / "リンク.棋譜");
    名前("リンク");
    Command1_Click(s, p);
    EXPECT_TRUE(告知に("「./リンク.棋譜」を書き込めませんでした。\r通常のファイルではありません。")) << 最後().first;
    EXPECT_TRUE(fs::is_symlink(作業場所 / "リンク.棋譜"));

    s.記録.書く(1).後秒M = 200000;
    名前("長考");
    p.全消去();
    Command1_Click(s, p);
    EXPECT_EQ(告知(), (std::vector<告知対>{
                          {"棋譜を書き込みました", "  "},
                          {"0〜99999秒に収まらない時間は、99999秒（負の時間は0秒）として書きました。", "棋譜保存"}}));
}
