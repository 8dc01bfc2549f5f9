// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace mqt {

class ConnectionEngine;
class ShopBackend;
class StatementEngine;

// How far a transaction is kept apart from the other tills' at the same time.
enum class Isolation {
    // Every statement sees what others committed before it began.
    Default,
    // The transaction runs as if no other till ran beside it; when that cannot
    // be kept up, it fails with SerializationFailure and can be run again.
    Serializable,
};

// An open connection to the shop's database: the shop file, or a PostgreSQL
// database on the shop's server. Statements are written once
// for both: plain SQL with "?" marks for the values. Closed when the object
// goes.
class Connection {
public:
    // Opens an existing file for reading and writing; never creates one.
    // With create set, a new file is made (the database tool only).
    static Connection Open(const QString& path, bool create = false);
    // Opens an existing file for reading only, to check it.
    static Connection OpenReadOnly(const QString& path);
    // Connects to a server database by its libpq URI. Throws StoreError with
    // the server's reason and the URI without its password.
    static Connection OpenServer(const QString& uri);

    Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    bool IsOpen() const { return engine_ != nullptr; }
    // The file's path, or the server URI without its password.
    QString Describe() const;
    // What differs between a shop file and a server shop, for this
    // connection's shop; it stays usable after the connection is closed.
    std::shared_ptr<const ShopBackend> Backend() const;
    void Close();

    // Runs one statement that returns no rows.
    void Execute(const QString& sql);
    // The engine's text for its last failure.
    QString LastError() const;
    // Rows that the last insert, update or delete changed.
    int Changes() const;
    // The schema version the database is at (0 for a file never migrated).
    int UserVersion() const;
    void SetUserVersion(int version);

    ConnectionEngine& Engine() const;

private:
    explicit Connection(std::unique_ptr<ConnectionEngine> engine);
    std::unique_ptr<ConnectionEngine> engine_;
};

// One prepared statement; released when the object goes.
class Statement {
public:
    // Prepares exactly one statement: text after it is refused.
    Statement(const Connection& connection, const QString& sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    void Bind(int index, const QVariant& value);  // 1-based
    // Steps once: true while a row is available.
    bool Step();
    // Makes the statement ready to run again, keeping its bound values.
    void Reset();
    int ColumnCount() const;
    QString ColumnName(int column) const;
    // The column of the current row as null, qint64, double or QString.
    QVariant Column(int column) const;
    std::int64_t ColumnInt64(int column) const;
    // The column's UTF-8 text when it holds a text, else empty; valid until
    // the next step.
    std::optional<std::string_view> ColumnUtf8(int column) const;

private:
    std::unique_ptr<StatementEngine> engine_;
};

// A transaction that rolls back unless committed. On a file it holds the
// file's write lock from its start, so it is serializable whatever is asked.
class Transaction {
public:
    explicit Transaction(Connection& connection, Isolation isolation = Isolation::Default);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void Commit();

private:
    Connection& connection_;
    bool open_ = false;
};

}  // namespace mqt
