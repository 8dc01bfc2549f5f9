// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/ReceiptRows.h"

#include <QPageSize>

class QIODevice;
class QPagedPaintDevice;

namespace mqt {

// An 80 mm roll, the common receipt printer, or a full sheet (A4 or Letter).
enum class ReceiptLayout { Roll80, Sheet };

// The layout that fits a page of this width: the roll up to 90 mm.
ReceiptLayout ReceiptLayoutFor(const QPageSize& pageSize);

// Writes the receipt as a PDF: on the roll one page as long as the receipt,
// on a sheet pages of that size. False when it cannot be drawn.
bool WriteReceiptPdf(const std::vector<ReceiptRow>& rows, QIODevice& device, ReceiptLayout layout,
                     const QPageSize& sheet);

// Draws the receipt on a device whose page is already set up (a printer),
// flowing onto further pages when one is full. False when it cannot be drawn.
bool PaintReceipt(const std::vector<ReceiptRow>& rows, QPagedPaintDevice& device, ReceiptLayout layout);

}  // namespace mqt
