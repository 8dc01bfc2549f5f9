// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a shop between a file and a server database: every row and field
// arrives as it was, numbering goes on without giving a number twice, and a
// target that cannot or must not take the copy is left as it was. The ways
// through a server run only in the server run of the tests.

#include "store/CopyShop.h"
#include "store/NewDatabase.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "support/TestServer.h"
#include "support/TempShop.h"

#include <QtTest>

using namespace mqt;

namespace {

void Run(const Connection& connection, const QString& sql, const QVariantList& values = {})
{
    Statement statement(connection, sql);
    for (int i = 0; i < values.size(); ++i) statement.Bind(i + 1, values[i]);
    while (statement.Step()) {
    }
}

QVariant Value(const Connection& connection, const QString& sql)
{
    Statement statement(connection, sql);
    return statement.Step() ? statement.Column(0) : QVariant();
}

// A shop with what tends to get lost on the way: names beyond ASCII,
// apostrophes, nulls, doubles without a short decimal form, a deleted item
// and a deleted sale whose numbers must never come back.
void FillSampleShop(const QString& path)
{
    CreateDatabaseFile(path);
    Connection shop = Connection::Open(path);
    Run(shop, "INSERT INTO params (Commission, Rounding, PriceOverride, Backup, ShopName, TaxRate) "
              "VALUES (40, 0.1, 1, 'd:\\shop\\', 'Zoë''s Trödel', 7.25)");
    Run(shop, "INSERT INTO consignor (LastName, FirstName, Phone, Notes) VALUES (?, ?, ?, ?)",
        {"O'Brien", "Seán", QVariant(), "$Rent=(25,1/1/2024)\nline two"});
    Run(shop, "INSERT INTO consignor (LastName, FirstName, City) VALUES ('Müller', '東京', 'Köln')");
    const QVariantList items[] = {
        {"O'Brien", "Seán", "12'' LP", "records", QVariant(), 0.1 + 0.2, 1e-7, "2024-01-05", QVariant(), QVariant()},
        {"Müller", "東京", "Ölgemälde", "art", "öl", 1234567.891, 2469135.78, "2023-12-31", "2024-02-29", "2024-03-01"},
        {"O'Brien", "Seán", "Rent", "$Rent", QVariant(), -25.0, QVariant(), "2024-01-01", "2024-01-01", QVariant()},
        {"O'Brien", "Seán", "gone", QVariant(), QVariant(), 1.0, 2.0, QVariant(), QVariant(), QVariant()},
    };
    for (const QVariantList& item : items)
        Run(shop, "INSERT INTO item (LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, SalePrice, "
                  "DateAdded, DateSold, DatePaid) VALUES (?,?,?,?,?,?,?,?,?,?)",
            item);
    Run(shop, "DELETE FROM item WHERE ItemDesc = 'gone'");
    for (int sale = 0; sale < 3; ++sale)
        Run(shop, "INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total) "
                  "VALUES ('2024-02-29T10:15:00', 'Sale', 7250, 246913578, 17901234, 264814812)");
    Run(shop, "INSERT INTO sale_line VALUES (1, 1, 3, 'Müller', '東京', 'Ölgemälde', 246913578, NULL, 12.5, 8.75)");
    Run(shop, "INSERT INTO sale_line VALUES (1, 2, 1, 'O''Brien', 'Seán', '12'''' LP', 0, '2024-03-02', NULL, NULL)");
    Run(shop, "INSERT INTO sale_payment (SaleNo, Kind, Amount) VALUES (1, 'Cash', 264814812)");
    Run(shop, "DELETE FROM sale WHERE SaleNo = 3");
}

// Every row of every table, each value with its type, in key order.
QStringList Dump(const Connection& connection)
{
    const QStringList queries = {
        "SELECT rowid, Commission, Rounding, PriceOverride, Backup, ShopName, ShopAddress, TaxRate FROM params",
        "SELECT rowid, LastName, FirstName, Phone, Email, Street, City, State, Zip, Notes FROM consignor "
        "ORDER BY rowid",
        "SELECT rowid, LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, SalePrice, DateAdded, "
        "DateSold, DatePaid, PayRef, Notes, ItemNo FROM item ORDER BY rowid",
        "SELECT * FROM sale ORDER BY SaleNo",
        "SELECT * FROM sale_line ORDER BY SaleNo, Line",
        "SELECT rowid, SaleNo, Kind, Amount FROM sale_payment ORDER BY rowid",
    };
    QStringList rows;
    for (const QString& query : queries) {
        Statement statement(connection, query);
        while (statement.Step()) {
            QStringList fields;
            for (int c = 0; c < statement.ColumnCount(); ++c) {
                const QVariant value = statement.Column(c);
                fields << (value.isNull()                          ? QStringLiteral("null")
                           : value.typeId() == QMetaType::Double   ? QString::number(value.toDouble(), 'g', 17)
                           : value.typeId() == QMetaType::LongLong ? QStringLiteral("#") + value.toString()
                                                                   : u'"' + value.toString() + u'"');
            }
            rows << fields.join(u'|');
        }
    }
    return rows;
}

Connection Open(const QString& place)
{
    return place.startsWith(u"postgresql") ? Connection::OpenServer(place) : Connection::Open(place);
}

}  // namespace

class TestCopyShop : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QStringList databases_;

    QString File(const QString& name) const { return dir_.filePath(name); }
    // An empty database on the test server, dropped at the end.
    QString Server()
    {
        databases_ << test::CreateTestDatabase();
        return databases_.last();
    }
    // The places a copy goes through: files by name, "server" a new database.
    QStringList Places(const QString& route)
    {
        QStringList places;
        for (const QString& step : route.split(u'>'))
            places << (step == u"server" ? Server() : File(step + QStringLiteral(".mqt")));
        return places;
    }

private slots:
    void cleanupTestCase()
    {
        for (const QString& uri : databases_) test::DropTestDatabase(uri);
    }

    void copyKeepsEveryRowAndNumbering_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("file to file") << "a1>b1";
        QTest::newRow("file to server") << "a2>server";
        QTest::newRow("file to server and back") << "a3>server>b3";
    }

    void copyKeepsEveryRowAndNumbering()
    {
        QFETCH(QString, route);
        if (route.contains(u"server") && !test::ServerEngineWanted()) QSKIP("needs the test server");
        const QStringList places = Places(route);
        FillSampleShop(places.first());
        for (int i = 1; i < places.size(); ++i) {
            const std::vector<CopiedTable> copied = CopyShop(places[i - 1], places[i]);
            QCOMPARE(copied.size(), std::size_t(ShopTableNames().size()));
            QCOMPARE(copied[2].rows, std::int64_t(3));  // items
        }
        const Connection original = Open(places.first());
        Connection copy = Open(places.last());
        QCOMPARE(Dump(copy), Dump(original));

        // A new item gets number 5 (4 went with the deleted newest item), a
        // new sale number 4 (3 was deleted), and new rows ids of their own.
        Run(copy, "INSERT INTO item (LastName, FirstName, ItemDesc) VALUES ('Müller', '東京', 'new')");
        Run(copy, "INSERT INTO consignor (LastName, FirstName) VALUES ('New', 'One')");
        Run(copy, "INSERT INTO sale (SoldAt, Kind, TaxRate, Subtotal, Tax, Total) VALUES ('x', 'Sale', 0, 0, 0, 0)");
        Run(copy, "INSERT INTO sale_payment (SaleNo, Kind, Amount) VALUES (4, 'Cash', 0)");
        QCOMPARE(Value(copy, "SELECT ItemNo FROM item WHERE ItemDesc = 'new'").toLongLong(), 5);
        QCOMPARE(Value(copy, "SELECT max(SaleNo) FROM sale").toLongLong(), 4);
        QCOMPARE(Value(copy, "SELECT count(DISTINCT rowid) FROM consignor").toLongLong(), 3);
        QCOMPARE(Value(copy, "SELECT count(DISTINCT rowid) FROM sale_payment").toLongLong(), 2);
    }

    void refusedCopyLeavesTargetAsItWas_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("target file exists") << "shop" << "file" << "already exists";
        QTest::newRow("target server holds a shop") << "shop" << "server with shop" << "already holds a shop";
        QTest::newRow("source older than the program") << "version 0" << "new file" << "start Marquill on it once";
        QTest::newRow("source with an unknown field") << "extra field" << "new file" << "does not know";
        QTest::newRow("source missing") << "missing" << "new file" << "does not exist";
        QTest::newRow("a date the server cannot take") << "2/30/2024" << "server" << "date";
        QTest::newRow("a date the server reads otherwise") << "yesterday" << "server" << "differs";
    }

    void refusedCopyLeavesTargetAsItWas()
    {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, message);
        if (target.startsWith(u"server") && !test::ServerEngineWanted()) QSKIP("needs the test server");
        const QString from = File(QTest::currentDataTag() + QStringLiteral(" from.mqt"));
        if (source == u"version 0") {
            Connection old = Connection::Open(from, true);
            CreateSchema(old);
        } else if (source != u"missing") {
            FillSampleShop(from);
            if (source == u"extra field") Run(Connection::Open(from), "ALTER TABLE item ADD COLUMN Colour TEXT");
            if (source.contains(u'/') || source == u"yesterday")
                Run(Connection::Open(from), "UPDATE item SET DateSold = ?", {source});
        }
        QString to = File(QTest::currentDataTag() + QStringLiteral(" to.mqt"));
        if (target == u"file") CreateDatabaseFile(to);
        if (target.startsWith(u"server")) to = Server();
        if (target == u"server with shop") {
            Connection shop = Connection::OpenServer(to);
            CreateShop(shop);
            Run(shop, "INSERT INTO consignor (LastName, FirstName) VALUES ('Kept', 'As is')");
        }
        const QStringList before = target == u"file" || target == u"server with shop" ? Dump(Open(to)) : QStringList();

        try {
            CopyShop(from, to);
            QFAIL("the copy was not refused");
        } catch (const StoreError& error) {
            QVERIFY2(error.Message().contains(message), qPrintable(error.Message()));
        }
        if (target == u"new file") {
            QVERIFY(!QFileInfo::exists(to));
        } else if (target == u"server") {
            QCOMPARE(Value(Open(to), "SELECT count(*) FROM information_schema.tables WHERE table_schema = 'public'"),
                     QVariant(qint64(0)));
        } else {
            QCOMPARE(Dump(Open(to)), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyShop)
#include "test_copyshop.moc"
