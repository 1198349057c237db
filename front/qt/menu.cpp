#include "front/qt/menu.h"

#include "game/com_game.h"
#include "game/com_turn.h"
#include "game/commands.h"
#include "game/handicap.h"
#include "game/mouse.h"
#include "core/clock.h"
#include "game/navigation.h"
#include "game/record_io.h"
#include "game/about.h"
#include "game/clock_view.h"
#include "game/settings.h"

const std::vector<メニュー定義>& メニュー一覧() {
    static const std::vector<メニュー定義> 一覧 = {
        {"TAIKYOKU", "対局", "", false, {}, TAIKYOKU_Click},
        {"MATCH_MAN", "対局(人間)", "TAIKYOKU", false, {}, MATCH_MAN_Click},
        {"START", "スタート", "MATCH_MAN", false, START_Click, {}},
        {"START2", "対局(COM)", "TAIKYOKU", false, {}, {}},
        {"SENTE", "先手", "START2", false, SENTE_Click, {}},
        {"GOTE", "後手", "START2", false, GOTE_Click, {}},
        {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", false, {}, {}},
        {"LEVEL1", "LEVEL1", "LEVEL", true, LEVEL1_Click, {}},
        {"LEVEL2", "LEVEL2", "LEVEL", true, LEVEL2_Click, {}},
        {"LEVEL3", "LEVEL3", "LEVEL", true, LEVEL3_Click, {}},
        {"LEVEL4", "LEVEL4", "LEVEL", true, LEVEL4_Click, {}},
        {"LEVEL5", "LEVEL5", "LEVEL", true, LEVEL5_Click, {}},
        {"OWARI", "終わり", "TAIKYOKU", false, OWARI_Click, {}},
        {"STOP", "局面", "", false, {}, STOP_Click},
        {"CANCEL", "最初", "STOP", false, CANCEL_Click, {}},
        {"REPLAY", "戻", "", false, REPLAY_Click, {}},
        {"AFTER", "進", "", false, AFTER_Click, {}},
        {"LBEL_UP", "△", "", false, LBEL_UP_Click, {}},
        {"LEBEL_DOWN", "▽", "", false, LEBEL_DOWN_Click, {}},
        {"KIFU", "棋譜", "", false, {}, {}},
        {"KIFU_READ", "読込", "KIFU", false, KIFU_READ_Click, {}},
        {"KIFU_WRITE", "書込", "KIFU", false, KIFU_WRITE_Click, {}},
        {"OPTION", "ｵﾌﾟｼｮﾝ", "", false, {}, OPTION_Click},
        {"HAIKEI_GA", "背景画", "OPTION", false, {}, {}},
        {"MIDORI", "緑", "HAIKEI_GA", true, MIDORI_Click, {}},
        {"TATAMI", "畳", "HAIKEI_GA", true, TATAMI_Click, {}},
        {"TAKE", "竹", "HAIKEI_GA", true, TAKE_Click, {}},
        {"UCHU", "宇宙", "HAIKEI_GA", true, UCHU_Click, {}},
        {"RENGA", "煉瓦", "HAIKEI_GA", true, RENGA_Click, {}},
        {"SIDOU", "移動指導", "OPTION", true, SIDOU_Click, {}},
        {"KEIKA", "経過時間", "OPTION", true, KEIKA_Click, {}},
        {"BGM", "BGM", "OPTION", true, BGM_Click, {}},
        {"SONOTA", "その他", "", false, {}, {}},
        {"VER", "バージョン情報", "SONOTA", false, VER_Click, {}},
        // Opens the help window, which is the window's own, not the game's:
        // the window connects it (and its key, F1).
        {"ASOBIKATA", "遊び方", "SONOTA", false, {}, {}},
    };
    return 一覧;
}

QString メニュー名(メニュー項目 項目) { return QString::fromUtf8(メニュー項目名(項目)); }

void マウス処理(状態& s, Platform& p, 応手& 相手, int ボタン, int shift, int X, int Y) {
    Form_MouseDown(s, p, 相手, ボタン, shift, X, Y);
}
void キー処理(状態& s, Platform& p, int KeyAscii) { Form_KeyPress(s, p, KeyAscii); }
void 閉じる処理(状態& s, Platform& p) { Form_Unload(s, p); }
