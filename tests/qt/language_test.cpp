// SPDX-License-Identifier: GPL-3.0-or-later
// Japanese and English: the default from the system's language, the
// language menu (at once, kept across a restart), a Japanese game that stays
// byte for byte what it was, and an English game with no Japanese left
// outside the bracketed game terms: the .ts file finished, every text of the
// recorded sessions (board texts and messages), the patterns of composed
// messages, the menus, the record panel, the help and the about box.
#include "front/qt/language.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <fstream>
#include <iostream>
#include <sstream>

#include "front/qt/help_window.h"
#include "front/qt/pictures.h"
#include "view/about.h"
#include "store/preferences.h"
#include "view/texts.h"
#include "tests/qt/window_fixture.h"

#ifndef VZ_SOURCE_DIR
#error "VZ_SOURCE_DIR is set by the build"
#endif

namespace {

// Japanese left once the bracketed terms "(歩)" and quoted names
// ("…" — file names and the like, which are the player's) are taken out.
bool 括弧の外に日本語(QString t) {
    t.remove(QRegularExpression(QStringLiteral("\\([^()]*\\)")));
    t.remove(QRegularExpression(QStringLiteral("\"[^\"]*\"")));
    return 日本語の字を含む(t);
}

// The texts of a trace line: 文字 … "text" and メッセージ "本文" "題" ….
QStringList 引用を読む(const std::string& 行) {
    QStringList r;
    for (std::size_t i = 0; i < 行.size(); ++i) {
        if (行[i] != '"') continue;
        std::string t;
        for (++i; i < 行.size() && 行[i] != '"'; ++i) {
            if (行[i] != '\\' || i + 1 >= 行.size()) {
                t += 行[i];
                continue;
            }
            const char c = 行[++i];
            if (c == 'r') t += '\r';
            else if (c == 'n') t += '\n';
            else if (c == 't') t += '\t';
            else if (c == 'x' && i + 2 < 行.size()) {
                t += static_cast<char>(std::stoi(行.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else t += c;
        }
        r << QString::fromStdString(t);
    }
    return r;
}

struct 英語に戻す {
    ~英語に戻す() { 言語を使う(言語::日本語); }
};

}  // namespace

TEST(言語, 既定はシステムの言語から_日本語とCでは日本語) {
    const struct {
        QStringList UI言語;
        言語 期待;
    } 表[] = {
        {{"en-US", "en"}, 言語::英語}, {{"en-GB"}, 言語::英語},         {{"de-DE", "ja-JP"}, 言語::英語},
        {{"fr"}, 言語::英語},          {{"ja-JP", "ja"}, 言語::日本語}, {{"ja", "en-US"}, 言語::日本語},
        {{"C"}, 言語::日本語},         {{"POSIX"}, 言語::日本語},       {{}, 言語::日本語},
    };
    for (const auto& e : 表) EXPECT_EQ(既定の言語(e.UI言語), e.期待) << e.UI言語.join(",").toStdString();
}

TEST(言語, 保存された選択が既定に勝つ) {
    一時フォルダ 場所;
    { std::ofstream(好み設定ファイル名) << "language=en\n"; }
    EXPECT_EQ(保存された言語(好み設定ファイル名), 言語::英語);
    EXPECT_EQ(言語を保存する(好み設定ファイル名, 言語::日本語), 0);
    EXPECT_EQ(保存された言語(好み設定ファイル名), 言語::日本語);
    std::ifstream in(好み設定ファイル名);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(ss.str(), "language=ja\n");
}

TEST(言語, tsファイルは全部訳してあり_訳に括弧の外の日本語はない) {
    QFile f(QStringLiteral(VZ_SOURCE_DIR "/translations/vezuvire_en.ts"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&f);
    int 数 = 0;
    QString 元;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        if (x.name() == QLatin1String("source")) 元 = x.readElementText(QXmlStreamReader::SkipChildElements);
        if (x.name() != QLatin1String("translation")) continue;
        const QString 種類 = x.attributes().value("type").toString();
        const QString 訳 = x.readElementText(QXmlStreamReader::SkipChildElements);
        ++数;
        EXPECT_TRUE(種類.isEmpty()) << "unfinished: " << 元.toStdString();
        EXPECT_FALSE(訳.isEmpty()) << 元.toStdString();
        // The language menu names Japanese in Japanese; nothing else may.
        if (元 != QStringLiteral("日本語")) {
            EXPECT_FALSE(括弧の外に日本語(訳)) << 訳.toStdString();
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    EXPECT_GE(数, 240);
}

// Every board text and message of the recorded sessions (tests/data/golden),
// as the English window shows it.
TEST(言語, 記録した対局の文字と告知は英語になる) {
    テスト用アプリ();
    英語に戻す 戻す;
    ASSERT_TRUE(言語を使う(言語::英語));
    const QDir d(QStringLiteral(VZ_SOURCE_DIR "/tests/data/golden"));
    int 文の数 = 0;
    for (const QString& 名 : d.entryList({"*.trace"}, QDir::Files)) {
        std::ifstream in((d.filePath(名)).toStdString());
        std::string 行;
        while (std::getline(in, 行)) {
            const bool 文字 = 行.rfind("文字 ", 0) == 0, 告知 = 行.rfind("メッセージ ", 0) == 0;
            if (!文字 && !告知) continue;
            // The names a record file gives (the game's and the players'),
            // drawn above and below the board, are the player's own.
            if (文字) {
                std::istringstream 欄(行.substr(std::string("文字 ").size()));
                int x = 0, y = 0;
                欄 >> x >> y;
                if (y == 100 || y == 6350) continue;
            }
            QStringList 文 = 引用を読む(行);
            if (文字) 文 = 文.mid(文.size() - 1);
            for (const QString& t : 文) {
                ++文の数;
                const QString 英 = ゲームの文(t);
                EXPECT_FALSE(括弧の外に日本語(英))
                    << 名.toStdString() << ": " << t.toStdString() << " -> " << 英.toStdString();
            }
        }
    }
    EXPECT_GT(文の数, 1000);
}

// The messages put together from parts, with parts of every sort.
TEST(言語, 組み立てた告知は型から訳す) {
    テスト用アプリ();
    英語に戻す 戻す;
    ASSERT_TRUE(言語を使う(言語::英語));
    const struct {
        const char* 日本語;
        const char* 英語;
    } 表[] = {
        {"棋譜ファイル「対局.棋譜」を開けませんでした。\rファイルまたはフォルダが見つかりません。",
         "Could not open the record file \"対局.棋譜\".\rNo such file or folder."},
        {"12手目の下の持駒の歩が19枚あり、棋譜ファイルには書けません（1種類18枚まで）。",
         "Move 12: the lower hand holds 19 × P; a record file holds at most 18 of a kind."},
        {"システムエラー（番号 123）が起きました。", "System error 123."},
        {"棋譜ファイル「a」の7手目の局面には王がありません。\rその前の局面までを読み込みました。",
         "In the record file \"a\", the position after move 7 has no king.\rThe positions before it were read."},
        {"棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい",
         "Not while a record is loaded\r\rChoose Position → Start over first"},
        {"自動保存できるようになりました。\rこの対局はいまの局面から保存されています。",
         "Autosave works again.\rThis game is saved from the current position."},
        {"12:34:56", "12:34:56"},  // a clock: nothing to translate
        {"七", "7"},
        {"香成", "+L"},
    };
    for (const auto& e : 表) EXPECT_EQ(ゲームの文(std::string(e.日本語)).toStdString(), e.英語);
    // Every pattern has its English, with each of its parts.
    for (const char* 型 : 合成文の型()) {
        const QString 英 = QCoreApplication::translate("Game", 型);
        EXPECT_NE(英, QString::fromUtf8(型));
        for (int n = 1; n <= 9; ++n)
            EXPECT_EQ(QString::fromUtf8(型).contains(QStringLiteral("%") + QString::number(n)),
                      英.contains(QStringLiteral("%") + QString::number(n)))
                << 型;
    }
    // Japanese stays as it is, byte for byte.
    ASSERT_TRUE(言語を使う(言語::日本語));
    for (const auto& e : 表) EXPECT_EQ(ゲームの文(std::string(e.日本語)).toStdString(), e.日本語);
}

struct 言語の窓 : 窓の試験 {
    void TearDown() override { 言語を使う(言語::日本語); }
    QStringList メニューの文字() const {
        QStringList r;
        for (QAction* a : w->menuBar()->findChildren<QAction*>())
            if (!a->text().isEmpty() && !a->objectName().isEmpty()) r << a->text();
        return r;
    }
    void 選ぶ(const char* 名前) {
        QAction* a = w->メニュー(名前);
        ASSERT_NE(a, nullptr) << 名前;
        a->trigger();
        QApplication::processEvents();
    }
};

TEST_F(言語の窓, メニューで英語にするとすぐに全部が英語になり_日本語に戻すと元どおり) {
    // A game with moves, the clocks and the computer's level on the board.
    w->メニュー("SENTE")->trigger();
    QApplication::processEvents();
    const QStringList 日本語の盤 = w->描いた文字();
    const QStringList 日本語のメニュー = メニューの文字();
    const QImage 日本語の絵 = w->画像(1.0);
    EXPECT_TRUE(w->メニュー("GENGO_JA")->isChecked());

    選ぶ("GENGO_EN");
    EXPECT_EQ(今の言語(), 言語::英語);
    EXPECT_TRUE(w->メニュー("GENGO_EN")->isChecked());
    EXPECT_FALSE(w->メニュー("GENGO_JA")->isChecked());
    EXPECT_EQ(w->メニュー("TAIKYOKU")->text(), "Game");
    EXPECT_EQ(w->メニュー("OPTION")->text(), "Options");
    for (const QString& t : メニューの文字()) {
        // The two bilingual menus and the name of Japanese in Japanese.
        if (t == "言語 / Language" || t == "駒の表記 / Piece labels" || t == "日本語") continue;
        EXPECT_FALSE(括弧の外に日本語(t)) << t.toStdString();
    }
    for (const QString& t : w->描いた文字()) EXPECT_FALSE(括弧の外に日本語(t)) << t.toStdString();
    EXPECT_NE(w->画像(1.0), 日本語の絵);
    for (QLabel* l : w->findChildren<QLabel*>()) EXPECT_FALSE(括弧の外に日本語(l->text())) << l->text().toStdString();
    // Kept in the preferences store, not in the settings file.
    好み設定 帳;
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_言語), "en");

    選ぶ("GENGO_JA");
    EXPECT_EQ(w->描いた文字(), 日本語の盤);
    EXPECT_EQ(メニューの文字(), 日本語のメニュー);
    EXPECT_EQ(w->画像(1.0), 日本語の絵);
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_言語), "ja");
}

TEST_F(言語の窓, 選んだ言語は次の起動でも使われる) {
    選ぶ("GENGO_EN");
    選ぶ("HYOUKI_EIJI");
    w.reset();
    言語を使う(言語::日本語);
    英字の駒を描く(false);
    窓 次(false);
    次.好み設定を読む();
    次.開始();
    EXPECT_EQ(今の言語(), 言語::英語);
    EXPECT_EQ(次.メニュー("TAIKYOKU")->text(), "Game");
    EXPECT_TRUE(次.メニュー("GENGO_EN")->isChecked());
    EXPECT_TRUE(英字の駒());
    EXPECT_TRUE(次.メニュー("HYOUKI_EIJI")->isChecked());
    英字の駒を描く(false);
}

// A first start in English, the pieces' labels never chosen: the status
// line suggests the Letters labels until the first press, and only once.
TEST_F(言語の窓, 英語の最初の起動は一度だけ英字の駒を勧める) {
    選ぶ("GENGO_EN");
    w.reset();
    for (int 回 = 0; 回 < 2; ++回) {
        窓 次(false);
        次.好み設定を読む();
        次.開始();
        EXPECT_EQ(次.状況行の文().contains("Letters"), 回 == 0) << 回;
        if (回 == 0) {
            EXPECT_FALSE(括弧の外に日本語(次.状況行の文()));
            QTest::mouseClick(次.キャンバス(), Qt::LeftButton, {}, QPoint(5, 5));
            EXPECT_FALSE(次.状況行の文().contains("Letters"));
        }
    }
    好み設定 帳;
    ASSERT_EQ(帳.読む(好み設定ファイル名), 0);
    EXPECT_EQ(帳.値(好み_英字の勧め), "shown");
}

TEST_F(言語の窓, 遊び方と記録欄とバージョン情報も英語) {
    選ぶ("GENGO_EN");
    for (const QString& t : 遊び方の文()) EXPECT_FALSE(括弧の外に日本語(t)) << t.toStdString();
    w->遊び方を開く();
    QApplication::processEvents();
    ASSERT_NE(w->遊び方(), nullptr);
    EXPECT_EQ(w->遊び方()->windowTitle(), "How to play");
    for (QLabel* l : w->遊び方()->findChildren<QLabel*>())
        EXPECT_FALSE(括弧の外に日本語(l->text())) << l->text().toStdString();
    // The help open while the language changes follows at once.
    選ぶ("GENGO_JA");
    QApplication::processEvents();
    ASSERT_NE(w->遊び方(), nullptr);
    EXPECT_TRUE(w->遊び方()->isVisible());
    EXPECT_EQ(w->遊び方()->windowTitle(), "遊び方");
    選ぶ("GENGO_EN");
    EXPECT_EQ(ゲームの文(バージョン表示文()), QString::fromStdString(バージョン表示文()));
    // The record panel's write button: "RETURN" in Japanese, as ever.
    const auto ボタン = w->キャンバス()->findChildren<QPushButton*>();
    ASSERT_EQ(ボタン.size(), 1);
    EXPECT_EQ(ボタン[0]->text(), "Write");
    選ぶ("GENGO_JA");
    EXPECT_EQ(ボタン[0]->text(), "RETURN");
    EXPECT_FALSE(日本語の字を含む(QString::fromStdString(バージョン表示文())));
}

// The child's part of the test below: the language a first start chooses
// under the environment it was given.
TEST(言語, DISABLED_子_最初の起動の言語) {
    テスト用アプリ();
    一時フォルダ 場所;
    std::cout << "language " << 言語の値(保存された言語(好み設定ファイル名)) << std::endl;
}

TEST(言語, 最初の起動はLANGで決まる_CとPOSIXは日本語) {
    テスト用アプリ();
    const struct {
        const char* LANG;
        const char* 期待;
    } 表[] = {
        {"en_US.UTF-8", "en"}, {"de_DE.UTF-8", "en"}, {"ja_JP.UTF-8", "ja"}, {"C", "ja"}, {"POSIX", "ja"},
    };
    for (const auto& e : 表) {
        SCOPED_TRACE(e.LANG);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(v);
        env.insert("LANG", e.LANG);
        QProcess 子;
        子.setProcessEnvironment(env);
        子.setProcessChannelMode(QProcess::MergedChannels);
        子.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_also_run_disabled_tests", "--gtest_filter=言語.DISABLED_子_最初の起動の言語"});
        ASSERT_TRUE(子.waitForFinished(60000));
        const QString 出力 = QString::fromUtf8(子.readAll());
        EXPECT_TRUE(出力.contains(QStringLiteral("language ") + e.期待)) << 出力.toStdString();
    }
}

TEST_F(言語の窓, 記録の名前は訳さない_同じ字の告知は訳す) {
    // A record may name its game or its players with words the game also
    // uses ("対局", "先手"); those are the player's and stay as written.
    選ぶ("GENGO_EN");
    w->名前の文字(3000, 100, "対局", 12, false, 色_白);
    w->文字(3000, 6350, "対局", 12, false, 色_白);
    QStringList 盤 = w->描いた文字();
    EXPECT_TRUE(盤.contains("対局"));
    EXPECT_TRUE(盤.contains("Game"));
    選ぶ("GENGO_JA");
    選ぶ("GENGO_EN");
    盤 = w->描いた文字();
    EXPECT_TRUE(盤.contains("対局"));
    EXPECT_TRUE(盤.contains("Game"));
}

TEST(言語, Qt自身の文字も選んだ言語に従う) {
    テスト用アプリ();
    英語に戻す 戻す;
    ASSERT_TRUE(言語を使う(言語::日本語));
    const QString 日本語 = QCoreApplication::translate("QPlatformTheme", "Cancel");
    ASSERT_TRUE(言語を使う(言語::英語));
    EXPECT_TRUE(言語を使う(言語::英語));  // chosen again: still fine
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_NE(日本語, QStringLiteral("Cancel")) << "Qt's Japanese translation is not installed";
}
