// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Sqlite.h"

#include "store/StoreError.h"

#include <sqlite3.h>

#include <utility>

namespace mqt {

Connection Connection::Open(const QString& path, bool create)
{
    Connection connection = OpenWith(path, SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0));
    if (sqlite3_db_readonly(connection.handle_, "main") == 1)
        throw StoreError(QStringLiteral("Cannot open the database %1: the file is read-only").arg(path));
    return connection;
}

Connection Connection::OpenReadOnly(const QString& path) { return OpenWith(path, SQLITE_OPEN_READONLY); }

Connection Connection::OpenWith(const QString& path, int flags)
{
    sqlite3* handle = nullptr;
    const QByteArray file = path.toUtf8();
    // One thread uses a connection: no locking around every call.
    const int rc = sqlite3_open_v2(file.constData(), &handle, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection connection(handle);  // closes the handle on every way out
    if (rc != SQLITE_OK) {
        const QString reason = handle ? QString::fromUtf8(sqlite3_errmsg(handle))
                                      : QString::fromUtf8(sqlite3_errstr(rc));
        throw StoreError(QStringLiteral("Cannot open the database %1: %2").arg(path, reason));
    }
    sqlite3_busy_timeout(handle, 5000);
    sqlite3_extended_result_codes(handle, 1);
    return connection;
}

Connection::Connection(Connection&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Connection& Connection::operator=(Connection&& other) noexcept
{
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

Connection::~Connection() { Close(); }

void Connection::Close()
{
    if (handle_) sqlite3_close_v2(std::exchange(handle_, nullptr));
}

void Connection::Execute(const QString& sql)
{
    Statement statement(*this, sql);
    while (statement.Step()) {
    }
}

QString Connection::LastError() const
{
    return handle_ ? QString::fromUtf8(sqlite3_errmsg(handle_)) : QStringLiteral("The database is not open");
}

int Connection::Changes() const { return sqlite3_changes(handle_); }

std::int64_t Connection::LastInsertRowId() const { return sqlite3_last_insert_rowid(handle_); }

Statement::Statement(const Connection& connection, const QString& sql) : connection_(connection)
{
    if (!connection.IsOpen()) throw StoreError(QStringLiteral("The database is not open"));
    const QByteArray text = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), text.constData(), int(text.size()), &handle_, &tail) != SQLITE_OK)
        throw StoreError(connection.LastError());
    if (!handle_) throw StoreError(QStringLiteral("The statement is empty"));
    const QByteArray rest = QByteArray(tail).trimmed();
    if (!rest.isEmpty()) {
        sqlite3_finalize(std::exchange(handle_, nullptr));
        throw StoreError(QStringLiteral("Only one statement can run at a time"));
    }
}

Statement::~Statement() { sqlite3_finalize(handle_); }

void Statement::Bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(handle_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(handle_, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(handle_, index, value.toDouble());
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(handle_, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK) throw StoreError(connection_.LastError());
}

bool Statement::Step()
{
    const int rc = sqlite3_step(handle_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw StoreError(connection_.LastError());
}

void Statement::Reset() { sqlite3_reset(handle_); }

int Statement::ColumnCount() const { return sqlite3_column_count(handle_); }

QString Statement::ColumnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(handle_, column));
}

QVariant Statement::Column(int column) const
{
    switch (sqlite3_column_type(handle_, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(handle_, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(handle_, column));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(handle_, column)));
    }
    }
}

std::int64_t Statement::ColumnInt64(int column) const { return sqlite3_column_int64(handle_, column); }

std::optional<std::string_view> Statement::ColumnUtf8(int column) const
{
    if (sqlite3_column_type(handle_, column) != SQLITE_TEXT) return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
    return std::string_view(text, std::size_t(sqlite3_column_bytes(handle_, column)));
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    open_ = true;
}

Transaction::~Transaction()
{
    if (!open_) return;
    try {
        connection_.Execute(QStringLiteral("ROLLBACK"));
    } catch (const StoreError&) {
        // The engine may already have rolled back on its own.
    }
}

void Transaction::Commit()
{
    connection_.Execute(QStringLiteral("COMMIT"));
    open_ = false;
}

}  // namespace mqt
