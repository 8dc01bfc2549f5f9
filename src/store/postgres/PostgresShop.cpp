// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/postgres/PostgresShop.h"

#include "store/Connection.h"
#include "store/MigrationSteps.h"
#include "store/NumberOf.h"
#include "store/ShopFiles.h"
#include "store/ShopRows.h"
#include "store/StoreError.h"
#include "store/postgres/ServerDump.h"
#include "store/postgres/ServerSchema.h"

#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace mqt {

namespace {

// The server's sequence behind an identity column.
QString SequenceOf(const Connection& connection, const QString& table, const QString& column)
{
    Statement statement(connection, QStringLiteral("SELECT pg_get_serial_sequence(?, ?)"));
    statement.Bind(1, table);
    statement.Bind(2, column.toLower());
    return statement.Step() ? statement.Column(0).toString() : QString();
}

// The value a sequence gives next.
std::int64_t NextOf(const Connection& connection, const QString& sequence)
{
    return NumberOf(connection, QStringLiteral("SELECT CASE WHEN is_called THEN last_value + 1 ELSE last_value END "
                                             "FROM %1").arg(sequence));
}

// Sets a sequence to give `next`, or one past the column's highest value,
// whichever is more.
void ContinueSequence(const Connection& connection, const QString& sequence, const QString& table,
                      const QString& column, std::int64_t next)
{
    NumberOf(connection,
           QStringLiteral("SELECT setval(?, greatest(?, coalesce((SELECT max(%1) FROM %2), 0) + 1), false)")
               .arg(column, table),
           {sequence, qint64(next)});
}

QString SaleSequence(const Connection& connection)
{
    return SequenceOf(connection, QStringLiteral("sale"), QStringLiteral("SaleNo"));
}

// Gives the working file the backup's name, replacing the last backup in one
// step: the backup folder never holds half of either.
QString Rename(QTemporaryFile& working, const QString& backup)
{
    if (std::rename(QFile::encodeName(working.fileName()).constData(), QFile::encodeName(backup).constData()) != 0)
        return QStringLiteral("%1 cannot be written: %2").arg(backup, QString::fromLocal8Bit(std::strerror(errno)));
    working.setAutoRemove(false);
    return {};
}

}  // namespace

const char* PostgresShop::CopySuffix() const { return DumpFileSuffix; }

QString PostgresShop::BackupName() const { return QLatin1String(ServerBackupName); }

QString PostgresShop::WriteCopy(const Connection&, CommandRunner& commands, const QString& target) const
{
    return DumpDatabase(commands, uri_, target);
}

CopyCheck PostgresShop::CheckOfCopies(CommandRunner& commands) const
{
    return [&commands](const QString& copy) { return DumpFindings(commands, copy); };
}

QString PostgresShop::WriteBackup(const Connection&, CommandRunner& commands, const QString& folder,
                                  const FileCopier&) const
{
    // The dump is written under a name no file of the shop's can have,
    // created new, and removed on every way out but the rename.
    QTemporaryFile working(folder + QStringLiteral("/.Marquill-dump-XXXXXX"));
    if (!working.open()) return QStringLiteral("A file cannot be created in %1: %2").arg(folder, working.errorString());
    working.close();
    const QString backup = folder + u'/' + BackupName();
    if (const QString fault = DumpDatabase(commands, uri_, working.fileName()); !fault.isEmpty()) return fault;
    if (const QString findings = DumpFindings(commands, working.fileName()); !findings.isEmpty())
        return backup + QStringLiteral(" failed its check:\n") + findings;
    return Rename(working, backup);
}

RestoreOutcome PostgresShop::Restore(CommandRunner& commands, const QString& copy, const FileCopier&) const
{
    // pg_restore runs in one transaction: when it fails, the server's
    // database is as it was.
    return {RestoreDump(commands, uri_, copy), true};
}

QStringList PostgresShop::OtherTills(const Connection& connection) const
{
    // Background processes of the server have other backend types; a
    // session over the local socket has no address and port -1.
    Statement sessions(connection, QStringLiteral(
        "SELECT host(client_addr), client_port FROM pg_stat_activity WHERE datname = current_database() "
        "AND pid <> pg_backend_pid() AND backend_type = 'client backend' ORDER BY client_addr NULLS FIRST"));
    QStringList hosts;
    while (sessions.Step()) {
        const QVariant address = sessions.Column(0);
        const QString host = !address.isNull() ? address.toString()
                             : sessions.Column(1).toInt() == -1 ? QStringLiteral("this computer")
                                                                : QStringLiteral("a computer the server does not name");
        if (!hosts.contains(host)) hosts << host;
    }
    return hosts;
}

void PostgresShop::HoldTillLock(Connection& connection, TillLock lock) const
{
    Statement take(connection, QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
    take.Bind(1, qint64(lock));
    take.Step();
}

void PostgresShop::CreateShopTables(Connection& connection) const { CreateServerSchemaInTransaction(connection); }

void PostgresShop::BeginMigration(Connection& connection) const
{
    if (connection.UserVersion() < ServerBaseVersion)
        throw StoreError(QStringLiteral("The database %1 holds no shop of this Marquill's").arg(connection.Describe()));
    // Tills that start together bring the shop up to date one after the other.
    connection.Execute(QStringLiteral("LOCK TABLE mqt_schema IN EXCLUSIVE MODE"));
}

void PostgresShop::ApplyStep(const MigrationStep& step, Connection& connection) const
{
    step.applyOnServer(connection);
}

ShopNumbering PostgresShop::ReadNumbering(const Connection& connection) const
{
    return {NextOf(connection, QStringLiteral("item_numbers")), NextOf(connection, SaleSequence(connection)) - 1};
}

void PostgresShop::ContinueNumbering(Connection& connection, const ShopNumbering& numbering) const
{
    ContinueSequence(connection, QStringLiteral("item_numbers"), QStringLiteral("item"), QStringLiteral("ItemNo"),
                     numbering.nextItemNo);
    ContinueSequence(connection, SaleSequence(connection), QStringLiteral("sale"), QStringLiteral("SaleNo"),
                     numbering.lastSaleNo + 1);
    for (const ShopTableLayout& table : ShopTableLayouts())
        if (table.key == QStringList{QStringLiteral("rowid")})
            ContinueSequence(connection, SequenceOf(connection, table.name, QStringLiteral("rowid")), table.name,
                             QStringLiteral("rowid"), 1);
}

void PostgresShop::ReadAsOneSnapshot(Connection& connection) const
{
    // The connection is the copy's own, so its session may read that way:
    // every chunk of every table then comes from one snapshot.
    connection.Execute(
        QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
}

}  // namespace mqt
