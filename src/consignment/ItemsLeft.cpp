// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignment/ItemsLeft.h"

#include "common/DateText.h"
#include "store/Connection.h"

namespace mqt {

namespace {

const QString LeftColumns =
    QStringLiteral("SELECT ItemNo, LastName, FirstName, ItemDesc, SalePrice, LeftAs, LeftOn FROM item_left ");

ItemLeft LeftOfRow(const Statement& row)
{
    const QVariant price = row.Column(4);
    return {row.ColumnInt64(0),
            row.Column(1).toString(),
            row.Column(2).toString(),
            row.Column(3).toString(),
            price.isNull() ? std::nullopt : std::optional<Cents>(CentsOfPrice(price.toDouble())),
            row.Column(5).toString(),
            QDate::fromString(row.Column(6).toString().left(10), Qt::ISODate)};
}

std::vector<ItemLeft> AllRows(Statement& rows)
{
    std::vector<ItemLeft> items;
    while (rows.Step()) items.push_back(LeftOfRow(rows));
    return items;
}

}  // namespace

std::optional<ItemLeft> FindItemLeft(const Connection& connection, std::int64_t itemNo)
{
    // An item number is never given out again, so one row at most is found;
    // the latest wins should a restored copy have brought back an older one.
    Statement row(connection, LeftColumns + QStringLiteral("WHERE ItemNo = ? ORDER BY LeftOn DESC"));
    row.Bind(1, qint64(itemNo));
    if (!row.Step()) return std::nullopt;
    return LeftOfRow(row);
}

QString ItemLeftSentence(const ItemLeft& item)
{
    const QString how = item.leftAs == LeftDonated ? QStringLiteral("was donated")
                                                   : QStringLiteral("was returned to its consignor");
    return QStringLiteral("Item %1 %2 on %3").arg(item.itemNo).arg(how, FormatShortDate(item.leftOn));
}

std::vector<ItemLeft> ReadItemsLeftOf(const Connection& connection, const QString& lastName, const QString& firstName)
{
    // Names match as the consignor screen finds them, ignoring letter case.
    Statement rows(connection, LeftColumns + QStringLiteral("WHERE mqt_fold(trim(LastName)) = mqt_fold(?) AND "
                                                            "mqt_fold(trim(FirstName)) = mqt_fold(?) "
                                                            "ORDER BY LeftOn, ItemNo"));
    rows.Bind(1, lastName.trimmed());
    rows.Bind(2, firstName.trimmed());
    std::vector<ItemLeft> items;
    while (rows.Step()) items.push_back(LeftOfRow(rows));
    return items;
}

void RenameItemsLeft(Connection& connection, const QString& lastName, const QString& firstName,
                     const QString& newLastName, const QString& newFirstName)
{
    Statement rename(connection, QStringLiteral("UPDATE item_left SET LastName = ?, FirstName = ? WHERE "
                                                "mqt_fold(trim(LastName)) = mqt_fold(?) AND "
                                                "mqt_fold(trim(FirstName)) = mqt_fold(?)"));
    rename.Bind(1, newLastName);
    rename.Bind(2, newFirstName);
    rename.Bind(3, lastName.trimmed());
    rename.Bind(4, firstName.trimmed());
    rename.Step();
}

std::vector<ItemLeft> ReadDonatedOn(const Connection& connection, const QDate& day)
{
    Statement rows(connection, LeftColumns + QStringLiteral("WHERE LeftAs = ? AND LeftOn = ? "
                                                            "ORDER BY LastName, FirstName, ItemNo"));
    rows.Bind(1, LeftDonated);
    rows.Bind(2, day.toString(Qt::ISODate));
    return AllRows(rows);
}

}  // namespace mqt
