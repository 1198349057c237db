// The computer's turn as the player sees it: the thinking caption, the
// search, then the chosen move logged, blinked, made, sounded and announced.
#pragma once

#include "com/turn.h"
#include "control/opponent.h"
#include "core/platform.h"
#include "core/state.h"

// How a turn of the computer ended.
enum class COM手番 {
    指した,      // a move was made (the game may have ended with it)
    指し手なし,  // no legal move at all: the computer resigned
    記録満杯,    // the log is full: nothing moved, the turn went back
    何もせず,    // the game was already decided
};
struct COM手番結果 {
    COM手番 結果 = COM手番::何もせず;
    COM候補 手;
};

// The whole turn: thinking caption, search, then the chosen move logged,
// blinked, made, sounded and announced, the end of the game tested and the
// turn handed to the human.  Answers what happened and the move chosen.
COM手番結果 com_ban_指す(状態& s, Platform& p, 評価関数 評価 = nullptr);

// The computer's move, as the menu commands and the mouse handler call it.
void com_ban(状態& s, Platform& p);

// The computer as the side that answers: the influence map after the
// human's move, then com_ban.
class COMの応手 final : public 応手 {
public:
    void 局面更新(状態& s) override;
    void 指す(状態& s, Platform& p) override { com_ban(s, p); }
};
