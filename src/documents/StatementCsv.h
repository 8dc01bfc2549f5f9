// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace mqt {

struct StatementContent;

// The statement as a comma-separated file in UTF-8: every record has the same
// five fields and ends in CRLF; a field holding a comma, a double quote or a
// line break is enclosed in double quotes, with each double quote doubled.
// A few records name the statement, then come the column headings, one record
// per line ("Item" or "Rent") and the sums.
QByteArray StatementCsv(const StatementContent& content);

}  // namespace mqt
