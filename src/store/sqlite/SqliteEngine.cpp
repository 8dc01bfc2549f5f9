// SPDX-License-Identifier: GPL-3.0-or-later
// The SQLite engine: the shop's database as one file.
#include "store/sqlite/SqliteConnection.h"

#include "store/StoreError.h"
#include "store/sqlite/SqliteShop.h"

#include <utility>

namespace mqt {

namespace {

class SqliteStatement final : public StatementEngine {
public:
    SqliteStatement(const SqliteConnection& connection, const QString& sql);
    ~SqliteStatement() override { sqlite3_finalize(handle_); }

    void Bind(int index, const QVariant& value) override;
    bool Step() override;
    void Reset() override { sqlite3_reset(handle_); }
    int ColumnCount() const override { return sqlite3_column_count(handle_); }
    QString ColumnName(int column) const override
    {
        return QString::fromUtf8(sqlite3_column_name(handle_, column));
    }
    QVariant Column(int column) const override;
    std::int64_t ColumnInt64(int column) const override { return sqlite3_column_int64(handle_, column); }
    std::optional<std::string_view> ColumnUtf8(int column) const override;

private:
    const SqliteConnection& connection_;
    sqlite3_stmt* handle_ = nullptr;
};

SqliteStatement::SqliteStatement(const SqliteConnection& connection, const QString& sql) : connection_(connection)
{
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

void SqliteStatement::Bind(int index, const QVariant& value)
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

bool SqliteStatement::Step()
{
    const int rc = sqlite3_step(handle_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw StoreError(connection_.LastError());
}

QVariant SqliteStatement::Column(int column) const
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

std::optional<std::string_view> SqliteStatement::ColumnUtf8(int column) const
{
    if (sqlite3_column_type(handle_, column) != SQLITE_TEXT) return std::nullopt;
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_, column));
    return std::string_view(text, std::size_t(sqlite3_column_bytes(handle_, column)));
}

}  // namespace

SqliteConnection::SqliteConnection(sqlite3* handle, const QString& path)
    : handle_(handle), path_(path), backend_(std::make_shared<SqliteShop>(path))
{
}

std::unique_ptr<StatementEngine> SqliteConnection::Prepare(const QString& sql)
{
    return std::make_unique<SqliteStatement>(*this, sql);
}

void SqliteConnection::Run(const QString& sql)
{
    SqliteStatement statement(*this, sql);
    statement.Step();
}

void SqliteConnection::Rollback() noexcept
{
    try {
        Run(QStringLiteral("ROLLBACK"));
    } catch (const StoreError&) {
        // The engine may already have rolled back on its own.
    }
}

int SqliteConnection::UserVersion()
{
    SqliteStatement statement(*this, QStringLiteral("PRAGMA user_version"));
    return statement.Step() ? int(statement.ColumnInt64(0)) : 0;
}

void SqliteConnection::SetUserVersion(int version) { Run(QStringLiteral("PRAGMA user_version = %1").arg(version)); }

sqlite3* SqliteHandle(const Connection& connection)
{
    const auto* file = dynamic_cast<const SqliteConnection*>(&connection.Engine());
    if (!file) throw StoreError(QStringLiteral("Only a shop file can be copied page by page"));
    return file->Handle();
}

std::unique_ptr<ConnectionEngine> OpenSqlite(const QString& path, FileAccess access)
{
    const int flags = access == FileAccess::ReadOnly ? SQLITE_OPEN_READONLY
                      : access == FileAccess::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                     : SQLITE_OPEN_READWRITE;
    sqlite3* handle = nullptr;
    const QByteArray file = path.toUtf8();
    // One thread uses a connection: no locking around every call.
    const int rc = sqlite3_open_v2(file.constData(), &handle, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    auto connection = std::make_unique<SqliteConnection>(handle, path);  // closes the handle on every way out
    if (rc != SQLITE_OK) {
        const QString reason = handle ? QString::fromUtf8(sqlite3_errmsg(handle))
                                      : QString::fromUtf8(sqlite3_errstr(rc));
        throw StoreError(QStringLiteral("Cannot open the database %1: %2").arg(path, reason));
    }
    sqlite3_busy_timeout(handle, 5000);
    sqlite3_extended_result_codes(handle, 1);
    if (access != FileAccess::ReadOnly && sqlite3_db_readonly(handle, "main") == 1)
        throw StoreError(QStringLiteral("Cannot open the database %1: the file is read-only").arg(path));
    RegisterDialectFunctions(handle);
    return connection;
}

}  // namespace mqt
