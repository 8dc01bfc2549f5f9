// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignment/ConsignmentPass.h"

#include "common/PriceRule.h"
#include "common/SaleMoney.h"
#include "consignment/ConsignmentTerms.h"
#include "consignment/PriceHistory.h"
#include "store/ConsignmentTables.h"
#include "store/Connection.h"
#include "store/TillLock.h"

#include <QStringList>
#include <map>
#include <optional>
#include <set>

namespace mqt {

namespace {

// An unsold item as the pass reads it.
struct TermItem {
    std::int64_t rowId = 0;
    std::int64_t itemNo = 0;
    QString category;
    QDate added;
    std::optional<Cents> price;
    Cents share = 0;
    std::optional<Cents> firstPrice;
    std::optional<Cents> firstShare;
    int percent = 0;
    bool noMarkdown = false;
    QString status;
    QVariant statusDate;
    qint64 version = 0;
};

const QString TermItemColumns = QStringLiteral(
    "SELECT ItemNo, Category, DateAdded, SalePrice, CostPrice, FirstCents, FirstShareCents, MarkdownPercent, "
    "NoMarkdown, Status, RowVersion, rowid, StatusDate FROM item WHERE DateSold IS NULL AND (Category IS NULL OR Category <> '$Rent') ");

std::optional<Cents> OptionalCents(const QVariant& value)
{
    if (value.isNull()) return std::nullopt;
    return Cents(value.toLongLong());
}

TermItem ReadTermItem(const Statement& row)
{
    TermItem item;
    item.itemNo = row.ColumnInt64(0);
    item.category = row.Column(1).toString();
    item.added = QDate::fromString(row.Column(2).toString().left(10), Qt::ISODate);
    if (!row.Column(3).isNull()) item.price = CentsOfPrice(row.Column(3).toDouble());
    item.share = CentsOfPrice(row.Column(4).toDouble());
    item.firstPrice = OptionalCents(row.Column(5));
    item.firstShare = OptionalCents(row.Column(6));
    item.percent = int(row.ColumnInt64(7));
    item.noMarkdown = row.ColumnInt64(8) != 0;
    item.status = row.Column(9).toString();
    item.version = row.ColumnInt64(10);
    item.rowId = row.ColumnInt64(11);
    item.statusDate = row.Column(12);
    return item;
}

void ReadInto(std::map<std::int64_t, TermItem>& items, Statement& query)
{
    while (query.Step()) {
        TermItem item = ReadTermItem(query);
        if (item.added.isValid()) items.insert_or_assign(item.itemNo, std::move(item));
    }
}

QString DayText(const QDate& day) { return day.toString(Qt::ISODate); }

// The pass's memory: the day it last ran, and the first item number it had
// not seen then.
struct PassMemory {
    QDate passedOn;
    std::int64_t nextItemNo = 0;
};

std::optional<PassMemory> ReadPassMemory(const Connection& connection)
{
    Statement memory(connection, QStringLiteral("SELECT PassedOn, NextItemNo FROM consignment_pass"));
    if (!memory.Step() || memory.Column(0).isNull()) return std::nullopt;
    return PassMemory{QDate::fromString(memory.Column(0).toString().left(10), Qt::ISODate), memory.ColumnInt64(1)};
}

void WritePassMemory(Connection& connection, const QDate& today, std::int64_t nextItemNo)
{
    connection.Execute(QStringLiteral("DELETE FROM consignment_pass"));
    Statement insert(connection, QStringLiteral("INSERT INTO consignment_pass (PassedOn, NextItemNo) VALUES (?, ?)"));
    insert.Bind(1, DayText(today));
    insert.Bind(2, qint64(nextItemNo));
    insert.Step();
}

std::int64_t NextItemNo(const Connection& connection)
{
    Statement highest(connection, QStringLiteral("SELECT max(ItemNo) FROM item"));
    return highest.Step() ? highest.ColumnInt64(0) + 1 : 1;
}

// The items that may have something due today. Without a memory every
// unsold item; else those whose age crossed one of `thresholds` since the
// last pass, and those added since.
std::map<std::int64_t, TermItem> Candidates(const Connection& connection, const std::optional<PassMemory>& memory,
                                            const std::set<int>& thresholds, const QDate& today)
{
    std::map<std::int64_t, TermItem> items;
    if (!memory) {
        Statement all(connection, TermItemColumns + QStringLiteral("AND DateAdded <= ?"));
        all.Bind(1, DayText(today));
        ReadInto(items, all);
        return items;
    }
    Statement crossed(connection, TermItemColumns + QStringLiteral("AND DateAdded > ? AND DateAdded <= ?"));
    for (const int days : thresholds) {
        crossed.Reset();
        crossed.Bind(1, DayText(memory->passedOn.addDays(-days)));
        crossed.Bind(2, DayText(today.addDays(-days)));
        ReadInto(items, crossed);
    }
    Statement added(connection, TermItemColumns + QStringLiteral("AND ItemNo >= ?"));
    added.Bind(1, qint64(memory->nextItemNo));
    ReadInto(items, added);
    return items;
}

// What the pass makes of one item.
struct ItemChange {
    bool markedDown = false;
    bool ended = false;
    std::optional<Cents> oldPrice;
    TermItem after;
};

std::optional<Cents> ShareByRule(Cents price, const SharePricing& pricing)
{
    const std::optional<PricePair> prices = ComputeCostPrice(FormatCents(price), pricing.commission, pricing.rounding);
    if (!prices) return std::nullopt;
    return ReadCents(prices->costText);
}

void MarkDown(ItemChange& change, int due, const SharePricing& pricing)
{
    TermItem& item = change.after;
    // A price other than the one the last markdown left is the owner's own:
    // markdowns are taken off it from now on.
    const bool keptMarkdownPrice =
        item.firstPrice && item.price == CentsLessPercent(*item.firstPrice, item.percent);
    const Cents first = keptMarkdownPrice ? *item.firstPrice : *item.price;
    const bool keptMarkdownShare =
        keptMarkdownPrice && item.firstShare && item.share == CentsLessPercent(*item.firstShare, item.percent);
    const Cents firstShare = keptMarkdownShare ? *item.firstShare : item.share;

    const Cents price = CentsLessPercent(first, due);
    std::optional<Cents> share = pricing.priceOverride ? std::nullopt : ShareByRule(price, pricing);
    if (!share) share = CentsLessPercent(firstShare, due);

    change.oldPrice = item.price;
    change.markedDown = price != *item.price;
    item.firstPrice = first;
    item.firstShare = firstShare;
    item.percent = due;
    item.price = price;
    item.share = *share;
}

ItemChange Evaluate(const TermItem& item, const ConsignmentTerms& terms, const SharePricing& pricing,
                    const QDate& today)
{
    ItemChange change{false, false, item.price, item};
    if (item.status == ItemShopStock) return change;
    const qint64 age = item.added.daysTo(today);
    if (!item.noMarkdown && item.price && *item.price != 0) {
        const int due = DuePercent(terms.markdowns, item.category, age);
        if (due > item.percent) MarkDown(change, due, pricing);
    }
    if (terms.termDays > 0 && item.status.isEmpty() && age >= terms.termDays + terms.graceDays) {
        change.after.status = ItemEnded;
        change.after.statusDate = DayText(today);
        change.ended = true;
    }
    return change;
}

}  // namespace

std::int64_t CentsLessPercent(std::int64_t cents, int percent)
{
    const std::int64_t hundredths = cents * (100 - percent);
    const std::int64_t magnitude = (std::llabs(hundredths) + 50) / 100;
    return hundredths < 0 ? -magnitude : magnitude;
}

PassOutcome RunConsignmentPass(Connection& connection, const QDateTime& now, const SharePricing& pricing)
{
    const ConsignmentTerms terms = ReadConsignmentTerms(connection);
    if (!terms.Any()) return {};
    const QDate today = now.date();
    {
        // Most start-ups of a day find the pass done already.
        const std::optional<PassMemory> memory = ReadPassMemory(connection);
        if (memory && memory->passedOn >= today) return {};
    }
    Transaction transaction(connection);
    HoldTillLock(connection, TillLock::Rent);
    // Read again under the lock: another till may have run it meanwhile.
    const std::optional<PassMemory> memory = ReadPassMemory(connection);
    if (memory && memory->passedOn >= today) return {};

    std::set<int> thresholds;
    for (const MarkdownRow& row : terms.markdowns) thresholds.insert(row.days);
    if (terms.termDays > 0) thresholds.insert(terms.termDays + terms.graceDays);
    const std::int64_t nextItemNo = NextItemNo(connection);
    std::map<std::int64_t, TermItem> items = Candidates(connection, memory, thresholds, today);

    Statement update(connection, QStringLiteral(
        "UPDATE item SET SalePrice = ?, CostPrice = ?, FirstCents = ?, FirstShareCents = ?, MarkdownPercent = ?, "
        "Status = ?, StatusDate = ?, RowVersion = RowVersion + 1 "
        "WHERE rowid = ? AND RowVersion = ? AND DateSold IS NULL"));
    Statement reread(connection, TermItemColumns + QStringLiteral("AND ItemNo = ?"));
    PriceChangeRecorder history(connection);
    PassOutcome outcome;
    for (auto& [itemNo, read] : items) {
        TermItem item = read;
        // Another till may change the item between the read and the write;
        // it is then read again, a few times at most.
        for (int attempt = 0; attempt < 3; ++attempt) {
            const ItemChange change = Evaluate(item, terms, pricing, today);
            if (!change.markedDown && !change.ended && change.after.percent == item.percent) break;
            const TermItem& after = change.after;
            update.Reset();
            update.Bind(1, after.price ? QVariant(double(*after.price) / 100) : QVariant());
            update.Bind(2, double(after.share) / 100);
            update.Bind(3, after.firstPrice ? QVariant(qint64(*after.firstPrice)) : QVariant());
            update.Bind(4, after.firstShare ? QVariant(qint64(*after.firstShare)) : QVariant());
            update.Bind(5, after.percent);
            update.Bind(6, after.status.isEmpty() ? QVariant() : QVariant(after.status));
            update.Bind(7, after.statusDate);
            update.Bind(8, qint64(item.rowId));
            update.Bind(9, item.version);
            update.Step();
            if (connection.Changes() == 1) {
                if (change.markedDown) {
                    history.Record({itemNo, now, change.oldPrice, after.price, MarkdownReason(after.percent)});
                    ++outcome.markedDown;
                }
                if (change.ended) ++outcome.ended;
                break;
            }
            reread.Reset();
            reread.Bind(1, qint64(itemNo));
            if (!reread.Step()) break;  // sold or gone meanwhile
            item = ReadTermItem(reread);
            if (!item.added.isValid()) break;
        }
    }
    WritePassMemory(connection, today, nextItemNo);
    transaction.Commit();
    return outcome;
}

QString PassOutcomeText(const PassOutcome& outcome)
{
    QStringList parts;
    if (outcome.markedDown == 1) parts << QStringLiteral("1 item marked down");
    else if (outcome.markedDown > 1) parts << QStringLiteral("%1 items marked down").arg(outcome.markedDown);
    if (outcome.ended == 1) parts << QStringLiteral("1 item reached the end of its term");
    else if (outcome.ended > 1) parts << QStringLiteral("%1 items reached the end of their term").arg(outcome.ended);
    return parts.join(QStringLiteral(", "));
}

}  // namespace mqt
