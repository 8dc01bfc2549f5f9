// SPDX-License-Identifier: GPL-3.0-or-later
// Schema version 1: every item gets a number that never changes and is never
// handed out again, so a printed tag finds its item and no other.
#include "store/MigrationSteps.h"

#include "store/Connection.h"

namespace mqt {

void AddItemNumbersAndShopAddress(Connection& connection)
{
    connection.Execute(QStringLiteral("ALTER TABLE item ADD COLUMN ItemNo INTEGER"));
    // Items stored so far are numbered 1, 2, 3, ... in the order they were stored.
    connection.Execute(QStringLiteral(
        "UPDATE item SET ItemNo = numbered.n FROM "
        "(SELECT rowid AS r, row_number() OVER (ORDER BY rowid) AS n FROM item) AS numbered "
        "WHERE item.rowid = numbered.r"));
    connection.Execute(QStringLiteral("CREATE UNIQUE INDEX item_number ON item (ItemNo)"));

    // The next number is kept, not worked out from the highest present: a
    // deleted or purged item's number is never given to another item.
    connection.Execute(QStringLiteral("CREATE TABLE counters (Name TEXT PRIMARY KEY, NextValue INTEGER NOT NULL)"));
    connection.Execute(QStringLiteral(
        "INSERT INTO counters (Name, NextValue) VALUES ('ItemNo', (SELECT count(*) + 1 FROM item))"));
    // Every way an item is stored (the item screen, rent charging, the sample
    // shop, another SQLite tool) gets the next number. An item stored with a
    // number of its own moves the counter past it.
    connection.Execute(QStringLiteral(
        "CREATE TRIGGER item_number_given AFTER INSERT ON item BEGIN "
        "UPDATE item SET ItemNo = (SELECT NextValue FROM counters WHERE Name = 'ItemNo') "
        "WHERE rowid = NEW.rowid AND ItemNo IS NULL; "
        "UPDATE counters SET NextValue = max(NextValue, (SELECT ItemNo FROM item WHERE rowid = NEW.rowid) + 1) "
        "WHERE Name = 'ItemNo'; "
        "END"));

    connection.Execute(QStringLiteral("ALTER TABLE params ADD COLUMN ShopName TEXT"));
    connection.Execute(QStringLiteral("ALTER TABLE params ADD COLUMN ShopAddress TEXT"));
}

}  // namespace mqt
