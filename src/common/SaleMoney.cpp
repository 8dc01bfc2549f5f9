// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SaleMoney.h"

#include "common/Amount.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace mqt {

namespace {

constexpr Cents CentsLimit = Cents(100'000'000) * 100;

// The digits of a decimal text with at most `decimals` decimals, as a whole
// count of 10^-decimals; empty when the text is anything else.
std::optional<std::int64_t> ReadFixed(const QString& text, int decimals)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QString whole = match.captured(1);
    QString fraction = match.captured(2);
    if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
    if (fraction.size() > decimals || whole.size() > 12) return std::nullopt;
    fraction = fraction.leftJustified(decimals, u'0');
    return (whole + fraction).toLongLong();
}

Cents Divide(__int128 numerator, __int128 denominator)
{
    const __int128 magnitude = (numerator < 0 ? -numerator : numerator) + denominator / 2;
    const __int128 quotient = magnitude / denominator;
    return Cents(numerator < 0 ? -quotient : quotient);
}

constexpr std::array<const char*, PayKindCount> PayKindNames = {"Cash", "Card", "Check", "Other"};

}  // namespace

QString FormatCents(Cents cents)
{
    const Cents magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(int(magnitude % 100), 2, 10, QLatin1Char('0'));
}

Cents CentsOfPrice(double price)
{
    const std::optional<Amount> amount = Amount::FromDouble(price);
    return amount ? Divide(amount->Units(), Amount::Scale / 100) : 0;
}

std::optional<Cents> ReadCents(const QString& text)
{
    QString plain = text;
    plain.remove(u'$').remove(u' ');
    const std::optional<std::int64_t> cents = ReadFixed(plain, 2);
    if (!cents || *cents >= CentsLimit) return std::nullopt;
    return *cents;
}

std::optional<int> ReadTaxRate(const QString& text)
{
    QString plain = text;
    plain.remove(u' ');
    if (plain.endsWith(u'%')) plain.chop(1);
    if (plain.isEmpty()) return 0;
    const std::optional<std::int64_t> rate = ReadFixed(plain, 3);
    if (!rate || *rate > TaxRateLimit) return std::nullopt;
    return int(*rate);
}

QString FormatTaxRate(int thousandths)
{
    QString text = QStringLiteral("%1.%2").arg(thousandths / 1000).arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

double TaxRatePercent(int thousandths) { return thousandths / 1000.0; }

int TaxRateOfPercent(double percent) { return int(std::lround(percent * 1000)); }

Cents TaxOn(Cents amount, int rateThousandths)
{
    // amount × rate% = amount × thousandths ÷ 100,000.
    return Divide(__int128(amount) * rateThousandths, 100'000);
}

Cents RefundTax(Cents saleTax, int rateThousandths, Cents returnedBefore, Cents linePrice, bool lastLine)
{
    const auto givenBack = [&](Cents returned) { return std::min(TaxOn(returned, rateThousandths), saleTax); };
    const Cents before = givenBack(returnedBefore);
    return (lastLine ? saleTax : givenBack(returnedBefore + linePrice)) - before;
}

QString PayKindName(PayKind kind) { return QLatin1String(PayKindNames[std::size_t(kind)]); }

PayKind PayKindOf(const QString& name)
{
    for (int k = 0; k < PayKindCount; ++k)
        if (name == QLatin1String(PayKindNames[std::size_t(k)])) return PayKind(k);
    return PayKind::Other;
}

SaleSums SumSale(const std::vector<Cents>& linePrices, int rateThousandths, const std::vector<Payment>& payments)
{
    SaleSums sums;
    for (Cents price : linePrices) sums.subtotal += price;
    sums.tax = TaxOn(sums.subtotal, rateThousandths);
    sums.total = sums.subtotal + sums.tax;
    for (const Payment& payment : payments) {
        sums.paid += payment.amount;
        if (payment.kind == PayKind::Cash) sums.cash += payment.amount;
    }
    sums.change = sums.paid > sums.total ? sums.paid - sums.total : 0;
    sums.covered = !linePrices.empty() && sums.paid >= sums.total && sums.change <= sums.cash;
    return sums;
}

QString PaymentRefusal(const SaleSums& sums, const Payment& payment)
{
    const Cents due = sums.total - sums.paid;
    if (due <= 0) return QStringLiteral("Nothing is due on this sale");
    if (payment.amount <= 0) return QStringLiteral("A payment must be more than 0.00");
    if (payment.kind != PayKind::Cash && payment.amount > due)
        return QStringLiteral("Only cash gives change: a %1 payment can be at most the %2 still due")
            .arg(PayKindName(payment.kind).toLower(), FormatCents(due));
    if (payment.amount > due * PaymentDueLimit)
        return QStringLiteral("%1 is more than %2 times the %3 still due: at most %4 can be taken")
            .arg(FormatCents(payment.amount))
            .arg(PaymentDueLimit)
            .arg(FormatCents(due), FormatCents(due * PaymentDueLimit));
    return {};
}

}  // namespace mqt
