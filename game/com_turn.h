// The computer's turn as the player sees it: the thinking caption, the
// search, then the chosen move logged, blinked, made, sounded and announced.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/deep_search.h"
#include "engine/turn.h"
#include "game/opponent.h"
#include "game/platform.h"
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

// The second half of a turn, after any search: the move the computer settled
// on logged, blinked, made, sounded and shown, the end of the game tested and
// the turn handed to the human; or its resignation when it had no move.
COM手番結果 com_ban_決めた手(状態& s, Platform& p, const COM候補& 手);

// The computer's move, as the menu commands and the mouse handler call it.
void com_ban(状態& s, Platform& p);

// Where the stronger computer (strengths 4 and 5) thinks: a front end that
// keeps its window alive meanwhile runs the search on a worker thread over
// the copy g, then hands the result to 深い手を指す on its own thread.
class 裏の思考 {
public:
    virtual ~裏の思考() = default;
    virtual void 始める(const 対局& g, const 探索設定& 設定) = 0;
};

// The settings of the stronger computer at the state's strength, with the
// seed of its random choice among equally good moves.
探索設定 深い探索の設定(const 状態& s, std::uint64_t 種);

// The stronger computer's answer r carried out: the move made and shown (or
// its resignation), the end of the game tested, the game kept on the disk.
void 深い手を指す(状態& s, Platform& p, const 深い探索の結果& r);

// The computer as the side that answers: the influence map after the
// human's move, then its move.  Strengths 1 to 3 think at once, inside the
// event, as they always have.  Strengths 4 and 5 think through 裏 when there
// is one (the window); without one (the command-line tool, tests) they
// think at once too, with a searcher that keeps what it learnt from move to
// move.  種 seeds the random choice of the stronger strengths; every move
// takes the next seed.
class COMの応手 final : public 応手 {
public:
    explicit COMの応手(裏の思考* 裏 = nullptr, std::uint64_t 種 = 1);
    ~COMの応手() override;
    void 局面更新(状態& s) override;
    void 指す(状態& s, Platform& p) override;

private:
    裏の思考* 裏_;
    std::uint64_t 種_;
    std::unique_ptr<深い探索> 探索_;
};
