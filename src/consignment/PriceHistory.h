// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"
#include "store/Connection.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace mqt {

// One change of an item's sale price, as price_change keeps it.
struct PriceChange {
    std::int64_t itemNo = 0;
    QDateTime at;
    std::optional<Cents> oldCents;  // empty: the item had no price
    std::optional<Cents> newCents;
    QString reason;  // "markdown 25%", "changed" or "counter"
};

// The reasons the program writes beside a markdown's.
inline const QString ChangedByHand = QStringLiteral("changed");
inline const QString ChangedAtCounter = QStringLiteral("counter");
QString MarkdownReason(int percent);

// Records one change, inside the caller's transaction.
void RecordPriceChange(Connection& connection, const PriceChange& change);

// Records many changes with one prepared statement.
class PriceChangeRecorder {
public:
    explicit PriceChangeRecorder(Connection& connection);
    void Record(const PriceChange& change);

private:
    Statement insert_;
};

// Records the change of an item's stored sale price from `before` to `after`
// (null for no price), inside the caller's transaction; nothing when they
// come to the same cents.
void RecordSalePriceChange(Connection& connection, std::int64_t itemNo, const QVariant& before,
                           const QVariant& after, const QDateTime& at, const QString& reason);

// An item's changes, oldest first.
std::vector<PriceChange> ReadPriceHistory(const Connection& connection, std::int64_t itemNo);

// The history as the Sale Price cell's tooltip shows it, one line a change:
// "3/1/2027 25.00 to 18.75 (markdown 25%)"; empty when there is none.
QString PriceHistoryText(const std::vector<PriceChange>& history);

}  // namespace mqt
