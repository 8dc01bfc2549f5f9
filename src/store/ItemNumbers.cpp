// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ItemNumbers.h"

#include "store/Connection.h"

namespace mqt {

std::optional<NumberedItem> FindItemNumber(const Connection& connection, std::int64_t itemNo)
{
    Statement find(connection, QStringLiteral("SELECT LastName, FirstName, ItemDesc FROM item WHERE ItemNo = ?"));
    find.Bind(1, QVariant(qint64(itemNo)));
    if (!find.Step()) return std::nullopt;
    return NumberedItem{itemNo, find.Column(0).toString(), find.Column(1).toString(), find.Column(2).toString()};
}

std::optional<std::int64_t> ReadItemNumber(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 18) return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    return digits.toLongLong();
}

}  // namespace mqt
