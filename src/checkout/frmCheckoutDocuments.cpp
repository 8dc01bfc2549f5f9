// SPDX-License-Identifier: GPL-3.0-or-later
// What the counter writes and prints: receipts, reprints, returns with their
// refund receipts, and the day's takings.

#include "checkout/frmCheckout.h"

#include "checkout/ReturnItem.h"
#include "common/DateText.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "documents/CounterFiles.h"
#include "documents/ReceiptPdf.h"
#include "documents/SaleRecord.h"
#include "documents/StatementPdf.h"
#include "documents/Takings.h"
#include "shell/MessageLine.h"
#include "shell/SharedValues.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

namespace mqt {

namespace {

// The printer the shop chose last for its receipts is kept in the shop folder.
QSettings CounterSettings(const QString& shopFolder)
{
    return QSettings(QDir(shopFolder).filePath(QStringLiteral("counter.ini")), QSettings::IniFormat);
}

const QString PrinterKey = QStringLiteral("ReceiptPrinter");

}  // namespace

ShopHeading frmCheckout::Heading() const { return {QStringLiteral("Marquill"), {}}; }

QString frmCheckout::WriteReceipt(std::int64_t saleNo)
{
    const std::optional<SaleRecord> sale = ReadSale(shared_.database.connection(), saleNo);
    if (!sale) return QStringLiteral("sale %1 cannot be read back").arg(SaleNumberText(saleNo));
    const WrittenDocument receipt = WriteReceiptFile(*sale, Heading(), shared_.ProgramFolder);
    return receipt.written ? QString() : receipt.error;
}

QString frmCheckout::PrintReceipt(std::int64_t saleNo)
{
    const std::optional<SaleRecord> sale = ReadSale(shared_.database.connection(), saleNo);
    if (!sale) return QStringLiteral("sale %1 cannot be read back").arg(SaleNumberText(saleNo));
    QPrinter printer;
    QSettings settings = CounterSettings(shared_.ProgramFolder);
    const QString chosen = settings.value(PrinterKey).toString();
    if (!chosen.isEmpty()) printer.setPrinterName(chosen);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print receipt %1").arg(SaleNumberText(saleNo)));
    if (dialog.exec() != QDialog::Accepted) return {};
    settings.setValue(PrinterKey, printer.printerName());
    const ReceiptLayout layout = ReceiptLayoutFor(printer.pageLayout().pageSize());
    if (!PaintReceipt(ReceiptRows(*sale, Heading()), printer, layout))
        return QStringLiteral("the printer %1 cannot be used").arg(printer.printerName());
    return {};
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
    const std::optional<std::int64_t> saleNo = ReadItemNo(typed);
    if (!saleNo || !ReadSale(shared_.database.connection(), *saleNo)) {
        lblMessage_->ShowFailure(QStringLiteral("There is no sale %1").arg(typed.trimmed()));
        return;
    }
    const QString failure = PrintReceipt(*saleNo);
    if (!failure.isEmpty())
        lblMessage_->ShowFailure(QStringLiteral("The receipt of sale %1 failed: %2").arg(SaleNumberText(*saleNo), failure));
}

void frmCheckout::cmdReturn_Click()
{
    const QString typed = shared_.dialogs.InputBox(QStringLiteral("Item number of the item brought back:"));
    if (typed.trimmed().isEmpty()) return;
    const ReturnedItem returned = ReturnItem(shared_.database.connection(), typed, shared_.clock.Now());
    if (!returned.refusal.isEmpty()) {
        lblMessage_->ShowFailure(returned.refusal);
        return;
    }
    const std::optional<SaleRecord> refund = ReadSale(shared_.database.connection(), returned.refundNo);
    const QString done = QStringLiteral("Item %1 is back on sale; refund %2 of %3 in cash")
                             .arg(typed.trimmed(), SaleNumberText(returned.refundNo),
                                  FormatCents(refund ? -refund->total : 0));
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
    if (!typed.trimmed().isEmpty()) {
        const std::optional<DateValue> date = ReadDate(typed.trimmed(), today);
        if (!date) {
            lblMessage_->ShowFailure(QStringLiteral("Invalid date: %1").arg(typed.trimmed()));
            return;
        }
        day = date->date;
    }
    const Takings takings = ReadTakings(shared_.database.connection(), day);
    const WrittenDocument files =
        WriteTakingsFiles(takings, Heading(), shared_.ProgramFolder, StatementPageSize(QLocale()));
    if (files.written)
        lblMessage_->ShowSuccess(QStringLiteral("Takings written to ") + QDir::toNativeSeparators(files.path));
    else
        lblMessage_->ShowFailure(files.error);
    shared_.dialogs.ShowMessage(TakingsSummary(takings));
}

}  // namespace mqt
