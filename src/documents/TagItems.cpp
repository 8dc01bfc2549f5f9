// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TagItems.h"

#include "common/SaleMoney.h"
#include "store/ConsignmentTables.h"
#include "store/Connection.h"

namespace mqt {

namespace {

const QString NotRent = QStringLiteral("lower(coalesce(Category, '')) <> '$rent'");

}  // namespace

std::vector<TagItem> ReadTagItems(const Connection& connection, std::span<const std::int64_t> itemNos)
{
    Statement read(connection, QStringLiteral("SELECT ItemDesc, Category, SalePrice, DateAdded, DateSold "
                                              "FROM item WHERE ItemNo = ? AND ") + NotRent);
    std::vector<TagItem> items;
    items.reserve(itemNos.size());
    for (const std::int64_t itemNo : itemNos) {
        read.Bind(1, QVariant(qint64(itemNo)));
        if (read.Step()) {
            TagItem item;
            item.itemNo = itemNo;
            item.description = read.Column(0).toString();
            item.category = read.Column(1).toString();
            const QVariant price = read.Column(2);
            // A price is shown to the cent, as the item list shows it.
            if (!price.isNull()) item.salePrice = AmountOfText(FormatMoney(price.toDouble()));
            item.dateAdded = QDate::fromString(read.Column(3).toString(), Qt::ISODate);
            item.sold = !read.Column(4).isNull();
            items.push_back(std::move(item));
        }
        read.Reset();
    }
    return items;
}

std::vector<std::int64_t> ItemsAddedOn(const Connection& connection, const QString& lastName,
                                       const QString& firstName, const QDate& day)
{
    Statement find(connection, QStringLiteral("SELECT ItemNo FROM item WHERE mqt_fold(LastName) = mqt_fold(?) AND "
                                              "mqt_fold(FirstName) = mqt_fold(?) AND DateAdded = ? AND ") +
                                   NotRent + QStringLiteral(" ORDER BY rowid"));
    find.Bind(1, lastName);
    find.Bind(2, firstName);
    find.Bind(3, day.toString(Qt::ISODate));
    std::vector<std::int64_t> numbers;
    while (find.Step()) numbers.push_back(find.ColumnInt64(0));
    return numbers;
}

std::vector<std::int64_t> ItemsRepricedSinceTagged(const Connection& connection)
{
    Statement find(connection, QStringLiteral("SELECT item.ItemNo, tag_price.Cents, SalePrice FROM item JOIN tag_price "
                                              "ON tag_price.ItemNo = item.ItemNo WHERE DateSold IS NULL "
                                              "AND tag_price.Cents IS NOT NULL AND coalesce(Status, '') <> ? AND ") +
                                   NotRent + QStringLiteral(" ORDER BY item.ItemNo"));
    find.Bind(1, ItemEnded);
    std::vector<std::int64_t> numbers;
    while (find.Step()) {
        const QVariant price = find.Column(2);
        if (price.isNull() || CentsOfPrice(price.toDouble()) != find.ColumnInt64(1))
            numbers.push_back(find.ColumnInt64(0));
    }
    return numbers;
}

void RecordTagPrices(Connection& connection, std::span<const TagItem> items)
{
    Transaction transaction(connection);
    Statement note(connection, QStringLiteral("INSERT INTO tag_price (ItemNo, Cents) VALUES (?, ?) "
                                              "ON CONFLICT (ItemNo) DO UPDATE SET Cents = excluded.Cents"));
    for (const TagItem& item : items) {
        note.Bind(1, QVariant(qint64(item.itemNo)));
        // A tag's price is to the cent: a whole number of hundredths of a cent.
        note.Bind(2, item.salePrice ? QVariant(qint64(item.salePrice->Units() / 100)) : QVariant());
        note.Step();
        note.Reset();
    }
    transaction.Commit();
}

}  // namespace mqt
