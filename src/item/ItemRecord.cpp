// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/ItemRecord.h"

#include "common/Amount.h"
#include "common/DateText.h"
#include "common/TrimBlanks.h"
#include "item/PriceEntry.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

namespace mqt {

namespace {

bool IsPrice(int column) { return column == ItemColumn::CostPrice || column == ItemColumn::SalePrice; }

// A price box's value: null for no price, else the amount it holds.
QVariant PriceValue(int column, const QString& text)
{
    const PriceEntry price = ReadPriceEntry(text);
    if (!price.valid)
        throw StoreError(column == ItemColumn::CostPrice ? QStringLiteral("Invalid Cost Price")
                                                         : QStringLiteral("Invalid Sale Price"));
    return price.amount ? QVariant(price.amount->ToDouble()) : QVariant();
}

}  // namespace

QString StoredFieldName(int column)
{
    static const std::array<QString, ItemColumnTable::Count + 1> names = {
        QString(),                   QStringLiteral("LastName"),  QStringLiteral("FirstName"),
        QStringLiteral("ItemDesc"),  QStringLiteral("Category"),  QStringLiteral("Subcategory"),
        QStringLiteral("CostPrice"), QStringLiteral("SalePrice"), QStringLiteral("DateAdded"),
        QStringLiteral("DateSold"),  QStringLiteral("DatePaid"),  QStringLiteral("PayRef"),
        QStringLiteral("Notes")};
    return names[std::size_t(column)];
}

ItemColumnValues ReadItem(Recordset& items)
{
    ItemColumnValues record;
    for (int column = ItemColumn::LastName; column <= ItemColumn::Notes; ++column) {
        const QVariant value = items.Fields(StoredFieldName(column)).Value();
        if (value.isNull()) continue;
        if (IsPrice(column))
            record[std::size_t(column)] = FormatMoney(value.toDouble());
        else if (value.typeId() == QMetaType::QDate)
            record[std::size_t(column)] = FormatShortDate(value.toDate());
        else
            record[std::size_t(column)] = value.toString();
    }
    return record;
}

void WriteItem(Recordset& items, const QString& lastName, const QString& firstName, const ItemColumnValues& entry)
{
    items.Fields(StoredFieldName(ItemColumn::LastName)).SetValue(lastName);
    items.Fields(StoredFieldName(ItemColumn::FirstName)).SetValue(firstName);
    items.Fields(StoredFieldName(ItemColumn::ItemDesc)).SetValue(TrimBlanks(entry[ItemColumn::ItemDesc]).toString());
    for (int column = ItemColumn::Category; column <= ItemColumn::Notes; ++column) {
        const QString& text = entry[std::size_t(column)];
        QVariant value;
        if (IsPrice(column))
            value = PriceValue(column, text);
        else if (!text.isEmpty())
            value = text;
        items.Fields(StoredFieldName(column)).SetValue(value);
    }
}

}  // namespace mqt
