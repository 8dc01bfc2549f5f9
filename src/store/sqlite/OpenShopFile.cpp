// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a shop file for the program.
#include "store/Engine.h"
#include "store/Migration.h"
#include "store/StoreError.h"

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

Connection OpenShopFile(const QString& path)
{
    Connection connection = Connection::Open(path);
    // A file made by a newer program is refused before anything in it changes.
    RefuseNewerSchema(connection);
    HoldRollbackJournal(connection, path);
    // A page cache that holds a large shop's item table (84 MB at a million
    // items): a report in name order visits the table's pages out of order,
    // and each page read again from the file costs a system call.
    connection.Execute(QStringLiteral("PRAGMA cache_size = -98304"));
    return connection;
}

}  // namespace mqt
