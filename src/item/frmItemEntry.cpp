// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving an entry box: the ditto mark repeats the last entry, and leaving a
// price box works the other price out by the shop's commission.

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

void frmItem::LeaveBox(int field)
{
    if (field == ItemField::CostPrice) {
        txtCostPrice_LostFocus();
    } else if (field == ItemField::SalePrice) {
        txtSalePrice_LostFocus();
    } else if (field == ItemField::Notes) {
        txtNotes_->setPlainText(ApplyDitto(txtNotes_->toPlainText(), LastEntry_[ItemField::Notes]));
    } else {
        Box(field)->setText(ApplyDitto(Box(field)->text(), LastEntry_[std::size_t(field)]));
    }
}

void frmItem::txtCostPrice_LostFocus()
{
    QLineEdit* cost = Box(ItemField::CostPrice);
    if (cost->text() == QStringLiteral("\"")) cost->setText(LastEntry_[ItemField::CostPrice]);
    // An item being added has no stored sale price: its own box tells
    // whether one was typed.
    const QString salePrice =
        IsOn(Action::Add) ? Box(ItemField::SalePrice)->text() : RecordBuffer_[ItemField::SalePrice];
    if (cost->text().isEmpty() || cmdUpdate_->isHidden()) return;
    if (EmptyOrBlank(salePrice) || !shared_.Settings.PriceOverride)
        ShowPrices(ComputeSalePrice(cost->text(), shared_.Settings.Commission, shared_.Settings.Rounding));
}

void frmItem::txtSalePrice_LostFocus()
{
    QLineEdit* sale = Box(ItemField::SalePrice);
    if (sale->text() == QStringLiteral("\"")) sale->setText(LastEntry_[ItemField::SalePrice]);
    if (sale->text().isEmpty() || cmdUpdate_->isHidden()) return;
    if (!shared_.Settings.PriceOverride || EmptyOrBlank(Box(ItemField::CostPrice)->text()))
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
    Box(ItemField::CostPrice)->setText(prices->costText);
    Box(ItemField::SalePrice)->setText(prices->saleText);
}

}  // namespace mqt
