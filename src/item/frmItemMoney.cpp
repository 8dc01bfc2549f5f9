// SPDX-License-Identifier: GPL-3.0-or-later
// Selling an item, and paying a consignor out for sold items.

#include "item/frmItem.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Dialogs.h"
#include "item/ItemQueries.h"
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

// Gives every chosen item the date paid and the pay reference, all in one
// transaction. An item is paid only while it is still as the list showed it:
// one returned, paid, changed or moved since (at another till, or on another
// screen of this program) is skipped, so no item is ever paid twice or paid
// unsold; the message says how many were skipped and why.
void frmItem::PayItems()
{
    const QString datePaid = Box(ItemColumn::DatePaid)->text();
    if (!IsDate(datePaid, shared_.clock.Today())) {
        shared_.dialogs.ShowError(QStringLiteral("Invalid Date Paid"));
        return;
    }
    if (LineCount_ <= 0) return;
    // Each chosen item's number, with the item as listed.
    QMap<std::int64_t, ItemState> chosen;
    for (int row = 1; row <= LineCount_; ++row) {
        Grid_->SetRow(row);
        if (Grid_->CellBackColor() == RowYellow && row <= int(ListedItemNos_.size()))
            chosen.insert(ListedItemNos_[std::size_t(row - 1)], ListedStates_[std::size_t(row - 1)]);
    }
    if (!chosen.isEmpty() && !DebtSettled()) return;
    int paid = 0;
    QMap<QString, int> skipped;  // why, and how many
    if (!chosen.isEmpty()) {
        const QString payRef = Box(ItemColumn::PayRef)->text();
        const bool stored = Store(QStringLiteral("Pay"), [&] {
            paid = 0;
            skipped.clear();
            Connection& connection = shared_.database.connection();
            Transaction transaction(connection);
            for (auto choice = chosen.cbegin(); choice != chosen.cend(); ++choice) {
                FormQuery_ = SelectItemNumber(choice.key());
                Recordset& item = shared_.Data3.Query(FormQuery_);
                std::optional<ItemState> now;
                if (!item.Eof()) now = ItemStateOf(item);
                if (now && now->version == choice.value().version) {
                    item.Edit();
                    item.Fields(StoredFieldName(ItemColumn::DatePaid)).SetValue(datePaid);
                    item.Fields(StoredFieldName(ItemColumn::PayRef)).SetValue(payRef.isEmpty() ? QVariant() : QVariant(payRef));
                    if (item.UpdateWhile(QStringLiteral("DateSold IS NOT NULL AND DatePaid IS NULL"))) {
                        ++paid;
                        continue;
                    }
                    now = ReadItemState(connection, choice.key());
                }
                ++skipped[ChangeCounted(HowItemChanged(choice.value(), now))];
            }
            transaction.Commit();
        });
        if (!stored) return;
    }
    ShowPaid(paid, skipped);
    SetActionsOff();
    shared_.CallerMode = QStringLiteral("Pay");
    ShowLines();
}

void frmItem::ShowPaid(int paid, const QMap<QString, int>& skipped)
{
    const QString done = QString::number(paid) + QStringLiteral(" Items paid");
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
