// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary of pieces and squares: what a piece code says and where a
// square lies.  Nothing here knows the game state.
//
// A piece code is sign × (kind × 100 + promoted × 10 + facing).  Positive
// codes are the computer's (COM, top of the board), negative codes the
// human's (MAN, bottom).  Kinds: 1 歩, 2 香, 3 桂, 4 銀, 5 金, 6 角, 7 飛,
// 8 王; gold and king never promote.  Facing 0 is down the screen, 1 left,
// 2 up, 3 right.  空 (0) is an empty square.
#pragma once

inline constexpr int 空 = 0;
inline constexpr int 盤サイズ = 9;

// ---- The 112 piece codes ---------------------------------------------------
#define VZ_PIECE_CODES(N, V)                                                                                 \
    inline constexpr int COM_##N##0 = (V), COM_##N##1 = (V) + 1, COM_##N##2 = (V) + 2, COM_##N##3 = (V) + 3; \
    inline constexpr int MAN_##N##0 = -(V), MAN_##N##1 = -(V)-1, MAN_##N##2 = -(V)-2, MAN_##N##3 = -(V)-3;
VZ_PIECE_CODES(歩, 100)
VZ_PIECE_CODES(と, 110)
VZ_PIECE_CODES(香, 200)
VZ_PIECE_CODES(香成, 210)
VZ_PIECE_CODES(桂, 300)
VZ_PIECE_CODES(桂成, 310)
VZ_PIECE_CODES(銀, 400)
VZ_PIECE_CODES(銀成, 410)
VZ_PIECE_CODES(金, 500)
VZ_PIECE_CODES(角, 600)
VZ_PIECE_CODES(角成, 610)
VZ_PIECE_CODES(飛, 700)
VZ_PIECE_CODES(飛成, 710)
VZ_PIECE_CODES(王, 800)
#undef VZ_PIECE_CODES

// ---- What a code says ------------------------------------------------------
constexpr int 駒絶対(int v) { return v < 0 ? -v : v; }
// Kind 1..8 (0 for an empty square).
constexpr int 駒種(int v) { return 駒絶対(v) / 100; }
// Kind × 10 + promoted: 10 歩, 11 と, … 70 飛, 71 竜, 80 王.
constexpr int 駒型(int v) { return 駒絶対(v) / 10; }
constexpr bool 成り駒(int v) { return 駒型(v) % 10 == 1; }
// Facing 0..3.
constexpr int 駒向き(int v) { return 駒絶対(v) % 10; }
constexpr bool COMの駒(int v) { return v >= 100; }
constexpr bool MANの駒(int v) { return v <= -100; }
constexpr bool COMの王(int v) { return v >= 800 && v <= 803; }
constexpr bool MANの王(int v) { return v <= -800 && v >= -803; }
constexpr bool 王(int v) { return COMの王(v) || MANの王(v); }
// Bishops and rooks, promoted or not: they reach any distance along their
// lines.  (The lance, also long-range, only goes forward.)
constexpr bool 大駒(int v) {
    const int t = 駒型(v);
    return t == 60 || t == 61 || t == 70 || t == 71;
}

// True for 0 and for every one of the 112 piece codes.
constexpr bool 有効な駒コード(int v) {
    if (v == 0) return true;
    const int a = 駒絶対(v);
    if (a < 100 || a > 803) return false;
    const int kind = a / 100, promoted = (a / 10) % 10, facing = a % 10;
    if (facing > 3 || promoted > 1) return false;
    if (promoted == 1 && (kind == 5 || kind == 8)) return false;
    return true;
}

// ---- The two rules every move routine shares -------------------------------------
// The game, the computer's working copy and the rules' own move all turn
// and promote through these, so that each rule is written once.

// A piece after its quarter turn: 回り +1 clockwise, −1 anticlockwise, 0 not
// at all.  Kind, promotion and side stay.
constexpr int 回した駒(int 駒, int 回り) {
    if (駒 == 0 || 回り == 0) return 駒;
    const int a = 駒絶対(駒);
    const int v = a / 10 * 10 + (a % 10 + (回り > 0 ? 1 : 3)) % 4;
    return 駒 < 0 ? -v : v;
}
// The way a piece arriving on an empty square (x, y) turns: clockwise where
// x + y is even (the green squares), anticlockwise where it is odd.
constexpr int 桝の回り(int x, int y) { return (x + y) % 2 == 0 ? 1 : -1; }

// True when a piece with code 駒 (of the side of its sign) may promote
// moving on the board from row 元Y to row 先Y: a pawn, lance or knight
// ending in the far three rows, a silver, bishop or rook ending there or
// starting there.  Gold, king and promoted pieces never promote.
constexpr bool 成れる(int 駒, int 元Y, int 先Y) {
    const int t = 駒型(駒);
    const bool 小駒 = t == 10 || t == 20 || t == 30;
    const bool 大きい = t == 40 || t == 60 || t == 70;
    if (!小駒 && !大きい) return false;
    if (駒 < 0) return 先Y <= 3 || (大きい && 元Y <= 3);
    return 先Y >= 7 || (大きい && 元Y >= 7);
}
// The promoted code, facing kept.
constexpr int 成った駒(int 駒) { return 駒 < 0 ? 駒 - 10 : 駒 + 10; }

// ---- Squares -------------------------------------------------------------------
// A square of the board: columns and rows 1..9.
constexpr bool 盤上(int x, int y) { return x >= 1 && x <= 盤サイズ && y >= 1 && y <= 盤サイズ; }
// An index of a board-shaped table, whose row and column 0 exist but are
// never written.
constexpr bool 表内(int x, int y) { return x >= 0 && x <= 盤サイズ && y >= 0 && y <= 盤サイズ; }

// ---- Hands -----------------------------------------------------------------------
// The hands sit beside the board: the human's in column 11 with the pawn in
// row 3 (row = kind + 2), the computer's in column −1 with the rook in row 1
// (row = 8 − kind).  A drop by the human is a move from (11, kind + 2); a
// drop by the computer is written as a move from (−1, kind).
inline constexpr int 持駒列_MAN = 11;
inline constexpr int 持駒列_COM = -1;
constexpr int 持駒行_MAN(int 種) { return 種 + 2; }
constexpr int 持駒種_MAN(int 行) { return 行 - 2; }
constexpr int 持駒行_COM(int 種) { return 8 - 種; }
constexpr int 持駒種_COM(int 行) { return 8 - 行; }
