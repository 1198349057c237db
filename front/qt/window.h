// SPDX-License-Identifier: GPL-3.0-or-later
// The game window: a menu bar over a canvas.  The window keeps the game and
// runs each of its events as a sequence (window_sequence.cpp); it answers
// the game's platform calls itself or passes them on to the parts it owns:
//   - the drawing book (window_drawing.h): everything the game paints, kept
//     in twips, so covering, uncovering and resizing never lose it; a resize
//     (or a move to a screen with another pixel ratio) re-renders the
//     picture at the new resolution so pictures and text stay crisp;
//   - the menu bar (window_menu.h);
//   - the record panel laid over the canvas (window_panel.h);
//   - the playing keys and the keyboard's cursor (window_keys.h);
//   - the status line under the board (window_status.h).
// The canvas widget is window_canvas.h.  The window's own code is in
// window.cpp (building it, message boxes, events, sound and time),
// window_play.cpp (dragging, the promotion chooser, the turned board) and window_options.cpp (the options kept in the
// preferences store).
#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "front/qt/language.h"
#include "front/qt/window_canvas.h"
#include "front/qt/window_drawing.h"
#include "front/qt/window_keys.h"
#include "front/qt/window_menu.h"
#include "front/qt/window_panel.h"
#include "front/qt/window_status.h"
#include "view/key_cursor.h"
#include "view/platform.h"
#include "view/state.h"

class QAbstractNativeEventFilter;
class QAction;
class QPainter;
class COMの応手;
class 窓の思考;
class 一続き;
class 盤面;
class 遊び方窓;
class 棋譜一覧窓;
class 学ぶ窓;

class 窓 : public QMainWindow,
           public Platform,
           private 盤面の持ち主,
           private メニューの持ち主,
           private キーの持ち主 {
public:
    // 起動する = false leaves the start-up sequence to the caller (tests).
    explicit 窓(bool 起動する = true);
    ~窓() override;

    // The start-up sequence (sounds, settings, a new game), then, when the
    // state keeps the game on the disk (状態::自動保存), the offer of the
    // game left unfinished last time.
    void 開始();
    // The same in two steps, for the program itself: the start-up sequence
    // with the disk left alone, and later, with the window on the screen,
    // autosave turned on and the question about a game left unfinished last
    // time.  Until then nothing can remove or replace the kept game.
    void 起動だけ();
    void 自動保存を始める();
    // A record handed to the program (a file opened from the file
    // manager): loaded as a click on it in the "棋譜" → "読込" list loads
    // it, with the same questions and messages.
    void 棋譜を開く(const std::string& パス);
    状態& 状態参照() { return *s_; }
    // A menu item by its control name, e.g. "START" (window_menu.h).
    QAction* メニュー(const QString& 名前) const { return メニュー_.項目(名前); }
    QWidget* キャンバス() const;
    // Twip position → widget position of the canvas (for tests and events).
    QPoint ツイップから位置(int X, int Y) const;
    // Current drawing as an image of the canvas at the given device scale.
    QImage 画像(double 倍率 = 1.0) const { return 帳_.画像(倍率); }
    // The same with the marks over the board on top, as the window shows it.
    QImage 見える画像(double 倍率 = 1.0) const;
    // For tests: when set, message boxes are not shown; each is recorded and
    // answered by this function.
    std::function<応答(const std::string& 本文, const std::string& 題, ボタン)> 自動応答;
    // For tests: pauses (the blink, the 0.1 s after a turning move) take no
    // time, as they do in the command-line tool.
    bool 待たない = false;
    // For tests and benchmarks: every pause lasts this many times its
    // length.
    double 間の倍率 = 1.0;
    // For tests written against a window that did all of an event inside
    // it: every event runs to its end at once, its pauses taking no time and
    // the computer's answer waited for on the window's thread.  The
    // computer is asked the same way.
    bool 一息に = false;

    // The game's sequence under way (window_sequence.cpp): every event the
    // game handles runs as a sequence that stops at each pause (a timer
    // carries it on) and while the computer thinks (its worker's answer
    // carries it on), the window's events going on meanwhile.
    // 見せている: a move, a refusal or a hint is being shown (a pause is
    // running); 考えている: the computer is thinking (its move or a hint).
    bool 見せている() const;
    bool 考えている() const;
    bool 手すき() const;  // no sequence under way

    // For tests: when set, the promotion chooser is not shown; it is
    // answered by this function with the destination cell.
    std::function<応答(int 列, int 行)> 自動成り選択;

    // The board turned half round (ｵﾌﾟｼｮﾝ → 表示 → 盤を回す, or, with 後手は
    // 盤を回す, while the second player of a two-person game is to move):
    // the board, the hands, the coordinates, the marks and the keyboard's
    // cursor are shown turned, and presses are turned back; the game, its
    // records and its drawing stay as they are.
    bool 盤を回している() const override;
    // A cell of the board or a hand as the screen shows it, and back.
    static int 回した列(int 列) { return ::回した列(列); }
    static int 回した行(int 行) { return ::回した行(行); }

    // The status line under the board (ｵﾌﾟｼｮﾝ → 表示 → 状況行): the notice
    // shown there, as drawn, empty when none.
    QString 状況行の文() const { return 状況行_.文(); }

    // The help window ("遊び方"), opened by its menu item and F1; created on
    // first use.  Null until then.
    void 遊び方を開く();
    遊び方窓* 遊び方() const { return 遊び方_; }

    // The move list ("棋譜一覧"), opened by its menu item and Ctrl+L;
    // created on first use.  Null until then.
    void 棋譜一覧を開く();
    棋譜一覧窓* 棋譜一覧() const { return 棋譜一覧_; }

    // Lessons and puzzles ("学ぶ"), opened by their menu items; created on
    // first use.  Null until then.
    void 学ぶを開く(bool 練習問題);
    学ぶ窓* 学ぶ() const { return 学ぶ_; }

    // The stronger computer's worker thread (window_thinking.h).
    窓の思考& 思考() { return *思考_; }

    // True once the game has asked to end the program.
    bool 終わった() const { return 終了中_; }

    // The keyboard's cursor and whether it is shown (window_keys.h).
    const キーカーソル& カーソル() const { return キー_->カーソル(); }
    bool カーソル表示中() const { return キー_->表示中(); }

    // Qt's own texts (standard buttons, the menus of text boxes) in Japanese:
    // Qt's translation from 訳のフォルダ (Qt's own translations folder when
    // empty), installed once for the application.  False when the file is
    // missing; the window's message boxes name their buttons themselves.
    static bool Qtの訳を入れる(const QString& 訳のフォルダ = {});

    // The language of every text of the window (front/qt/language.h), at
    // once: the menus, the board's texts, the record panel and the help
    // follow.  The choice is not stored here (see 言語を選ぶ).
    void 言語を変える(言語 l);
    // The same, from the language menu: also kept in the preferences store
    // of the working folder.
    void 言語を選ぶ(言語 l);
    // Pieces drawn with kanji or with Latin letters (K, R, B, G, S, N, L, P;
    // promoted "+R" …), on the board and in the help's pictures.
    void 駒の表記を変える(bool 英字);
    void 駒の表記を選ぶ(bool 英字);
    // The sound effects on or off, kept in the preferences store.
    void 効果音を選ぶ(bool 鳴らす);
    // Both choices as the preferences store of the working folder has them
    // (or the defaults), for the start of the program.
    void 好み設定を読む();
    // The window's place and size, kept in the preferences store when the
    // player closes it (once 好み設定を読む has read the store: the program
    // itself, not the tests) and taken up again by 好み設定を読む.
    void 窓の位置を残す();
    // The marks over the board (view/marks.h), by their menu item's control
    // name ("HYOUJI_SAISHU" …): turned on or off at once, and, chosen from
    // the menu, kept in the preferences store.  The options of play
    // (ｵﾌﾟｼｮﾝ → 操作: "SOUSA_DRAG", "SOUSA_NARI", "SOUSA_KAKUNIN") and the
    // status line ("HYOUJI_JOUKYOU") go the same way.
    void 印を変える(const QString& 名前, bool 付ける);
    void 印を選ぶ(const QString& 名前, bool 付ける);
    // The box the letters of a board text cover, in twips from the text's
    // corner, measured with the window's font made for 倍率 device pixels
    // per canvas pixel (as the canvas paints it at that scale).
    static QRectF 文字の墨(const QString& 文字列, int 大きさ, bool 太字, double 倍率) {
        return 描画帳::文字の墨(文字列, 大きさ, 太字, 倍率);
    }
    // For tests: the texts of the kept drawing operations, as drawn.
    QStringList 描いた文字() const { return 帳_.描いた文字(); }

    // Number of drawing operations kept for re-rendering.
    std::size_t 描画命令数() const { return 帳_.命令数(); }
    // For tests: from now on every drawing operation is also painted, as it
    // comes, into a picture of the canvas for each of the given scales, so
    // that re-rendering the kept operations (画像) can be compared with
    // everything the game has drawn.  Call before the game draws anything.
    // 全命令の画像 gives the picture for one of those scales (null for any
    // other).
    void 全命令を控える(const std::vector<double>& 倍率一覧) { 帳_.全命令を控える(倍率一覧); }
    QImage 全命令の画像(double 倍率) const { return 帳_.全命令の画像(倍率); }

    // 描画窓口, painting: written into the drawing book (window_drawing.h)
    void 絵(int 絵番号, int x, int y) override { 帳_.絵(絵番号, x, y); }
    void 枠(int x1, int y1, int x2, int y2, int 色) override { 帳_.枠(x1, y1, x2, y2, 色); }
    void 塗り(int x1, int y1, int x2, int y2, int 色) override { 帳_.塗り(x1, y1, x2, y2, 色); }
    void 文字(int x, int y, const std::string& 文字列, int 大きさ, bool 太字, int 色) override {
        帳_.文字(x, y, 文字列, true, 大きさ, 太字, 色);
    }
    void 名前の文字(int x, int y, const std::string& 文字列, int 大きさ, bool 太字, int 色) override {
        帳_.文字(x, y, 文字列, false, 大きさ, 太字, 色);
    }
    void 再描画() override;
    // 対話窓口, message boxes, and 終了窓口, the end of the program (window.cpp)
    応答 メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) override;
    応答 成り選択(int 列, int 行) override;  // window_play.cpp
    void 終了() override;
    // 時間窓口, time (window.cpp)
    void タイマー(bool 有効) override;
    double 時刻() override;
    void 待つ(double 秒) override;
    // メニュー窓口, menu check marks (window_menu.h)
    void チェック表示(メニュー項目 項目, bool 付ける) override { メニュー_.チェック表示(項目, 付ける); }
    // パネル窓口, the record panel (window_panel.h)
    void パネル表示(パネル部品 部品, bool 見える) override { パネル_->表示(部品, 見える); }
    std::string パネル文字(パネル部品 部品) override { return パネル_->文字(部品); }
    void パネル文字設定(パネル部品 部品, const std::string& 文字列) override { パネル_->文字設定(部品, 文字列); }
    std::string パネルフォルダ() override { return パネル_->フォルダ(); }
    void パネルフォルダ設定(const std::string& フォルダ) override { パネル_->フォルダ設定(フォルダ); }
    void パネル一覧更新() override { パネル_->一覧更新(); }
    // 音窓口, sound, passed on to the sound library (window.cpp)
    long dsInitialize() override;
    long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) override;
    void dsPlay(long 音) override;
    void dsPlayLooping(long 音) override;
    void dsStop(long 音) override;
    void dsFree(long 音) override;
    void dsTerminate(long 装置) override;

    // Canvas size in twips.
    static constexpr int 幅 = 画布幅;
    static constexpr int 高さ = 画布高さ;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // What the canvas widget asks (window_canvas.h).
    const 状態& 画布の状態() const override { return *s_; }
    const QImage& 画布() const override { return 帳_.画布(); }
    double 画布倍率() const override { return 帳_.画布倍率(); }
    const キーカーソル* 見えるカーソル() const override { return キー_->表示中() ? &キー_->カーソル() : nullptr; }

    // The canvas' picture, kept by the drawing book at the scale the
    // canvas is shown at (window.cpp).
    void 描き直し() override { 帳_.倍率に合わせる(倍率()); }  // re-render if the resolution changed
    void 全部描き直す();              // re-render every kept operation now
    void 言語の表示を更新();          // menus, panel, help in the language in use
    void 印の好みを読む();            // window_options.cpp
    // Stores one choice in the preferences store (window_options.cpp).  A
    // choice that cannot be stored still holds for this run; the first
    // failure of the run is told, with the reason, and no later one.
    void 好みを保存する(const char* 鍵, const std::string& 値);
    bool 好みの失敗を告げた_ = false;
    double 倍率() const;  // device pixels per canvas pixel (15 twips)

    // What the menu bar asks (window_menu.h): its items run as the
    // window's events (window.cpp), the window's own options chosen and
    // shown (window_options.cpp).
    void メニューの処理(const 処理& f, 扱い 時) override;
    const 状態& メニューの状態() const override { return *s_; }
    void 自前の項目(const QString& 名前) override;
    bool 自前の印(const QString& 名前) const override;
    void 窓を開く(const QString& 名前) override;
    // The current value of a mark's or an option of play's flag, by its
    // menu item's control name.
    bool 印が付いている(const QString& 名前) const;
    // A menu handler bound to this window's computer player.
    std::function<void(状態&, Platform&)> この手番で(const 処理& f);

    // The canvas has changed size: the record panel's controls follow.
    void パネル配置() override {
        if (パネル_) パネル_->配置();
    }

    // Events handed to the game (window.cpp).  操作 is for a press or a
    // command that changes the game: while a move, a refusal or a hint is
    // being shown, the showing ends at once (what is left of it drawn
    // straight away) and the event then takes effect; while the computer
    // thinks it is refused, with the game's refusal sound.  考え中も操作 is
    // for what may go on at any moment (the clock, the options, the
    // version box); 終わりの操作 for ending the program, which first
    // finishes what is being shown and calls off the thinking.
    void 操作(const std::function<void(状態&, Platform&)>& f);
    void 考え中も操作(const std::function<void(状態&, Platform&)>& f);
    void 終わりの操作(const std::function<void(状態&, Platform&)>& f);
    void マウス(QMouseEvent* e) override;
    // Dragging a piece (window_play.cpp): a press that picked up a piece of
    // the side to move may carry it; the release plays it where it lands.
    void 引きの候補(QMouseEvent* e, int X, int Y);
    void マウス移動(QMouseEvent* e) override;
    void マウス離す(QMouseEvent* e) override;
    void 引きを描く(QPainter& g, double k, QPointF o) override;
    struct 引き {
        bool 候補 = false, 中 = false;
        int 列 = 0, 行 = 0, 駒 = 0;
        QPointF 始点, 点;  // canvas widget positions
    } 引き_;
    // A box of the game's own was up from 始 on: the player to move is not
    // charged for that time.
    void 箱の時間を返す(double 始);
    // What the keys ask (window_keys.h): a press on the board, as the
    // mouse's are handed to the game, and the record panel closed.
    const 状態& キーの状態() const override { return *s_; }
    void 盤を押す(int ボタン, int shift, int X, int Y) override;
    void パネルを閉じる() override;

    // The native window went away without a close request: the program ends
    // the way closing the window ends it.
    void 窓が消えた();

    // The game's sequences (window_sequence.cpp).
    enum class 待ち { なし, 間, 思考 };
    void 続きで(const std::function<void(状態&, Platform&)>& f);  // f run as a new sequence
    void 続きを進める();      // the stopped sequence carried on
    void 急いで終える();      // what is being shown, finished without pauses
    void 全部終える();        // every sequence finished, the thinking called off
    std::optional<bool> 思考を待つ();  // the sequence stopped until the worker answers
    void 後始末();            // after a step of the game: the cursor, the move list

    // A point in twips on the turned board (or hand) as the game has it.
    void 回した点を戻す(int& X, int& Y) const;

    // The game, and who thinks for the computer.
    std::unique_ptr<状態> s_;
    std::unique_ptr<窓の思考> 思考_;
    std::unique_ptr<COMの応手> コンピュータ_;  // the side that answers a human move
    // The window's parts.
    盤面* 盤面_ = nullptr;                    // the canvas, a child widget (window_canvas.h)
    描画帳 帳_{[this] { 盤面_->update(); }};  // all the game has painted (window_drawing.h)
    窓のメニュー メニュー_{*this, *this};      // the menu bar (window_menu.h)
    std::unique_ptr<棋譜パネル> パネル_;      // the record panel, over the canvas (window_panel.h)
    std::unique_ptr<窓のキー> キー_;          // the keys and the keyboard's cursor (window_keys.h)
    状況行 状況行_{*this, *s_};               // the status line (window_status.h)
    QTimer timer1_;                           // the game's clock tick (タイマー)
    bool 終了中_ = false;
    bool 位置を残す = false;  // set by 好み設定を読む
    bool 盤を回す_ = false, 後手で回す_ = false;  // options of 盤を回している
    遊び方窓* 遊び方_ = nullptr;
    棋譜一覧窓* 棋譜一覧_ = nullptr;
    学ぶ窓* 学ぶ_ = nullptr;
    std::unique_ptr<QAbstractNativeEventFilter> X見張り_;  // window.cpp
    std::unique_ptr<一続き> 続き_;  // the sequence under way, stopped (null: none)
    待ち 待ち_ = 待ち::なし;        // what it waits for
    QTimer 間_;                     // the end of a pause (single shot)
    bool 急ぐ_ = false;             // its pauses are skipped
    bool 閉じ急ぎ_ = false;         // the program ends: its message boxes are not shown
    bool 取りやめ_ = false;         // its thinking was called off
};
