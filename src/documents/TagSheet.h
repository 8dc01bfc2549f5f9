// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/TagItems.h"
#include "documents/TagLayout.h"

#include <QString>
#include <vector>

class QPagedPaintDevice;
class QIODevice;

namespace mqt {

// A run of price tags: which items, on which paper, from which label on.
struct TagSheet {
    const TagLayout* layout = nullptr;
    QString shopName;
    std::vector<TagItem> items;
    int firstPosition = 1;  // the first free label of a partly used sheet, 1-based
    int copies = 1;         // tags of each item

    int TagCount() const { return int(items.size()) * copies; }
    int PageCount() const;
};

// Draws the tags onto a PDF writer or a printer set up for the layout (see
// SetUpTagPages): each item's copies side by side, filling the labels across
// the rows from the first free position, then on from the first label of each
// further page. Each tag shows the shop's name, the description, the
// category, the sale price in large type (blank when there is none), the date
// added, and the item number as a Code 128 barcode with the digits beneath.
// Text that does not fit is shortened with "..."; nothing is drawn outside
// its label. False when the device cannot be painted on or a number cannot
// be encoded.
bool DrawTags(const TagSheet& sheet, QPagedPaintDevice& device);

// Sets the device's pages up for the layout: its paper, no margins.
bool SetUpTagPages(const TagLayout& layout, QPagedPaintDevice& device);

// The tags as a PDF written onto the device.
bool WriteTagsPdf(const TagSheet& sheet, QIODevice& device);

}  // namespace mqt
