// SPDX-License-Identifier: GPL-3.0-or-later
// The record sources against real database files: walking, changing rows
// during a walk, row identity, and the statement dialect.

#include "common/Clock.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/FixedClock.h"
#include "support/TempShop.h"
#include "support/TestServer.h"

#include <QtTest>

using namespace mqt;

class TestRecordset : public QObject {
    Q_OBJECT

    struct Open {
        explicit Open(const test::TempShop& shop) : database(clock)
        {
            database.OpenShop(shop.Folder());
            source.DatabaseName(database);
        }
        Recordset& Run(const QString& sql)
        {
            source.RecordSource(sql);
            source.Refresh();
            return source.Recordset();
        }
        QStringList Walk(const QString& sql, const QString& field)
        {
            QStringList values;
            Recordset& rs = Run(sql);
            if (!rs.Eof()) rs.MoveFirst();
            while (!rs.Eof()) {
                values << rs.Fields(field).Text();
                rs.MoveNext();
            }
            return values;
        }
        test::FixedClock clock;
        Database database;
        DataControl source;
    };

private slots:
    void emptyResultIsAtEndAndListsNothing()
    {
        test::TempShop shop;
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select * from  consignor where lastname like 'x*' order by lastname asc"));
        QVERIFY(rs.Eof());
        QCOMPARE(rs.RecordCount(), 0);
    }

    void walkVisitsRowsInOrderAndCountsThem()
    {
        test::TempShop shop;
        shop.AddConsignor(QStringLiteral("smith"), QStringLiteral("Ann"));
        shop.AddConsignor(QStringLiteral("Adams"), QStringLiteral("Bob"));
        shop.AddConsignor(QStringLiteral("SMITHERS"), QStringLiteral("Cy"));
        shop.AddConsignor(QStringLiteral("Smith"), QStringLiteral("Dee"));
        Open db(shop);
        QCOMPARE(db.Walk(QStringLiteral("select * from consignor where lastname like '*' order by lastname asc"),
                         QStringLiteral("FirstName")),
                 (QStringList{"Bob", "Dee", "Ann", "Cy"}));
        QCOMPARE(db.source.Recordset().RecordCount(), 4);
    }

    void textsOrderByCodePoint()
    {
        test::TempShop shop;
        for (const char* desc : {"\U0001F600 mug", "\uff5a", "Zebra", "apple"})
            shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"), QString::fromUtf8(desc));
        Open db(shop);
        QCOMPARE(db.Walk(QStringLiteral("select * from item order by itemdesc asc"), QStringLiteral("ItemDesc")),
                 (QStringList{"apple", "Zebra", "\uff5a", "\U0001F600 mug"}));
    }

    void likeAndEquals_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<bool>("found");
        QTest::newRow("prefix in lower case finds capitalised") << "Smith" << "lastname like 'smi*'" << true;
        QTest::newRow("prefix finds upper case") << "SMITHERS" << "lastname like 'smi*'" << true;
        QTest::newRow("star inside the pattern is a wildcard") << "Smith" << "lastname like 's*h*'" << true;
        QTest::newRow("percent is literal") << "Smith" << "lastname like '%*'" << false;
        QTest::newRow("percent matches itself") << "50% off" << "lastname like '50%*'" << true;
        QTest::newRow("underscore is literal") << "Smith" << "lastname like 'S_ith*'" << false;
        QTest::newRow("question mark is literal") << "Smith" << "lastname like 'Sm?th'" << false;
        QTest::newRow("without star the whole text must match") << "Smith" << "lastname like 'smit'" << false;
        QTest::newRow("equals ignores ASCII case") << "Smith" << "lastname = 'SMITH'" << true;
        QTest::newRow("equals without blank before quote") << "Smith" << "lastname ='smith'" << true;
        QTest::newRow("equals ignores case beyond ASCII") << "Müller" << "lastname = 'MÜLLER'" << true;
        QTest::newRow("equals with a letter beyond ASCII first") << "Ørsted" << "lastname = 'ØRSTED'" << true;
        QTest::newRow("equals beyond ASCII is not a prefix test") << "Müllerson" << "lastname = 'müller'" << false;
        QTest::newRow("equals beyond ASCII needs the same start") << "Nüller" << "lastname = 'müller'" << false;
        QTest::newRow("like ignores case beyond ASCII") << "Ørsted" << "lastname like 'ør*'" << true;
        QTest::newRow("equals is not a prefix test") << "Smith" << "lastname = 'Smit'" << false;
        QTest::newRow("apostrophe quoted") << "O'Neil" << "lastname = 'O''Neil'" << true;
        QTest::newRow("notes contain word") << "x" << "notes like '*$Rent*'" << true;
    }

    void likeAndEquals()
    {
        QFETCH(QString, stored);
        QFETCH(QString, condition);
        QFETCH(bool, found);
        test::TempShop shop;
        shop.AddConsignor(stored, QStringLiteral("First"), QStringLiteral("Space B $rent=(amount=5)"));
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select * from  consignor where ") + condition);
        QCOMPARE(!rs.Eof(), found);
    }

    void textsRoundTripUnchanged()
    {
        test::TempShop shop;
        Open db(shop);
        const QString name = QStringLiteral("  O'Brien \"the *%_ one\" Ærø  ");
        Recordset& rs = db.Run(QStringLiteral("select * from consignor where lastname = 'none'"));
        rs.AddNew();
        rs.Fields(QStringLiteral("LastName")).SetValue(name);
        rs.Fields(QStringLiteral("FirstName")).SetValue(QStringLiteral("a\nb"));
        rs.Update();
        QCOMPARE(shop.Column(QStringLiteral("select LastName from consignor")), QStringList{name});
        QCOMPARE(shop.Column(QStringLiteral("select FirstName from consignor")), QStringList{"a\nb"});
        QCOMPARE(shop.Column(QStringLiteral("select Phone from consignor")), QStringList{"NULL"});
    }

    void editAndDeleteDuringWalkReachEveryRow()
    {
        test::TempShop shop;
        for (const char* desc : {"a", "b", "c", "d"})
            shop.AddItem(QStringLiteral("Lee"), QStringLiteral("Al"), QLatin1String(desc));
        shop.AddItem(QStringLiteral("Other"), QStringLiteral("Al"), QStringLiteral("e"));
        Open db(shop);

        Recordset& rs = db.Run(QStringLiteral("select * from  item where lastname = 'lee' and firstname ='al'"));
        rs.MoveFirst();
        while (!rs.Eof()) {
            rs.Edit();
            rs.Fields(QStringLiteral("LastName")).SetValue(QStringLiteral("Leigh"));
            rs.Update();
            QCOMPARE(rs.Fields(QStringLiteral("lastname")).Text(), QStringLiteral("Leigh"));
            rs.MoveNext();
        }
        QCOMPARE(shop.Column(QStringLiteral("select count(*) from item where LastName = 'Leigh'")), QStringList{"4"});

        Recordset& del = db.Run(QStringLiteral("select lastname, firstname from  item where lastname = 'LEIGH'"));
        int deleted = 0;
        del.MoveFirst();
        while (!del.Eof()) {
            del.Delete();
            QVERIFY_THROWS_EXCEPTION(StoreError, del.Fields(QStringLiteral("LastName")).Value());
            ++deleted;
            del.MoveNext();
        }
        QCOMPARE(deleted, 4);
        QCOMPARE(shop.Column(QStringLiteral("select ItemDesc from item")), QStringList{"e"});
    }

    void identicalRowsChangeOneAtATime()
    {
        test::TempShop shop;
        shop.AddItem(QStringLiteral("Twin"), QStringLiteral("T"), QStringLiteral("vase"));
        shop.AddItem(QStringLiteral("Twin"), QStringLiteral("T"), QStringLiteral("vase"));
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select lastname, firstname from item where itemdesc = 'vase'"));
        rs.MoveFirst();
        rs.Edit();
        rs.Fields(QStringLiteral("PayRef")).SetValue(QStringLiteral("first"));
        rs.Update();
        QCOMPARE(shop.Column(QStringLiteral("select coalesce(PayRef, '-') from item order by rowid")),
                 (QStringList{"first", "-"}));
        rs.MoveNext();
        rs.Delete();
        QCOMPARE(shop.Column(QStringLiteral("select PayRef from item")), QStringList{"first"});
    }

    void addNewStartsWithNullsAndFieldsNotWrittenKeepTheirValues()
    {
        test::TempShop shop;
        shop.Exec(QStringLiteral("INSERT INTO consignor (LastName, FirstName, Phone) VALUES ('A', 'B', '555')"));
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select * from consignor where lastname = 'A'"));
        rs.Edit();
        rs.Fields(QStringLiteral("City")).SetValue(QStringLiteral("Oslo"));
        rs.Update();
        QCOMPARE(shop.Column(QStringLiteral("select Phone || City from consignor")), QStringList{"555Oslo"});

        rs.AddNew();
        QVERIFY(rs.Fields(QStringLiteral("Phone")).IsNull());
        rs.Fields(QStringLiteral("LastName")).SetValue(QStringLiteral("C"));
        rs.Update();
        QCOMPARE(rs.Fields(QStringLiteral("LastName")).Text(), QStringLiteral("A"));  // position kept
        QCOMPARE(shop.Column(QStringLiteral("select LastName from consignor order by rowid")), (QStringList{"A", "C"}));
    }

    void textsConvertIntoNumberAndDateFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QString>("stored");
        QTest::newRow("price text") << "CostPrice" << QVariant("12.50") << "12.5";
        QTest::newRow("negative price") << "CostPrice" << QVariant(-50.0) << "-50";
        QTest::newRow("date month/day/year") << "DateSold" << QVariant("3/1/2024") << "2024-03-01";
        QTest::newRow("date two-digit year") << "DateSold" << QVariant("03/01/24") << "2024-03-01";
        QTest::newRow("date value") << "DateAdded" << QVariant(QDate(2024, 1, 15)) << "2024-01-15";
    }

    void textsConvertIntoNumberAndDateFields()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, written);
        QFETCH(QString, stored);
        test::TempShop shop;
        shop.AddItem(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("c"));
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select * from item where itemdesc = 'c'"));
        rs.Edit();
        rs.Fields(field).SetValue(written);
        rs.Update();
        QCOMPARE(shop.Column(QStringLiteral("select %1 from item").arg(field)), QStringList{stored});
    }

    void unconvertibleTextIsRefusedAndNothingStored_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("written");
        QTest::newRow("word into price") << "CostPrice" << "abc";
        QTest::newRow("day that does not exist") << "DateSold" << "2/30/2024";
        QTest::newRow("month above 12") << "DatePaid" << "15/3/2024";
    }

    void unconvertibleTextIsRefusedAndNothingStored()
    {
        QFETCH(QString, field);
        QFETCH(QString, written);
        test::TempShop shop;
        shop.AddItem(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("c"));
        Open db(shop);
        Recordset& rs = db.Run(QStringLiteral("select * from item where itemdesc = 'c'"));
        rs.Edit();
        rs.Fields(QStringLiteral("PayRef")).SetValue(QStringLiteral("ref"));
        try {
            rs.Fields(field).SetValue(written);
            QFAIL("the text was taken");
        } catch (const StoreError& error) {
            QVERIFY2(error.Message().contains(written), qPrintable(error.Message()));
        }
        QCOMPARE(shop.Column(QStringLiteral("select PayRef from item")), QStringList{"NULL"});
    }

    void dateLiteralsCompareByDay_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("before March 1st") << "#3/1/2024#" << QStringList{"feb"};
        QTest::newRow("before March 2nd") << "#03/02/2024#" << QStringList{"feb", "mar"};
        QTest::newRow("time of day counts the day itself") << "#3/1/2024 10:30:00#" << QStringList{"feb", "mar"};
    }

    void dateLiteralsCompareByDay()
    {
        QFETCH(QString, literal);
        QFETCH(QStringList, found);
        test::TempShop shop;
        shop.AddItem("A", "B", "feb", {{}, {}, {}, {}, {}, "2024-02-01", "2024-02-28"});
        shop.AddItem("A", "B", "mar", {{}, {}, {}, {}, {}, "2024-02-01", "2024-03-01"});
        shop.AddItem("A", "B", "unpaid", {{}, {}, {}, {}, {}, "2024-02-01"});
        Open db(shop);
        QCOMPARE(db.Walk("select * from item where datesold is not null and datepaid < " + literal + " order by itemdesc asc",
                         "ItemDesc"),
                 found);
        QCOMPARE(db.source.Recordset().RecordCount(), found.size());
    }

    void valuesReadWithTheirTypes()
    {
        test::TempShop shop;
        shop.AddItem("A", "B", "c", {{}, {}, 12.5, {}, "2024-01-15"});
        shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (12, 0.25, 1, 'd:\\shop\\')");
        Open db(shop);
        Recordset& item = db.Run("select * from item");
        QCOMPARE(item.Fields("costprice").Value(), QVariant(12.5));
        QCOMPARE(item.Fields("DATEADDED").Value(), QVariant(QDate(2024, 1, 15)));
        QVERIFY(item.Fields("SalePrice").IsNull());
        Recordset& params = db.Run("select * from params");
        QCOMPARE(params.Fields("PriceOverride").Value(), QVariant(true));
        QCOMPARE(params.Fields("Commission").Value().toInt(), 12);
        QVERIFY_THROWS_EXCEPTION(StoreError, params.Fields("NoSuchField").Value());
    }

    void badStatementsReportTheEngineTextAndRunNothing_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("message");
        QTest::newRow("second statement") << "select * from item; delete from item" << "one statement";
        QTest::newRow("not a select") << "delete from item" << "select";
        QTest::newRow("unknown table") << "select * from nosuch"
                                       << (test::ServerEngineWanted() ? "relation \"nosuch\" does not exist"
                                                                      : "no such table: nosuch");
        QTest::newRow("open quote") << "select * from item where itemdesc = 'x" << "quote";
    }

    void badStatementsReportTheEngineTextAndRunNothing()
    {
        QFETCH(QString, sql);
        QFETCH(QString, message);
        test::TempShop shop;
        shop.AddItem("A", "B", "c");
        Open db(shop);
        try {
            db.Run(sql);
            QFAIL("the statement ran");
        } catch (const StoreError& error) {
            QVERIFY2(error.Message().contains(message), qPrintable(error.Message()));
        }
        QVERIFY(db.source.Recordset().Eof());
        QCOMPARE(shop.Column("select count(*) from item"), QStringList{"1"});
    }

    void transactionRollsBackUnlessCommitted()
    {
        test::TempShop shop;
        Open db(shop);
        {
            Transaction transaction(db.database.connection());
            Recordset& rs = db.Run("select * from consignor");
            rs.AddNew();
            rs.Fields("LastName").SetValue("Gone");
            rs.Update();
        }
        QCOMPARE(shop.Column("select count(*) from consignor"), QStringList{"0"});
    }

    void openingNeverCreatesOrChangesAFile_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("foreign file") << QByteArray("Standard Jet DB\0\0\0 old database", 32) << true;
    }

    void openingNeverCreatesOrChangesAFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, exists);
        MQT_FILE_ONLY();
        test::TempShop shop(false);
        if (exists) {
            QFile file(shop.DatabasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        test::FixedClock clock;
        Database database(clock);
        DataControl source;
        try {
            database.Open(shop.DatabasePath());
            source.DatabaseName(database);
            source.RecordSource("select * from params");
            source.Refresh();
            QFAIL("the file was read as a database");
        } catch (const StoreError& error) {
            QVERIFY(!error.Message().isEmpty());
        }
        QCOMPARE(QFileInfo::exists(shop.DatabasePath()), exists);
        if (exists) {
            QFile file(shop.DatabasePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), contents);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordset)
#include "test_recordset.moc"
