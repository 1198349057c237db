// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/learn_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "front/qt/language.h"
#include "front/qt/pictures.h"
#include "view/notation.h"
#include "view/platform.h"
#include "store/preferences.h"
#include "view/tr.h"

namespace {

constexpr int 桝 = 41;  // a cell, in logical pixels, as the game's board draws it

QString 駒の名(int v) {
    switch (駒型(v)) {
        case 10: return QCoreApplication::translate("Learn", "歩");
        case 11: return QCoreApplication::translate("Learn", "と");
        case 20: return QCoreApplication::translate("Learn", "香");
        case 21: return QCoreApplication::translate("Learn", "成香");
        case 30: return QCoreApplication::translate("Learn", "桂");
        case 31: return QCoreApplication::translate("Learn", "成桂");
        case 40: return QCoreApplication::translate("Learn", "銀");
        case 41: return QCoreApplication::translate("Learn", "成銀");
        case 50: return QCoreApplication::translate("Learn", "金");
        case 60: return QCoreApplication::translate("Learn", "角");
        case 61: return QCoreApplication::translate("Learn", "馬");
        case 70: return QCoreApplication::translate("Learn", "飛");
        case 71: return QCoreApplication::translate("Learn", "竜");
        case 80: return QCoreApplication::translate("Learn", "王");
    }
    return {};
}

QString 向きの名(int f) {
    switch (f) {
        case 0: return QCoreApplication::translate("Learn", "下");
        case 1: return QCoreApplication::translate("Learn", "左");
        case 2: return QCoreApplication::translate("Learn", "上");
        default: return QCoreApplication::translate("Learn", "右");
    }
}

// "５六" in Japanese, "5-6" in English (column, row).
QString 桝の名(int x, int y) {
    if (今の言語() == 言語::英語) return QString("%1-%2").arg(x).arg(y);
    return QString::fromStdString(文字列変換(x) + 文字列変換(1000 + y));
}

// A move as the player reads it, in the position before it.
QString 手の言葉(const 対局& g, const 対局の手& m) {
    if (m.打ち())
        return QCoreApplication::translate("Learn", "%1を%2に打つ").arg(駒の名(m.打 * 100), 桝の名(m.先X, m.先Y));
    QString s = QCoreApplication::translate("Learn", "%1 %2→%3")
                    .arg(駒の名(g.駒(m.元X, m.元Y)), 桝の名(m.元X, m.元Y), 桝の名(m.先X, m.先Y));
    if (m.成) s += QCoreApplication::translate("Learn", "(成る)");
    return s;
}

}  // namespace

std::string 組み込みの問題集() {
    QFile f(":/puzzles/puzzles.txt");
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

// ---- the board with both hands ------------------------------------------
// Row 0 holds the top side's hand, rows 1..9 the board, row 10 the bottom
// side's hand; hand slots are columns 1..7 for kinds 7 (rook) .. 1 (pawn).
class 学ぶ盤 : public QWidget {
public:
    explicit 学ぶ盤(学ぶ窓& w) : QWidget(&w), w_(w) {
        setFixedSize(9 * 桝 + 2, 11 * 桝 + 2);
        setFocusPolicy(Qt::StrongFocus);
    }
    // A puzzle for the top side is shown turned round, the solver's side at
    // the bottom.
    bool 回す() const { return w_.問題の時_ && w_.問題_->数() > 0 && w_.問題_->解く側() == 上手; }
    // The top-left corner of board square (x, y), or of hand row 0 / 10.
    QPoint 角(int x, int y) const {
        if (回す()) {
            x = 10 - x;
            y = 10 - y;
        }
        return QPoint(1 + (x - 1) * 桝, 1 + y * 桝);
    }
    void 駒を描く(QPainter& p, QPoint at, int id, double r) const {
        if (!回す() || id >= 絵_空桝0) {
            p.drawImage(at, 絵(id, r));
            return;
        }
        p.save();
        p.translate(at + QPoint(桝, 桝));
        p.rotate(180);
        p.drawImage(QPoint(0, 0), 絵(id, r));
        p.restore();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const double r = devicePixelRatioF();
        p.fillRect(rect(), パレット色(8));
        const 対局& g = w_.局面();
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                const int v = g.駒(x, y);
                const int id = v != 空 ? v : (x + y) % 2 == 0 ? 絵_空桝1 : 絵_空桝2;
                駒を描く(p, 角(x, y), id, r);
            }
        for (int 側 : {上手, 下手}) {
            const int 行 = 側 == 上手 ? 0 : 10;
            for (int 種 = 7; 種 >= 1; --種) {
                const QPoint at = 角(8 - 種, 行);
                const int n = g.持駒(側, 種);
                駒を描く(p, at, n > 0 ? 打つ駒(側, 種) : 絵_空桝0, r);
                if (n > 1) {
                    p.setPen(パレット色(12));
                    p.drawText(QRect(at, QSize(桝 - 3, 桝 - 1)), Qt::AlignRight | Qt::AlignBottom, QString::number(n));
                }
            }
        }
        auto 枠 = [&](int x, int y, int 色) {
            p.setPen(QPen(パレット色(色), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(角(x, y) + QPoint(1, 1), QSize(桝 - 2, 桝 - 2)));
        };
        if (w_.最後あり_) {
            if (!w_.最後_.打ち()) 枠(w_.最後_.元X, w_.最後_.元Y, 9);
            枠(w_.最後_.先X, w_.最後_.先Y, 9);
        }
        if (w_.選X_ >= 1) 枠(w_.選X_, w_.選Y_, 12);
        if (w_.選X_ == 0) 枠(8 - w_.選種_, w_.選Y_, 12);
        if (w_.札表示_) 枠(w_.札X_, w_.札Y_, 14);
    }
    void mousePressEvent(QMouseEvent* e) override {
        int x = (static_cast<int>(e->position().x()) - 1) / 桝 + 1;
        int y = (static_cast<int>(e->position().y()) - 1) / 桝;
        if (x < 1 || x > 9 || y < 0 || y > 10) return;
        if (回す()) {
            x = 10 - x;
            y = 10 - y;
        }
        w_.札表示_ = false;
        if (y == 0 || y == 10) {
            if (x <= 7) w_.持駒を押す(y == 0 ? 上手 : 下手, 8 - x);
            return;
        }
        w_.押す(x, y, e->button() == Qt::RightButton);
    }

private:
    学ぶ窓& w_;
};

学ぶ窓::学ぶ窓(QWidget* 親, const std::string& 問題集) : QWidget(親, Qt::Window) {
    setObjectName("LearnWindow");
    問題_ = std::make_unique<問題の進行>(問題集を読む(問題集.empty() ? 組み込みの問題集() : 問題集));
    好み設定 帳;
    帳.読む(好み設定ファイル名);
    入門済み_ = 入門の記録を読む(帳.値(好み_入門));
    問題_->記録を読む(帳);

    一覧_ = new QListWidget(this);
    一覧_->setMinimumWidth(200);
    一覧_->setFocusPolicy(Qt::NoFocus);
    盤_ = new 学ぶ盤(*this);
    題_ = new QLabel(this);
    QFont f = 題_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    題_->setFont(f);
    目標_ = new QLabel(this);
    目標_->setWordWrap(true);
    目標_->setObjectName("goal");
    説明_ = new QLabel(this);
    説明_->setWordWrap(true);
    説明_->setObjectName("explanation");
    説明_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    進み_ = new QLabel(this);
    進み_->setWordWrap(true);
    やり直し_ = new QPushButton(this);
    次_ = new QPushButton(this);
    ヒント_ = new QPushButton(this);
    答え_ = new QPushButton(this);
    for (QPushButton* b : {やり直し_, 次_, ヒント_, 答え_}) b->setFocusPolicy(Qt::NoFocus);

    auto* 右 = new QVBoxLayout;
    右->addWidget(題_);
    右->addWidget(目標_);
    右->addWidget(説明_, 1);
    右->addWidget(進み_);
    auto* 釦 = new QHBoxLayout;
    for (QPushButton* b : {やり直し_, ヒント_, 答え_, 次_}) 釦->addWidget(b);
    右->addLayout(釦);
    auto* 全体 = new QHBoxLayout(this);
    全体->addWidget(一覧_);
    全体->addWidget(盤_, 0, Qt::AlignTop);
    auto* 右枠 = new QWidget(this);
    右枠->setLayout(右);
    右枠->setFixedWidth(300);
    全体->addWidget(右枠);

    connect(一覧_, &QListWidget::currentRowChanged, this, [this](int i) {
        if (i >= 0) 選ぶ(i);
    });
    connect(やり直し_, &QPushButton::clicked, this, [this] { やり直す(); });
    connect(次_, &QPushButton::clicked, this, [this] { 次へ(); });
    connect(ヒント_, &QPushButton::clicked, this, [this] { ヒント(); });
    connect(答え_, &QPushButton::clicked, this, [this] { 答え(); });
    入門を開く();
}

学ぶ窓::~学ぶ窓() = default;

QWidget* 学ぶ窓::盤() const { return 盤_; }

const 対局& 学ぶ窓::局面() const { return 問題の時_ ? 問題_->局面() : 入門_.局面(); }

void 学ぶ窓::入門を開く() {
    問題の時_ = false;
    int i = 0;
    while (i + 1 < static_cast<int>(入門済み_.size()) && 入門済み_[static_cast<std::size_t>(i)]) ++i;
    入門_.始める(i);
    説明文_.clear();
    最後あり_ = false;
    選X_ = -1;
    一覧を書く();
    表示を更新();
}

void 学ぶ窓::問題を開く() {
    問題の時_ = true;
    問題_->やり直す();
    説明文_.clear();
    最後あり_ = false;
    選X_ = -1;
    一覧を書く();
    表示を更新();
}

void 学ぶ窓::一覧を書く() {
    const QSignalBlocker 止め(一覧_);
    一覧_->clear();
    const QString 済 = QString::fromUtf8(" ✓");
    if (問題の時_) {
        for (int i = 0; i < 問題_->数(); ++i) {
            const 問題& p = 問題_->番の問題(i);
            一覧_->addItem(
                QCoreApplication::translate("Learn", "%1. %2手 難しさ%3").arg(i + 1).arg(p.手数).arg(p.等級) +
                (問題_->解いた(i) ? 済 : QString()));
        }
        一覧_->setCurrentRow(問題_->番号());
    } else {
        for (std::size_t i = 0; i < 課題一覧().size(); ++i)
            一覧_->addItem(QString("%1. ").arg(i + 1) + QCoreApplication::translate("Game", 課題一覧()[i].題) +
                           (入門済み_[i] ? 済 : QString()));
        一覧_->setCurrentRow(入門_.番号());
    }
}

void 学ぶ窓::表示を更新() {
    if (問題の時_) {
        setWindowTitle(QCoreApplication::translate("Learn", "学ぶ — 練習問題"));
        if (問題_->数() == 0) {
            題_->setText(QCoreApplication::translate("Learn", "練習問題がありません。"));
            目標_->clear();
        } else {
            題_->setText(QCoreApplication::translate("Learn", "練習問題 %1").arg(問題_->番号() + 1));
            const QString 側 = 問題_->解く側() == 下手 ? QCoreApplication::translate("Learn", "下の側の番です。")
                                                       : QCoreApplication::translate("Learn", "上の側の番です。");
            目標_->setText(
                側 + " " +
                QCoreApplication::translate("Learn", "%1手以内に王を取りましょう。").arg(問題_->今の問題().手数));
        }
        進み_->setText(QCoreApplication::translate("Learn", "解いた問題 %1/%2 連続正解 %3(最高 %4)")
                           .arg(問題_->解いた数())
                           .arg(問題_->数())
                           .arg(問題_->連続())
                           .arg(問題_->最高()));
        ヒント_->setVisible(true);
        答え_->setVisible(true);
        ヒント_->setEnabled(!問題_->終わった() && 問題_->数() > 0);
        答え_->setEnabled(!問題_->終わった() && 問題_->数() > 0);
    } else {
        setWindowTitle(QCoreApplication::translate("Learn", "学ぶ — 入門"));
        const 課題& t = 入門_.今の課題();
        題_->setText(QString("%1. ").arg(入門_.番号() + 1) + QCoreApplication::translate("Game", t.題));
        目標_->setText(QCoreApplication::translate("Game", t.目標) + " " +
                       QCoreApplication::translate("Learn", "(相手は動きません。)"));
        int 済み = 0;
        for (bool b : 入門済み_) 済み += b ? 1 : 0;
        進み_->setText(QCoreApplication::translate("Learn", "済んだ課題 %1/%2").arg(済み).arg(入門済み_.size()));
        ヒント_->setVisible(false);
        答え_->setVisible(false);
    }
    説明_->setText(説明文_);
    やり直し_->setText(QCoreApplication::translate("Learn", "やり直す"));
    次_->setText(QCoreApplication::translate("Learn", "次へ"));
    ヒント_->setText(QCoreApplication::translate("Learn", "ヒント"));
    答え_->setText(QCoreApplication::translate("Learn", "答え"));
    盤_->update();
}

void 学ぶ窓::言語を更新() {
    一覧を書く();
    表示を更新();
}

void 学ぶ窓::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) 言語を更新();
    QWidget::changeEvent(e);
}

void 学ぶ窓::記録する() {
    好み設定 帳;
    帳.読む(好み設定ファイル名);
    帳.設定(好み_入門, 入門の記録(入門済み_));
    問題_->記録を書く(帳);
    帳.書く(好み設定ファイル名);
}

void 学ぶ窓::選ぶ(int 番号) {
    if (問題の時_) 問題_->始める(番号);
    else 入門_.始める(番号);
    説明文_.clear();
    最後あり_ = false;
    選X_ = -1;
    if (一覧_->currentRow() != 番号) {
        const QSignalBlocker 止め(一覧_);
        一覧_->setCurrentRow(番号);
    }
    if (問題の時_) 記録する();
    表示を更新();
}

void 学ぶ窓::やり直す() { 選ぶ(問題の時_ ? 問題_->番号() : 入門_.番号()); }

void 学ぶ窓::次へ() {
    const int 数 = 問題の時_ ? 問題_->数() : static_cast<int>(課題一覧().size());
    const int 今 = 問題の時_ ? 問題_->番号() : 入門_.番号();
    if (数 > 0) 選ぶ((今 + 1) % 数);
}

void 学ぶ窓::ヒント() {
    if (!問題の時_) return;
    対局の手 m;
    if (!問題_->ヒント(m)) return;
    const 対局& g = 問題_->局面();
    説明文_ = m.打ち()
                  ? QCoreApplication::translate("Learn", "ヒント: 持駒の%1を打ちましょう。").arg(駒の名(m.打 * 100))
                  : QCoreApplication::translate("Learn", "ヒント: %2の%1を動かしましょう。")
                        .arg(駒の名(g.駒(m.元X, m.元Y)), 桝の名(m.元X, m.元Y));
    記録する();
    表示を更新();
}

void 学ぶ窓::答え() {
    if (!問題の時_) return;
    const auto v = 問題_->答え();
    QStringList s;
    for (const auto& m : v) s << 手の言葉(問題_->局面(), m);
    説明文_ = QCoreApplication::translate("Learn", "答え: %1").arg(s.join(QCoreApplication::translate("Learn", "、")));
    記録する();
    表示を更新();
}

void 学ぶ窓::持駒を押す(int 側, int 種) {
    const 対局& g = 局面();
    if (側 != g.手番() || g.持駒(側, 種) == 0) return;
    選X_ = 0;
    選Y_ = 側 == 上手 ? 0 : 10;
    選種_ = 種;
    盤_->update();
}

void 学ぶ窓::押す(int x, int y, bool 右) {
    const 対局& g = 局面();
    const int v = g.駒(x, y);
    const bool 自分の駒 = v != 空 && (v > 0) == (g.手番() > 0);
    if (選X_ < 0 || (自分の駒 && !(選X_ == 0))) {
        if (自分の駒) {
            選X_ = x;
            選Y_ = y;
        }
        盤_->update();
        return;
    }
    対局の手 m;
    if (選X_ == 0) m.打 = static_cast<std::int8_t>(選種_);
    else {
        m.元X = static_cast<std::int8_t>(選X_);
        m.元Y = static_cast<std::int8_t>(選Y_);
    }
    m.先X = static_cast<std::int8_t>(x);
    m.先Y = static_cast<std::int8_t>(y);
    m.成 = 右;
    if (m.成 && !g.合法(m)) m.成 = false;
    選X_ = -1;
    if (!g.合法(m)) {
        盤_->update();
        return;
    }
    指す(m);
}

void 学ぶ窓::指す(const 対局の手& m) {
    const 対局 前 = 局面();
    const QString 何 = 手の言葉(前, m);
    if (問題の時_) {
        const 問題の手 r = 問題_->指す(m);
        if (r.結果 == 問題の手::反則) return;
        最後_ = r.受けあり ? r.受け : m;
        最後あり_ = true;
        対局 後 = 前;
        後.指す(m);
        const QString 受け = r.受けあり ? 手の言葉(後, r.受け) : QString();
        switch (r.結果) {
            case 問題の手::解けた:
                説明文_ = QCoreApplication::translate("Learn", "解けました! 王を取りました。");
                break;
            case 問題の手::続く:
                説明文_ = QCoreApplication::translate("Learn", "正解です。相手は%1と受けました。あと%2手です。")
                              .arg(受け)
                              .arg(問題_->残り());
                break;
            default:
                説明文_ = r.受けあり
                              ? QCoreApplication::translate(
                                    "Learn", "%1では勝てません。相手は%2と受けて、もう王を取る手順はありません。")
                                    .arg(何, 受け)
                              : QCoreApplication::translate("Learn", "%1では勝てません。").arg(何);
                説明文_ += " " + QCoreApplication::translate("Learn", "「やり直す」でもう一度。");
                break;
        }
        記録する();
        一覧を書く();
        表示を更新();
        return;
    }
    const 課題の手 r = 入門_.指す(m);
    if (r.結果 == 課題の手::反則) return;
    最後_ = m;
    最後あり_ = true;
    QString s;
    if (r.取った) {
        s = QCoreApplication::translate("Learn", "%1は%2で駒を取りました。駒を取った駒は回らず、%3を向いたままです。")
                .arg(駒の名(r.駒), 桝の名(m.先X, m.先Y), 向きの名(駒向き(r.駒)));
    } else {
        if (m.打ち()) s = QCoreApplication::translate("Learn", "打った駒は相手の方を向いて入ります。") + " ";
        s += QCoreApplication::translate("Learn", "%1は%2に着き、%3のマスで%4に回って%5を向きました。")
                 .arg(駒の名(r.駒), 桝の名(m.先X, m.先Y),
                      r.回り > 0 ? QCoreApplication::translate("Learn", "緑")
                                 : QCoreApplication::translate("Learn", "水色"),
                      r.回り > 0 ? QCoreApplication::translate("Learn", "時計回り")
                                 : QCoreApplication::translate("Learn", "反時計回り"),
                      向きの名(駒向き(r.駒)));
    }
    switch (r.結果) {
        case 課題の手::できた:
            s = QCoreApplication::translate("Learn", "できました!") + " " +
                QCoreApplication::translate("Game", 入門_.今の課題().なぜ);
            入門済み_[static_cast<std::size_t>(入門_.番号())] = true;
            記録する();
            一覧を書く();
            break;
        case 課題の手::続く: s += " " + QCoreApplication::translate("Learn", "あと%1手です。").arg(入門_.残り()); break;
        default:
            s += " " + QCoreApplication::translate("Learn", "これでは目標に届きません。「やり直す」でもう一度。");
            break;
    }
    説明文_ = s;
    表示を更新();
}

void 学ぶ窓::keyPressEvent(QKeyEvent* e) {
    // On a board turned round the arrows still go the way they point.
    const int 逆 = 盤_->回す() ? -1 : 1;
    switch (e->key()) {
        case Qt::Key_Left: 札X_ = std::clamp(札X_ - 逆, 1, 9); break;
        case Qt::Key_Right: 札X_ = std::clamp(札X_ + 逆, 1, 9); break;
        case Qt::Key_Up: 札Y_ = std::clamp(札Y_ - 逆, 1, 9); break;
        case Qt::Key_Down: 札Y_ = std::clamp(札Y_ + 逆, 1, 9); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: 押す(札X_, 札Y_, false); break;
        case Qt::Key_Plus: 押す(札X_, 札Y_, true); break;
        case Qt::Key_Escape: close(); return;
        default: {
            // A piece letter picks that piece up from the hand of the side to move.
            const QString t = e->text().toUpper();
            const int 種 = QString(" PLNSGBR").indexOf(t);
            if (t.size() == 1 && 種 >= 1) 持駒を押す(局面().手番(), 種);
            else QWidget::keyPressEvent(e);
            return;
        }
    }
    札表示_ = true;
    盤_->update();
}
