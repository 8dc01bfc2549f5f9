// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignment/EndOfTerm.h"

#include "common/CodePointOrder.h"
#include "consignment/ItemsLeft.h"
#include "store/ConsignmentTables.h"
#include "store/Connection.h"
#include "store/RunSerializable.h"
#include "store/Schema.h"
#include "store/SqlDialect.h"

#include <QHash>
#include <algorithm>

namespace mqt {

namespace {

QString NamesKey(const QString& last, const QString& first) { return FoldCase(last) + u'\n' + FoldCase(first); }

// Each consignor's own action, by their names ignoring letter case.
QHash<QString, EndOfTermAction> ConsignorActions(const Connection& connection)
{
    QHash<QString, EndOfTermAction> actions;
    Statement rows(connection, QStringLiteral("SELECT LastName, FirstName, EndOfTerm FROM consignor"));
    while (rows.Step())
        if (const auto action = EndOfTermOfCode(rows.Column(2).toString()))
            actions.insert(NamesKey(rows.Column(0).toString(), rows.Column(1).toString()), *action);
    return actions;
}

QDate DateOfColumn(const QVariant& value) { return QDate::fromString(value.toString().left(10), Qt::ISODate); }

bool GroupOrder(const TermItem& a, const TermItem& b)
{
    if (const int last = CompareCodePoints(a.read.lastName, b.read.lastName)) return last < 0;
    if (const int first = CompareCodePoints(a.read.firstName, b.read.firstName)) return first < 0;
    return a.itemNo < b.itemNo;
}

// Ends the transaction without writing: an item is no longer as it was read.
struct ItemRefused {
    QString reason;
};

[[noreturn]] void Refuse(const Connection& connection, const TermItem& item)
{
    const QString how = ChangeSentence(HowItemChanged(item.read, ReadItemState(connection, item.itemNo)));
    throw ItemRefused{QStringLiteral("Item %1 %2 at another till or screen since the list was read: nothing was "
                                     "written. Read the list again.")
                          .arg(item.itemNo)
                          .arg(how)};
}

// Every column item_left keeps of an item, as both tables name them.
QString MovedColumns()
{
    QStringList columns;
    for (const FieldDefinition& field : FindTable(QStringLiteral("item"))->fields) columns << field.name;
    columns << RowVersionField << ItemTermColumns();
    return columns.join(QStringLiteral(", "));
}

void MoveItemsLeft(Connection& connection, const std::vector<const TermItem*>& items, const QString& leftAs,
                   const QString& day)
{
    const QString columns = MovedColumns();
    Statement copy(connection, QStringLiteral("INSERT INTO item_left (%1, LeftAs, LeftOn) SELECT %1, ?, ? FROM item "
                                              "WHERE ItemNo = ? AND RowVersion = ? AND DateSold IS NULL")
                                   .arg(columns));
    Statement remove(connection, QStringLiteral("DELETE FROM item WHERE ItemNo = ? AND RowVersion = ?"));
    for (const TermItem* item : items) {
        copy.Reset();
        copy.Bind(1, leftAs);
        copy.Bind(2, day);
        copy.Bind(3, qint64(item->itemNo));
        copy.Bind(4, qint64(item->read.version));
        copy.Step();
        if (connection.Changes() != 1) Refuse(connection, *item);
        remove.Reset();
        remove.Bind(1, qint64(item->itemNo));
        remove.Bind(2, qint64(item->read.version));
        remove.Step();
        if (connection.Changes() != 1) Refuse(connection, *item);
    }
}

void KeepAsShopStock(Connection& connection, const std::vector<const TermItem*>& items, const QString& day)
{
    Statement update(connection, QStringLiteral("UPDATE item SET CostPrice = 0, Status = ?, StatusDate = ? "
                                                "WHERE ItemNo = ? AND RowVersion = ? AND DateSold IS NULL"));
    for (const TermItem* item : items) {
        update.Reset();
        update.Bind(1, ItemShopStock);
        update.Bind(2, day);
        update.Bind(3, qint64(item->itemNo));
        update.Bind(4, qint64(item->read.version));
        update.Step();
        if (connection.Changes() != 1) Refuse(connection, *item);
    }
}

// "returned to their consignors", "donated", "as the shop's own stock".
QString ActionWords(EndOfTermAction action)
{
    switch (action) {
    case EndOfTermAction::ReturnToConsignor: return QStringLiteral("returned to their consignors");
    case EndOfTermAction::Donate: return QStringLiteral("donated");
    case EndOfTermAction::ShopStock: break;
    }
    return QStringLiteral("as the shop's own stock");
}

// "be returned to their consignor", "be donated", "become the shop's".
QString AgreedWords(EndOfTermAction action)
{
    switch (action) {
    case EndOfTermAction::ReturnToConsignor: return QStringLiteral("be returned to their consignor");
    case EndOfTermAction::Donate: return QStringLiteral("be donated");
    case EndOfTermAction::ShopStock: break;
    }
    return QStringLiteral("become the shop's");
}

}  // namespace

std::vector<TermItem> ReadTermItems(const Connection& connection, const QDate& today, int withinDays)
{
    const ConsignmentTerms terms = ReadConsignmentTerms(connection);
    const QHash<QString, EndOfTermAction> own = ConsignorActions(connection);
    // A term ends Date Added + the term's days: it ends within the days when
    // the item came in from that many days back to that many less.
    const bool soon = terms.termDays > 0 && withinDays > 0;
    const QDate addedFrom = today.addDays(-terms.termDays);
    const QDate addedTo = today.addDays(qint64(withinDays) - terms.termDays);
    Statement rows(connection,
                   QStringLiteral("SELECT ItemNo, RowVersion, LastName, FirstName, ItemDesc, SalePrice, CostPrice, "
                                  "DateAdded, Status, StatusDate FROM item WHERE DateSold IS NULL "
                                  "AND (Category IS NULL OR Category <> ?) AND (Status = ?%1)")
                       .arg(soon ? QStringLiteral(" OR ((Status IS NULL OR Status = '') "
                                                  "AND DateAdded >= ? AND DateAdded <= ?)")
                                 : QString()));
    rows.Bind(1, QStringLiteral("$Rent"));
    rows.Bind(2, ItemEnded);
    if (soon) {
        rows.Bind(3, addedFrom.toString(Qt::ISODate));
        rows.Bind(4, addedTo.toString(Qt::ISODate));
    }
    std::vector<TermItem> items;
    while (rows.Step()) {
        TermItem item;
        item.itemNo = rows.ColumnInt64(0);
        item.read = ItemState{rows.ColumnInt64(1), rows.Column(2).toString(), rows.Column(3).toString(), false, false,
                              rows.Column(6), rows.Column(5)};
        item.description = rows.Column(4).toString();
        if (!item.read.salePrice.isNull()) item.price = CentsOfPrice(item.read.salePrice.toDouble());
        item.dateAdded = DateOfColumn(rows.Column(7));
        item.ended = rows.Column(8).toString() == ItemEnded;
        item.termEnds = item.ended ? DateOfColumn(rows.Column(9)) : item.dateAdded.addDays(terms.termDays);
        item.agreed = own.value(NamesKey(item.read.lastName, item.read.firstName), terms.action);
        items.push_back(std::move(item));
    }
    std::sort(items.begin(), items.end(), GroupOrder);
    return items;
}

TermOutcome ApplyEndOfTerm(Connection& connection, const std::vector<TermItem>& items, EndOfTermAction action,
                           const QDate& today)
{
    // In number order, so that two tills take the same rows in one order.
    std::vector<const TermItem*> ordered;
    for (const TermItem& item : items) ordered.push_back(&item);
    std::sort(ordered.begin(), ordered.end(),
              [](const TermItem* a, const TermItem* b) { return a->itemNo < b->itemNo; });
    const QString day = today.toString(Qt::ISODate);
    try {
        RunSerializable(connection, [&] {
            switch (action) {
            case EndOfTermAction::ReturnToConsignor: MoveItemsLeft(connection, ordered, LeftReturned, day); break;
            case EndOfTermAction::Donate: MoveItemsLeft(connection, ordered, LeftDonated, day); break;
            case EndOfTermAction::ShopStock: KeepAsShopStock(connection, ordered, day); break;
            }
        });
        return {};
    } catch (const ItemRefused& refused) {
        return {refused.reason};
    }
}

QString EndOfTermQuestion(const std::vector<TermItem>& items, EndOfTermAction action)
{
    const qsizetype count = qsizetype(items.size());
    QString question = QStringLiteral("Mark %1 %2 %3?")
                           .arg(count)
                           .arg(count == 1 ? QStringLiteral("item") : QStringLiteral("items"), ActionWords(action));
    // The other actions agreed, each with how many items it was agreed for.
    for (const EndOfTermAction agreed :
         {EndOfTermAction::ReturnToConsignor, EndOfTermAction::Donate, EndOfTermAction::ShopStock}) {
        if (agreed == action) continue;
        const auto differ =
            std::count_if(items.begin(), items.end(), [&](const TermItem& item) { return item.agreed == agreed; });
        if (differ == 0) continue;
        question += QStringLiteral(" %1 of them %2 agreed to %3.")
                        .arg(differ)
                        .arg(differ == 1 ? QStringLiteral("was") : QStringLiteral("were"), AgreedWords(agreed));
    }
    const qsizetype notEnded =
        std::count_if(items.begin(), items.end(), [](const TermItem& item) { return !item.ended; });
    if (notEnded > 0)
        question += QStringLiteral(" %1 of them %2 not reached the end of %3 term yet.")
                        .arg(notEnded)
                        .arg(notEnded == 1 ? QStringLiteral("has") : QStringLiteral("have"),
                             notEnded == 1 ? QStringLiteral("its") : QStringLiteral("their"));
    return question;
}

}  // namespace mqt
