// SPDX-License-Identifier: GPL-3.0-or-later
#include "consignor/ConsignorQueries.h"

#include "common/SortsAfterBlank.h"
#include "common/SqlQuote.h"

namespace mqt {

namespace {

// "<head>'<last>' and firstname <equals>'<first>'"
QString ByNames(const QString& head, const QString& lastName, const QString& equals, const QString& firstName)
{
    return head + SqlQuote(lastName) + QStringLiteral("' and firstname ") + equals + u'\'' + SqlQuote(firstName) +
           u'\'';
}

}  // namespace

QString SearchConsignors(const QString& lastPrefix, const QString& firstPrefix)
{
    QString query =
        QStringLiteral("select * from  consignor where lastname like '") + SqlQuote(lastPrefix) + QStringLiteral("*' ");
    if (SortsAfterBlank(firstPrefix))
        query += QStringLiteral("and firstname like '") + SqlQuote(firstPrefix) + QStringLiteral("*'");
    return query + QStringLiteral(" order by lastname asc");
}

QString SelectConsignor(const QString& lastName, const QString& firstName)
{
    return ByNames(QStringLiteral("select * from  consignor where lastname = '"), lastName, QStringLiteral("= "),
                   firstName);
}

QString FindDuplicateForAdd(const QString& lastName, const QString& firstName)
{
    return ByNames(QStringLiteral("select * from consignor where Lastname = '"), lastName, QStringLiteral("= "),
                   firstName);
}

QString FindDuplicateForChange(const QString& lastName, const QString& firstName)
{
    return ByNames(QStringLiteral("select lastname, firstname from consignor where Lastname = '"), lastName,
                   QStringLiteral("= "), firstName);
}

QString SelectItemsToRename(const QString& lastName, const QString& firstName)
{
    return ByNames(QStringLiteral("select * from  item where lastname = '"), lastName, QStringLiteral("= "), firstName);
}

QString SelectItemsToDelete(const QString& lastName, const QString& firstName)
{
    return ByNames(QStringLiteral("select lastname, firstname from  item where lastname = '"), lastName,
                   QStringLiteral("="), firstName);
}

}  // namespace mqt
