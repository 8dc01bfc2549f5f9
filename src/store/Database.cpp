#include "store/Database.h"

#include "store/SqlDialect.h"

namespace mqt {

void Database::Open(const QString& path)
{
    Connection connection = Connection::Open(path);
    RegisterDialectFunctions(connection);
    connection.Execute(QStringLiteral("PRAGMA mmap_size = 268435456"));
    connection_ = std::move(connection);
    path_ = path;
}

void Database::Close() { connection_.Close(); }

}  // namespace mqt
