// The version box of "その他".
#pragma once

#include <string>

#include "game/platform.h"
#include "game/state.h"

// Contact addresses shown in the version box.
inline constexpr const char* ホームページ = "https://vezuvire.example.org/";
inline constexpr const char* 連絡先メール = "support@vezuvire.example.org";

// The box's text: version line, a blank line, home page, e-mail, each line
// ended by a carriage return.
std::string バージョン表示文();
void VER_Click(状態& s, Platform& p);
