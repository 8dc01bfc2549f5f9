// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-createdb FILE: creates an empty shop database file with its tables.
// mqt-createdb --server URI: creates the shop's tables in an empty database
// on a PostgreSQL server. An existing file or shop is never overwritten.

#include "store/Connection.h"
#include "store/NewDatabase.h"
#include "store/ServerSchema.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    const bool server = arguments.size() == 3 && arguments[1] == u"--server";
    if (arguments.size() != 2 && !server) {
        err << "usage: mqt-createdb FILE\n       mqt-createdb --server URI\n";
        return 2;
    }
    try {
        if (server) {
            mqt::Connection connection = mqt::Connection::OpenServer(arguments[2]);
            mqt::CreateServerSchema(connection);
        } else {
            mqt::CreateDatabaseFile(arguments[1]);
        }
    } catch (const mqt::StoreError& error) {
        err << "mqt-createdb: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
