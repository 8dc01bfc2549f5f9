// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/BackupRestore.h"

#include "common/CommandRunner.h"
#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "shell/SharedValues.h"
#include "store/ShopFileCheck.h"
#include "store/StoreError.h"
#include "utility/BackupLocation.h"
#include "utility/RestoredNumbering.h"
#include "utility/SafetyCopies.h"
#include "utility/ServerBackup.h"
#include "utility/ServerDump.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mqt {

namespace {

constexpr int MakeFolderTimeoutMs = 60 * 1000;
constexpr int CopyTimeoutMs = 10 * 60 * 1000;

QString Helper(const SharedValues& shared, const char* command)
{
    return shared.ProgramFolder + u'/' + QLatin1String(command);
}

// The backup folder of the settings; empty after telling the user that there is none.
std::optional<QString> BackupFolderOrComplain(SharedValues& shared, const QString& root)
{
    const QString& location = shared.Settings.Backup;
    const std::optional<QString> folder = BackupFolder(location, root);
    if (!folder) {
        shared.dialogs.ShowError(location.trimmed().isEmpty()
                                     ? QStringLiteral("No backup location set - enter one under Parameters")
                                     : QStringLiteral("Backup location not usable: ") + location);
    }
    return folder;
}

// Whether two files hold the same bytes. Neither file is being written: the
// database has no open transaction while it is copied.
bool SameContent(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size()) return false;
    constexpr qint64 Chunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray left = a.read(Chunk);
        if (left.isEmpty() || left != b.read(Chunk)) return false;
    }
    return b.atEnd();
}

// Runs the copy command; why `to` is not a full copy of `from` afterwards,
// empty when it is. The copy is compared with its source byte for byte, so
// an older copy left in place by a command that copied nothing is no success.
QString CopyFile(SharedValues& shared, const QString& from, const QString& to)
{
    const BusyCursor busy;
    const CommandResult result = shared.commands.Run(Helper(shared, CopyFileCommand), {from, to}, CopyTimeoutMs);
    if (!result.Succeeded())
        return result.errorText.isEmpty() ? QStringLiteral("The copy command failed") : result.errorText;
    if (!QFileInfo(to).isFile()) return to + QStringLiteral(" is missing after the copy");
    if (!SameContent(from, to)) return to + QStringLiteral(" differs from ") + from + QStringLiteral(" after the copy");
    return {};
}

// The database file as it lies on disk, to tell whether a copy touched it.
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

// What the shop's own check finds in a backup copy, under the busy cursor:
// a large copy takes seconds to read.
QString Checked(const QString& copy)
{
    const BusyCursor busy;
    return ShopFileFindings(copy);
}

// Makes the backup copy in `folder`, under the busy cursor. Empty when the
// folder cannot be made or takes no file; else why the copy is no backup,
// empty text when it is one.
std::optional<QString> MakeBackupCopy(SharedValues& shared, const QString& folder)
{
    const BusyCursor busy;
    // The folder command is waited for; a trial file written into the folder
    // then shows that the folder is there and takes files. The command's own
    // outcome does not matter when the folder exists already. The trial file
    // is created new under a name no file of the shop's can have, so no
    // file in the folder is touched, and it is removed again.
    shared.commands.Run(Helper(shared, MakeFolderCommand), {folder}, MakeFolderTimeoutMs);
    if (!QTemporaryFile(folder + QStringLiteral("/.Marquill-trial-XXXXXX")).open()) return std::nullopt;
    if (shared.database.IsServer()) return MakeServerBackup(shared, folder);

    // A copy onto the database itself would replace the open file.
    const QString copy = folder + QStringLiteral("/Marquill.mqt");
    if (QFileInfo(folder) == QFileInfo(shared.ProgramFolder))
        return QStringLiteral("The backup folder is the program folder");
    const QString fault = CopyFile(shared, shared.DatabasePath, copy);
    return fault.isEmpty() ? DamageInCopy(copy) : fault;
}

bool Reopen(SharedValues& shared)
{
    try {
        shared.database.OpenShop(shared.ProgramFolder);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

}  // namespace

void BackupDatabase(SharedValues& shared, const QString& root)
{
    const std::optional<QString> folder = BackupFolderOrComplain(shared, root);
    if (!folder) return;
    const std::optional<QString> fault = MakeBackupCopy(shared, *folder);
    if (!fault)
        shared.dialogs.ShowError(QStringLiteral("Backup Destination not found"));
    else if (fault->isEmpty())
        shared.dialogs.ShowMessage(QStringLiteral("File Backed up in ") + *folder);
    else
        shared.dialogs.ShowError(QStringLiteral("File not backed up in ") + *folder + u'\n' + *fault);
}

bool RestoreDatabase(SharedValues& shared, const QString& root)
{
    // A server shop's tables must not be replaced under another till.
    const bool server = shared.database.IsServer();
    if (server && RefuseWhileOtherTills(shared)) return false;
    const std::optional<QString> folder = BackupFolderOrComplain(shared, root);
    if (!folder) return false;
    const QString source = *folder + u'/' + QLatin1String(server ? ServerBackupName : "Marquill.mqt");
    if (!QFileInfo(source).isFile()) {
        shared.dialogs.ShowError(QStringLiteral("Backup Source not found"));
        return false;
    }
    // Only a sound shop database may replace the shop's.
    if (const QString findings = server ? DumpFindings(shared.commands, source) : Checked(source);
        !findings.isEmpty()) {
        shared.dialogs.ShowError(QStringLiteral("Backup Source is not a sound shop database - nothing restored\n") +
                                 source + u'\n' + findings);
        return false;
    }
    if (shared.dialogs.AskYesNo(QStringLiteral("You will lose all data entered since the last backup") + u'\n' +
                                QStringLiteral("Are you sure you want to restore all your files?")) != Yes)
        return false;
    if (!SafetyCopyBefore(shared, SafetyReason::BeforeRestore)) return false;
    // A till may have started while the user answered.
    if (server && RefuseWhileOtherTills(shared)) return false;
    ShopNumbering given;
    try {
        given = NumbersGivenOut(shared);
    } catch (const StoreError& error) {
        shared.dialogs.ShowError(QStringLiteral("The shop's numbering cannot be read - nothing restored\n") +
                                 error.Message());
        return false;
    }

    // The copy must not run under an open connection, nor pg_restore wait
    // for one of the program's own.
    const QString uri = shared.database.ServerUri();
    shared.database.Close();
    const FileState before(shared.DatabasePath);
    const QString fault =
        server ? RestoreDump(shared.commands, uri, source) : CopyFile(shared, source, shared.DatabasePath);
    if (fault.isEmpty()) {
        if (const QString numbering = ContinueRestoredNumbering(shared, given); !numbering.isEmpty()) {
            shared.dialogs.ShowError(QStringLiteral("Files restored, but item and sale numbers given out before may be "
                                                    "given again: the numbering could not be moved on\n") +
                                     numbering);
            return true;
        }
        shared.dialogs.ShowMessage(QStringLiteral("Files restored - Restart program"));
        return true;
    }
    // pg_restore runs in one transaction: when it fails, the server's
    // database is as it was.
    if ((server || FileState(shared.DatabasePath) == before) && Reopen(shared)) {
        shared.dialogs.ShowError(QStringLiteral("Files not restored") + u'\n' + fault);
        return false;
    }
    shared.dialogs.ShowError(QStringLiteral("Files not restored") + u'\n' + fault + u'\n' +
                             QStringLiteral("The database may be incomplete - restore again, then restart program"));
    return true;
}

}  // namespace mqt
