// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <array>

namespace mqt {

class Recordset;

// Reads item records' twelve column values as the report shows them: empty
// text for a missing value, prices in the money format, dates in the short
// date form, other values as stored. The fields are looked up by name once,
// for the whole result, and each date's text is made once.
class ItemRecordReader {
public:
    ItemRecordReader(const Recordset& items, const ItemColumnTable& columns);

    // The current record's values. Throws StoreError when a field is missing.
    ItemColumnValues Read() const;

private:
    QString Shown(QChar type, const QVariant& value) const;

    const Recordset& items_;
    const ItemColumnTable& columns_;
    std::array<int, ItemColumnTable::Count + 1> fieldIndex_{};
    mutable QHash<QDate, QString> dates_;
};

}  // namespace mqt
