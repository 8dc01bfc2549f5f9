// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace mqt {

// Money in fixed point: a 64-bit signed count of ten-thousandths of a dollar.
// Totals and worked-out prices are kept as amounts so that sums are exact.
class Amount {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Amount() = default;
    static constexpr Amount FromUnits(std::int64_t tenThousandths) { return Amount(tenThousandths); }

    // The real rounded to the nearest ten-thousandth, ties to the even one.
    // The real is read in its shortest decimal form first, so 2.675 is taken
    // as the decimal 2.675 and not as the binary 2.67499999...
    // Empty when the value is not finite or does not fit.
    static std::optional<Amount> FromDouble(double value);

    constexpr std::int64_t Units() const { return units_; }
    double ToDouble() const { return double(units_) / double(Scale); }

    Amount& operator+=(Amount other) { units_ += other.units_; return *this; }
    friend Amount operator+(Amount a, Amount b) { return a += b; }
    friend Amount operator-(Amount a) { return Amount(-a.units_); }
    friend constexpr bool operator==(Amount a, Amount b) = default;

    // The amount times a whole number, exactly. Empty when the product does not fit.
    std::optional<Amount> Times(std::int64_t factor) const;

    // "#####0.00": at least one integer digit, exactly two decimals, no
    // thousands separator, no padding; halves round away from zero.
    QString Format() const;

private:
    constexpr explicit Amount(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

// The amount of a text: the number it begins with, as Val reads it (0 when
// the text holds no number). Empty when the number is too large to be held,
// so that a total can tell.
std::optional<Amount> AmountOfText(const QString& text);

// A stored price shown with the money format: through the Amount, so the
// rounding works on the decimal value.
QString FormatMoney(double value);

}  // namespace mqt
