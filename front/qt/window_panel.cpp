// SPDX-License-Identifier: GPL-3.0-or-later
// The record panel (window_panel.h): its controls, where they lie over the
// canvas, and the folder tree's model, made only while the tree is shown.
#include "front/qt/window_panel.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <cmath>
#include <utility>
#include <vector>

#include "front/qt/window_canvas.h"
#include "play/record_io.h"

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

棋譜パネル::棋譜パネル(盤面& 画布, QObject& 窓, std::function<void(const 出来事&)> 操作)
    : 画布_(画布), 窓_(窓), 操作_(std::move(操作)) {
    フォルダ_ = QDir::currentPath().toStdString();

    // The tree gets its folder model only while it is shown (フォルダ模型を作る):
    // a model watches the folders it has read and reads them again whenever
    // something in them changes, which a hidden panel has no use for.
    auto* dir = new QTreeView(&画布_);
    dir->setHeaderHidden(true);
    部品_[static_cast<int>(パネル部品::Dir1)] = dir;

    auto* files = new QListWidget(&画布_);
    QObject::connect(files, &QListWidget::itemClicked, &窓_, [this](QListWidgetItem* item) {
        const std::string name = item->text().toStdString();
        操作_([name](状態& s, Platform& p) { File1_Click(s, p, name); });
    });
    部品_[static_cast<int>(パネル部品::File1)] = files;

    for (auto [部品, 表題] : パネルのラベル) {
        auto* l = new QLabel(&画布_);
        l->setAutoFillBackground(true);
        部品_[static_cast<int>(部品)] = l;
    }
    for (auto 部品 : {パネル部品::入力_対局名, パネル部品::入力_上, パネル部品::入力_下, パネル部品::入力_ファイル名})
        部品_[static_cast<int>(部品)] = new QLineEdit(&画布_);
    auto* ret = new QPushButton(&画布_);
    QObject::connect(ret, &QPushButton::clicked, &窓_, [this] { 操作_(Command1_Click); });
    部品_[static_cast<int>(パネル部品::RETURN)] = ret;
    表題();

    for (QWidget* w : 部品_)
        if (w) w->hide();
}

// The folder tree's model, rooted at the folder shown: it reads that folder
// first and the others as the tree opens them.  The tree still reaches every
// folder up to "/".
void 棋譜パネル::フォルダ模型を作る() {
    auto* dir = static_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)]);
    if (フォルダ模型_ || !dir) return;
    auto* model = new QFileSystemModel(&窓_);
    フォルダ模型_ = model;
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model->setRootPath(QString::fromStdString(フォルダ_));
    dir->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c) dir->hideColumn(c);
    dir->setCurrentIndex(model->index(QString::fromStdString(フォルダ_)));
    // The model fills in folders as they load; keep the chosen one in view.
    QObject::connect(model, &QFileSystemModel::directoryLoaded, dir,
            [dir] { dir->scrollTo(dir->currentIndex(), QAbstractItemView::PositionAtCenter); });
    QObject::connect(dir->selectionModel(), &QItemSelectionModel::currentChanged, &窓_,
                     [this, model](const QModelIndex& i) {
                         const std::string f = model->filePath(i).toStdString();
                         操作_([f](状態&, Platform& p) { Dir1_Change(p, f); });
                     });
}

// Takes the model away from the hidden tree, and with it every watch on the
// disk.
void 棋譜パネル::フォルダ模型を捨てる() {
    if (!フォルダ模型_) return;
    auto* dir = static_cast<QTreeView*>(部品_[static_cast<int>(パネル部品::Dir1)]);
    QItemSelectionModel* 選択 = dir->selectionModel();
    dir->setModel(nullptr);  // the tree makes itself a new, empty selection
    delete 選択;
    delete フォルダ模型_;
    フォルダ模型_ = nullptr;
}

void 棋譜パネル::表題() {
    for (auto [部品, 表題] : パネルのラベル)
        if (auto* l = qobject_cast<QLabel*>(部品_[static_cast<int>(部品)]))
            l->setText(QCoreApplication::translate("Panel", 表題));
    //: The record panel's button that writes the record ("RETURN" in Japanese too).
    static const char* const 書く = QT_TRANSLATE_NOOP("Panel", "RETURN");
    if (auto* b = qobject_cast<QPushButton*>(部品_[static_cast<int>(パネル部品::RETURN)]))
        b->setText(QCoreApplication::translate("Panel", 書く));
}

void 棋譜パネル::配置() {
    const double k = 画布_.拡大();
    const QPointF o = 画布_.原点();
    for (const auto& d : 部品表) {
        QWidget* w = 部品_[static_cast<int>(d.部品)];
        if (!w) continue;
        w->setGeometry(QRectF(o.x() + d.x * k / 画素, o.y() + d.y * k / 画素, d.w * k / 画素, d.h * k / 画素).toRect());
        QFont f = w->font();
        f.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * k))));
        w->setFont(f);
    }
}

void 棋譜パネル::表示(パネル部品 部品, bool 見える) {
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

std::string 棋譜パネル::文字(パネル部品 部品) const {
    if (auto* e = qobject_cast<QLineEdit*>(部品_[static_cast<int>(部品)])) return e->text().toStdString();
    return {};
}

void 棋譜パネル::文字設定(パネル部品 部品, const std::string& t) {
    if (auto* e = qobject_cast<QLineEdit*>(部品_[static_cast<int>(部品)])) e->setText(QString::fromStdString(t));
}

void 棋譜パネル::フォルダ設定(const std::string& f) {
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

void 棋譜パネル::一覧更新() {
    auto* files = qobject_cast<QListWidget*>(部品_[static_cast<int>(パネル部品::File1)]);
    if (!files) return;
    files->clear();
    const QDir d(QString::fromStdString(フォルダ_));
    for (const QString& name : d.entryList({"*.棋譜"}, QDir::Files | QDir::Readable, QDir::Name)) files->addItem(name);
}

bool 棋譜パネル::入力中() const {
    const QWidget* f = QApplication::focusWidget();
    if (!f) return false;
    for (const QWidget* w : 部品_)
        if (w && w->isVisible() && w->isAncestorOf(f)) return true;  // f itself or inside it
    return false;
}

bool 棋譜パネル::開いている() const {
    for (const QWidget* w : 部品_)
        if (w && w->isVisible()) return true;
    return false;
}

void 棋譜パネル::次へ(bool 前へ) {
    // The ring: the board, then the shown controls that take the keyboard,
    // in the panel's order.
    std::vector<QWidget*> 輪{&画布_};
    for (QWidget* w : 部品_)
        if (w && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) 輪.push_back(w);
    const QWidget* f = QApplication::focusWidget();
    std::size_t i = 0;
    for (std::size_t n = 1; n < 輪.size(); ++n)
        if (f && 輪[n]->isAncestorOf(f)) i = n;
    i = 前へ ? (i + 輪.size() - 1) % 輪.size() : (i + 1) % 輪.size();
    輪[i]->setFocus(前へ ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}
