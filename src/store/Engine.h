// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

namespace mqt {

// What a database engine does for Connection and Statement; one for the
// SQLite file, one for a PostgreSQL server.
class StatementEngine {
public:
    virtual ~StatementEngine() = default;
    virtual void Bind(int index, const QVariant& value) = 0;
    virtual bool Step() = 0;
    virtual void Reset() = 0;
    virtual int ColumnCount() const = 0;
    virtual QString ColumnName(int column) const = 0;
    virtual QVariant Column(int column) const = 0;
    virtual std::int64_t ColumnInt64(int column) const = 0;
    virtual std::optional<std::string_view> ColumnUtf8(int column) const = 0;
};

class ConnectionEngine {
public:
    virtual ~ConnectionEngine() = default;
    virtual QString Describe() const = 0;
    // What differs between a shop file and a server shop.
    virtual std::shared_ptr<const ShopBackend> Backend() const = 0;
    virtual std::unique_ptr<StatementEngine> Prepare(const QString& sql) = 0;
    virtual QString LastError() const = 0;
    virtual int Changes() const = 0;
    // The transaction of Transaction. Rollback never throws: a transaction
    // whose connection is gone has already ended on the server.
    virtual void Begin(Isolation isolation) = 0;
    virtual void Commit() = 0;
    virtual void Rollback() noexcept = 0;
    virtual int UserVersion() = 0;
    virtual void SetUserVersion(int version) = 0;
};

enum class FileAccess { ReadWrite, Create, ReadOnly };

// Opens an SQLite file (Connection::Open and OpenReadOnly); a file opened
// for writing that can only be read is refused.
std::unique_ptr<ConnectionEngine> OpenSqlite(const QString& path, FileAccess access);
// Connects to a PostgreSQL server (Connection::OpenServer).
std::unique_ptr<ConnectionEngine> OpenPostgres(const QString& uri);

// Open a shop for the program (Database): the connection, made ready for
// the shop and shown to hold a shop this program can read and write. Each
// throws StoreError with the reason when it cannot be opened.
Connection OpenShopFile(const QString& path);
Connection OpenServerShop(const QString& uri);

}  // namespace mqt
