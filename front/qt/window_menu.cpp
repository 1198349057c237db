// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar, built from the game's menu tree, and its check
// marks, which the game owns.
#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

#include "front/qt/help_window.h"
#include "front/qt/learn_window.h"
#include "front/qt/menu.h"
#include "front/qt/move_list_window.h"
#include "front/qt/new_game_dialog.h"
#include "front/qt/pictures.h"
#include "front/qt/window.h"
#include "play/com_turn.h"

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
}  // namespace

std::function<void(状態&, Platform&)> 窓::この手番で(const 処理& f) {
    return [this, f](状態& s, Platform& p) { f(s, p, *コンピュータ_); };
}

QAction* 窓::メニュー(const QString& 名前) const {
    auto it = メニュー_.find(名前);
    return it == メニュー_.end() ? nullptr : it->second;
}

void 窓::チェック表示(メニュー項目 項目, bool 付ける) {
    if (QAction* a = メニュー(メニュー名(項目))) a->setChecked(付ける);
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
            // Opening a menu while a sequence is under way (the computer
            // thinks, a move is being shown) changes nothing and ends
            // nothing.
            if (d.開く)
                connect(m, &QMenu::aboutToShow, this, [this, f = d.開く] {
                    if (手すき() && !s_->操作.COM思考中) 操作(この手番で(f));
                });
        } else {
            a = d.親.isEmpty() ? menuBar()->addAction(d.表題) : 親メニュー.at(d.親)->addAction(d.表題);
            a->setCheckable(d.チェック式);
            if (d.クリック)
                connect(a, &QAction::triggered, this, [this, f = d.クリック, 終わり = d.名前 == "OWARI", すぐ = いつでも(d)] {
                    if (終わり) 終わりの操作(この手番で(f));
                    else if (すぐ) 考え中も操作(この手番で(f));
                    else 操作(この手番で(f));
                    // The game owns the check marks; undo Qt's own toggle.
                    for (int i = 0; i < メニュー項目数; ++i)
                        if (QAction* c = メニュー(メニュー名(static_cast<メニュー項目>(i))))
                            c->setChecked(s_->操作.チェック[i]);
                });
        }
        a->setObjectName(d.名前);
        メニュー_[d.名前] = a;
    }
    // The window's own options.
    const std::pair<const char*, std::function<void()>> 自前[] = {
        {"GENGO_JA", [this] { 言語を選ぶ(言語::日本語); }},
        {"GENGO_EN", [this] { 言語を選ぶ(言語::英語); }},
        {"HYOUKI_KANJI", [this] { 駒の表記を選ぶ(false); }},
        {"HYOUKI_EIJI", [this] { 駒の表記を選ぶ(true); }},
        {"KOUKAON", [this] { 効果音を選ぶ(s_->表示.効果音を消す); }},
        {"HYOUJI_SAISHU", [this] { 印を選ぶ("HYOUJI_SAISHU", !s_->表示.最終手表示); }},
        {"HYOUJI_KOTOWARI", [this] { 印を選ぶ("HYOUJI_KOTOWARI", !s_->表示.断り説明); }},
        {"HYOUJI_KAITEN", [this] { 印を選ぶ("HYOUJI_KAITEN", !s_->表示.回転印); }},
        {"HYOUJI_TEBAN", [this] { 印を選ぶ("HYOUJI_TEBAN", !s_->表示.手番印); }},
        {"HYOUJI_JOUKYOU", [this] { 印を選ぶ("HYOUJI_JOUKYOU", !s_->表示.状況行); }},
        {"HYOUJI_FUTOI", [this] { 印を選ぶ("HYOUJI_FUTOI", !s_->表示.太い枠); }},
        {"HYOUJI_MAWASU", [this] { 印を選ぶ("HYOUJI_MAWASU", !盤を回す_); }},
        {"HYOUJI_GOTE_MAWASU", [this] { 印を選ぶ("HYOUJI_GOTE_MAWASU", !後手で回す_); }},
        {"SOUSA_DRAG", [this] { 印を選ぶ("SOUSA_DRAG", !s_->表示.ドラッグ); }},
        {"SOUSA_NARI", [this] { 印を選ぶ("SOUSA_NARI", !s_->表示.成り選択); }},
        {"SOUSA_KAKUNIN", [this] { 印を選ぶ("SOUSA_KAKUNIN", !s_->表示.投了確認); }},
    };
    for (const auto& [名前, f] : 自前)
        if (QAction* a = メニュー(名前))
            connect(a, &QAction::triggered, this, [this, f] {
                f();
                メニューの表題();
            });
    メニューの表題();
    // The help: F1 opens it also while no menu is open.
    if (QAction* a = メニュー("ASOBIKATA")) {
        a->setShortcut(QKeySequence(Qt::Key_F1));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this] { 遊び方を開く(); });
    }
    // The new game dialog: Ctrl+N opens it also while no menu is open.
    if (QAction* a = メニュー("SHINKI")) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this] {
            if (!s_->操作.COM思考中) 新しい対局を選ぶ(*this);
        });
    }
    // The move list: Ctrl+L opens it also while no menu is open.
    if (QAction* a = メニュー("KIFU_ICHIRAN")) {
        a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this] { 棋譜一覧を開く(); });
    }
    if (QAction* a = メニュー("MANABU_NYUMON")) connect(a, &QAction::triggered, this, [this] { 学ぶを開く(false); });
    if (QAction* a = メニュー("MANABU_MONDAI")) connect(a, &QAction::triggered, this, [this] { 学ぶを開く(true); });
}

void 窓::メニューの表題() {
    for (const auto& d : メニュー一覧())
        if (QAction* a = メニュー(d.名前)) a->setText(QCoreApplication::translate("Menu", d.表題.toUtf8().constData()));
    // The keys the board takes for these (window_keys.cpp), shown beside
    // them as a menu shows a shortcut.
    for (auto [名前, キー] : {std::pair{"MATTA", "Ctrl+Z"}, std::pair{"HINT", "H"}})
        if (QAction* a = メニュー(名前)) a->setText(a->text() + "\t" + キー);
    const bool 英語 = 今の言語() == 言語::英語, 英字 = 英字の駒();
    const std::pair<const char*, bool> 印[] = {
        {"GENGO_JA", !英語}, {"GENGO_EN", 英語}, {"HYOUKI_KANJI", !英字}, {"HYOUKI_EIJI", 英字},
        {"KOUKAON", !s_->表示.効果音を消す}};
    for (auto [名前, 付ける] : 印)
        if (QAction* a = メニュー(名前)) a->setChecked(付ける);
    const 表示状態& d = s_->表示;
    const std::pair<const char*, bool> 表示の印[] = {{"HYOUJI_SAISHU", d.最終手表示},
                                                     {"HYOUJI_KOTOWARI", d.断り説明},
                                                     {"HYOUJI_KAITEN", d.回転印},
                                                     {"HYOUJI_TEBAN", d.手番印},
                                                     {"HYOUJI_JOUKYOU", d.状況行},
                                                     {"HYOUJI_FUTOI", d.太い枠},
                                                     {"HYOUJI_MAWASU", 盤を回す_},
                                                     {"HYOUJI_GOTE_MAWASU", 後手で回す_},
                                                     {"SOUSA_DRAG", d.ドラッグ},
                                                     {"SOUSA_NARI", d.成り選択},
                                                     {"SOUSA_KAKUNIN", d.投了確認}};
    for (auto [名前, 付ける] : 表示の印)
        if (QAction* a = メニュー(名前)) a->setChecked(付ける);
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
