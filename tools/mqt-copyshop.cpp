// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-copyshop FROM TO: copies a whole shop from a shop file to a server
// database or back; FROM and TO are each a file's path or a postgresql:// URI.
// The target must be a new file or a database that holds no shop. The copy is
// compared with the original row for row before it is reported done.

#include "ToolArguments.h"
#include "store/CopyShop.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    mqt::ToolArguments arguments(QStringLiteral(
        "Copies a whole shop from a shop file to a server database or back, and checks the copy row for row. The "
        "target must be a new file or a database that holds no shop."));
    arguments.parser.addPositionalArgument(QStringLiteral("FROM"),
                                           QStringLiteral("A shop file (Marquill.mqt) or a server database "
                                                          "(postgresql://shop@till1/marquill)."));
    arguments.parser.addPositionalArgument(QStringLiteral("TO"), QStringLiteral("A shop file or a server database."));
    if (const std::optional<int> status = arguments.Read(QCoreApplication::arguments(), 2, 2)) return *status;
    const QStringList ends = arguments.parser.positionalArguments();
    try {
        const std::vector<mqt::CopiedTable> tables =
            mqt::CopyShop(ends[0], ends[1], [&err](const QString& line) { err << line << Qt::endl; });
        out << "The shop was copied and checked row for row:";
        for (const mqt::CopiedTable& table : tables) out << ' ' << table.name << ' ' << table.rows << " rows;";
        out << " done.\n";
    } catch (const mqt::StoreError& error) {
        err << "mqt-copyshop: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
