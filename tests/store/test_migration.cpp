// SPDX-License-Identifier: GPL-3.0-or-later
// Schema versions: an older shop file is brought up to date at start-up in
// one transaction, a newer one is refused untouched, and item numbers are
// never handed out twice.

#include "store/Migration.h"
#include "store/NewDatabase.h"
#include "support/RunningShop.h"

#include <QtTest>

using namespace mqt;

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every stored value of the item table but the number, row by row.
QStringList ItemRows(const test::TempShop& shop)
{
    return shop.Column(QStringLiteral(
        "SELECT quote(rowid) || '|' || quote(LastName) || '|' || quote(FirstName) || '|' || quote(ItemDesc) || '|' || "
        "quote(Category) || '|' || quote(Subcategory) || '|' || quote(CostPrice) || '|' || quote(SalePrice) || '|' || "
        "quote(DateAdded) || '|' || quote(DateSold) || '|' || quote(DatePaid) || '|' || quote(PayRef) || '|' || "
        "quote(Notes) FROM item ORDER BY rowid"));
}

QStringList OtherRows(const test::TempShop& shop)
{
    return shop.Column(QStringLiteral("SELECT quote(Commission) || quote(Rounding) || quote(PriceOverride) || "
                                      "quote(Backup) FROM params")) +
           shop.Column(QStringLiteral("SELECT quote(LastName) || quote(FirstName) || quote(Phone) || quote(Notes) "
                                      "FROM consignor ORDER BY rowid"));
}

int Version(const test::TempShop& shop) { return shop.Value(QStringLiteral("PRAGMA user_version")).toInt(); }

}  // namespace

class TestMigration : public QObject {
    Q_OBJECT

private slots:
    void olderFileIsNumberedInStoredOrder()
    {
        test::RunningShop run{test::TempShop::FirstSchema{}};
        test::TempShop& shop = run.shop;
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (20, 0.25, 1, 'd:\\shop\\')");
        shop.AddConsignor("Smith", "Ann");
        shop.AddItem("Smith", "Ann", "oak chair", {"furniture", "old", 10.5, 25, "2024-01-05"});
        shop.AddItem("Smith", "Ann", "gone", {});
        shop.AddItem("Smith", "Ann", "blue vase", {QVariant(), QVariant(), QVariant(), 4.25, "2024-02-01", "2024-02-03",
                                                   "2024-02-10", "chq 12", "chipped"});
        shop.AddItem("Müller", "Jo", "12'' LP", {});
        shop.Exec("DELETE FROM item WHERE ItemDesc = 'gone'");  // a gap in the stored order
        const QStringList items = ItemRows(shop);
        const QStringList others = OtherRows(shop);
        QCOMPARE(Version(shop), 0);

        QVERIFY(run.Start());
        QCOMPARE(Version(shop), CurrentSchemaVersion());
        QCOMPARE(shop.Column("SELECT ItemNo FROM item ORDER BY rowid"), (QStringList{"1", "2", "3"}));
        QCOMPARE(ItemRows(shop), items);
        QCOMPARE(OtherRows(shop), others);
        QCOMPARE(shop.Column("SELECT quote(ShopName) || quote(ShopAddress) FROM params"), QStringList{"NULLNULL"});
        QVERIFY(run.dialogs.shown().isEmpty());

        // A second start finds nothing to do and writes nothing.
        const QByteArray migrated = Contents(shop.DatabasePath());
        QVERIFY(run.Start());
        QCOMPARE(Contents(shop.DatabasePath()), migrated);
    }

    void newFileIsMadeAtTheCurrentVersion()
    {
        test::TempShop shop(false);
        CreateDatabaseFile(shop.DatabasePath());  // as mqt-createdb and the launcher make it
        QCOMPARE(Version(shop), CurrentSchemaVersion());
        shop.AddManyItems(3);
        QCOMPARE(shop.Column("SELECT ItemNo FROM item ORDER BY rowid"), (QStringList{"1", "2", "3"}));
        // An item stored with a number of its own moves the counter past it.
        shop.Exec("INSERT INTO item (LastName, FirstName, ItemDesc, ItemNo) VALUES ('Lee', 'Jo', 'kept', 10)");
        shop.AddItem("Lee", "Jo", "next");
        QCOMPARE(shop.Value("SELECT ItemNo FROM item WHERE ItemDesc = 'next'").toInt(), 11);
    }

    void unusableFileIsLeftAsItWas_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("error");
        QTest::newRow("made by a newer version") << "PRAGMA user_version = 99"
                                                 << "This shop file was made by a newer version of Marquill";
        QTest::newRow("a step fails part-way")
            << "CREATE TRIGGER refuse BEFORE UPDATE ON item BEGIN SELECT RAISE(ABORT, 'disk went away'); END"
            << "disk went away";
    }

    void unusableFileIsLeftAsItWas()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, error);
        test::RunningShop run{test::TempShop::FirstSchema{}};
        test::TempShop& shop = run.shop;
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ' ')");
        shop.AddItem("Smith", "Ann", "oak chair", {});
        shop.Exec(setUp);
        const int version = Version(shop);
        const QByteArray before = Contents(shop.DatabasePath());

        QVERIFY(!run.Start());
        QCOMPARE(run.dialogs.Errors(), QStringList{error});
        run.program.reset();
        QCOMPARE(Version(shop), version);
        QCOMPARE(shop.Column("SELECT count(*) FROM pragma_table_info('item') WHERE name = 'ItemNo'"),
                 QStringList{"0"});
        if (version > 0) QCOMPARE(Contents(shop.DatabasePath()), before);
    }

    void numbersAreNeverHandedOutTwice_data()
    {
        QTest::addColumn<QStringList>("steps");  // add DESC | delete DESC | purge | rent
        QTest::addColumn<QStringList>("numbers");  // every item's number, by description
        QTest::newRow("the highest deleted, then an add")
            << QStringList{"add a", "add b", "add c", "delete c", "add d"} << QStringList{"a 1", "b 2", "d 4"};
        QTest::newRow("every item deleted, then an add")
            << QStringList{"add a", "add b", "delete a", "delete b", "add c"} << QStringList{"c 3"};
        QTest::newRow("paid items purged, then an add")
            << QStringList{"add a", "add paid", "purge", "add b"} << QStringList{"a 1", "b 3"};
        QTest::newRow("rent charged at start-up")
            << QStringList{"add a", "rent", "add b"} << QStringList{"Rent - 02/01/2024 2", "a 1", "b 3"};
    }

    void numbersAreNeverHandedOutTwice()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, numbers);
        test::RunningShop run;
        test::TempShop& shop = run.shop;
        shop.AddConsignor("Smith", "Ann");
        QVERIFY(run.Start());
        for (const QString& step : steps) {
            const QString what = step.section(u' ', 1);
            if (step.startsWith("add"))
                shop.AddItem("Smith", "Ann", what,
                             what == "paid" ? QVariantList{{}, {}, 1, 2, "2023-01-01", "2023-01-02", "2023-01-03"}
                                            : QVariantList{});
            else if (step.startsWith("delete"))
                shop.Exec("DELETE FROM item WHERE ItemDesc = ?", {what});
            else if (step == "purge") {
                run.dialogs.QueueInput("1/1/2024");
                run.dialogs.QueueAnswer(Yes);
                run.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);
            } else if (step == "rent") {
                shop.Exec("UPDATE consignor SET Notes = '$Rent=(amount=50,Due=02/01/2024,interval=1)'");
                QVERIFY(run.Start());
            }
        }
        QCOMPARE(shop.Column("SELECT ItemDesc || ' ' || ItemNo FROM item ORDER BY ItemDesc"), numbers);
        QVERIFY(run.dialogs.Errors().isEmpty());
    }
};

QTEST_MAIN(TestMigration)
#include "test_migration.moc"
