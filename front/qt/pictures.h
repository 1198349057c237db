// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the game, drawn in code: the 112 pieces, the three empty
// cells, the five background tiles and the title logo.  Pictures are drawn as
// vector shapes for the screen's device-pixel ratio, so they stay crisp at
// any scale.
#pragma once
#include <QColor>
#include <QImage>

// Colour of a palette number 0..15 (standard 16-colour CGA palette: 0 black,
// 1 navy, 2 green, 3 teal, 4 maroon, 5 purple, 6 olive, 7 silver, 8 grey,
// 9 blue, 10 lime, 11 aqua, 12 red, 13 fuchsia, 14 yellow, 15 white; channel
// values 0x00/0x80/0xC0/0xFF: silver is C0C0C0, grey 808080).  Out-of-range
// numbers give black.
QColor パレット色(int 番号);

// The picture for a picture id, rendered for 倍率 device pixels per logical
// pixel (1.0, 1.5, 2.0, 3.0 …).  The image carries devicePixelRatio 倍率, so
// it paints as 41×41 logical pixels (the title: 172×38); its device size is
// the logical size × 倍率, rounded.  Ids: the 112 piece codes, 絵_空桝0..2
// (1000..1002), the background tiles 5..9 and the title −3.  Any other id,
// or a scale that is not a positive finite number up to 16, gives a null
// image.
QImage 絵を作る(int 絵番号, double 倍率);

// Cached version (keyed by id and 倍率), for the window's repaints.  The
// reference stays valid for the life of the program.
const QImage& 絵(int 絵番号, double 倍率);

// The same picture made exactly 幅 × 高さ device pixels, as painting
// 絵(絵番号, 倍率) into a rectangle of that size with smooth scaling would
// paint it, and with devicePixelRatio 1, so that the window can copy it
// pixel for pixel.  Cached too; a null image where 絵 gives one or the size
// is empty.
const QImage& 絵(int 絵番号, double 倍率, int 幅, int 高さ);

// True for the pictures that paint every pixel of their rectangle with an
// opaque colour: pieces, empty cells and background tiles (not the title).
bool 不透明な絵(int 絵番号);

// Pieces labelled with Latin letters instead of kanji: K, R, B, G, S, N, L,
// P, promoted "+R" and so on, in the same shape, facing and colours.  Off
// at the start; the cached pictures follow the switch.
void 英字の駒を描く(bool 英字);
bool 英字の駒();
