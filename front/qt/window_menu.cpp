// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar (window_menu.h): the items made from the game's
// menu tree, their captions and check marks, and where each one goes.
#include "front/qt/window_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <utility>

#include "front/qt/language.h"
#include "front/qt/pictures.h"
#include "play/com_game.h"
#include "play/com_turn.h"
#include "play/commands.h"
#include "play/handicap.h"
#include "play/mouse.h"
#include "core/clock.h"
#include "play/navigation.h"
#include "play/player_commands.h"
#include "play/record_io.h"
#include "view/about.h"
#include "view/clock_view.h"
#include "store/settings.h"

namespace {
// The options and the version box change nothing of the game: they work at
// any moment, also while a move is being shown or the computer thinks.
bool いつでも(const メニュー定義& d) {
    for (QString 親 = d.親; !親.isEmpty();) {
        if (親 == "OPTION" || 親 == "SONOTA") return true;
        QString 上;
        for (const auto& e : メニュー一覧())
            if (e.名前 == 親) 上 = e.親;
        親 = 上;
    }
    return false;
}

// The window's own options, each one's check mark the window's.
const char* const 自前の項目[] = {
    "GENGO_JA",       "GENGO_EN",                                            // the language
    "HYOUKI_KANJI",   "HYOUKI_EIJI",                                         // the pieces' labels
    "KOUKAON",                                                               // the sound effects
    "HYOUJI_SAISHU",  "HYOUJI_KOTOWARI", "HYOUJI_KAITEN", "HYOUJI_TEBAN",   // the marks over the board,
    "HYOUJI_JOUKYOU", "HYOUJI_FUTOI",    "HYOUJI_MAWASU", "HYOUJI_GOTE_MAWASU",  // the status line, turning
    "SOUSA_DRAG",     "SOUSA_NARI",      "SOUSA_KAKUNIN",                    // the options of play
};

}  // namespace

QAction* 窓のメニュー::項目(const QString& 名前) const {
    auto it = 項目_.find(名前);
    return it == 項目_.end() ? nullptr : it->second;
}

void 窓のメニュー::チェック表示(メニュー項目 項目, bool 付ける) {
    if (QAction* a = this->項目(メニュー名(項目))) a->setChecked(付ける);
}

void 窓のメニュー::作る() {
    using 時 = メニューの持ち主::扱い;
    QMenuBar* 棒 = 窓_.menuBar();
    std::map<QString, QMenu*> 親メニュー;
    for (const auto& d : メニュー一覧()) {
        // Items with children become menus.
        bool 子あり = false;
        for (const auto& c : メニュー一覧())
            if (c.親 == d.名前) 子あり = true;
        QAction* a = nullptr;
        if (子あり) {
            QMenu* m = d.親.isEmpty() ? 棒->addMenu(d.表題) : 親メニュー.at(d.親)->addMenu(d.表題);
            m->setObjectName(d.名前);
            親メニュー[d.名前] = m;
            a = m->menuAction();
            // Opening a menu while a sequence is under way (the computer
            // thinks, a move is being shown) changes nothing and ends
            // nothing.
            if (d.開く)
                QObject::connect(m, &QMenu::aboutToShow, &窓_, [this, f = d.開く] { 持ち主_.メニューの処理(f, 時::開いた); });
        } else {
            a = d.親.isEmpty() ? 棒->addAction(d.表題) : 親メニュー.at(d.親)->addAction(d.表題);
            a->setCheckable(d.チェック式);
            if (d.クリック)
                QObject::connect(a, &QAction::triggered, &窓_,
                                 [this, f = d.クリック, 終わり = d.名前 == "OWARI", すぐ = いつでも(d)] {
                                     持ち主_.メニューの処理(f, 終わり ? 時::終わり : すぐ ? 時::いつでも : 時::操作);
                                     // The game owns the check marks; undo Qt's own toggle.
                                     for (int i = 0; i < メニュー項目数; ++i)
                                         if (QAction* c = 項目(メニュー名(static_cast<メニュー項目>(i))))
                                             c->setChecked(持ち主_.メニューの状態().操作.チェック[i]);
                                 });
        }
        a->setObjectName(d.名前);
        項目_[d.名前] = a;
    }
    // The window's own options.
    for (const char* 名前 : 自前の項目)
        if (QAction* a = 項目(名前))
            QObject::connect(a, &QAction::triggered, &窓_, [this, 名前] {
                持ち主_.自前の項目(名前);
                表題();
            });
    表題();
    // The help: F1 opens it also while no menu is open.
    if (QAction* a = 項目("ASOBIKATA")) {
        a->setShortcut(QKeySequence(Qt::Key_F1));
        a->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(a, &QAction::triggered, &窓_, [this] { 持ち主_.窓を開く("ASOBIKATA"); });
    }
    // The new game dialog: Ctrl+N opens it also while no menu is open.
    if (QAction* a = 項目("SHINKI")) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
        a->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(a, &QAction::triggered, &窓_, [this] { 持ち主_.窓を開く("SHINKI"); });
    }
    // The move list: Ctrl+L opens it also while no menu is open.
    if (QAction* a = 項目("KIFU_ICHIRAN")) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        a->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(a, &QAction::triggered, &窓_, [this] { 持ち主_.窓を開く("KIFU_ICHIRAN"); });
    }
    for (const char* 名前 : {"MANABU_NYUMON", "MANABU_MONDAI"})
        if (QAction* a = 項目(名前)) QObject::connect(a, &QAction::triggered, &窓_, [this, 名前] { 持ち主_.窓を開く(名前); });
}

void 窓のメニュー::表題() {
    for (const auto& d : メニュー一覧())
        if (QAction* a = 項目(d.名前)) a->setText(QCoreApplication::translate("Menu", d.表題.toUtf8().constData()));
    // The keys the board takes for these (window_keys.cpp), shown beside
    // them as a menu shows a shortcut.
    for (auto [名前, キー] : {std::pair{"MATTA", "Ctrl+Z"}, std::pair{"HINT", "H"}})
        if (QAction* a = 項目(名前)) a->setText(a->text() + "\t" + キー);
    for (const char* 名前 : 自前の項目)
        if (QAction* a = 項目(名前)) a->setChecked(持ち主_.自前の印(名前));
}

const std::vector<メニュー定義>& メニュー一覧() {
    static const std::vector<メニュー定義> 一覧 = {
        {"TAIKYOKU", QT_TRANSLATE_NOOP("Menu", "対局"), "", false, {}, TAIKYOKU_Click},
        //: Opens the new game dialog: opponent, side and handicap in one place (Ctrl+N).
        {"SHINKI", QT_TRANSLATE_NOOP("Menu", "新しい対局…"), "TAIKYOKU", false, {}, {}},
        {"MATCH_MAN", QT_TRANSLATE_NOOP("Menu", "対局(人間)"), "TAIKYOKU", false, {}, {}},
        {"START", QT_TRANSLATE_NOOP("Menu", "スタート"), "MATCH_MAN", false, START_Click, {}},
        {"START2", QT_TRANSLATE_NOOP("Menu", "対局(COM)"), "TAIKYOKU", false, {}, {}},
        //: Against the computer, moving first (先手, sente; the player at the bottom).
        {"SENTE", QT_TRANSLATE_NOOP("Menu", "先手"), "START2", false, SENTE_Click, {}},
        //: Against the computer, moving second (後手, gote).
        {"GOTE", QT_TRANSLATE_NOOP("Menu", "後手"), "START2", false, GOTE_Click, {}},
        {"LEVEL", QT_TRANSLATE_NOOP("Menu", "COM対局ﾚﾍﾞﾙ"), "TAIKYOKU", false, {}, {}},
        {"LEVEL1", "LEVEL1", "LEVEL", true, LEVEL1_Click, {}},
        {"LEVEL2", "LEVEL2", "LEVEL", true, LEVEL2_Click, {}},
        {"LEVEL3", "LEVEL3", "LEVEL", true, LEVEL3_Click, {}},
        {"LEVEL4", "LEVEL4", "LEVEL", true, LEVEL4_Click, {}},
        {"LEVEL5", "LEVEL5", "LEVEL", true, LEVEL5_Click, {}},
        {"LEVEL6", "LEVEL6", "LEVEL", true, LEVEL6_Click, {}},
        {"LEVEL7", "LEVEL7", "LEVEL", true, LEVEL7_Click, {}},
        {"LEVEL8", "LEVEL8", "LEVEL", true, LEVEL8_Click, {}},
        {"LEVEL9", "LEVEL9", "LEVEL", true, LEVEL9_Click, {}},
        {"LEVEL10", "LEVEL10", "LEVEL", true, LEVEL10_Click, {}},
        {"LEVEL11", "LEVEL11", "LEVEL", true, LEVEL11_Click, {}},
        {"LEVEL12", "LEVEL12", "LEVEL", true, LEVEL12_Click, {}},
        {"LEVEL13", "LEVEL13", "LEVEL", true, LEVEL13_Click, {}},
        {"LEVEL14", "LEVEL14", "LEVEL", true, LEVEL14_Click, {}},
        {"LEVEL15", "LEVEL15", "LEVEL", true, LEVEL15_Click, {}},
        {"LEVEL16", "LEVEL16", "LEVEL", true, LEVEL16_Click, {}},
        {"LEVEL17", "LEVEL17", "LEVEL", true, LEVEL17_Click, {}},
        //: Resign the game in progress (投了).
        {"TOURYOU", QT_TRANSLATE_NOOP("Menu", "投了"), "TAIKYOKU", false, TOURYOU_Click, {}},
        {"OWARI", QT_TRANSLATE_NOOP("Menu", "終わり"), "TAIKYOKU", false, OWARI_Click, {}},
        {"STOP", QT_TRANSLATE_NOOP("Menu", "局面"), "", false, {}, STOP_Click},
        {"CANCEL", QT_TRANSLATE_NOOP("Menu", "最初"), "STOP", false, CANCEL_Click, {}},
        //: Take back one's own move and the computer's answer together (待った, "wait!"); Ctrl+Z.
        {"MATTA", QT_TRANSLATE_NOOP("Menu", "待った"), "STOP", false, MATTA_Click, {}},
        //: Show the move the computer would play in the player's place (ヒント, hint); key H.
        {"HINT", QT_TRANSLATE_NOOP("Menu", "ヒント"), "STOP", false, static_cast<void (*)(状態&, Platform&, 応手&)>(HINT_Click), {}},
        //: A menu-bar item: take back one move (戻).
        {"REPLAY", QT_TRANSLATE_NOOP("Menu", "戻"), "", false, REPLAY_Click, {}},
        //: A menu-bar item: play a taken-back move again (進).
        {"AFTER", QT_TRANSLATE_NOOP("Menu", "進"), "", false, AFTER_Click, {}},
        {"LBEL_UP", "△", "", false, LBEL_UP_Click, {}},
        {"LEBEL_DOWN", "▽", "", false, LEBEL_DOWN_Click, {}},
        {"KIFU", QT_TRANSLATE_NOOP("Menu", "棋譜"), "", false, {}, {}},
        {"KIFU_READ", QT_TRANSLATE_NOOP("Menu", "読込"), "KIFU", false, KIFU_READ_Click, {}},
        {"KIFU_WRITE", QT_TRANSLATE_NOOP("Menu", "書込"), "KIFU", false, KIFU_WRITE_Click, {}},
        //: Opens the move list window (Ctrl+L).
        {"KIFU_ICHIRAN", QT_TRANSLATE_NOOP("Menu", "棋譜一覧"), "KIFU", false, {}, {}},
        {"OPTION", QT_TRANSLATE_NOOP("Menu", "ｵﾌﾟｼｮﾝ"), "", false, {}, OPTION_Click},
        {"HAIKEI_GA", QT_TRANSLATE_NOOP("Menu", "背景画"), "OPTION", false, {}, {}},
        {"MIDORI", QT_TRANSLATE_NOOP("Menu", "緑"), "HAIKEI_GA", true, MIDORI_Click, {}},
        {"TATAMI", QT_TRANSLATE_NOOP("Menu", "畳"), "HAIKEI_GA", true, TATAMI_Click, {}},
        {"TAKE", QT_TRANSLATE_NOOP("Menu", "竹"), "HAIKEI_GA", true, TAKE_Click, {}},
        {"UCHU", QT_TRANSLATE_NOOP("Menu", "宇宙"), "HAIKEI_GA", true, UCHU_Click, {}},
        {"RENGA", QT_TRANSLATE_NOOP("Menu", "煉瓦"), "HAIKEI_GA", true, RENGA_Click, {}},
        //: Option: outline the squares the chosen piece can reach (移動指導, move guidance).
        {"SIDOU", QT_TRANSLATE_NOOP("Menu", "移動指導"), "OPTION", true, SIDOU_Click, {}},
        //: Option: show each player's used time (経過時間, elapsed time).
        {"KEIKA", QT_TRANSLATE_NOOP("Menu", "経過時間"), "OPTION", true, KEIKA_Click, {}},
        {"BGM", "BGM", "OPTION", true, BGM_Click, {}},
        //: Option: the sounds of the pieces and of refused moves (効果音, sound effects); the music stays under BGM.
        {"KOUKAON", QT_TRANSLATE_NOOP("Menu", "効果音"), "OPTION", true, {}, {}},
        // The window's own options (window_options.cpp), kept in the
        // preferences store, not in the settings file.  The language menu
        // reads the same in both languages, and each language is named in
        // its own.
        {"GENGO", "言語 / Language", "OPTION", false, {}, {}},
        {"GENGO_JA", "日本語", "GENGO", true, {}, {}},
        {"GENGO_EN", "English", "GENGO", true, {}, {}},
        {"HYOUKI", "駒の表記 / Piece labels", "OPTION", false, {}, {}},
        //: Pieces labelled with their kanji.
        {"HYOUKI_KANJI", QT_TRANSLATE_NOOP("Menu", "漢字"), "HYOUKI", true, {}, {}},
        //: Pieces labelled with Latin letters: K, R, B, G, S, N, L, P; promoted +R …
        {"HYOUKI_EIJI", QT_TRANSLATE_NOOP("Menu", "英字"), "HYOUKI", true, {}, {}},
        // Marks over the board (view/marks.h), the window's own options too.
        //: Submenu of display options (表示, display).
        {"HYOUJI", QT_TRANSLATE_NOOP("Menu", "表示"), "OPTION", false, {}, {}},
        //: Outline where the last move came from and went to.
        {"HYOUJI_SAISHU", QT_TRANSLATE_NOOP("Menu", "最後の手"), "HYOUJI", true, {}, {}},
        //: On a refused move, show for a moment every square the piece could go to.
        {"HYOUJI_KOTOWARI", QT_TRANSLATE_NOOP("Menu", "断りの説明"), "HYOUJI", true, {}, {}},
        //: A small arrow on every square: which way a piece turns when it lands there.
        {"HYOUJI_KAITEN", QT_TRANSLATE_NOOP("Menu", "回転の矢印"), "HYOUJI", true, {}, {}},
        //: A triangle by the hand of the side to move.
        {"HYOUJI_TEBAN", QT_TRANSLATE_NOOP("Menu", "手番の印"), "HYOUJI", true, {}, {}},
        //: Option: notices that ask nothing (whose move, a refusal, the result) in a line under the board.
        {"HYOUJI_JOUKYOU", QT_TRANSLATE_NOOP("Menu", "状況行"), "HYOUJI", true, {}, {}},
        //: Option: thick outlines for the picked-up piece and the keyboard's cursor, larger turn arrows.
        {"HYOUJI_FUTOI", QT_TRANSLATE_NOOP("Menu", "太い枠"), "HYOUJI", true, {}, {}},
        //: Option: show the board turned half round (the top side's view).
        {"HYOUJI_MAWASU", QT_TRANSLATE_NOOP("Menu", "盤を回す"), "HYOUJI", true, {}, {}},
        //: Option: in a two-person game, turn the board half round while 後手 (the second player) is to move.
        {"HYOUJI_GOTE_MAWASU", QT_TRANSLATE_NOOP("Menu", "後手の番は盤を回す"), "HYOUJI", true, {}, {}},
        //: Submenu of the options of play (操作, handling).
        {"SOUSA", QT_TRANSLATE_NOOP("Menu", "操作"), "OPTION", false, {}, {}},
        //: Option: a piece may be dragged to its square as well as clicked there.
        {"SOUSA_DRAG", QT_TRANSLATE_NOOP("Menu", "ドラッグで指す"), "SOUSA", true, {}, {}},
        //: Option: a move that may promote asks 成る (promote) or 成らない (do not).
        {"SOUSA_NARI", QT_TRANSLATE_NOOP("Menu", "成るか聞く"), "SOUSA", true, {}, {}},
        //: Option: 投了 (resign) asks first, and questions that end a game default to いいえ (No).
        {"SOUSA_KAKUNIN", QT_TRANSLATE_NOOP("Menu", "投了・終局を確かめる"), "SOUSA", true, {}, {}},
        // Lessons and puzzles, in a window of their own (learn_window.h),
        // which the window connects.
        //: A menu: learning the game (学ぶ, learn).
        {"MANABU", QT_TRANSLATE_NOOP("Menu", "学ぶ"), "", false, {}, {}},
        //: Short tasks teaching each rule of the game (入門, introduction).
        {"MANABU_NYUMON", QT_TRANSLATE_NOOP("Menu", "入門"), "MANABU", false, {}, {}},
        //: Positions where the side to move takes the king by force (練習問題, exercises).
        {"MANABU_MONDAI", QT_TRANSLATE_NOOP("Menu", "練習問題"), "MANABU", false, {}, {}},
        {"SONOTA", QT_TRANSLATE_NOOP("Menu", "その他"), "", false, {}, {}},
        {"VER", QT_TRANSLATE_NOOP("Menu", "バージョン情報"), "SONOTA", false, VER_Click, {}},
        // Opens the help window, which is the window's own, not the game's:
        // the window connects it (and its key, F1).
        {"ASOBIKATA", QT_TRANSLATE_NOOP("Menu", "遊び方"), "SONOTA", false, {}, {}},
    };
    return 一覧;
}

QString メニュー名(メニュー項目 項目) { return QString::fromUtf8(メニュー項目名(項目)); }

void マウス処理(状態& s, Platform& p, 応手& 相手, int ボタン, int shift, int X, int Y) {
    Form_MouseDown(s, p, 相手, ボタン, shift, X, Y);
}
void キー処理(状態& s, Platform& p, int KeyAscii) { Form_KeyPress(s, p, KeyAscii); }
void 閉じる処理(状態& s, Platform& p) { Form_Unload(s, p); }
