// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/CsvField.h"

namespace mqt {

QString CsvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString CsvRecord(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) quoted << CsvField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

}  // namespace mqt
