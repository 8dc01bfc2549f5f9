// SPDX-License-Identifier: GPL-3.0-or-later
#include "utility/RentClause.h"

#include "common/Amount.h"
#include "common/DateText.h"
#include "common/SplitFields.h"
#include "common/Val.h"

#include <charconv>

namespace mqt {

namespace {

// The decimal value a single-precision amount stands for (50.1f is 50.1, not
// 50.099998474), so the rent item stores the amount as it was written.
double DecimalValue(float amount)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, amount);
    double value = 0;
    std::from_chars(text, written.ptr, value);
    return value;
}

}  // namespace

std::optional<RentClause> ReadRentClause(const QString& notes, const QDate& today)
{
    RentClause clause;
    clause.start = notes.indexOf(QStringLiteral("$rent"), 0, Qt::CaseInsensitive);
    if (clause.start < 0) return std::nullopt;
    const qsizetype open = notes.indexOf(u'(', clause.start);
    if (open < 0) return std::nullopt;
    clause.close = notes.indexOf(u')', open);
    if (clause.close < 0) return std::nullopt;

    QString list = notes.mid(open + 1, clause.close - open - 1);
    clause.items = SplitFields(list);
    // A value is read as the charge reads it, and a later key of a name
    // overrides an earlier one: a due date or interval that cannot be held
    // makes the clause unreadable only when no later item of its key mends it.
    bool dueUnreadable = false;
    bool intervalUnreadable = false;
    for (qsizetype i = 0; i < clause.items.size(); ++i) {
        const QString& item = clause.items[i];
        const qsizetype equals = item.indexOf(u'=');
        if (equals < 0) continue;
        const QString key = item.left(equals).toLower();
        const QString value = item.mid(equals + 1);
        if (key == u"amount") {
            clause.amount = float(Val(value));
        } else if (key == u"due") {
            const std::optional<DateValue> due = ReadDate(value, today);
            dueUnreadable = !due;
            if (due) {
                clause.due = due->date;
                clause.dueItem = i;
            }
        } else if (key == u"interval") {
            const std::optional<std::int16_t> interval = RoundToInt16(Val(value));
            intervalUnreadable = !interval || *interval < 0;
            if (!intervalUnreadable) clause.interval = *interval;
        }
    }
    if (dueUnreadable || intervalUnreadable || !Amount::FromDouble(DecimalValue(clause.amount))) return std::nullopt;
    return clause;
}

bool RentClauseUnreadable(const QString& notes, const QDate& today)
{
    return notes.contains(QStringLiteral("$rent"), Qt::CaseInsensitive) && !ReadRentClause(notes, today);
}

std::optional<RentCharge> RentDue(const QString& notes, const QDate& today)
{
    const std::optional<RentClause> clause = ReadRentClause(notes, today);
    if (!clause || !(clause->amount > 0) || clause->due > today) return std::nullopt;

    QStringList items = clause->items;
    if (clause->dueItem >= 0)
        items[clause->dueItem] = QStringLiteral("Due=") + FormatDateMmDdYyyy(AddMonths(clause->due, clause->interval));
    const QString rewritten = notes.left(clause->start) + QStringLiteral("$Rent=(") + items.join(u',') +
                              notes.mid(clause->close);
    return RentCharge{clause->due, DecimalValue(clause->amount), rewritten};
}

}  // namespace mqt
