// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShopLauncher.h"

#include "app/ShopLock.h"
#include "common/Dialogs.h"
#include "store/Database.h"
#include "store/NewDatabase.h"
#include "store/ShopFiles.h"
#include "store/StoreError.h"
#include "utility/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mqt {

namespace {

// Copies one helper command unless the shop already has its own; the copy
// can be run by everyone and changed by the shop's owner.
bool CopyHelper(const QString& helperFolder, const QDir& shop, const QString& name, QString& why)
{
    const QString target = shop.filePath(name);
    if (QFileInfo::exists(target)) return true;
    const QString source = QDir(helperFolder).filePath(name);
    if (!QFile::copy(source, target)) {
        why = QStringLiteral("The helper command %1 could not be copied to %2").arg(source, shop.path());
        return false;
    }
    constexpr QFile::Permissions everyoneRunsIt = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                  | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                  | QFile::ExeOther;
    QFile::setPermissions(target, everyoneRunsIt);
    return true;
}

}  // namespace

QString DefaultHelperFolder(const QString& executableFolder)
{
    const QDir installed(QDir(executableFolder).filePath(QStringLiteral("../share/marquill")));
    if (QFileInfo(installed.filePath(QLatin1String(CopyFileCommand))).isFile())
        return QDir::cleanPath(installed.absolutePath());
    return executableFolder;
}

LaunchOutcome PrepareShop(const QString& shopFolder, const QString& helperFolder, Dialogs& dialogs)
{
    const QDir shop(shopFolder);
    ShopLock lock(shopFolder);
    if (shop.exists()) {
        if (const QString why = lock.Take(); !why.isEmpty()) {
            dialogs.ShowError(why);
            return LaunchOutcome::Failed;
        }
    }
    if (FolderHoldsShop(shopFolder)) return LaunchOutcome::Ready;
    const QString database = shop.filePath(QLatin1String(ShopFileName));

    const QString question = QStringLiteral("There is no shop in %1 yet.\nCreate an empty shop there?")
                                 .arg(QDir::toNativeSeparators(shopFolder));
    if (dialogs.AskYesNo(question) != Yes) return LaunchOutcome::Declined;

    if (!QDir().mkpath(shopFolder)) {
        dialogs.ShowError(QStringLiteral("The folder %1 cannot be created").arg(shopFolder));
        return LaunchOutcome::Failed;
    }
    QString why;
    for (const char* helper : {MakeFolderCommand, CopyFileCommand}) {
        if (!CopyHelper(helperFolder, shop, QLatin1String(helper), why)) {
            dialogs.ShowError(why);
            return LaunchOutcome::Failed;
        }
    }
    try {
        CreateDatabaseFile(database);
    } catch (const StoreError& error) {
        dialogs.ShowError(error.Message());
        return LaunchOutcome::Failed;
    }
    return LaunchOutcome::Ready;
}

}  // namespace mqt
