// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Sqlite.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

namespace mqt::test {

// The bytes of a file; empty when it cannot be read.
QByteArray FileContents(const QString& path);

// A program folder in a temporary directory holding a new, empty
// "Marquill.mqt", with plain SQL access for setting up and checking data
// behind the program's back.
class TempShop {
public:
    explicit TempShop(bool createDatabase = true);

    QString Folder() const { return dir_.path(); }
    QString DatabasePath() const { return dir_.path() + QStringLiteral("/Marquill.mqt"); }

    // Runs one statement with bound values on a connection of its own.
    void Exec(const QString& sql, const QVariantList& values = {}) const;
    // The first column of every row of a query, as text ("NULL" for null).
    QStringList Column(const QString& sql, const QVariantList& values = {}) const;
    // The single value of a query.
    QVariant Value(const QString& sql, const QVariantList& values = {}) const;

    void AddConsignor(const QString& last, const QString& first, const QString& notes = {}) const;
    void AddItem(const QString& last, const QString& first, const QString& desc,
                 const QVariantList& more = {}) const;

    // Adds `count` items of one consignor in one statement, enough to fill
    // several pages of the item table.
    void AddManyItems(int count) const;
    // Overwrites bytes in the middle of the fullest table page of the file,
    // as a failing disk would.
    void DamageATablePage() const;

private:
    QTemporaryDir dir_;
};

}  // namespace mqt::test
