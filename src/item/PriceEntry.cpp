// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/PriceEntry.h"

#include <QRegularExpression>

namespace mqt {

PriceEntry ReadPriceEntry(const QString& text)
{
    QString plain = text;
    plain.remove(u' ');
    if (plain.isEmpty()) return {true, std::nullopt};
    plain.remove(u'$');
    static const QRegularExpression amount(QStringLiteral("^(-?)(\\d*)(?:\\.(\\d{0,2}))?$"));
    const QRegularExpressionMatch match = amount.match(plain);
    if (!match.hasMatch() || match.capturedLength(2) + match.capturedLength(3) == 0) return {};
    QString whole = match.captured(2);
    while (whole.startsWith(u'0')) whole.remove(0, 1);
    if (whole.size() > 8) return {};  // 100,000,000 or more
    const std::int64_t cents = whole.toLongLong() * 100 + match.captured(3).leftJustified(2, u'0').toLongLong();
    const std::int64_t units = cents * (Amount::Scale / 100);
    return {true, Amount::FromUnits(match.captured(1).isEmpty() ? units : -units)};
}

}  // namespace mqt
