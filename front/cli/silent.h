// What every sub-command of vezuvire-cli runs the game on: a platform that
// shows, plays and waits for nothing, and the start of the program without
// its sounds and settings file.
#pragma once

#include "game/commands.h"
#include "game/start.h"
#include "game/platform.h"
#include "core/setup.h"

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
inline void 起動_ファイルなし(状態& s, Platform& p, int レベル) {
    s.操作.棋譜モード = 偽;
    s.操作.移動指導 = 偽;
    s.棋譜最終手数 = 0;
    s.手番_COM = 先手;
    s.手番_MAN = 後手;
    桝色設定(s);
    初期設定(s, p);
    レベル_設定(s, p, レベル);
}
