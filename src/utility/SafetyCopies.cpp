// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/SafetyCopies.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "shell/SharedValues.h"
#include "store/IntegrityCheck.h"
#include "store/OnlineBackup.h"
#include "store/StoreError.h"
#include "utility/ServerDump.h"

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

QString SafetyFolder(const SharedValues& shared) { return shared.ProgramFolder + QStringLiteral("/safety"); }

// The program ends after this message, so the way back is a plain file copy.
QString Damage(const SharedValues& shared, const QString& findings)
{
    const QString folder = SafetyFolder(shared);
    const std::optional<QString> newest = NewestSafetyCopy(FilesIn(folder));
    return QStringLiteral("The database %1 is damaged and was left as it is:\n").arg(shared.DatabasePath) + findings +
           u'\n' +
           (newest ? QStringLiteral("The newest safety copy is %1/%2. To go back to it, copy it over %3 while the "
                                    "program is closed.")
                         .arg(folder, *newest, shared.DatabasePath)
                   : QStringLiteral("There is no safety copy in %1.").arg(folder));
}

// A file shop's copies are database files, a server shop's are dumps.
const char* CopyExtension(const SharedValues& shared)
{
    return shared.database.IsServer() ? DumpFileExtension : DatabaseFileExtension;
}

// Writes the copy into the working file: the engine's online backup of the
// database file, or pg_dump of the server's database. Returns why it could
// not, empty when it did.
QString WriteCopy(SharedValues& shared, const QString& working)
{
    if (shared.database.IsServer()) return DumpDatabase(shared.commands, shared.database.ServerUri(), working);
    QFile::setPermissions(working, QFileInfo(shared.DatabasePath).permissions());
    try {
        CopyDatabase(shared.database.connection(), working);
    } catch (const StoreError& error) {
        return error.Message();
    }
    return {};
}

// The full check of a copy: PRAGMA integrity_check of a database file, the
// list of tables of a dump.
QString CheckCopy(SharedValues& shared, const QString& copy)
{
    return shared.database.IsServer() ? DumpFindings(shared.commands, copy) : IntegrityCheckFindings(copy);
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
QString MakeSafetyCopy(SharedValues& shared, SafetyReason reason, bool checkNow, QString& copy)
{
    const QString folder = SafetyFolder(shared);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return QStringLiteral("The folder %1 cannot be created").arg(folder);

    // The copy is written (and checked) under a working name of its own,
    // created new, so that a copy that fails half-way never looks like a
    // safety copy and no other copy's working file is ever touched. It is
    // removed on every way out but the rename.
    const QDateTime now = shared.clock.Now();
    QTemporaryFile working(folder + QStringLiteral("/Marquill-XXXXXX.part"));
    if (!working.open()) return QStringLiteral("A file cannot be created in %1: %2").arg(folder, working.errorString());
    working.close();
    if (const QString fault = WriteCopy(shared, working.fileName()); !fault.isEmpty()) return fault;
    const QString findings = checkNow ? CheckCopy(shared, working.fileName()) : QString();
    if (!findings.isEmpty()) return CheckFailed(findings);
    const char* extension = CopyExtension(shared);
    copy = TakeFreeName(working, folder, now, reason, extension);
    if (copy.isEmpty())
        return QStringLiteral("%1 cannot be written").arg(folder + u'/' + NameSafetyCopy(now, reason, 1, extension));
    if (checkNow) RemoveOldCopies(folder, now);
    return {};
}

QString MakeSafetyCopy(SharedValues& shared, SafetyReason reason)
{
    QString copy;
    return MakeSafetyCopy(shared, reason, true, copy);
}

void ShowNoDailyCopy(SharedValues& shared, const QString& fault)
{
    shared.dialogs.ShowError(QStringLiteral("Safety copy not made - the program goes on without one\n") + fault);
}

}  // namespace

void CheckDatabaseAtStartUp(SharedValues& shared)
{
    // The server looks after its own pages.
    if (shared.database.IsServer()) return;
    const QString findings = QuickCheckFindings(shared.database.connection());
    if (!findings.isEmpty()) throw StoreError(Damage(shared, findings));
}

std::unique_ptr<SafetyCopyCheck> MakeDailySafetyCopy(SharedValues& shared)
{
    if (HasDailyCopy(FilesIn(SafetyFolder(shared)), shared.clock.Today())) return nullptr;
    // A dump's list of tables is read in a moment, so a server shop's copy
    // is checked at once; a file's full check reads every page and runs
    // beside the menu.
    const bool server = shared.database.IsServer();
    QString copy;
    const QString fault = MakeSafetyCopy(shared, SafetyReason::Daily, server, copy);
    if (!fault.isEmpty()) ShowNoDailyCopy(shared, fault);
    if (!fault.isEmpty() || server) return nullptr;
    // Older copies go only once this one has shown that it is sound.
    return std::make_unique<SafetyCopyCheck>(copy, [&shared, made = shared.clock.Now()](const QString& findings) {
        if (findings.isEmpty()) RemoveOldCopies(SafetyFolder(shared), made);
        else ShowNoDailyCopy(shared, CheckFailed(findings));
    });
}

QString DamageInCopy(const QString& copy)
{
    const QString findings = IntegrityCheckFindings(copy);
    return findings.isEmpty() ? QString() : copy + QStringLiteral(" is damaged:\n") + findings;
}

bool SafetyCopyBefore(SharedValues& shared, SafetyReason reason)
{
    const QString fault = MakeSafetyCopy(shared, reason);
    if (fault.isEmpty()) return true;
    shared.dialogs.ShowError((reason == SafetyReason::BeforeRestore
                                  ? QStringLiteral("Safety copy not made - nothing restored\n")
                                  : QStringLiteral("Safety copy not made - no items deleted\n")) +
                             fault);
    return false;
}

}  // namespace mqt
