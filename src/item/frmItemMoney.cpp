// SPDX-License-Identifier: GPL-3.0-or-later
// Selling an item, and paying a consignor out for sold items.

#include "item/frmItem.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "consignment/ItemsLeft.h"
#include "consignment/PriceHistory.h"
#include "item/SellItem.h"
#include "search/PayableCriteria.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"
#include "store/Connection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStringList>

namespace mqt {

// The Sell action for the selected item, the current record of Data3: the
// change is driven with "today" as the date sold.
void frmItem::SellItem()
{
    shared_.CallerMode = QStringLiteral("Sell");
    selling_ = true;
    const auto saleEnds = qScopeGuard([this] { selling_ = false; });
    GetData();
    if (!RecordBuffer_[ItemColumn::DateSold].isEmpty()) {
        ShowAlreadySold();
        return;
    }
    SetActionOn(Action::Change);
    Box(ItemColumn::DateSold)->setText(QStringLiteral("today"));
    cmdUpdate_Click();
    shared_.CallerMode.clear();
}

// The change update while a sale drives it: the boxes, with the date sold,
// are stored over the item opened, while it is still as opened and unsold.
void frmItem::StoreSale()
{
    if (!Opened_) return;  // a sale is opened on the item it looked up
    const ItemSale sale{shared_.CurrentLastName, shared_.CurrentFirstName, shared_.CurrentItemDesc,
                        Opened_->itemNo,         Opened_->state,           EntryTexts()};
    SaleResult result;
    std::optional<ItemLeft> left;  // returned or donated at another till since it was opened
    // The sale and the note of a price changed in its box stand or fall together.
    if (!Store(QStringLiteral("Sell"), [&] {
            Connection& connection = shared_.database.connection();
            Transaction transaction(connection);
            result = mqt::SellItem(shared_.Data3, sale);
            if (result.outcome == SaleOutcome::NotFound) left = FindItemLeft(connection, sale.itemNo);
            if (result.outcome != SaleOutcome::Sold) return;
            RecordSalePriceChange(connection, sale.itemNo, sale.read.salePrice,
                                  shared_.Data3.Recordset().Fields(QStringLiteral("SalePrice")).Value(),
                                  shared_.clock.Now(), ChangedByHand);
            transaction.Commit();
        }))
        return;
    switch (result.outcome) {
    case SaleOutcome::NotFound:
        lblMessage_->ShowFailure(left ? ItemLeftSentence(*left) : QStringLiteral("Item not found for consignor"));
        return;
    case SaleOutcome::Changed:
        ShowChangedSinceOpened(result.change, QStringLiteral("Sell"));
        return;
    case SaleOutcome::AlreadySold:
        ShowAlreadySold();
        return;
    case SaleOutcome::Sold:
        break;
    }
    lblMessage_->ShowSuccess(QStringLiteral("Sell function is successful"));
    shared_.CallerMode = QStringLiteral("Change");
    ShowLines();
    ClosingStep();
}

// The consignor's items listed again, with the refusal; CallerMode "Sell"
// skips the look-up and is emptied by the listing.
void frmItem::ShowAlreadySold()
{
    shared_.CallerMode = QStringLiteral("Sell");
    cmdShow_Click();
    lblMessage_->ShowFailure(QStringLiteral("Item is already sold"));
}

// Lists the consignor's payable items, all chosen for payment.
void frmItem::StartPay()
{
    if (!ShowLines(PayableCriteria())) {
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
    Box(ItemColumn::DatePaid)->setText(FormatDateMmDdYy(shared_.clock.Today()));
    Box(ItemColumn::DatePaid)->show();
    Box(ItemColumn::PayRef)->clear();
    Box(ItemColumn::PayRef)->show();
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
        TotalCost_.Add(AmountOfText(Grid_->TextMatrix(row, ItemGridColumn(ItemColumn::CostPrice))));
        TotalSale_.Add(AmountOfText(Grid_->TextMatrix(row, ItemGridColumn(ItemColumn::SalePrice))));
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

// Pays the chosen items (PayOut): only those still as the list showed them;
// the message says how many were skipped and why.
void frmItem::PayItems()
{
    const std::optional<DateValue> datePaid = ReadDate(Box(ItemColumn::DatePaid)->text(), shared_.clock.Today());
    if (!datePaid) {
        shared_.dialogs.ShowError(QStringLiteral("Invalid Date Paid"));
        return;
    }
    if (LineCount_ <= 0) return;
    PayOutOrder order{datePaid->date, Box(ItemColumn::PayRef)->text(), {}};
    for (int row = 1; row <= LineCount_; ++row) {
        Grid_->SetRow(row);
        if (Grid_->CellBackColor() == RowYellow && row <= int(ListedItemNos_.size()))
            order.items.emplace(ListedItemNos_[std::size_t(row - 1)], ListedStates_[std::size_t(row - 1)]);
    }
    if (!order.items.empty() && !DebtSettled()) return;
    PaidOut paid;
    if (!order.items.empty() &&
        !Store(QStringLiteral("Pay"), [&] { paid = PayOut(shared_.database.connection(), order); }))
        return;
    ShowPaid(paid);
    SetActionsOff();
    shared_.CallerMode = QStringLiteral("Pay");
    ShowLines();
}

void frmItem::ShowPaid(const PaidOut& paid)
{
    const QString done = QString::number(paid.paid) + QStringLiteral(" Items paid");
    const QMap<QString, int>& skipped = paid.skipped;
    if (skipped.isEmpty()) {
        lblMessage_->ShowSuccess(done);
        return;
    }
    QStringList reasons;
    int count = 0;
    for (auto reason = skipped.cbegin(); reason != skipped.cend(); ++reason) {
        reasons << QStringLiteral("%1 %2").arg(reason.value()).arg(reason.key());
        count += reason.value();
    }
    const QString message = QStringLiteral("%1; %2 of the chosen items skipped, changed at another till or screen "
                                           "since the list was shown: %3. Look them up again.")
                                .arg(done)
                                .arg(count)
                                .arg(reasons.join(QStringLiteral(", ")));
    shared_.dialogs.ShowError(message);
    lblMessage_->ShowFailure(message);
}

}  // namespace mqt
