// SPDX-License-Identifier: GPL-3.0-or-later
#include "item/ItemQueries.h"

#include "common/SortsAfterBlank.h"
#include "common/SqlQuote.h"
#include "common/TrimBlanks.h"

namespace mqt {

namespace {

QString Quoted(const QString& text) { return u'\'' + SqlQuote(text) + u'\''; }

QString Names(const QString& lastName, const QString& firstName)
{
    return QStringLiteral("lastname = ") + Quoted(lastName) + QStringLiteral(" and firstname = ") + Quoted(firstName);
}

}  // namespace

QString LookUpConsignor(const QString& lastPrefix, const QString& firstPrefix)
{
    QString sql = QStringLiteral("select lastname, firstname from consignor where lastname like '") +
                  SqlQuote(lastPrefix) + QStringLiteral("*'");
    if (SortsAfterBlank(firstPrefix))
        sql += QStringLiteral(" and firstname like '") + SqlQuote(firstPrefix) + QStringLiteral("*'");
    return sql;
}

QString ListItems(const QString& lastName, const QString& firstName)
{
    return QStringLiteral("select * from  item where lastname = ") + Quoted(lastName) +
           QStringLiteral(" and firstname =") + Quoted(firstName) + QStringLiteral(" order by itemdesc asc");
}

BoundStatement SelectItem(const QString& lastName, const QString& firstName, const QString& itemDesc)
{
    return {QStringLiteral("select * from item where ") + Names(lastName, firstName) +
                QStringLiteral(" and itemdesc = ?"),
            {itemDesc}};
}

BoundStatement FindDuplicateItem(const QString& lastName, const QString& firstName, const QString& typedDesc)
{
    return {QStringLiteral("select * from  item where ") + Names(lastName, firstName) +
                QStringLiteral(" and itemdesc = ?"),
            {TrimBlanks(typedDesc).toString()}};
}

BoundStatement FindItemDesc(const QString& lastName, const QString& firstName, const QString& typedDesc)
{
    return {QStringLiteral("select itemdesc from item where ") + Names(lastName, firstName) +
                QStringLiteral(" and itemdesc = ?"),
            {TrimBlanks(typedDesc).toString()}};
}

QString FindConsignor(const QString& lastName, const QString& firstName)
{
    return QStringLiteral("select lastname, firstname from consignor where ") + Names(lastName, firstName);
}

}  // namespace mqt
