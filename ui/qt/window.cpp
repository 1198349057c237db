#include "ui/qt/window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QWindow>
#include <chrono>
#include <cmath>
#include <thread>

#include "control/com_game.h"
#include "core/clock.h"
#include "ui/clock_view.h"
#include "control/start.h"
#include "core/setup.h"
#include "records/record_io.h"
#include "ui/qt/menu.h"
#include "ui/qt/pictures.h"
#include "ui/sound_lib/dsound.h"

namespace {

constexpr int 絵幅 = 615;          // 41 pixels
constexpr int タイトル幅 = 172 * 15;
constexpr int タイトル高 = 38 * 15;
constexpr int 画素 = 15;           // twips per pixel at scale 1

QFont 文字フォント(int 大きさ, bool 太字) {
    QFont f;
    f.setFamilies({"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "VL Gothic", "sans-serif"});
    f.setPixelSize(大きさ * 20);  // points → twips
    f.setBold(太字);
    return f;
}

}  // namespace

// The canvas widget: shows the off-screen picture scaled to fit and passes
// mouse presses on to the window.
class 盤面 : public QWidget {
public:
    explicit 盤面(窓* w) : QWidget(w), w_(w) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(窓::幅 / 画素 / 2, 窓::高さ / 画素 / 2);
    }
    QSize sizeHint() const override { return {窓::幅 / 画素, 窓::高さ / 画素}; }

    // Scale (widget pixels per canvas pixel) and the canvas' top-left.
    double 拡大() const {
        return std::min(width() / double(窓::幅 / 画素), height() / double(窓::高さ / 画素));
    }
    QPointF 原点() const {
        const double k = 拡大();
        return {(width() - k * 窓::幅 / 画素) / 2, (height() - k * 窓::高さ / 画素) / 2};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        w_->描き直し();  // re-renders only when the screen's pixel ratio changed
        QPainter g(this);
        const double k = 拡大();
        const QPointF o = 原点();
        g.setRenderHint(QPainter::SmoothPixmapTransform);
        余白(g, k, o);
        g.drawImage(QRectF(o.x(), o.y(), k * 窓::幅 / 画素, k * 窓::高さ / 画素), w_->画布_);
    }
    void resizeEvent(QResizeEvent*) override {
        w_->描き直し();
        w_->パネル配置();
    }
    void mousePressEvent(QMouseEvent* e) override { w_->マウス(e); }

private:
    // Where the window is wider or taller than the board allows, the
    // background tile carries on past the canvas on the canvas' own cell
    // grid, so the margins look like more of the same table.
    void 余白(QPainter& g, double k, QPointF o) {
        QImage 地 = ::絵(w_->s_->背景種類, w_->画布倍率_);
        if (地.isNull()) {
            g.fillRect(rect(), パレット色(背景色));
            return;
        }
        地.setDevicePixelRatio(1);  // scaled by the brush below
        QBrush b(地);
        const double 桝 = k * 桝幅 / 画素;  // one cell in widget pixels
        QTransform t;
        t.translate(o.x() + k * 盤原点X / 画素, o.y() + k * 盤原点Y / 画素);
        t.scale(桝 / 地.width(), 桝 / 地.height());
        b.setTransform(t);
        g.fillRect(rect(), b);
    }

    窓* w_;
};

窓::窓(bool 起動する) : s_(std::make_unique<状態>()) {
    setWindowTitle("Vezuvire");
    盤面_ = new 盤面(this);
    setCentralWidget(盤面_);
    メニュー作成();
    パネル作成();
    timer1_.setInterval(Timer1_周期ms);
    connect(&timer1_, &QTimer::timeout, this, [this] { 操作(Timer1_Timer); });
    描き直し();
    move(0, 0);
    resize(幅 / 画素, 高さ / 画素 + menuBar()->sizeHint().height());
    // Esc is watched for before any widget of the window sees it (see
    // eventFilter).
    qApp->installEventFilter(this);
    if (起動する) 開始();
}

void 窓::開始() {
    起動(*s_, *this);
}

窓::~窓() = default;

QAction* 窓::メニュー(const QString& 名前) const {
    auto it = メニュー_.find(名前);
    return it == メニュー_.end() ? nullptr : it->second;
}

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

QImage 窓::画像(double r) const {
    QImage img(static_cast<int>(std::lround(幅 / 画素 * r)), static_cast<int>(std::lround(高さ / 画素 * r)),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(パレット色(背景色));
    {
        QPainter g(&img);
        for (const auto& op : ops_) 実行(g, op, r);
    }
    return img;
}


void 窓::実行(QPainter& g, const 命令& op, double r) const {
    if (op.種類 == 命令::絵) {
        // A picture covers whole device pixels, from its corner rounded to
        // the nearest pixel to its far corner rounded the same way, so that
        // neighbouring cells meet exactly at any scale: no seam lets through
        // what was there before, and none is painted twice.
        const QImage& img = ::絵(op.番号, r);
        if (img.isNull()) return;
        auto 画素位置 = [r](int t) { return static_cast<int>(std::lround(t * r / 画素)); };
        const int x0 = 画素位置(op.x), y0 = 画素位置(op.y);
        const QRect 先(x0, y0, 画素位置(op.x2) - x0, 画素位置(op.y2) - y0);
        g.save();
        g.setRenderHint(QPainter::SmoothPixmapTransform);
        g.drawImage(先, img);
        g.restore();
        return;
    }
    g.save();
    g.scale(r / 画素, r / 画素);  // paint in twips
    switch (op.種類) {
        case 命令::絵: break;  // above
        case 命令::枠: {
            // A one-pixel line through the first pixel of both corners,
            // like an outline drawn from one cell corner to the next.
            QPen pen(パレット色(op.色));
            pen.setWidthF(画素);
            pen.setJoinStyle(Qt::MiterJoin);
            g.setPen(pen);
            g.setBrush(Qt::NoBrush);
            g.drawRect(QRectF(op.x + 画素 / 2.0, op.y + 画素 / 2.0, op.x2 - op.x, op.y2 - op.y));
            break;
        }
        case 命令::塗り:
            g.fillRect(QRectF(op.x, op.y, op.x2 - op.x, op.y2 - op.y), パレット色(op.色));
            break;
        case 命令::文字:
            g.setRenderHint(QPainter::TextAntialiasing);
            g.setFont(文字フォント(op.大きさ, op.太字));
            g.setPen(パレット色(op.色));
            g.drawText(QRectF(op.x, op.y, 20000, 5000), Qt::AlignLeft | Qt::AlignTop, op.文字列);
            break;
    }
    g.restore();
}

void 窓::命令追加(命令 op) {
    {
        QPainter g(&画布_);
        実行(g, op, 画布倍率_);
    }
    ops_.push_back(std::move(op));
    if (ops_.size() > 4000) 整理();
    盤面_->update();
}

void 窓::描き直し() {
    const double r = 倍率();
    if (!画布_.isNull() && 画布倍率_ == r) return;
    画布_ = 画像(r);
    画布倍率_ = r;  // kept beside the image: painting scales by it explicitly
}

// Later opaque pictures on whole cells hide everything drawn inside those
// cells before them; such operations are dropped so that re-rendering stays
// cheap however long the game runs.
void 窓::整理() {
    constexpr int C0 = -3, C1 = 28, R0 = -2, R1 = 17;
    bool 覆[C1 - C0 + 1][R1 - R0 + 1] = {};
    auto セル = [](int t, int o) { return static_cast<int>(std::floor((t - o) / double(桝幅))); };
    std::vector<命令> 残り;
    残り.reserve(ops_.size());
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        // An outline also covers the first pixel row and column past its
        // far corner.
        const int 余 = it->種類 == 命令::枠 ? 画素 : 0;
        const int cx0 = セル(it->x, 盤原点X), cx1 = セル(it->x2 + 余 - 1, 盤原点X);
        const int cy0 = セル(it->y, 盤原点Y), cy1 = セル(it->y2 + 余 - 1, 盤原点Y);
        bool 隠れる = cx0 >= C0 && cx1 <= C1 && cy0 >= R0 && cy1 <= R1;
        for (int cx = cx0; 隠れる && cx <= cx1; ++cx)
            for (int cy = cy0; 隠れる && cy <= cy1; ++cy) 隠れる = 覆[cx - C0][cy - R0];
        if (隠れる) continue;
        残り.push_back(*it);
        const bool 桝に揃う = (it->x - 盤原点X) % 桝幅 == 0 && (it->y - 盤原点Y) % 桝高 == 0;
        if (it->種類 == 命令::絵 && it->番号 != 絵_タイトル && 桝に揃う && cx0 >= C0 && cx0 <= C1 && cy0 >= R0 &&
            cy0 <= R1)
            覆[cx0 - C0][cy0 - R0] = true;
    }
    ops_.assign(残り.rbegin(), 残り.rend());
}

// ---- Platform: painting ---------------------------------------------------

void 窓::絵(int 絵番号, int x, int y) {
    命令 op;
    op.種類 = 命令::絵;
    op.番号 = 絵番号;
    op.x = x;
    op.y = y;
    op.x2 = x + (絵番号 == 絵_タイトル ? タイトル幅 : 絵幅);
    op.y2 = y + (絵番号 == 絵_タイトル ? タイトル高 : 絵幅);
    命令追加(std::move(op));
}

void 窓::枠(int x1, int y1, int x2, int y2, int 色) {
    命令 op;
    op.種類 = 命令::枠;
    op.x = std::min(x1, x2);
    op.y = std::min(y1, y2);
    op.x2 = std::max(x1, x2);
    op.y2 = std::max(y1, y2);
    op.色 = 色;
    命令追加(std::move(op));
}

void 窓::塗り(int x1, int y1, int x2, int y2, int 色) {
    命令 op;
    op.種類 = 命令::塗り;
    op.x = std::min(x1, x2);
    op.y = std::min(y1, y2);
    op.x2 = std::max(x1, x2);
    op.y2 = std::max(y1, y2);
    op.色 = 色;
    命令追加(std::move(op));
}

void 窓::文字(int x, int y, const std::string& t, int 大きさ, bool 太字, int 色) {
    命令 op;
    op.種類 = 命令::文字;
    op.x = x;
    op.y = y;
    op.文字列 = QString::fromStdString(t);
    op.大きさ = 大きさ;
    op.太字 = 太字;
    op.色 = 色;
    const QFontMetrics fm(文字フォント(大きさ, 太字));
    const QRect b = fm.boundingRect(QRect(0, 0, 20000, 5000), Qt::AlignLeft | Qt::AlignTop, op.文字列);
    op.x2 = x + b.width() + 画素;
    op.y2 = y + b.height() + 画素;
    命令追加(std::move(op));
}

void 窓::再描画() { 盤面_->repaint(); }

// ---- Platform: dialogs, time ----------------------------------------------

応答 窓::メッセージ(const std::string& 本文, const std::string& 題, ボタン b, bool 警告) {
    if (自動応答) return 自動応答(本文, 題, b);
    QString text = QString::fromStdString(本文);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    QMessageBox box(警告 ? QMessageBox::Warning : QMessageBox::NoIcon, QString::fromStdString(題), text,
                    b == ボタン::OK ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No), this);
    const int r = box.exec();
    if (b == ボタン::OK) return 応答::OK;
    return r == QMessageBox::Yes ? 応答::はい : 応答::いいえ;
}

void 窓::タイマー(bool 有効) {
    if (有効) timer1_.start();
    else timer1_.stop();
}

double 窓::時刻() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void 窓::待つ(double 秒) {
    // A real pause that blocks the game, measured on a monotonic clock and
    // spent asleep.
    using namespace std::chrono;
    const auto 終わり = steady_clock::now() + duration_cast<steady_clock::duration>(duration<double>(秒));
    while (steady_clock::now() < 終わり) std::this_thread::sleep_until(終わり);
}

void 窓::チェック表示(メニュー項目 項目, bool 付ける) {
    if (QAction* a = メニュー(メニュー名(項目))) a->setChecked(付ける);
}

// ---- Platform: record-file panel -------------------------------------------

namespace {

// Where each control lies, in twips over the canvas.
struct 部品位置 {
    パネル部品 部品;
    int x, y, w, h;
};
constexpr 部品位置 部品表[] = {
    {パネル部品::Dir1, 240, 600, 2535, 1710},
    {パネル部品::File1, 240, 2280, 2535, 930},
    {パネル部品::ラベル_対局名, 120, 2400, 840, 270},
    {パネル部品::ラベル_上, 120, 2640, 840, 270},
    {パネル部品::ラベル_下, 120, 2880, 840, 270},
    {パネル部品::ラベル_ファイル名, 120, 3120, 840, 270},
    {パネル部品::入力_対局名, 960, 2400, 2295, 270},
    {パネル部品::入力_上, 960, 2640, 2295, 270},
    {パネル部品::入力_下, 960, 2880, 2295, 270},
    {パネル部品::入力_ファイル名, 960, 3120, 2295, 270},
    {パネル部品::RETURN, 3360, 3000, 855, 375},
};

}  // namespace

void 窓::パネル作成() {
    フォルダ_ = QDir::currentPath().toStdString();

    auto* model = new QFileSystemModel(this);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath("/");
    auto* dir = new QTreeView(盤面_);
    dir->setModel(model);
    dir->setHeaderHidden(true);
    for (int c = 1; c < model->columnCount(); ++c) dir->hideColumn(c);
    dir->setCurrentIndex(model->index(QString::fromStdString(フォルダ_)));
    // The model fills in folders as they load; keep the chosen one in view.
    connect(model, &QFileSystemModel::directoryLoaded, dir, [dir] {
        dir->scrollTo(dir->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(dir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, model](const QModelIndex& i) {
                const std::string f = model->filePath(i).toStdString();
                操作([f](状態& s, Platform& p) { Dir1_Change(s, p, f); });
            });
    部品_[static_cast<int>(パネル部品::Dir1)] = dir;

    auto* files = new QListWidget(盤面_);
    connect(files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string name = item->text().toStdString();
        操作([name](状態& s, Platform& p) { File1_Click(s, p, name); });
    });
    部品_[static_cast<int>(パネル部品::File1)] = files;

    const std::pair<パネル部品, const char*> ラベル[] = {
        {パネル部品::ラベル_対局名, "対 局 名："},
        {パネル部品::ラベル_上, "先    手 ："},
        {パネル部品::ラベル_下, "後    手 ："},
        {パネル部品::ラベル_ファイル名, "ﾌｧｲﾙ名 ："},
    };
    for (auto [部品, 表題] : ラベル) {
        auto* l = new QLabel(QString::fromUtf8(表題), 盤面_);
        l->setAutoFillBackground(true);
        部品_[static_cast<int>(部品)] = l;
    }
    for (auto 部品 : {パネル部品::入力_対局名, パネル部品::入力_上, パネル部品::入力_下, パネル部品::入力_ファイル名})
        部品_[static_cast<int>(部品)] = new QLineEdit(盤面_);
    auto* ret = new QPushButton("RETURN", 盤面_);
    connect(ret, &QPushButton::clicked, this, [this] { 操作(Command1_Click); });
    部品_[static_cast<int>(パネル部品::RETURN)] = ret;

    for (QWidget* w : 部品_)
        if (w) w->hide();
    パネル一覧更新();
}

void 窓::パネル配置() {
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    for (const auto& d : 部品表) {
        QWidget* w = 部品_[static_cast<int>(d.部品)];
        if (!w) continue;
        w->setGeometry(QRectF(o.x() + d.x * k / 画素, o.y() + d.y * k / 画素, d.w * k / 画素, d.h * k / 画素)
                           .toRect());
        QFont f = w->font();
        f.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * k))));
        w->setFont(f);
    }
}

void 窓::パネル表示(パネル部品 部品, bool 見える) {
    if (QWidget* w = 部品_[static_cast<int>(部品)]) {
        w->setVisible(見える);
        if (見える) w->raise();
        if (auto* dir = qobject_cast<QTreeView*>(w); dir && 見える)
            dir->scrollTo(dir->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

std::string 窓::パネル文字(パネル部品 部品) {
    if (auto* e = qobject_cast<QLineEdit*>(部品_[static_cast<int>(部品)])) return e->text().toStdString();
    return {};
}

void 窓::パネル文字設定(パネル部品 部品, const std::string& t) {
    if (auto* e = qobject_cast<QLineEdit*>(部品_[static_cast<int>(部品)])) e->setText(QString::fromStdString(t));
}

std::string 窓::パネルフォルダ() { return フォルダ_; }

void 窓::パネルフォルダ設定(const std::string& f) {
    フォルダ_ = f;
    if (auto* dir = qobject_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)])) {
        auto* model = static_cast<QFileSystemModel*>(dir->model());
        const QModelIndex i = model->index(QString::fromStdString(f));
        if (i.isValid() && i != dir->currentIndex()) {
            const QSignalBlocker b(dir->selectionModel());
            dir->setCurrentIndex(i);
        }
    }
}

void 窓::パネル一覧更新() {
    auto* files = qobject_cast<QListWidget*>(部品_[static_cast<int>(パネル部品::File1)]);
    if (!files) return;
    files->clear();
    const QDir d(QString::fromStdString(フォルダ_));
    for (const QString& name : d.entryList({"*.棋譜"}, QDir::Files | QDir::Readable, QDir::Name))
        files->addItem(name);
}

// ---- Platform: sound --------------------------------------------------------

long 窓::dsInitialize() { return ::dsInitialize(reinterpret_cast<void*>(winId())); }
long 窓::dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) {
    return ::dsCreateDSB(装置, 画像, 長さ, フラグ);
}
void 窓::dsPlay(long h) { ::dsPlay(h); }
void 窓::dsPlayLooping(long h) { ::dsPlayLooping(h); }
void 窓::dsStop(long h) { ::dsStop(h); }
void 窓::dsFree(long h) { ::dsFree(h); }
void 窓::dsTerminate(long d) { ::dsTerminate(d); }

void 窓::終了() {
    終了中_ = true;
    timer1_.stop();
    QApplication::quit();
}

// ---- events ------------------------------------------------------------------

void 窓::操作(const std::function<void(状態&, Platform&)>& f) {
    if (終了中_) return;
    f(*s_, *this);
}

void 窓::closeEvent(QCloseEvent* e) {
    if (!終了中_) 操作(閉じる処理);
    e->accept();
}

bool 窓::パネルに入力中() const {
    const QWidget* f = QApplication::focusWidget();
    if (!f) return false;
    for (const QWidget* w : 部品_)
        if (w && w->isVisible() && w->isAncestorOf(f)) return true;  // f itself or inside it
    return false;
}

// Esc ends the game whichever widget of the window has the keyboard: after
// a menu was closed with Esc the menu bar keeps the focus and would swallow
// the key, and nothing else in the window ever takes the focus back.  Only
// an open menu (Esc closes it), a message box (Esc answers it) and the
// record panel's controls (they keep their keys) are left alone.
bool 窓::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
        o->isWidgetType() && static_cast<QWidget*>(o)->window() == this &&
        !QApplication::activePopupWidget() && !QApplication::activeModalWidget() && !パネルに入力中()) {
        操作([](状態& s, Platform& p) { キー処理(s, p, 27); });
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void 窓::keyPressEvent(QKeyEvent* e) {
    // Keys typed into the record panel's boxes and lists belong to them.
    if (パネルに入力中()) return;
    const QString t = e->text();
    int code = e->key() == Qt::Key_Escape ? 27 : (t.size() == 1 ? t.at(0).unicode() : 0);
    if (code != 0) 操作([code](状態& s, Platform& p) { キー処理(s, p, code); });
}

void 窓::マウス(QMouseEvent* e) {
    int ボタン = 0;
    if (e->button() == Qt::LeftButton) ボタン = (e->modifiers() & Qt::ControlModifier) ? 2 : 1;
    else if (e->button() == Qt::RightButton) ボタン = 2;
    else if (e->button() == Qt::MiddleButton) ボタン = 4;
    if (ボタン == 0) return;
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    const int X = static_cast<int>(std::floor((e->position().x() - o.x()) * 画素 / k));
    const int Y = static_cast<int>(std::floor((e->position().y() - o.y()) * 画素 / k));
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    操作([=](状態& s, Platform& p) { マウス処理(s, p, ボタン, shift, X, Y); });
}

void 窓::メニュー作成() {
    std::map<QString, QMenu*> 親メニュー;
    for (const auto& d : メニュー一覧()) {
        // Items with children become menus.
        bool 子あり = false;
        for (const auto& c : メニュー一覧())
            if (c.親 == d.名前) 子あり = true;
        QAction* a = nullptr;
        if (子あり) {
            QMenu* m = d.親.isEmpty() ? menuBar()->addMenu(d.表題) : 親メニュー.at(d.親)->addMenu(d.表題);
            m->setObjectName(d.名前);
            親メニュー[d.名前] = m;
            a = m->menuAction();
            if (d.開く) connect(m, &QMenu::aboutToShow, this, [this, f = d.開く] { 操作(f); });
        } else {
            a = d.親.isEmpty() ? menuBar()->addAction(d.表題) : 親メニュー.at(d.親)->addAction(d.表題);
            a->setCheckable(d.チェック式);
            if (d.クリック)
                connect(a, &QAction::triggered, this, [this, f = d.クリック] {
                    操作(f);
                    // The game owns the check marks; undo Qt's own toggle.
                    for (int i = 0; i < メニュー項目数; ++i)
                        if (QAction* c = メニュー(メニュー名(static_cast<メニュー項目>(i))))
                            c->setChecked(s_->チェック[i]);
                });
        }
        a->setObjectName(d.名前);
        メニュー_[d.名前] = a;
    }
}
