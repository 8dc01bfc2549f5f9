// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

// What the item screen asks of the consignor screen, which the navigator
// shows as Screen::Consignor.
class ConsignorPicker {
public:
    virtual ~ConsignorPicker() = default;

    // The item screen's name lookup found several consignors: lists those
    // whose names begin with the texts, with Show Items chosen, so that a
    // click on one (or a single match at once) lists its items there.
    virtual void ChooseConsignorForItems(const QString& lastName, const QString& firstName) = 0;
};

}  // namespace mqt
