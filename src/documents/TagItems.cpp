// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/TagItems.h"

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

}  // namespace mqt
