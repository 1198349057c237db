// SPDX-License-Identifier: GPL-3.0-or-later
// Marking the texts a player sees.  The game speaks Japanese; every text it
// hands to the platform stays in the code exactly as it is shown, and is
// marked here so that Qt's lupdate collects it into translations/*.ts.  The
// marker changes nothing: the game layer never translates (it builds and
// runs without Qt).  The Qt window looks each text up in the context
// 訳の文脈 when it draws it or shows it (front/qt/language.h); texts put
// together from parts are listed as patterns in view/texts.cpp.
//
// A comment starting with "//:" just before a marked text is a note for the
// translator (lupdate keeps it in the .ts file).
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// The one context of the texts of the game layer.
inline constexpr const char* 訳の文脈 = "Game";
