// SPDX-License-Identifier: GPL-3.0-or-later
// Vezuvire.dll: the game's small sound library, built on SDL2_mixer.
//
// Everything is addressed by plain integer handles.  0 is never a valid
// handle: it is what the library answers when something could not be done,
// and every call accepts it (and any unknown or already-freed handle) and
// simply does nothing.  The game never has to test a handle.
//
// Typical use:
//     long 装置 = dsInitialize(window);               // 0: no sound device
//     long 音 = dsCreateDSB(装置, bytes, size, 3);     // 0: no sound
//     dsPlay(音);                                      // returns at once
//     ...
//     dsFree(音);
//     dsTerminate(装置);
//
// Buffer flags for dsCreateDSB:
//     1  music: one voice per buffer.  dsPlay and dsPlayLooping (re)start it
//        from the beginning; dsPlayLooping on a buffer that is already
//        looping leaves it running undisturbed, so the background music can
//        be "switched on" repeatedly without a stutter.
//     3  effect: every dsPlay starts a new voice, so an effect played again
//        while it still sounds overlaps the earlier one.
//     Any other value is treated as 3.
//
// Playing is asynchronous: the mixing runs on SDL's audio thread.  The
// calls themselves are meant to come from one thread only (the game's
// user-interface thread); the library does no locking of its own.
//
// Nothing here depends on a window system; the window handle given to
// dsInitialize is accepted for the caller's convenience and not used.
#pragma once

#include <cstddef>

// Opens the default audio device as plain 16-bit stereo (44100 Hz, or
// whatever rate the device prefers) and returns its handle, or 0 when no
// device can be opened; in that case every other call is a harmless no-op
// and the caller carries on silently.  Only one device is open at a time:
// calling it again while the device is open returns the same handle.
// SDL_AUDIODRIVER=dummy opens a silent device (used by the tests).
long dsInitialize(void* 窓 = nullptr);

// Makes a buffer from a complete WAV file held in memory (16-bit or 8-bit
// PCM, any rate and channel count SDL can convert).  The sound is decoded
// and copied during the call; the caller may free 画像 right afterwards.
// Returns the buffer handle, or 0 when 装置 is not the open device or the
// bytes are not a complete, readable WAV file (null, short, truncated or
// garbage data).
long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ);

// Plays the buffer once.
void dsPlay(long 音);

// Plays the buffer over and over until dsStop or dsFree.  A buffer already
// looping keeps looping (it is not restarted and no second loop starts).
void dsPlayLooping(long 音);

// Silences every voice of the buffer at once.  The buffer stays usable.
void dsStop(long 音);

// Stops the buffer and releases it; the handle becomes unknown.
void dsFree(long 音);

// Frees every buffer still held and closes the device.  Afterwards all old
// handles are unknown and dsInitialize may be called again (it hands out a
// new device handle).
void dsTerminate(long 装置);
