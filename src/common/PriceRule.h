// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Amount.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

// What the two price boxes show after one price was worked out from the other.
struct PricePair {
    QString costText;
    QString saleText;
};

// The sale price worked out from the cost box's text ("$" removed, read with Val,
// made an Amount): cost ÷ (100 - commission) × 100, to two decimals, then to the
// rounding step when `rounding` is above 0. A commission below 1 gives the typed
// price back unrounded. Both texts are formatted "#####0.00".
// Empty when the commission cannot be used (100 or more) or the typed price is too
// large to be held: the caller leaves the boxes as they are.
std::optional<PricePair> ComputeSalePrice(const QString& costText, std::int16_t commission, float rounding);

// The cost price worked out from the sale box's text the same way:
// sale × (100 - commission) ÷ 100, to two decimals, then to the rounding step.
// Empty in the same cases as ComputeSalePrice.
std::optional<PricePair> ComputeCostPrice(const QString& saleText, std::int16_t commission, float rounding);

// The amount brought to the shop's rounding step (rounding > 0): the nearest whole
// number of steps, ties to the even one, times the step. The step is the shop's
// single-precision setting, the arithmetic is in double. The count of steps is held
// in 64 bits; a step too fine for that count, or a result that cannot be held,
// leaves the amount as it is.
Amount RoundToStep(Amount amount, float rounding);

}  // namespace mqt
