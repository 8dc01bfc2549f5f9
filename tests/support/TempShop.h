// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Connection.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

namespace mqt::test {

// The bytes of a file; empty when it cannot be read.
QByteArray FileContents(const QString& path);

// A program folder in a temporary directory holding a new, empty shop at
// the current schema version, with plain SQL access for setting up and
// checking data behind the program's back. The shop is the file "Marquill.mqt", or in the server run of the
// tests (ServerEngineWanted) a new database on the test server that the
// folder's "Marquill.server" names; the SQL given is the same for both.
class TempShop {
public:
    explicit TempShop(bool createDatabase = true);
    // A shop file of the first schema version, as the oldest shops have,
    // for the tests of bringing a file up to date.
    struct FirstSchema {};
    explicit TempShop(FirstSchema);
    // A second till's folder on the server shop of `shop`: a temporary folder
    // of its own whose "Marquill.server" names the same database, which stays
    // `shop`'s to drop.
    struct AnotherTill {};
    TempShop(AnotherTill, const TempShop& shop);
    ~TempShop();
    TempShop(const TempShop&) = delete;
    TempShop& operator=(const TempShop&) = delete;

    bool IsServer() const { return !serverUri_.isEmpty(); }
    const QString& ServerUri() const { return serverUri_; }
    // A connection of its own to the shop's database.
    Connection Connect() const;

    QString Folder() const { return dir_.path(); }
    QString DatabasePath() const { return dir_.path() + QStringLiteral("/Marquill.mqt"); }

    // Runs one statement with bound values on a connection of its own.
    void Exec(const QString& sql, const QVariantList& values = {}) const;
    // The first column of every row of a query, as text ("NULL" for null).
    QStringList Column(const QString& sql, const QVariantList& values = {}) const;
    // Every row of a query, its columns joined by "|" ("NULL" for null). A
    // number shows as Qt writes it, so it reads the same from both engines.
    QStringList Rows(const QString& sql, const QVariantList& values = {}) const;
    // The single value of a query.
    QVariant Value(const QString& sql, const QVariantList& values = {}) const;

    void AddConsignor(const QString& last, const QString& first, const QString& notes = {}) const;
    void AddItem(const QString& last, const QString& first, const QString& desc,
                 const QVariantList& more = {}) const;

    // Makes every write to the item table that `when` describes fail with
    // `message`: `when` is "BEFORE UPDATE", "BEFORE DELETE" or "BEFORE
    // INSERT", optionally followed by " WHEN " and a condition on old. or
    // new. fields.
    void RefuseItemWrites(const QString& when, const QString& message) const;

    // Adds `count` items of one consignor in one statement, enough to fill
    // several pages of the item table.
    void AddManyItems(int count) const;
    // Overwrites bytes in the middle of the fullest table page of the file,
    // as a failing disk would.
    void DamageATablePage() const;

private:
    void WriteServerFile() const;

    QTemporaryDir dir_;
    QString serverUri_;
    bool ownsDatabase_ = true;
};

}  // namespace mqt::test
