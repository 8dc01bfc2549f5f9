// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportRows.h"


namespace mqt {

namespace {

constexpr std::size_t CostCell = ReportGridColumn(ItemColumn::CostPrice);
constexpr std::size_t SaleCell = ReportGridColumn(ItemColumn::SalePrice);

// The money format's text ("-12.50") as an amount; empty when the text is
// in another form.
std::optional<Amount> MoneyText(const QString& text)
{
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    const qsizetype point = text.size() - 3;
    if (point <= start || point - start > 15 || text[point] != u'.') return std::nullopt;
    std::int64_t cents = 0;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (i == point) continue;
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        cents = cents * 10 + (text[i].unicode() - u'0');
    }
    return Amount::FromUnits((start ? -cents : cents) * (Amount::Scale / 100));
}

// The shown price as an amount, as Val reads it; empty text counts 0. Empty
// when the price is too large to be held.
std::optional<Amount> ShownPrice(const QString& text)
{
    if (const std::optional<Amount> money = MoneyText(text)) return money;
    return AmountOfText(text);
}

}  // namespace

ReportRows::ReportRows(const ReportOptions& options, const ItemColumnTable& columns, const QDate& today, Sink sink)
    : options_(options), columns_(columns), today_(today), sink_(std::move(sink))
{
}

void ReportRows::Add(const ItemColumnValues& values)
{
    GroupKey key(values, options_.sortColumn, columns_, today_);
    if (++matchCount_ > 1 && Grouped() && !(key == groupKey_)) {
        AddSubtotal();
        CarryOver();
    }
    groupKey_ = std::move(key);

    if (!options_.summary) {
        ReportCells cells;
        for (int column = ItemColumn::LastName; column <= ItemColumn::PayRef; ++column)
            cells[std::size_t(ReportGridColumn(column))] = values[std::size_t(column)];
        sink_(ReportRowKind::Detail, cells);
    }
    groupCost_.Add(ShownPrice(values[ItemColumn::CostPrice]));
    groupSale_.Add(ShownPrice(values[ItemColumn::SalePrice]));
    ++groupCount_;
}

void ReportRows::Finish()
{
    if (Grouped() && groupCount_ > 0) AddSubtotal();
    CarryOver();
    if (totalCount_ == 0) return;
    ReportCells cells;
    cells[ReportGridColumn(ItemColumn::LastName)] = QStringLiteral("Total");
    cells[CostCell] = totalCost_.Format();
    cells[SaleCell] = totalSale_.Format();
    cells[CountColumn] = QString::number(totalCount_);
    sink_(ReportRowKind::Total, cells);
}

// The subtotal row of the group just ended.
void ReportRows::AddSubtotal()
{
    ReportCells cells;
    groupKey_.WriteInto(cells, options_.sortColumn);
    cells[CostCell] = groupCost_.Format();
    cells[SaleCell] = groupSale_.Format();
    cells[CountColumn] = QString::number(groupCount_);
    sink_(ReportRowKind::Subtotal, cells);
}

// Adds the ended group's sums to the totals and starts the next group.
void ReportRows::CarryOver()
{
    totalCost_.Add(groupCost_);
    totalSale_.Add(groupSale_);
    totalCount_ += groupCount_;
    groupCost_ = groupSale_ = MoneySum();
    groupCount_ = 0;
}

}  // namespace mqt
