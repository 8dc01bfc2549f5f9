// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mqt {

class Connection;

// How the program reads and writes a field.
enum class FieldKind { Text, Integer, Real, Boolean, Date };

struct FieldDefinition {
    QString name;
    FieldKind kind;
    // The schema version whose migration step adds the field; 0 for the
    // fields of the first version.
    int since = 0;
};

struct TableDefinition {
    QString name;
    std::vector<FieldDefinition> fields;
    // The fields of its index "<name>_names", on which names are looked up
    // without regard to case; empty when it has none.
    QStringList namesIndex;

    // The field of that name, compared without regard to case; null when none.
    const FieldDefinition* Find(const QString& fieldName) const;
};

// The row version that each row of the three tables below carries beside
// its fields: the engine raises it by one on every update of the row (the
// first number an item is given aside). It is no field of the shop's: a
// select of every field leaves it out.
inline const QString RowVersionField = QStringLiteral("RowVersion");

// The three tables of the database file: params, consignor and item.
const std::vector<TableDefinition>& Tables();
// The table of that name, compared without regard to case; null when none.
const TableDefinition* FindTable(const QString& tableName);

// The tables a shop's database holds, in an order that respects their
// references (a sale before its lines).
const QStringList& ShopTableNames();

// Whether the schema's migration steps add the field to the first tables; a
// new file gets it from those steps, as an old one does, and a file of an
// older version may lack it.
bool AddedByMigration(const FieldDefinition& field);

// The fields of a table that a shop of that schema version holds.
QStringList FieldNamesAt(const TableDefinition& table, int schemaVersion);

// Creates the three tables and their lookup indexes in an empty database
// file, as the first version of the shop had them.
void CreateSchema(Connection& connection);
// The same, inside the caller's transaction.
void CreateFirstTables(Connection& connection);

}  // namespace mqt
