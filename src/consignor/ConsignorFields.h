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

// Writes the entry into the record being added or edited: the two names as
// StoredName makes them, every other field only when its text is not empty.
// An empty box therefore leaves the field null on an add and as it was on a
// change.
void WriteConsignor(Recordset& consignors, const ConsignorRecord& entry);

// A typed name as the consignor file holds it: without surrounding blanks
// and with each run of apostrophes made one, which is the name that a
// lookup by that typed name finds (the lookups pass it through SqlQuote).
QString StoredName(const QString& typed);

}  // namespace mqt
