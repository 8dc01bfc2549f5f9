// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/ChargeRent.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/DateText.h"
#include "common/SqlQuote.h"
#include "store/Connection.h"
#include "store/DataControl.h"
#include "store/TillLock.h"
#include "utility/RentClause.h"

namespace mqt {

namespace {

// Moves the consignor's clause on and books the rent item.
void ChargeOnePeriod(DataControl& itemSource, Recordset& consignor, const QString& last, const QString& first,
                     const RentCharge& charge)
{
    consignor.Edit();
    consignor.Fields(QStringLiteral("Notes")).SetValue(charge.notes);
    consignor.Update();

    const QString description = QStringLiteral("Rent - ") + FormatDateMmDdYyyy(charge.due);
    // The description is bound, so the look-up finds it exactly as stored.
    Recordset& items = itemSource.Query({QStringLiteral("select * from  item where lastname = '") + SqlQuote(last) +
                                               QStringLiteral("' and firstname = '") + SqlQuote(first) +
                                               QStringLiteral("' and itemdesc = ?"),
                                           {description}});
    if (items.Eof()) {
        items.AddNew();
        items.Fields(QStringLiteral("LastName")).SetValue(last);
        items.Fields(QStringLiteral("FirstName")).SetValue(first);
        items.Fields(QStringLiteral("ItemDesc")).SetValue(description);
        items.Fields(QStringLiteral("Category")).SetValue(QStringLiteral("$Rent"));
        items.Fields(QStringLiteral("CostPrice")).SetValue(-charge.amount);
        items.Fields(QStringLiteral("SalePrice")).SetValue(0.0);
        items.Fields(QStringLiteral("DateAdded")).SetValue(charge.due);
        items.Fields(QStringLiteral("DateSold")).SetValue(charge.due);
        items.Update();
    }
}

}  // namespace

void ChargeRent(Connection& connection, DataControl& consignorSource, DataControl& itemSource, Dialogs& dialogs,
                const Clock& clock, QString& currentLastName, QString& currentFirstName)
{
    // The whole pass is one transaction: one disk sync for all consignors,
    // and a failure leaves every clause and rent item as it was. Tills that
    // start together charge one after the other: the later one reads the
    // clauses only once the earlier one's charges are stored, and finds
    // nothing more due.
    Transaction transaction(connection);
    HoldTillLock(connection, TillLock::Rent);
    consignorSource.RecordSource(
        QStringLiteral("select * from  consignor where notes like '*$Rent*' order by lastname asc"));
    consignorSource.Refresh();
    Recordset& consignors = consignorSource.Recordset();
    if (consignors.Eof()) return;
    const QDate today = clock.Today();
    QStringList unreadable;
    consignors.MoveFirst();
    while (!consignors.Eof()) {
        const QString last = consignors.Fields(QStringLiteral("LastName")).Text();
        const QString first = consignors.Fields(QStringLiteral("FirstName")).Text();
        currentLastName = last;
        currentFirstName = first;
        if (!last.trimmed().isEmpty() && !first.trimmed().isEmpty()) {
            const std::optional<RentCharge> charge =
                RentDue(consignors.Fields(QStringLiteral("Notes")).Text(), today);
            if (charge)
                ChargeOnePeriod(itemSource, consignors, last, first, *charge);
            else if (RentClauseUnreadable(consignors.Fields(QStringLiteral("Notes")).Text(), today))
                unreadable << QStringLiteral("Rent not charged for %1, %2: the rent clause in the notes cannot be read")
                                  .arg(last, first);
        }
        consignors.MoveNext();
    }
    transaction.Commit();
    // Told once, after the pass is stored, so the owner can mend the notes.
    if (!unreadable.isEmpty()) dialogs.ShowMessage(unreadable.join(u'\n'));
}

}  // namespace mqt
