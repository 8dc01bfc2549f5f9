// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/SafetyCopies.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "shell/SharedValues.h"
#include "store/IntegrityCheck.h"
#include "store/OnlineBackup.h"
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

// Gives the checked copy its name: the first of the copies of that second
// that is still free. The rename never replaces a file.
bool TakeFreeName(QTemporaryFile& working, const QString& folder, const QDateTime& now, SafetyReason reason)
{
    constexpr int MostCopiesASecond = 100;
    for (int number = 1; number <= MostCopiesASecond; ++number) {
        const QString copy = folder + u'/' + NameSafetyCopy(now, reason, number);
        if (QFileInfo::exists(copy)) continue;
        if (QFile::rename(working.fileName(), copy)) {
            working.setAutoRemove(false);
            return true;
        }
        if (!QFileInfo::exists(copy)) return false;  // not taken by another: the folder refuses it
    }
    return false;
}

// Makes a safety copy named by the clock's time. Returns why it could not be
// made, empty when it was.
QString MakeSafetyCopy(SharedValues& shared, SafetyReason reason)
{
    const QString folder = SafetyFolder(shared);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return QStringLiteral("The folder %1 cannot be created").arg(folder);

    // The copy is written and checked under a working name of its own,
    // created new, so that a copy that fails half-way never looks like a
    // safety copy and no other copy's working file is ever touched. It is
    // removed on every way out but the rename.
    const QDateTime now = shared.clock.Now();
    QTemporaryFile working(folder + QStringLiteral("/Marquill-XXXXXX.part"));
    if (!working.open()) return QStringLiteral("A file cannot be created in %1: %2").arg(folder, working.errorString());
    working.close();
    working.setPermissions(QFileInfo(shared.DatabasePath).permissions());
    try {
        CopyDatabase(shared.database.connection(), working.fileName());
    } catch (const StoreError& error) {
        return error.Message();
    }
    const QString findings = IntegrityCheckFindings(working.fileName());
    if (!findings.isEmpty()) return QStringLiteral("The copy failed its check:\n") + findings;
    if (!TakeFreeName(working, folder, now, reason))
        return QStringLiteral("%1 cannot be written").arg(folder + u'/' + NameSafetyCopy(now, reason));
    RemoveOldCopies(folder, now);
    return {};
}

}  // namespace

void CheckDatabaseAtStartUp(SharedValues& shared)
{
    const QString findings = QuickCheckFindings(shared.database.connection());
    if (!findings.isEmpty()) throw StoreError(Damage(shared, findings));
}

void MakeDailySafetyCopy(SharedValues& shared)
{
    if (HasDailyCopy(FilesIn(SafetyFolder(shared)), shared.clock.Today())) return;
    const QString fault = MakeSafetyCopy(shared, SafetyReason::Daily);
    if (!fault.isEmpty())
        shared.dialogs.ShowError(QStringLiteral("Safety copy not made - the program goes on without one\n") + fault);
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
