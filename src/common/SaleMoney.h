// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace mqt {

// Money at the counter is held in whole cents; the tax rate in thousandths of
// a percent (8.875% is 8875), so every sum and the tax are exact.
using Cents = std::int64_t;

// The largest tax rate the shop can set: 30%.
inline constexpr int TaxRateLimit = 30000;
// Shown when a typed tax rate cannot be stored.
inline constexpr char TaxRateRangeMessage[] = "Sales tax must be a percent from 0 to 30, with at most three decimals";

// "12.34", "-0.50": at least one integer digit, two decimals, no separators.
QString FormatCents(Cents cents);
// A stored price in cents, rounded as the money format rounds it (halves away
// from zero on its decimal form); a null price is 0.
Cents CentsOfPrice(double price);

// An amount typed at the counter: blanks and "$" are taken out, then digits
// with at most one decimal point and two decimals, below 100,000,000. Empty
// for anything else, a minus sign included.
std::optional<Cents> ReadCents(const QString& text);
// What ReadCents takes, for a message refusing what it does not.
inline constexpr char AmountFormText[] = "an amount has at most two decimals and is below 100000000.00";

// A tax rate typed as a percent: blanks and one trailing "%" are taken out,
// then digits with at most three decimals, from 0 to 30. Empty text is 0.
// Empty for anything else.
std::optional<int> ReadTaxRate(const QString& text);
// "8.875", "7.5", "0": the percent with no trailing zeros.
QString FormatTaxRate(int thousandths);
// The rate as the params row stores it, a percent (8.875), and back; a
// stored percent is taken to the nearest thousandth.
double TaxRatePercent(int thousandths);
int TaxRateOfPercent(double percent);
// The tax on an amount at the rate, to the cent, halves away from zero.
Cents TaxOn(Cents amount, int rateThousandths);

// The tax given back, as a positive amount, when one line of a sale comes
// back: the sale's tax was `saleTax` at the rate, and lines of `returnedBefore`
// in all came back before. The refunds of a sale never add up to more than
// its tax, and once its last line is back they have given back exactly that
// tax: the last line takes what is left.
Cents RefundTax(Cents saleTax, int rateThousandths, Cents returnedBefore, Cents linePrice, bool lastLine);

enum class PayKind { Cash, Card, Check, Other };
inline constexpr int PayKindCount = 4;
QString PayKindName(PayKind kind);
// The kind of a stored name; Other for a name that is none of them.
PayKind PayKindOf(const QString& name);

struct Payment {
    PayKind kind;
    Cents amount;
};

// The sums of a sale: the tax is worked out once on the subtotal. The change
// is what the payments give beyond the total; only cash gives change, so a
// sale is covered when the payments reach the total and the change is no
// more than the cash taken.
struct SaleSums {
    Cents subtotal = 0;
    Cents tax = 0;
    Cents total = 0;
    Cents paid = 0;
    Cents cash = 0;
    Cents change = 0;
    bool covered = false;
};
SaleSums SumSale(const std::vector<Cents>& linePrices, int rateThousandths, const std::vector<Payment>& payments);

// A payment beyond this many times what is still due is refused: it is a
// number scanned or typed into the wrong box, not money.
inline constexpr int PaymentDueLimit = 100;

// Why a payment cannot be added to a sale with these sums, or empty when it
// can: nothing is due, the amount is 0, a payment other than cash would go
// beyond what is still due (it cannot give change), or the amount is more
// than PaymentDueLimit times what is due.
QString PaymentRefusal(const SaleSums& sums, const Payment& payment);

}  // namespace mqt
