// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace mqt {

class Connection;

// How the shop works out a consignor's share from a sale price.
struct SharePricing {
    std::int16_t commission = 0;
    float rounding = 0;
    // On: a marked-down item's share is cut by the same percent as its
    // price. Off: it is worked out from the new price by the pricing rule.
    bool priceOverride = false;
};

// What one daily pass did.
struct PassOutcome {
    int markedDown = 0;
    int ended = 0;
    bool operator==(const PassOutcome&) const = default;
};

// The daily pass of the consignment period, once a day for the whole shop,
// in one transaction under the till lock that rent charging takes:
//  - an unsold item that is no rent item, has a Date Added, is no shop
//    stock and is not kept out of markdowns is due the largest percent of
//    the markdown rows that apply to it (DuePercent). When that is larger
//    than the percent it stands at, its sale price becomes its first price
//    less the percent (to the cent, halves away from zero), and its share
//    follows as `pricing` says; the change goes to price_change. The first
//    price is the one the item had before any markdown, or the one it was
//    last given by hand (a price other than its markdown left it at);
//  - an unsold item whose Date Added plus the term and grace days has
//    been reached gets the status "ended".
// The pass remembers the day it ran and the items it had seen: run again on
// the same day it changes nothing, and after closed days it looks only at
// the items that crossed a markdown row or the term's end since (and those
// added since), giving each the largest percent due, once. A shop without a
// term or markdown rows is not written at all. Throws StoreError when the
// database fails; then nothing of the pass is stored.
PassOutcome RunConsignmentPass(Connection& connection, const QDateTime& now, const SharePricing& pricing);

// "12 items marked down, 3 items reached the end of their term"; each part
// only when it happened, and empty when nothing did.
QString PassOutcomeText(const PassOutcome& outcome);

// Percent off an amount of cents, to the cent, halves away from zero.
std::int64_t CentsLessPercent(std::int64_t cents, int percent);

}  // namespace mqt
