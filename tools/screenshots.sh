#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the English game at scale 1 and 2 (and with the letter
# pieces, a hint being shown, the move list, the marks over the board, a
# piece being dragged and the promotion chooser in both languages, and the
# learning window's lesson and puzzle) into docs/screenshots/, taken by the
# window's own tests:
#   tools/screenshots.sh [build folder]      (default: build)
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build}
cmake --build "$BUILD" --target test_qt
mkdir -p docs/screenshots
VZ_SCREENSHOT_DIR="$PWD/docs/screenshots" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  "$BUILD/bin/test_qt" --gtest_filter='窓の英語.英語の画面の写真:ヒントの絵.*:棋譜一覧の窓試験.CtrlLで開き指すたびに行が増え行を押すとその手の局面になる:印の窓.印の写真:学ぶ窓の試験.どの文も英語があり収まる:遊びの窓.遊びの写真'
ls -l docs/screenshots
