// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/ItemFields.h"

#include "common/Amount.h"
#include "common/DateText.h"
#include "common/TrimBlanks.h"
#include "item/PriceEntry.h"
#include "store/Recordset.h"
#include "store/StoreError.h"

namespace mqt {

namespace {

bool IsPrice(int field) { return field == ItemField::CostPrice || field == ItemField::SalePrice; }

// A price box's value: null for no price, else the amount it holds.
QVariant PriceValue(int field, const QString& text)
{
    const PriceEntry price = ReadPriceEntry(text);
    if (!price.valid)
        throw StoreError(field == ItemField::CostPrice ? QStringLiteral("Invalid Cost Price")
                                                       : QStringLiteral("Invalid Sale Price"));
    return price.amount ? QVariant(price.amount->ToDouble()) : QVariant();
}

}  // namespace

QString ItemFieldName(int field)
{
    static const std::array<QString, ItemField::Count> names = {
        QStringLiteral("ItemDesc"),  QStringLiteral("Category"),  QStringLiteral("Subcategory"),
        QStringLiteral("CostPrice"), QStringLiteral("SalePrice"), QStringLiteral("DateAdded"),
        QStringLiteral("DateSold"),  QStringLiteral("DatePaid"),  QStringLiteral("PayRef"),
        QStringLiteral("Notes")};
    return names[std::size_t(field)];
}

ItemRecord ReadItem(Recordset& items)
{
    ItemRecord record;
    for (int field = 0; field < ItemField::Count; ++field) {
        const QVariant value = items.Fields(ItemFieldName(field)).Value();
        if (value.isNull()) continue;
        if (IsPrice(field))
            record[std::size_t(field)] = FormatMoney(value.toDouble());
        else if (value.typeId() == QMetaType::QDate)
            record[std::size_t(field)] = FormatShortDate(value.toDate());
        else
            record[std::size_t(field)] = value.toString();
    }
    return record;
}

void WriteItem(Recordset& items, const QString& lastName, const QString& firstName, const ItemRecord& entry)
{
    items.Fields(QStringLiteral("LastName")).SetValue(lastName);
    items.Fields(QStringLiteral("FirstName")).SetValue(firstName);
    items.Fields(ItemFieldName(ItemField::ItemDesc)).SetValue(TrimBlanks(entry[ItemField::ItemDesc]).toString());
    for (int field = ItemField::Category; field < ItemField::Count; ++field) {
        const QString& text = entry[std::size_t(field)];
        QVariant value;
        if (IsPrice(field))
            value = PriceValue(field, text);
        else if (!text.isEmpty())
            value = text;
        items.Fields(ItemFieldName(field)).SetValue(value);
    }
}

}  // namespace mqt
