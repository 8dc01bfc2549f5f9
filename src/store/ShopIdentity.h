// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

class Connection;

// The shop's name and address, as the parameters screen stores them in the
// params row; empty while not set.
struct ShopIdentity {
    QString name;
    QString address;  // several lines

    // The address's lines as typed, without empty ones.
    QStringList AddressLines() const;
};

// Read from the first params row; empty when there is none.
ShopIdentity ReadShopIdentity(const Connection& connection);

}  // namespace mqt
