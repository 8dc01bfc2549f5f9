// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataControl.h"

#include <QString>

namespace mqt {

// The statements of the item screen. Names pass through SqlQuote, as the
// consignor file holds them; a description is a bound value, so an item is
// found by its description exactly as stored, runs of apostrophes and all.
// Text comparisons ignore letter case and "*" in a like pattern matches any
// run of characters.

// The consignors whose last name begins with lastPrefix and, when firstPrefix
// sorts after a single blank, whose first name begins with it; unsorted.
QString LookUpConsignor(const QString& lastPrefix, const QString& firstPrefix);

// The consignor's items by description.
QString ListItems(const QString& lastName, const QString& firstName);

// The consignor's item of that description (as stored), every field.
BoundStatement SelectItem(const QString& lastName, const QString& firstName, const QString& itemDesc);

// The add's duplicate test: the item of the typed description as it would be
// stored (without surrounding blanks), every field.
BoundStatement FindDuplicateItem(const QString& lastName, const QString& firstName, const QString& typedDesc);

// The change's duplicate test: the description of any item of the typed
// description as it would be stored.
BoundStatement FindItemDesc(const QString& lastName, const QString& firstName, const QString& typedDesc);

// The consignor of exactly these names, for the add's check.
QString FindConsignor(const QString& lastName, const QString& firstName);

}  // namespace mqt
