// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ExpandToday.h"

#include "common/DateText.h"
#include "common/Val.h"

#include <optional>

namespace mqt {

QString ExpandToday(const QString& text, const QDate& today)
{
    constexpr QStringView keyword = u"today";
    if (!text.startsWith(keyword, Qt::CaseInsensitive)) return text;
    const std::optional<std::int16_t> days = RoundToInt16(Val(text.mid(keyword.size())));
    if (!days) return text;
    const QDate date = today.addDays(*days);
    if (!date.isValid()) return text;
    return FormatDateMmDdYy(date);
}

}  // namespace mqt
