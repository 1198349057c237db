// SPDX-License-Identifier: GPL-3.0-or-later
// The stronger computer (strengths 4 and up): a search many moves deep over a
// copy of the game, bounded by depth (the lower strengths, so that they play
// alike on any machine) or by time (the top ones).
//
//   const 対局 g = 対局にする(s);              // view/course.h
//   探索設定 設定 = 探索設定::レベル(4);
//   std::atomic<bool> 止め{false};
//   const 深い探索の結果 r = 深く探索する(g, 設定, 止め);   // on any thread
//   if (r.あり) 状態で指す(s, g, r.手);          // view/course.h; or 候補にする(g, r)
//
// The search works on its own copy of g and touches nothing else, so it may
// run on a worker thread while the window goes on.  Setting 止め makes it
// return within a few milliseconds (the flag is read every 256 positions)
// with the choice of the last depth it finished, or with a legal move when
// it finished none.  With a time limit it starts no new depth once 45 % of
// the time is gone and stops wherever it is when the time is up.  Without
// one (持ち時間 0) and with the same seed and depth it answers the same move
// every time.
//
// The search: iterative deepening of an alpha-beta principal-variation
// search, moves ordered by the hash move, captures (most valuable victim
// first), killer and history moves; a transposition table keyed by the
// position's hash; a quiet search of captures at the leaves; null moves and
// late-move reductions.  A position where the side to move can take the
// other king is won; a repeated position or a full log is a draw, which
// costs the side that searches 引分の損.  Among the root moves whose score is
// within 幅 of the best, one is chosen at random with a generator seeded by
// 種 and the position, so the computer does not play the same game every
// time (a window may take 種 from the clock at each new game).  The weaker
// strengths also take, on some moves drawn from the seed, a wider margin:
// a move a little worse than the best, never a king left en prise or a
// king capture missed (a won king is always the only candidate).
//
// With スレッド数 above one, helper threads search the same position at
// once and share the transposition table ("lazy" parallel search); the
// answer is the first thread's, which finds the table filled by the others
// and so gets deeper in the same time.  With one thread nothing else runs.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/deep_eval.h"
#include "engine/turn.h"
#include "core/game.h"

// The time the search reads.  Tests give their own; the default is the
// steady clock of the machine.
class 探索時計 {
public:
    virtual ~探索時計() = default;
    // Seconds from any fixed origin.
    virtual double 秒() const = 0;
};

struct 探索設定 {
    // The thinking time of the former strengths 4 and 5 on this machine, in
    // seconds, and the margin of their random choice (hundredths of a pawn).
    static constexpr double レベル4の時間 = 0.3;
    static constexpr double レベル5の時間 = 1.0;
    static constexpr int レベル4の幅 = 20;
    static constexpr int レベル5の幅 = 8;
    // The strongest strength this search plays.
    static constexpr int 最強 = 17;
    // The defaults of strength 4 .. 最強 (anything below 4 reads as 4).
    static 探索設定 レベル(int レベル);
    // The former strength 4 (0.3 s) or 5 (1 s) as it played before the
    // ladder of depth-bounded strengths: one thread, a time limit.
    static 探索設定 旧レベル(int レベル);

    double 持ち時間 = レベル4の時間;  // seconds; 0 = no limit (then 最大深さ bounds it)
    int 最大深さ = 0;                  // 0 = up to 64 plies
    int 幅 = レベル4の幅;              // 0 = always the first of the best moves
    std::uint64_t 種 = 1;
    // What a draw (a repeated position, a full log) costs the side to move
    // at the root: the stronger computer would rather play on.
    int 引分の損 = 50;
    // Pruning near the leaves (futility, losing captures in the quiet
    // search, reductions growing with depth and move number); off, for
    // measuring what it is worth.
    bool 枝刈り = true;
    // Weakness: on 誤り率 moves in a hundred (drawn from the seed and the
    // position) the choice is among the moves within 誤りの幅 instead of 幅.
    int 誤り率 = 0;
    int 誤りの幅 = 0;
    // Threads searching at once (1: the search runs on the caller's thread
    // only).  Any number from 1; more than the machine's cores only slows.
    int スレッド数 = 1;
    // Positions the first thread may visit (0: no limit).  Like the time
    // limit, no new depth starts once 45 % of them are gone, and the search
    // stops where it is when they are all gone; unlike it, the same number
    // of positions gives the same move on any machine and under any load.
    std::uint64_t 節点の上限 = 0;
    std::size_t 置換表の桁 = 19;  // 2^n entries of 16 bytes
    const 探索時計* 時計 = nullptr;  // nullptr: the steady clock
    const 評価の重み* 重み = nullptr;  // nullptr: 標準の重み()
};

struct 深い探索の結果 {
    bool あり = false;  // false: the side to move had no move at all
    対局の手 手;
    int 点 = 0;      // for the side to move, hundredths of a pawn; ±30000 − n: a king taken in n plies
    int 深さ = 0;    // the deepest iteration completed
    int 候補数 = 0;  // moves within 幅 of the best, among which 手 was drawn
    std::uint64_t 節点数 = 0;
    std::uint64_t 表の当たり = 0, 表の問い = 0;
    double 秒 = 0;  // time spent, by the search's clock
};

inline constexpr int 勝ちの点 = 30000;
// True for a score that says a king is taken within the search.
constexpr bool 決着の点(int 点) { return 点 > 勝ちの点 - 1000 || 点 < -勝ちの点 + 1000; }

// Sets one named knob of the settings or of the weights w (used when
// 設定.重み points at w) from "name=value", for tuning by self-play: 幅,
// 引分の損, 枝刈り, 深さ, 誤り (誤り率), 誤りの幅, スレッド, 節点 (節点の上限, in
// thousands) and the weights' names (see 評価の重みを設定).  False for
// an unknown name.
bool 探索設定を変える(探索設定& 設定, 評価の重み& w, const std::string& 名と値);

// One search with a fresh table.
深い探索の結果 深く探索する(const 対局& g, const 探索設定& 設定, const std::atomic<bool>& 止め);

// A searcher that keeps its transposition table from move to move (a
// player of a whole game).  Not to be shared between threads (it starts
// its own helpers when 設定.スレッド数 asks for them).
class 深い探索 {
public:
    explicit 深い探索(std::size_t 置換表の桁 = 19);
    ~深い探索();
    深い探索(const 深い探索&) = delete;
    深い探索& operator=(const 深い探索&) = delete;
    深い探索の結果 探す(const 対局& g, const 探索設定& 設定, const std::atomic<bool>& 止め);
    void 表を消す();

private:
    struct 中身;
    std::unique_ptr<中身> 中_;
};

// The chosen move as the computer's turn hands it to the move routine: the
// source (a drop from (−1, kind)), the code on the source and the code handed
// over (promoted when the move promotes).  g must have the top side to move.
COM候補 候補にする(const 対局& g, const 深い探索の結果& r);
