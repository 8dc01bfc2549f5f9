// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>

class QIODevice;

namespace mqt {

struct ShopIdentity;
struct Takings;

// Draws the day's takings as a PDF: the shop's name and address and the day,
// a table of the sales and refunds that flows onto further pages with its
// headings repeated, then the day's sums as the counter's summary shows them.
// False when the PDF cannot be drawn.
bool WriteTakingsPdf(const Takings& takings, const ShopIdentity& shop, QIODevice& device, const QPageSize& pageSize);

}  // namespace mqt
