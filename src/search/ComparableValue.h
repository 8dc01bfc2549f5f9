// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace mqt {

// A column value in the form the criteria compare it by, chosen by the
// column's type letter:
//   "A" text: lower-cased, compared character by character by code point;
//   "N" number: empty text stays empty and is greater than every number, two
//       empty values are equal; any other text is its leading number (Val);
//   "D" date: the date (and time of day) the text reads as, month/day/year;
//       empty text, or text that is no date, is 1 January 1900.
class ComparableValue {
public:
    ComparableValue(QChar type, const QString& text, const QDate& today);

    // Negative, zero or positive as this value is below, equal to or above
    // other, a value of the same column type.
    int CompareTo(const ComparableValue& other) const;

private:
    enum class Kind { Text, Number, Date };
    Kind kind_;
    QString text_;
    std::optional<double> number_;  // empty for an empty number
    qint64 moment_ = 0;             // milliseconds from the start of the calendar
};

}  // namespace mqt
