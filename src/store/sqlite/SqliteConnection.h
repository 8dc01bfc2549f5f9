// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Engine.h"

#include <sqlite3.h>

namespace mqt {

// A connection to a shop file, for the SQLite engine's own files.
class SqliteConnection final : public ConnectionEngine {
public:
    SqliteConnection(sqlite3* handle, const QString& path);
    ~SqliteConnection() override { sqlite3_close_v2(handle_); }

    QString Describe() const override { return path_; }
    std::shared_ptr<const ShopBackend> Backend() const override { return backend_; }
    std::unique_ptr<StatementEngine> Prepare(const QString& sql) override;
    QString LastError() const override { return QString::fromUtf8(sqlite3_errmsg(handle_)); }
    int Changes() const override { return sqlite3_changes(handle_); }
    // The write lock is taken at the start, so that two programs never both
    // read, then both write.
    void Begin(Isolation) override { Run(QStringLiteral("BEGIN IMMEDIATE")); }
    void Commit() override { Run(QStringLiteral("COMMIT")); }
    void Rollback() noexcept override;
    int UserVersion() override;
    void SetUserVersion(int version) override;

    sqlite3* Handle() const { return handle_; }

private:
    void Run(const QString& sql);

    sqlite3* handle_;
    QString path_;
    std::shared_ptr<const ShopBackend> backend_;
};

// The SQLite handle of a file's connection; throws StoreError for any other.
sqlite3* SqliteHandle(const Connection& connection);

// Installs like() and mqt_fold(), the dialect's text comparisons, on a
// connection.
void RegisterDialectFunctions(sqlite3* handle);

}  // namespace mqt
