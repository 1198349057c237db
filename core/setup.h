// New-game set-up and the position log.
#pragma once

#include "core/state.h"

// Colours the squares: 桝色_緑 where x + y is even, 桝色_水 where odd.  The
// colour decides which way a piece turns when it lands there.
void 桝色設定(盤面状態& s);
// A new game in the state alone: the starting position, counters, clocks
// and flags reset (the timer marked off), history slot 0 logged.
void 新規対局(状態& s);
// Logs the current position and the four clock values into slot 棋譜手数.
// Answers 偽 and writes nothing when the log is full (slot 501 would be
// needed); callers then refuse the move with 記録上限メッセージ.
int 手順保存(状態& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 前秒M, double 後秒M, double 前秒C,
             double 後秒C);
// 真 when the next move could not be logged.
int 調査_記録満杯(const 状態& s);
inline constexpr const char* 記録上限メッセージ = "棋譜の記録が上限（500手）に達しました。\rこれ以上は指せません。";
inline constexpr const char* 記録上限題 = "棋譜";
