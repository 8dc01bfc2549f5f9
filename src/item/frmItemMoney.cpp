// SPDX-License-Identifier: GPL-3.0-or-later
// Selling an item, and paying a consignor out for sold items.

#include "item/frmItem.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "item/ItemQueries.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"
#include "store/Connection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>

namespace mqt {

namespace {

// Sold, not paid, and with a cost price other than 0.
const QString PayableItems = QStringLiteral("6.NE.0,9.NE.NULL,10.EQ.NULL");

}  // namespace

// The Sell action for the selected item, the current record of Data3: the
// change is driven with "today" as the date sold.
void frmItem::SellItem()
{
    shared_.CallerMode = QStringLiteral("Sell");
    GetData();
    if (!RecordBuffer_[ItemField::DateSold].isEmpty()) {
        cmdShow_Click();
        lblMessage_->ShowFailure(QStringLiteral("Item is already sold"));
        return;
    }
    SetActionOn(Action::Change);
    Box(ItemField::DateSold)->setText(QStringLiteral("today"));
    cmdUpdate_Click();
    shared_.CallerMode.clear();
}

// Lists the consignor's payable items, all chosen for payment.
void frmItem::StartPay()
{
    shared_.SearchCriteria = PayableItems;
    bool listed = false;
    {
        // The criteria go also when the listing fails, so no later list is
        // narrowed to payable items.
        const auto clearCriteria = qScopeGuard([this] { shared_.SearchCriteria.clear(); });
        listed = ShowLines();
    }
    if (!listed) {
        // The name boxes named no single consignor: nothing is left to pay.
        SetActionsOff();
        cmdUpdate_->hide();
        HideTexts();
        return;
    }
    if (LineCount_ < 1) {
        lblMessage_->ShowSuccess(QStringLiteral("No items eligible for payment"));
        SetActionsOff();
        ShowLines();
        return;
    }
    for (int row = 1; row <= LineCount_; ++row) Grid_->PaintRow(row, RowYellow);
    cmdUpdate_->setText(QStringLiteral("Pay"));
    cmdUpdate_->show();
    Box(ItemField::DatePaid)->setText(FormatDateMmDdYy(shared_.clock.Today()));
    Box(ItemField::DatePaid)->show();
    Box(ItemField::PayRef)->clear();
    Box(ItemField::PayRef)->show();
}

// The clicked row was turned yellow (chosen) or white (left out): the totals
// row follows. The sums are taken anew over the chosen rows, so a price too
// large to be held leaves the totals once its row is left out.
void frmItem::UpdatePayTotals()
{
    const int clicked = Grid_->Row();
    if (clicked < 1 || clicked > LineCount_) return;
    TotalCost_ = MoneySum();
    TotalSale_ = MoneySum();
    for (int row = 1; row <= LineCount_; ++row) {
        Grid_->SetRow(row);
        if (Grid_->CellBackColor() != RowYellow) continue;
        TotalCost_.Add(AmountOfText(Grid_->TextMatrix(row, ItemField::CostPrice)));
        TotalSale_.Add(AmountOfText(Grid_->TextMatrix(row, ItemField::SalePrice)));
    }
    Grid_->SetRow(clicked);
    ShowTotals();
}

// A pay-out whose chosen items total less than zero is a debt of the
// consignor: it is paid only when the consignor has settled it.
bool frmItem::DebtSettled()
{
    const std::optional<Amount> total = TotalCost_.Value();
    if (!total || total->Units() >= 0) return true;
    const QString question = QStringLiteral("The chosen items total %1: %2, %3 owes the shop %4. Has it been paid?")
                                 .arg(total->Format(), shared_.CurrentLastName, shared_.CurrentFirstName,
                                      (-*total).Format());
    return shared_.dialogs.AskYesNo(question) == Yes;
}

// Gives every chosen item the date paid and the pay reference, all in one
// transaction. Only the consignor's items that are still unpaid are written,
// so no item is ever paid twice.
void frmItem::PayItems()
{
    const QString datePaid = Box(ItemField::DatePaid)->text();
    if (!IsDate(datePaid, shared_.clock.Today())) {
        shared_.dialogs.ShowError(QStringLiteral("Invalid Date Paid"));
        return;
    }
    if (LineCount_ <= 0) return;
    QSet<QString> chosen;
    for (int row = 1; row <= LineCount_; ++row) {
        Grid_->SetRow(row);
        if (Grid_->CellBackColor() == RowYellow) chosen.insert(Grid_->TextMatrix(row, ItemField::ItemDesc));
    }
    if (!chosen.isEmpty() && !DebtSettled()) return;
    int paid = 0;
    if (!chosen.isEmpty()) {
        const QString payRef = Box(ItemField::PayRef)->text();
        const bool stored = Store(QStringLiteral("Pay"), [&] {
            Transaction transaction(shared_.database.connection());
            FormQuery_ = SelectConsignorItems(shared_.CurrentLastName, shared_.CurrentFirstName);
            Recordset& items = shared_.Data3.Query(FormQuery_);
            for (; !items.Eof(); items.MoveNext()) {
                if (!chosen.contains(items.Fields(ItemFieldName(ItemField::ItemDesc)).Text())) continue;
                if (!items.Fields(ItemFieldName(ItemField::DatePaid)).IsNull()) continue;
                items.Edit();
                items.Fields(ItemFieldName(ItemField::DatePaid)).SetValue(datePaid);
                items.Fields(ItemFieldName(ItemField::PayRef)).SetValue(payRef.isEmpty() ? QVariant() : QVariant(payRef));
                items.Update();
                ++paid;
            }
            transaction.Commit();
        });
        if (!stored) return;
    }
    lblMessage_->ShowSuccess(QString::number(paid) + QStringLiteral(" Items paid"));
    SetActionsOff();
    shared_.CallerMode = QStringLiteral("Pay");
    ShowLines();
}

}  // namespace mqt
