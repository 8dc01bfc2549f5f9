// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/MoneySum.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace mqt {

// One line of a statement: an item sold, or a rent charge (category "$Rent")
// whose share is negative. Prices are taken to the cent as the item list shows
// them, so the lines add up to the sums exactly; a price too large to be
// held shows, and makes its sums show, "too large".
struct StatementLine {
    QString description;
    QString dateSold;                   // the short date form; empty when none
    std::optional<MoneySum> salePrice;  // empty when the item has none
    std::optional<MoneySum> share;      // the cost price: the consignor's share
    bool rent = false;
};

// An item of the consignor's that left the shop at the end of its term.
struct LeftLine {
    QString itemNo;
    QString description;
    QString status;  // "returned" or "donated"
    QString date;    // the short date form
    QString salePrice;
};

// What a consignor is handed: who, which pay-out (or what is owed now), every
// line and the sums. Items come first, then rent lines.
struct StatementContent {
    QString programName;
    QString shopName;         // empty while the shop has not set one
    QStringList shopAddress;  // its lines; empty when none
    QDate made;
    QString lastName;
    QString firstName;
    QStringList address;  // street, then "city, state zip", as far as known
    bool owedNow = false;
    QString subject;      // "Pay-out of 3/1/2024, reference 1042" or "Owed now"
    QString fileTag;      // what the file name adds: "paid 2024-03-01 1042", "owed 2024-03-05"
    std::vector<StatementLine> lines;
    MoneySum totalSales;
    MoneySum totalShares;
    MoneySum shopPart;    // sales minus shares
    // After the lines and sums: the items returned to them or donated.
    std::vector<LeftLine> itemsLeft;

    QString ConsignorName() const { return firstName + u' ' + lastName; }
    // What heads the statement: the shop's name, or the program's while the
    // shop has none.
    QString Heading() const { return shopName.trimmed().isEmpty() ? programName : shopName.trimmed(); }
    // "Amount paid" for a pay-out, "Amount owed" for what is owed now; the
    // amount is the sum of the shares.
    QString TotalLabel() const;
};

// One pay-out of a consignor: the items paid on one day with one reference.
struct PayOut {
    QDate datePaid;     // invalid when the stored date cannot be read
    QString dateText;   // the date paid as shown
    QString payRef;     // empty when none
    MoneySum amount;    // the sum of the shares paid
    int itemCount = 0;

    // The entry offered in the choice of statements.
    QString Choice() const;
};

// A consignor's item as the statements need it.
struct StatementItem {
    StatementLine line;
    QDate dateSold;        // for the order of the lines; invalid when none
    QDate datePaid;        // invalid when not paid or not readable
    QString datePaidText;  // the date paid as shown; empty when not paid
    QString payRef;        // empty when none
    bool payable = false;  // what the item screen's Pay would list now
};

// The statements of one consignor, from the consignor's record and items.
class ConsignorStatements {
public:
    ConsignorStatements(QString lastName, QString firstName, QStringList address, std::vector<StatementItem> items);

    // The pay-outs, newest first; on one day by reference.
    const std::vector<PayOut>& PayOuts() const { return payOuts_; }
    // The items that Pay would list now: sold, unpaid, cost price not 0.
    StatementContent OwedNow(const QString& programName, const QDate& made) const;
    StatementContent ForPayOut(const PayOut& payOut, const QString& programName, const QDate& made) const;
    // What is owed now, for the choice of statements.
    MoneySum OwedAmount() const;

private:
    StatementContent Build(bool owedNow, const QString& subject, const QString& programName, const QDate& made,
                           const std::function<bool(const StatementItem&)>& takes) const;

    QString lastName_;
    QString firstName_;
    QStringList address_;
    std::vector<StatementItem> items_;
    std::vector<PayOut> payOuts_;
};

}  // namespace mqt
