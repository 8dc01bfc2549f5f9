// mqt-createdb FILE: creates an empty shop database with its three tables.
// An existing file is never overwritten.

#include "store/Schema.h"
#include "store/Sqlite.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    const QString path = arguments[1];
    if (QFileInfo::exists(path)) {
        err << "mqt-createdb: " << path << " already exists; it is left as it is\n";
        return 1;
    }
    try {
        mqt::Connection connection = mqt::Connection::Open(path, true);
        mqt::CreateSchema(connection);
    } catch (const mqt::StoreError& error) {
        QFile::remove(path);
        err << "mqt-createdb: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
