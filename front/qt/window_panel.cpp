// SPDX-License-Identifier: GPL-3.0-or-later
// The record-file panel: a folder tree, a file list, the game's name, the
// two players' names, the file name and a RETURN button, laid over the
// canvas while a record is read or written.
#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <cmath>

#include "play/record_io.h"
#include "front/qt/window.h"
#include "front/qt/window_canvas.h"

namespace {

// Where each control lies, in twips over the canvas.
struct 部品位置 {
    パネル部品 部品;
    int x, y, w, h;
};
constexpr 部品位置 部品表[] = {
    {パネル部品::Dir1, 240, 600, 2535, 1710},         {パネル部品::File1, 240, 2280, 2535, 930},
    {パネル部品::ラベル_対局名, 120, 2400, 840, 270}, {パネル部品::ラベル_上, 120, 2640, 840, 270},
    {パネル部品::ラベル_下, 120, 2880, 840, 270},     {パネル部品::ラベル_ファイル名, 120, 3120, 840, 270},
    {パネル部品::入力_対局名, 960, 2400, 2295, 270},  {パネル部品::入力_上, 960, 2640, 2295, 270},
    {パネル部品::入力_下, 960, 2880, 2295, 270},      {パネル部品::入力_ファイル名, 960, 3120, 2295, 270},
    {パネル部品::RETURN, 3360, 3000, 855, 375},
};

}  // namespace

namespace {

// The labels beside the four text boxes.
const std::pair<パネル部品, const char*> パネルのラベル[] = {
    //: Label of the box for the name of the game, in the record panel.
    {パネル部品::ラベル_対局名, QT_TRANSLATE_NOOP("Panel", "対 局 名：")},
    //: The player who moves first (先手, sente).
    {パネル部品::ラベル_上, QT_TRANSLATE_NOOP("Panel", "先    手 ：")},
    //: The player who moves second (後手, gote).
    {パネル部品::ラベル_下, QT_TRANSLATE_NOOP("Panel", "後    手 ：")},
    {パネル部品::ラベル_ファイル名, QT_TRANSLATE_NOOP("Panel", "ﾌｧｲﾙ名 ：")},
};

}  // namespace

void 窓::パネル作成() {
    フォルダ_ = QDir::currentPath().toStdString();

    // The tree gets its folder model only while it is shown (フォルダ模型を作る):
    // a model watches the folders it has read and reads them again whenever
    // something in them changes, which a hidden panel has no use for.
    auto* dir = new QTreeView(盤面_);
    dir->setHeaderHidden(true);
    部品_[static_cast<int>(パネル部品::Dir1)] = dir;

    auto* files = new QListWidget(盤面_);
    connect(files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string name = item->text().toStdString();
        操作([name](状態& s, Platform& p) { File1_Click(s, p, name); });
    });
    部品_[static_cast<int>(パネル部品::File1)] = files;

    for (auto [部品, 表題] : パネルのラベル) {
        auto* l = new QLabel(盤面_);
        l->setAutoFillBackground(true);
        部品_[static_cast<int>(部品)] = l;
    }
    for (auto 部品 : {パネル部品::入力_対局名, パネル部品::入力_上, パネル部品::入力_下, パネル部品::入力_ファイル名})
        部品_[static_cast<int>(部品)] = new QLineEdit(盤面_);
    auto* ret = new QPushButton(盤面_);
    connect(ret, &QPushButton::clicked, this, [this] { 操作(Command1_Click); });
    部品_[static_cast<int>(パネル部品::RETURN)] = ret;
    パネルの表題();

    for (QWidget* w : 部品_)
        if (w) w->hide();
}

void 窓::棋譜を開く(const std::string& パス) {
    操作([パス](状態& s, Platform& p) { 開く_棋譜(s, p, パス); });
}

// The folder tree's model, rooted at the folder shown: it reads that folder
// first and the others as the tree opens them.  The tree still reaches every
// folder up to "/".
void 窓::フォルダ模型を作る() {
    auto* dir = static_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)]);
    if (フォルダ模型_ || !dir) return;
    auto* model = new QFileSystemModel(this);
    フォルダ模型_ = model;
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QString::fromStdString(フォルダ_));
    dir->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c) dir->hideColumn(c);
    dir->setCurrentIndex(model->index(QString::fromStdString(フォルダ_)));
    // The model fills in folders as they load; keep the chosen one in view.
    connect(model, &QFileSystemModel::directoryLoaded, dir,
            [dir] { dir->scrollTo(dir->currentIndex(), QAbstractItemView::PositionAtCenter); });
    connect(dir->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, model](const QModelIndex& i) {
        const std::string f = model->filePath(i).toStdString();
        操作([f](状態&, Platform& p) { Dir1_Change(p, f); });
    });
}

// Takes the model away from the hidden tree, and with it every watch on the
// disk.
void 窓::フォルダ模型を捨てる() {
    if (!フォルダ模型_) return;
    auto* dir = static_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)]);
    QItemSelectionModel* 選択 = dir->selectionModel();
    dir->setModel(nullptr);  // the tree makes itself a new, empty selection
    delete 選択;
    delete フォルダ模型_;
    フォルダ模型_ = nullptr;
}

void 窓::パネルの表題() {
    for (auto [部品, 表題] : パネルのラベル)
        if (auto* l = qobject_cast<QLabel*>(部品_[static_cast<int>(部品)]))
            l->setText(QCoreApplication::translate("Panel", 表題));
    //: The record panel's button that writes the record ("RETURN" in Japanese too).
    static const char* const 書く = QT_TRANSLATE_NOOP("Panel", "RETURN");
    if (auto* b = qobject_cast<QPushButton*>(部品_[static_cast<int>(パネル部品::RETURN)]))
        b->setText(QCoreApplication::translate("Panel", 書く));
}

void 窓::パネル配置() {
    const double k = 盤面_->拡大();
    const QPointF o = 盤面_->原点();
    for (const auto& d : 部品表) {
        QWidget* w = 部品_[static_cast<int>(d.部品)];
        if (!w) continue;
        w->setGeometry(QRectF(o.x() + d.x * k / 画素, o.y() + d.y * k / 画素, d.w * k / 画素, d.h * k / 画素).toRect());
        QFont f = w->font();
        f.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * k))));
        w->setFont(f);
    }
}

void 窓::パネル表示(パネル部品 部品, bool 見える) {
    if (QWidget* w = 部品_[static_cast<int>(部品)]) {
        if (部品 == パネル部品::Dir1) {
            if (見える) フォルダ模型を作る();
            else フォルダ模型を捨てる();
        }
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
    auto* dir = qobject_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)]);
    if (dir && フォルダ模型_) {
        フォルダ模型_->setRootPath(QString::fromStdString(f));
        const QModelIndex i = フォルダ模型_->index(QString::fromStdString(f));
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
    for (const QString& name : d.entryList({"*.棋譜"}, QDir::Files | QDir::Readable, QDir::Name)) files->addItem(name);
}

bool 窓::パネルに入力中() const {
    const QWidget* f = QApplication::focusWidget();
    if (!f) return false;
    for (const QWidget* w : 部品_)
        if (w && w->isVisible() && w->isAncestorOf(f)) return true;  // f itself or inside it
    return false;
}

bool 窓::パネルが開いている() const {
    for (const QWidget* w : 部品_)
        if (w && w->isVisible()) return true;
    return false;
}
