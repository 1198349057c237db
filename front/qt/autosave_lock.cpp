// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/autosave_lock.h"

#include <QDir>
#include <QLockFile>
#include <QObject>

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

}  // namespace

bool 自動保存の錠を取る(QObject* 持ち主) {
    const QString 名 = QString::fromUtf8("vz_autosave_lock");
    if (持ち主->findChild<QObject*>(名, Qt::FindDirectChildrenOnly)) return true;
    // The full name: the lock is let go where it was taken.
    auto* l = new 錠(持ち主, QDir::current().absoluteFilePath(QString::fromUtf8(自動保存の錠ファイル)));
    l->setObjectName(名);
    if (l->ファイル().tryLock(0)) return true;
    const bool 他のコピー = l->ファイル().error() == QLockFile::LockFailedError;
    delete l;
    return !他のコピー;
}
