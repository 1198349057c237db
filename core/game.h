// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a value: the board, both hands, whose move it is, how many
// moves were made, where the kings stand and who has won.  It knows the
// rules of movement and nothing else: no screen, clock, sound, menu or
// computer.  A search makes and takes back millions of moves on it, so a
// move and its undo are cheap and keep a Zobrist hash of the whole position
// (board with every facing, hands, side to move) up to date.
//
// Piece codes are those of the board in core/state.h: sign × (kind × 100 +
// promoted × 10 + facing); positive codes belong to the top side (the
// computer's, 上手 = +1 below), negative ones to the bottom side (下手 = −1).
// Squares are (x, y), x = column 1..9 left to right, y = row 1..9 top to
// bottom.
//
// The rules, as the game plays them:
//  - A piece moves as its movement rule allows, turned to its facing; there
//    is no rule of check: a king may be left where it can be taken, and the
//    game ends when a king is taken.
//  - A piece that arrives on an empty square turns a quarter turn:
//    clockwise when x + y is even, anticlockwise when it is odd.  A piece
//    that captures keeps its facing.
//  - A captured piece goes to the captor's hand as its kind (promotion and
//    facing lost); a captured king goes nowhere and decides the game.
//  - A piece may promote when it moves into, within or (silver, bishop,
//    rook) out of the far three rows of its side; promotion keeps the
//    facing.  Promotion is never compulsory.
//  - A piece in hand may be dropped on any empty square.  It leaves the hand
//    facing the other side (the top side's drops face down, the bottom
//    side's up) and then makes its quarter turn like any arrival.
#pragma once

#include <cstdint>
#include <vector>

#include "core/pieces.h"

// A 64-bit number mixed so that neighbouring inputs give unrelated outputs
// (splitmix64): the hash keys, the search's seeded choices and the match
// tool's seeds all draw from it.
constexpr std::uint64_t 混ぜる(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

inline constexpr int 上手 = 1;   // the side of the positive codes, at the top
inline constexpr int 下手 = -1;  // the side of the negative codes, at the bottom

// One move.  打 = 0 for a move on the board from (元X, 元Y); otherwise the
// kind 1..7 dropped from the mover's hand, and 元X, 元Y are 0.
struct 対局の手 {
    std::int8_t 元X = 0, 元Y = 0, 先X = 0, 先Y = 0;
    std::int8_t 打 = 0;
    bool 成 = false;
    bool operator==(const 対局の手&) const = default;
    bool 打ち() const { return 打 != 0; }
};

class 対局 {
public:
    // The starting position of every new game, the bottom side to move.
    static 対局 初期局面();
    // An empty board with empty hands, for building positions by hand:
    // place pieces with 置く and set the hands, then 整える.
    対局() = default;

    // ---- What the position holds ---------------------------------------
    int 駒(int x, int y) const { return 盤_[x][y]; }
    // Pieces of kind 1..7 in the hand of side 側 (上手 / 下手).
    int 持駒(int 側, int 種) const { return 持駒_[側 > 0 ? 0 : 1][種]; }
    int 手番() const { return 手番_; }
    int 手数() const { return 手数_; }
    // 上手 or 下手 once a king has been taken, else 0.
    int 勝者() const { return 勝者_; }
    // The square of the king of side 側; (0, 0) when it is not on the board.
    int 王X(int 側) const { return 王_[側 > 0 ? 0 : 1][0]; }
    int 王Y(int 側) const { return 王_[側 > 0 ? 0 : 1][1]; }
    std::uint64_t ハッシュ() const { return ハッシュ_; }

    // ---- Building a position -------------------------------------------
    void 置く(int x, int y, int 駒);
    void 持駒を置く(int 側, int 種, int 数);
    void 手番を置く(int 側);
    void 手数を置く(int n) { 手数_ = n; }
    // Positions the game went through before this one, oldest first, given
    // by their hashes (the last one is the position before the present
    // one); they count for the repetition questions below.  Only positions
    // since the last capture or drop need be given.
    void 前の局面を置く(std::vector<std::uint64_t> ハッシュ) { 前の局面_ = std::move(ハッシュ); }
    // After building: finds the kings, the winner (a side without a king
    // has lost) and computes the hash afresh.
    void 整える();

    // ---- Moves --------------------------------------------------------------
    // Every move of the side to move, board moves column by column then
    // drops by kind.  Where a piece may promote both choices are listed,
    // except for pawns, bishops and rooks when 劣る手を省く is set (their
    // promoted forms do everything the plain ones do).  Nothing is listed
    // once the game is decided.
    void 手を列挙(std::vector<対局の手>& 手, bool 劣る手を省く = false) const;
    // Only the captures (the king's capture included), for a quiet search.
    void 取る手を列挙(std::vector<対局の手>& 手) const;
    // True when m is one of the moves 手を列挙 lists.
    bool 合法(const 対局の手& m) const;
    // The code that leaves the source (promoted if m promotes), before the
    // quarter turn: the code the game's move routine is handed.
    int 置く駒(const 対局の手& m) const;

    // Makes m (a legal move) and passes the turn.
    void 指す(const 対局の手& m);
    // Takes back the last move made with 指す.
    void 戻す();
    // Passes the turn without moving (for searching only).
    void パス();
    void パスを戻す();

    // ---- Questions ---------------------------------------------------------
    // True when a piece of side 側 reaches square (x, y) now: it could move
    // there were a piece of the other side standing on it.
    bool 利いている(int 側, int x, int y) const;
    // How many board moves side 側 has (drops not counted), whoever is to move.
    int 行き先の数(int 側) const;
    // True when the side to move can take the other king at once.
    bool 王を取れる() const;
    // How many times this position (board, hands, side to move) has stood
    // in the line of moves made with 指す and the positions given to
    // 前の局面を置く, the present one included.
    int 同一局面数() const;
    // True when an earlier position with the same side to move since the
    // last capture or drop holds the same hash (a shorter test for the
    // search).
    bool 繰り返した() const;

    bool 盤が同じ(const 対局& o) const;

private:
    struct 記録 {
        対局の手 手;
        int 元駒 = 0, 取駒 = 0;
        std::uint64_t ハッシュ = 0;
        int 勝者 = 0;
        int 王[2][2] = {};
        bool パス = false;
    };
    int 盤_[10][10] = {};
    int 持駒_[2][8] = {};
    int 手番_ = 下手;
    int 手数_ = 0;
    int 勝者_ = 0;
    int 王_[2][2] = {};
    std::uint64_t ハッシュ_ = 0;
    std::vector<記録> 履歴_;
    std::vector<std::uint64_t> 前の局面_;

    std::uint64_t 計算したハッシュ() const;
    template <int 向, class F>
    void 盤の手を巡る(F&& f) const;
};

// The code a piece shows after arriving on an empty square (x, y): the
// quarter turn of the game, clockwise when x + y is even.
constexpr int 着いた駒(int 駒, int x, int y) { return 回した駒(駒, 桝の回り(x, y)); }

// The code a dropped piece of kind 種 leaves the hand with.
constexpr int 打つ駒(int 側, int 種) { return 側 > 0 ? 種 * 100 : -(種 * 100 + 2); }

