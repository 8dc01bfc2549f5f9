// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Migration.h"

#include "store/MigrationSteps.h"
#include "store/Sqlite.h"
#include "store/StoreError.h"

namespace mqt {

int CurrentSchemaVersion() { return MigrationSteps().back().version; }

int SchemaVersion(const Connection& connection)
{
    Statement statement(connection, QStringLiteral("PRAGMA user_version"));
    return statement.Step() ? int(statement.ColumnInt64(0)) : 0;
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
    // Read again inside the transaction: another program may have brought
    // the file up to date in between.
    const int from = SchemaVersion(connection);
    for (const MigrationStep& step : MigrationSteps()) {
        if (step.version <= from) continue;
        step.apply(connection);
        connection.Execute(QStringLiteral("PRAGMA user_version = %1").arg(step.version));
    }
    transaction.Commit();
}

}  // namespace mqt
