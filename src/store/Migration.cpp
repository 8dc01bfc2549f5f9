// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Migration.h"

#include "store/Connection.h"
#include "store/MigrationSteps.h"
#include "store/ShopBackend.h"
#include "store/StoreError.h"

namespace mqt {

int CurrentSchemaVersion() { return MigrationSteps().back().version; }

int SchemaVersion(const Connection& connection)
{
    return connection.UserVersion();
}

void RefuseNewerSchema(const Connection& connection)
{
    if (SchemaVersion(connection) > CurrentSchemaVersion())
        throw StoreError(QStringLiteral("This shop file was made by a newer version of Marquill"));
}

void MigrateSchema(Connection& connection)
{
    RefuseNewerSchema(connection);
    if (SchemaVersion(connection) == CurrentSchemaVersion()) return;
    Transaction transaction(connection);
    connection.Backend()->BeginMigration(connection);
    // Read again inside the transaction: another program may have brought
    // the shop up to date in between.
    const int from = SchemaVersion(connection);
    ApplyStepsAfter(connection, from);
    transaction.Commit();
}

void ApplyStepsAfter(Connection& connection, int from)
{
    const std::shared_ptr<const ShopBackend> backend = connection.Backend();
    for (const MigrationStep& step : MigrationSteps()) {
        if (step.version <= from) continue;
        backend->ApplyStep(step, connection);
        connection.SetUserVersion(step.version);
    }
}

}  // namespace mqt
