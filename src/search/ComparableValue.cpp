// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/ComparableValue.h"

#include "common/CodePointOrder.h"
#include "common/DateText.h"
#include "common/Val.h"

namespace mqt {

namespace {

qint64 MomentOf(const QString& text, const QDate& today)
{
    constexpr qint64 msPerDay = 24 * 60 * 60 * 1000;
    const std::optional<DateValue> value = ReadDate(text, today);
    if (!value) return QDate(1900, 1, 1).toJulianDay() * msPerDay;
    const qint64 time = value->time ? value->time->msecsSinceStartOfDay() : 0;
    return value->date.toJulianDay() * msPerDay + time;
}

template <typename T>
int Order(const T& left, const T& right)
{
    return left < right ? -1 : right < left ? 1 : 0;
}

}  // namespace

ComparableValue::ComparableValue(QChar type, const QString& text, const QDate& today)
{
    if (type == u'N') {
        kind_ = Kind::Number;
        if (!text.isEmpty()) number_ = Val(text);
    } else if (type == u'D') {
        kind_ = Kind::Date;
        moment_ = MomentOf(text, today);
    } else {
        kind_ = Kind::Text;
        text_ = text.toLower();
    }
}

int ComparableValue::CompareTo(const ComparableValue& other) const
{
    switch (kind_) {
    case Kind::Number:
        if (!number_ || !other.number_) return int(!number_) - int(!other.number_);
        return Order(*number_, *other.number_);
    case Kind::Date:
        return Order(moment_, other.moment_);
    case Kind::Text:
        break;
    }
    return CompareCodePoints(text_, other.text_);
}

}  // namespace mqt
