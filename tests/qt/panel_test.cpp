// SPDX-License-Identifier: GPL-3.0-or-later
// The record panel in the real window, offscreen.  While it is closed the
// window keeps no folder model, so nothing watches or reads the disk however
// the files around the working folder change; open, it shows and follows
// the folders as ever.  From the keyboard, Tab walks from the board through
// its controls and back, and Esc in it closes it as a press on the board
// does and gives the keys back to the board.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tests/qt/window_fixture.h"

namespace {

namespace fs = std::filesystem;

void 書く(const fs::path& p, const std::string& t) { std::ofstream(p, std::ios::binary) << t; }

struct 棋譜欄の試験 : 前の窓の試験 {
    template <class T>
    T* 見える() const {
        for (T* c : w->キャンバス()->findChildren<T*>())
            if (c->isVisible()) return c;
        return nullptr;
    }
    QTreeView* 木() const { return w->キャンバス()->findChild<QTreeView*>(); }
    // Whatever could watch or read folders: folder models and watchers
    // anywhere in the window or the application.
    std::size_t 見張りの数() const {
        return w->findChildren<QFileSystemModel*>().size() + w->findChildren<QFileSystemWatcher*>().size() +
               qApp->findChildren<QFileSystemModel*>().size() + qApp->findChildren<QFileSystemWatcher*>().size();
    }
    bool 開いている() const {
        for (QWidget* c : w->キャンバス()->findChildren<QWidget*>())
            if (c->isVisible()) return true;
        return false;
    }
    QString 木のフォルダ() const {
        auto* m = qobject_cast<QFileSystemModel*>(木()->model());
        return m ? m->filePath(木()->currentIndex()) : QString();
    }
    QStringList 一覧() const {
        QStringList r;
        auto* l = w->キャンバス()->findChild<QListWidget*>();
        for (int i = 0; i < l->count(); ++i) r << l->item(i)->text();
        return r;
    }
    // Files around the working folder change: here and one folder up.
    void 周りを書き換える(int 回) {
        書く(場所.場所() / "Vezuvire.ini.tmp", std::to_string(回));
        書く(場所.場所().parent_path() / ("vezuvire_panel_test_" + std::to_string(::getpid())), std::to_string(回));
        fs::create_directories(場所.場所() / ("新しい" + std::to_string(回)));
        QApplication::processEvents();
    }
    void TearDown() override { fs::remove(場所.場所().parent_path() / ("vezuvire_panel_test_" + std::to_string(::getpid()))); }
};

// Ways of opening the panel and of closing it again.
struct 開け方 {
    const char* 名;
    const char* 項目;
};
struct 閉じ方 {
    const char* 名;
    std::function<void(棋譜欄の試験&)> 閉じる;
};

}  // namespace

TEST_F(棋譜欄の試験, 閉じた棋譜欄は何も見張らず_開けば作り_閉じればまた消える) {
    EXPECT_EQ(見張りの数(), 0u);
    EXPECT_EQ(木()->model(), nullptr);
    const 開け方 開け方一覧[] = {{"読込", "KIFU_READ"}, {"書込", "KIFU_WRITE"}};
    const 閉じ方 閉じ方一覧[] = {
        {"盤を押す", [](棋譜欄の試験& t) { t.押す(5, 5); }},
        {"欄の中でEsc",
         [](棋譜欄の試験& t) {
             t.木()->setFocus();
             t.キー(Qt::Key_Escape);
         }},
        {"対局メニューを開く",
         [](棋譜欄の試験& t) {
             QMenuBar* bar = t.w->menuBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(t.w->メニュー("TAIKYOKU")).center());
             QApplication::processEvents();
             ASSERT_NE(QApplication::activePopupWidget(), nullptr);
             t.キー(Qt::Key_Escape);  // closes the menu only
             ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
         }},
        {"戻", [](棋譜欄の試験& t) { t.w->メニュー("REPLAY")->trigger(); }},
    };
    int 回 = 0;
    for (const auto& 開 : 開け方一覧)
        for (const auto& 閉 : 閉じ方一覧) {
            SCOPED_TRACE(std::string(開.名) + " / " + 閉.名);
            周りを書き換える(++回);
            EXPECT_EQ(見張りの数(), 0u);
            w->メニュー(開.項目)->trigger();
            QApplication::processEvents();
            ASSERT_TRUE(木()->isVisible());
            EXPECT_EQ(w->findChildren<QFileSystemModel*>().size(), 1u);
            // Rooted at the folder shown, not at "/".
            auto* m = qobject_cast<QFileSystemModel*>(木()->model());
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(fs::path(m->rootPath().toStdString()), 場所.場所());
            EXPECT_EQ(fs::path(木のフォルダ().toStdString()), 場所.場所());
            閉.閉じる(*this);
            EXPECT_FALSE(開いている());
            EXPECT_EQ(木()->model(), nullptr);
            EXPECT_EQ(見張りの数(), 0u);
            周りを書き換える(++回);
            EXPECT_EQ(見張りの数(), 0u);
        }
    EXPECT_FALSE(w->終わった());
}

TEST_F(棋譜欄の試験, 開いた棋譜欄はフォルダを移ると一覧が変わり_次に開いてもそのフォルダ) {
    fs::create_directories(場所.場所() / "下");
    書く(場所.場所() / "上の対局.棋譜", "");
    書く(場所.場所() / "下" / "下の対局.棋譜", "");
    書く(場所.場所() / "下" / "棋譜でない.txt", "");
    w->メニュー("KIFU_READ")->trigger();
    EXPECT_EQ(一覧(), QStringList{"上の対局.棋譜"});
    auto* m = qobject_cast<QFileSystemModel*>(木()->model());
    ASSERT_NE(m, nullptr);
    const QString 下 = QString::fromStdString((場所.場所() / "下").string());
    木()->setCurrentIndex(m->index(下));  // as a click on the folder does
    QApplication::processEvents();
    EXPECT_EQ(一覧(), QStringList{"下の対局.棋譜"});
    EXPECT_EQ(m->rootPath(), 下);
    押す(5, 5);
    EXPECT_EQ(木()->model(), nullptr);
    // Opened again: the folder chosen last, its files, a fresh model.
    w->メニュー("KIFU_READ")->trigger();
    EXPECT_EQ(木のフォルダ(), 下);
    EXPECT_EQ(一覧(), QStringList{"下の対局.棋譜"});
    auto* m2 = qobject_cast<QFileSystemModel*>(木()->model());
    ASSERT_NE(m2, nullptr);
    EXPECT_EQ(m2->rootPath(), 下);
    // The tree's own choice still reaches the game after the model changed.
    木()->setCurrentIndex(m2->index(QString::fromStdString(場所.場所().string())));
    QApplication::processEvents();
    EXPECT_EQ(一覧(), QStringList{"上の対局.棋譜"});
}

// Tab from the board goes round the shown controls that take the keyboard
// and back to the board; Shift+Tab goes the other way.
TEST_F(棋譜欄の試験, Tabは欄の部品を巡って盤へ戻る) {
    struct 場合 {
        const char* 項目;
        std::vector<const char*> 順;  // class names after the board
    };
    const 場合 一覧表[] = {
        {"KIFU_READ", {"QTreeView", "QListWidget"}},
        {"KIFU_WRITE", {"QTreeView", "QLineEdit", "QLineEdit", "QLineEdit", "QLineEdit", "QPushButton"}},
    };
    for (const 場合& c : 一覧表) {
        SCOPED_TRACE(c.項目);
        w->メニュー(c.項目)->trigger();
        w->キャンバス()->setFocus();
        QApplication::processEvents();
        std::vector<QWidget*> 通った;
        for (std::size_t i = 0; i <= c.順.size(); ++i) {
            キー(Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            ASSERT_NE(f, nullptr);
            通った.push_back(f);
            if (i < c.順.size()) {
                EXPECT_STREQ(f->metaObject()->className(), c.順[i]) << i;
                EXPECT_TRUE(f->isVisible());
                EXPECT_TRUE(w->キャンバス()->isAncestorOf(f) && f != w->キャンバス()) << i;
            } else {
                EXPECT_EQ(f, w->キャンバス()) << "back on the board";
            }
        }
        // Each control once; the four boxes top down.
        for (std::size_t i = 0; i + 1 < 通った.size(); ++i)
            for (std::size_t j = i + 1; j + 1 < 通った.size(); ++j) {
                EXPECT_NE(通った[i], 通った[j]);
                if (qobject_cast<QLineEdit*>(通った[i]) && qobject_cast<QLineEdit*>(通った[j])) {
                    EXPECT_LT(通った[i]->y(), 通った[j]->y());
                }
            }
        for (std::size_t i = c.順.size(); i-- > 0;) {
            キー(Qt::Key_Tab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), 通った[i]) << i;
        }
        キー(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), w->キャンバス());
        EXPECT_TRUE(開いている());
        押す(5, 5);
    }
    // With the panel closed Tab is nothing for the board.
    w->キャンバス()->setFocus();
    キー(Qt::Key_Tab);
    EXPECT_FALSE(開いている());
    EXPECT_EQ(s().手数, 0);
}

// Esc in any of the panel's controls closes the panel, forgets what was
// typed (as a press on the board does), and the board has the keys again:
// the arrows walk the cursor, and the next Esc ends the game.
TEST_F(棋譜欄の試験, 欄の中のEscは欄を閉じて盤にキーを返す) {
    for (int 何番目 = 1; 何番目 <= 6; ++何番目) {
        SCOPED_TRACE(何番目);
        SetUp();  // a fresh window each time
        w->メニュー("START")->trigger();
        w->メニュー("KIFU_WRITE")->trigger();
        w->キャンバス()->setFocus();
        for (int i = 0; i < 何番目; ++i) キー(Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        ASSERT_TRUE(f && w->キャンバス()->isAncestorOf(f) && f != w->キャンバス());
        if (auto* 欄 = qobject_cast<QLineEdit*>(f)) {
            QTest::keyClicks(欄, "abc");
            ASSERT_EQ(欄->text(), "abc");
        }
        キー(Qt::Key_Down);  // the control's own key: the tree walks, the cursor stays
        EXPECT_FALSE(w->カーソル表示中());
        キー(Qt::Key_Escape);
        EXPECT_FALSE(w->終わった());
        EXPECT_FALSE(開いている());
        EXPECT_EQ(QApplication::focusWidget(), w->キャンバス());
        for (QLineEdit* 欄 : w->キャンバス()->findChildren<QLineEdit*>()) EXPECT_EQ(欄->text(), "");
        キー(Qt::Key_Up);
        EXPECT_TRUE(w->カーソル表示中());
        キー(Qt::Key_Escape);
        EXPECT_TRUE(w->終わった());
    }
}

// Alt pressed twice from a control of the panel leaves the menu bar again
// with the keys back in that control: Esc still closes the panel, and the
// board's Esc still ends the game.
TEST_F(棋譜欄の試験, AltAltのあともEscで欄が閉じる) {
    w->メニュー("KIFU_READ")->trigger();
    w->キャンバス()->setFocus();
    キー(Qt::Key_Tab);
    QWidget* 木の中 = QApplication::focusWidget();
    ASSERT_EQ(木の中, 木());
    キー(Qt::Key_Alt);
    キー(Qt::Key_Alt);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), 木の中);
    キー(Qt::Key_Escape);
    EXPECT_FALSE(開いている());
    EXPECT_FALSE(w->終わった());
    キー(Qt::Key_Escape);
    EXPECT_TRUE(w->終わった());
}
