// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkout/CounterLine.h"

namespace mqt {

std::optional<std::int64_t> ReadItemNo(const QString& typed)
{
    const QString digits = typed.trimmed();
    if (digits.isEmpty() || digits.size() > 18) return std::nullopt;
    for (const QChar ch : digits)
        if (ch < u'0' || ch > u'9') return std::nullopt;
    return digits.toLongLong();
}

}  // namespace mqt
