// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/new_game_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "front/qt/language.h"
#include "front/qt/window.h"
#include "store/preferences.h"
#include "view/render.h"

namespace {

QString 訳(const char* 文, int n = -1) { return QCoreApplication::translate("NewGame", 文, nullptr, n); }

// Keys of the preferences store.
constexpr const char* 鍵_相手 = "new_game_opponent";  // "computer" or "person"
constexpr const char* 鍵_レベル = "new_game_strength";  // 1..最強レベル
// How many strengths the ladder had that wrote the level (none: sixteen).
constexpr const char* 鍵_段数 = "new_game_ladder";
// Written by the ladder of fifteen.
constexpr const char* 鍵_十五段のレベル = "new_game_level";
constexpr const char* 鍵_手番 = "new_game_side";        // "first" or "second"
constexpr const char* 鍵_ハンデ = "new_game_handicap";  // −10..10

int 数(const std::string& t, int 既定, int 下, int 上) {
    try {
        std::size_t n = 0;
        const int v = std::stoi(t, &n);
        if (n == t.size() && v >= 下 && v <= 上) return v;
    } catch (...) {
    }
    return 既定;
}

int 最強のレベル(const 窓& w) {
    int n = 0;
    while (w.メニュー(QString("LEVEL%1").arg(n + 1))) ++n;
    return std::max(n, 1);
}

}  // namespace

新しい対局の選択 新しい対局の好み() {
    好み設定 帳;
    帳.読む(好み設定ファイル名);
    新しい対局の選択 c;
    c.COM = 帳.値(鍵_相手, "computer") != "person";
    c.レベル = 数(帳.値(鍵_レベル), 0, 1, 99);
    if (c.レベル != 0) c.レベル = 今の段(数(帳.値(鍵_段数), 16, 1, 99), c.レベル);
    else c.レベル = 今の段(15, 数(帳.値(鍵_十五段のレベル), 1, 1, 99));
    c.先手 = 帳.値(鍵_手番, "first") != "second";
    c.ハンデ = 数(帳.値(鍵_ハンデ), 0, -10, 10);
    return c;
}

void 新しい対局の好みを書く(const 新しい対局の選択& c) {
    好み設定 帳;
    if (帳.読む(好み設定ファイル名) != 0) return;
    帳.設定(鍵_相手, c.COM ? "computer" : "person");
    帳.設定(鍵_レベル, std::to_string(c.レベル));
    帳.設定(鍵_段数, std::to_string(最強レベル));
    帳.設定(鍵_手番, c.先手 ? "first" : "second");
    帳.設定(鍵_ハンデ, std::to_string(c.ハンデ));
    帳.書く(好み設定ファイル名);
}

QString ハンデの説明(int ハンデ) {
    // The grade is the bottom player's strength against the top one: the
    // stronger gives pieces away, one more at each step.
    if (ハンデ == 0)
        //: The handicap dialog: grade ２級 is an even game.
        return 訳(QT_TRANSLATE_NOOP("NewGame", "平手です。どちらも駒を落としません。"));
    if (ハンデ < 0)
        //: The handicap dialog: the bottom side (the player against the computer; 先手 in a two-person game) gives n pieces.
        return 訳(QT_TRANSLATE_N_NOOP("NewGame", "下の側（あなた、二人なら先手）が駒を%n枚落とします。"), -ハンデ);
    //: The handicap dialog: the top side (the computer; 後手 in a two-person game) gives n pieces.
    return 訳(QT_TRANSLATE_N_NOOP("NewGame", "上の側（コンピュータ、二人なら後手）が駒を%n枚落とします。"), ハンデ);
}

新しい対局窓::新しい対局窓(const 新しい対局の選択& 初め, int 最強, QWidget* 親) : QDialog(親) {
    setObjectName("SHINKI_TAIKYOKU");
    //: Title of the new game dialog (対局 → 新しい対局…).
    setWindowTitle(訳(QT_TRANSLATE_NOOP("NewGame", "新しい対局")));
    相手_ = new QComboBox(this);
    相手_->setObjectName("AITE");
    //: Opponent: two people taking turns at one board.
    相手_->addItem(訳(QT_TRANSLATE_NOOP("NewGame", "人間（二人で交互に指す）")));
    for (int l = 1; l <= 最強; ++l)
        //: Opponent: the computer at a level (LEVEL 1 the weakest).
        相手_->addItem(訳(QT_TRANSLATE_NOOP("NewGame", "コンピュータ LEVEL%1")).arg(l));
    手番_ = new QComboBox(this);
    手番_->setObjectName("TEBAN");
    //: Against the computer: the player moves first (先手, Black).
    手番_->addItem(訳(QT_TRANSLATE_NOOP("NewGame", "先手（先に指す）")));
    //: Against the computer: the computer moves first, the player second (後手, White).
    手番_->addItem(訳(QT_TRANSLATE_NOOP("NewGame", "後手（後に指す）")));
    ハンデ_ = new QComboBox(this);
    ハンデ_->setObjectName("HANDE");
    for (int h = -10; h <= 10; ++h) ハンデ_->addItem(ゲームの文(文字列_固定(h)), h);
    説明_ = new QLabel(this);
    説明_->setObjectName("SETSUMEI");
    説明_->setWordWrap(true);
    auto* 段級 = new QLabel(
        //: The handicap dialog: what the grades mean (段 dan, 級 kyu; 名人 Meijin the highest).
        訳(QT_TRANSLATE_NOOP("NewGame", "段級は下の側の強さの目安です。名人がいちばん強く、８段…初段、１級…12級と下がります。"
                                        "２級が平手で、そこから一段ごとに駒を一枚ずつ落とします。")),
        this);
    段級->setWordWrap(true);
    auto* 表 = new QFormLayout;
    //: The new game dialog: who plays against the player.
    表->addRow(訳(QT_TRANSLATE_NOOP("NewGame", "相手")), 相手_);
    //: The new game dialog: which side the player takes against the computer.
    表->addRow(訳(QT_TRANSLATE_NOOP("NewGame", "手番")), 手番_);
    //: The new game dialog: the handicap grade.
    表->addRow(訳(QT_TRANSLATE_NOOP("NewGame", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ")), ハンデ_);
    auto* ボタン = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    //: The new game dialog's button that starts the game.
    ボタン->button(QDialogButtonBox::Ok)->setText(訳(QT_TRANSLATE_NOOP("NewGame", "対局開始")));
    ボタン->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("Window", "キャンセル"));
    connect(ボタン, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ボタン, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* 縦 = new QVBoxLayout(this);
    縦->addLayout(表);
    縦->addWidget(説明_);
    縦->addWidget(段級);
    縦->addWidget(ボタン);
    相手_->setCurrentIndex(初め.COM ? std::clamp(初め.レベル, 1, 最強) : 0);
    手番_->setCurrentIndex(初め.先手 ? 0 : 1);
    ハンデ_->setCurrentIndex(初め.ハンデ + 10);
    connect(相手_, &QComboBox::currentIndexChanged, this, [this] { 揃える(); });
    connect(ハンデ_, &QComboBox::currentIndexChanged, this, [this] { 揃える(); });
    揃える();
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 36);
}

void 新しい対局窓::揃える() {
    手番_->setEnabled(相手_->currentIndex() > 0);
    説明_->setText(ハンデの説明(ハンデ_->currentData().toInt()));
}

新しい対局の選択 新しい対局窓::選択() const {
    新しい対局の選択 c;
    c.COM = 相手_->currentIndex() > 0;
    c.レベル = c.COM ? 相手_->currentIndex() : 新しい対局の好み().レベル;
    c.先手 = 手番_->currentIndex() == 0;
    c.ハンデ = ハンデ_->currentData().toInt();
    return c;
}

bool 新しい対局を始める(窓& w, const 新しい対局の選択& c) {
    状態& s = w.状態参照();
    auto 押す = [&w](const QString& 名) {
        if (QAction* a = w.メニュー(名)) a->trigger();
    };
    // 最初: a game in progress is thrown away only when the player says so.
    押す("CANCEL");
    if (s.手番 != 手番_なし || s.棋譜手数 != 0) return false;
    for (int i = 0; i < 21 && s.操作.ハンデレベル < c.ハンデ; ++i) 押す("LBEL_UP");
    for (int i = 0; i < 21 && s.操作.ハンデレベル > c.ハンデ; ++i) 押す("LEBEL_DOWN");
    if (!c.COM) {
        押す("START");
        return true;
    }
    押す(QString("LEVEL%1").arg(c.レベル));
    押す(c.先手 ? "SENTE" : "GOTE");
    return true;
}

bool 新しい対局を選ぶ(窓& w) {
    新しい対局窓 d(新しい対局の好み(), 最強のレベル(w), &w);
    if (d.exec() != QDialog::Accepted) return false;
    const 新しい対局の選択 c = d.選択();
    新しい対局の好みを書く(c);
    return 新しい対局を始める(w, c);
}
