// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShopIdentity.h"

#include "store/Connection.h"

namespace mqt {

QStringList ShopIdentity::AddressLines() const
{
    QStringList lines;
    for (const QString& line : address.split(u'\n'))
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    return lines;
}

ShopIdentity ReadShopIdentity(const Connection& connection)
{
    Statement read(connection, QStringLiteral("SELECT ShopName, ShopAddress FROM params LIMIT 1"));
    if (!read.Step()) return {};
    return {read.Column(0).toString().trimmed(), read.Column(1).toString().trimmed()};
}

}  // namespace mqt
