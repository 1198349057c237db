// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own words in Japanese: the window loads Qt's translation, so that
// standard buttons and the menus of text boxes read Japanese, and its own
// message boxes name their buttons はい, いいえ and OK whether or not the
// translation is there.  The real boxes are shown and read, then answered
// with their own buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/window_fixture.h"

namespace {

QTranslator* Qtの訳() { return qApp->findChild<QTranslator*>("Qtの訳", Qt::FindDirectChildrenOnly); }

// A word of Latin letters other than "OK", once the mnemonic "(&Y)" and a
// shortcut after a tab are taken off.
bool 英語が残る(QString t) {
    t.remove(QRegularExpression("\\(&.\\)"));
    t = t.section('\t', 0, 0);
    t.remove('&');
    for (const QString& 語 : t.split(QRegularExpression("[^A-Za-z]+"), Qt::SkipEmptyParts))
        if (語 != "OK") return true;
    return false;
}

struct 日本語の試験 : 窓の試験 {
    // Shows the window's own box for ボタン b and reads its buttons, then
    // answers with the button 押す (by its text).
    std::vector<QString> 箱のボタン(ボタン b, const QString& 押す, 応答* 答え = nullptr) {
        w->自動応答 = nullptr;
        std::vector<QString> 文字;
        QTimer 見張り;
        QObject::connect(&見張り, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            見張り.stop();
            for (QAbstractButton* k : box->buttons())
                if (k->isVisible()) 文字.push_back(k->text());  // the hidden button stands for Esc
            for (QAbstractButton* k : box->buttons())
                if (k->text() == 押す) k->click();
        });
        見張り.start(0);
        const 応答 r = w->メッセージ("前回の対局を続けますか？", "対局", b, false);
        if (答え) *答え = r;
        return 文字;
    }
    void TearDown() override { 窓::Qtの訳を入れる(); }  // as the next window finds it
};

}  // namespace

TEST_F(日本語の試験, 窓はQtの訳を入れ_標準のボタンと入力欄のメニューが日本語になる) {
    ASSERT_NE(Qtの訳(), nullptr) << QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString();
    QMessageBox 素の箱(QMessageBox::Question, "t", "t", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    for (auto [種類, 語] : {std::pair{QMessageBox::Yes, "はい"}, std::pair{QMessageBox::No, "いいえ"},
                            std::pair{QMessageBox::Cancel, "キャンセル"}}) {
        const QString t = 素の箱.button(種類)->text();
        EXPECT_TRUE(t.contains(QString::fromUtf8(語))) << t.toStdString();
        EXPECT_FALSE(英語が残る(t)) << t.toStdString();
    }
    QLineEdit 欄;
    欄.setText("x");
    std::unique_ptr<QMenu> m(欄.createStandardContextMenu());
    int 項目 = 0;
    for (QAction* a : m->actions())
        if (!a->isSeparator()) {
            ++項目;
            EXPECT_FALSE(英語が残る(a->text())) << a->text().toStdString();
        }
    EXPECT_GE(項目, 5);
    // Loaded once only, however many windows are made.
    窓 二つ目(false);
    EXPECT_EQ(qApp->findChildren<QTranslator*>("Qtの訳", Qt::FindDirectChildrenOnly).size(), 1u);
}

TEST_F(日本語の試験, 窓の問いの箱ははいといいえ_告知の箱はOK) {
    struct 場合 {
        ボタン b;
        std::vector<QString> ボタン名;
        const char* 押す;
        応答 答え;
    };
    const 場合 一覧[] = {
        {ボタン::はいいいえ, {"はい", "いいえ"}, "はい", 応答::はい},
        {ボタン::はいいいえ, {"はい", "いいえ"}, "いいえ", 応答::いいえ},
        {ボタン::OK, {"OK"}, "OK", 応答::OK},
    };
    for (bool 訳あり : {true, false}) {
        SCOPED_TRACE(訳あり ? "with Qt's translation" : "without it");
        if (!訳あり) {
            delete Qtの訳();
            ASSERT_EQ(Qtの訳(), nullptr);
            // Qt's own words are English again: the window's are not.
            QMessageBox 素の箱(QMessageBox::Question, "t", "t", QMessageBox::Yes);
            EXPECT_EQ(素の箱.button(QMessageBox::Yes)->text(), "&Yes");
            EXPECT_FALSE(窓::Qtの訳を入れる("/nonexistent/translations"));
            EXPECT_EQ(Qtの訳(), nullptr);
        }
        for (const 場合& c : 一覧) {
            SCOPED_TRACE(c.押す);
            応答 r{};
            auto 名 = 箱のボタン(c.b, QString::fromUtf8(c.押す), &r);
            std::sort(名.begin(), 名.end());
            auto 期待 = c.ボタン名;
            std::sort(期待.begin(), 期待.end());
            EXPECT_EQ(名, 期待);
            EXPECT_EQ(r, c.答え);
        }
    }
}

// The game's own question, from a press on the board while a record is
// being read, in a real box: Japanese buttons, and いいえ answers no.
TEST_F(日本語の試験, 棋譜を読んでいる間の問いもはいといいえ) {
    delete Qtの訳();  // the harder case: no translation
    s().操作.棋譜モード = 真;
    w->自動応答 = nullptr;
    std::vector<QString> 名;
    QTimer 見張り;
    QObject::connect(&見張り, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        見張り.stop();
        for (QAbstractButton* k : box->buttons())
            if (k->isVisible()) 名.push_back(k->text());
        box->button(QMessageBox::Yes)->click();
    });
    見張り.start(0);
    QTest::mouseClick(w->キャンバス(), Qt::LeftButton, {}, w->ツイップから位置(盤原点X + 桝幅 * 5 + 307, 盤原点Y + 桝高 * 5 + 307));
    std::sort(名.begin(), 名.end());
    EXPECT_EQ(名, (std::vector<QString>{"いいえ", "はい"}));
    EXPECT_EQ(s().操作.棋譜モード, 真);  // はい: go on reading
}
