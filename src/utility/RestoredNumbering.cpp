// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/RestoredNumbering.h"

#include "documents/CounterFiles.h"
#include "shell/SharedValues.h"
#include "store/Migration.h"
#include "store/StoreError.h"

#include <QScopeGuard>

#include <algorithm>

namespace mqt {

ShopNumbering NumbersGivenOut(SharedValues& shared)
{
    ShopNumbering given = ReadNumbering(shared.database.connection());
    given.lastSaleNo = std::max(given.lastSaleNo, HighestReceiptNumber(shared.ProgramFolder));
    return given;
}

QString ContinueRestoredNumbering(SharedValues& shared, const ShopNumbering& given)
{
    try {
        shared.database.OpenShop(shared.ProgramFolder);
        const auto close = qScopeGuard([&shared] { shared.database.Close(); });
        Connection& connection = shared.database.connection();
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
