// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// What the consignor and report screens ask of the item screen, which the
// navigator shows as Screen::Item. The caller sets CallerMode before it asks.
class ItemScreen {
public:
    virtual ~ItemScreen() = default;

    // Puts the names into the screen's name boxes and runs its Show. With
    // CallerMode set, Show lists that consignor's items without a name lookup;
    // `criteria` (see RecordMatchesCriteria) narrow that list.
    virtual void ShowItemsFor(const QString& lastName, const QString& firstName, const QString& criteria = {}) = 0;
};

}  // namespace mqt
