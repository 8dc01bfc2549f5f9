// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MoneySum.h"

namespace mqt {

void MoneySum::Add(std::optional<Amount> amount)
{
    if (!amount || __builtin_add_overflow(units_, amount->Units(), &units_)) tooLarge_ = true;
}

void MoneySum::Add(const MoneySum& other) { Add(other.Value()); }

void MoneySum::Subtract(const MoneySum& other)
{
    if (other.tooLarge_ || __builtin_sub_overflow(units_, other.units_, &units_)) tooLarge_ = true;
}

std::optional<Amount> MoneySum::Value() const
{
    if (tooLarge_) return std::nullopt;
    return Amount::FromUnits(units_);
}

QString MoneySum::Format() const
{
    if (tooLarge_) return QLatin1String(TooLargeText);
    return Amount::FromUnits(units_).Format();
}

}  // namespace mqt
