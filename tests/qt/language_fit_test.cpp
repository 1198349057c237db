// SPDX-License-Identifier: GPL-3.0-or-later
// The English game as it looks: every translated board text fits the cells
// the game clears for it, measured with the window's own font at scale 1
// and 2 in both languages, without running into its neighbours; the record
// panel's labels fit their boxes; the pieces with Latin letters (all 14
// kinds in 4 facings for both sides) keep their shape, and the help's
// pictures follow them; and the screenshots of docs/screenshots.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <cstdlib>
#include <set>

#include "front/qt/help_window.h"
#include "front/qt/language.h"
#include "front/qt/pictures.h"
#include "front/qt/window_canvas.h"
#include "view/render.h"
#include "view/tr.h"
#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 言語を戻す {
    ~言語を戻す() {
        言語を使う(言語::日本語);
        英字の駒を描く(false);
    }
};

// A place a board text is drawn: its corner in cells (the coloured text;
// its black shadow lies 0.1 cell right and down) and twips added, and the
// cells the game clears for it.
struct 置き場 {
    const char* 名;
    std::vector<const char*> 文;
    int 大きさ;
    double 列, 行;
    int 足すX, 足すY;
    double 左, 右, 上, 下;  // the area, in cells (右 and 下 exclusive)
};

const std::vector<const char*> 段級 = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};
const std::vector<const char*> 筋 = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
const std::vector<const char*> 段 = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
const std::vector<const char*> 駒名 = {"歩",   "と", "香", "香成", "桂", "桂成", "銀",
                                       "銀成", "金", "角", "角成", "飛", "飛成", "王"};

const double 右端 = static_cast<double>(窓::幅 - 盤原点X) / 桝幅;  // the window's right edge, in cells

const std::vector<置き場>& 置き場一覧() {
    static const std::vector<置き場> 一覧 = {
        {"handicap grade", 段級, 10, 11, 1, 120, 160, ハンデ欄_左, 右端, 1, 2},
        {"moves label", {"手目"}, 10, 13.8, 3.1, 120, 160, 13, 15, 3, 4},
        {"thinking", {"思考中"}, 12, -1.6, 8.4, 0, 0, -2, 1, 8, 9},
        {"computer's move: file", 筋, 12, -1.6, 8.4, 0, 0, -2, 1, 8, 9},
        {"computer's move: rank", 段, 12, -1.2, 8.4, 0, 0, -2, 1, 8, 9},
        {"computer's move: piece", 駒名, 12, -0.6, 8.4, 0, 0, -2, 1, 8, 9},
        {"player's move: file", 筋, 12, 12.4, 2.4, 0, 0, 12, 15, 2, 3},
        {"player's move: rank", 段, 12, 12.8, 2.4, 0, 0, 12, 15, 2, 3},
        {"player's move: piece", 駒名, 12, 13.4, 2.4, 0, 0, 12, 15, 2, 3},
        {"rank beside the board", 段, 12, 10.1, 1.3, 0, 0, 10, 11, 1, 2},
    };
    return 一覧;
}

// The ink of a text drawn at a place, shadow included, in twips.
QRectF 墨(const 置き場& p, const QString& t, bool 太字, double 倍率) {
    const QRectF m = 窓::文字の墨(t, p.大きさ, 太字, 倍率);
    const QRectF 本 = m.translated(セルX(p.列) + p.足すX, セルY(p.行) + p.足すY);
    const QRectF 影 = m.translated(セルX(p.列 + 0.1) + p.足すX, セルY(p.行 + 0.1) + p.足すY);
    return 本.united(影);
}

QRectF 本体の墨(const 置き場& p, const QString& t, bool 太字, double 倍率) {
    return 窓::文字の墨(t, p.大きさ, 太字, 倍率).translated(セルX(p.列) + p.足すX, セルY(p.行) + p.足すY);
}

}  // namespace

TEST(文字の収まり, 盤の文字は日英とも倍率1と2で自分の欄に収まる) {
    テスト用アプリ();
    言語を戻す 戻す;
    int 数 = 0;
    for (言語 l : {言語::日本語, 言語::英語}) {
        ASSERT_TRUE(言語を使う(l));
        for (double r : {1.0, 2.0})
            for (bool 太字 : {true, false})
                for (const 置き場& p : 置き場一覧())
                    for (const char* 文 : p.文) {
                        const QString t = ゲームの文(std::string(文));
                        const QRectF b = 墨(p, t, 太字, r);
                        SCOPED_TRACE(std::string(p.名) + " \"" + t.toStdString() + "\" at scale " + std::to_string(r) +
                                     (l == 言語::英語 ? " in English" : " in Japanese"));
                        // (within half a pixel: the shadows of the original
                        // Japanese move texts reach a sixth of a pixel into
                        // the row below)
                        const double 余 = 画素 / 2.0;
                        EXPECT_GE(b.left(), セルX(p.左) - 余);
                        EXPECT_LE(b.right(), (p.右 == 右端 ? 窓::幅 : セルX(p.右)) + 余);
                        EXPECT_GE(b.top(), セルY(p.上) - 余);
                        EXPECT_LE(b.bottom(), セルY(p.下) + 余);
                        ++数;
                    }
    }
    EXPECT_GT(数, 700);
}

// The three parts of a move text stand side by side without touching, and
// the moves label keeps clear of the number before it.
TEST(文字の収まり, 指し手の三つの欄と手数は重ならない) {
    テスト用アプリ();
    言語を戻す 戻す;
    const auto& 一覧 = 置き場一覧();
    auto 場 = [&](const std::string& 名) {
        for (const auto& p : 一覧)
            if (p.名 == 名) return p;
        ADD_FAILURE() << 名;
        return 一覧.front();
    };
    for (言語 l : {言語::日本語, 言語::英語}) {
        ASSERT_TRUE(言語を使う(l));
        for (double r : {1.0, 2.0})
            for (const char* 側 : {"computer's move: ", "player's move: "}) {
                const 置き場 順[3] = {場(std::string(側) + "file"), 場(std::string(側) + "rank"),
                                      場(std::string(側) + "piece")};
                for (int i = 0; i < 2; ++i) {
                    double 右 = -1e9, 左 = 1e9;
                    for (const char* t : 順[i].文)
                        右 = std::max(右, 本体の墨(順[i], ゲームの文(std::string(t)), true, r).right());
                    for (const char* t : 順[i + 1].文)
                        左 = std::min(左, 本体の墨(順[i + 1], ゲームの文(std::string(t)), true, r).left());
                    EXPECT_LT(右, 左) << 側 << i << " scale " << r;
                }
            }
        // The move number (up to 500) and "手目" after it.
        置き場 数 = {"move number", {"500"}, 12, 13.0, 3.3, 0, 0, 13, 15, 3, 4};
        const QRectF n = 墨(数, "500", true, 1.0);
        const QRectF m = 墨(場("moves label"), ゲームの文(std::string("手目")), true, 1.0);
        EXPECT_LT(n.right(), m.left() + 1) << (l == 言語::英語 ? "English" : "Japanese");
    }
}

struct 窓の英語 : 窓の試験 {
    言語を戻す 戻す;
};

TEST_F(窓の英語, 記録欄のラベルは倍率1と2で枠に収まる) {
    for (言語 l : {言語::日本語, 言語::英語}) {
        w->言語を変える(l);
        for (double k : {1.0, 2.0})
            for (QLabel* lab : w->findChildren<QLabel*>()) {
                if (lab->text().isEmpty()) continue;
                QFont f = lab->font();
                f.setPixelSize(static_cast<int>(std::lround(12 * k)));
                const int 幅 = QFontMetrics(f).horizontalAdvance(lab->text());
                EXPECT_LE(幅, 840 * k / 画素) << lab->text().toStdString() << " at " << k;
            }
    }
}

TEST_F(窓の英語, 英字の駒は14種4向き両側とも別の絵で_形と縁は漢字と同じ) {
    std::set<std::vector<uchar>> 見た;
    int 数 = 0;
    for (int 型 : {10, 11, 20, 21, 30, 31, 40, 41, 50, 60, 61, 70, 71, 80})
        for (int 向き = 0; 向き < 4; ++向き)
            for (int 側 : {+1, -1}) {
                const int 駒 = 側 * (型 * 10 + 向き);
                英字の駒を描く(false);
                const QImage 漢 = 絵を作る(駒, 1.0);
                英字の駒を描く(true);
                const QImage 英 = 絵を作る(駒, 1.0);
                ASSERT_FALSE(英.isNull()) << 駒;
                EXPECT_EQ(英.size(), 漢.size());
                EXPECT_NE(英, 漢) << 駒;
                // The same ground and rim: the outermost pixels match.
                for (int i = 0; i < 英.width(); ++i) {
                    EXPECT_EQ(英.pixel(i, 0), 漢.pixel(i, 0));
                    EXPECT_EQ(英.pixel(0, i), 漢.pixel(0, i));
                }
                const QImage c = 英.convertToFormat(QImage::Format_ARGB32);
                見た.insert(std::vector<uchar>(c.constBits(), c.constBits() + c.sizeInBytes()));
                ++数;
            }
    EXPECT_EQ(数, 112);
    EXPECT_EQ(見た.size(), 112u);  // every kind, facing and side its own picture
}

TEST_F(窓の英語, 駒の表記はメニューですぐに変わり_遊び方の図も従う) {
    w->遊び方を開く();
    QApplication::processEvents();
    const QImage 盤の漢字 = w->画像(1.0);
    const QImage 図の漢字 = w->遊び方()->画像(1.0);
    w->メニュー("HYOUKI_EIJI")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(英字の駒());
    EXPECT_TRUE(w->メニュー("HYOUKI_EIJI")->isChecked());
    EXPECT_FALSE(w->メニュー("HYOUKI_KANJI")->isChecked());
    EXPECT_NE(w->画像(1.0), 盤の漢字);
    EXPECT_NE(w->遊び方()->画像(1.0), 図の漢字);
    w->メニュー("HYOUKI_KANJI")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(英字の駒());
    EXPECT_EQ(w->画像(1.0), 盤の漢字);
    EXPECT_EQ(w->遊び方()->画像(1.0), 図の漢字);
}

// The English game at scale 1 and 2, with the menu bar over the board, a few
// moves into a game between two people.  With VZ_SCREENSHOT_DIR set the
// pictures are written there (tools/screenshots.sh: docs/screenshots/).
TEST_F(窓の英語, 英語の画面の写真) {
    w->言語を変える(言語::英語);
    台本の対局 対局(*w);
    対局.始める();
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(対局.一手());
    const QByteArray 先 = qgetenv("VZ_SCREENSHOT_DIR");
    auto 撮る = [&](double r) {
        const QImage 盤 = w->画像(r);
        QMenuBar* m = w->menuBar();
        QImage 全体(盤.width(), 盤.height() + static_cast<int>(std::lround(m->height() * r)), QImage::Format_ARGB32);
        全体.fill(Qt::white);
        {
            QImage 帯(static_cast<int>(std::lround(m->width() * r)), static_cast<int>(std::lround(m->height() * r)),
                      QImage::Format_ARGB32);
            帯.setDevicePixelRatio(r);
            帯.fill(Qt::white);
            m->render(&帯);
            QPainter g(&全体);
            g.drawImage(0, 0, 帯);
            g.drawImage(0, 帯.height(), 盤);
        }
        return 全体;
    };
    for (auto [r, 名] : {std::pair{1.0, "english-scale1.png"}, std::pair{2.0, "english-scale2.png"}}) {
        const QImage img = 撮る(r);
        EXPECT_GE(img.width(), static_cast<int>(窓::幅 / 画素 * r));
        for (const QString& t : w->描いた文字()) {
            EXPECT_FALSE(日本語の字を含む(t)) << t.toStdString();
        }
        if (!先.isEmpty()) {
            EXPECT_TRUE(img.save(QDir(QString::fromLocal8Bit(先)).filePath(名))) << 名;
        }
    }
    w->遊び方を開く();
    QApplication::processEvents();
    const QImage 遊び方 = w->遊び方()->画像(1.0);
    EXPECT_FALSE(遊び方.isNull());
    if (!先.isEmpty()) {
        EXPECT_TRUE(遊び方.save(QDir(QString::fromLocal8Bit(先)).filePath("english-help-scale1.png")));
    }
    w->駒の表記を変える(true);
    if (!先.isEmpty()) {
        EXPECT_TRUE(撮る(1.0).save(QDir(QString::fromLocal8Bit(先)).filePath("english-letters-scale1.png")));
    }
}

// The notices of the status line, in one line under the board: each fits
// the window's width in both languages, at scale 1 and with the window and
// its font twice as large; and so do the promotion chooser's two answers.
TEST_F(窓の英語, 状況行の知らせと成りの選択は倍率1と2で窓の幅に収まる) {
    const std::pair<const char*, const char*> 知らせ[] = {
        {" ", "先手の番です"},          {"対局", "MANの番です"},        {"終了", "ｺﾝﾋﾟｭｰﾀの勝ちです"},
        {"戻る", "できません"},         {"開始", "「対局」で始めて下さい"}, {"終局", "新規に対局してください"},
        {"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", "対局途中ではできません\r\r局面→最初にして下さい"},
        {"再開(COM)", "OKですか？"},
    };
    w->印を変える("HYOUJI_JOUKYOU", true);
    for (言語 l : {言語::日本語, 言語::英語}) {
        w->言語を変える(l);
        for (auto [題, 本文] : 知らせ) {
            ASSERT_EQ(w->メッセージ(本文, 題, ボタン::OK, false), 応答::OK);
            const QString t = w->状況行の文();
            ASSERT_FALSE(t.isEmpty()) << 本文;
            for (double k : {1.0, 2.0}) {
                QFont f = w->font();
                f.setPointSizeF(f.pointSizeF() * k);
                EXPECT_LE(QFontMetrics(f).horizontalAdvance(t) + 16 * k, 窓::幅 / 画素 * k) << t.toStdString() << " at " << k;
            }
        }
        // The one-time suggestion of the Letters labels at a first start.
        const QString 勧め = QCoreApplication::translate(
            "Window", "駒の字が読みにくければ、ｵﾌﾟｼｮﾝ → 駒の表記 → 英字 で英字の駒にできます。");
        for (double k : {1.0, 2.0}) {
            QFont f = w->font();
            f.setPointSizeF(f.pointSizeF() * k);
            EXPECT_LE(QFontMetrics(f).horizontalAdvance(勧め) + 16 * k, 窓::幅 / 画素 * k) << 勧め.toStdString();
        }
        for (const char* 答え : {"成る(&Y)", "成らない(&N)"}) {
            const QString t = QCoreApplication::translate("Window", 答え);
            EXPECT_NE(t.isEmpty(), true);
            for (double k : {1.0, 2.0}) {
                QFont f = w->font();
                f.setPointSizeF(f.pointSizeF() * k);
                // The chooser stays within four cells beside the destination.
                EXPECT_LE(QFontMetrics(f).horizontalAdvance(t) + 40 * k, 4 * 桝幅 / 画素 * k) << t.toStdString() << " at " << k;
            }
        }
    }
}
