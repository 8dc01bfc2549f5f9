// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-createdb FILE: creates an empty shop database with its three tables.
// An existing file is never overwritten.

#include "store/NewDatabase.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: mqt-createdb FILE\n";
        return 2;
    }
    try {
        mqt::CreateDatabaseFile(arguments[1]);
    } catch (const mqt::StoreError& error) {
        err << "mqt-createdb: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
