// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/SafetyCopies.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "store/Database.h"
#include "store/ShopBackend.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace mqt {

namespace {

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files); }

void RemoveOldCopies(const QString& folder, const QDateTime& now)
{
    for (const QString& name : SafetyCopiesToRemove(FilesIn(folder), now)) QFile::remove(folder + u'/' + name);
}

QString SafetyFolder(const QString& shopFolder) { return shopFolder + QStringLiteral("/safety"); }

// The program ends after this message, so the way back is a plain file copy.
QString Damage(const QString& shopFolder, const QString& database, const QString& findings)
{
    const QString folder = SafetyFolder(shopFolder);
    const std::optional<QString> newest = NewestSafetyCopy(FilesIn(folder));
    return QStringLiteral("The database %1 is damaged and was left as it is:\n").arg(database) + findings + u'\n' +
           (newest ? QStringLiteral("The newest safety copy is %1/%2. To go back to it, copy it over %3 while the "
                                    "program is closed.")
                         .arg(folder, *newest, database)
                   : QStringLiteral("There is no safety copy in %1.").arg(folder));
}

// Gives the copy its name: the first of the copies of that second that is
// still free. The rename never replaces a file. Returns the copy's path,
// empty when the folder refuses every name.
QString TakeFreeName(QTemporaryFile& working, const QString& folder, const QDateTime& now, SafetyReason reason,
                     const char* extension)
{
    constexpr int MostCopiesASecond = 100;
    for (int number = 1; number <= MostCopiesASecond; ++number) {
        const QString copy = folder + u'/' + NameSafetyCopy(now, reason, number, extension);
        if (QFileInfo::exists(copy)) continue;
        if (QFile::rename(working.fileName(), copy)) {
            working.setAutoRemove(false);
            return copy;
        }
        if (!QFileInfo::exists(copy)) return {};  // not taken by another: the folder refuses it
    }
    return {};
}

QString CheckFailed(const QString& findings) { return QStringLiteral("The copy failed its check:\n") + findings; }

// Makes a safety copy named by the clock's time, and with `checkNow` checks
// it before it takes its name. Returns why it could not be made, empty when
// it was; `copy` is its path.
QString MakeSafetyCopy(const ShopCopyTools& tools, SafetyReason reason, bool checkNow, QString& copy)
{
    const QString folder = SafetyFolder(tools.shopFolder);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return QStringLiteral("The folder %1 cannot be created").arg(folder);

    // The copy is written (and checked) under a working name of its own,
    // created new, so that a copy that fails half-way never looks like a
    // safety copy and no other copy's working file is ever touched. It is
    // removed on every way out but the rename.
    const QDateTime now = tools.clock.Now();
    QTemporaryFile working(folder + QStringLiteral("/Marquill-XXXXXX.part"));
    if (!working.open()) return QStringLiteral("A file cannot be created in %1: %2").arg(folder, working.errorString());
    working.close();
    const Connection& connection = tools.database.connection();
    const std::shared_ptr<const ShopBackend> backend = connection.Backend();
    {
        const BusyCursor busy;
        if (const QString fault = backend->WriteCopy(connection, tools.commands, working.fileName()); !fault.isEmpty())
            return fault;
        const QString findings = checkNow ? backend->CheckOfCopies(tools.commands)(working.fileName()) : QString();
        if (!findings.isEmpty()) return CheckFailed(findings);
    }
    const char* extension = backend->CopySuffix();
    copy = TakeFreeName(working, folder, now, reason, extension);
    if (copy.isEmpty())
        return QStringLiteral("%1 cannot be written").arg(folder + u'/' + NameSafetyCopy(now, reason, 1, extension));
    if (checkNow) RemoveOldCopies(folder, now);
    return {};
}

QString MakeSafetyCopy(const ShopCopyTools& tools, SafetyReason reason)
{
    QString copy;
    return MakeSafetyCopy(tools, reason, true, copy);
}

void ShowNoDailyCopy(Dialogs& dialogs, const QString& fault)
{
    dialogs.ShowError(QStringLiteral("Safety copy not made - the program goes on without one\n") + fault);
}

}  // namespace

void CheckDatabaseAtStartUp(const Connection& connection, const QString& shopFolder)
{
    const QString findings = connection.Backend()->StartUpFindings(connection);
    if (!findings.isEmpty()) throw StoreError(Damage(shopFolder, connection.Describe(), findings));
}

std::unique_ptr<SafetyCopyCheck> MakeDailySafetyCopy(const ShopCopyTools& tools)
{
    if (HasDailyCopy(FilesIn(SafetyFolder(tools.shopFolder)), tools.clock.Today())) return nullptr;
    // A check that takes a moment runs at once; one that reads every page
    // of the copy runs beside the menu.
    const std::shared_ptr<const ShopBackend> backend = tools.database.connection().Backend();
    const bool checkNow = backend->ChecksCopiesAtOnce();
    QString copy;
    const QString fault = MakeSafetyCopy(tools, SafetyReason::Daily, checkNow, copy);
    if (!fault.isEmpty()) ShowNoDailyCopy(tools.dialogs, fault);
    if (!fault.isEmpty() || checkNow) return nullptr;
    // Older copies go only once this one has shown that it is sound.
    return std::make_unique<SafetyCopyCheck>(
        copy, backend->CheckOfCopies(tools.commands),
        [&dialogs = tools.dialogs, folder = SafetyFolder(tools.shopFolder), made = tools.clock.Now()](
            const QString& findings) {
            if (findings.isEmpty()) RemoveOldCopies(folder, made);
            else ShowNoDailyCopy(dialogs, CheckFailed(findings));
        });
}

bool SafetyCopyBefore(const ShopCopyTools& tools, SafetyReason reason)
{
    const QString fault = MakeSafetyCopy(tools, reason);
    if (fault.isEmpty()) return true;
    tools.dialogs.ShowError((reason == SafetyReason::BeforeRestore
                                 ? QStringLiteral("Safety copy not made - nothing restored\n")
                                 : QStringLiteral("Safety copy not made - no items deleted\n")) +
                            fault);
    return false;
}

}  // namespace mqt
