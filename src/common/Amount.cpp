#include "common/Amount.h"

#include "common/Val.h"

#include <QByteArray>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace mqt {

std::optional<Amount> Amount::FromDouble(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    // Shortest decimal digits that read back as the same double, in the form
    // d.ddddde[+-]x, so the rounding below works on the decimal the user meant.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const QByteArray text(buffer, int(written.ptr - buffer));
    const bool negative = text.startsWith('-');
    const int ePos = text.indexOf('e');
    QByteArray digits = text.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    digits.replace(".", "");
    const int exponent = text.mid(ePos + 1).toInt();

    // value = 0.d1d2d3... * 10^(exponent + 1); keep digits up to 10^-4.
    const int keep = exponent + 1 + 4;  // digits before the rounding point
    if (keep > 19) return std::nullopt;  // beyond 64 bits of ten-thousandths
    if (keep < 0) return Amount(0);
    __int128 units = 0;
    for (int i = 0; i < keep; ++i)
        units = units * 10 + (i < digits.size() ? digits[i] - '0' : 0);
    // Round half to even on the rest of the digits.
    if (keep < digits.size()) {
        const int first = digits[keep] - '0';
        bool restNonZero = false;
        for (int i = keep + 1; i < digits.size(); ++i)
            if (digits[i] != '0') restNonZero = true;
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
    const QString text = QString::number(cents / 100) + u'.' +
                         QString::number(cents % 100).rightJustified(2, u'0');
    return (units_ < 0 && cents != 0) ? u'-' + text : text;
}

Amount AmountOfText(const QString& text) { return Amount::FromDouble(Val(text)).value_or(Amount()); }

QString FormatMoney(double value)
{
    const std::optional<Amount> amount = Amount::FromDouble(value);
    if (amount) return amount->Format();
    return QString::number(value, 'f', 2);  // beyond any amount: plain digits
}

}  // namespace mqt
