// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ShopFolder.h"

#include "store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mqt {

namespace {

const QString ShopOption = QStringLiteral("--shop");
const QString UsageLine = QStringLiteral("usage: marquill [--shop FOLDER]");

ShopFolderChoice Refused(const QString& why) { return {{}, why + u'\n' + UsageLine}; }

}  // namespace

QString ShopFolderUsage()
{
    return UsageLine + QStringLiteral("\n  --shop FOLDER  the shop folder, where the shop keeps Marquill.mqt\n"
                                      "  -h, --help     prints this help and does nothing else\n");
}

ShopFolderChoice ChooseShopFolder(const QStringList& arguments, const QString& executableFolder)
{
    QString named;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"-h" || argument == u"--help") return {{}, {}, true};
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
