// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

class Connection;

// The statement that makes a database fit to hold a shop: texts in UTF-8,
// sorted by code point, and letter case folded for all letters.
QString CreateDatabaseStatement(const QString& name);

// Inside the caller's transaction: creates the shop's tables, at the current
// schema version, in an empty database on a server:
//  - the file's tables and fields, each table with a "rowid" identity column
//    where the file has its hidden row id;
//  - REAL fields as double precision (the same values as the file's), dates
//    as date, integers as bigint, and the sale tables' money as bigint cents;
//  - item numbers from the sequence item_numbers and sale numbers from the
//    sale table's own, so that neither is ever given twice;
//  - mqt_fold(), the case folding that look-ups by name use.
// Refuses a database that already holds a shop, or whose text order or case
// folding would make the shop's look-ups differ from the file's.
void CreateServerSchemaInTransaction(Connection& connection);

}  // namespace mqt
