// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-sampleshop FILE [CONSIGNORS ITEMS]: creates a shop database filled with
// made-up consignors and items (default 1,000 and 100,000). An existing file
// is never overwritten.

#include "SampleShop.h"
#include "ToolArguments.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    mqt::ToolArguments arguments(
        QStringLiteral("Creates a shop database filled with made-up consignors and items, 1,000 and 100,000 unless "
                       "told otherwise. An existing file is never overwritten."));
    arguments.parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The shop file to create."));
    arguments.parser.addPositionalArgument(QStringLiteral("CONSIGNORS"), QStringLiteral("How many consignors."),
                                           QStringLiteral("[CONSIGNORS"));
    arguments.parser.addPositionalArgument(QStringLiteral("ITEMS"), QStringLiteral("How many items, given with them."),
                                           QStringLiteral("ITEMS]"));
    if (const std::optional<int> status = arguments.Read(QCoreApplication::arguments(), 1, 3)) return *status;
    const QStringList given = arguments.parser.positionalArguments();
    if (given.size() == 2) return arguments.Refuse(QStringLiteral("Give both CONSIGNORS and ITEMS, or neither."));
    const QString path = given[0];
    int consignors = 1000;
    int items = 100000;
    if (given.size() == 3) {
        bool consignorsRead = false;
        bool itemsRead = false;
        consignors = given[1].toInt(&consignorsRead);
        items = given[2].toInt(&itemsRead);
        if (!consignorsRead || !itemsRead || consignors < 0 || items < 0)
            return arguments.Refuse(QStringLiteral("CONSIGNORS and ITEMS are counts, such as 1000 and 100000."));
    }
    if (path.isEmpty()) return arguments.Refuse(QStringLiteral("The FILE's name is empty."));
    if (QFileInfo::exists(path)) {
        err << "mqt-sampleshop: " << path << " already exists; it is left as it is\n";
        return 1;
    }
    try {
        mqt::Connection connection = mqt::CreateSampleShop(path, consignors, items);
    } catch (const mqt::StoreError& error) {
        QFile::remove(path);
        err << "mqt-sampleshop: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
