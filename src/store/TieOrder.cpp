// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TieOrder.h"

#include "store/Schema.h"

namespace mqt {

namespace {

bool SameField(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool IsOrderColumn(const std::vector<OrderTerm>& order, const QString& field)
{
    for (const OrderTerm& term : order)
        if (SameField(term.column, field)) return true;
    return false;
}

// A field's value as the file's index compares it: a text with only A to Z
// folded, in code point order (the server database's own order).
QString FileIndexValue(const TableDefinition& table, const QString& field)
{
    const FieldDefinition* definition = table.Find(field);
    if (definition && definition->kind != FieldKind::Text) return field;
    return QStringLiteral("translate(%1, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz')").arg(field);
}

}  // namespace

QStringList ServerTieTerms(const QString& table, const std::vector<OrderTerm>& order,
                           const QStringList& equalColumns)
{
    const TableDefinition* definition = FindTable(table);
    const QStringList index = definition ? definition->namesIndex : QStringList();
    qsizetype fixed = 0;
    while (fixed < index.size() && equalColumns.contains(index[fixed], Qt::CaseInsensitive)) ++fixed;
    const bool indexSorts = !order.empty() && fixed < index.size() && SameField(order.front().column, index[fixed]);
    if (!indexSorts && fixed == 0) return {QStringLiteral("rowid")};

    const bool backwards = indexSorts && order.front().descending;
    const QString direction = backwards ? QStringLiteral(" DESC NULLS LAST") : QStringLiteral(" NULLS FIRST");
    QStringList terms;
    // A field the statement sorts by is equal in tied rows.
    for (const QString& field : index)
        if (!IsOrderColumn(order, field)) terms << FileIndexValue(*definition, field) + direction;
    terms << (backwards ? QStringLiteral("rowid DESC") : QStringLiteral("rowid"));
    return terms;
}

}  // namespace mqt
