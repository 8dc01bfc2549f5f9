// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/BackupRestore.h"

#include "common/CommandRunner.h"
#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "store/Database.h"
#include "store/ShopBackend.h"
#include "store/StoreError.h"
#include "utility/BackupLocation.h"
#include "utility/OtherTills.h"
#include "utility/RestoredNumbering.h"
#include "utility/SafetyCopies.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mqt {

namespace {

constexpr int MakeFolderTimeoutMs = 60 * 1000;
constexpr int CopyTimeoutMs = 10 * 60 * 1000;

QString Helper(const ShopCopyTools& tools, const char* command)
{
    return tools.shopFolder + u'/' + QLatin1String(command);
}

// The backup folder of the setting; empty after telling the user that there is none.
std::optional<QString> BackupFolderOrComplain(const ShopCopyTools& tools, const QString& location, const QString& root)
{
    const std::optional<QString> folder = BackupFolder(location, root);
    if (!folder) {
        tools.dialogs.ShowError(location.trimmed().isEmpty()
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

// The copy command, as the shop file's backup and restore use it: why `to`
// is not a full copy of `from` afterwards, empty when it is. The copy is
// compared with its source byte for byte, so an older copy left in place by
// a command that copied nothing is no success.
FileCopier CopyCommand(const ShopCopyTools& tools)
{
    return [&tools](const QString& from, const QString& to) -> QString {
        const BusyCursor busy;
        const CommandResult result = tools.commands.Run(Helper(tools, CopyFileCommand), {from, to}, CopyTimeoutMs);
        if (!result.Succeeded())
            return result.errorText.isEmpty() ? QStringLiteral("The copy command failed") : result.errorText;
        if (!QFileInfo(to).isFile()) return to + QStringLiteral(" is missing after the copy");
        if (!SameContent(from, to))
            return to + QStringLiteral(" differs from ") + from + QStringLiteral(" after the copy");
        return {};
    };
}

// Makes the backup copy in `folder`, under the busy cursor. Empty when the
// folder cannot be made or takes no file; else why the copy is no backup,
// empty text when it is one.
std::optional<QString> MakeBackupCopy(const ShopCopyTools& tools, const QString& folder)
{
    const BusyCursor busy;
    // The folder command is waited for; a trial file written into the folder
    // then shows that the folder is there and takes files. The command's own
    // outcome does not matter when the folder exists already. The trial file
    // is created new under a name no file of the shop's can have, so no
    // file in the folder is touched, and it is removed again.
    tools.commands.Run(Helper(tools, MakeFolderCommand), {folder}, MakeFolderTimeoutMs);
    if (!QTemporaryFile(folder + QStringLiteral("/.Marquill-trial-XXXXXX")).open()) return std::nullopt;
    const Connection& connection = tools.database.connection();
    return connection.Backend()->WriteBackup(connection, tools.commands, folder, CopyCommand(tools));
}

bool Reopen(const ShopCopyTools& tools)
{
    try {
        tools.database.OpenShop(tools.shopFolder);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

// What the backend's check finds in a backup copy, under the busy cursor: a
// large copy takes seconds to read.
QString Checked(const ShopCopyTools& tools, const ShopBackend& backend, const QString& copy)
{
    const BusyCursor busy;
    return backend.CheckOfCopies(tools.commands)(copy);
}

}  // namespace

void BackupDatabase(const ShopCopyTools& tools, const QString& location, const QString& root)
{
    const std::optional<QString> folder = BackupFolderOrComplain(tools, location, root);
    if (!folder) return;
    const std::optional<QString> fault = MakeBackupCopy(tools, *folder);
    if (!fault)
        tools.dialogs.ShowError(QStringLiteral("Backup Destination not found"));
    else if (fault->isEmpty())
        tools.dialogs.ShowMessage(QStringLiteral("File Backed up in ") + *folder);
    else
        tools.dialogs.ShowError(QStringLiteral("File not backed up in ") + *folder + u'\n' + *fault);
}

bool RestoreDatabase(const ShopCopyTools& tools, const QString& location, const QString& root)
{
    // The backend outlives the connection, which the restore closes.
    const std::shared_ptr<const ShopBackend> backend = tools.database.connection().Backend();
    // A server shop's tables must not be replaced under another till.
    if (RefuseWhileOtherTills(tools.database.connection(), tools.dialogs)) return false;
    const std::optional<QString> folder = BackupFolderOrComplain(tools, location, root);
    if (!folder) return false;
    const QString source = *folder + u'/' + backend->BackupName();
    if (!QFileInfo(source).isFile()) {
        tools.dialogs.ShowError(QStringLiteral("Backup Source not found"));
        return false;
    }
    // Only a sound shop database may replace the shop's.
    if (const QString findings = Checked(tools, *backend, source); !findings.isEmpty()) {
        tools.dialogs.ShowError(QStringLiteral("Backup Source is not a sound shop database - nothing restored\n") +
                                source + u'\n' + findings);
        return false;
    }
    if (tools.dialogs.AskYesNo(QStringLiteral("You will lose all data entered since the last backup") + u'\n' +
                               QStringLiteral("Are you sure you want to restore all your files?")) != Yes)
        return false;
    if (!SafetyCopyBefore(tools, SafetyReason::BeforeRestore)) return false;
    // A till may have started while the user answered.
    if (RefuseWhileOtherTills(tools.database.connection(), tools.dialogs)) return false;
    ShopNumbering given;
    try {
        given = NumbersGivenOut(tools.database.connection(), tools.shopFolder);
    } catch (const StoreError& error) {
        tools.dialogs.ShowError(QStringLiteral("The shop's numbering cannot be read - nothing restored\n") +
                                error.Message());
        return false;
    }

    // The copy must not run under an open connection, nor pg_restore wait
    // for one of the program's own.
    tools.database.Close();
    RestoreOutcome outcome;
    {
        const BusyCursor busy;
        outcome = backend->Restore(tools.commands, source, CopyCommand(tools));
    }
    if (outcome.fault.isEmpty()) {
        if (const QString numbering = ContinueRestoredNumbering(tools.database, tools.shopFolder, given);
            !numbering.isEmpty()) {
            tools.dialogs.ShowError(QStringLiteral("Files restored, but item and sale numbers given out before may be "
                                                   "given again: the numbering could not be moved on\n") +
                                    numbering);
            return true;
        }
        tools.dialogs.ShowMessage(QStringLiteral("Files restored - Restart program"));
        return true;
    }
    if (outcome.shopUntouched && Reopen(tools)) {
        tools.dialogs.ShowError(QStringLiteral("Files not restored") + u'\n' + outcome.fault);
        return false;
    }
    tools.dialogs.ShowError(QStringLiteral("Files not restored") + u'\n' + outcome.fault + u'\n' +
                            QStringLiteral("The database may be incomplete - restore again, then restart program"));
    return true;
}

}  // namespace mqt
