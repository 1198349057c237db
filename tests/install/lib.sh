# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the installation tests.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# png_size FILE: prints "W H" from the PNG header.
png_size() {
    local sig
    sig=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$sig" = 89504e470d0a1a0a ] || fail "$1 is not a PNG file"
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "$w $h"
}

# is_elf FILE
is_elf() {
    [ "$(od -An -c -N4 "$1" | tr -d ' ')" = '177ELF' ]
}

# The sounds, as the game names them.
SOUNDS=(その他.wav 禁止.wav 駒打音.wav BGM.wav)
ICON_SIZES=(16 22 24 32 48 64 128 256)
