// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Database.h"

#include "store/Migration.h"
#include "store/MigrationSteps.h"

#include "store/ServerUri.h"
#include "store/SqlDialect.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>

namespace mqt {

namespace {

QString JournalMode(const Connection& connection, const QString& pragma)
{
    Statement statement(connection, pragma);
    return statement.Step() ? statement.Column(0).toString().toLower() : QString();
}

// Keeps the file in the rollback journal, so that the file alone is the whole
// database and a plain copy of it is complete. A file that another tool left
// in WAL mode keeps its latest changes in the "-wal" file beside it; switching
// back writes them into the file and removes the "-wal" file. The switch needs
// the file to itself: while another program has it open the engine refuses,
// the file stays as it is, and the opening fails.
void HoldRollbackJournal(const Connection& connection, const QString& path)
{
    if (JournalMode(connection, QStringLiteral("PRAGMA journal_mode")) != u"wal") return;
    QString reason;
    try {
        if (JournalMode(connection, QStringLiteral("PRAGMA journal_mode=DELETE")) == u"delete") return;
    } catch (const StoreError& error) {
        reason = QStringLiteral(" (") + error.Message() + u')';
    }
    throw StoreError(QStringLiteral("The database %1 is in WAL mode and cannot be switched back to the rollback "
                                    "journal%2. Close every other program that uses it, then start again.")
                         .arg(path, reason));
}

}  // namespace

bool FolderHoldsShop(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("Marquill.mqt"))) ||
           QFileInfo::exists(dir.filePath(QLatin1String(ServerFileName)));
}

void Database::OpenShop(const QString& folder)
{
    if (const std::optional<QString> uri = ReadServerFile(folder))
        OpenServer(*uri);
    else
        Open(folder + QStringLiteral("/Marquill.mqt"));
}

void Database::OpenServer(const QString& uri)
{
    Connection connection = Connection::OpenServer(uri);
    if (connection.UserVersion() == 0)
        throw StoreError(QStringLiteral("The database %1 holds no shop. Create one with mqt-createdb --server, "
                                        "or move a shop there with mqt-copyshop")
                             .arg(connection.Describe()));
    RefuseNewerSchema(connection);
    connection_ = std::move(connection);
    rowVersions_ = false;
    path_.clear();
    uri_ = uri;
}

void Database::Open(const QString& path)
{
    Connection connection = Connection::Open(path);
    // A file made by a newer program is refused before anything in it changes.
    RefuseNewerSchema(connection);
    HoldRollbackJournal(connection, path);
    RegisterDialectFunctions(connection);
    // A page cache that holds a large shop's item table (84 MB at a million
    // items): a report in name order visits the table's pages out of order,
    // and each page read again from the file costs a system call.
    connection.Execute(QStringLiteral("PRAGMA cache_size = -98304"));
    connection_ = std::move(connection);
    rowVersions_ = false;
    path_ = path;
    uri_.clear();
}

void Database::Close()
{
    connection_.Close();
    rowVersions_ = false;
}

bool Database::HasRowVersions()
{
    if (!rowVersions_) rowVersions_ = SchemaVersion(connection_) >= RowVersionsSince;
    return rowVersions_;
}

}  // namespace mqt
