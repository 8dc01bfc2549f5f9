// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <array>

namespace mqt {

class Recordset;

// An item record's twelve values as stored, in column order (index 0 unused).
using ItemStoredValues = std::array<QVariant, ItemColumnTable::Count + 1>;

// Reads item records' twelve column values. The fields are looked up by
// name once, for the whole result.
class ItemRecordReader {
public:
    ItemRecordReader(const Recordset& items, const ItemColumnTable& columns);

    // The current record's values as stored. Throws StoreError when a field
    // is missing.
    ItemStoredValues Stored() const;

private:
    const Recordset& items_;
    std::array<int, ItemColumnTable::Count + 1> fieldIndex_{};
};

// Item values as the report shows them: empty text for a missing value,
// prices in the money format, dates in the short date form, other values as
// stored. Each date's text is made once.
class ItemRecordText {
public:
    explicit ItemRecordText(const ItemColumnTable& columns) : columns_(columns) {}

    ItemColumnValues Shown(const ItemStoredValues& stored);

private:
    QString Shown(QChar type, const QVariant& value);

    const ItemColumnTable& columns_;
    QHash<QDate, QString> dates_;
};

}  // namespace mqt
