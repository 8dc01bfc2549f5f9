// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/Takings.h"

#include "common/DateText.h"
#include "documents/CsvField.h"
#include "store/Connection.h"

#include <map>

namespace mqt {

namespace {

QString TimeText(const QDate& day) { return day.toString(Qt::ISODate); }

QStringList SaleFields(const Takings::Sale& sale)
{
    QStringList fields = {QString::number(sale.saleNo), sale.time.toString(QStringLiteral("HH:mm:ss")),
                          sale.refund ? QStringLiteral("Refund") : QStringLiteral("Sale"), QString::number(sale.items),
                          FormatCents(sale.subtotal), FormatCents(sale.tax), FormatCents(sale.total)};
    for (Cents paid : sale.paid) fields << FormatCents(paid);
    fields << FormatCents(sale.change);
    return fields;
}

}  // namespace

Takings ReadTakings(const Connection& connection, const QDate& day)
{
    Takings takings;
    takings.day = day;
    const QString from = TimeText(day);
    const QString to = TimeText(day.addDays(1));
    Statement sales(connection,
                    QStringLiteral("SELECT s.SaleNo, s.SoldAt, s.Kind, s.Subtotal, s.Tax, s.Total, s.ChangeGiven, "
                                   "(SELECT count(*) FROM sale_line l WHERE l.SaleNo = s.SaleNo) "
                                   "FROM sale s WHERE s.SoldAt >= ? AND s.SoldAt < ? ORDER BY s.SaleNo"));
    sales.Bind(1, from);
    sales.Bind(2, to);
    std::map<std::int64_t, std::size_t> index;
    while (sales.Step()) {
        Takings::Sale sale;
        sale.saleNo = sales.ColumnInt64(0);
        sale.time = QDateTime::fromString(sales.Column(1).toString(), Qt::ISODate).time();
        sale.refund = sales.Column(2).toString() == u"Return";
        sale.subtotal = sales.ColumnInt64(3);
        sale.tax = sales.ColumnInt64(4);
        sale.total = sales.ColumnInt64(5);
        sale.change = sales.ColumnInt64(6);
        sale.items = int(sales.ColumnInt64(7));
        index[sale.saleNo] = takings.sales.size();
        takings.sales.push_back(sale);
    }

    Statement payments(connection,
                       QStringLiteral("SELECT p.SaleNo, p.Kind, p.Amount FROM sale_payment p JOIN sale s "
                                      "ON s.SaleNo = p.SaleNo WHERE s.SoldAt >= ? AND s.SoldAt < ?"));
    payments.Bind(1, from);
    payments.Bind(2, to);
    while (payments.Step()) {
        const auto found = index.find(payments.ColumnInt64(0));
        if (found == index.end()) continue;
        takings.sales[found->second].paid[std::size_t(PayKindOf(payments.Column(1).toString()))] +=
            payments.ColumnInt64(2);
    }

    const std::size_t cash = std::size_t(PayKind::Cash);
    for (const Takings::Sale& sale : takings.sales) {
        if (sale.refund) {
            takings.returnCount += 1;
            takings.itemsReturned += sale.items;
            takings.cashRefunded -= sale.paid[cash];
        } else {
            takings.saleCount += 1;
            takings.itemsSold += sale.items;
            takings.cashTaken += sale.paid[cash];
        }
        takings.changeGiven += sale.change;
        takings.subtotal += sale.subtotal;
        takings.tax += sale.tax;
        takings.total += sale.total;
        for (std::size_t k = 0; k < sale.paid.size(); ++k) takings.drawer[k] += sale.paid[k];
        takings.drawer[cash] -= sale.change;
    }
    return takings;
}

std::vector<TakingsGroup> TakingsSums(const Takings& takings)
{
    std::vector<TakingsGroup> groups = {
        {{},
         {{QStringLiteral("Sales"), QString::number(takings.saleCount)},
          {QStringLiteral("Returns"), QString::number(takings.returnCount)},
          {QStringLiteral("Items sold"), QString::number(takings.itemsSold)},
          {QStringLiteral("Items returned"), QString::number(takings.itemsReturned)}}},
        {{},
         {{QStringLiteral("Subtotal"), FormatCents(takings.subtotal)},
          {QStringLiteral("Tax"), FormatCents(takings.tax)},
          {QStringLiteral("Total"), FormatCents(takings.total), true}}},
        {{},
         {{QStringLiteral("Cash taken"), FormatCents(takings.cashTaken)},
          {QStringLiteral("Change given"), FormatCents(takings.changeGiven)},
          {QStringLiteral("Cash refunded"), FormatCents(takings.cashRefunded)}}},
        {QStringLiteral("In the drawer and on account"), {}}};
    for (int k = 0; k < PayKindCount; ++k)
        groups.back().lines.push_back({PayKindName(PayKind(k)), FormatCents(takings.drawer[std::size_t(k)])});
    return groups;
}

QString TakingsSummary(const Takings& takings)
{
    QString text = QStringLiteral("Takings of ") + FormatShortDate(takings.day) + u'\n';
    for (const TakingsGroup& group : TakingsSums(takings)) {
        text += u'\n';
        if (!group.heading.isEmpty()) text += group.heading + QStringLiteral(":\n");
        for (const TakingsGroup::Line& line : group.lines) text += line.label + QStringLiteral(": ") + line.value + u'\n';
    }
    return text.trimmed();
}

QByteArray TakingsCsv(const Takings& takings)
{
    QStringList heading = {QStringLiteral("Sale"),     QStringLiteral("Time"), QStringLiteral("Kind"),
                           QStringLiteral("Items"),    QStringLiteral("Subtotal"), QStringLiteral("Tax"),
                           QStringLiteral("Total")};
    for (int k = 0; k < PayKindCount; ++k) heading << PayKindName(PayKind(k));
    heading << QStringLiteral("Change");

    QString text = CsvRecord(heading);
    for (const Takings::Sale& sale : takings.sales) text += CsvRecord(SaleFields(sale));
    QStringList sums = {QStringLiteral("Day"), takings.day.toString(Qt::ISODate),
                        QStringLiteral("%1 sales, %2 returns").arg(takings.saleCount).arg(takings.returnCount),
                        QString::number(takings.itemsSold), FormatCents(takings.subtotal), FormatCents(takings.tax),
                        FormatCents(takings.total)};
    for (Cents drawer : takings.drawer) sums << FormatCents(drawer);
    sums << QString();
    text += CsvRecord(sums);
    return text.toUtf8();
}

}  // namespace mqt
