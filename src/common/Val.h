// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

// The numeric reading of a text: blanks (the space character only) are
// skipped wherever they occur, then an optional sign and digits with at most
// one decimal point are read; reading stops at the first other character, a
// tab included. A text that does not start with a number reads as 0. There is
// no exponent: "1e3" reads as 1.
double Val(const QString& text);

// Whether Val reads the whole text: blanks aside, it is an optional sign and
// digits with at most one decimal point, and nothing else ("12.5", " -3",
// ".5"; not "", "forty", "12 %", "1e3").
bool IsNumber(const QString& text);

// Rounds to the nearest whole number, ties to the even one (12.5 -> 12,
// 13.5 -> 14). Empty when the result does not fit a 16-bit signed integer.
std::optional<std::int16_t> RoundToInt16(double value);

// The same rounding into a 32-bit signed integer.
std::optional<std::int32_t> RoundToInt32(double value);

}  // namespace mqt
