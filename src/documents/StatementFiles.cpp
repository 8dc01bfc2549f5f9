// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/StatementFiles.h"

#include "documents/StatementContent.h"
#include "documents/StatementCsv.h"
#include "documents/StatementPdf.h"

#include <QDir>
#include <QSaveFile>

namespace mqt {

namespace {

constexpr int NameLimit = 60;
constexpr int TagLimit = 60;

QString SafePart(const QString& text, int limit)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    for (const QChar ch : text) safe += (ch.unicode() < 0x20 || ch.unicode() == 0x7f || refused.contains(ch)) ? u'_' : ch;
    safe = safe.trimmed();
    if (safe.size() > limit) safe = safe.left(limit).trimmed();
    // A high surrogate left alone by the cut would make a broken name.
    if (!safe.isEmpty() && safe.back().isHighSurrogate()) safe.chop(1);
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

bool IsDeviceName(const QString& stem)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const QString upper = stem.trimmed().toUpper();
    if (devices.contains(upper)) return true;
    return upper.size() == 4 && (upper.startsWith(u"COM") || upper.startsWith(u"LPT")) && upper[3].isDigit();
}

QString Failed(const QString& path, const QString& reason)
{
    return QStringLiteral("The statement could not be written to %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace

QString StatementFileName(const StatementContent& content)
{
    QString name = SafePart(content.lastName, NameLimit) + QStringLiteral(", ") +
                   SafePart(content.firstName, NameLimit) + QStringLiteral(" - ") +
                   SafePart(content.fileTag, TagLimit);
    if (name.startsWith(u'.') || IsDeviceName(name.section(u'.', 0, 0))) name.prepend(u'_');
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    return name;
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

    QSaveFile csv(result.csvPath);
    const QByteArray csvBytes = StatementCsv(content);
    if (!csv.open(QIODevice::WriteOnly) || csv.write(csvBytes) != csvBytes.size()) {
        result.error = Failed(result.csvPath, csv.errorString());
        return result;
    }
    QSaveFile pdf(result.pdfPath);
    if (!pdf.open(QIODevice::WriteOnly) || !WriteStatementPdf(content, pdf, pageSize) ||
        pdf.error() != QFileDevice::NoError) {
        result.error = Failed(result.pdfPath, pdf.errorString());
        return result;
    }
    if (!csv.commit()) {
        result.error = Failed(result.csvPath, csv.errorString());
        return result;
    }
    if (!pdf.commit()) {
        result.error = Failed(result.pdfPath, pdf.errorString());
        QFile::remove(result.csvPath);
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace mqt
