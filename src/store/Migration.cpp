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
    // A server database is made at the current version by mqt-createdb or
    // mqt-copyshop; its steps are its own when the schema grows again.
    if (connection.IsServer())
        throw StoreError(QStringLiteral("The shop's database on %1 is at schema version %2; this Marquill needs %3")
                             .arg(connection.Describe())
                             .arg(SchemaVersion(connection))
                             .arg(CurrentSchemaVersion()));

    Transaction transaction(connection);
    // Read again inside the transaction: another program may have brought
    // the file up to date in between.
    const int from = SchemaVersion(connection);
    for (const MigrationStep& step : MigrationSteps()) {
        if (step.version <= from) continue;
        step.apply(connection);
        connection.SetUserVersion(step.version);
    }
    transaction.Commit();
}

}  // namespace mqt
