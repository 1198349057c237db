// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/autosave_lock.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QObject>
#include <QSysInfo>
#include <cerrno>
#include <csignal>

namespace {

// The held lock, a child of the window it belongs to.
class 錠 : public QObject {
public:
    錠(QObject* 親, const QString& パス) : QObject(親), ファイル_(パス) {
        // A game lasts hours: a lock is stale only when its process is gone,
        // never by its age.
        ファイル_.setStaleLockTime(0);
    }
    QLockFile& ファイル() { return ファイル_; }

private:
    QLockFile ファイル_;
};

bool 動いている(qint64 pid) {
    if (pid <= 0 || pid != static_cast<pid_t>(pid)) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// What is at パス when it is no regular file (取った when it is one, or
// nothing is there).  Looked at before Qt's lock is tried: that reads an
// existing lock file, and reading a FIFO would wait for ever.
錠の結果 置かれた物(const QString& パス) {
    錠の結果 r;
    r.名 = QFileInfo(パス).fileName().toStdString();
    struct stat st {};
    if (::lstat(QFile::encodeName(パス).constData(), &st) != 0) return r;
    if (S_ISLNK(st.st_mode)) r.様子 = 錠の様子::リンク;
    else if (S_ISDIR(st.st_mode)) r.様子 = 錠の様子::フォルダ;
    else if (!S_ISREG(st.st_mode)) r.様子 = 錠の様子::通常でない;
    return r;
}

}  // namespace

錠の結果 錠を調べる(const QString& パス) {
    錠の結果 r = 置かれた物(パス);
    if (r.様子 != 錠の様子::取った) return r;

    QFile f(パス);
    if (!f.open(QIODevice::ReadOnly)) {
        r.様子 = 錠の様子::読めない;
        return r;
    }
    if (f.size() == 0) {
        r.様子 = 錠の様子::空;
        return r;
    }
    f.close();
    QLockFile 見る(パス);
    qint64 pid = 0;
    QString ホスト, 名前;
    if (!見る.getLockInfo(&pid, &ホスト, &名前)) {
        r.様子 = 錠の様子::壊れている;
        return r;
    }
    // A lock of this computer whose process runs is a copy at work.  One
    // that names this computer but whose process is gone (Qt did not take
    // it over: it came from another machine of the same name, a restored
    // folder) cannot be shown to be anybody's either.
    const bool ここ = ホスト.isEmpty() || ホスト == QSysInfo::machineHostName();
    if (ここ && 動いている(pid)) {
        r.様子 = 錠の様子::別のコピー;
        return r;
    }
    r.様子 = 錠の様子::別のコンピューター;
    r.ホスト = ホスト.toStdString();
    return r;
}

錠の結果 自動保存の錠を取る(QObject* 持ち主) {
    const QString 名 = QString::fromUtf8("vz_autosave_lock");
    錠の結果 取れた;
    取れた.名 = 自動保存の錠ファイル;
    if (持ち主->findChild<QObject*>(名, Qt::FindDirectChildrenOnly)) return 取れた;
    // The full name: the lock is let go where it was taken.
    const QString パス = QDir::current().absoluteFilePath(QString::fromUtf8(自動保存の錠ファイル));
    // Twice: a lock that goes away while it is looked at is tried again.
    for (int 回 = 0; 回 < 2; ++回) {
        if (錠の結果 r = 置かれた物(パス); r.様子 != 錠の様子::取った) return r;
        auto* l = new 錠(持ち主, パス);
        l->setObjectName(名);
        if (l->ファイル().tryLock(0)) return 取れた;
        const bool 錠がある = l->ファイル().error() == QLockFile::LockFailedError;
        delete l;
        if (!錠がある) return 取れた;
        錠の結果 r = 錠を調べる(パス);
        if (r.様子 != 錠の様子::取った) return r;
    }
    錠の結果 r = 取れた;
    r.様子 = 錠の様子::別のコピー;
    return r;
}
