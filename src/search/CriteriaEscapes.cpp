// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/CriteriaEscapes.h"

namespace mqt {

namespace {

QString Escaped(QChar ch) { return u'%' + QString::number(ch.unicode(), 16).rightJustified(2, u'0').toUpper(); }

int HexDigit(QChar ch)
{
    if (ch >= u'0' && ch <= u'9') return ch.unicode() - u'0';
    if (ch >= u'a' && ch <= u'f') return ch.unicode() - u'a' + 10;
    if (ch >= u'A' && ch <= u'F') return ch.unicode() - u'A' + 10;
    return -1;
}

}  // namespace

QString EscapePercentSigns(const QString& value)
{
    QString result = value;
    return result.replace(u'%', Escaped(u'%'));
}

QString ExactCriteriaValue(const QString& value)
{
    QString result;
    for (const QChar ch : value)
        result += QStringView(u"%\"~`").contains(ch) ? Escaped(ch) : QString(ch);
    if (result.compare(QStringLiteral("NULL"), Qt::CaseInsensitive) == 0) result = Escaped(result[0]) + result.mid(1);
    if (result.contains(u',')) result = u'"' + result + u'"';
    return result;
}

QString UnescapeCriteriaValue(const QString& value)
{
    if (!value.contains(u'%')) return value;
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'%' && i + 2 < value.size() && HexDigit(value[i + 1]) >= 0 && HexDigit(value[i + 2]) >= 0) {
            result += QChar(char16_t(HexDigit(value[i + 1]) * 16 + HexDigit(value[i + 2])));
            i += 2;
        } else {
            result += value[i];
        }
    }
    return result;
}

}  // namespace mqt
