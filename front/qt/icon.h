// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon, drawn in code like every other picture: the human's king
// standing on its wood square, the corners rounded.  The window shows it,
// and the build draws the installed icon files with the same routine.
#pragma once
#include <QByteArray>
#include <QIcon>
#include <QImage>

// The icon as a 辺 × 辺 image (device-pixel ratio 1), or a null image when
// 辺 is outside 1..1024.
QImage アイコン画像(int 辺);

// The same icon as an SVG document of 辺 × 辺 units: the same shapes,
// written as paths rather than painted; empty when 辺 is outside 1..1024.
QByteArray アイコンSVG(int 辺);

// The icon at the usual sizes 16 … 256, for the window.
QIcon アイコン();

// The sizes the icon theme gets, smallest first.
inline constexpr int アイコンの大きさ[] = {16, 22, 24, 32, 48, 64, 128, 256};
