// SPDX-License-Identifier: GPL-3.0-or-later
// The item screen's pay-out and sale over the shop's database, without
// windows: what each writes, and what each leaves alone when another till or
// screen wrote an item after it was read.

#include "item/ItemQueries.h"
#include "item/PayOut.h"
#include "item/SellItem.h"
#include "store/DataControl.h"
#include "store/Database.h"
#include "store/StoreError.h"
#include "support/FixedClock.h"
#include "support/TempShop.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

const QVariant None;

// The shop's database as the program opens it, with its item record source.
struct OpenShop {
    explicit OpenShop(const TempShop& shop) : database(clock)
    {
        database.OpenShop(shop.Folder());
        items.DatabaseName(database);
    }
    FixedClock clock;
    Database database;
    DataControl items;
};

qint64 ItemNo(const TempShop& shop, const QString& desc)
{
    return shop.Value("SELECT ItemNo FROM item WHERE ItemDesc = ?", {desc}).toLongLong();
}

// The skipped counts as the pay-out message lists them: "1 paid out, 1 returned".
QString Skipped(const PaidOut& done)
{
    QStringList counts;
    for (auto reason = done.skipped.cbegin(); reason != done.skipped.cend(); ++reason)
        counts << QStringLiteral("%1 %2").arg(reason.value()).arg(reason.key());
    return counts.join(", ");
}

// A, B and C sold and unpaid: Jones Bob is owed for all three.
void PayableShop(const TempShop& shop)
{
    shop.AddConsignor("Jones", "Bob");
    shop.AddItem("Jones", "Bob", "A", {None, None, 10.0, 14.29, "2024-01-02", "2024-02-01"});
    shop.AddItem("Jones", "Bob", "B", {None, None, 20.0, 28.57, "2024-01-02", "2024-02-02"});
    shop.AddItem("Jones", "Bob", "C", {None, None, 5.5, 7.86, "2024-01-02", "2024-02-03"});
}

}  // namespace

class TestPayOutSale : public QObject {
    Q_OBJECT

private slots:
    void payOut_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("payRef");
        QTest::addColumn<QStringList>("meanwhile");  // the other till's writes after the list was shown
        QTest::addColumn<int>("paid");
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<QStringList>("stored");  // ItemDesc|DatePaid|PayRef afterwards
        const QStringList abc = {"A", "B", "C"};
        QTest::newRow("several items paid")
            << abc << "chk 12" << QStringList{} << 3 << ""
            << QStringList{"A|2024-02-20|chk 12", "B|2024-02-20|chk 12", "C|2024-02-20|chk 12"};
        QTest::newRow("only the chosen items")
            << QStringList{"A", "C"} << "chk 12" << QStringList{} << 2 << ""
            << QStringList{"A|2024-02-20|chk 12", "B|NULL|NULL", "C|2024-02-20|chk 12"};
        QTest::newRow("an empty reference is stored as null")
            << QStringList{"B"} << "" << QStringList{} << 1 << ""
            << QStringList{"A|NULL|NULL", "B|2024-02-20|NULL", "C|NULL|NULL"};
        QTest::newRow("nothing chosen: nothing written")
            << QStringList{} << "chk 12" << QStringList{} << 0 << ""
            << QStringList{"A|NULL|NULL", "B|NULL|NULL", "C|NULL|NULL"};
        QTest::newRow("one returned meanwhile")
            << abc << "chk 12" << QStringList{"UPDATE item SET DateSold = NULL WHERE ItemDesc = 'B'"} << 2
            << "1 returned" << QStringList{"A|2024-02-20|chk 12", "B|NULL|NULL", "C|2024-02-20|chk 12"};
        QTest::newRow("one paid meanwhile")
            << abc << "chk 12"
            << QStringList{"UPDATE item SET DatePaid = '2024-02-19', PayRef = 'other' WHERE ItemDesc = 'B'"} << 2
            << "1 paid out" << QStringList{"A|2024-02-20|chk 12", "B|2024-02-19|other", "C|2024-02-20|chk 12"};
        QTest::newRow("one repriced meanwhile")
            << abc << "chk 12" << QStringList{"UPDATE item SET CostPrice = 25 WHERE ItemDesc = 'B'"} << 2
            << "1 price changed" << QStringList{"A|2024-02-20|chk 12", "B|NULL|NULL", "C|2024-02-20|chk 12"};
        QTest::newRow("one changed otherwise meanwhile")
            << abc << "chk 12" << QStringList{"UPDATE item SET Notes = 'chipped' WHERE ItemDesc = 'B'"} << 2
            << "1 changed" << QStringList{"A|2024-02-20|chk 12", "B|NULL|NULL", "C|2024-02-20|chk 12"};
        QTest::newRow("one deleted meanwhile")
            << abc << "chk 12" << QStringList{"DELETE FROM item WHERE ItemDesc = 'B'"} << 2 << "1 deleted"
            << QStringList{"A|2024-02-20|chk 12", "C|2024-02-20|chk 12"};
        QTest::newRow("one returned and one paid meanwhile")
            << abc << "chk 12"
            << QStringList{"UPDATE item SET DateSold = NULL WHERE ItemDesc = 'A'",
                           "UPDATE item SET DatePaid = '2024-02-19', PayRef = 'other' WHERE ItemDesc = 'C'"}
            << 1 << "1 paid out, 1 returned"
            << QStringList{"A|NULL|NULL", "B|2024-02-20|chk 12", "C|2024-02-19|other"};
        QTest::newRow("nothing payable any more: all paid meanwhile")
            << abc << "chk 12" << QStringList{"UPDATE item SET DatePaid = '2024-02-19', PayRef = 'other'"} << 0
            << "3 paid out" << QStringList{"A|2024-02-19|other", "B|2024-02-19|other", "C|2024-02-19|other"};
    }

    void payOut()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QString, payRef);
        QFETCH(QStringList, meanwhile);
        QFETCH(int, paid);
        QFETCH(QString, skipped);
        QFETCH(QStringList, stored);
        TempShop shop;
        PayableShop(shop);
        Connection connection = shop.Connect();
        PayOutOrder order{QDate(2024, 2, 20), payRef, {}};
        for (const QString& desc : chosen) {
            const qint64 itemNo = ItemNo(shop, desc);
            order.items.emplace(itemNo, *ReadItemState(connection, itemNo));
        }
        for (const QString& write : meanwhile) shop.Exec(write);

        const PaidOut done = PayOut(connection, order);
        QCOMPARE(done.paid, paid);
        QCOMPARE(Skipped(done), skipped);
        QCOMPARE(shop.Rows("SELECT ItemDesc, DatePaid, PayRef FROM item ORDER BY ItemDesc"), stored);
    }

    // A write that fails half-way through the chosen items pays none of them.
    void failedPayOutPaysNothing()
    {
        TempShop shop;
        PayableShop(shop);
        Connection connection = shop.Connect();
        PayOutOrder order{QDate(2024, 2, 20), "chk 12", {}};
        for (const QString& desc : {"A", "B", "C"}) {
            const qint64 itemNo = ItemNo(shop, desc);
            order.items.emplace(itemNo, *ReadItemState(connection, itemNo));
        }
        shop.RefuseItemWrites("BEFORE UPDATE WHEN old.ItemDesc = 'C'", "disk full");
        QString error;
        try {
            PayOut(connection, order);
        } catch (const StoreError& failure) {
            error = failure.Message();
        }
        QVERIFY2(error.contains("disk full"), qPrintable(error));
        QCOMPARE(shop.Column("SELECT count(*) FROM item WHERE DatePaid IS NOT NULL"), QStringList{"0"});
    }

    void sale_data()
    {
        QTest::addColumn<QVariant>("soldBefore");  // the lamp's date sold when it is read
        QTest::addColumn<QStringList>("meanwhile");  // the other till's writes after the read
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("change");  // with Changed
        QTest::addColumn<QStringList>("stored");  // ItemDesc|DateSold|SalePrice|Notes afterwards
        const int other = int(ItemChange::Other);
        QTest::newRow("sold at the date of the entry")
            << None << QStringList{} << int(SaleOutcome::Sold) << other << QStringList{"Lamp|2024-02-20|50|NULL"};
        QTest::newRow("already sold when read")
            << QVariant("2024-02-01") << QStringList{} << int(SaleOutcome::AlreadySold) << other
            << QStringList{"Lamp|2024-02-01|50|NULL"};
        QTest::newRow("sold meanwhile")
            << None << QStringList{"UPDATE item SET DateSold = '2024-02-19'"} << int(SaleOutcome::Changed)
            << int(ItemChange::Sold) << QStringList{"Lamp|2024-02-19|50|NULL"};
        QTest::newRow("repriced meanwhile")
            << None << QStringList{"UPDATE item SET SalePrice = 60"} << int(SaleOutcome::Changed)
            << int(ItemChange::Repriced) << QStringList{"Lamp|NULL|60|NULL"};
        QTest::newRow("changed otherwise meanwhile")
            << None << QStringList{"UPDATE item SET Notes = 'chipped'"} << int(SaleOutcome::Changed) << other
            << QStringList{"Lamp|NULL|50|chipped"};
        QTest::newRow("deleted meanwhile")
            << None << QStringList{"DELETE FROM item"} << int(SaleOutcome::NotFound) << other << QStringList{};
        QTest::newRow("described otherwise meanwhile")
            << None << QStringList{"UPDATE item SET ItemDesc = 'Brass lamp'"} << int(SaleOutcome::NotFound) << other
            << QStringList{"Brass lamp|NULL|50|NULL"};
        QTest::newRow("another lamp in its place")
            << None
            << QStringList{"DELETE FROM item", "INSERT INTO item (LastName, FirstName, ItemDesc, SalePrice) "
                                               "VALUES ('Jones', 'Bob', 'Lamp', 50)"}
            << int(SaleOutcome::NotFound) << other << QStringList{"Lamp|NULL|50|NULL"};
    }

    void sale()
    {
        QFETCH(QVariant, soldBefore);
        QFETCH(QStringList, meanwhile);
        QFETCH(int, outcome);
        QFETCH(int, change);
        QFETCH(QStringList, stored);
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        shop.AddItem("Jones", "Bob", "Lamp", {None, None, 35.0, 50.0, "2024-01-02", soldBefore});
        OpenShop open(shop);
        // The sale as the screen drives it: the item read, shown in the
        // boxes, and the date sold typed.
        Recordset& read = open.items.Query(SelectItem("Jones", "Bob", "Lamp"));
        ItemSale sale{"Jones", "Bob", "Lamp", read.Fields("ItemNo").Value().toLongLong(), ItemStateOf(read),
                      ReadItem(read)};
        sale.entry[ItemColumn::DateSold] = "02/20/24";
        for (const QString& write : meanwhile) shop.Exec(write);

        const SaleResult result = SellItem(open.items, sale);
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(int(result.change), change);
        QCOMPARE(shop.Rows("SELECT ItemDesc, DateSold, SalePrice, Notes FROM item ORDER BY ItemNo"), stored);
    }

    // An entry the item cannot take stops the sale before anything is written.
    void saleOfAnEntryThatCannotBeStored()
    {
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        shop.AddItem("Jones", "Bob", "Lamp", {None, None, 35.0, 50.0, "2024-01-02"});
        OpenShop open(shop);
        Recordset& read = open.items.Query(SelectItem("Jones", "Bob", "Lamp"));
        ItemSale sale{"Jones", "Bob", "Lamp", read.Fields("ItemNo").Value().toLongLong(), ItemStateOf(read),
                      ReadItem(read)};
        sale.entry[ItemColumn::DateSold] = "02/20/24";
        sale.entry[ItemColumn::CostPrice] = "abc";
        QString error;
        try {
            SellItem(open.items, sale);
        } catch (const StoreError& failure) {
            error = failure.Message();
        }
        QCOMPARE(error, "Invalid Cost Price");
        QCOMPARE(shop.Rows("SELECT DateSold, CostPrice FROM item"), QStringList{"NULL|35"});
    }
};

QTEST_MAIN(TestPayOutSale)
#include "test_payoutsale.moc"
