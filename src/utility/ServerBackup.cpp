// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/ServerBackup.h"

#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "shell/SharedValues.h"
#include "store/Connection.h"
#include "utility/ServerDump.h"

#include <QFile>
#include <QTemporaryFile>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace mqt {

namespace {

// A till that has just been closed may be listed for a moment while its
// session ends; it is looked for again for about a second before the restore
// is refused.
constexpr int SessionEndLooks = 10;
constexpr int SessionEndPauseMs = 100;

// Gives the working file the backup's name, replacing the last backup in one
// step: the backup folder never holds half of either.
QString Rename(QTemporaryFile& working, const QString& backup)
{
    if (std::rename(QFile::encodeName(working.fileName()).constData(), QFile::encodeName(backup).constData()) != 0)
        return QStringLiteral("%1 cannot be written: %2").arg(backup, QString::fromLocal8Bit(std::strerror(errno)));
    working.setAutoRemove(false);
    return {};
}

// The other tills, looked for again for about a second while there are any.
QStringList LookForOtherTills(const Connection& connection)
{
    const BusyCursor busy;
    QStringList others = OtherTills(connection);
    for (int look = 1; look < SessionEndLooks && !others.isEmpty(); ++look) {
        QThread::msleep(SessionEndPauseMs);
        others = OtherTills(connection);
    }
    return others;
}

}  // namespace

QString MakeServerBackup(SharedValues& shared, const QString& folder)
{
    // The dump is written under a name no file of the shop's can have,
    // created new, and removed on every way out but the rename.
    QTemporaryFile working(folder + QStringLiteral("/.Marquill-dump-XXXXXX"));
    if (!working.open()) return QStringLiteral("A file cannot be created in %1: %2").arg(folder, working.errorString());
    working.close();
    const QString backup = folder + u'/' + QLatin1String(ServerBackupName);
    if (const QString fault = DumpDatabase(shared.commands, shared.database.ServerUri(), working.fileName());
        !fault.isEmpty())
        return fault;
    if (const QString findings = DumpFindings(shared.commands, working.fileName()); !findings.isEmpty())
        return backup + QStringLiteral(" failed its check:\n") + findings;
    return Rename(working, backup);
}

QStringList OtherTills(const Connection& connection)
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

bool RefuseWhileOtherTills(SharedValues& shared)
{
    const QStringList others = LookForOtherTills(shared.database.connection());
    if (others.isEmpty()) return false;
    shared.dialogs.ShowError(QStringLiteral("Close Marquill on the other tills first") + u'\n' + others.join(u'\n'));
    return true;
}

}  // namespace mqt
