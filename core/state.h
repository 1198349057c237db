// The one game state.  Every routine of the game receives it and reads and
// writes its members by name; there is no other object with game state.
// The computer keeps its own memory (core/com_tables.h) and thinks on a
// working copy of the part of the game it reads (盤面状態).
//
// Piece codes: sign × (type × 10 + facing).  Positive codes are the
// computer's (COM, top), negative codes the human's (MAN, bottom).  type is
// kind × 10 + promoted; kinds 1 歩 … 8 王.  Facing 0 is down the screen,
// 1 left, 2 up, 3 right.  空 (0) is an empty square.
//
// Board-shaped tables are 10 × 10 and indexed [x][y] with x = column 1..9
// (left to right) and y = row 1..9 (top to bottom).  Index 0 is kept,
// zero-initialised and never written: some probes read it.
#pragma once

#include "core/pieces.h"

struct COM表;

// ---- Named constants -------------------------------------------------------
inline constexpr int 真 = 1;
inline constexpr int 偽 = 0;

inline constexpr int 手番_なし = 0;
inline constexpr int 先手 = 1;
inline constexpr int 後手 = -1;

inline constexpr int 対局_人間 = 0;
inline constexpr int 対局_COM = 1;

// The computer's strengths: 1 to 3 look one move ahead; 4 and 5 search many
// moves deep for a limited time (engine/deep_search.h).
inline constexpr int 最強レベル = 5;

inline constexpr int 桝色_緑 = 2;  // clockwise turn on arrival
inline constexpr int 桝色_水 = 3;  // anticlockwise turn on arrival

// Palette colours (16-colour palette numbers).
inline constexpr int 色_黒 = 0;
inline constexpr int 色_白 = 15;
inline constexpr int 色_赤 = 12;
inline constexpr int 色_黄 = 14;
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

// History: slots 0..500.
inline constexpr int 履歴最大 = 500;

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
};
inline constexpr int メニュー項目数 = 13;
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
    }
    return "?";
}

// ---- The state -------------------------------------------------------------
// The part of the game the computer reads as well: board, square colours,
// hands, the sides, the strength and the promoted
// code 調査_駒成 leaves.  The movement rules work on it alone, so they serve
// the game and the computer's working copy (COM作業) alike.
struct 盤面状態 {
    // Board and square colours.
    int 盤[10][10] = {};
    int 桝色[10][10] = {};

    // Hands, indexed by kind 1..7 (index 0 unused).
    int 持駒_MAN[8] = {};
    int 持駒_COM[8] = {};
    int 持駒数_MAN = 0;
    int 持駒数_COM = 0;

    // Sides and strength.
    int 手番_MAN = 後手;
    int 手番_COM = 先手;
    int レベル = 3;

    // The promoted code, as 調査_駒成 last found it.
    int 成駒 = 0;
};

struct 状態 : 盤面状態 {
    // Turn and result.
    int 手番 = 手番_なし;
    int 勝者 = 手番_なし;
    int 対局種別 = 対局_人間;

    // Counters.
    int 手数 = 0;
    int 棋譜手数 = 0;
    int 棋譜最終手数 = 0;

    // Move history, slots 0..500.
    int 盤履歴[履歴最大 + 1][10][10] = {};
    int 持駒履歴_MAN[履歴最大 + 1][8] = {};
    int 持駒履歴_COM[履歴最大 + 1][8] = {};
    int 先X履歴[履歴最大 + 1] = {};
    int 先Y履歴[履歴最大 + 1] = {};
    double 前秒M履歴[履歴最大 + 1] = {};
    double 後秒M履歴[履歴最大 + 1] = {};
    double 前秒C履歴[履歴最大 + 1] = {};
    double 後秒C履歴[履歴最大 + 1] = {};

    // Clocks (seconds).
    double 開始時刻 = 0;
    double 経過秒 = 0;
    int 経過秒_表示 = 0;
    double 所有時間_COM = 0;
    double 所有時間_MAN = 0;
    bool Timer1有効 = false;

    // Flags.
    int 棋譜モード = 偽;
    int ハンデ設定中 = 偽;
    int ハンデレベル = 0;
    int 再開待ち = 偽;
    int 選択状態 = 0;
    // Keep the game in progress on the disk after every move (the window
    // turns it on; tests and the command-line tool leave it off).
    bool 自動保存 = false;
    // What this run knows of that file (game/autosave.cpp): whether it
    // holds this run's own game (written or taken up by it), the only file
    // the run ever removes, and whether the player has been told that the
    // game is not being kept.
    bool 自動保存_自分 = false;
    bool 自動保存_不調 = false;
    // The stronger computer (strengths 4 and 5) is thinking elsewhere: until
    // its move comes back, nothing may change the game.
    bool COM思考中 = false;
    // The memory of the computer that answers in this game (its COMの応手
    // owns it; none in a game nobody answers): the autosave keeps it with
    // the game and gives it back on resume, and a position put on the board
    // (局面_設定) or a king's move (駒を動かす) tells it where the kings now
    // stand.
    COM表* COM記憶 = nullptr;

    // Selection memory of the mouse handler: survives new games.
    int 選択元X = 0, 選択元Y = 0, 選択先X = 0, 選択先Y = 0, 選択駒 = 0;

    // Options and presentation.
    int 移動指導 = 偽;
    int 移動指導色 = 桝輪郭色;
    int 背景種類 = 背景_緑;
    bool フォント太字 = false;
    bool チェック[メニュー項目数] = {};

    // Sound buffer handles (0 when a sound could not be loaded).
    long 音_その他 = 0;
    long 音_禁止 = 0;
    long 音_駒打 = 0;
    long 音_BGM = 0;
    long サウンド装置 = 0;

    bool checked(メニュー項目 m) const { return チェック[static_cast<int>(m)]; }
};
