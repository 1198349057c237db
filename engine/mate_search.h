// SPDX-License-Identifier: GPL-3.0-or-later
// A complete search for forced wins: "the side to move takes the other king
// within n of its own moves, whatever the other side replies".
//
// There is no rule of check in this game, so a win in one is simply a king
// that can be taken now (対局::王を取れる).  A win in n is a move after
// which every reply of the defender (board moves and drops alike) leaves a
// win in n − 1.  The search is an AND/OR search over all moves of both
// sides; nothing is pruned that could lose a proof:
//  - a defender who can take the attacker's king at once has refuted the
//    attacker's move;
//  - where a pawn, bishop or rook may promote only the promotion is tried
//    inside the tree (the promoted piece does everything the plain one
//    does, for either side); at the root both choices are tried, so the
//    set of winning first moves is complete;
//  - a defender without any move has not lost his king: that line is no
//    proof (the puzzles are about taking the king);
//  - a transposition table on the position's hash keeps what has been
//    proved and refuted at each length.
// Repetitions cannot arise within the few moves searched.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/game.h"

struct 詰みの答え {
    // The least n ≤ the limit within which the side to move wins; 0 when
    // there is none.
    int 手数 = 0;
    // Every first move that wins within 手数 (both promotion choices
    // counted as moves of their own), in the order 手を列挙 lists them.
    std::vector<対局の手> 勝ち手;
    // The defender's replies to the first winning move (0 for a win in 1).
    int 応手数 = 0;
    // Positions visited.
    std::uint64_t 節点数 = 0;
};

class 詰み探索 {
public:
    詰み探索();
    ~詰み探索();
    詰み探索(const 詰み探索&) = delete;
    詰み探索& operator=(const 詰み探索&) = delete;

    // True when the side to move of g takes the other king within n of its
    // own moves (n ≥ 1), whatever the defender does.
    bool 勝てる(const 対局& g, int n);
    // The shortest win within 最大 moves and every winning first move.
    詰みの答え 解く(const 対局& g, int 最大);
    // The winning first moves of a win within exactly n (empty when there is
    // none within n).
    std::vector<対局の手> 勝ち手(const 対局& g, int n);
    // The defender's best reply in g (the defender to move) when the other
    // side threatens a win within n: a reply after which there is no win
    // within n at all if there is one, else one that holds out longest.
    // False when the defender has no move.
    bool 最善の受け(const 対局& g, int n, 対局の手& 手);

    std::uint64_t 節点数() const;

private:
    struct 中身;
    std::unique_ptr<中身> 中_;
};

// The number of own moves within which the side to move of g wins (1..最大),
// or 0.  A convenience over 詰み探索::解く.
int 詰みの手数(const 対局& g, int 最大);
