// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Connection.h"

#include "store/Engine.h"
#include "store/StoreError.h"

namespace mqt {

Connection Connection::Open(const QString& path, bool create)
{
    return Connection(OpenSqlite(path, create ? FileAccess::Create : FileAccess::ReadWrite));
}

Connection Connection::OpenReadOnly(const QString& path) { return Connection(OpenSqlite(path, FileAccess::ReadOnly)); }

Connection Connection::OpenServer(const QString& uri) { return Connection(OpenPostgres(uri)); }

Connection::Connection() = default;
Connection::Connection(std::unique_ptr<ConnectionEngine> engine) : engine_(std::move(engine)) {}
Connection::Connection(Connection&& other) noexcept = default;
Connection& Connection::operator=(Connection&& other) noexcept = default;
Connection::~Connection() = default;

ConnectionEngine& Connection::Engine() const
{
    if (!engine_) throw StoreError(QStringLiteral("The database is not open"));
    return *engine_;
}

QString Connection::Describe() const { return engine_ ? engine_->Describe() : QString(); }
std::shared_ptr<const ShopBackend> Connection::Backend() const { return Engine().Backend(); }
void Connection::Close() { engine_.reset(); }

void Connection::Execute(const QString& sql)
{
    Statement statement(*this, sql);
    while (statement.Step()) {
    }
}

QString Connection::LastError() const
{
    return engine_ ? engine_->LastError() : QStringLiteral("The database is not open");
}

int Connection::Changes() const { return Engine().Changes(); }
int Connection::UserVersion() const { return Engine().UserVersion(); }
void Connection::SetUserVersion(int version) { Engine().SetUserVersion(version); }

Statement::Statement(const Connection& connection, const QString& sql) : engine_(connection.Engine().Prepare(sql)) {}
Statement::~Statement() = default;
void Statement::Bind(int index, const QVariant& value) { engine_->Bind(index, value); }
bool Statement::Step() { return engine_->Step(); }
void Statement::Reset() { engine_->Reset(); }
int Statement::ColumnCount() const { return engine_->ColumnCount(); }
QString Statement::ColumnName(int column) const { return engine_->ColumnName(column); }
QVariant Statement::Column(int column) const { return engine_->Column(column); }
std::int64_t Statement::ColumnInt64(int column) const { return engine_->ColumnInt64(column); }
std::optional<std::string_view> Statement::ColumnUtf8(int column) const { return engine_->ColumnUtf8(column); }

Transaction::Transaction(Connection& connection, Isolation isolation) : connection_(connection)
{
    connection_.Engine().Begin(isolation);
    open_ = true;
}

Transaction::~Transaction()
{
    // A connection closed meanwhile has rolled back on its own.
    if (open_ && connection_.IsOpen()) connection_.Engine().Rollback();
}

void Transaction::Commit()
{
    connection_.Engine().Commit();
    open_ = false;
}

}  // namespace mqt
