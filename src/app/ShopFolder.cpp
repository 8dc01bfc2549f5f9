// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShopFolder.h"

#include "store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mqt {

namespace {

const QString ShopOption = QStringLiteral("--shop");

ShopFolderChoice Refused(const QString& why)
{
    return {{}, why + QStringLiteral("\nusage: marquill [--shop FOLDER]")};
}

}  // namespace

ShopFolderChoice ChooseShopFolder(const QStringList& arguments, const QString& executableFolder)
{
    QString named;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == ShopOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return Refused(QStringLiteral("--shop needs a folder"));
            named = arguments[++i];
        } else if (argument.startsWith(ShopOption + u'=') && argument.size() > ShopOption.size() + 1) {
            named = argument.mid(ShopOption.size() + 1);
        } else {
            return Refused(QStringLiteral("Unknown argument: %1").arg(argument));
        }
    }
    if (!named.isEmpty()) return {QDir::cleanPath(QFileInfo(named).absoluteFilePath()), {}};
    if (FolderHoldsShop(executableFolder))
        return {QDir::cleanPath(QFileInfo(executableFolder).absoluteFilePath()), {}};
    return {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), {}};
}

}  // namespace mqt
