// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn as the player sees it: the thinking caption, the
// search, then the chosen move logged, blinked, made, sounded and announced.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/deep_search.h"
#include "engine/turn.h"
#include "play/opponent.h"
#include "engine/com_tables.h"
#include "view/platform.h"
#include "view/state.h"

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

// The computer's choice at strengths 1 to 3: its memory 記憶 and what it
// reads of the game s on a working copy, searched; the tables the search
// leaves are kept in 記憶.  The game itself is not touched.
COM候補 COMの手を考える(const 状態& s, COM表& 記憶, 探索の合間* 合間 = nullptr, 評価関数 評価 = nullptr);
// After a move on the board (either side's): the computer's influence map in
// 記憶 surveyed afresh from the game's board.
void 記憶を更新(const 状態& s, COM表& 記憶);

// The whole turn: thinking caption, search, then the chosen move logged,
// blinked, made, sounded and announced, the end of the game tested and the
// turn handed to the human.  Answers what happened and the move chosen.
COM手番結果 com_ban_指す(状態& s, COM表& 記憶, Platform& p, 評価関数 評価 = nullptr);

// The second half of a turn, after any search: the move the computer settled
// on logged, blinked, made, sounded and shown (and the memory brought up to
// date), the end of the game tested and the turn handed to the human; or its
// resignation when it had no move.
COM手番結果 com_ban_決めた手(状態& s, COM表& 記憶, Platform& p, const COM候補& 手);

// Where the computer thinks when a front end keeps its window alive
// meanwhile: 任せる carries 仕事 out elsewhere (the window: on a worker
// thread) and returns once it is done, true, the window's events going on
// in between; false when the thinking was called off (the program ends) and
// the result is to be dropped.
class 裏の思考 {
public:
    virtual ~裏の思考() = default;
    virtual bool 任せる(const 考える仕事& 仕事) = 0;
    // For tests: changes the settings of every search of the stronger
    // computer before it starts.
    std::function<void(探索設定&)> 設定の手直し;
};

// The settings of the stronger computer at the state's strength, with the
// seed of its random choice among equally good moves.
// The threads a search started from the window may use at most.
inline constexpr int 窓のスレッド上限 = 2;
探索設定 深い探索の設定(const 状態& s, std::uint64_t 種);

// The stronger computer's answer r carried out: the move made and shown (or
// its resignation), the end of the game tested, the game kept on the disk.
// The computer's memory 記憶 surveys the position the move leaves.
void 深い手を指す(状態& s, COM表& 記憶, Platform& p, const 深い探索の結果& r);

// The computer as the side that answers: the influence map after the
// human's move, then its move.  It owns its memory (COM表), which carries
// from one turn to the next; the game it answers in points at it
// (受け持つ), so that the autosave keeps it and a resumed game restores it.
// Every strength asks its move the same way, through 考えさせる: with 裏
// (the window) the search runs there, on copies, and the turn goes on when
// the move comes back (状態::操作.COM思考中 meanwhile); without one (the
// command-line tool, tests) it runs at once, with the screen kept up to
// date between the rows of strengths 1 to 3 as it always was, and the
// stronger strengths with a searcher that keeps what it learnt from move to
// move.  種 seeds the random choice of the stronger strengths; every move
// takes the next seed.
class COMの応手 final : public 応手 {
public:
    explicit COMの応手(裏の思考* 裏 = nullptr, std::uint64_t 種 = 1);
    ~COMの応手() override;
    COMの応手(const COMの応手&) = delete;
    COMの応手& operator=(const COMの応手&) = delete;
    // From now on s points at this computer's memory.
    void 受け持つ(状態& s) { s.COM記憶 = &記憶_; }
    // The move it would make in s (strengths 1 to 3), its memory kept.
    COM候補 考える(const 状態& s, 探索の合間* 合間 = nullptr) { return COMの手を考える(s, 記憶_, 合間); }
    void 局面更新(状態& s) override;
    void 指す(状態& s, Platform& p) override;
    bool 考えさせる(const 考える仕事& 仕事) override;
    const COM表& 記憶() const { return 記憶_; }

private:
    // The move of strengths 1 to 3 asked of 裏; false when called off.
    bool 裏で考える(状態& s, Platform& p);
    裏の思考* 裏_;
    std::uint64_t 種_;
    std::unique_ptr<深い探索> 探索_;
    COM表 記憶_;
};
