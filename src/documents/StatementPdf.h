// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>

class QIODevice;

namespace mqt {

struct StatementContent;

// Draws the statement as a PDF onto the device: the shop (its name and
// address, or the program's name while the shop has none) and the consignor
// on the first page, then a table of the lines that flows onto further pages,
// each starting with the column headings again, then the sums, and a page
// number at the foot of every page. False when the PDF cannot be drawn.
bool WriteStatementPdf(const StatementContent& content, QIODevice& device, const QPageSize& pageSize);

}  // namespace mqt
