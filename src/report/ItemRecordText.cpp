// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ItemRecordText.h"

#include "common/Amount.h"
#include "common/DateText.h"
#include "store/Recordset.h"

namespace mqt {

ItemRecordReader::ItemRecordReader(const Recordset& items, const ItemColumnTable& columns) : items_(items)
{
    for (int c = ItemColumn::LastName; c <= ItemColumn::Notes; ++c)
        fieldIndex_[std::size_t(c)] = items.FieldIndex(columns.FieldNames[std::size_t(c)]);
}

ItemStoredValues ItemRecordReader::Stored() const
{
    ItemStoredValues values;
    for (std::size_t c = ItemColumn::LastName; c <= ItemColumn::Notes; ++c) values[c] = items_.ValueAt(fieldIndex_[c]);
    return values;
}

ItemColumnValues ItemRecordText::Shown(const ItemStoredValues& stored)
{
    ItemColumnValues values;
    for (std::size_t c = ItemColumn::LastName; c <= ItemColumn::Notes; ++c) values[c] = Shown(columns_.ColumnTypes[c], stored[c]);
    return values;
}

QString ItemRecordText::Shown(QChar type, const QVariant& value)
{
    const int stored = value.typeId();
    if (type == u'N' && (stored == QMetaType::Double || stored == QMetaType::LongLong))
        return FormatMoney(value.toDouble());
    if (type == u'D' && stored == QMetaType::QDate) {
        // A shop has few distinct dates: each is written once and its text shared.
        const QDate date = value.toDate();
        auto known = dates_.constFind(date);
        if (known == dates_.cend()) known = dates_.insert(date, FormatShortDate(date));
        return *known;
    }
    if (stored == QMetaType::QString) return *static_cast<const QString*>(value.constData());  // no conversion
    return value.toString();
}

}  // namespace mqt
