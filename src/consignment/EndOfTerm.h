// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/SaleMoney.h"
#include "consignment/ConsignmentTerms.h"
#include "store/ItemState.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace mqt {

class Connection;

// An unsold item whose term is over (the daily pass marked it ended), or
// one whose term ends soon, with the action its consignor agreed to.
struct TermItem {
    std::int64_t itemNo = 0;
    ItemState read;  // the item as it was read, its consignor's names with it
    QString description;
    std::optional<Cents> price;
    QDate dateAdded;
    bool ended = false;  // false: the term ends on `termEnds`, not yet over
    QDate termEnds;
    EndOfTermAction agreed = EndOfTermAction::ReturnToConsignor;
};

// The ended items, and with `withinDays` above 0 also the unsold items
// whose term (Date Added + the shop's term days) ends from today to
// `withinDays` days on, grouped by consignor (last, then first name) and
// by number. The agreed action is the consignor's own, else the shop's.
std::vector<TermItem> ReadTermItems(const Connection& connection, const QDate& today, int withinDays);

// Why nothing was written, or empty when every item was.
struct TermOutcome {
    QString refusal;
};

// Does `action` to every item in one transaction, dated `today`: a returned
// or donated item moves to item_left, one that becomes the shop's stays with
// a share of 0 and the status "shop". Every item must still be unsold and at
// the version it was read with; when one is not, nothing is written and the
// refusal names it. Database failures throw StoreError, with nothing written.
TermOutcome ApplyEndOfTerm(Connection& connection, const std::vector<TermItem>& items, EndOfTermAction action,
                           const QDate& today);

// The question asked before ApplyEndOfTerm: "Mark 5 items returned to their
// consignors? 2 of them were agreed to be donated."
QString EndOfTermQuestion(const std::vector<TermItem>& items, EndOfTermAction action);

}  // namespace mqt
