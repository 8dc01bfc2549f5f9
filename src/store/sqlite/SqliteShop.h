// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopBackend.h"

namespace mqt {

// A shop kept in one SQLite file, which one program at a time writes: its
// copies are page-by-page copies checked with PRAGMA integrity_check, its
// numbering a counter and the sale table's sequence.
class SqliteShop final : public ShopBackend {
public:
    explicit SqliteShop(QString path) : path_(std::move(path)) {}

    SqlTarget Dialect() const override { return SqlTarget::Sqlite; }
    QString StartUpFindings(const Connection& connection) const override;

    const char* CopySuffix() const override;
    QString BackupName() const override;
    QString WriteCopy(const Connection& connection, CommandRunner& commands, const QString& target) const override;
    CopyCheck CheckOfCopies(CommandRunner& commands) const override;
    bool ChecksCopiesAtOnce() const override { return false; }
    QString WriteBackup(const Connection& connection, CommandRunner& commands, const QString& folder,
                        const FileCopier& copyFile) const override;
    RestoreOutcome Restore(CommandRunner& commands, const QString& copy, const FileCopier& copyFile) const override;

    QStringList OtherTills(const Connection&) const override { return {}; }
    // The transaction's write lock already keeps every other program out.
    void HoldTillLock(Connection&, TillLock) const override {}

    void CreateShopTables(Connection& connection) const override;
    // The migration's transaction holds the file's write lock.
    void BeginMigration(Connection&) const override {}
    void ApplyStep(const MigrationStep& step, Connection& connection) const override;

    ShopNumbering ReadNumbering(const Connection& connection) const override;
    void ContinueNumbering(Connection& connection, const ShopNumbering& numbering) const override;

    // A transaction on the file locks out every writer.
    void ReadAsOneSnapshot(Connection&) const override {}
    bool HidesRowIds() const override { return true; }

private:
    QString path_;
};

}  // namespace mqt
