// vezuvire-cli play: a game against the computer on standard input and
// output, with no window, no sound and a clock that stands still.
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "app/cli/commands.h"
#include "control/com_game.h"
#include "control/commands.h"
#include "core/setup.h"
#include "records/record_file.h"

namespace {

// A platform that shows nothing, plays nothing and never waits.  Its time
// of day stands still, so every turn takes no time and a game replays the
// same way every time.
class 無言の場 : public Platform {
public:
    void 絵(int, int, int) override {}
    void 枠(int, int, int, int, int) override {}
    void 塗り(int, int, int, int, int) override {}
    void 文字(int, int, const std::string&, int, bool, int) override {}
    void 再描画() override {}
    応答 メッセージ(const std::string&, const std::string&, ボタン b, bool) override {
        return b == ボタン::はいいいえ ? 応答::はい : 応答::OK;
    }
    void タイマー(bool) override {}
    double 時刻() override { return 0.0; }
    void 待つ(double) override {}
    void チェック表示(メニュー項目, bool) override {}
    void パネル表示(パネル部品, bool) override {}
    std::string パネル文字(パネル部品) override { return {}; }
    void パネル文字設定(パネル部品, const std::string&) override {}
    std::string パネルフォルダ() override { return "."; }
    void パネルフォルダ設定(const std::string&) override {}
    void パネル一覧更新() override {}
    long dsInitialize() override { return 0; }
    long dsCreateDSB(long, const unsigned char*, std::size_t, int) override { return 0; }
    void dsPlay(long) override {}
    void dsPlayLooping(long) override {}
    void dsStop(long) override {}
    void dsFree(long) override {}
    void dsTerminate(long) override {}
    void 終了() override {}
};

// What the window does when it opens, less the sounds and the settings
// file: the tool reads and writes no file.
void 起動_ファイルなし(状態& s, Platform& p, int レベル) {
    s.棋譜モード = 偽;
    s.移動指導 = 偽;
    s.棋譜最終手数 = 0;
    s.手番_COM = 先手;
    s.手番_MAN = 後手;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) s.桝色[x][y] = (x + y) % 2 == 0 ? 桝色_緑 : 桝色_水;
    初期設定(s, p);
    レベル_設定(s, p, レベル);
}

void 使い方(std::ostream& o) {
    o << "usage: vezuvire-cli play [--level N] [--gote] [--save FILE [--game-name T] [--top-name A]"
         " [--bottom-name B]]\n";
}

}  // namespace

int cli_play(int argc, char** argv) {
    int レベル = 3;
    bool 後手で = false;
    std::string 保存先, 対局名, 上の名, 下の名;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string* 値 = a == "--save"        ? &保存先
                          : a == "--game-name" ? &対局名
                          : a == "--top-name"  ? &上の名
                          : a == "--bottom-name" ? &下の名
                                                 : nullptr;
        if (値) {
            if (i + 1 >= argc) {
                std::cerr << "vezuvire-cli play: " << a << " needs a value\n";
                return 2;
            }
            *値 = argv[++i];
        } else if (a == "--gote") {
            後手で = true;
        } else if (a == "--level" && i + 1 < argc && std::strlen(argv[i + 1]) == 1 && argv[i + 1][0] >= '1' &&
                   argv[i + 1][0] <= '3') {
            レベル = argv[++i][0] - '0';
        } else if (a == "--level") {
            std::cerr << "vezuvire-cli play: --level needs 1, 2 or 3\n";
            return 2;
        } else if (a == "--help" || a == "-h") {
            使い方(std::cout);
            return 0;
        } else {
            std::cerr << "vezuvire-cli play: unknown argument '" << a << "'\n";
            使い方(std::cerr);
            return 2;
        }
    }

    auto s = std::make_unique<状態>();
    無言の場 p;
    起動_ファイルなし(*s, p, レベル);
    文字対局_開始(*s, p, std::cout, 後手で);
    std::cout.flush();
    for (std::string 行; std::getline(std::cin, 行);) {
        const bool 続く = 文字対局_一行(*s, p, 行, std::cout);
        std::cout.flush();
        if (!続く) break;
    }
    // The record is written as the "RETURN" button writes it.
    if (!保存先.empty()) {
        const std::string e = 書込_棋譜(*s, 保存先, 対局名, 上の名, 下の名);
        if (!e.empty()) {
            std::cerr << e << "\n";
            return 2;
        }
    }
    return 0;
}
