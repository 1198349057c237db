// SPDX-License-Identifier: GPL-3.0-or-later
// The computer at every strength as a player of a 対局, either side: levels
// 1–3 through the game's own search (元のCOMの手), levels 4 and up through
// the deeper search.  And the deeper search as the
// computer's turn of the text game.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "front/cli/text_game.h"
#include "engine/deep_search.h"
#include "core/game.h"

struct 対局者設定 {
    int レベル = 3;
    double 持ち時間 = -1;  // seconds for levels 4 and up; < 0: the level's own
    int 最大深さ = 0;      // 0: the level's own
    int スレッド数 = 0;    // 0: the level's own (the machine's cores for the top strength)
    bool 旧 = false;       // levels 4 and 5 as they were before the ladder (0.3 s and 1 s)
    std::uint64_t 種 = 1;
    std::vector<std::string> 調整;  // "name=value" knobs of the deeper search
};

// The deeper search's settings for one player; the weights it points at
// are kept in w.  False when a knob is unknown.
bool 深い設定(const 対局者設定& o, 探索設定& s, 評価の重み& w);

// Reads a level from the command line: 1 .. 最強レベル.
bool レベルを読む(const std::string& w, int& レベル);

// 手数 random quiet moves from the start, chosen by 種, that leave no king
// to be taken at once: the varied openings of matches and of the puzzles.
対局 序盤(std::uint64_t 種, int 手数);

class 対局者 {
public:
    virtual ~対局者() = default;
    // The move for the side to move of g (which has a move); 秒 is set to
    // the thinking time of the deeper levels (0 for the others).
    virtual bool 選ぶ(const 対局& g, 対局の手& 手, double& 秒) = 0;
};

std::unique_ptr<対局者> 対局者を作る(const 対局者設定& o);

// The computer's turn of the text game played by the deeper search: the
// search over the position, then the move logged, made and announced as the
// game's own turn does it; the score printed is the search's.
COMの手番 深いCOMの手番(const 対局者設定& o);
