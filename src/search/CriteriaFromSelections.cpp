// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/CriteriaFromSelections.h"

#include "common/CodePointOrder.h"
#include "common/TrimBlanks.h"
#include "search/CriteriaEscapes.h"
#include "search/ComparableValue.h"

namespace mqt {

namespace {

// Whether the typed upper bound of a range lies below its lower bound: text
// bounds compare as typed by code point, numbers and dates as the terms built
// from them will compare.
bool BelowLowerBound(QChar type, const QString& high, const QString& low, const QDate& today)
{
    if (type == u'A') return CompareCodePoints(high, low) < 0;
    return ComparableValue(type, high, today).CompareTo(ComparableValue(type, low, today)) < 0;
}

QString Term(int column, const char* op, const QString& value)
{
    return u',' + QString::number(column) + u'.' + QLatin1StringView(op) + u'.' + CriteriaValue(value);
}

}  // namespace

QString CriteriaValue(const QString& value)
{
    QString result = EscapePercentSigns(value);
    result.remove(u'"');
    if (result.contains(u',')) result = u'"' + result + u'"';
    return result;
}

QString CriteriaFromSelections(const QStringList& selections, const ItemColumnTable& columns, const QDate& today)
{
    QString criteria;
    for (int c = 1; c <= columns.ReportColumnCount && c <= selections.size(); ++c) {
        QString s = TrimBlanks(selections[c - 1]).toString();
        if (s.isEmpty()) continue;
        const QChar type = columns.ColumnTypes[std::size_t(c)];
        if (type == u'A' && !QStringView(u"<>=").contains(s[0]) && !s.contains(u'-'))
            s = s + u'-' + s + LargestCharacter();

        const qsizetype dash = s.indexOf(u'-');
        if (dash >= 0) {
            const QString low = s.left(dash);
            QString high = s.mid(dash + 1);
            if (BelowLowerBound(type, high, low, today)) high = low;
            criteria += Term(c, "NL", low) + Term(c, "NG", high);
        } else if (s[0] == u'<') {
            criteria += Term(c, "LT", s.mid(1));
        } else if (s[0] == u'=') {
            criteria += Term(c, "EQ", s.mid(1));
        } else if (s[0] == u'>') {
            criteria += Term(c, "GT", s.mid(1));
        } else {
            criteria += Term(c, "EQ", s);
        }
    }
    return criteria;
}

}  // namespace mqt
