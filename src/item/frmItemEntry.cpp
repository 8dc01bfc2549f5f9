// SPDX-License-Identifier: GPL-3.0-or-later
// The entry boxes' texts as an item record, and leaving an entry box: the
// ditto mark repeats the last entry, and leaving a price box works the other
// price out by the shop's commission.

#include "item/frmItem.h"

#include "common/Ditto.h"
#include "common/PriceRule.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace mqt {

namespace {

bool EmptyOrBlank(const QString& text) { return text.isEmpty() || text == QStringLiteral(" "); }

}  // namespace

ItemColumnValues frmItem::EntryTexts() const
{
    ItemColumnValues record;
    for (int column = ItemColumn::ItemDesc; column < ItemColumn::Notes; ++column)
        record[std::size_t(column)] = Box(column)->text();
    record[ItemColumn::Notes] = txtNotes_->toPlainText();
    return record;
}

void frmItem::FillEntry(const ItemColumnValues& record)
{
    for (int column = ItemColumn::ItemDesc; column < ItemColumn::Notes; ++column)
        Box(column)->setText(record[std::size_t(column)]);
    txtNotes_->setPlainText(record[ItemColumn::Notes]);
}

void frmItem::LeaveBox(int column)
{
    if (column == ItemColumn::CostPrice) {
        txtCostPrice_LostFocus();
    } else if (column == ItemColumn::SalePrice) {
        txtSalePrice_LostFocus();
    } else if (column == ItemColumn::Notes) {
        txtNotes_->setPlainText(ApplyDitto(txtNotes_->toPlainText(), LastEntry_[ItemColumn::Notes]));
    } else {
        Box(column)->setText(ApplyDitto(Box(column)->text(), LastEntry_[std::size_t(column)]));
    }
}

void frmItem::txtCostPrice_LostFocus()
{
    QLineEdit* cost = Box(ItemColumn::CostPrice);
    if (cost->text() == QStringLiteral("\"")) cost->setText(LastEntry_[ItemColumn::CostPrice]);
    // An item being added has no stored sale price: its own box tells
    // whether one was typed.
    const QString salePrice =
        IsOn(Action::Add) ? Box(ItemColumn::SalePrice)->text() : RecordBuffer_[ItemColumn::SalePrice];
    if (cost->text().isEmpty() || cmdUpdate_->isHidden()) return;
    if (EmptyOrBlank(salePrice) || !shared_.Settings.PriceOverride)
        ShowPrices(ComputeSalePrice(cost->text(), shared_.Settings.Commission, shared_.Settings.Rounding));
}

void frmItem::txtSalePrice_LostFocus()
{
    QLineEdit* sale = Box(ItemColumn::SalePrice);
    if (sale->text() == QStringLiteral("\"")) sale->setText(LastEntry_[ItemColumn::SalePrice]);
    if (sale->text().isEmpty() || cmdUpdate_->isHidden()) return;
    if (!shared_.Settings.PriceOverride || EmptyOrBlank(Box(ItemColumn::CostPrice)->text()))
        ShowPrices(ComputeCostPrice(sale->text(), shared_.Settings.Commission, shared_.Settings.Rounding));
}

void frmItem::ShowPrices(const std::optional<PricePair>& prices)
{
    if (!prices) {
        // The boxes stay as typed.
        if (shared_.Settings.Commission >= 100)
            lblMessage_->ShowFailure(QStringLiteral("The commission setting is invalid - prices not worked out"));
        return;
    }
    Box(ItemColumn::CostPrice)->setText(prices->costText);
    Box(ItemColumn::SalePrice)->setText(prices->saleText);
}

}  // namespace mqt
