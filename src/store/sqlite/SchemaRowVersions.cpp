// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 3 of a shop file: a row version on every row of the first
// tables, raised by the engine itself on every update, so that a write
// prepared from an earlier read can tell whether the row is still as it was
// read.
#include "store/MigrationSteps.h"

#include "store/Connection.h"
#include "store/Schema.h"

namespace mqt {

void AddRowVersions(Connection& connection)
{
    for (const TableDefinition& table : Tables()) {
        connection.Execute(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 INTEGER NOT NULL DEFAULT 0")
                               .arg(table.name, RowVersionField));
        // A writer that raised the version itself (as the program does) is
        // left alone; any other update, by the program's own statements or
        // another SQLite tool, raises it here. An item's first number is
        // part of storing it, not a change of it.
        const QString unnumbered = table.name == u"item" ? QStringLiteral(" AND OLD.ItemNo IS NOT NULL") : QString();
        connection.Execute(QStringLiteral("CREATE TRIGGER %1_row_version AFTER UPDATE ON %1 FOR EACH ROW "
                                          "WHEN NEW.%2 = OLD.%2%3 BEGIN "
                                          "UPDATE %1 SET %2 = OLD.%2 + 1 WHERE rowid = NEW.rowid; END")
                               .arg(table.name, RowVersionField, unnumbered));
    }
}

}  // namespace mqt
