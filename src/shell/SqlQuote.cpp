#include "shell/SqlQuote.h"

namespace mqt {

QString SqlQuote(const QString& value)
{
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && value[first] == u' ') ++first;
    while (last > first && value[last - 1] == u' ') --last;
    QString result = value.mid(first, last - first);
    if (!result.contains(u'\'')) return result;

    QString collapsed;
    collapsed.reserve(result.size());
    for (const QChar ch : result) {
        if (ch == u'\'' && collapsed.endsWith(u'\'')) continue;
        collapsed.append(ch);
    }
    collapsed.replace(QStringLiteral("'"), QStringLiteral("''"));
    return collapsed;
}

}  // namespace mqt
