// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/ShopNumbering.h"
#include "store/SqlDialect.h"
#include "store/TillLock.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace mqt {

class CommandRunner;
class Connection;
struct MigrationStep;

// Copies one file onto another through the shop's own copy command; why the
// copy is not a full one, empty when it is.
using FileCopier = std::function<QString(const QString& from, const QString& to)>;

// The full check of a copy of the shop: what keeps it from being a sound
// copy, empty when it is one. It depends on nothing but the copy, so it may
// run on a thread of its own.
using CopyCheck = std::function<QString(const QString& copy)>;

// How a restore ended: why it failed (empty when it did not), and whether
// the shop is still as it was, so that it may be opened again.
struct RestoreOutcome {
    QString fault;
    bool shopUntouched = false;
};

// Everything in which a shop file and a server shop differ. Every open
// connection has the one of its engine (Connection::Backend), and nothing
// outside the engines asks which one it is.
class ShopBackend {
public:
    virtual ~ShopBackend() = default;

    // The statements' dialect.
    virtual SqlTarget Dialect() const = 0;

    // What the start-up check finds wrong with the open shop (the file's
    // quick check of its pages; the server keeps its own); empty when it is
    // sound.
    virtual QString StartUpFindings(const Connection& connection) const = 0;

    // Copies: a page-by-page copy of the file, or the server's dump.
    // The file suffix of a copy, without its dot.
    virtual const char* CopySuffix() const = 0;
    // The name of the backup copy in the backup folder.
    virtual QString BackupName() const = 0;
    // Writes a copy of the open shop into `target` (missing, or an empty file
    // made for it); why it could not, empty when it did.
    virtual QString WriteCopy(const Connection& connection, CommandRunner& commands, const QString& target) const = 0;
    virtual CopyCheck CheckOfCopies(CommandRunner& commands) const = 0;
    // Whether that check takes a moment only (a dump's list of tables), or
    // reads the whole copy (a file's pages).
    virtual bool ChecksCopiesAtOnce() const = 0;
    // Writes the backup copy into `folder`, replacing the last one only once
    // the new one has passed its check; why there is none, empty when there is.
    virtual QString WriteBackup(const Connection& connection, CommandRunner& commands, const QString& folder,
                                const FileCopier& copyFile) const = 0;
    // Replaces the shop by the copy `copy`. The shop's connections must be
    // closed first.
    virtual RestoreOutcome Restore(CommandRunner& commands, const QString& copy, const FileCopier& copyFile) const = 0;

    // The computers from which other tills are connected to the shop: none
    // for a file, which one program at a time writes.
    virtual QStringList OtherTills(const Connection& connection) const = 0;
    // Inside a transaction: holds `lock` until the transaction ends.
    virtual void HoldTillLock(Connection& connection, TillLock lock) const = 0;

    // Inside the caller's transaction: creates the shop's tables, at the
    // current schema version, in an empty database.
    virtual void CreateShopTables(Connection& connection) const = 0;
    // Inside the migration's transaction, before any step: keeps other
    // programs from migrating at the same time.
    virtual void BeginMigration(Connection& connection) const = 0;
    virtual void ApplyStep(const MigrationStep& step, Connection& connection) const = 0;

    // The numbering of the shop, and its moving on (see ShopNumbering.h).
    virtual ShopNumbering ReadNumbering(const Connection& connection) const = 0;
    virtual void ContinueNumbering(Connection& connection, const ShopNumbering& numbering) const = 0;

    // Copying a whole shop: a source connection of its own made to read one
    // consistent state, and whether its tables' row ids are kept out of a
    // select of every field.
    virtual void ReadAsOneSnapshot(Connection& connection) const = 0;
    virtual bool HidesRowIds() const = 0;
};

}  // namespace mqt
