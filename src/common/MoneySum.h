// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Amount.h"

#include <QString>
#include <optional>

namespace mqt {

// Shown in a total's cell when the sum cannot be held.
inline constexpr char TooLargeText[] = "too large";

// A sum of money that never drops a value silently: adding a value that
// cannot be held as an amount (an empty one), or a sum beyond what an amount
// holds, makes the sum too large, and it stays so.
class MoneySum {
public:
    MoneySum() = default;
    explicit MoneySum(std::optional<Amount> amount) { Add(amount); }

    void Add(std::optional<Amount> amount);
    void Add(const MoneySum& other);
    void Subtract(const MoneySum& other);

    bool TooLarge() const { return tooLarge_; }
    // The sum; empty when it is too large.
    std::optional<Amount> Value() const;
    // "#####0.00", or "too large".
    QString Format() const;

private:
    std::int64_t units_ = 0;
    bool tooLarge_ = false;
};

}  // namespace mqt
