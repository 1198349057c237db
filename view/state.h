// SPDX-License-Identifier: GPL-3.0-or-later
// The whole state of one game window (or of the command-line tool's game):
// the board the rules work on (盤面状態, core/state.h), the course of the
// game with its record, and three parts only the game layer and the front
// ends see:
//  - 操作: the controller's: the kind of game, modes, the selection of the
//    mouse and keyboard, the menu's check marks, the autosave's knowledge;
//  - 時計: both sides' thinking-time clocks;
//  - 表示: what the screen and the speakers use: background, guidance
//    colour, font, sound handles.
// The rules and the computer take 盤面状態 and so cannot reach any of them.
#pragma once

#include "core/game_record.h"
#include "core/state.h"
#include "engine/com_tables.h"

// Kinds of game.
inline constexpr int 対局_人間 = 0;
inline constexpr int 対局_COM = 1;

// Palette colours (16-colour palette numbers).
inline constexpr int 色_黒 = 0;
inline constexpr int 色_白 = 15;
inline constexpr int 色_赤 = 12;
inline constexpr int 色_黄 = 14;
// The last move's outlines: a colour of their own, past the 16 of the
// palette, so they are never taken for guidance, a refusal or the squares.
inline constexpr int 色_最終手 = 16;
inline constexpr int 背景色 = 2;
inline constexpr int 桝輪郭色 = 背景色;

// Background tile codes; the same numbers pick the tile picture.
inline constexpr int 背景_緑 = 5;
inline constexpr int 背景_畳 = 6;
inline constexpr int 背景_竹 = 7;
inline constexpr int 背景_宇宙 = 8;
inline constexpr int 背景_煉瓦 = 9;
inline constexpr int 絵_タイトル = -3;

// Geometry in twips.
inline constexpr int 盤原点X = 1050;
inline constexpr int 盤原点Y = 100;
inline constexpr int 桝幅 = 615;
inline constexpr int 桝高 = 615;

// Menu items whose check marks the game reads and writes.
enum class メニュー項目 {
    LEVEL1,
    LEVEL2,
    LEVEL3,
    LEVEL4,
    LEVEL5,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM,
    // The strengths added above the first five, after the rest so that
    // the others keep their places.
    LEVEL6,
    LEVEL7,
    LEVEL8,
    LEVEL9,
    LEVEL10,
    LEVEL11,
    LEVEL12,
    LEVEL13,
    LEVEL14,
    LEVEL15,
    LEVEL16,
    LEVEL17,
};
inline constexpr int メニュー項目数 = 25;
// The control name of a menu item, as the window and the records of the
// platform calls name it.
constexpr const char* メニュー項目名(メニュー項目 項目) {
    switch (項目) {
        case メニュー項目::LEVEL1: return "LEVEL1";
        case メニュー項目::LEVEL2: return "LEVEL2";
        case メニュー項目::LEVEL3: return "LEVEL3";
        case メニュー項目::LEVEL4: return "LEVEL4";
        case メニュー項目::LEVEL5: return "LEVEL5";
        case メニュー項目::MIDORI: return "MIDORI";
        case メニュー項目::TATAMI: return "TATAMI";
        case メニュー項目::TAKE: return "TAKE";
        case メニュー項目::UCHU: return "UCHU";
        case メニュー項目::RENGA: return "RENGA";
        case メニュー項目::SIDOU: return "SIDOU";
        case メニュー項目::KEIKA: return "KEIKA";
        case メニュー項目::BGM: return "BGM";
        case メニュー項目::LEVEL6: return "LEVEL6";
        case メニュー項目::LEVEL7: return "LEVEL7";
        case メニュー項目::LEVEL8: return "LEVEL8";
        case メニュー項目::LEVEL9: return "LEVEL9";
        case メニュー項目::LEVEL10: return "LEVEL10";
        case メニュー項目::LEVEL11: return "LEVEL11";
        case メニュー項目::LEVEL12: return "LEVEL12";
        case メニュー項目::LEVEL13: return "LEVEL13";
        case メニュー項目::LEVEL14: return "LEVEL14";
        case メニュー項目::LEVEL15: return "LEVEL15";
        case メニュー項目::LEVEL16: return "LEVEL16";
        case メニュー項目::LEVEL17: return "LEVEL17";
    }
    return "?";
}

// ---- The controller's part --------------------------------------------------
struct 操作状態 {
    int 対局種別 = 対局_人間;

    // Modes.
    int 棋譜モード = 偽;
    int ハンデ設定中 = 偽;
    int ハンデレベル = 0;
    int 再開待ち = 偽;
    int 選択状態 = 0;

    // Keep the game in progress on the disk after every move (the window
    // turns it on; tests and the command-line tool leave it off).
    bool 自動保存 = false;
    // What this run knows of that file (store/autosave.cpp): whether it
    // holds this run's own game (written or taken up by it), the only file
    // the run ever removes, and whether the player has been told that the
    // game is not being kept.
    bool 自動保存_自分 = false;
    bool 自動保存_不調 = false;
    // The stronger computer (strengths 4 and 5) is thinking elsewhere: until
    // its move comes back, nothing may change the game.
    bool COM思考中 = false;

    // Selection memory of the mouse handler: survives new games.
    int 選択元X = 0, 選択元Y = 0, 選択先X = 0, 選択先Y = 0, 選択駒 = 0;

    // Options and the menu's check marks.
    int 移動指導 = 偽;
    bool チェック[メニュー項目数] = {};
    bool checked(メニュー項目 m) const { return チェック[static_cast<int>(m)]; }
};

// ---- The clocks (seconds) ------------------------------------------------------
struct 時計状態 {
    // (The values shown with each position are in the record, 状態::記録.)
    double 開始時刻 = 0;
    double 経過秒 = 0;
    int 経過秒_表示 = 0;
    double 所有時間_COM = 0;
    double 所有時間_MAN = 0;
    bool Timer1有効 = false;
};

// ---- The screen's and the speakers' part ----------------------------------------
struct 表示状態 {
    int 移動指導色 = 桝輪郭色;
    int 背景種類 = 背景_緑;
    bool フォント太字 = false;

    // Marks drawn over the board (view/marks.h), all off unless the window
    // turns them on: the last move, the reach of a piece whose move was
    // refused, the turn arrows of the squares and the side to move.
    bool 最終手表示 = false;
    bool 断り説明 = false;
    bool 回転印 = false;
    bool 手番印 = false;
    // Options of play, also off unless the window turns them on: a move
    // that may promote asks 成る or 成らない (Platform::成り選択), 投了 asks
    // first; the window's own: a piece may be dragged to its square, and
    // notices that ask nothing go to a line under the board.
    bool 成り選択 = false;
    bool 投了確認 = false;
    bool ドラッグ = false;
    bool 状況行 = false;
    // Outlines that read at a glance: the picked-up piece framed three
    // pixels wide over the board, the keyboard's cursor as wide, and the
    // turn arrows larger (view/marks.h; the window paints them).
    bool 太い枠 = false;
    // While a refusal is being explained: the refused square.
    bool 断り中 = false;
    int 断り列 = 0, 断り行 = 0;
    // While a hint is shown: the piece to move (a hand slot for a drop) and
    // its destination, framed in yellow by the game; thick over the board
    // with 太い枠.
    bool ヒント中 = false;
    int ヒント元列 = 0, ヒント元行 = 0, ヒント先列 = 0, ヒント先行 = 0;

    // Sound buffer handles (0 when a sound could not be loaded).
    long 音_その他 = 0;
    long 音_禁止 = 0;
    long 音_駒打 = 0;
    long 音_BGM = 0;
    long サウンド装置 = 0;
    // The player turned the sound effects (pieces, refusals) off; the music
    // goes on under its own option.
    bool 効果音を消す = false;
};

struct 状態 : 盤面状態 {
    // The course of the game: whose turn, the result, the counters and the
    // record (view/course.h carries moves and positions through it).
    int 手番 = 手番_なし;
    int 勝者 = 手番_なし;
    int 手数 = 0;      // moves played in the game shown
    int 棋譜手数 = 0;  // the record's slot the game stands at
    int 棋譜最終手数 = 0;  // the last slot written, as far as 進 may step
    // Every position of the game with its clocks, slots 0..棋譜最終手数 in
    // use (core/game_record.h).
    棋譜 記録;

    操作状態 操作;
    時計状態 時計;
    表示状態 表示;

    // The memory of the computer that answers in this game (its COMの応手
    // owns it; none in a game nobody answers): the autosave keeps it with
    // the game and gives it back on resume, and it learns where the kings
    // stand as the rules put them there.
    COM表* COM記憶 = nullptr;

    // The king of side 符号 (+1 the top's, −1 the bottom's) now stands on
    // (x, y): the computer answering learns the kings' squares only so.
    void 王を見た(int 符号, int x, int y) const {
        if (COM記憶 != nullptr) ::王を見た(*COM記憶, 符号, x, y);
    }
};
