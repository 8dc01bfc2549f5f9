// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QPageSize>

class QIODevice;

namespace mqt {

struct StatementContent;

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize StatementPageSize(const QLocale& locale);

// Draws the statement as a PDF onto the device: the shop and the consignor on
// the first page, then a table of the lines that flows onto further pages,
// each starting with the column headings again, then the sums, and a page
// number at the foot of every page. False when the PDF cannot be drawn.
bool WriteStatementPdf(const StatementContent& content, QIODevice& device, const QPageSize& pageSize);

}  // namespace mqt
