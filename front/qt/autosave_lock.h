// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program per folder keeps the game in progress: the copy
// that holds the folder's lock file "Vezuvire.autosave.lock".  A lock left
// behind by a copy that was killed is recognised by the process it names
// and taken over; a lock of a copy still running is never taken, however
// old it is.
#pragma once

class QObject;

inline constexpr const char* 自動保存の錠ファイル = "Vezuvire.autosave.lock";

// Takes the lock of the working folder for 持ち主 (held until 持ち主 goes;
// asking again answers the same).  False when another copy holds it.  When
// no lock can be made at all (a read-only folder) the answer is true: the
// autosave then tells its own failures.
bool 自動保存の錠を取る(QObject* 持ち主);
