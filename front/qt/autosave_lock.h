// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per folder keeps the game in progress: the copy
// that holds the folder's lock file "Vezuvire.autosave.lock".  A lock left
// behind by a copy that was killed on this computer is recognised by the
// process it names and taken over; a lock of a copy still running is never
// taken, however old it is.  Anything else by that name (an empty or
// damaged file, one that cannot be read, a folder, a link, a lock taken on
// another computer) cannot be shown to be a running copy's: it is neither
// taken nor removed, and the caller is told why (play/resume.h).
#pragma once

#include <QString>

#include "play/resume.h"

class QObject;

inline constexpr const char* 自動保存の錠ファイル = "Vezuvire.autosave.lock";

// Takes the lock of the working folder for 持ち主 (held until 持ち主 goes;
// asking again answers the same).  When no lock can be made at all (a
// read-only folder) the answer is 取った: the autosave then tells its own
// failures.
錠の結果 自動保存の錠を取る(QObject* 持ち主);

// What is at パス, a lock that could not be taken: another copy running on
// this computer, or why that cannot be shown.
錠の結果 錠を調べる(const QString& パス);
