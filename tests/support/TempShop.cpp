// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempShop.h"

#include "store/Schema.h"
#include "store/ServerSchema.h"
#include "store/ServerUri.h"
#include "support/TestServer.h"

#include <QtTest>

namespace mqt::test {

QByteArray FileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TempShop::TempShop(bool createDatabase)
{
    if (!dir_.isValid()) qFatal("no temporary folder");
    if (ServerEngineWanted()) {
        serverUri_ = CreateTestDatabase();
        if (createDatabase) {
            Connection connection = Connection::OpenServer(serverUri_);
            CreateServerSchema(connection);
            QFile file(dir_.filePath(QLatin1String(ServerFileName)));
            if (!file.open(QIODevice::WriteOnly) || file.write(serverUri_.toUtf8() + '\n') < 0)
                qFatal("cannot write the server file");
        }
    } else if (createDatabase) {
        Connection connection = Connection::Open(DatabasePath(), true);
        CreateSchema(connection);
    }
}

TempShop::~TempShop()
{
    if (IsServer()) DropTestDatabase(serverUri_);
}

Connection TempShop::Connect() const
{
    return IsServer() ? Connection::OpenServer(serverUri_) : Connection::Open(DatabasePath());
}

void TempShop::Exec(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connect();
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    while (statement.Step()) {
    }
}

QStringList TempShop::Column(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connect();
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    QStringList column;
    while (statement.Step()) {
        const QVariant value = statement.Column(0);
        column << (value.isNull() ? QStringLiteral("NULL") : value.toString());
    }
    return column;
}

QVariant TempShop::Value(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connect();
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    return statement.Step() ? statement.Column(0) : QVariant();
}

void TempShop::AddConsignor(const QString& last, const QString& first, const QString& notes) const
{
    Exec(QStringLiteral("INSERT INTO consignor (LastName, FirstName, Notes) VALUES (?, ?, ?)"),
         {last, first, notes.isEmpty() ? QVariant() : QVariant(notes)});
}

// more: Category, Subcategory, CostPrice, SalePrice, DateAdded, DateSold,
// DatePaid, PayRef, Notes, in that order, as far as given.
void TempShop::AddItem(const QString& last, const QString& first, const QString& desc, const QVariantList& more) const
{
    QVariantList values{last, first, desc};
    for (int i = 0; i < 9; ++i) values << (i < more.size() ? more[i] : QVariant());
    Exec(QStringLiteral("INSERT INTO item (LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, "
                        "SalePrice, DateAdded, DateSold, DatePaid, PayRef, Notes) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
         values);
}

void TempShop::AddManyItems(int count) const
{
    Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                        "INSERT INTO item (LastName, FirstName, ItemDesc, CostPrice) "
                        "SELECT 'Smith', 'Ann', 'oak chair number ' || i, i FROM n"),
         {count});
}

void TempShop::DamageATablePage() const
{
    const int pageSize = Value(QStringLiteral("PRAGMA page_size")).toInt();
    QFile file(DatabasePath());
    if (!file.open(QIODevice::ReadWrite)) qFatal("cannot open the database file");
    const QByteArray contents = file.readAll();
    // A table leaf page starts with the type byte 13, then its cell count at 3 and 4.
    qint64 fullest = -1;
    int mostCells = 0;
    for (qint64 page = pageSize; page + pageSize <= contents.size(); page += pageSize) {
        const auto* header = reinterpret_cast<const unsigned char*>(contents.constData() + page);
        const int cells = header[3] << 8 | header[4];
        if (header[0] == 13 && cells > mostCells) {
            fullest = page;
            mostCells = cells;
        }
    }
    if (fullest < 0) qFatal("no table page with rows");
    file.seek(fullest + pageSize / 2);
    file.write(QByteArray(64, char(0xFF)));
}

}  // namespace mqt::test
