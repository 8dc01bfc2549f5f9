// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/CounterFiles.h"

#include "documents/ReceiptPdf.h"
#include "documents/SaleRecord.h"
#include "documents/Takings.h"
#include "documents/TakingsPdf.h"

#include <QDir>
#include <QSaveFile>

namespace mqt {

namespace {

QString Failed(const QString& path, const QString& reason)
{
    return QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
}

// The folder in the shop folder, made when needed; empty with the reason set
// when it cannot be.
QString Folder(const QString& shopFolder, const QString& name, WrittenDocument& result)
{
    const QString folder = QDir(shopFolder).filePath(name);
    if (!QDir().mkpath(folder)) result.error = Failed(folder, QStringLiteral("the folder cannot be made"));
    return result.error.isEmpty() ? folder : QString();
}

}  // namespace

WrittenDocument WriteReceiptFile(const SaleRecord& sale, const ShopHeading& shop, const QString& shopFolder)
{
    WrittenDocument result;
    const QString folder = Folder(shopFolder, QStringLiteral("receipts"), result);
    if (folder.isEmpty()) return result;
    result.path = QDir(folder).filePath(QStringLiteral("sale-%1.pdf").arg(SaleNumberText(sale.saleNo)));
    QSaveFile pdf(result.path);
    if (!pdf.open(QIODevice::WriteOnly) ||
        !WriteReceiptPdf(ReceiptRows(sale, shop), pdf, ReceiptLayout::Roll80, QPageSize(QPageSize::A4)) ||
        pdf.error() != QFileDevice::NoError || !pdf.commit()) {
        result.error = Failed(result.path, pdf.errorString());
        return result;
    }
    result.written = true;
    return result;
}

WrittenDocument WriteTakingsFiles(const Takings& takings, const ShopHeading& shop, const QString& shopFolder,
                                  const QPageSize& pageSize)
{
    WrittenDocument result;
    const QString folder = Folder(shopFolder, QStringLiteral("takings"), result);
    if (folder.isEmpty()) return result;
    const QString base = QDir(folder).filePath(QStringLiteral("takings-") + takings.day.toString(Qt::ISODate));
    result.path = base + QStringLiteral(".pdf");
    const QString csvPath = base + QStringLiteral(".csv");

    QSaveFile csv(csvPath);
    const QByteArray csvBytes = TakingsCsv(takings);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(csvBytes) != csvBytes.size()) {
        result.error = Failed(csvPath, csv.errorString());
        return result;
    }
    QSaveFile pdf(result.path);
    if (!pdf.open(QIODevice::WriteOnly) || !WriteTakingsPdf(takings, shop, pdf, pageSize) ||
        pdf.error() != QFileDevice::NoError) {
        result.error = Failed(result.path, pdf.errorString());
        return result;
    }
    if (!csv.commit()) {
        result.error = Failed(csvPath, csv.errorString());
        return result;
    }
    if (!pdf.commit()) {
        result.error = Failed(result.path, pdf.errorString());
        QFile::remove(csvPath);
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace mqt
