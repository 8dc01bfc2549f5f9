// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a server shop for the program.
#include "store/Engine.h"
#include "store/Migration.h"
#include "store/StoreError.h"

namespace mqt {

Connection OpenServerShop(const QString& uri)
{
    Connection connection = Connection::OpenServer(uri);
    if (connection.UserVersion() == 0)
        throw StoreError(QStringLiteral("The database %1 holds no shop. Create one with mqt-createdb --server, "
                                        "or move a shop there with mqt-copyshop")
                             .arg(connection.Describe()));
    RefuseNewerSchema(connection);
    return connection;
}

}  // namespace mqt
