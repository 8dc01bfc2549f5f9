// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace mqt {

// The rent terms written into a consignor's notes, for example
//   Space B $Rent=(amount=50,due=01/15/2024,interval=1) paid by cheque
// The clause starts at the first "$rent" in any case; its items are the text
// between the first "(" after that word and the first ")" after the "(",
// split like every comma list of the program. Each item is key=value; the key
// is compared in lower case without trimming, and a later key overrides an
// earlier one. Items without "=" or with other keys are kept as they are.
struct RentClause {
    qsizetype start = 0;  // position of "$rent" in the notes
    qsizetype close = 0;  // position of the ")" that ends the items
    QStringList items;    // all of them: a long clause is read whole
    float amount = 0;     // rent per period in dollars; 0 or less is never charged
    QDate due = QDate(2099, 1, 1);
    qsizetype dueItem = -1;  // the item that set the due date, -1 when none did
    int interval = 1;        // months per period, 0 to 32767
};

// Reads the clause from the notes. An amount or interval is the number its
// value starts with, 0 when there is none ("abc", "$40", nothing), and a later
// item of a key overrides an earlier one. Empty when the notes hold no "$rent"
// followed by "(" and ")", and when the clause cannot be charged safely: its
// last due date is no date, its last interval is negative or beyond 32767
// months, or its amount is too large to hold. Such a consignor is left alone.
std::optional<RentClause> ReadRentClause(const QString& notes, const QDate& today);

// Whether the notes hold "$rent" but no clause that ReadRentClause can read,
// so the shop owner is told that no rent is charged for the consignor.
bool RentClauseUnreadable(const QString& notes, const QDate& today);

// One period of rent that has come due.
struct RentCharge {
    QDate due;      // the day being charged
    double amount;  // the rent, positive
    QString notes;  // the notes with the clause moved on by one period
};

// The charge when the clause's rent is due on or before today: the amount is
// above 0 and the due date has come. The rewritten notes keep everything
// outside the clause; the clause is written "$Rent=(" with its items as read,
// the due item replaced by "Due=" and the next due date in mm/dd/yyyy.
std::optional<RentCharge> RentDue(const QString& notes, const QDate& today);

}  // namespace mqt
