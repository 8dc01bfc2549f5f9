// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/CommissionEntry.h"

#include "common/Val.h"

namespace mqt {

std::optional<std::int16_t> ReadCommission(const QString& text)
{
    const std::optional<std::int16_t> percent = RoundToInt16(Val(text));
    if (!percent || *percent >= 100) return std::nullopt;
    return percent;
}

}  // namespace mqt
