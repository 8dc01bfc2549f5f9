// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Database.h"

#include "store/Engine.h"
#include "store/Migration.h"
#include "store/MigrationSteps.h"
#include "store/ServerUri.h"
#include "store/ShopFiles.h"

#include <QDir>
#include <QFileInfo>

namespace mqt {

bool FolderHoldsShop(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QLatin1String(ShopFileName))) ||
           QFileInfo::exists(dir.filePath(QLatin1String(ServerFileName)));
}

void Database::OpenShop(const QString& folder)
{
    if (const std::optional<QString> uri = ReadServerFile(folder))
        OpenServer(*uri);
    else
        Open(folder + u'/' + QLatin1String(ShopFileName));
}

void Database::OpenServer(const QString& uri) { Take(OpenServerShop(uri)); }

void Database::Open(const QString& path) { Take(OpenShopFile(path)); }

void Database::Take(Connection connection)
{
    connection_ = std::move(connection);
    schemaVersion_ = 0;
}

void Database::Close()
{
    connection_.Close();
    schemaVersion_ = 0;
}

int Database::SchemaVersion()
{
    if (schemaVersion_ != CurrentSchemaVersion()) schemaVersion_ = mqt::SchemaVersion(connection_);
    return schemaVersion_;
}

}  // namespace mqt
