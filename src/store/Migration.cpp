// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Migration.h"

#include "store/MigrationSteps.h"
#include "store/Connection.h"
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
    const bool server = connection.IsServer();
    if (server && SchemaVersion(connection) < ServerBaseVersion)
        throw StoreError(QStringLiteral("The database %1 holds no shop of this Marquill's").arg(connection.Describe()));

    Transaction transaction(connection);
    // Tills that start together bring the server's shop up to date one
    // after the other; on a file the transaction holds the write lock.
    if (server) connection.Execute(QStringLiteral("LOCK TABLE mqt_schema IN EXCLUSIVE MODE"));
    // Read again inside the transaction: another program may have brought
    // the shop up to date in between.
    const int from = SchemaVersion(connection);
    ApplyStepsAfter(connection, from);
    transaction.Commit();
}

void ApplyStepsAfter(Connection& connection, int from)
{
    const bool server = connection.IsServer();
    for (const MigrationStep& step : MigrationSteps()) {
        if (step.version <= from) continue;
        (server ? step.applyOnServer : step.apply)(connection);
        connection.SetUserVersion(step.version);
    }
}

}  // namespace mqt
