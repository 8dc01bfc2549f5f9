// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/CopyShop.h"

#include "store/Connection.h"
#include "store/Migration.h"
#include "store/ServerUri.h"
#include "store/ShopBackend.h"
#include "store/ShopNumbering.h"
#include "store/ShopRows.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace mqt {

namespace {

using Progress = std::function<void(const QString&)>;

void Tell(const Progress& progress, const QString& line)
{
    if (progress) progress(line);
}

Connection OpenSource(const QString& from)
{
    if (NamesServerDatabase(from)) return Connection::OpenServer(from);
    if (!QFileInfo(from).isFile()) throw StoreError(QStringLiteral("%1 does not exist").arg(from));
    return Connection::Open(from);
}

bool HoldsShopTables(const Connection& source)
{
    try {
        Statement(source, QStringLiteral("SELECT * FROM params LIMIT 0"));
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

// A source of another schema version would be copied wrongly or not at all;
// it is refused before anything is made.
void RefuseSourceVersion(const Connection& source)
{
    const int version = source.UserVersion();
    if (version == 0 && !HoldsShopTables(source))
        throw StoreError(QStringLiteral("The database %1 holds no shop").arg(source.Describe()));
    if (version < CurrentSchemaVersion())
        throw StoreError(QStringLiteral("%1 is a shop of an older version of Marquill: start Marquill on it once to "
                                        "bring it up to date, then copy it")
                             .arg(source.Describe()));
    if (version > CurrentSchemaVersion())
        throw StoreError(QStringLiteral("%1 was made by a newer version of Marquill").arg(source.Describe()));
}

// A field the copy does not know of would be left behind without a word.
void RefuseUnknownFields(const Connection& source, const ShopTableLayout& table)
{
    Statement all(source, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table.name));
    // The file keeps a table's row id out of sight, unless a field is it.
    const bool hiddenRowid = source.Backend()->HidesRowIds() && table.fields.first() == u"rowid";
    if (all.ColumnCount() + (hiddenRowid ? 1 : 0) != table.fields.size())
        throw StoreError(QStringLiteral("The table %1 of %2 has fields that this version of Marquill does not "
                                        "know; nothing was copied")
                             .arg(table.name, source.Describe()));
}

QString KeyText(const ShopTableLayout& table, const Row& row)
{
    QStringList parts;
    for (int k = 0; k < table.key.size(); ++k)
        parts << table.key[k] + u' ' + row[std::size_t(k)].toString();
    return parts.join(QStringLiteral(", "));
}

QString Shown(const QVariant& value)
{
    return value.isNull() ? QStringLiteral("null") : u'"' + value.toString() + u'"';
}

std::int64_t CopyTable(const Connection& source, const Connection& target, const ShopTableLayout& table,
                       const Progress& progress)
{
    // A large table says how far it has come every so many rows.
    constexpr std::int64_t RowsPerLine = 100000;
    ChunkedRows rows(source, table);
    RowWriter writer(target, table);
    std::int64_t count = 0;
    for (const std::vector<Row>* chunk = &rows.Next(); !chunk->empty(); chunk = &rows.Next()) {
        writer.Write(*chunk);
        const std::int64_t before = count;
        count += std::int64_t(chunk->size());
        if (count / RowsPerLine > before / RowsPerLine)
            Tell(progress, QStringLiteral("copying %1: %L2 rows").arg(table.name).arg(count));
    }
    return count;
}

// Reads both tables side by side in key order and throws at the first row or
// field in which the copy differs from the source.
void CompareTable(const Connection& source, const Connection& target, const ShopTableLayout& table)
{
    ChunkedRows original(source, table);
    ChunkedRows copy(target, table);
    std::int64_t done = 0;
    for (;;) {
        const std::vector<Row>& a = original.Next();
        const std::vector<Row>& b = copy.Next();
        for (std::size_t r = 0; r < std::min(a.size(), b.size()); ++r)
            for (std::size_t f = 0; f < a[r].size(); ++f)
                if (!SameValue(a[r][f], b[r][f]))
                    throw StoreError(QStringLiteral("The copy differs from the original in table %1, row %2 (%3), "
                                                    "field %4: %5 instead of %6")
                                         .arg(table.name)
                                         .arg(done + std::int64_t(r) + 1)
                                         .arg(KeyText(table, a[r]), table.fields[int(f)], Shown(b[r][f]),
                                              Shown(a[r][f])));
        if (a.size() != b.size())
            throw StoreError(QStringLiteral("The copy of table %1 has a different number of rows from row %2 on")
                                 .arg(table.name)
                                 .arg(done + std::int64_t(std::min(a.size(), b.size())) + 1));
        if (a.empty()) return;
        done += std::int64_t(a.size());
    }
}

std::vector<CopiedTable> CopyInto(Connection& source, Connection& target, const Progress& progress)
{
    // The source is read as one consistent state: the file is locked against
    // writers, a server gives one snapshot to every chunk.
    source.Backend()->ReadAsOneSnapshot(source);
    Transaction reading(source);
    Transaction writing(target);
    target.Backend()->CreateShopTables(target);

    for (const ShopTableLayout& table : ShopTableLayouts()) RefuseUnknownFields(source, table);
    std::vector<CopiedTable> copied;
    for (const ShopTableLayout& table : ShopTableLayouts()) {
        Tell(progress, QStringLiteral("copying %1").arg(table.name));
        copied.push_back({table.name, CopyTable(source, target, table, progress)});
    }
    ContinueNumbering(target, ReadNumbering(source));
    for (const ShopTableLayout& table : ShopTableLayouts()) {
        Tell(progress, QStringLiteral("checking %1").arg(table.name));
        CompareTable(source, target, table);
    }
    writing.Commit();
    return copied;
}

}  // namespace

std::vector<CopiedTable> CopyShop(const QString& from, const QString& to, const Progress& progress)
{
    Connection source = OpenSource(from);
    RefuseSourceVersion(source);
    if (NamesServerDatabase(to)) {
        Connection target = Connection::OpenServer(to);
        return CopyInto(source, target, progress);
    }
    if (QFileInfo::exists(to)) throw StoreError(QStringLiteral("%1 already exists; it is left as it is").arg(to));
    try {
        Connection target = Connection::Open(to, true);
        return CopyInto(source, target, progress);
    } catch (const StoreError&) {
        QFile::remove(to);  // its connection is closed: the new file goes
        throw;
    }
}

}  // namespace mqt
