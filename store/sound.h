// SPDX-License-Identifier: GPL-3.0-or-later
// The game's side of the sound library: open the device, load the WAV files
// that lie beside the program, shut down.  Playing goes straight to the
// library through the platform (dsPlay, dsPlayLooping, dsStop, dsFree).
#pragma once

#include <cstddef>
#include <string>

#include "view/platform.h"
#include "view/state.h"
#include "view/tr.h"

inline constexpr const char* サウンド題 = "Vezuvire.dll";
inline constexpr const char* サウンド装置なし =
    QT_TRANSLATE_NOOP("Game", "Direct Soundインターフェースが作成できません。");

void サウンド初期化(状態& s, Platform& p);
// The largest sound file that is read; a larger one is refused from its
// size before any of it is read.
inline constexpr std::size_t サウンドの上限 = 64u << 20;

// Buffer handle for the file, 0 when there is no device or no such file.
// Only a regular file of at most サウンドの上限 bytes is read; anything else
// (a folder, a FIFO, a device, a read error) warns and gives 0.
long サウンド読込(状態& s, Platform& p, const std::string& ファイル名, int フラグ);
void サウンド終了(状態& s, 音窓口& p);
// Whether the sound 音 is played: the music always, the effects unless the
// player turned them off.
bool 効果音を鳴らす(const 状態& s, long 音);
void サウンドエラー表示(対話窓口& p, const std::string& 本文);
