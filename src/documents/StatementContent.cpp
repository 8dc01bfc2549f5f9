// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementContent.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace mqt {

namespace {

MoneySum ValueOf(const std::optional<MoneySum>& price) { return price.value_or(MoneySum()); }

// Lines in the order a consignor reads them: items before rent, each by the
// day sold (undated last) and then by description.
bool LineBefore(const StatementItem& a, const StatementItem& b)
{
    const auto key = [](const StatementItem& item) {
        return std::make_tuple(item.line.rent, !item.dateSold.isValid(), item.dateSold, item.line.description);
    };
    return key(a) < key(b);
}

}  // namespace

QString StatementContent::TotalLabel() const
{
    return owedNow ? QStringLiteral("Amount owed") : QStringLiteral("Amount paid");
}

QString PayOut::Choice() const
{
    const QString reference = payRef.isEmpty() ? QStringLiteral("no reference") : QStringLiteral("reference ") + payRef;
    const QString items = itemCount == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(itemCount);
    return QStringLiteral("Pay-out of %1, %2: %3 (%4)").arg(dateText, reference, amount.Format(), items);
}

ConsignorStatements::ConsignorStatements(QString lastName, QString firstName, QStringList address,
                                         std::vector<StatementItem> items)
    : lastName_(std::move(lastName)), firstName_(std::move(firstName)), address_(std::move(address)),
      items_(std::move(items))
{
    std::stable_sort(items_.begin(), items_.end(), LineBefore);

    // One pay-out per day paid and reference.
    std::map<std::pair<QString, QString>, PayOut> byKey;
    for (const StatementItem& item : items_) {
        if (item.datePaidText.isEmpty()) continue;
        PayOut& payOut = byKey[{item.datePaidText, item.payRef}];
        payOut.datePaid = item.datePaid;
        payOut.dateText = item.datePaidText;
        payOut.payRef = item.payRef;
        payOut.amount.Add(ValueOf(item.line.share));
        ++payOut.itemCount;
    }
    for (auto& entry : byKey) payOuts_.push_back(entry.second);
    // Newest first; a date that cannot be read goes last; one day by reference.
    std::sort(payOuts_.begin(), payOuts_.end(), [](const PayOut& a, const PayOut& b) {
        const auto key = [](const PayOut& p) { return std::make_tuple(!p.datePaid.isValid(), -p.datePaid.toJulianDay()); };
        if (key(a) != key(b)) return key(a) < key(b);
        return std::tie(a.payRef, a.dateText) < std::tie(b.payRef, b.dateText);
    });
}

MoneySum ConsignorStatements::OwedAmount() const
{
    MoneySum owed;
    for (const StatementItem& item : items_)
        if (item.payable) owed.Add(ValueOf(item.line.share));
    return owed;
}

StatementContent ConsignorStatements::OwedNow(const QString& programName, const QDate& made) const
{
    StatementContent content = Build(true, QStringLiteral("Owed now"), programName, made,
                                     [](const StatementItem& item) { return item.payable; });
    content.fileTag = QStringLiteral("owed ") + made.toString(Qt::ISODate);
    return content;
}

StatementContent ConsignorStatements::ForPayOut(const PayOut& payOut, const QString& programName,
                                                const QDate& made) const
{
    QString subject = QStringLiteral("Pay-out of ") + payOut.dateText;
    if (!payOut.payRef.isEmpty()) subject += QStringLiteral(", reference ") + payOut.payRef;
    StatementContent content = Build(false, subject, programName, made, [&](const StatementItem& item) {
        return !item.datePaidText.isEmpty() && item.datePaidText == payOut.dateText && item.payRef == payOut.payRef;
    });
    content.fileTag = QStringLiteral("paid ") +
                      (payOut.datePaid.isValid() ? payOut.datePaid.toString(Qt::ISODate) : payOut.dateText);
    if (!payOut.payRef.isEmpty()) content.fileTag += u' ' + payOut.payRef;
    return content;
}

StatementContent ConsignorStatements::Build(bool owedNow, const QString& subject, const QString& programName,
                                            const QDate& made,
                                            const std::function<bool(const StatementItem&)>& takes) const
{
    StatementContent content;
    content.programName = programName;
    content.made = made;
    content.lastName = lastName_;
    content.firstName = firstName_;
    content.address = address_;
    content.owedNow = owedNow;
    content.subject = subject;
    for (const StatementItem& item : items_) {
        if (!takes(item)) continue;
        content.lines.push_back(item.line);
        content.totalSales.Add(ValueOf(item.line.salePrice));
        content.totalShares.Add(ValueOf(item.line.share));
    }
    content.shopPart = content.totalSales;
    content.shopPart.Subtract(content.totalShares);
    return content;
}

}  // namespace mqt
