// SPDX-License-Identifier: GPL-3.0-or-later
// The window shell: building the window and its parts, the start-up
// sequence, message boxes, the end of the program, the keyboard and mouse
// events handed to the game, the canvas the drawing book's picture is shown
// on, the windows opened beside this one, and the sound and time services.
#include "front/qt/window.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlatformSurfaceEvent>
#include <QPushButton>
#include <QTime>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "play/com_turn.h"
#include "play/mouse.h"
#include "play/player_commands.h"
#include "play/record_io.h"
#include "play/commands.h"
#include "view/about.h"
#include "play/resume.h"
#include "play/start.h"
#include "view/clock_view.h"
#include "view/panel.h"
#include "front/qt/autosave_lock.h"
#include "front/qt/help_window.h"
#include "front/qt/learn_window.h"
#include "front/qt/window_menu.h"
#include "front/qt/move_list_window.h"
#include "front/qt/new_game_dialog.h"
#include "front/qt/sequence.h"
#include "front/qt/window_canvas.h"
#include "front/qt/window_thinking.h"
#include "sound/dsound.h"
#include "store/sound.h"

namespace {

// Under X the window can be destroyed by others (a task manager's "close",
// `xdotool windowclose`) without any close request reaching Qt, which then
// goes on with no window.  The X server's DestroyNotify says so: 17 in the
// event's first byte (the top bit marks a sent event), the window's id in
// the third 32-bit word.
class X窓の見張り : public QAbstractNativeEventFilter {
public:
    explicit X窓の見張り(QWidget* 窓) : 窓_(窓) {}
    bool nativeEventFilter(const QByteArray& 種類, void* 中身, qintptr*) override {
        if (種類 != "xcb_generic_event_t" || !中身) return false;
        unsigned char b[12];
        std::memcpy(b, 中身, sizeof b);
        if ((b[0] & 0x7F) != 17) return false;
        std::uint32_t 消えた;
        std::memcpy(&消えた, b + 8, sizeof 消えた);
        if (消えた != 0 && 消えた == 窓_->internalWinId()) 消えた時();
        return false;
    }
    std::function<void()> 消えた時;

private:
    QWidget* 窓_;
};

// A message box whose buttons read はい, いいえ and OK with or without Qt's
// translation, also after the translation changes while it is up (Qt names
// its standard buttons again then).
class ボタンに名のある箱 : public QMessageBox {
public:
    ボタンに名のある箱(Icon 絵, const QString& 題, const QString& 本文, StandardButtons ボタン, QWidget* 親)
        : QMessageBox(絵, 題, 本文, ボタン, 親) {
        名付け();
    }

protected:
    bool event(QEvent* e) override {
        const bool r = QMessageBox::event(e);  // passes a language change on to the buttons first
        if (e->type() == QEvent::LanguageChange) 名付け();
        return r;
    }

private:
    void 名付け() {
        const std::pair<StandardButton, const char*> 名[] = {{Ok, QT_TRANSLATE_NOOP("Window", "OK")},
                                                             {Yes, QT_TRANSLATE_NOOP("Window", "はい")},
                                                             {No, QT_TRANSLATE_NOOP("Window", "いいえ")},
                                                             {Cancel, QT_TRANSLATE_NOOP("Window", "キャンセル")}};
        for (auto [種類, 文字] : 名)
            if (QAbstractButton* k = button(種類)) k->setText(QCoreApplication::translate("Window", 文字));
    }
};

}  // namespace

窓::窓(bool 起動する) : s_(std::make_unique<状態>()) {
    if (今の言語() == 言語::日本語) Qtの訳を入れる();
    // The computer thinks on a worker thread; the sequence that asked goes
    // on here once it is done.
    思考_ = std::make_unique<窓の思考>(this, [this] { return 思考を待つ(); }, [this] { 続きを進める(); });
    // Its random choice among equally good moves differs from run to run.
    コンピュータ_ = std::make_unique<COMの応手>(思考_.get(), std::random_device{}());
    // The game keeps the computer's memory with it (autosave, resume).
    コンピュータ_->受け持つ(*s_);
    setWindowTitle("Vezuvire");
    盤面_ = new 盤面(this, this);
    setCentralWidget(盤面_);
    メニュー_.作る();
    パネル_ = std::make_unique<棋譜パネル>(*盤面_, *this, [this](const 棋譜パネル::出来事& f) { 操作(f); });
    キー_ = std::make_unique<窓のキー>(*this, *盤面_, *パネル_, メニュー_, static_cast<キーの持ち主&>(*this));
    間_.setSingleShot(true);
    間_.setTimerType(Qt::PreciseTimer);
    connect(&間_, &QTimer::timeout, this, [this] { 続きを進める(); });
    timer1_.setInterval(Timer1_周期ms);
    connect(&timer1_, &QTimer::timeout, this, [this] { 考え中も操作(Timer1_Timer); });
    描き直し();
    move(0, 0);
    resize(幅 / 画素, 高さ / 画素 + menuBar()->sizeHint().height());
    // Esc is watched for before any widget of the window sees it (see
    // eventFilter).
    qApp->installEventFilter(this);
    auto 見張り = std::make_unique<X窓の見張り>(this);
    見張り->消えた時 = [this] { QMetaObject::invokeMethod(this, [this] { 窓が消えた(); }, Qt::QueuedConnection); };
    qApp->installNativeEventFilter(見張り.get());
    X見張り_ = std::move(見張り);
    if (起動する) 開始();
}

void 窓::開始() {
    const bool 自動 = s_->操作.自動保存;
    起動だけ();
    if (自動) 自動保存を始める();
}
void 窓::起動だけ() {
    s_->操作.自動保存 = false;
    起動(*s_, *this);
}
void 窓::棋譜を開く(const std::string& パス) {
    操作([パス](状態& s, Platform& p) { 開く_棋譜(s, p, パス); });
}

void 窓::自動保存を始める() {
    // Only the copy that holds the folder's lock keeps the game.
    操作([this](状態& s, Platform& p) {
        自動保存_開始(s, p, 自動保存の錠を取る(this));
        // Carefully: a game taken up at the computer's turn does not wait
        // for a press on the board, the computer takes its turn at once.
        if (s.表示.投了確認 && s.操作.対局種別 == 対局_COM && s.操作.再開待ち == 真 && s.手番 == s.手番_COM &&
            s.勝者 == 手番_なし)
            対局を再開する(s, p, *コンピュータ_);
    });
}

窓::~窓() {
    // A sequence still under way is finished first, its thinking called off.
    全部終える();
    // Taking the window down destroys its native window too: that is no
    // end of the program to act on.
    qApp->removeEventFilter(this);
    qApp->removeNativeEventFilter(X見張り_.get());
}

bool 窓::Qtの訳を入れる(const QString& 訳のフォルダ) {
    static const char* const 名前 = "Qtの訳";
    if (qApp->findChild<QTranslator*>(名前, Qt::FindDirectChildrenOnly)) return true;
    auto 訳 = std::make_unique<QTranslator>(qApp);
    訳->setObjectName(名前);
    const QString フォルダ = 訳のフォルダ.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : 訳のフォルダ;
    if (!訳->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_", フォルダ)) return false;
    QCoreApplication::installTranslator(訳.release());
    return true;
}

// ---- Platform: dialogs, end ----------------------------------------------------

応答 窓::メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    // What a sequence finished in haste at the end of the program says is
    // not shown: nobody is there to read it.
    if (閉じ急ぎ_ && 一続き::今の()) return b == ボタン::OK ? 応答::OK : 応答::なし;
    if (状況行_.出す(本文, 題, b, 警告)) return 応答::OK;
    if (自動応答) return 自動応答(本文, 題, b);
    QString text = ゲームの文(本文);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    // The about box names the program's licence.
    if (本文 == バージョン表示文())
        //: The about box's last lines: the program's licence.
        text += "\n\n" + QCoreApplication::translate("Window", "Vezuvire はフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）第3版またはそれ以降の版の"
                             "もとで、再頒布や改変ができます。保証はありません。");
    ボタンに名のある箱 box(警告 ? QMessageBox::Warning : QMessageBox::NoIcon, ゲームの文(題), text,
                           b == ボタン::OK ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No), this);
    // Esc and the close box press a hidden button of their own, so that a
    // question put away is told from one answered いいえ.
    QAbstractButton* 閉じた = nullptr;
    if (b == ボタン::はいいいえ) {
        閉じた = box.addButton(QMessageBox::Cancel);
        閉じた->hide();
        box.setEscapeButton(閉じた);
        // Carefully: Enter never resigns nor ends a game.
        if (s_->表示.投了確認 && (本文 == 投了の問い || 本文 == 対局終了の問い))
            box.setDefaultButton(QMessageBox::No);
    }
    const double 始 = 時刻();
    const int r = box.exec();
    箱の時間を返す(始);
    // A box taken down because the program is ending was not answered.
    if (b == ボタン::OK || 終了中_) return 応答::OK;
    if (box.clickedButton() == 閉じた) return 応答::なし;
    return r == QMessageBox::Yes ? 応答::はい : 応答::いいえ;
}

void 窓::終了() {
    終了中_ = true;
    timer1_.stop();
    QApplication::quit();
}

// ---- events ------------------------------------------------------------------

void 窓::操作(const std::function<void(状態&, Platform&)>& f) {
    if (終了中_) return;
    // In the middle of a sequence's own message box: handled there, as ever.
    if (一続き::今の() || 一息に) {
        考え中も操作(f);
        return;
    }
    // What is being shown ends now; then the event takes effect, on the
    // position the player sees.
    急いで終える();
    if (終了中_) return;
    if (!手すき() || s_->操作.COM思考中) {
        dsPlay(s_->表示.音_禁止);
        return;
    }
    続きで(f);
}

void 窓::終わりの操作(const std::function<void(状態&, Platform&)>& f) {
    // What is being shown is finished and kept; thinking is called off, and
    // the position before the computer's move is the one kept.
    全部終える();
    s_->操作.COM思考中 = false;
    考え中も操作(f);
}

void 窓::考え中も操作(const std::function<void(状態&, Platform&)>& f) {
    if (終了中_) return;
    f(*s_, *this);
    後始末();
}

void 窓::closeEvent(QCloseEvent* e) {
    if (!終了中_ && 位置を残す) 窓の位置を残す();
    if (!終了中_) 終わりの操作(閉じる処理);
    e->accept();
}

void 窓::窓が消えた() {
    if (!終了中_) 終わりの操作(閉じる処理);
    if (!終了中_) 終了();  // the game declined to end; there is no window to go on in
}

// Esc ends the game whichever widget of the window has the keyboard: after
// a menu was closed with Esc the menu bar keeps the focus and would swallow
// the key until a press on the board takes the focus back.  Only
// an open menu (Esc closes it), a message box (Esc answers it) and the
// record panel's controls (they keep their keys; Esc there closes the
// panel, and Tab walks between them and the board) are left alone.
// The playing keys are taken the same way (window_keys.cpp).  The native
// window destroyed under the window ends the program (窓が消えた).
bool 窓::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::PlatformSurface && o == windowHandle() &&
        static_cast<QPlatformSurfaceEvent*>(e)->surfaceEventType() == QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        窓が消えた();
    if (e->type() == QEvent::KeyPress && キー_->パネルのキー(o, static_cast<QKeyEvent*>(e))) return true;
    if (e->type() == QEvent::KeyPress && キー_->盤へ(o)) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape) {
            終わりの操作([](状態& s, Platform& p) { キー処理(s, p, 27); });
            return true;
        }
        if (キー_->盤のキー(k)) return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void 窓::keyPressEvent(QKeyEvent* e) {
    // Keys typed into the record panel's boxes and lists belong to them.
    if (パネル_->入力中()) return;
    const QString t = e->text();
    int code = e->key() == Qt::Key_Escape ? 27 : (t.size() == 1 ? t.at(0).unicode() : 0);
    if (code == 27) 終わりの操作([](状態& s, Platform& p) { キー処理(s, p, 27); });
    else if (code != 0 && 手すき() && !s_->操作.COM思考中) 操作([code](状態& s, Platform& p) { キー処理(s, p, code); });
}

void 窓::マウス(QMouseEvent* e) {
    int ボタン = 0;
    if (e->button() == Qt::LeftButton) ボタン = (e->modifiers() & Qt::ControlModifier) ? 2 : 1;
    else if (e->button() == Qt::RightButton) ボタン = 2;
    else if (e->button() == Qt::MiddleButton) ボタン = 4;
    if (ボタン == 0) return;
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    int X = static_cast<int>(std::floor((e->position().x() - o.x()) * 画素 / k));
    int Y = static_cast<int>(std::floor((e->position().y() - o.y()) * 画素 / k));
    回した点を戻す(X, Y);
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    // The keyboard's cursor hides, ready to go on from the pressed cell.
    キー_->押した桝(桝列(X), 桝行(Y));
    キー_->隠す();
    盤面_->update();
    状況行_.消す();  // what the line says now is about this press
    盤を押す(ボタン, shift, X, Y);
    if (ボタン == 1 && e->button() == Qt::LeftButton) 引きの候補(e, X, Y);
}

// ---- the canvas --------------------------------------------------------------

QWidget* 窓::キャンバス() const { return 盤面_; }

QPoint 窓::ツイップから位置(int X, int Y) const {
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    return QPoint(static_cast<int>(std::floor(o.x() + X * k / 画素)),
                  static_cast<int>(std::floor(o.y() + Y * k / 画素)));
}

double 窓::倍率() const {
    const double dpr = 盤面_ ? 盤面_->devicePixelRatioF() : 1.0;
    const double k = 盤面_ ? 盤面_->拡大() : 1.0;
    // Quantised so that small resizes do not re-render for nothing.
    return std::max(0.5, std::ceil(k * dpr * 4) / 4);
}

QImage 窓::見える画像(double r) const {
    QImage img = 画像(r);
    QPainter g(&img);
    印を描く(g, *s_, r, QPointF(0, 0), 1);
    return img;
}

void 窓::全部描き直す() {
    帳_.全部描き直す(倍率());
    盤面_->update();
}

void 窓::再描画() { 盤面_->repaint(); }

// ---- the menu bar's items ------------------------------------------------------

std::function<void(状態&, Platform&)> 窓::この手番で(const 処理& f) {
    return [this, f](状態& s, Platform& p) { f(s, p, *コンピュータ_); };
}

void 窓::メニューの処理(const 処理& f, 扱い 時) {
    switch (時) {
        case 扱い::開いた:
            // Opening a menu while a sequence is under way (the computer
            // thinks, a move is being shown) changes nothing and ends
            // nothing.
            if (手すき() && !s_->操作.COM思考中) 操作(この手番で(f));
            break;
        case 扱い::操作: 操作(この手番で(f)); break;
        case 扱い::いつでも: 考え中も操作(この手番で(f)); break;
        case 扱い::終わり: 終わりの操作(この手番で(f)); break;
    }
}

// ---- the windows beside this one -------------------------------------------------

void 窓::窓を開く(const QString& 名前) {
    if (名前 == "ASOBIKATA") 遊び方を開く();
    else if (名前 == "SHINKI") {
        if (!s_->操作.COM思考中) 新しい対局を選ぶ(*this);
    } else if (名前 == "KIFU_ICHIRAN") 棋譜一覧を開く();
    else if (名前 == "MANABU_NYUMON") 学ぶを開く(false);
    else if (名前 == "MANABU_MONDAI") 学ぶを開く(true);
}

void 窓::遊び方を開く() {
    if (!遊び方_) 遊び方_ = new 遊び方窓(this);
    遊び方_->show();
    遊び方_->raise();
    遊び方_->activateWindow();
}

void 窓::棋譜一覧を開く() {
    if (!棋譜一覧_)
        棋譜一覧_ = new 棋譜一覧窓(
            *s_, [this](int 手目) { 操作([手目](状態& s, Platform& p) { 棋譜一覧_手へ(s, p, 手目); }); }, this);
    棋譜一覧_->show();
    棋譜一覧_->raise();
    棋譜一覧_->activateWindow();
}

void 窓::学ぶを開く(bool 練習問題) {
    if (!学ぶ_) 学ぶ_ = new 学ぶ窓(this);
    if (練習問題) 学ぶ_->問題を開く();
    else 学ぶ_->入門を開く();
    学ぶ_->show();
    学ぶ_->raise();
    学ぶ_->activateWindow();
}

// A press on the board handed to the game, from the mouse or the keys.
void 窓::盤を押す(int ボタン, int shift, int X, int Y) {
    操作([=, this](状態& s, Platform& p) { マウス処理(s, p, *コンピュータ_, ボタン, shift, X, Y); });
}

void 窓::パネルを閉じる() {
    操作([](状態&, Platform& p) { ::パネルを閉じる(p); });
}

// ---- sound --------------------------------------------------------------------

long 窓::dsInitialize() { return ::dsInitialize(reinterpret_cast<void*>(winId())); }
long 窓::dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) {
    return ::dsCreateDSB(装置, 画像, 長さ, フラグ);
}
void 窓::dsPlay(long h) {
    if (効果音を鳴らす(*s_, h)) ::dsPlay(h);
}
void 窓::dsPlayLooping(long h) { ::dsPlayLooping(h); }
void 窓::dsStop(long h) { ::dsStop(h); }
void 窓::dsFree(long h) { ::dsFree(h); }
void 窓::dsTerminate(long d) { ::dsTerminate(d); }

// ---- time ---------------------------------------------------------------------

void 窓::タイマー(bool 有効) {
    if (有効) timer1_.start();
    else timer1_.stop();
}

double 窓::時刻() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
