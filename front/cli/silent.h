// SPDX-License-Identifier: GPL-3.0-or-later
// What every sub-command of vezuvire-cli runs the game on: a platform that
// shows, plays and waits for nothing, and the start of the program without
// its sounds and settings file.
#pragma once

#include "play/commands.h"
#include "play/start.h"
#include "view/recording_platform.h"
#include "core/setup.h"

// A platform that shows nothing, plays nothing, never waits and remembers
// nothing.  Its time of day stands still at midnight, so every turn takes no
// time and a game replays the same way every time; there is no sound device.
class 無言の場 : public 記録の場 {
public:
    無言の場() {
        記録中 = false;
        現在時刻 = 0.0;
        装置値 = 0;
    }
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
