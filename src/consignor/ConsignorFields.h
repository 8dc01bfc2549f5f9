// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace mqt {

class Recordset;

// The nine consignor fields in the order of the record buffer, the entry
// boxes and the grid columns (the grid shows the first eight).
struct ConsignorField {
    enum : int { LastName, FirstName, Phone, Email, Street, City, State, Zip, Notes, Count };
};

using ConsignorRecord = std::array<QString, ConsignorField::Count>;

// The field names as the consignor table spells them.
QString ConsignorFieldName(int field);

// The current record of a consignor result; a null field reads as empty text.
ConsignorRecord ReadConsignor(Recordset& consignors);

// What an empty entry box does to its field.
enum class EmptyBox {
    WritesNothing,  // an add: the new record's field stays null
    ClearsField     // a change: the box was emptied, so the field becomes null
};

// Writes the entry into the record being added or edited: the two names as
// StoredName makes them, every other field from its box; an empty box writes
// nothing or clears the field, as `empty` says.
void WriteConsignor(Recordset& consignors, const ConsignorRecord& entry, EmptyBox empty);

// A typed name as the consignor file holds it: without surrounding blanks
// and with each run of apostrophes made one, which is the name that a
// lookup by that typed name finds (the lookups pass it through SqlQuote).
QString StoredName(const QString& typed);

}  // namespace mqt
