// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace mqt {

// A date as typed: the day, and the time of day when one was given.
struct DateValue {
    QDate date;
    std::optional<QTime> time;
};

// Reads a date in month/day/year order, the one reading every screen uses:
//   m/d/yyyy, m/d/yy, m/d (this year), with "-" as separator too; yyyy-mm-dd;
//   month names: "Mar 15, 2024", "15-Mar-2024", "March 15 2024";
//   an optional time of day after the date ("3/1/2024 10:30", "... 2:15 PM").
// A two-digit year is the year ending in those digits that lies within
// today's year - 80 to today's year + 19 (in 2024: 44 to 99 are 1944 to 1999,
// 00 to 43 are 2000 to 2043). A day that does not exist, a month above 12, a
// time alone and any other characters are not dates. `today` supplies the
// year of "m/d" and the window of two-digit years.
std::optional<DateValue> ReadDate(const QString& text, const QDate& today);

// Whether ReadDate accepts the text.
bool IsDate(const QString& text, const QDate& today);

// "mm/dd/yy", as the item screen's date boxes show a date.
QString FormatDateMmDdYy(const QDate& date);
// "mm/dd/yyyy", as rent clauses and rent item descriptions write it.
QString FormatDateMmDdYyyy(const QDate& date);
// The short date form "M/d/yyyy" (3/1/2012) used for dates read back from the database.
QString FormatShortDate(const QDate& date);
// The short date form followed by the time of day, when there is one.
QString FormatShortDate(const DateValue& value);

// Adds months keeping the day of the month, or taking the last day of a
// shorter month (01/31/2024 plus one month is 02/29/2024).
QDate AddMonths(const QDate& date, int months);

}  // namespace mqt
