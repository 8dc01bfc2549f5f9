// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a receipt through the print dialog, on the printer the shop chose
// last, in the layout that fits its paper.

#include "checkout/frmCheckout.h"

#include "documents/ReceiptPdf.h"
#include "documents/SaleRecord.h"
#include "shell/SharedValues.h"
#include "store/ShopIdentity.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

namespace mqt {

namespace {

// The printer the shop chose last for its receipts, kept in the shop folder.
QString SettingsFile(const SharedValues& shared)
{
    return QDir(shared.ProgramFolder).filePath(QStringLiteral("receipts/receipts.ini"));
}

const QString PrinterKey = QStringLiteral("printer");

}  // namespace

QString frmCheckout::PrintReceipt(std::int64_t saleNo)
{
    const std::optional<SaleRecord> sale = ReadSale(shared_.database.connection(), saleNo);
    if (!sale) return QStringLiteral("sale %1 cannot be read back").arg(SaleNumberText(saleNo));
    QPrinter printer;
    QSettings remembered(SettingsFile(shared_), QSettings::IniFormat);
    const QString chosen = remembered.value(PrinterKey).toString();
    if (!chosen.isEmpty()) printer.setPrinterName(chosen);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print receipt %1").arg(SaleNumberText(saleNo)));
    if (dialog.exec() != QDialog::Accepted) return {};
    remembered.setValue(PrinterKey, printer.printerName());
    const ReceiptLayout layout = ReceiptLayoutFor(printer.pageLayout().pageSize());
    if (!PaintReceipt(ReceiptRows(*sale, Heading()), printer, layout))
        return QStringLiteral("the printer %1 cannot be used").arg(printer.printerName());
    return {};
}

}  // namespace mqt
