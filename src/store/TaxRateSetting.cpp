// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TaxRateSetting.h"

#include "store/Sqlite.h"

#include <cmath>

namespace mqt {

int ReadTaxRateSetting(const Connection& connection)
{
    Statement statement(connection, QStringLiteral("SELECT TaxRate FROM params ORDER BY rowid LIMIT 1"));
    if (!statement.Step()) return 0;
    const QVariant percent = statement.Column(0);
    return percent.isNull() ? 0 : int(std::lround(percent.toDouble() * 1000));
}

void WriteTaxRateSetting(const Connection& connection, int thousandths)
{
    Statement statement(connection,
                        QStringLiteral("UPDATE params SET TaxRate = ? WHERE rowid = (SELECT min(rowid) FROM params)"));
    statement.Bind(1, thousandths / 1000.0);
    statement.Step();
}

}  // namespace mqt
