// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace mqt {

class Connection;

// What becomes of an item still unsold once its term and grace days are over.
enum class EndOfTermAction { ReturnToConsignor, Donate, ShopStock };

// The action as params.EndOfTerm and consignor.EndOfTerm hold it:
// "returned", "donated" or "shop".
QString EndOfTermCode(EndOfTermAction action);
// The action a stored code names; empty for an empty or unknown code (the
// shop's default for a consignor, "Return to consignor" for the shop).
std::optional<EndOfTermAction> EndOfTermOfCode(const QString& code);
// "Return to consignor", "Donate", "Becomes the shop's".
QString EndOfTermCaption(EndOfTermAction action);
// The three captions in the order of EndOfTermAction.
QStringList EndOfTermCaptions();

// One markdown row: items of `category` (empty: every category) are
// `percent` off their first price once `days` have passed since Date Added.
struct MarkdownRow {
    QString category;
    int days = 0;
    int percent = 0;
    bool operator==(const MarkdownRow&) const = default;
};

// The shop's consignment period. A term of 0 days means none.
struct ConsignmentTerms {
    int termDays = 0;
    int graceDays = 0;
    EndOfTermAction action = EndOfTermAction::ReturnToConsignor;
    std::vector<MarkdownRow> markdowns;

    // Whether the shop keeps a period at all: a shop that sets nothing is
    // left exactly as it was.
    bool Any() const { return termDays > 0 || !markdowns.empty(); }
    bool operator==(const ConsignmentTerms&) const = default;
};

// The shop's terms: params' fields and the markdown table.
ConsignmentTerms ReadConsignmentTerms(const Connection& connection);

// Why the rows cannot be stored, naming the first row at fault (1-based);
// empty when they can: a percent from 1 to 95, days from 1, and one row at
// most for each category (ignoring letter case) and number of days.
QString MarkdownRowsFault(const std::vector<MarkdownRow>& rows);

// Replaces the markdown table's rows, inside the caller's transaction.
// Throws StoreError with MarkdownRowsFault's text when they cannot be stored,
// before anything is written.
void WriteMarkdownRows(Connection& connection, const std::vector<MarkdownRow>& rows);

// Makes the next daily pass look at every item again, as when the shop's
// terms or markdown rows change; inside the caller's transaction.
void ForgetConsignmentPass(Connection& connection);

// The largest percent among the rows whose category is `category` (ignoring
// letter case) or empty and whose days have passed for an item `age` days
// old; 0 when none has.
int DuePercent(const std::vector<MarkdownRow>& rows, const QString& category, qint64 age);

}  // namespace mqt
