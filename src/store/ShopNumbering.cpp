// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShopNumbering.h"

#include "store/Connection.h"

#include <QStringList>

namespace mqt {

namespace {

std::int64_t Number(const Connection& connection, const QString& sql, const QVariantList& values = {})
{
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    return statement.Step() ? statement.ColumnInt64(0) : 0;
}

// The server's sequence behind an identity column.
QString SequenceOf(const Connection& connection, const QString& table, const QString& column)
{
    Statement statement(connection, QStringLiteral("SELECT pg_get_serial_sequence(?, ?)"));
    statement.Bind(1, table);
    statement.Bind(2, column.toLower());
    return statement.Step() ? statement.Column(0).toString() : QString();
}

// The value a server sequence gives next.
std::int64_t NextOf(const Connection& connection, const QString& sequence)
{
    return Number(connection, QStringLiteral("SELECT CASE WHEN is_called THEN last_value + 1 ELSE last_value END "
                                             "FROM %1").arg(sequence));
}

// Sets a server sequence to give `next`, or one past the column's highest
// value, whichever is more.
void ContinueSequence(const Connection& connection, const QString& sequence, const QString& table,
                      const QString& column, std::int64_t next)
{
    Number(connection,
           QStringLiteral("SELECT setval(?, greatest(?, coalesce((SELECT max(%1) FROM %2), 0) + 1), false)")
               .arg(column, table),
           {sequence, qint64(next)});
}

}  // namespace

ShopNumbering ReadNumbering(const Connection& connection)
{
    if (connection.IsServer())
        return {NextOf(connection, QStringLiteral("item_numbers")),
                NextOf(connection, SequenceOf(connection, QStringLiteral("sale"), QStringLiteral("SaleNo"))) - 1};
    return {Number(connection, QStringLiteral("SELECT NextValue FROM counters WHERE Name = 'ItemNo'")),
            Number(connection, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'sale'"))};
}

void ContinueNumbering(Connection& connection, const ShopNumbering& numbering)
{
    if (connection.IsServer()) {
        ContinueSequence(connection, QStringLiteral("item_numbers"), QStringLiteral("item"), QStringLiteral("ItemNo"),
                         numbering.nextItemNo);
        ContinueSequence(connection, SequenceOf(connection, QStringLiteral("sale"), QStringLiteral("SaleNo")),
                         QStringLiteral("sale"), QStringLiteral("SaleNo"), numbering.lastSaleNo + 1);
        for (const QString& table : {QStringLiteral("params"), QStringLiteral("consignor"), QStringLiteral("item"),
                                    QStringLiteral("sale_payment")})
            ContinueSequence(connection, SequenceOf(connection, table, QStringLiteral("rowid")), table,
                             QStringLiteral("rowid"), 1);
        return;
    }
    // The file's own row ids go on from the highest; its counter and the sale
    // sequence are moved on as far as the source's were.
    Number(connection, QStringLiteral("UPDATE counters SET NextValue = max(NextValue, ?) WHERE Name = 'ItemNo'"),
           {qint64(numbering.nextItemNo)});
    Number(connection, QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = 'sale'"),
           {qint64(numbering.lastSaleNo)});
    if (connection.Changes() == 0 && numbering.lastSaleNo > 0)
        Number(connection, QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES ('sale', ?)"),
               {qint64(numbering.lastSaleNo)});
}

}  // namespace mqt
