// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/PriceRule.h"

#include "common/Val.h"

#include <cmath>

namespace mqt {

namespace {

// The amount of a price box's text: every "$" removed, then the leading number.
std::optional<Amount> PriceAmount(const QString& text)
{
    return Amount::FromDouble(Val(QString(text).remove(u'$')));
}

// To two decimals: times 100, the nearest whole number (ties to even), ÷ 100.
std::optional<Amount> ToCents(double value)
{
    return Amount::FromDouble(std::nearbyint(value * 100.0) / 100.0);
}

// Commissions from 100 up would divide by zero or give negative prices.
bool CommissionUsable(std::int16_t commission) { return commission < 100; }

std::optional<Amount> ToStep(std::optional<Amount> amount, float rounding)
{
    if (amount && rounding > 0) return RoundToStep(*amount, rounding);
    return amount;
}

}  // namespace

std::optional<PricePair> ComputeSalePrice(const QString& costText, std::int16_t commission, float rounding)
{
    if (!CommissionUsable(commission)) return std::nullopt;
    const std::optional<Amount> cost = PriceAmount(costText);
    if (!cost) return std::nullopt;
    std::optional<Amount> sale = cost;
    if (commission >= 1) {
        const std::int16_t share = std::int16_t(100 - commission);
        sale = ToStep(ToCents(cost->ToDouble() / share * 100), rounding);
        if (!sale) return std::nullopt;
    }
    return PricePair{cost->Format(), sale->Format()};
}

std::optional<PricePair> ComputeCostPrice(const QString& saleText, std::int16_t commission, float rounding)
{
    if (!CommissionUsable(commission)) return std::nullopt;
    const std::optional<Amount> sale = PriceAmount(saleText);
    if (!sale) return std::nullopt;
    std::optional<Amount> cost = sale;
    if (commission >= 1) {
        const std::optional<Amount> product = sale->Times(std::int16_t(100 - commission));
        if (!product) return std::nullopt;
        cost = ToStep(ToCents(product->ToDouble() / 100), rounding);
        if (!cost) return std::nullopt;
    }
    return PricePair{cost->Format(), sale->Format()};
}

Amount RoundToStep(Amount amount, float rounding)
{
    const double step = rounding;
    const double steps = std::nearbyint(amount.ToDouble() / step);  // ties to even
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!(steps >= -limit && steps < limit)) return amount;
    const std::int64_t count = std::int64_t(steps);
    return Amount::FromDouble(double(count) * step).value_or(amount);
}

}  // namespace mqt
