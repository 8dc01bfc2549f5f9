// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PrintFile.h"

#include <QDir>

namespace mqt {

std::optional<QString> PrintFilePath(const QString& programFolder, const QString& answer, QString& problem)
{
    const QString name = answer.isEmpty() ? QStringLiteral("ItemReport") : answer;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral(".."))) {
        problem = QStringLiteral("The print file name \"%1\" may not hold \"/\", \"\\\" or \"..\": "
                                 "the file is written in the program folder")
                      .arg(name);
        return std::nullopt;
    }
    return QDir(programFolder).filePath(name + QStringLiteral(".csv"));
}

QByteArray PrintLine(std::span<const QString> fields)
{
    QString line;
    for (const QString& field : fields) {
        if (!line.isEmpty()) line += u',';
        line += u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    line += QStringLiteral("\r\n");
    return line.toUtf8();
}

PrintFile::PrintFile(const QString& path, const ItemColumnTable& columns) : file_(path)
{
    if (!file_.open(QIODevice::WriteOnly)) {
        Fail();
        return;
    }
    Write(PrintLine(std::span(columns.ColumnHeadings).subspan(1, std::size_t(columns.ReportColumnCount))));
    Write(QByteArrayLiteral("\r\n"));
}

void PrintFile::WriteRow(const ReportCells& cells) { Write(PrintLine(cells)); }

bool PrintFile::Finish()
{
    if (problem_.isEmpty() && !file_.commit()) Fail();
    return problem_.isEmpty();
}

void PrintFile::Write(const QByteArray& bytes)
{
    if (!problem_.isEmpty()) return;
    if (file_.write(bytes) != bytes.size()) Fail();
}

// Keeps the first failure's reason and drops what was written.
void PrintFile::Fail()
{
    problem_ = QStringLiteral("The print file %1 could not be written: %2").arg(file_.fileName(), file_.errorString());
    file_.cancelWriting();
}

}  // namespace mqt
