// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FieldValue.h"

#include "common/DateText.h"
#include "common/Val.h"
#include "store/StoreError.h"

#include <QRegularExpression>
#include <cmath>

namespace mqt {

namespace {

bool IsText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QChar ||
           value.typeId() == QMetaType::QByteArray;
}

bool IsNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

[[noreturn]] void Refuse(const FieldDefinition& field, const QVariant& value, const char* what)
{
    throw StoreError(QStringLiteral("Cannot store \"%1\" in the field %2: it is not %3")
                         .arg(value.toString(), field.name, QLatin1String(what)));
}

// A text that is wholly a number: optional sign, digits with at most one point.
std::optional<double> NumberFromText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch()) return std::nullopt;
    return Val(trimmed);
}

std::optional<double> AsNumber(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? 1.0 : 0.0;
    if (IsNumber(value)) return value.toDouble();
    if (IsText(value)) return NumberFromText(value.toString());
    return std::nullopt;
}

// A stored date, "YYYY-MM-DD" (a time of day may follow): read by hand,
// as every date of every listed item passes through here. `Text` is a
// QString or the UTF-8 bytes.
int Code(QChar ch) { return ch.unicode(); }
int Code(char ch) { return static_cast<unsigned char>(ch); }

template <typename Text>
QDate DateFromIso(const Text& text)
{
    if (text.size() < 10 || Code(text[4]) != '-' || Code(text[7]) != '-') return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8};
    const int lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            const int ch = Code(text[i]);
            if (ch < '0' || ch > '9') return {};
            parts[p] = parts[p] * 10 + (ch - '0');
        }
    return QDate(parts[0], parts[1], parts[2]);
}

}  // namespace

QVariant FromStorage(const FieldDefinition* field, const QVariant& stored)
{
    if (!field || stored.isNull()) return stored;
    switch (field->kind) {
    case FieldKind::Boolean:
        return QVariant(stored.toLongLong() != 0);
    case FieldKind::Date: {
        const QDate date = DateFromIso(stored.toString());
        return date.isValid() ? QVariant(date) : stored;
    }
    case FieldKind::Integer:
    case FieldKind::Real:
    case FieldKind::Text:
        break;
    }
    return stored;
}

QVariant FromStoredText(const FieldDefinition* field, std::string_view utf8)
{
    if (field && field->kind == FieldKind::Date) {
        const QDate date = DateFromIso(utf8);
        if (date.isValid()) return QVariant(date);
    }
    const QVariant stored(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    return field && field->kind == FieldKind::Date ? stored : FromStorage(field, stored);
}

QVariant ToStorage(const FieldDefinition& field, const QVariant& value, const QDate& today)
{
    if (value.isNull()) return {};
    switch (field.kind) {
    case FieldKind::Text:
        if (value.typeId() == QMetaType::QDate) return FormatShortDate(value.toDate());
        if (value.typeId() == QMetaType::Bool) return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        return value.toString();
    case FieldKind::Integer: {
        const std::optional<double> number = AsNumber(value);
        if (!number) Refuse(field, value, "a number");
        const double rounded = std::nearbyint(*number);  // ties to even
        if (!(std::abs(rounded) < 9.2e18)) Refuse(field, value, "a number that fits");
        return QVariant(qint64(rounded));
    }
    case FieldKind::Real: {
        const std::optional<double> number = AsNumber(value);
        if (!number || !std::isfinite(*number)) Refuse(field, value, "a number");
        return QVariant(*number);
    }
    case FieldKind::Boolean: {
        if (IsText(value)) {
            const QString text = value.toString().trimmed().toLower();
            if (text == u"true" || text == u"yes") return QVariant(qint64(1));
            if (text == u"false" || text == u"no") return QVariant(qint64(0));
        }
        const std::optional<double> number = AsNumber(value);
        if (!number) Refuse(field, value, "true or false");
        return QVariant(qint64(*number != 0.0 ? 1 : 0));
    }
    case FieldKind::Date: {
        QDate date;
        if (value.typeId() == QMetaType::QDate) date = value.toDate();
        else if (value.typeId() == QMetaType::QDateTime) date = value.toDateTime().date();
        else if (IsText(value)) {
            if (const auto read = ReadDate(value.toString(), today)) date = read->date;
        }
        if (!date.isValid()) Refuse(field, value, "a date");
        return QVariant(date.toString(Qt::ISODate));
    }
    }
    return value;
}

}  // namespace mqt
