// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up: the window comes up first, then autosave is
// turned on and the kept game offered over the board.  Ending the program
// while that question is up must leave the kept game exactly as it was.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "play/resume.h"
#include "store/autosave.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

std::string 中身(const std::string& パス) { return ファイルの中身(パス); }

void 押す(窓& w, int 列, int 行) {
    QTest::mouseClick(w.キャンバス(), Qt::LeftButton, {},
                      w.ツイップから位置(盤原点X + 桝幅 * 列 + 307, 盤原点Y + 桝高 * 行 + 307));
}

// A kept game of two people, one move played, as a window leaves it.
std::string 対局を残す() {
    auto w = std::make_unique<窓>(false);
    w->一息に = true;
    w->自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
    w->起動だけ();
    w->自動保存を始める();
    w->メニュー("START")->trigger();
    押す(*w, 3, 7);
    押す(*w, 3, 6);
    EXPECT_EQ(w->状態参照().手数, 1);
    return 中身(自動保存ファイル);
}

// The number of moves the kept game holds.
int 残った手数() {
    const std::string t = 中身(自動保存ファイル);
    const auto i = t.find("\n手数=");
    return i == std::string::npos ? -1 : std::stoi(t.substr(i + 8));
}

}  // namespace

TEST(起動時の問い, 問いの間に終わっても残した対局はそのまま) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    const std::string 残り = 対局を残す();
    ASSERT_FALSE(残り.empty());

    窓 w(false);

    w.一息に = true;
    w.起動だけ();
    EXPECT_EQ(中身(自動保存ファイル), 残り) << "the start-up's own new game touched the kept one";
    w.show();
    // The real question box comes up; the window is closed under it, as a
    // session that ends does.
    bool 問いが出た = false;
    QTimer::singleShot(50, &w, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        問いが出た = box && box->text() == QString::fromUtf8(再開の問い);
        w.close();
    });
    // As the program runs it: the question from inside the application's
    // event loop, which the window's end then leaves.
    QTimer::singleShot(0, &w, [&w] { w.自動保存を始める(); });
    QApplication::exec();
    EXPECT_TRUE(問いが出た);
    EXPECT_TRUE(w.終わった());
    EXPECT_EQ(中身(自動保存ファイル), 残り);
    EXPECT_FALSE(fs::exists(自動保存ファイル_旧));
}

// The real question box, answered with its own buttons; after either
// answer the game goes on being kept.
TEST(起動時の問い, はいで対局が戻りいいえで一代前に移る) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    対局を残す();
    for (auto ボタン : {QMessageBox::Yes, QMessageBox::No}) {
        SCOPED_TRACE(ボタン == QMessageBox::Yes ? "はい" : "いいえ");
        const std::string 残り = 中身(自動保存ファイル);
        窓 w(false);
        w.一息に = true;
        w.起動だけ();
        w.show();
        QTimer::singleShot(50, &w, [ボタン] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(ボタン)->click();
        });
        w.自動保存を始める();
        w.自動応答 = [](const std::string&, const std::string&, ::ボタン) { return 応答::OK; };
        if (ボタン == QMessageBox::Yes) {
            EXPECT_EQ(w.状態参照().手数, 1);
            EXPECT_EQ(中身(自動保存ファイル), 残り);
            押す(w, 3, 3);  // the other side's pawn
            押す(w, 3, 4);
            EXPECT_EQ(w.状態参照().手数, 2);
            EXPECT_EQ(残った手数(), 2);
        } else {
            EXPECT_EQ(w.状態参照().手数, 0);
            EXPECT_EQ(残り.find("\n手数=2\n") != std::string::npos, true) << "the game played on after はい";
            EXPECT_FALSE(fs::exists(自動保存ファイル));
            EXPECT_EQ(中身(自動保存ファイル_旧), 残り);
            w.メニュー("START")->trigger();
            押す(w, 3, 7);
            押す(w, 3, 6);
            EXPECT_EQ(残った手数(), 1);
        }
    }
}

// Esc or the box's close button put the question away unanswered: the
// player is told that the game stays, nothing of this run touches it, and
// the next start asks again.
TEST(起動時の問い, Escや閉じるでは答えずに残し次の起動でまた聞く) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    一時フォルダ 場所;
    const std::string 残り = 対局を残す();
    for (bool Esc : {true, false}) {
        SCOPED_TRACE(Esc ? "Esc" : "close");
        std::vector<QString> 見た;
        QTimer 答える;
        答える.setInterval(20);
        QObject::connect(&答える, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            見た.push_back(box->text());
            if (auto* 隠れ = box->button(QMessageBox::Cancel)) {
                EXPECT_FALSE(隠れ->isVisible());
            }
            if (box->text() != QString::fromUtf8(再開の問い)) box->button(QMessageBox::Ok)->click();
            else if (Esc) QTest::keyClick(box, Qt::Key_Escape);
            else box->close();
        });
        窓 w(false);
        w.一息に = true;
        w.起動だけ();
        w.show();
        答える.start();
        w.自動保存を始める();
        答える.stop();
        ASSERT_EQ(見た.size(), 2u);
        EXPECT_TRUE(見た[1].startsWith(
            QString::fromUtf8("前回の対局はそのままにして、次の起動のときにもう一度お聞きします。")));
        EXPECT_FALSE(w.状態参照().操作.自動保存);
        w.自動応答 = [](const std::string&, const std::string&, ::ボタン) { return 応答::OK; };
        w.メニュー("START")->trigger();
        押す(w, 3, 7);
        押す(w, 3, 6);
        w.メニュー("CANCEL")->trigger();
        EXPECT_EQ(中身(自動保存ファイル), 残り);
        EXPECT_FALSE(fs::exists(自動保存ファイル_旧));
    }
}
