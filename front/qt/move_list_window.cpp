// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/move_list_window.h"

#include <QCoreApplication>
#include <QLayout>
#include <algorithm>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "front/qt/language.h"

namespace {

enum { 列_手目, 列_側, 列_駒, 列_移動, 列_成, 列_取, 列_向き, 列数 };

QString 訳(const char* 文) { return QCoreApplication::translate("MoveList", 文); }

// The parts of one column, each translated, side by side.
QString つなぐ(const std::vector<std::string>& 部分) {
    QString t;
    for (const auto& p : 部分) t += ゲームの文(p);
    return t;
}

}  // namespace

棋譜一覧窓::棋譜一覧窓(const 状態& s, std::function<void(int)> 手へ, QWidget* 親)
    : QWidget(親, Qt::Window), s_(s), 手へ_(std::move(手へ)) {
    setObjectName("KIFU_ICHIRAN_WINDOW");
    表_ = new QTableWidget(0, 列数, this);
    表_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    表_->setSelectionBehavior(QAbstractItemView::SelectRows);
    表_->setSelectionMode(QAbstractItemView::SingleSelection);
    表_->verticalHeader()->hide();
    表_->horizontalHeader()->setStretchLastSection(true);
    auto* 縦 = new QVBoxLayout(this);
    縦->setContentsMargins(4, 4, 4, 4);
    縦->addWidget(表_);
    const auto 行へ = [this](int 行) {
        if (行 < 0 || !手へ_) return;
        手へ_(行);
        // Refused (the computer is thinking): the highlight goes back.
        更新();
        印を付ける();
    };
    connect(表_, &QTableWidget::cellClicked, this, [行へ](int 行, int) { 行へ(行); });
    connect(表_, &QTableWidget::cellActivated, this, [行へ](int 行, int) { 行へ(行); });
    resize(420, 480);
    言語を更新();
}

void 棋譜一覧窓::言語を更新() {
    //: The move list window: its title and the headings of its columns.
    setWindowTitle(訳(QT_TRANSLATE_NOOP("MoveList", "棋譜一覧")));
    表_->setHorizontalHeaderLabels({
        訳(QT_TRANSLATE_NOOP("MoveList", "手")),
        訳(QT_TRANSLATE_NOOP("MoveList", "手番")),
        訳(QT_TRANSLATE_NOOP("MoveList", "駒")),
        訳(QT_TRANSLATE_NOOP("MoveList", "移動")),
        //: The move list's column of promotions.
        訳(QT_TRANSLATE_NOOP("MoveList", "成")),
        //: The move list's column of captured pieces.
        訳(QT_TRANSLATE_NOOP("MoveList", "取")),
        //: The move list's column of facings after landing (arrows).
        訳(QT_TRANSLATE_NOOP("MoveList", "向き")),
    });
    行を書く();
}

void 棋譜一覧窓::更新() {
    auto 行 = 棋譜一覧(s_);
    if (!書いた_ || 行 != 行_) {
        行_ = std::move(行);
        行を書く();
    } else if (今_ != 棋譜一覧の今の手(s_)) {
        印を付ける();
    }
}

void 棋譜一覧窓::行を書く() {
    書いた_ = true;
    表_->setRowCount(static_cast<int>(行_.size()) + 1);
    const auto 置く = [this](int 行, int 列, const QString& t) {
        auto* item = new QTableWidgetItem(t);
        if (列 != 列_移動) item->setTextAlignment(Qt::AlignCenter);
        表_->setItem(行, 列, item);
    };
    for (int c = 0; c < 列数; ++c) 置く(0, c, {});
    置く(0, 列_手目, "0");
    //: The first row of the move list: the position before the first move.
    置く(0, 列_移動, 訳(QT_TRANSLATE_NOOP("MoveList", "開始局面")));
    for (std::size_t i = 0; i < 行_.size(); ++i) {
        const auto t = 棋譜一覧の文にする(行_[i]);
        const int r = static_cast<int>(i) + 1;
        置く(r, 列_手目, つなぐ(t.手目));
        置く(r, 列_側, つなぐ(t.側));
        置く(r, 列_駒, つなぐ(t.駒));
        置く(r, 列_移動, つなぐ(t.移動));
        置く(r, 列_成, つなぐ(t.成));
        置く(r, 列_取, つなぐ(t.取));
        置く(r, 列_向き, つなぐ(t.向き));
    }
    今_ = -1;
    印を付ける();
    // The window widens until every column shows whole, its heading
    // too; measured column by column (the last one stretches to whatever
    // room there is), so that it never grows for nothing.
    表_->resizeColumnsToContents();
    int 列の幅 = 0;
    for (int c = 0; c + 1 < 列数; ++c)
        列の幅 += std::max(表_->columnWidth(c), 表_->horizontalHeader()->sectionSizeHint(c));
    列の幅 += 表_->horizontalHeader()->sectionSizeHint(列数 - 1) + 8;  // the facings: arrows under their heading
    const QMargins 余白 = layout()->contentsMargins();
    const int 要る幅 = 列の幅 + 表_->verticalScrollBar()->sizeHint().width() + 2 * 表_->frameWidth() + 余白.left() +
                       余白.right() + 4;
    if (width() < 要る幅) resize(要る幅, height());
}

void 棋譜一覧窓::印を付ける() {
    const int 前 = 今_;
    今_ = 棋譜一覧の今の手(s_);
    for (int r : {前, 今_}) {
        if (r < 0 || r >= 表_->rowCount()) continue;
        for (int c = 0; c < 列数; ++c)
            if (auto* item = 表_->item(r, c)) {
                QFont f = item->font();
                f.setBold(r == 今_);
                item->setFont(f);
            }
    }
    // The bold row is the widest; no column becomes narrower than its
    // heading.
    表_->resizeColumnsToContents();
    for (int c = 0; c + 1 < 列数; ++c)
        表_->setColumnWidth(c, std::max(表_->columnWidth(c), 表_->horizontalHeader()->sectionSizeHint(c)));
    if (今_ >= 0 && 今_ < 表_->rowCount()) {
        表_->selectRow(今_);
        表_->scrollToItem(表_->item(今_, 0));
    } else {
        表_->clearSelection();
    }
}

void 棋譜一覧窓::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void 棋譜一覧窓::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    更新();
}
