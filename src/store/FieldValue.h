// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Schema.h"

#include <QDate>
#include <QVariant>
#include <string_view>

namespace mqt {

// A stored value as the program reads it: null, QString, qint64 (integers),
// double (reals), bool (booleans) or QDate (dates). `field` is null for a
// column outside the known tables, which is read as stored.
QVariant FromStorage(const FieldDefinition* field, const QVariant& stored);
// The same for a value stored as text, given as its UTF-8 bytes: read
// without making a QString first where the field is a date.
QVariant FromStoredText(const FieldDefinition* field, std::string_view utf8);

// A value the program writes, converted for storage in the field: a text
// written into a number or date field is read as a number or as a
// month/day/year date. Throws StoreError when the text cannot be converted.
QVariant ToStorage(const FieldDefinition& field, const QVariant& value, const QDate& today);

}  // namespace mqt
