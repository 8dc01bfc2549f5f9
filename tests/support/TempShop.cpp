// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempShop.h"

#include "store/NewDatabase.h"
#include "store/Schema.h"
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
            CreateShop(connection);
            WriteServerFile();
        }
    } else if (createDatabase) {
        Connection connection = Connection::Open(DatabasePath(), true);
        CreateShop(connection);
    }
}

TempShop::TempShop(FirstSchema)
{
    if (!dir_.isValid()) qFatal("no temporary folder");
    Connection connection = Connection::Open(DatabasePath(), true);
    CreateSchema(connection);
}

TempShop::TempShop(AnotherTill, const TempShop& shop) : serverUri_(shop.serverUri_), ownsDatabase_(false)
{
    if (!dir_.isValid()) qFatal("no temporary folder");
    if (!IsServer()) qFatal("a second till needs a server shop");
    WriteServerFile();
}

TempShop::~TempShop()
{
    if (IsServer() && ownsDatabase_) DropTestDatabase(serverUri_);
}

void TempShop::WriteServerFile() const
{
    QFile file(dir_.filePath(QLatin1String(ServerFileName)));
    if (!file.open(QIODevice::WriteOnly) || file.write(serverUri_.toUtf8() + '\n') < 0)
        qFatal("cannot write the server file");
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

namespace {

QString Shown(const QVariant& value) { return value.isNull() ? QStringLiteral("NULL") : value.toString(); }

}  // namespace

QStringList TempShop::Column(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connect();
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    QStringList column;
    while (statement.Step()) column << Shown(statement.Column(0));
    return column;
}

QStringList TempShop::Rows(const QString& sql, const QVariantList& values) const
{
    Connection connection = Connect();
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    QStringList rows;
    while (statement.Step()) {
        QStringList columns;
        for (int i = 0; i < statement.ColumnCount(); ++i) columns << Shown(statement.Column(i));
        rows << columns.join(u'|');
    }
    return rows;
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

void TempShop::RefuseItemWrites(const QString& when, const QString& message) const
{
    qsizetype split = when.indexOf(QLatin1String(" WHEN "), 0, Qt::CaseInsensitive);
    if (split < 0) split = when.size();
    const QString event = when.left(split);
    const QString condition = when.mid(split + 6);
    const QString quoted = QString(message).replace(u'\'', QLatin1String("''"));
    if (!IsServer()) {
        Exec(QStringLiteral("CREATE TRIGGER refuse %1 ON item %2 BEGIN SELECT RAISE(ABORT, '%3'); END")
                 .arg(event, condition.isEmpty() ? QString() : QStringLiteral("WHEN ") + condition, quoted));
        return;
    }
    Exec(QStringLiteral("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS "
                        "$$BEGIN RAISE EXCEPTION '%1'; END$$").arg(quoted));
    Exec(QStringLiteral("CREATE TRIGGER refuse %1 ON item FOR EACH ROW %2 EXECUTE FUNCTION refuse()")
             .arg(event, condition.isEmpty() ? QString() : QStringLiteral("WHEN (") + condition + u')'));
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
