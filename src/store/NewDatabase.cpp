// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NewDatabase.h"

#include "store/Connection.h"
#include "store/ShopBackend.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>

namespace mqt {

void CreateDatabaseFile(const QString& path)
{
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("%1 already exists; it is left as it is").arg(path));
    try {
        Connection connection = Connection::Open(path, true);
        CreateShop(connection);
    } catch (const StoreError&) {
        QFile::remove(path);  // the connection is closed: a half-made file goes
        throw;
    }
}

void CreateShop(Connection& connection)
{
    Transaction transaction(connection);
    connection.Backend()->CreateShopTables(connection);
    transaction.Commit();
}

}  // namespace mqt
