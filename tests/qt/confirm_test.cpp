// SPDX-License-Identifier: GPL-3.0-or-later
// "局面" → "最初" in the middle of a game, in the real window: the real
// question box comes up, and only its はい button gives the game up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <string>

#include "store/autosave.h"
#include "tests/qt/window_fixture.h"
#include "tests/support/file_bytes.h"

namespace {

void 押す(窓& w, int 列, int 行) {
    QTest::mouseClick(w.キャンバス(), Qt::LeftButton, {},
                      w.ツイップから位置(盤原点X + 桝幅 * 列 + 307, 盤原点Y + 桝高 * 行 + 307));
}

enum class 答え方 { はい, いいえ, Esc };

}  // namespace

TEST(最初の問い, はいだけが対局を捨てる) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    for (auto 答え : {答え方::いいえ, 答え方::Esc, 答え方::はい}) {
        SCOPED_TRACE(答え == 答え方::はい ? "はい" : 答え == 答え方::いいえ ? "いいえ" : "Esc");
        一時フォルダ 場所;
        窓 w(false);
        w.一息に = false;
        w.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
        w.起動だけ();
        w.自動保存を始める();
        w.show();
        w.メニュー("START")->trigger();
        押す(w, 3, 7);
        押す(w, 3, 6);
        押す(w, 3, 3);  // the other side's pawn
        押す(w, 3, 4);
        while (!w.手すき()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ASSERT_EQ(w.状態参照().手数, 2);
        const std::string 残り = ファイルの中身(自動保存ファイル);
        ASSERT_FALSE(残り.empty());
        const QImage 前 = w.画像();

        w.自動応答 = nullptr;  // the real box from here on
        QString 題, 本文;
        QTimer::singleShot(50, &w, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            題 = box->windowTitle();
            本文 = box->text();
            if (答え == 答え方::Esc) QTest::keyClick(box, Qt::Key_Escape);
            else box->button(答え == 答え方::はい ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        w.メニュー("CANCEL")->trigger();
        while (!w.手すき()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_EQ(題.toStdString(), "確認");
        EXPECT_EQ(本文.toStdString(), "今の対局を終わりにしますか？");

        if (答え == 答え方::はい) {
            EXPECT_EQ(w.状態参照().手数, 0);
            EXPECT_EQ(w.状態参照().手番, 手番_なし);
            EXPECT_FALSE(std::filesystem::exists(自動保存ファイル));
        } else {
            EXPECT_EQ(w.状態参照().手数, 2);
            EXPECT_NE(w.状態参照().盤[3][4], 空);
            EXPECT_EQ(ファイルの中身(自動保存ファイル), 残り);
            EXPECT_EQ(w.画像(), 前);
        }
    }
}
