// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Amount.h"

#include "common/Val.h"

#include <string_view>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace mqt {

std::optional<Amount> Amount::FromDouble(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    // Most values (prices read back from the shop's file) have at most four
    // decimals: the nearest count of ten-thousandths reads back as the same
    // double. Below 1e11 two such counts never share a double, so that count
    // is the value's shortest decimal form, and the digit work below is not
    // needed.
    if (std::abs(value) < 1e11) {
        const double scaled = std::nearbyint(value * double(Scale));
        if (scaled / double(Scale) == value) return Amount(std::int64_t(scaled));
    }
    // Shortest decimal digits that read back as the same double, in the form
    // d.ddddde[+-]x, so the rounding below works on the decimal the user meant.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view text(buffer, std::size_t(written.ptr - buffer));
    const bool negative = text.front() == '-';
    const std::size_t ePos = text.find('e');
    char digitBuffer[64];
    int digitCount = 0;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.') digitBuffer[digitCount++] = text[i];
    const std::string_view digits(digitBuffer, std::size_t(digitCount));
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);

    // value = 0.d1d2d3... * 10^(exponent + 1); keep digits up to 10^-4.
    const int keep = exponent + 1 + 4;  // digits before the rounding point
    if (keep > 19) return std::nullopt;  // beyond 64 bits of ten-thousandths
    if (keep < 0) return Amount(0);
    __int128 units = 0;
    for (int i = 0; i < keep; ++i)
        units = units * 10 + (i < digitCount ? digits[std::size_t(i)] - '0' : 0);
    // Round half to even on the rest of the digits.
    if (keep < digitCount) {
        const int first = digits[std::size_t(keep)] - '0';
        bool restNonZero = false;
        for (int i = keep + 1; i < digitCount; ++i)
            if (digits[std::size_t(i)] != '0') restNonZero = true;
        if (first > 5 || (first == 5 && (restNonZero || (units % 2) == 1))) ++units;
    }
    if (units > std::numeric_limits<std::int64_t>::max()) return std::nullopt;
    const std::int64_t result = std::int64_t(units);
    return Amount(negative ? -result : result);
}

std::optional<Amount> Amount::Times(std::int64_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(units_, factor, &product)) return std::nullopt;
    return Amount(product);
}

QString Amount::Format() const
{
    // Cents, halves away from zero.
    const std::int64_t magnitude = units_ < 0 ? -units_ : units_;
    const std::int64_t cents = (magnitude + 50) / 100;
    // Digits written backwards into the end of a buffer.
    char text[32];
    char* start = text + sizeof text;
    std::int64_t rest = cents;
    for (int digit = 0; digit < 3 || rest > 0; ++digit) {
        if (digit == 2) *--start = '.';
        *--start = char('0' + rest % 10);
        rest /= 10;
    }
    if (units_ < 0 && cents != 0) *--start = '-';
    const int length = int(text + sizeof text - start);
    return QString::fromLatin1(start, length);
}

std::optional<Amount> AmountOfText(const QString& text) { return Amount::FromDouble(Val(text)); }

QString FormatMoney(double value)
{
    const std::optional<Amount> amount = Amount::FromDouble(value);
    if (amount) return amount->Format();
    return QString::number(value, 'f', 2);  // beyond any amount: plain digits
}

}  // namespace mqt
