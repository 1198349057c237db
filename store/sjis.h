// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the program's UTF-8 texts and the Shift_JIS of its
// text files.
#pragma once

#include <optional>
#include <string>

// UTF-8 → Shift_JIS.  Empty optional when a character has no Shift_JIS form.
std::optional<std::string> UTF8からSJIS(const std::string& utf8);
// Shift_JIS → UTF-8.  Bytes that are not valid Shift_JIS become U+FFFD.
std::string SJISからUTF8(const std::string& sjis);
// Shift_JIS → UTF-8, empty optional on any invalid byte.
std::optional<std::string> SJISからUTF8_厳密(const std::string& sjis);
