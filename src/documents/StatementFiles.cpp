// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementFiles.h"

#include "documents/StatementContent.h"
#include "documents/StatementCsv.h"
#include "documents/StatementPdf.h"
#include "documents/SafeFileName.h"
#include "documents/WholeFile.h"

#include <QDir>
#include <QFile>

namespace mqt {

namespace {

constexpr int NameLimit = 60;
constexpr int TagLimit = 60;

QString Failed(const QString& path, const QString& reason)
{
    return QStringLiteral("The statement could not be written to %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

QString StatementFileName(const StatementContent& content)
{
    return SafeFileName(SafeFileNamePart(content.lastName, NameLimit) + QStringLiteral(", ") +
                        SafeFileNamePart(content.firstName, NameLimit) + QStringLiteral(" - ") +
                        SafeFileNamePart(content.fileTag, TagLimit));
}

WrittenStatement WriteStatementFiles(const StatementContent& content, const QString& folder,
                                     const QPageSize& pageSize)
{
    WrittenStatement result;
    const QString base = QDir(folder).filePath(StatementFileName(content));
    result.pdfPath = base + QStringLiteral(".pdf");
    result.csvPath = base + QStringLiteral(".csv");
    if (!QDir().mkpath(folder)) {
        result.error = Failed(folder, QStringLiteral("the folder cannot be made"));
        return result;
    }
    const QByteArray csvBytes = StatementCsv(content);
    QString reason = WriteWholeFile(result.csvPath, [&](QIODevice& device) {
        return device.write(csvBytes) == csvBytes.size();
    });
    if (!reason.isEmpty()) {
        result.error = Failed(result.csvPath, reason);
        return result;
    }
    reason = WriteWholeFile(result.pdfPath, [&](QIODevice& device) {
        return WriteStatementPdf(content, device, pageSize);
    });
    if (!reason.isEmpty()) {
        // No half statement: the CSV goes again without its PDF.
        QFile::remove(result.csvPath);
        result.error = Failed(result.pdfPath, reason);
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace mqt
