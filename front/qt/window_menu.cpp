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
#include "front/qt/menu.h"
#include "front/qt/pictures.h"

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
