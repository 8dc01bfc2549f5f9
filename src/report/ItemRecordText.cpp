#include "report/ItemRecordText.h"

#include "common/Amount.h"
#include "common/DateText.h"
#include "store/Recordset.h"

namespace mqt {

namespace {

QString Shown(QChar type, const QVariant& value)
{
    const int stored = value.typeId();
    if (type == u'N' && (stored == QMetaType::Double || stored == QMetaType::LongLong))
        return FormatMoney(value.toDouble());
    if (type == u'D' && stored == QMetaType::QDate) return FormatShortDate(value.toDate());
    return value.toString();
}

}  // namespace

ItemColumnValues ReadItemColumns(Recordset& items, const ItemColumnTable& columns)
{
    ItemColumnValues values;
    for (int c = 1; c <= ItemColumnTable::Count; ++c)
        values[std::size_t(c)] = Shown(columns.ColumnTypes[std::size_t(c)], items.Fields(columns.FieldNames[std::size_t(c)]).Value());
    return values;
}

}  // namespace mqt
