// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignment/PriceHistory.h"

#include "common/DateText.h"
#include "store/Connection.h"

#include <QStringList>

namespace mqt {

namespace {

QVariant CentsValue(const std::optional<Cents>& cents) { return cents ? QVariant(qint64(*cents)) : QVariant(); }

std::optional<Cents> CentsOf(const QVariant& value)
{
    if (value.isNull()) return std::nullopt;
    return Cents(value.toLongLong());
}

std::optional<Cents> CentsOfStoredPrice(const QVariant& price)
{
    if (price.isNull()) return std::nullopt;
    return CentsOfPrice(price.toDouble());
}

QString Shown(const std::optional<Cents>& cents) { return cents ? FormatCents(*cents) : QStringLiteral("no price"); }

}  // namespace

QString MarkdownReason(int percent) { return QStringLiteral("markdown %1%").arg(percent); }

void RecordPriceChange(Connection& connection, const PriceChange& change)
{
    PriceChangeRecorder(connection).Record(change);
}

PriceChangeRecorder::PriceChangeRecorder(Connection& connection)
    : insert_(connection, QStringLiteral("INSERT INTO price_change (ItemNo, ChangedAt, OldCents, NewCents, Reason) "
                                         "VALUES (?, ?, ?, ?, ?)"))
{
}

void PriceChangeRecorder::Record(const PriceChange& change)
{
    insert_.Reset();
    insert_.Bind(1, qint64(change.itemNo));
    insert_.Bind(2, change.at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    insert_.Bind(3, CentsValue(change.oldCents));
    insert_.Bind(4, CentsValue(change.newCents));
    insert_.Bind(5, change.reason);
    insert_.Step();
}

void RecordSalePriceChange(Connection& connection, std::int64_t itemNo, const QVariant& before,
                           const QVariant& after, const QDateTime& at, const QString& reason)
{
    const std::optional<Cents> oldCents = CentsOfStoredPrice(before);
    const std::optional<Cents> newCents = CentsOfStoredPrice(after);
    if (oldCents != newCents) RecordPriceChange(connection, {itemNo, at, oldCents, newCents, reason});
}

std::vector<PriceChange> ReadPriceHistory(const Connection& connection, std::int64_t itemNo)
{
    Statement rows(connection, QStringLiteral("SELECT ChangedAt, OldCents, NewCents, Reason FROM price_change "
                                              "WHERE ItemNo = ? ORDER BY ChangedAt, rowid"));
    rows.Bind(1, qint64(itemNo));
    std::vector<PriceChange> history;
    while (rows.Step())
        history.push_back({itemNo, QDateTime::fromString(rows.Column(0).toString(), Qt::ISODate),
                           CentsOf(rows.Column(1)), CentsOf(rows.Column(2)), rows.Column(3).toString()});
    return history;
}

QString PriceHistoryText(const std::vector<PriceChange>& history)
{
    QStringList lines;
    for (const PriceChange& change : history)
        lines << QStringLiteral("%1 %2 to %3 (%4)")
                     .arg(FormatShortDate(change.at.date()), Shown(change.oldCents), Shown(change.newCents),
                          change.reason);
    return lines.join(u'\n');
}

}  // namespace mqt
