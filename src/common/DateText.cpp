// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DateText.h"

#include <QRegularExpression>
#include <array>
#include <cstdio>

namespace mqt {

namespace {

// 1-based month of an English month name or its abbreviation, 0 when none.
int MonthFromName(const QString& name)
{
    static const std::array<QString, 12> names = {
        QStringLiteral("january"), QStringLiteral("february"), QStringLiteral("march"),
        QStringLiteral("april"), QStringLiteral("may"), QStringLiteral("june"),
        QStringLiteral("july"), QStringLiteral("august"), QStringLiteral("september"),
        QStringLiteral("october"), QStringLiteral("november"), QStringLiteral("december")};
    const QString lower = name.toLower();
    if (lower.size() < 3) return 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (lower == names[i] || lower == names[i].left(3)) return int(i) + 1;
    }
    if (lower == u"sept") return 9;
    return 0;
}

// Year from its typed digits: two digits (or one) are the year ending in them
// that lies within today's year - 80 to today's year + 19, so a date written
// "mm/dd/yy" reads back in its own century; four are taken as they are; three
// digits are refused. 0 means no valid year.
int YearFromDigits(const QString& digits, const QDate& today)
{
    const int value = digits.toInt();
    if (digits.size() <= 2) {
        const int first = today.year() - 80;
        const int firstCentury = first - first % 100;
        const int year = firstCentury + value;
        return year < first ? year + 100 : year;
    }
    if (digits.size() == 4 && value >= 100) return value;
    return 0;
}

std::optional<QTime> ReadTime(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})(?::(\\d{2}))?(?::(\\d{2}))?\\s*([ap]m)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const bool hasMinutes = match.capturedLength(2) > 0;
    const QString meridiem = match.captured(4).toLower();
    if (!hasMinutes && meridiem.isEmpty()) return std::nullopt;  // a bare number is no time
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).toInt();
    if (!meridiem.isEmpty()) {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (meridiem == u"pm" ? 12 : 0);
    }
    const QTime time(hour, minute, second);
    if (!time.isValid()) return std::nullopt;
    return time;
}

std::optional<QDate> ReadDayPart(const QString& text, const QDate& today)
{
    using RE = QRegularExpression;
    static const RE numericMdy(QStringLiteral("^(\\d{1,2})([/-])(\\d{1,2})\\2(\\d{1,4})$"));
    static const RE numericYmd(QStringLiteral("^(\\d{4})([/-])(\\d{1,2})\\2(\\d{1,2})$"));
    static const RE numericMd(QStringLiteral("^(\\d{1,2})[/-](\\d{1,2})$"));
    static const RE nameFirst(QStringLiteral("^([a-z]+)\\.?\\s+(\\d{1,2})(?:(?:,\\s*|\\s+)(\\d{1,4}))?$"),
                              RE::CaseInsensitiveOption);
    static const RE dayFirst(QStringLiteral("^(\\d{1,2})(?:-|\\s+)([a-z]+)\\.?(?:(?:-|,?\\s+)(\\d{1,4}))?$"),
                             RE::CaseInsensitiveOption);

    int year = 0, month = 0, day = 0;
    QRegularExpressionMatch m;
    if ((m = numericYmd.match(text)).hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(3).toInt();
        day = m.captured(4).toInt();
        if (year < 100) return std::nullopt;
    } else if ((m = numericMdy.match(text)).hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(3).toInt();
        year = YearFromDigits(m.captured(4), today);
    } else if ((m = numericMd.match(text)).hasMatch()) {
        month = m.captured(1).toInt();
        day = m.captured(2).toInt();
        year = today.year();
    } else if ((m = nameFirst.match(text)).hasMatch()) {
        month = MonthFromName(m.captured(1));
        day = m.captured(2).toInt();
        year = m.capturedLength(3) ? YearFromDigits(m.captured(3), today) : today.year();
    } else if ((m = dayFirst.match(text)).hasMatch()) {
        day = m.captured(1).toInt();
        month = MonthFromName(m.captured(2));
        year = m.capturedLength(3) ? YearFromDigits(m.captured(3), today) : today.year();
    } else {
        return std::nullopt;
    }
    if (year == 0 || month < 1 || month > 12) return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace

std::optional<DateValue> ReadDate(const QString& text, const QDate& today)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 64) return std::nullopt;
    if (const auto date = ReadDayPart(trimmed, today)) return DateValue{*date, std::nullopt};

    // A time of day may follow the date, after at least one blank.
    static const QRegularExpression split(
        QStringLiteral("^(.*\\S)\\s+(\\d{1,2}(?::\\d{2}){0,2}\\s*(?:[ap]m)?)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = split.match(trimmed);
    if (!match.hasMatch()) return std::nullopt;
    const auto date = ReadDayPart(match.captured(1), today);
    const auto time = ReadTime(match.captured(2));
    if (!date || !time) return std::nullopt;
    return DateValue{*date, *time};
}

bool IsDate(const QString& text, const QDate& today) { return ReadDate(text, today).has_value(); }

QString FormatDateMmDdYy(const QDate& date) { return date.toString(QStringLiteral("MM/dd/yy")); }

QString FormatDateMmDdYyyy(const QDate& date) { return date.toString(QStringLiteral("MM/dd/yyyy")); }

QString FormatShortDate(const QDate& date)
{
    // Built by hand: a report formats hundreds of thousands of dates, and
    // QDate::toString parses its pattern every time.
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) return date.toString(QStringLiteral("M/d/yyyy"));
    char text[12];
    const int length = std::snprintf(text, sizeof text, "%d/%d/%04d", date.month(), date.day(), date.year());
    return QString::fromLatin1(text, length);
}

QString FormatShortDate(const DateValue& value)
{
    if (!value.time) return FormatShortDate(value.date);
    return FormatShortDate(value.date) + u' ' + value.time->toString(QStringLiteral("HH:mm:ss"));
}

QDate AddMonths(const QDate& date, int months) { return date.addMonths(months); }

}  // namespace mqt
