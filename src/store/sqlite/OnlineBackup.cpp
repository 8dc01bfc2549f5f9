// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlite/OnlineBackup.h"

#include "store/StoreError.h"
#include "store/sqlite/SqliteConnection.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace mqt {

namespace {

struct FinishBackup {
    void operator()(sqlite3_backup* backup) const { sqlite3_backup_finish(backup); }
};
using BackupHandle = std::unique_ptr<sqlite3_backup, FinishBackup>;

void CopyPages(const Connection& source, const QString& target)
{
    sqlite3* from = SqliteHandle(source);
    Connection copy = Connection::Open(target, true);
    BackupHandle backup(sqlite3_backup_init(SqliteHandle(copy), "main", from, "main"));
    if (!backup) throw StoreError(copy.LastError());
    const int stepped = sqlite3_backup_step(backup.get(), -1);
    const int finished = sqlite3_backup_finish(backup.release());
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        const QString reason = copy.LastError();
        throw StoreError(QStringLiteral("Cannot copy the database to %1: %2")
                             .arg(target, reason.isEmpty() ? QString::fromUtf8(sqlite3_errstr(stepped)) : reason));
    }
}

}  // namespace

void CopyDatabase(const Connection& source, const QString& target)
{
    const QFileInfo existing(target);
    if (existing.exists() && (!existing.isFile() || existing.size() > 0))
        throw StoreError(QStringLiteral("%1 exists already").arg(target));
    try {
        CopyPages(source, target);
    } catch (const StoreError&) {
        QFile::remove(target);
        throw;
    }
}

}  // namespace mqt
