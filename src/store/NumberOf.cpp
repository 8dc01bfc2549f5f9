// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NumberOf.h"

#include "store/Connection.h"

namespace mqt {

std::int64_t NumberOf(const Connection& connection, const QString& sql, const QVariantList& values)
{
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    return statement.Step() ? statement.ColumnInt64(0) : 0;
}

}  // namespace mqt
