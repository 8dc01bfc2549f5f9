// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

// Shown when a typed commission cannot be stored.
inline constexpr char CommissionRangeMessage[] = "Commission must be a percent from -32768 to 99";

// The commission percent a typed text stands for: its numeric reading
// rounded to a whole number, ties to the even one (12.5 is 12, 13.5 is 14,
// text without a number is 0). Empty when the percent is 100 or more, where
// the consignor's share would be nothing or less, or when it lies below
// what the setting can hold.
std::optional<std::int16_t> ReadCommission(const QString& text);

}  // namespace mqt
