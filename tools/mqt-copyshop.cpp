// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-copyshop FROM TO: copies a whole shop from a shop file to a server
// database or back; FROM and TO are each a file's path or a postgresql:// URI.
// The target must be a new file or a database that holds no shop. The copy is
// compared with the original row for row before it is reported done.

#include "store/CopyShop.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: mqt-copyshop FROM TO\n"
               "  FROM, TO: a shop file (Marquill.mqt) or a server database (postgresql://shop@till1/marquill)\n";
        return 2;
    }
    try {
        const std::vector<mqt::CopiedTable> tables =
            mqt::CopyShop(arguments[1], arguments[2], [&err](const QString& line) { err << line << Qt::endl; });
        out << "The shop was copied and checked row for row:";
        for (const mqt::CopiedTable& table : tables) out << ' ' << table.name << ' ' << table.rows << " rows;";
        out << " done.\n";
    } catch (const mqt::StoreError& error) {
        err << "mqt-copyshop: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
