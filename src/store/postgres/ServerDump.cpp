// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/postgres/ServerDump.h"

#include "common/CommandRunner.h"
#include "store/Schema.h"
#include "store/ServerUri.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

namespace mqt {

namespace {

constexpr int CopyTimeoutMs = 10 * 60 * 1000;
constexpr int ListTimeoutMs = 60 * 1000;

QString Run(CommandRunner& commands, const char* program, const QStringList& arguments, int timeoutMs)
{
    const CommandResult result = commands.Run(QLatin1String(program), arguments, timeoutMs);
    if (result.Succeeded()) return {};
    if (!result.started) return QStringLiteral("%1 is not installed: install postgresql-client").arg(program);
    return result.errorText.isEmpty() ? QStringLiteral("%1 failed").arg(program) : result.errorText;
}

// The tables that a listing of pg_restore names, one entry a line:
// "215; 1259 16386 TABLE public params mqt" (id; catalog, object, kind,
// schema, name, owner). Their data entries ("TABLE DATA") are not tables.
QSet<QString> ListedTables(const QByteArray& listing)
{
    static const QRegularExpression entry(QStringLiteral("^\\d+; \\d+ \\d+ TABLE (?!DATA )\\S+ (\\S+) "));
    QSet<QString> tables;
    for (const QByteArray& line : listing.split('\n')) {
        const QRegularExpressionMatch match = entry.match(QString::fromUtf8(line));
        if (match.hasMatch()) tables.insert(match.captured(1));
    }
    return tables;
}

}  // namespace

QString DumpDatabase(CommandRunner& commands, const QString& uri, const QString& target)
{
    const QString fault = Run(commands, DumpProgram,
                              {QStringLiteral("-Fc"), QStringLiteral("--no-owner"), QStringLiteral("--file=") + target, uri},
                              CopyTimeoutMs);
    return fault.isEmpty() ? fault : QStringLiteral("The database %1 cannot be dumped:\n%2").arg(ShownUri(uri), fault);
}

QString DumpFindings(CommandRunner& commands, const QString& dump)
{
    // The listing goes into a file of its own: the seam gives back only
    // whether the command succeeded.
    QTemporaryFile listing;
    if (!listing.open()) return QStringLiteral("No file can be created for the dump's list: ") + listing.errorString();
    const QString fault = Run(commands, RestoreProgram,
                              {QStringLiteral("--list"), QStringLiteral("--file=") + listing.fileName(), dump},
                              ListTimeoutMs);
    if (!fault.isEmpty()) return fault;
    const QSet<QString> tables = ListedTables(listing.readAll());
    for (const QString& table : ShopTableNames())
        if (!tables.contains(table)) return QStringLiteral("It has no table %1").arg(table);
    return {};
}

QString RestoreDump(CommandRunner& commands, const QString& uri, const QString& dump)
{
    const QString fault = Run(commands, RestoreProgram,
                              {QStringLiteral("--clean"), QStringLiteral("--if-exists"),
                               QStringLiteral("--single-transaction"), QStringLiteral("--no-owner"),
                               QStringLiteral("-d"), uri, dump},
                              CopyTimeoutMs);
    return fault.isEmpty() ? fault
                           : QStringLiteral("The dump cannot be loaded into %1:\n%2").arg(ShownUri(uri), fault);
}

}  // namespace mqt
