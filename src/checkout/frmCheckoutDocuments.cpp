// SPDX-License-Identifier: GPL-3.0-or-later
// What the counter writes and prints: receipts, reprints, returns with their
// refund receipts, and the day's takings.

#include "checkout/frmCheckout.h"

#include "checkout/ReturnItem.h"
#include "common/DateText.h"
#include "common/ExpandToday.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "documents/CounterFiles.h"
#include "documents/ReceiptPdf.h"
#include "documents/SaleRecord.h"
#include "documents/PageSetup.h"
#include "documents/Takings.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"
#include "store/ItemNumbers.h"
#include "store/ShopIdentity.h"
#include "store/StoreError.h"

#include <QDir>

namespace mqt {

ShopIdentity frmCheckout::Heading() const { return ReadShopIdentity(shared_.database.connection()); }

QString frmCheckout::WriteReceipt(std::int64_t saleNo)
{
    // The sale is written by now: a failure to read it back is the receipt's
    // alone, and running the action again would find nothing left to sell.
    try {
        const std::optional<SaleRecord> sale = ReadSale(shared_.database.connection(), saleNo);
        if (!sale) return QStringLiteral("sale %1 cannot be read back").arg(SaleNumberText(saleNo));
        const WrittenDocument receipt = WriteReceiptFile(*sale, Heading(), shared_.ProgramFolder);
        return receipt.written ? QString() : receipt.error;
    } catch (const StoreError& error) {
        return error.Message();
    }
}

void frmCheckout::cmdReceipt_Click()
{
    if (lastSaleNo_ <= 0) return;
    const QString failure = PrintReceipt(lastSaleNo_);
    if (!failure.isEmpty())
        lblMessage_->ShowFailure(QStringLiteral("Sale %1 is complete; the receipt failed: %2")
                                     .arg(SaleNumberText(lastSaleNo_), failure));
}

void frmCheckout::cmdReprint_Click()
{
    const QString typed = shared_.dialogs.InputBox(QStringLiteral("Number of the sale to print again:"));
    if (typed.trimmed().isEmpty()) return;
    const std::optional<std::int64_t> saleNo = ReadItemNumber(typed);
    if (!saleNo || !ReadSale(shared_.database.connection(), *saleNo)) {
        lblMessage_->ShowFailure(QStringLiteral("There is no sale %1").arg(typed.trimmed()));
        return;
    }
    const QString failure = PrintReceipt(*saleNo);
    if (failure.isEmpty())
        lblMessage_->clear();  // an earlier failure is no longer the news
    else
        lblMessage_->ShowFailure(QStringLiteral("The receipt of sale %1 failed: %2").arg(SaleNumberText(*saleNo), failure));
}

namespace {

// "in cash", "to the card": how a refund went back, for the message line.
QString RefundWay(PayKind kind)
{
    switch (kind) {
    case PayKind::Cash: return QStringLiteral("in cash");
    case PayKind::Card: return QStringLiteral("to the card");
    case PayKind::Check: return QStringLiteral("by check");
    case PayKind::Other: break;
    }
    return QStringLiteral("as other");
}

}  // namespace

void frmCheckout::cmdReturn_Click()
{
    const QString typed = shared_.dialogs.InputBox(QStringLiteral("Item number of the item brought back:"));
    if (typed.trimmed().isEmpty()) return;
    const ReturnPlan plan = PlanReturn(shared_.database.connection(), typed);
    if (!plan.planned) {
        lblMessage_->ShowFailure(plan.refusal);
        return;
    }
    const PlannedReturn& planned = *plan.planned;
    // The way the sale was paid comes first; the cashier may choose another.
    std::vector<PayKind> ways{planned.paidBy};
    QStringList choices{PayKindName(planned.paidBy) + QStringLiteral(", as the sale was paid")};
    for (int k = 0; k < PayKindCount; ++k) {
        if (PayKind(k) == planned.paidBy) continue;
        ways.push_back(PayKind(k));
        choices << PayKindName(PayKind(k));
    }
    const QString prompt = QStringLiteral("Item %1, %2 (%3, %4), sold in sale %5.\nRefund %6: %7 and %8 tax.\n"
                                          "Pay the refund as:")
                               .arg(planned.itemNo)
                               .arg(planned.description, planned.lastName, planned.firstName,
                                    SaleNumberText(planned.saleNo), FormatCents(planned.Refund()),
                                    FormatCents(planned.price), FormatCents(planned.tax));
    const int chosen = shared_.dialogs.ChooseFromList(prompt, choices);
    if (chosen < 0) {
        lblMessage_->ShowSuccess(QStringLiteral("Return cancelled; nothing was written"));
        return;
    }
    const PayKind way = ways[std::size_t(chosen)];
    const ReturnedItem returned = ReturnItem(shared_.database.connection(), planned, way, shared_.clock.Now());
    if (!returned.refusal.isEmpty()) {
        lblMessage_->ShowFailure(returned.refusal);
        return;
    }
    // Print receipt now prints the refund.
    lastSaleNo_ = returned.refundNo;
    ShowSums();
    const QString done = QStringLiteral("Item %1 is back on sale; refund %2 of %3 %4")
                             .arg(planned.itemNo)
                             .arg(SaleNumberText(returned.refundNo), FormatCents(planned.Refund()), RefundWay(way));
    const QString receiptFailure = WriteReceipt(returned.refundNo);
    if (receiptFailure.isEmpty())
        lblMessage_->ShowSuccess(done);
    else
        lblMessage_->ShowFailure(done + QStringLiteral("; the receipt failed: ") + receiptFailure);
}

void frmCheckout::cmdTakings_Click()
{
    const QDate today = shared_.clock.Today();
    const QString typed = shared_.dialogs.InputBox(QStringLiteral("Day of the takings (empty for today):"));
    QDate day = today;
    QString plain = typed;
    plain.remove(u' ');
    if (!plain.isEmpty()) {
        // "today-1" for yesterday, as in the item screen's date boxes.
        const std::optional<DateValue> date = ReadDate(ExpandToday(plain, today), today);
        if (!date) {
            lblMessage_->ShowFailure(QStringLiteral("Invalid date: %1").arg(typed.trimmed()));
            return;
        }
        day = date->date;
    }
    const Takings takings = ReadTakings(shared_.database.connection(), day);
    const WrittenDocument files =
        WriteTakingsFiles(takings, Heading(), shared_.ProgramFolder, LocalePaperSize(QLocale()));
    if (files.written)
        lblMessage_->ShowSuccess(QStringLiteral("Takings written to ") + QDir::toNativeSeparators(files.path));
    else
        lblMessage_->ShowFailure(files.error);
    shared_.dialogs.ShowMessage(TakingsSummary(takings));
}

}  // namespace mqt
