// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// The statements of the consignor screen. Every name passes through SqlQuote;
// text comparisons ignore letter case and "*" in a like pattern matches any
// run of characters.

// Consignors whose last name begins with lastPrefix and, when firstPrefix is
// filled (sorts after a single blank), whose first name begins with it; by
// last name. An empty last-name prefix lists every consignor.
QString SearchConsignors(const QString& lastPrefix, const QString& firstPrefix);

// The one consignor of these names, every field.
QString SelectConsignor(const QString& lastName, const QString& firstName);

// The add's duplicate test: any consignor of these names, every field.
QString FindDuplicateForAdd(const QString& lastName, const QString& firstName);

// The change's duplicate test: the names of any consignor of these names.
QString FindDuplicateForChange(const QString& lastName, const QString& firstName);

// The consignor's items, every field, for renaming them.
QString SelectItemsToRename(const QString& lastName, const QString& firstName);

// The consignor's items, their names only, for deleting them.
QString SelectItemsToDelete(const QString& lastName, const QString& firstName);

}  // namespace mqt
