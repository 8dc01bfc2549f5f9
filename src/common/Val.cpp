// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Val.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mqt {

double Val(const QString& text)
{
    std::string number;
    bool seenSign = false;
    bool seenDigit = false;
    bool seenPoint = false;
    for (const QChar ch : text) {
        if (ch == u' ') continue;
        if ((ch == u'-' || ch == u'+') && !seenSign && !seenDigit && !seenPoint) {
            seenSign = true;
            if (ch == u'-') number += '-';
            continue;
        }
        if (ch >= u'0' && ch <= u'9') {
            seenDigit = true;
            number += char(ch.unicode());
            continue;
        }
        if (ch == u'.' && !seenPoint) {
            seenPoint = true;
            number += '.';
            continue;
        }
        break;
    }
    if (!seenDigit) return 0.0;
    // from_chars reads '.' whatever the user's locale is.
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too many digits: too large when the whole part has any, else too small.
        const std::string whole = number.substr(0, number.find('.'));
        const bool large = whole.find_first_not_of("-0") != std::string::npos;
        const double huge = std::numeric_limits<double>::infinity();
        value = !large ? 0.0 : number.front() == '-' ? -huge : huge;
    }
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

bool IsNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(?:\\d+\\.?\\d*|\\.\\d+)$"));
    return number.match(QString(text).remove(u' ')).hasMatch();
}

namespace {

template <typename Int>
std::optional<Int> RoundTo(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default mode: ties to even
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

}  // namespace

std::optional<std::int16_t> RoundToInt16(double value) { return RoundTo<std::int16_t>(value); }
std::optional<std::int32_t> RoundToInt32(double value) { return RoundTo<std::int32_t>(value); }

}  // namespace mqt
