// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 3 of a server shop: a row version on every row of the first
// tables, raised by the engine itself on every update, so that a write
// prepared from an earlier read can tell whether the row is still as it was
// read.
#include "store/MigrationSteps.h"

#include "store/Connection.h"
#include "store/Schema.h"

namespace mqt {

void AddRowVersionsOnServer(Connection& connection)
{
    connection.Execute(QStringLiteral(
        "CREATE FUNCTION mqt_raise_row_version() RETURNS trigger LANGUAGE plpgsql AS "
        "$$BEGIN NEW.RowVersion := OLD.RowVersion + 1; RETURN NEW; END$$"));
    for (const TableDefinition& table : Tables()) {
        connection.Execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 bigint NOT NULL DEFAULT 0")
                               .arg(table.name, RowVersionField));
        connection.Execute(QStringLiteral("CREATE TRIGGER %1_row_version BEFORE UPDATE ON %1 FOR EACH ROW "
                                          "EXECUTE FUNCTION mqt_raise_row_version()")
                               .arg(table.name));
    }
}

}  // namespace mqt
