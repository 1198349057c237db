// SPDX-License-Identifier: GPL-3.0-or-later
// Playing by hand in the real window with the options of play: a piece
// dragged to its square, the promotion chooser, the status line that takes
// the notices, and resigning asked first.  Each option is kept in the
// preferences store and on by default; off, the window plays as before.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "core/move.h"
#include "core/pieces.h"
#include "front/qt/language.h"
#include "front/qt/new_game_dialog.h"
#include "front/qt/window_thinking.h"
#include "store/preferences.h"
#include "view/render.h"
#include <QElapsedTimer>

#include "view/screen.h"
#include "tests/qt/scripted_game.h"
#include "tests/qt/window_fixture.h"

namespace {

struct 遊びの窓 : 窓の試験 {
    // The middle of cell (c, r), or a point off the board for c = 0.
    QPointF 点(int c, int r) const {
        return QPointF(w->ツイップから位置(盤原点X + 桝幅 * c + 307, 盤原点Y + 桝高 * r + 307));
    }
    void 送る(QEvent::Type t, QPointF p, Qt::MouseButton b, Qt::MouseButtons bs, Qt::KeyboardModifiers m = {}) {
        QWidget* 画 = w->キャンバス();
        QMouseEvent e(t, p, 画->mapToGlobal(p), b, bs, m);
        QApplication::sendEvent(画, &e);
        QApplication::processEvents();
    }
    // A press on one cell, the pointer carried to the other, a release there.
    void 引く(int c1, int r1, int c2, int r2, Qt::KeyboardModifiers m = {}) {
        送る(QEvent::MouseButtonPress, 点(c1, r1), Qt::LeftButton, Qt::LeftButton);
        const QPointF a = 点(c1, r1), b = 点(c2, r2);
        for (int i = 1; i <= 4; ++i) 送る(QEvent::MouseMove, a + (b - a) * i / 4, Qt::NoButton, Qt::LeftButton);
        送る(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton, m);
    }
    void 押す(int c, int r) { 台本の対局(*w).押す(c, r); }
    // A two-person game, with the window's options of play as given.
    void 始める(bool 付ける) {
        for (const char* 名 : {"SOUSA_DRAG", "SOUSA_NARI", "SOUSA_KAKUNIN", "HYOUJI_JOUKYOU"}) w->印を変える(名, 付ける);
        台本の対局(*w).始める();
        告知.clear();
    }
    // Moves the bottom side's pawn of column 3 to row 4: from there its
    // step into row 3 may promote.  Answers that move, found as the rules
    // find it.
    std::array<int, 4> 成れる手を置く() {
        状態& st = s();
        st.盤[3][4] = st.盤[3][7];
        st.盤[3][7] = 空;
        画面_再描画(st, *w);
        for (const auto& m : 台本の対局::指せる手(st))
            if (調査_駒成(st, m[0], m[1], m[2], m[3], st.盤[m[0]][m[1]]) == 真) return m;
        ADD_FAILURE() << "no move that may promote";
        return {};
    }
};

std::string 好みの中身() {
    std::ifstream in(好み設定ファイル名);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST_F(遊びの窓, 操作の選択肢は好みに残り既定で付く) {
    w->好み設定を読む();
    EXPECT_TRUE(s().表示.ドラッグ && s().表示.成り選択 && s().表示.投了確認 && s().表示.状況行);
    for (const char* 名 : {"SOUSA_DRAG", "SOUSA_NARI", "SOUSA_KAKUNIN", "HYOUJI_JOUKYOU"}) {
        ASSERT_NE(w->メニュー(名), nullptr) << 名;
        EXPECT_TRUE(w->メニュー(名)->isChecked()) << 名;
        w->メニュー(名)->trigger();
        EXPECT_FALSE(w->メニュー(名)->isChecked()) << 名;
    }
    EXPECT_EQ(好みの中身(), "careful_questions=off\ndrag_and_drop=off\npromotion_chooser=off\nstatus_line=off\n");
    auto 次 = std::make_unique<窓>(false);
    次->好み設定を読む();
    EXPECT_FALSE(次->状態参照().表示.ドラッグ || 次->状態参照().表示.成り選択 || 次->状態参照().表示.投了確認 ||
                 次->状態参照().表示.状況行);
}

TEST_F(遊びの窓, 駒を引いて離したところに指す) {
    struct 行 {
        const char* 何;
        bool 付ける;
        int 先列, 先行;
        int 手数;      // moves made
        int 選択状態;  // afterwards: 0 after a move or a refusal, 1 while still picked up
    };
    const 行 表[] = {
        {"to a square it may go to", true, 3, 6, 1, 0},
        {"with the option off only picks up", false, 3, 6, 0, 1},
        {"out of its reach is refused", true, 3, 4, 0, 0},
        {"off the board goes back", true, 0, 0, 0, 1},
        {"back onto its own square", true, 3, 7, 0, 1},
        {"onto a piece of its own side goes back", true, 2, 8, 0, 1},
    };
    for (const 行& t : 表) {
        SetUp();
        始める(t.付ける);
        const int 前 = s().盤[3][7];
        if (t.先列 == 0) {
            送る(QEvent::MouseButtonPress, 点(3, 7), Qt::LeftButton, Qt::LeftButton);
            送る(QEvent::MouseMove, 点(3, 7) + QPointF(0, -400), Qt::NoButton, Qt::LeftButton);
            送る(QEvent::MouseButtonRelease, 点(3, 7) + QPointF(0, -400), Qt::LeftButton, Qt::NoButton);
        } else {
            引く(3, 7, t.先列, t.先行);
        }
        EXPECT_EQ(s().棋譜手数, t.手数) << t.何;
        EXPECT_EQ(s().操作.選択状態, t.選択状態) << t.何;
        EXPECT_EQ(s().盤[3][7], t.手数 == 1 ? 空 : 前) << t.何;
        // With nothing else to say, the status line tells whose move it is.
        if (t.付ける && t.選択状態 == 0) {
            EXPECT_EQ(w->状況行の文(), QString::fromUtf8(t.手数 == 1 ? "後手の番です" : "先手の番です")) << t.何;
        }
        // Click-click goes on as before after any of them.
        if (t.手数 == 0) {
            if (s().操作.選択状態 == 0) 押す(3, 7);
            押す(3, 6);
            EXPECT_EQ(s().棋譜手数, 1) << t.何;
        }
    }
}

TEST_F(遊びの窓, 成れる手は成るか聞いて答えのとおりに指す) {
    struct 行 {
        const char* 何;
        bool 付ける;
        Qt::KeyboardModifiers 修飾;  // Ctrl on the second press promotes at once
        応答 答え;
        bool 聞く, 指す, 成る;
    };
    const 行 表[] = {
        {"成る", true, {}, 応答::はい, true, true, true},
        {"成らない", true, {}, 応答::いいえ, true, true, false},
        {"put away: the piece stays", true, {}, 応答::なし, true, false, false},
        {"Ctrl promotes at once", true, Qt::ControlModifier, 応答::いいえ, false, true, true},
        {"option off: never promotes", false, {}, 応答::はい, false, true, false},
        {"option off, Ctrl promotes", false, Qt::ControlModifier, 応答::いいえ, false, true, true},
    };
    for (const 行& t : 表) {
        SetUp();
        始める(t.付ける);
        const auto m = 成れる手を置く();
        const int 駒 = s().盤[m[0]][m[1]];
        std::vector<std::pair<int, int>> 聞かれた;
        w->自動成り選択 = [&](int c, int r) {
            聞かれた.push_back({c, r});
            return t.答え;
        };
        押す(m[0], m[1]);
        QTest::mouseClick(w->キャンバス(), Qt::LeftButton, t.修飾, 点(m[2], m[3]).toPoint());
        QApplication::processEvents();
        EXPECT_EQ(聞かれた.size(), t.聞く ? 1u : 0u) << t.何;
        if (t.聞く && !聞かれた.empty()) {
            EXPECT_EQ(聞かれた[0], std::make_pair(m[2], m[3])) << t.何;
        }
        EXPECT_EQ(s().棋譜手数, t.指す ? 1 : 0) << t.何;
        EXPECT_EQ(s().操作.選択状態, 0) << t.何;
        if (t.指す) {
            EXPECT_EQ(駒型(s().盤[m[2]][m[3]]) != 駒型(駒), t.成る) << t.何;
        } else {
            EXPECT_EQ(s().盤[m[0]][m[1]], 駒) << t.何;
        }
    }
}

// The chooser itself: a small menu at the destination, answered by its keys.
TEST_F(遊びの窓, 成りの選択は目的の桝の横の小さなメニューでキーでも選べる) {
    for (auto [キー, 成る] : {std::pair{Qt::Key_Y, true}, std::pair{Qt::Key_N, false}}) {
        SetUp();
        始める(true);
        const auto m = 成れる手を置く();
        const int 駒 = s().盤[m[0]][m[1]];
        QStringList 項目;
        QPoint 場所;
        QTimer::singleShot(50, [&, キー = キー] {
            auto* 箱 = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!箱) return;
            for (QAction* a : 箱->actions()) 項目 << a->text();
            場所 = w->キャンバス()->mapFromGlobal(箱->pos());
            QTest::keyClick(箱, キー);
        });
        押す(m[0], m[1]);
        押す(m[2], m[3]);
        EXPECT_EQ(項目, QStringList({"成る(&Y)", "成らない(&N)"}));
        const QPoint 桝 = w->ツイップから位置(盤原点X + 桝幅 * m[2], 盤原点Y + 桝高 * m[3]);
        EXPECT_NEAR(場所.x(), 桝.x() + 30, 4);
        EXPECT_NEAR(場所.y(), 桝.y() + 10, 4);
        EXPECT_EQ(s().棋譜手数, 1);
        EXPECT_EQ(駒型(s().盤[m[2]][m[3]]) != 駒型(駒), 成る);
    }
}

TEST_F(遊びの窓, 何も聞かない知らせは盤の下の行に出る) {
    struct 行 {
        const char* 何;
        bool 付ける;
        const char* 操作;  // a menu item's control name
        言語 l;
        const char* 行の文;  // the status line afterwards
        std::size_t 箱;      // boxes shown
    };
    const 行 表[] = {
        {"a new game: whose move", true, "START", 言語::日本語, "先手の番です", 0},
        {"in English", true, "START", 言語::英語, "Black's move (先手)", 0},
        {"a refusal with its reason", true, "REPLAY", 言語::日本語, "戻る：できません", 0},
        {"the result", true, "TOURYOU", 言語::日本語, "終了：後手の勝ちです", 1},
        {"option off: boxes as before", false, "START", 言語::日本語, "", 1},
    };
    for (const 行& t : 表) {
        SetUp();
        w->言語を変える(t.l);
        始める(t.付ける);
        if (std::string(t.操作) != "START") {
            w->自動応答 = [this](const std::string& 本文, const std::string&, ボタン) {
                告知.push_back(本文);
                return 応答::はい;
            };
            w->メニュー(t.操作)->trigger();
        } else {
            告知.clear();
            w->メニュー("START")->trigger();
        }
        QApplication::processEvents();
        EXPECT_EQ(w->状況行の文(), QString::fromUtf8(t.行の文)) << t.何;
        EXPECT_EQ(告知.size(), t.箱) << t.何;
        EXPECT_EQ(w->findChild<QStatusBar*>() != nullptr && w->findChild<QStatusBar*>()->isVisible(), t.付ける) << t.何;
        w->言語を変える(言語::日本語);
    }
}

TEST_F(遊びの窓, 投了は先に聞きいいえなら続く) {
    struct 行 {
        bool 付ける;
        応答 答え;
        std::size_t 問い;
        bool 終わる;
    };
    const 行 表[] = {
        {true, 応答::はい, 1, true},
        {true, 応答::いいえ, 1, false},
        {true, 応答::なし, 1, false},
        {false, 応答::いいえ, 0, true},
    };
    for (const 行& t : 表) {
        SetUp();
        始める(t.付ける);
        押す(3, 7);
        押す(3, 6);
        std::size_t 問い = 0;
        w->自動応答 = [&](const std::string& 本文, const std::string&, ボタン b) {
            if (b == ボタン::はいいいえ && 本文 == "投了しますか？") ++問い;
            return b == ボタン::はいいいえ ? t.答え : 応答::OK;
        };
        w->メニュー("TOURYOU")->trigger();
        EXPECT_EQ(問い, t.問い) << t.付ける << static_cast<int>(t.答え);
        EXPECT_EQ(s().勝者 != 手番_なし, t.終わる) << t.付ける << static_cast<int>(t.答え);
    }
}

// Pictures for the documentation: a drag under way and the chooser, in
// both languages.
TEST_F(遊びの窓, 遊びの写真) {
    const QByteArray 先 = qgetenv("VZ_SCREENSHOT_DIR");
    if (先.isEmpty()) GTEST_SKIP() << "VZ_SCREENSHOT_DIR not set";
    for (auto [l, 名] : {std::pair{言語::日本語, "japanese"}, std::pair{言語::英語, "english"}}) {
        SetUp();
        w->言語を変える(l);
        始める(true);
        告知.clear();
        w->メニュー("START")->trigger();
        // A drag under way: the pawn carried half-way up.
        送る(QEvent::MouseButtonPress, 点(3, 7), Qt::LeftButton, Qt::LeftButton);
        送る(QEvent::MouseMove, (点(3, 7) + 点(3, 6)) / 2 + QPointF(6, -4), Qt::NoButton, Qt::LeftButton);
        w->キャンバス()->repaint();
        EXPECT_TRUE(w->grab().save(QDir(QString::fromLocal8Bit(先)).filePath(QString("drag-%1-scale1.png").arg(名))));
        送る(QEvent::MouseButtonRelease, 点(3, 7) + QPointF(0, -400), Qt::LeftButton, Qt::NoButton);  // back
        押す(3, 7);  // put down
        // The chooser at the destination.
        const auto m = 成れる手を置く();
        w->キャンバス()->repaint();
        QTimer::singleShot(50, [&, 名 = 名] {
            auto* 箱 = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!箱) return;
            QPixmap 絵 = w->grab();
            {
                QPainter g(&絵);
                g.drawPixmap(w->mapFromGlobal(箱->pos()), 箱->grab());
            }
            絵.save(QDir(QString::fromLocal8Bit(先)).filePath(QString("promotion-%1-scale1.png").arg(名)));
            QTest::keyClick(箱, Qt::Key_Escape);
        });
        押す(m[0], m[1]);
        押す(m[2], m[3]);
        // The board turned half round.
        w->印を変える("HYOUJI_MAWASU", true);
        w->キャンバス()->repaint();
        EXPECT_TRUE(w->grab().save(QDir(QString::fromLocal8Bit(先)).filePath(QString("turned-%1-scale1.png").arg(名))));
        w->印を変える("HYOUJI_MAWASU", false);
        // The new game dialog.
        新しい対局窓 d({true, 3, true, 2}, 5, w.get());
        d.show();
        QApplication::processEvents();
        EXPECT_TRUE(d.grab().save(QDir(QString::fromLocal8Bit(先)).filePath(QString("newgame-%1-scale1.png").arg(名))));
    }
}

TEST_F(遊びの窓, 新しい対局の窓で選んだとおりに始まり選択を覚える) {
    struct 行 {
        新しい対局の選択 c;
        int 種別, 手番_MAN;
    };
    const 行 表[] = {
        {{false, 1, true, 0}, 対局_人間, 先手},
        {{true, 3, true, -2}, 対局_COM, 先手},
        {{true, 1, false, 4}, 対局_COM, 後手},
        {{false, 2, true, 10}, 対局_人間, 先手},
    };
    for (const 行& t : 表) {
        SetUp();
        始める(true);
        押す(3, 7);
        押す(3, 6);  // a game under way: thrown away only when the player says so
        w->自動応答 = [this](const std::string& 本文, const std::string&, ボタン b) {
            告知.push_back(本文);
            return b == ボタン::はいいいえ ? 応答::いいえ : 応答::OK;
        };
        EXPECT_FALSE(新しい対局を始める(*w, t.c));
        EXPECT_EQ(s().棋譜手数, 1);
        告知.clear();
        w->自動応答 = [this](const std::string& 本文, const std::string&, ボタン) {
            告知.push_back(本文);
            return 応答::はい;
        };
        ASSERT_TRUE(新しい対局を始める(*w, t.c));
        EXPECT_EQ(告知, std::vector<std::string>{"今の対局を終わりにしますか？"});
        EXPECT_EQ(s().操作.対局種別, t.種別);
        EXPECT_EQ(s().操作.ハンデレベル, t.c.ハンデ);
        EXPECT_EQ(s().手番_MAN, t.手番_MAN);
        if (t.c.COM) {
            EXPECT_EQ(s().レベル, t.c.レベル);
        }
        EXPECT_NE(s().手番, 手番_なし);
        // Kept, and offered again by the dialog.
        新しい対局の好みを書く(t.c);
        EXPECT_EQ(新しい対局の好み(), t.c);
        新しい対局窓 d(新しい対局の好み(), 5, w.get());
        EXPECT_EQ(d.選択(), t.c);
    }
    // Ctrl+N opens it.
    ASSERT_NE(w->メニュー("SHINKI"), nullptr);
    EXPECT_EQ(w->メニュー("SHINKI")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
}

// A level chosen under the ladders of fifteen and sixteen comes back as
// the same strength: their tops (15, 16) as today's top.
TEST_F(遊びの窓, 前の段で選んだ強さは同じ強さで戻る) {
    struct 例 {
        const char* 中身;
        int レベル;
    };
    for (const 例& e : {例{"new_game_level=15\n", 最強レベル}, 例{"new_game_level=9\n", 9},
                        例{"new_game_level=15\nnew_game_strength=15\n", 15}, 例{"new_game_strength=16\n", 最強レベル},
                        例{"new_game_strength=16\nnew_game_ladder=17\n", 16}, 例{"", 1}}) {
        ASSERT_EQ(好み設定::解読(e.中身).書く(好み設定ファイル名), 0);
        EXPECT_EQ(新しい対局の好み().レベル, e.レベル) << e.中身;
    }
}

TEST_F(遊びの窓, ﾊﾝﾃﾞｨｷｬｯﾌﾟの説明は枚数の複数形も英語にする) {
    struct 行 {
        int ハンデ;
        const char* 日本語;
        const char* 英語;
    };
    const 行 表[] = {
        {0, "平手です。どちらも駒を落としません。", "An even game: neither side gives any piece."},
        {1, "上の側（コンピュータ、二人なら後手）が駒を1枚落とします。",
         "The top side (the computer, or 後手 White) plays without 1 piece."},
        {4, "上の側（コンピュータ、二人なら後手）が駒を4枚落とします。",
         "The top side (the computer, or 後手 White) plays without 4 pieces."},
        {-10, "下の側（あなた、二人なら先手）が駒を10枚落とします。",
         "The bottom side (you, or 先手 Black) plays without 10 pieces."},
    };
    for (const 行& t : 表) {
        EXPECT_EQ(ハンデの説明(t.ハンデ), QString::fromUtf8(t.日本語));
        w->言語を変える(言語::英語);
        EXPECT_EQ(ハンデの説明(t.ハンデ), QString::fromUtf8(t.英語));
        w->言語を変える(言語::日本語);
    }
}

TEST_F(遊びの窓, 太い枠は選んだ駒を三画素の赤で囲みカーソルも太くする) {
    for (bool 付ける : {true, false}) {
        SetUp();
        始める(false);
        w->印を変える("HYOUJI_FUTOI", 付ける);
        押す(3, 7);
        for (int k : {1, 2}) {
            const QImage img = w->見える画像(k);
            const auto 角 = [k](int t) { return static_cast<int>(std::lround(k * t / 15.0)); };
            const int x = 角(盤原点X + 桝幅 * 3), y = 角(盤原点Y + 桝高 * 7);
            int 赤 = 0;
            for (int d = 1; d <= 3; ++d)
                if (img.pixelColor(x + k * d, y + k * 20) == QColor(Qt::red)) ++赤;
            EXPECT_EQ(赤, 付ける ? 3 : 0) << 付ける << k;
        }
    }
}

// A game kept while the computer was thinking, taken up at the next start:
// carefully, the computer takes its turn at once; as before, it waits for
// a press on the board.
TEST(遊びの再開, コンピュータの番で再開するとすぐに考える) {
    テスト用アプリ();
    qputenv("SDL_AUDIODRIVER", "dummy");
    for (bool 付ける : {true, false}) {
        一時フォルダ 場所;
        {
            窓 w(false);
            w.自動応答 = [](const std::string&, const std::string&, ボタン) { return 応答::OK; };
            w.起動だけ();
            w.自動保存を始める();
            w.メニュー("LEVEL17")->trigger();  // thinks for a second: still thinking when the window goes
            w.メニュー("SENTE")->trigger();
            台本の対局(w).押す(3, 7);
            台本の対局(w).押す(3, 6);
            // The move's pause runs on the event loop; then the computer thinks.
            QElapsedTimer t;
            t.start();
            while (!w.状態参照().操作.COM思考中 && t.elapsed() < 3000) QApplication::processEvents(QEventLoop::AllEvents, 20);
            ASSERT_TRUE(w.状態参照().操作.COM思考中);
        }  // gone while the computer thinks: the human's move is kept
        窓 w(false);
        w.自動応答 = [](const std::string&, const std::string&, ボタン b) {
            return b == ボタン::はいいいえ ? 応答::はい : 応答::OK;
        };
        w.状態参照().表示.投了確認 = 付ける;
        w.起動だけ();
        w.自動保存を始める();
        EXPECT_EQ(w.状態参照().手数, 1);
        EXPECT_EQ(w.状態参照().操作.COM思考中, 付ける) << 付ける;
        w.思考().止める();
        w.状態参照().操作.COM思考中 = false;
    }
}

// The real boxes: the about box names the licence; carefully, resigning is
// asked with いいえ ready, and the time the question was up is not charged.
TEST_F(遊びの窓, 本物の箱_バージョン情報は許諾を示し投了の問いはいいえが既定で時間を取らない) {
    始める(true);
    w->自動応答 = nullptr;
    QString 文;
    bool いいえが既定 = false;
    const auto 答える = [&](QMessageBox::StandardButton b) {
        QTimer::singleShot(80, Qt::PreciseTimer, w.get(), [&, b] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            文 = box->text();
            いいえが既定 = box->defaultButton() == box->button(QMessageBox::No);
            box->button(b)->click();
        });
    };
    答える(QMessageBox::Ok);
    w->メニュー("VER")->trigger();
    EXPECT_TRUE(文.contains("GPL")) << 文.toStdString();
    押す(3, 7);
    押す(3, 6);
    const double 前 = s().時計.開始時刻;
    答える(QMessageBox::No);
    w->メニュー("TOURYOU")->trigger();
    EXPECT_EQ(文, QString::fromUtf8("投了しますか？"));
    EXPECT_TRUE(いいえが既定);
    EXPECT_EQ(s().勝者, 手番_なし);
    EXPECT_GE(s().時計.開始時刻 - 前, 0.07);  // moved on by the time the box was up
}

namespace {

// The difference between two pictures of one size, per channel, of the
// mean colours of their four quarters: a pixel's shift
// from rounding does not count.
double 四分の違い(const QImage& a, const QImage& b) {
    const auto 四分 = [](const QImage& 画, int i) {
        const int w = 画.width() / 2, h = 画.height() / 2;
        const QImage q = 画.copy((i % 2) * w, (i / 2) * h, w, h).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return q.pixelColor(0, 0);
    };
    double d = 0;
    for (int i = 0; i < 4; ++i) {
        const QColor p = 四分(a, i), q = 四分(b, i);
        d += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
    }
    return d / 12.0;
}

}  // namespace

TEST_F(遊びの窓, 回した盤は桝も持駒も半回転し押した桝も回して受け取る) {
    始める(false);
    押す(3, 7);
    押す(3, 6);
    const auto 桝の絵 = [this](const QImage& 画, int c, int r) {
        const QPoint a = w->ツイップから位置(盤原点X + 桝幅 * c + 45, 盤原点Y + 桝高 * r + 45);
        const QPoint b = w->ツイップから位置(盤原点X + 桝幅 * (c + 1) - 45, 盤原点Y + 桝高 * (r + 1) - 45);
        return 画.copy(QRect(a, b - QPoint(1, 1)));
    };
    const QImage 前 = w->キャンバス()->grab().toImage();
    w->印を変える("HYOUJI_MAWASU", true);
    ASSERT_TRUE(w->盤を回している());
    const QImage 後 = w->キャンバス()->grab().toImage();
    struct 行 {
        int 列, 行;
    };
    // Squares with pieces of both sides (which are not the same turned
    // round), an empty one, a hand slot: each shows at its turned place,
    // turned, compared quarter by quarter.
    for (const 行& t : {行{3, 6}, 行{2, 8}, 行{5, 1}, 行{4, 5}, 行{持駒列_MAN, 4}}) {
        const QImage 元 = 桝の絵(前, t.列, t.行);
        const QImage 先 = 桝の絵(後, 10 - t.列, 10 - t.行);
        EXPECT_LT(四分の違い(元.mirrored(true, true), 先), 6.0) << t.列 << "," << t.行;
        if (t.列 <= 9 && s().盤[t.列][t.行] != 空) {
            EXPECT_GT(四分の違い(元, 先), 8.0) << t.列 << "," << t.行;
        }
    }
    // The top side moves by pressing where the board shows its pieces.
    const int 前の手 = s().棋譜手数;
    const std::array<int, 4> m = 台本の対局::指せる手(s()).front();
    押す(10 - m[0], 10 - m[1]);
    押す(10 - m[2], 10 - m[3]);
    EXPECT_EQ(s().棋譜手数, 前の手 + 1);
    // The keyboard's cursor walks the way the screen shows.
    const キーカーソル 元 = w->カーソル();
    QTest::keyClick(w->windowHandle(), Qt::Key_Left);
    QApplication::processEvents();
    EXPECT_EQ(w->カーソル().列, 元.列 + (元.列 < 9 ? 1 : 0));
    w->印を変える("HYOUJI_MAWASU", false);
    EXPECT_FALSE(w->盤を回している());
}

TEST_F(遊びの窓, 後手の番で盤を回す選択は二人の対局の後手の番だけ回す) {
    struct 行 {
        bool 付ける;
        bool 二人;
        std::vector<bool> 回る;  // before the first move, after it, after the second
    };
    const 行 表[] = {
        {true, true, {false, true, false}},
        {false, true, {false, false, false}},
        {true, false, {false, false, false}},
    };
    for (const 行& t : 表) {
        SetUp();
        w->印を変える("HYOUJI_GOTE_MAWASU", t.付ける);
        if (t.二人) {
            台本の対局(*w).始める();
        } else {
            w->メニュー("LEVEL1")->trigger();
            w->メニュー("SENTE")->trigger();
        }
        台本の対局 g(*w);
        EXPECT_EQ(w->盤を回している(), t.回る[0]);
        if (t.二人) {
            ASSERT_TRUE(g.一手());
        } else {
            押す(3, 7);
            押す(3, 6);
        }
        EXPECT_EQ(w->盤を回している(), t.回る[1]);
        if (t.二人) {
            // 後手 presses where the screen shows the pieces.
            const int 回 = w->盤を回している() ? 10 : 0;
            const auto m = 台本の対局::指せる手(s()).front();
            押す(回 ? 回 - m[0] : m[0], 回 ? 回 - m[1] : m[1]);
            押す(回 ? 回 - m[2] : m[2], 回 ? 回 - m[3] : m[3]);
            ASSERT_EQ(s().棋譜手数, 2);
        }
        EXPECT_EQ(w->盤を回している(), t.回る[2]);
    }
}
