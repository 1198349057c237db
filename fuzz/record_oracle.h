// SPDX-License-Identifier: GPL-3.0-or-later
// The check shared by the record-file fuzz targets: what the game's reader
// made of some bytes, compared field by field with the plain reader in
// reference_record.h.  A difference prints the input and both readings and
// aborts, which libFuzzer reports with the input saved.
#pragma once

#include <string>
#include <string_view>

#include "fuzz/reference_record.h"
#include "store/record_file.h"

// The first difference between the game's reading and the reference's, or ""
// when they agree on everything.
std::string 差分(const 棋譜内容& 読んだ, const 参照::結果& 参);

// Aborts, after printing both readings, unless 読んだ is what the reference
// reads from バイト列.
void 照合(std::string_view バイト列, const 棋譜内容& 読んだ);

// Checks the positions of a reading for what the game can hold and that each
// one goes through the writer and back unchanged.
void 書き戻し確認(const 棋譜内容& 読んだ);

[[noreturn]] void 失敗(const std::string& 理由, std::string_view バイト列);
