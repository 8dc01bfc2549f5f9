// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/RestoredNumbering.h"

#include "documents/CounterFiles.h"
#include "store/Database.h"
#include "store/Migration.h"
#include "store/StoreError.h"

#include <QScopeGuard>

#include <algorithm>

namespace mqt {

ShopNumbering NumbersGivenOut(const Connection& connection, const QString& shopFolder)
{
    ShopNumbering given = ReadNumbering(connection);
    given.lastSaleNo = std::max(given.lastSaleNo, HighestReceiptNumber(shopFolder));
    return given;
}

QString ContinueRestoredNumbering(Database& database, const QString& shopFolder, const ShopNumbering& given)
{
    try {
        database.OpenShop(shopFolder);
        const auto close = qScopeGuard([&database] { database.Close(); });
        Connection& connection = database.connection();
        // A copy made before the shop had item and sale numbers gets them
        // now, so that they can go on past those given out.
        MigrateSchema(connection);
        Transaction transaction(connection);
        ContinueNumbering(connection, given);
        transaction.Commit();
        return {};
    } catch (const StoreError& error) {
        return error.Message();
    }
}

}  // namespace mqt
