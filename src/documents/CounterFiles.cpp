// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/CounterFiles.h"

#include "documents/ReceiptPdf.h"
#include "documents/SaleRecord.h"
#include "documents/Takings.h"
#include "documents/TakingsPdf.h"
#include "documents/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace mqt {

namespace {

QString Failed(const QString& path, const QString& reason)
{
    return QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
}

// A receipt is "receipts/sale-NNNNNN.pdf", named by its sale number of at
// least six digits.
QString ReceiptFolder(const QString& shopFolder) { return QDir(shopFolder).filePath(QStringLiteral("receipts")); }

QString ReceiptName(std::int64_t saleNo) { return QStringLiteral("sale-%1.pdf").arg(SaleNumberText(saleNo)); }

const QRegularExpression& ReceiptNamePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^sale-(\\d{6,18})\\.pdf$"));
    return pattern;
}

}  // namespace

WrittenDocument WriteReceiptFile(const SaleRecord& sale, const ShopIdentity& shop, const QString& shopFolder)
{
    WrittenDocument result;
    result.path = QDir(ReceiptFolder(shopFolder)).filePath(ReceiptName(sale.saleNo));
    const QString reason = WriteWholeFile(result.path, [&](QIODevice& device) {
        return WriteReceiptPdf(ReceiptRows(sale, shop), device, ReceiptLayout::Roll80, QPageSize(QPageSize::A4));
    });
    if (!reason.isEmpty()) result.error = Failed(result.path, reason);
    result.written = reason.isEmpty();
    return result;
}

std::int64_t HighestReceiptNumber(const QString& shopFolder)
{
    std::int64_t highest = 0;
    for (const QString& name : QDir(ReceiptFolder(shopFolder)).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = ReceiptNamePattern().match(name);
        if (match.hasMatch()) highest = std::max(highest, std::int64_t(match.captured(1).toLongLong()));
    }
    return highest;
}

WrittenDocument WriteTakingsFiles(const Takings& takings, const ShopIdentity& shop, const QString& shopFolder,
                                  const QPageSize& pageSize)
{
    WrittenDocument result;
    const QString base =
        QDir(shopFolder).filePath(QStringLiteral("takings/takings-") + takings.day.toString(Qt::ISODate));
    result.path = base + QStringLiteral(".pdf");
    const QString csvPath = base + QStringLiteral(".csv");
    const QByteArray csvBytes = TakingsCsv(takings);
    QString reason = WriteWholeFile(csvPath, [&](QIODevice& device) { return device.write(csvBytes) == csvBytes.size(); });
    if (!reason.isEmpty()) {
        result.error = Failed(csvPath, reason);
        return result;
    }
    reason = WriteWholeFile(result.path, [&](QIODevice& device) { return WriteTakingsPdf(takings, shop, device, pageSize); });
    if (!reason.isEmpty()) {
        // No half takings: the CSV goes again without its PDF.
        QFile::remove(csvPath);
        result.error = Failed(result.path, reason);
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace mqt
