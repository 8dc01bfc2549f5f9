// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SqlQuote.h"

#include "common/TrimBlanks.h"

namespace mqt {

QString SqlQuote(const QString& value)
{
    const QString result = TrimBlanks(value).toString();
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
