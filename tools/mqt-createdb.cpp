// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-createdb FILE: creates an empty shop database file with its tables.
// mqt-createdb --server URI: creates the shop's tables in an empty database
// on a PostgreSQL server. An existing file or shop is never overwritten.

#include "ToolArguments.h"
#include "store/Connection.h"
#include "store/NewDatabase.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    mqt::ToolArguments arguments(QStringLiteral(
        "Creates an empty shop database: the file FILE, or with --server the shop's tables in an empty database on "
        "a PostgreSQL server. An existing file or shop is never overwritten."));
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("The server's database, such as postgresql://shop@till1/marquill."),
                                    QStringLiteral("URI"));
    arguments.parser.addOption(server);
    arguments.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The shop file to create."),
                                           QStringLiteral("FILE | --server URI"));
    if (const std::optional<int> status = arguments.Read(QCoreApplication::arguments(), 0, 1)) return *status;
    const bool onServer = arguments.parser.isSet(server);
    const QStringList files = arguments.parser.positionalArguments();
    if (onServer && !files.isEmpty()) return arguments.Refuse(QStringLiteral("Give a FILE or --server URI, not both."));
    if (!onServer && files.isEmpty()) return arguments.Refuse(QStringLiteral("Give a FILE or --server URI."));
    if (onServer && arguments.parser.value(server).isEmpty())
        return arguments.Refuse(QStringLiteral("--server needs the database's URI."));
    if (!onServer && files[0].isEmpty()) return arguments.Refuse(QStringLiteral("The FILE's name is empty."));

    try {
        if (onServer) {
            mqt::Connection connection = mqt::Connection::OpenServer(arguments.parser.value(server));
            mqt::CreateShop(connection);
        } else {
            mqt::CreateDatabaseFile(files[0]);
        }
    } catch (const mqt::StoreError& error) {
        QTextStream(stderr) << "mqt-createdb: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
