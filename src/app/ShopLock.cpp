// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShopLock.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace mqt {

ShopLock::ShopLock(const QString& shopFolder)
    : path_(QDir(shopFolder).filePath(QStringLiteral(".Marquill.lock"))), file_(path_)
{
    // A program may run for days: only a holder that is gone frees the lock.
    file_.setStaleLockTime(0);
}

QString ShopLock::Take()
{
    if (file_.tryLock(0)) return {};
    switch (file_.error()) {
    case QLockFile::NoError:
    case QLockFile::LockFailedError:
        break;
    case QLockFile::PermissionError:
        return QStringLiteral("The shop folder %1 cannot be written: Marquill keeps its lock file there while it runs")
            .arg(QFileInfo(path_).absolutePath());
    case QLockFile::UnknownError:
        return QStringLiteral("The lock file %1 cannot be made").arg(path_);
    }
    qint64 process = 0;
    QString host;
    QString program;
    if (!file_.getLockInfo(&process, &host, &program)) return QStringLiteral("Marquill is already open on this shop");
    QString why = QStringLiteral("Marquill is already open on this shop (on %1, process %2)").arg(host).arg(process);
    // On another computer the lock cannot tell whether its program still runs.
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        why += QStringLiteral("\nIf it is no longer running there, remove %1 and start again.").arg(path_);
    return why;
}

}  // namespace mqt
