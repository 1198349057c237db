// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own commands in a game: "待った" (take back one's move and
// the computer's reply together), "投了" (resign) and "ヒント" (the move the
// stronger computer would play in the player's place, shown and not played).
#pragma once

#include <optional>

#include "engine/deep_search.h"
#include "play/opponent.h"
#include "view/platform.h"
#include "view/state.h"

// "局面" → "待った" and Ctrl+Z against the computer: back to the last
// position where the player was to move before the latest move of theirs
// (their move and the computer's answer taken back in one step), clocks as
// they stood then.  Like "戻" the game then waits for the next click on the
// board, and "進" can bring the moves back.  With nothing of the player's to
// take back (also in a game between two people, or a loaded record) it is
// refused as "戻" refuses.
void MATTA_Click(状態& s, Platform& p);

// "対局" → "投了": the side to move gives the game up (against the
// computer, the player).  The game ends as when a king is taken: the other
// side wins, with the same announcement.  Without a game going on it is
// refused as a click on the board would be.  With 表示状態::投了確認 on it
// first asks 投了の問い, and anything but はい leaves the game as it was.
void TOURYOU_Click(状態& s, Platform& p);
inline constexpr const char* 投了の問い = "投了しますか？";

// The move a hint shows: origin (a hand slot for a drop: column 11, row
// kind + 2), destination and the code of the piece that lands.
struct ヒントの手 {
    bool あり = false;
    int 元X = 0, 元Y = 0, 先X = 0, 先Y = 0, 置駒 = 0;
};
// The stronger computer's move for the player (the bottom side) in s: a
// search of ヒントの深さ plies with no time limit, so the same position
// always gives the same hint.  Nothing of s changes.
inline constexpr int ヒントの深さ = 4;
inline constexpr double ヒント表示秒 = 2.0;
// The search's settings: strength 4's, bounded by depth instead of time,
// always the first of the best moves.
探索設定 ヒントの設定();
ヒントの手 ヒントを考える(const 状態& s);
// The same, asked of the computer 相手 (where it thinks, see 応手::考えさせる);
// nothing when the thinking was called off.
std::optional<ヒントの手> ヒントを考える(const 状態& s, 応手& 相手);
// "局面" → "ヒント" and the H key: against the computer, on the player's
// turn, the hint asked of 相手, then its origin and destination outlined and
// its piece named in the player's move slot for ヒント表示秒 (a pause of the
// platform), then everything as it was.  Without 相手 the search runs at
// once; called off, nothing more is drawn.  Nothing is played, logged or counted.  Refused
// outside a game against the computer and while the computer is to move.
void HINT_Click(状態& s, Platform& p);
void HINT_Click(状態& s, Platform& p, 応手& 相手);
