// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopBackend.h"

namespace mqt {

// A shop on a PostgreSQL server that several tills share: its copies are
// dumps made with pg_dump and checked with pg_restore --list, its numbering
// the server's sequences, and work that one till at a time may do is kept
// apart with advisory locks.
class PostgresShop final : public ShopBackend {
public:
    explicit PostgresShop(QString uri) : uri_(std::move(uri)) {}

    SqlTarget Dialect() const override { return SqlTarget::Postgres; }
    // The server looks after its own pages.
    QString StartUpFindings(const Connection&) const override { return {}; }

    const char* CopySuffix() const override;
    QString BackupName() const override;
    QString WriteCopy(const Connection& connection, CommandRunner& commands, const QString& target) const override;
    CopyCheck CheckOfCopies(CommandRunner& commands) const override;
    bool ChecksCopiesAtOnce() const override { return true; }
    QString WriteBackup(const Connection& connection, CommandRunner& commands, const QString& folder,
                        const FileCopier& copyFile) const override;
    RestoreOutcome Restore(CommandRunner& commands, const QString& copy, const FileCopier& copyFile) const override;

    QStringList OtherTills(const Connection& connection) const override;
    void HoldTillLock(Connection& connection, TillLock lock) const override;

    void CreateShopTables(Connection& connection) const override;
    void BeginMigration(Connection& connection) const override;
    void ApplyStep(const MigrationStep& step, Connection& connection) const override;

    ShopNumbering ReadNumbering(const Connection& connection) const override;
    void ContinueNumbering(Connection& connection, const ShopNumbering& numbering) const override;

    void ReadAsOneSnapshot(Connection& connection) const override;
    bool HidesRowIds() const override { return false; }

private:
    QString uri_;
};

}  // namespace mqt
