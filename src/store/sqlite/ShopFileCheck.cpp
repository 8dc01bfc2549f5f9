// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlite/ShopFileCheck.h"

#include "store/sqlite/IntegrityCheck.h"
#include "store/Migration.h"
#include "store/Schema.h"
#include "store/Connection.h"
#include "store/StoreError.h"

#include <QStringList>

namespace mqt {

namespace {

// The first table or field of the shop's that the file lacks; empty when it
// has them all. Tables and fields of its own beyond them do no harm, and the
// fields that migration adds may be missing: a file of an older version is
// brought up to date when the program opens it.
QString MissingTableOrField(const Connection& connection)
{
    for (const TableDefinition& table : Tables()) {
        Statement info(connection, QStringLiteral("PRAGMA table_info(%1)").arg(table.name));
        QStringList fields;
        while (info.Step()) fields << info.Column(1).toString();
        if (fields.isEmpty()) return QStringLiteral("It has no table %1").arg(table.name);
        for (const FieldDefinition& field : table.fields)
            if (!AddedByMigration(field) && !fields.contains(field.name, Qt::CaseInsensitive))
                return QStringLiteral("Its table %1 has no field %2").arg(table.name, field.name);
    }
    return {};
}

}  // namespace

QString ShopFileFindings(const QString& path)
{
    try {
        const Connection connection = Connection::OpenReadOnly(path);
        RefuseNewerSchema(connection);
        const QString missing = MissingTableOrField(connection);
        if (!missing.isEmpty()) return missing;
    } catch (const StoreError& error) {
        return error.Message();
    }
    return IntegrityCheckFindings(path);
}

}  // namespace mqt
