// SPDX-License-Identifier: GPL-3.0-or-later
// mqt-sampleshop FILE [CONSIGNORS ITEMS]: creates a shop database filled with
// made-up consignors and items (default 1,000 and 100,000). An existing file
// is never overwritten.

#include "SampleShop.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 4) {
        err << "usage: mqt-sampleshop FILE [CONSIGNORS ITEMS]\n";
        return 2;
    }
    const QString path = arguments[1];
    const int consignors = arguments.size() == 4 ? arguments[2].toInt() : 1000;
    const int items = arguments.size() == 4 ? arguments[3].toInt() : 100000;
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
