// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

#include "store/preferences.h"
#include "view/texts.h"
#include "view/tr.h"

namespace {

言語 今_ = 言語::日本語;

constexpr const char* ゲームの訳の名 = "Vezuvireの訳";
constexpr const char* Qtの訳の名 = "Qtの訳";

QTranslator* 入っている訳(const char* 名) {
    return qApp ? qApp->findChild<QTranslator*>(名, Qt::FindDirectChildrenOnly) : nullptr;
}

void 訳を外す(const char* 名) {
    if (QTranslator* t = 入っている訳(名)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

bool 訳を入れる(const char* 名, const QString& ファイル, const QString& フォルダ) {
    if (入っている訳(名)) return true;
    auto t = std::make_unique<QTranslator>(qApp);
    t->setObjectName(名);
    if (!t->load(ファイル, フォルダ)) return false;
    QCoreApplication::installTranslator(t.release());
    return true;
}

QString 見る(const QString& t) {
    const QByteArray u = t.toUtf8();
    return QCoreApplication::translate(訳の文脈, u.constData());
}

// One pattern of view/texts.h as a regular expression, with where each of
// its parts goes.
struct 型 {
    QString 原文;
    QRegularExpression 式;
    std::vector<int> 番号;  // the %n of each captured part, in order
};

const std::vector<型>& 型の一覧() {
    static const std::vector<型> 一覧 = [] {
        std::vector<型> r;
        static const QRegularExpression 印(QStringLiteral("%([1-9])"));
        for (const char* p : 合成文の型()) {
            型 k;
            k.原文 = QString::fromUtf8(p);
            QString 式 = QStringLiteral("^");
            qsizetype 前 = 0;
            auto it = 印.globalMatch(k.原文);
            while (it.hasNext()) {
                const auto m = it.next();
                式 += QRegularExpression::escape(k.原文.mid(前, m.capturedStart() - 前));
                式 += QStringLiteral("(.+?)");
                k.番号.push_back(m.captured(1).toInt());
                前 = m.capturedEnd();
            }
            式 += QRegularExpression::escape(k.原文.mid(前)) + QStringLiteral("$");
            k.式 = QRegularExpression(式);
            r.push_back(std::move(k));
        }
        return r;
    }();
    return 一覧;
}

QString 一行(const QString& 行) {
    if (行.isEmpty()) return 行;
    const QString 訳 = 見る(行);
    if (訳 != 行) return 訳;
    for (const 型& k : 型の一覧()) {
        const auto m = k.式.match(行);
        if (!m.hasMatch()) continue;
        QString r = 見る(k.原文);
        if (r == k.原文) return 行;  // the pattern has no translation yet
        for (std::size_t i = 0; i < k.番号.size(); ++i) {
            const QString 部分 = m.captured(static_cast<int>(i) + 1);
            const QString 部分の訳 = 見る(部分);
            r.replace(QStringLiteral("%") + QString::number(k.番号[i]), 部分の訳);
        }
        return r;
    }
    return 行;
}

}  // namespace

言語 今の言語() { return 今_; }

const char* 言語の値(言語 l) { return l == 言語::英語 ? "en" : "ja"; }

bool 言語を使う(言語 l) {
    今_ = l;
    bool ok = true;
    if (l == 言語::英語) {
        訳を外す(Qtの訳の名);
        ok = 訳を入れる(ゲームの訳の名, QStringLiteral("vezuvire_en"), QStringLiteral(":/i18n"));
    } else {
        訳を外す(ゲームの訳の名);
        // Qt's own Japanese is a nicety: its standard buttons are named by
        // the window anyway.
        訳を入れる(Qtの訳の名, QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    return ok;
}

言語 既定の言語(const QStringList& UI言語) {
    if (UI言語.isEmpty()) return 言語::日本語;
    const QString 先 = UI言語.front().toLower();
    if (先.isEmpty() || 先 == "c" || 先 == "posix" || 先.startsWith("ja")) return 言語::日本語;
    // QLocale names the C locale "en-US" on some systems; so does a plain
    // English system, which wants English anyway.
    return 言語::英語;
}

言語 保存された言語(const std::string& パス) {
    好み設定 帳;
    帳.読む(パス);
    const std::string v = 帳.値(好み_言語);
    if (v == "ja") return 言語::日本語;
    if (v == "en") return 言語::英語;
    if (QLocale::system().language() == QLocale::C) return 言語::日本語;
    return 既定の言語(QLocale::system().uiLanguages());
}

int 言語を保存する(const std::string& パス, 言語 l) {
    好み設定 帳;
    if (const int e = 帳.読む(パス); e != 0) return e;
    帳.設定(好み_言語, 言語の値(l));
    return 帳.書く(パス);
}

QString ゲームの文(const std::string& 文) { return ゲームの文(QString::fromStdString(文)); }

QString ゲームの文(const QString& 文) {
    if (今_ == 言語::日本語 || 文.isEmpty()) return 文;
    const QString 訳 = 見る(文);
    if (訳 != 文) return 訳;
    if (!文.contains(QLatin1Char('\r')) && !文.contains(QLatin1Char('\n'))) return 一行(文);
    // Line by line, keeping the line breaks as they are.
    QString r;
    qsizetype 始 = 0;
    for (qsizetype i = 0; i <= 文.size(); ++i) {
        if (i < 文.size() && 文[i] != QLatin1Char('\r') && 文[i] != QLatin1Char('\n')) continue;
        r += 一行(文.mid(始, i - 始));
        if (i < 文.size()) r += 文[i];
        始 = i + 1;
    }
    return r;
}

bool 日本語の字を含む(const QString& 文) {
    for (const QChar c : 文) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) ||  // Japanese punctuation, hiragana, katakana
            (u >= 0x3400 && u <= 0x9FFF) ||  // kanji
            (u >= 0xF900 && u <= 0xFAFF) ||  // compatibility kanji
            (u >= 0xFF00 && u <= 0xFFEF))    // full-width forms, half-width katakana
            return true;
    }
    return false;
}
