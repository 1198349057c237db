// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: Japanese, as the game was written, or English.
// The game layer keeps its texts in Japanese and marks them (view/tr.h); the
// window translates each one as it draws it, shows it in a message box or
// puts it on the panel, with Qt's translation system and the English of
// translations/vezuvire_en.ts, built into the program.
//
// The choice is kept in the preferences store of the working folder
// (store/preferences.h, key "language"); without one, the system's UI
// language decides.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

enum class 言語 { 日本語, 英語 };

// The language in use (Japanese until one is chosen).
言語 今の言語();
// Switches the translations: English loads the game's English, Japanese
// loads Qt's own Japanese (its standard buttons, the menus of text boxes).
// Widgets get a LanguageChange event; the window redraws its own texts
// (窓::言語を変える).  False when the English translation is missing.
bool 言語を使う(言語 l);

// Without a stored choice: English when the first of the system's UI
// languages is a language other than Japanese; Japanese for Japanese, for
// the C/POSIX locale and when none is named.
言語 既定の言語(const QStringList& UI言語);
// The stored choice ("ja", "en") or, without one, the default for this
// system (QLocale::system().uiLanguages()).
言語 保存された言語(const std::string& 好み設定のパス);
// Stores the choice, keeping the store's other keys: 0 or the reason.
int 言語を保存する(const std::string& 好み設定のパス, 言語 l);
const char* 言語の値(言語 l);  // "ja" / "en"

// A text of the game layer as the player sees it: unchanged in Japanese; in
// English looked up whole, else line by line (a carriage return or a line
// feed breaks a line), each line whole or by the patterns of texts put
// together from parts (view/texts.h), their parts translated too.  A text
// with no translation stays as it is (numbers, file names, clocks).
QString ゲームの文(const std::string& 文);
QString ゲームの文(const QString& 文);

// True when a text holds a Japanese character (kana, kanji, half-width
// katakana, full-width forms, Japanese punctuation).
bool 日本語の字を含む(const QString& 文);
