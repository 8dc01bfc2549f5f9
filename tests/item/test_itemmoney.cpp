// SPDX-License-Identifier: GPL-3.0-or-later
// Selling, paying out, the pricing rule and the ditto mark on the item
// screen, driven through its controls against a real database.

#include "item/ItemScreenDriver.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

class TestItemMoney : public QObject {
    Q_OBJECT

    // Jones Bob with the items; the program is started with the settings.
    static void Settings(RunningShop& run, int commission, double rounding, bool priceOverride = false)
    {
        run.shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (?, ?, ?, ' ')",
                      {commission, rounding, priceOverride});
    }

    // Three payable items A, B, C and three that are not: unsold, paid, free.
    static void PayableShop(RunningShop& run)
    {
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddConsignor("Jonas", "Al");
        const QVariant none;
        run.shop.AddItem("Jones", "Bob", "A", {none, none, 10.0, 14.29, "2024-01-02", "2024-02-01"});
        run.shop.AddItem("Jones", "Bob", "B", {none, none, 20.0, 28.57, "2024-01-02", "2024-02-02"});
        run.shop.AddItem("Jones", "Bob", "C", {none, none, 5.5, 7.86, "2024-01-02", "2024-02-03"});
        run.shop.AddItem("Jones", "Bob", "Unsold", {none, none, 3.0, 4.0, "2024-01-02"});
        run.shop.AddItem("Jones", "Bob", "Paid", {none, none, 3.0, 4.0, "2024-01-02", "2024-01-05", "2024-01-06", "X"});
        run.shop.AddItem("Jones", "Bob", "Free", {none, none, 0.0, 0.0, "2024-01-02", "2024-01-05"});
    }

    static QStringList Payable(RunningShop& run)
    {
        return run.shop.Column("SELECT ItemDesc FROM item WHERE DateSold IS NOT NULL AND DatePaid IS NULL "
                               "AND CostPrice <> 0 ORDER BY ItemDesc");
    }

private slots:
    void sellTwice()
    {
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        screen.Show("jones", "b");
        screen.Choose(Sell);
        screen.ClickRow(6);  // Unsold
        QCOMPARE(screen.Text("lblMessage"), "Sell function is successful");
        QCOMPARE(screen.Stored("Unsold", "DateSold"), "2024-02-20");
        QCOMPARE(screen.Stored("Unsold", "CostPrice"), "3");
        QCOMPARE(run.Shared().CallerMode, "");
        QVERIFY(!screen.IsChosen(Sell));

        screen.Choose(Sell);
        run.clock.SetToday(QDate(2024, 3, 1));
        screen.ClickRow(6);
        QCOMPARE(screen.Text("lblMessage"), "Item is already sold");
        QCOMPARE(screen.MessageColour(), QColor(255, 0, 0));
        QCOMPARE(screen.Stored("Unsold", "DateSold"), "2024-02-20");
    }

    void payTheChosenItems_data()
    {
        QTest::addColumn<QString>("payRef");
        QTest::addColumn<QString>("storedRef");
        QTest::newRow("with a reference") << "chk 12" << "chk 12";
        QTest::newRow("an empty reference is null") << "" << "NULL";
    }

    void payTheChosenItems()
    {
        QFETCH(QString, payRef);
        QFETCH(QString, storedRef);
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        screen.Show("jones", "b");
        screen.Choose(Pay);
        QCOMPARE(screen.Listed(), (QStringList{"A", "B", "C"}));
        for (int row = 1; row <= 3; ++row) QCOMPARE(screen.RowColour(row), Yellow);
        QCOMPARE(screen.Cell(4, 3), "35.50");
        QCOMPARE(screen.Text("cmdUpdate"), "Pay");
        QCOMPARE(screen.Text("txtDatePaid"), "02/20/24");
        screen.ClickRow(2);  // B left out
        QCOMPARE(screen.RowColour(2), White);
        QCOMPARE(screen.Cell(4, 3), "15.50");
        QCOMPARE(screen.Cell(4, 4), "22.15");
        screen.ClickRow(4);  // the totals row takes no part
        QCOMPARE(screen.Cell(4, 3), "15.50");
        screen.Type("txtPayRef", payRef);
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "2 Items paid");
        QCOMPARE(screen.Stored("A", "DatePaid"), "2024-02-20");
        QCOMPARE(screen.Stored("C", "PayRef"), storedRef);
        QCOMPARE(Payable(run), QStringList{"B"});
        QCOMPARE(screen.Listed().size(), 6);  // the whole list again
        QVERIFY(!screen.IsShown("cmdUpdate"));
    }

    void payCasesThatPayNothing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("datePaid");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("error");
        QTest::newRow("nothing payable") << "al" << "" << "No items eligible for payment" << "";
        QTest::newRow("an empty date paid") << "b" << "" << "" << "Invalid Date Paid";
        QTest::newRow("an unreadable date paid") << "b" << "2/30/2024" << "" << "Invalid Date Paid";
    }

    void payCasesThatPayNothing()
    {
        QFETCH(QString, first);
        QFETCH(QString, datePaid);
        QFETCH(QString, message);
        QFETCH(QString, error);
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        screen.Show("jon", first);
        screen.Choose(Pay);
        if (error.isEmpty()) {
            QCOMPARE(screen.Text("lblMessage"), message);
            QVERIFY(!screen.IsChosen(Pay));
        } else {
            screen.Type("txtDatePaid", datePaid);
            screen.Click("cmdUpdate");
            QCOMPARE(run.dialogs.Errors(), QStringList{error});
            QCOMPARE(screen.Text("cmdUpdate"), "Pay");  // the pay-out stays
        }
        QCOMPARE(Payable(run), (QStringList{"A", "B", "C"}));
    }

    void payWithoutASingleConsignorLeavesNoPayOut()
    {
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Type("txtLastName", "jo");  // now Jones and Jonas
        screen.Type("txtFirstName", "");
        screen.Choose(Pay);
        QVERIFY(!screen.IsChosen(Pay));
        QVERIFY(!screen.IsShown("cmdUpdate"));
        QCOMPARE(Payable(run), (QStringList{"A", "B", "C"}));
    }

    void aFailedPayWritesNothing()
    {
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        // Made once start-up has brought the file up to date, which writes every item.
        run.shop.RefuseItemWrites("BEFORE UPDATE WHEN NEW.ItemDesc = 'B'", "disk full");
        screen.Show("jones", "b");
        screen.Choose(Pay);
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY(run.dialogs.Errors().first().contains("disk full"));
        QCOMPARE(screen.Text("lblMessage"), "Pay function not successful");
        QCOMPARE(Payable(run), (QStringList{"A", "B", "C"}));
    }

    void pricing_data()
    {
        QTest::addColumn<int>("commission");
        QTest::addColumn<double>("rounding");
        QTest::addColumn<bool>("priceOverride");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("sale");
        QTest::newRow("cost to sale at 30") << 30 << 0.0 << false << "txtCostPrice" << "10" << "10.00" << "14.29";
        QTest::newRow("sale to cost at 30") << 30 << 0.0 << false << "txtSalePrice" << "20" << "14.00" << "20.00";
        QTest::newRow("to the quarter") << 30 << 0.25 << false << "txtCostPrice" << "$10" << "10.00" << "14.25";
        QTest::newRow("no commission") << 0 << 0.5 << false << "txtCostPrice" << "12,50" << "12.00" << "12.00";
        QTest::newRow("an add with override and no sale price")
            << 30 << 0.0 << true << "txtCostPrice" << "10" << "10.00" << "14.29";
        QTest::newRow("commission 100 leaves the boxes") << 100 << 0.0 << false << "txtCostPrice" << "10" << "10" << "";
    }

    void pricing()
    {
        QFETCH(int, commission);
        QFETCH(double, rounding);
        QFETCH(bool, priceOverride);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, cost);
        QFETCH(QString, sale);
        RunningShop run;
        Settings(run, commission, rounding, priceOverride);
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Listed", {QVariant(), QVariant(), 1.0, 2.0});
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Add);
        screen.Enter(box, typed);
        QCOMPARE(screen.Text("txtCostPrice"), cost);
        QCOMPARE(screen.Text("txtSalePrice"), sale);
        if (commission >= 100) QCOMPARE(screen.MessageColour(), QColor(255, 0, 0));
    }

    void overrideKeepsAStoredSalePrice()
    {
        RunningShop run;
        Settings(run, 30, 0, true);
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Lamp", {QVariant(), QVariant(), 5.0, 9.99});
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Choose(Change);
        screen.ClickRow(1);
        screen.Enter("txtCostPrice", "6");
        QCOMPARE(screen.Text("txtCostPrice"), "6");
        QCOMPARE(screen.Text("txtSalePrice"), "9.99");
        screen.Enter("txtSalePrice", "12");  // a cost price is there: nothing changes
        QCOMPARE(screen.Text("txtCostPrice"), "6");
    }

    void dittoRepeatsTheLastEntry()
    {
        RunningShop run;
        Settings(run, 30, 0);
        run.shop.AddConsignor("Jones", "Bob");
        ItemScreenDriver screen(run);
        screen.Show("jones");
        screen.Enter("txtCategory", "\"");  // nothing entered yet: stays empty
        QCOMPARE(screen.Text("txtCategory"), "");
        screen.Choose(Add);
        screen.Enter("txtItemDesc", "Blue vase");
        screen.Enter("txtCategory", "Glassware");
        screen.Enter("txtCostPrice", "10");
        screen.Click("cmdUpdate");
        screen.Enter("txtItemDesc", "Pink\"");
        screen.Enter("txtCategory", "\"");
        screen.Enter("txtCostPrice", "\"");
        QCOMPARE(screen.Text("txtItemDesc"), "Pink vase");
        QCOMPARE(screen.Text("txtCategory"), "Glassware");
        QCOMPARE(screen.Text("txtSalePrice"), "14.29");
        screen.Enter("txtItemDesc", "Plate 5\" wide");
        QCOMPARE(screen.Text("txtItemDesc"), "Plate 5\" wide");
    }

    void statementOfTheListedConsignor()
    {
        RunningShop run;
        PayableShop(run);
        ItemScreenDriver screen(run);
        screen.Click("cmdStatement");
        QCOMPARE(screen.Text("lblMessage"), "No consignor listed");
        screen.Show("jones", "b");
        run.dialogs.QueueChoice(0);
        screen.Click("cmdStatement");
        QVERIFY2(screen.Text("lblMessage").startsWith("Statement written"), qPrintable(screen.Text("lblMessage")));
        QCOMPARE(screen.MessageColour(), QColor(0, 64, 0));
        QCOMPARE(QDir(run.shop.Folder() + "/statements").entryList(QDir::Files).size(), 2);
    }

    // Items are added with worked-out prices, one is sold, and the consignor
    // is paid with the rent charged at start-up taken off.
    void aDayInTheShop()
    {
        RunningShop run;
        Settings(run, 40, 0.5);
        run.shop.AddConsignor("Jones", "Bob", "$Rent=(amount=5,due=02/01/2024,interval=1)");
        ItemScreenDriver screen(run);
        screen.Show("jon");
        screen.AddItem("Oak chair", "30");
        QCOMPARE(screen.Stored("Oak chair", "SalePrice"), "50");
        screen.AddItem("Lamp", {}, "20");
        QCOMPARE(screen.Stored("Lamp", "CostPrice"), "12");
        screen.Choose(Sell);
        screen.ClickRow(2);  // Oak chair, after Lamp and the rent item
        QCOMPARE(screen.Text("lblMessage"), "Sell function is successful");
        screen.Choose(Pay);
        QCOMPARE(screen.Listed(), (QStringList{"Oak chair", "Rent - 02/01/2024"}));
        QCOMPARE(screen.Cell(3, 3), "25.00");  // 30.00 less 5.00 rent
        screen.Type("txtPayRef", "1001");
        screen.Click("cmdUpdate");
        QCOMPARE(screen.Text("lblMessage"), "2 Items paid");
        QCOMPARE(run.shop.Column("SELECT ItemDesc FROM item WHERE PayRef = '1001' ORDER BY ItemDesc"),
                 (QStringList{"Oak chair", "Rent - 02/01/2024"}));
    }
};

QTEST_MAIN(TestItemMoney)
#include "test_itemmoney.moc"
