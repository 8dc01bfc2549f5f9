// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ItemColumns.h"
#include "search/ComparableValue.h"

#include <QDate>
#include <QString>
#include <vector>

namespace mqt {

// A criteria string read once, to test many records against it.
//
// The string is a comma-separated list of terms "column.operator.value", all
// of which must hold ("6.NE.0,9.NE.NULL,10.EQ.NULL"). It is split with
// SplitFields, so a comma between double quotes stays in its term, and the
// caller's text is left with SplitFields's markers; reading the rewritten text
// again gives the same terms. Empty fields are skipped.
//
// In a term the column is the leading number before the first "."; the
// operator is the two characters after it, in any case: EQ, NE, GT, LT,
// NG (not greater) or NL (not less), the record's value on the left; the value
// is everything after the next "." and may hold dots and blanks; "NULL" in any
// case stands for empty text; "%" and two hexadecimal digits stand for the
// character of that code (CriteriaEscapes.h). Both sides compare as ComparableValue of the
// column's type. A term that cannot be read holds: one without ".", without
// the "." that ends its operator, with a column other than 1 to 12, or with
// another operator. There is no limit on the number of terms.
class CriteriaFilter {
public:
    CriteriaFilter(QString& criteria, const ItemColumnTable::TypeLetters& types, const QDate& today);

    // Whether every term holds for the record's column values.
    bool Matches(const ItemColumnValues& values) const;

private:
    enum class Operator { EQ, NE, GT, LT, NG, NL };
    struct Term {
        int column;
        Operator op;
        ComparableValue value;
    };

    std::vector<Term> terms_;
    ItemColumnTable::TypeLetters types_;
    QDate today_;
};

// Tests one record against a criteria string; an empty string matches every
// record. The criteria text is left with SplitFields's markers.
bool RecordMatchesCriteria(QString& criteria, const ItemColumnTable::TypeLetters& types,
                           const ItemColumnValues& values, const QDate& today);

}  // namespace mqt
