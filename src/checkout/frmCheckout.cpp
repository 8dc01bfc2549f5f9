// SPDX-License-Identifier: GPL-3.0-or-later
// The sale being rung up: scanning lines onto it, changing and removing
// lines, taking payments, completing and cancelling it.

#include "checkout/frmCheckout.h"

#include "checkout/CompleteSale.h"
#include "checkout/ScanItem.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "documents/SaleRecord.h"
#include "shell/Grid.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace mqt {

SaleSums frmCheckout::Sums() const
{
    std::vector<Cents> prices;
    for (const CounterLine& line : lines_) prices.push_back(line.price);
    return SumSale(prices, SaleTaxRate(), payments_);
}

int frmCheckout::SaleTaxRate() const { return saleTaxRate_.value_or(shared_.Settings.TaxRate); }

void frmCheckout::ShowLine(int row)
{
    const CounterLine& line = lines_[std::size_t(row - 1)];
    Grid_->SetTextMatrix(row, 0, QString::number(line.itemNo));
    Grid_->SetTextMatrix(row, 1, line.description);
    Grid_->SetTextMatrix(row, 2, line.ConsignorName());
    Grid_->SetTextMatrix(row, 3, FormatCents(line.price));
    Grid_->PaintRow(row, row == selectedRow_ ? RowYellow : RowWhite);
}

void frmCheckout::ShowSale()
{
    Grid_->SetRows(int(lines_.size()) + 1);
    Grid_->PaintRow(0, RowPaleRed);
    for (int row = 1; row <= int(lines_.size()); ++row) ShowLine(row);
    ShowSums();
}

void frmCheckout::ShowSums()
{
    const SaleSums sums = Sums();
    lblSubtotal_->setText(FormatCents(sums.subtotal));
    lblTaxCaption_->setText(QStringLiteral("Tax ") + FormatTaxRate(SaleTaxRate()) + u'%');
    lblTax_->setText(FormatCents(sums.tax));
    lblTotal_->setText(FormatCents(sums.total));
    lstPayments_->clear();
    for (const Payment& payment : payments_)
        lstPayments_->addItem(PayKindName(payment.kind) + u' ' + FormatCents(payment.amount));
    lstPayments_->scrollToBottom();
    lblDue_->setText(FormatCents(std::max<Cents>(sums.total - sums.paid, 0)));
    lblChange_->setText(FormatCents(sums.change));
    cmdComplete_->setEnabled(sums.covered);
    cmdReceipt_->setEnabled(lastSaleNo_ > 0);
}

void frmCheckout::EmptySale()
{
    lines_.clear();
    payments_.clear();
    selectedRow_ = 0;
    saleTaxRate_.reset();
    txtPayAmount_->clear();
    // Each customer starts at cash.
    cboPayKind_->setCurrentIndex(int(PayKind::Cash));
    ShowSale();
}

bool frmCheckout::MayDiscardSale(const QString& question)
{
    if (lines_.empty() && payments_.empty()) return true;
    const auto count = [](std::size_t n, const char* what) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(what), n == 1 ? QString() : QStringLiteral("s"));
    };
    const QString open = QStringLiteral("Nothing of the open sale (%1, %2) has been written.\n")
                             .arg(count(lines_.size(), "line"), count(payments_.size(), "payment"));
    return shared_.dialogs.AskYesNo(open + question) == Yes;
}

void frmCheckout::closeEvent(QCloseEvent* event)
{
    if (MayDiscardSale(QStringLiteral("Close the counter and throw it away?")))
        event->accept();
    else
        event->ignore();
}

void frmCheckout::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        txtScan_->setFocus();
        ShowSums();  // an empty sale shows the shop's rate as it is now
    }
}

CounterLine* frmCheckout::SelectedLine()
{
    if (selectedRow_ < 1 || selectedRow_ > int(lines_.size())) return nullptr;
    return &lines_[std::size_t(selectedRow_ - 1)];
}

void frmCheckout::txtScan_Enter()
{
    const QString typed = txtScan_->text();
    if (typed.trimmed().isEmpty()) {
        txtScan_->clear();
        return;
    }
    // The number stays in the box until the scan has an answer, so that a
    // scan the server did not answer can run again.
    ScanResult scan = ScanItem(shared_.database.connection(), typed, lines_);
    txtScan_->clear();
    if (!scan.line) {
        lblMessage_->ShowFailure(scan.refusal);
        return;
    }
    if (lines_.empty()) saleTaxRate_ = shared_.Settings.TaxRate;
    lines_.push_back(*scan.line);
    if (scan.line->NeedsPrice())
        lblMessage_->ShowFailure(QStringLiteral("Item %1 added; it has no price yet: it is asked for before the payment")
                                     .arg(scan.line->itemNo));
    else
        lblMessage_->ShowSuccess(QStringLiteral("Item %1 added").arg(scan.line->itemNo));
    // Only the new line is drawn: the others stay as they are.
    Grid_->SetRows(int(lines_.size()) + 1);
    ShowLine(int(lines_.size()));
    ShowSums();
}

void frmCheckout::Grid_Click()
{
    const int row = Grid_->Row();
    if (row < 1 || row > int(lines_.size())) return;
    selectedRow_ = row == selectedRow_ ? 0 : row;
    ShowSale();
}

frmCheckout::PriceAnswer frmCheckout::AskLinePrice(CounterLine& line, const QString& prompt)
{
    const QString present = line.NeedsPrice() ? QString() : FormatCents(line.price);
    const QString typed = shared_.dialogs.InputBox(prompt, present).trimmed();
    if (typed.isEmpty()) return PriceAnswer::Cancelled;
    const std::optional<Cents> price = ReadCents(typed);
    if (!price) {
        lblMessage_->ShowFailure(QStringLiteral("Invalid price: %1; ").arg(typed) + QLatin1String(AmountFormText));
        return PriceAnswer::Refused;
    }
    const ShopSettings& settings = shared_.Settings;
    const std::optional<PricePair> prices = ComputeCostPrice(FormatCents(*price), settings.Commission, settings.Rounding);
    if (!prices) {
        lblMessage_->ShowFailure(QStringLiteral("The consignor's share cannot be worked out for %1").arg(typed));
        return PriceAnswer::Refused;
    }
    line.price = *price;
    line.newPrices = prices;
    lblMessage_->ShowSuccess(QStringLiteral("Item %1 now sells at %2; the consignor's share is %3")
                                 .arg(line.itemNo)
                                 .arg(prices->saleText, prices->costText));
    ShowSale();
    return PriceAnswer::Changed;
}

bool frmCheckout::PriceEveryLine()
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].NeedsPrice()) continue;
        selectedRow_ = int(i) + 1;
        ShowSale();
        const QString prompt = QStringLiteral("Item %1 has no price. Its price:").arg(lines_[i].itemNo);
        const PriceAnswer answer = AskLinePrice(lines_[i], prompt);
        if (answer == PriceAnswer::Cancelled) lblMessage_->ShowFailure(lines_[i].NoPriceText());
        if (answer != PriceAnswer::Changed) return false;
    }
    return true;
}

void frmCheckout::cmdLinePrice_Click()
{
    CounterLine* line = SelectedLine();
    if (!line) {
        lblMessage_->ShowFailure(QStringLiteral("Select a line first"));
        return;
    }
    AskLinePrice(*line, QStringLiteral("New price of item %1:").arg(line->itemNo));
}

void frmCheckout::cmdRemoveLine_Click()
{
    const CounterLine* line = SelectedLine();
    if (!line) {
        lblMessage_->ShowFailure(QStringLiteral("Select a line first"));
        return;
    }
    const std::int64_t itemNo = line->itemNo;
    lines_.erase(lines_.begin() + (selectedRow_ - 1));
    selectedRow_ = 0;
    lblMessage_->ShowSuccess(QStringLiteral("Item %1 removed from the sale").arg(itemNo));
    ShowSale();
}

void frmCheckout::cmdAddPayment_Click()
{
    // What is due is known only once every line has its price.
    if (!PriceEveryLine()) return;
    const QString typed = txtPayAmount_->text();
    const std::optional<Cents> amount = ReadCents(typed);
    if (!amount) {
        lblMessage_->ShowFailure(QStringLiteral("Invalid amount: %1; ").arg(typed.trimmed()) +
                                 QLatin1String(AmountFormText));
        return;
    }
    const Payment payment{PayKind(cboPayKind_->currentIndex()), *amount};
    const QString refusal = PaymentRefusal(Sums(), payment);
    if (!refusal.isEmpty()) {
        lblMessage_->ShowFailure(refusal);
        return;
    }
    payments_.push_back(payment);
    txtPayAmount_->clear();
    lblMessage_->ShowSuccess(QStringLiteral("%1 %2 taken").arg(PayKindName(payment.kind), FormatCents(payment.amount)));
    ShowSale();
}

void frmCheckout::txtPayAmount_Enter()
{
    if (!txtPayAmount_->text().trimmed().isEmpty())
        cmdAddPayment_Click();
    else if (Sums().covered)
        cmdComplete_Click();
    else
        lblMessage_->ShowFailure(QStringLiteral("Type the amount paid, then Enter"));
}

void frmCheckout::cmdClearPayments_Click()
{
    payments_.clear();
    lblMessage_->ShowSuccess(QStringLiteral("Payments cleared"));
    ShowSale();
}

void frmCheckout::cmdComplete_Click()
{
    if (!PriceEveryLine()) return;
    const SaleSums sums = Sums();
    if (!sums.covered) {
        lblMessage_->ShowFailure(QStringLiteral("The payments do not cover the total of %1").arg(FormatCents(sums.total)));
        return;
    }
    const CompletedSale sale =
        CompleteSale(shared_.database.connection(), {shared_.clock.Now(), SaleTaxRate(), lines_, payments_});
    if (!sale.refusal.isEmpty()) {
        lblMessage_->ShowFailure(sale.refusal);
        return;
    }
    lastSaleNo_ = sale.saleNo;
    EmptySale();
    const QString complete =
        QStringLiteral("Sale %1 complete, change %2").arg(SaleNumberText(sale.saleNo), FormatCents(sums.change));
    const QString receiptFailure = WriteReceipt(sale.saleNo);
    if (receiptFailure.isEmpty())
        lblMessage_->ShowSuccess(complete);
    else
        lblMessage_->ShowFailure(complete + QStringLiteral("; the receipt failed: ") + receiptFailure);
}

void frmCheckout::cmdCancelSale_Click()
{
    if (!MayDiscardSale(QStringLiteral("Cancel the sale?"))) return;
    EmptySale();
    lblMessage_->ShowSuccess(QStringLiteral("Sale cancelled; nothing was written"));
}

}  // namespace mqt
