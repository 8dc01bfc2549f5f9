// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlite/SqliteShop.h"

#include "store/Connection.h"
#include "store/Migration.h"
#include "store/MigrationSteps.h"
#include "store/NumberOf.h"
#include "store/Schema.h"
#include "store/ShopFiles.h"
#include "store/StoreError.h"
#include "store/sqlite/IntegrityCheck.h"
#include "store/sqlite/OnlineBackup.h"
#include "store/sqlite/ShopFileCheck.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace mqt {

namespace {

// The file as it lies on disk, to tell whether a restore touched it.
struct FileState {
    explicit FileState(const QString& path)
    {
        const QFileInfo info(path);
        exists = info.exists();
        size = info.size();
        modified = info.lastModified();
    }
    bool operator==(const FileState&) const = default;
    bool exists;
    qint64 size;
    QDateTime modified;
};

}  // namespace

QString SqliteShop::StartUpFindings(const Connection& connection) const { return QuickCheckFindings(connection); }

const char* SqliteShop::CopySuffix() const { return ShopFileSuffix; }

QString SqliteShop::BackupName() const { return QLatin1String(ShopFileName); }

QString SqliteShop::WriteCopy(const Connection& connection, CommandRunner&, const QString& target) const
{
    QFile::setPermissions(target, QFileInfo(path_).permissions());
    try {
        CopyDatabase(connection, target);
    } catch (const StoreError& error) {
        return error.Message();
    }
    return {};
}

CopyCheck SqliteShop::CheckOfCopies(CommandRunner&) const { return ShopFileFindings; }

QString SqliteShop::WriteBackup(const Connection&, CommandRunner&, const QString& folder,
                                const FileCopier& copyFile) const
{
    // A copy onto the shop file itself would replace the open file.
    if (QFileInfo(folder) == QFileInfo(QFileInfo(path_).absolutePath()))
        return QStringLiteral("The backup folder is the program folder");
    const QString copy = folder + u'/' + BackupName();
    if (const QString fault = copyFile(path_, copy); !fault.isEmpty()) return fault;
    const QString findings = ShopFileFindings(copy);
    return findings.isEmpty() ? QString() : copy + QStringLiteral(" is damaged:\n") + findings;
}

RestoreOutcome SqliteShop::Restore(CommandRunner&, const QString& copy, const FileCopier& copyFile) const
{
    const FileState before(path_);
    RestoreOutcome outcome;
    outcome.fault = copyFile(copy, path_);
    outcome.shopUntouched = FileState(path_) == before;
    return outcome;
}

void SqliteShop::CreateShopTables(Connection& connection) const
{
    CreateFirstTables(connection);
    ApplyStepsAfter(connection, 0);
}

void SqliteShop::ApplyStep(const MigrationStep& step, Connection& connection) const { step.apply(connection); }

ShopNumbering SqliteShop::ReadNumbering(const Connection& connection) const
{
    return {NumberOf(connection, QStringLiteral("SELECT NextValue FROM counters WHERE Name = 'ItemNo'")),
            NumberOf(connection, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'sale'"))};
}

void SqliteShop::ContinueNumbering(Connection& connection, const ShopNumbering& numbering) const
{
    // The file's own row ids go on from the highest; its counter and the sale
    // sequence are moved on as far as the source's were.
    NumberOf(connection, QStringLiteral("UPDATE counters SET NextValue = max(NextValue, ?) WHERE Name = 'ItemNo'"),
           {qint64(numbering.nextItemNo)});
    NumberOf(connection, QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = 'sale'"),
           {qint64(numbering.lastSaleNo)});
    if (connection.Changes() == 0 && numbering.lastSaleNo > 0)
        NumberOf(connection, QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('sale', ?)"),
               {qint64(numbering.lastSaleNo)});
}

}  // namespace mqt
