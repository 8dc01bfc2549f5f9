// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

// A field of a comma-separated file (RFC 4180): one holding a comma, a double
// quote or a line break is enclosed in double quotes, each double quote
// doubled; any other stays as it is.
QString CsvField(const QString& text);
// A whole record: its fields joined by commas, ending in CRLF.
QString CsvRecord(const QStringList& fields);

}  // namespace mqt
