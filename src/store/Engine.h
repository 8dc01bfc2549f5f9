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
    virtual bool IsServer() const = 0;
    virtual QString Describe() const = 0;
    virtual sqlite3* Handle() const { return nullptr; }
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

// Opens an SQLite file (Connection::Open and OpenReadOnly).
std::unique_ptr<ConnectionEngine> OpenSqlite(const QString& path, int flags);
// Connects to a PostgreSQL server (Connection::OpenServer).
std::unique_ptr<ConnectionEngine> OpenPostgres(const QString& uri);

}  // namespace mqt
