// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string_view>
#include <QVariant>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace mqt {

// An open SQLite connection; closed when the object goes.
class Connection {
public:
    // Opens an existing file for reading and writing; never creates one.
    // With create set, a new file is made (the database tool only).
    static Connection Open(const QString& path, bool create = false);
    // Opens an existing file for reading only, to check it.
    static Connection OpenReadOnly(const QString& path);

    Connection() = default;
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    bool IsOpen() const { return handle_ != nullptr; }
    sqlite3* Handle() const { return handle_; }
    void Close();

    // Runs one statement that returns no rows.
    void Execute(const QString& sql);
    // The engine's text for its last failure.
    QString LastError() const;
    // Rows that the last insert, update or delete changed.
    int Changes() const;
    // The row id that the last insert gave its row.
    std::int64_t LastInsertRowId() const;

private:
    explicit Connection(sqlite3* handle) : handle_(handle) {}
    static Connection OpenWith(const QString& path, int flags);
    sqlite3* handle_ = nullptr;
};

// One prepared statement; finalized when the object goes.
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
    const Connection& connection_;
    sqlite3_stmt* handle_ = nullptr;
};

// A transaction that rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void Commit();

private:
    Connection& connection_;
    bool open_ = false;
};

}  // namespace mqt
