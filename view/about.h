// SPDX-License-Identifier: GPL-3.0-or-later
// The version box of "その他".
#pragma once

#include <string>

#include "view/platform.h"
#include "view/state.h"

// Contact addresses shown in the version box.
inline constexpr const char* ホームページ = "https://vezuvire.github.io/";
inline constexpr const char* 連絡先メール = "developers@vezuvire.github.io";

// The box's text: version line, a blank line, home page, e-mail, each line
// ended by a carriage return.
std::string バージョン表示文();
void VER_Click(状態& s, Platform& p);
