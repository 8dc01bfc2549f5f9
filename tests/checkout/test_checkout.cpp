// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout counter through its controls, against a shop file in a
// temporary folder: scans, prices, tax, payments, the completing
// transaction, the receipt, returns and the day's takings, and on a server
// shop the sale that is kept while the server goes away.

#include "checkout/CounterDriver.h"
#include "common/SaleMoney.h"
#include "item/ItemScreenDriver.h"
#include "shell/MenuEntries.h"
#include "store/Migration.h"
#include "store/MigrationSteps.h"
#include "support/TestServer.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace mqt;
using namespace mqt::test;

class TestCheckout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StartTestServer(); }

    void wholeSale()
    {
        RunningShop run;
        Counter counter(run);
        for (int item = 1; item <= 5; ++item) counter.Scan(item);
        QCOMPARE(counter.Lines(), 5);
        QCOMPARE(counter.Text("txtScan"), "");
        counter.ClickRow(3);
        run.dialogs.QueueInput("27.50");
        counter.Click("cmdLinePrice");
        QCOMPARE(counter.Find<Grid>("Grid")->TextMatrix(3, 2), "Baker, Al");
        QCOMPARE(counter.Find<Grid>("Grid")->TextMatrix(3, 3), "27.50");
        QCOMPARE(counter.Text("lblSubtotal"), "132.50");
        QCOMPARE(counter.Text("lblTax"), "11.76");
        QCOMPARE(counter.Text("lblTotal"), "144.26");

        counter.Pay(PayKind::Card, "100");
        QVERIFY(!counter.CanComplete());
        counter.Pay(PayKind::Cash, "$50.00");
        QCOMPARE(counter.Text("lblChange"), "5.74");
        QVERIFY(counter.CanComplete());
        counter.Click("cmdComplete");
        QCOMPARE(counter.Text("lblMessage"), "Sale 000001 complete, change 5.74");
        QCOMPARE(counter.Lines(), 0);

        QCOMPARE(run.shop.Column("SELECT DateSold FROM item WHERE ItemNo <= 5 GROUP BY DateSold"), {"2024-02-20"});
        QCOMPARE(run.shop.Rows("SELECT SalePrice, CostPrice FROM item WHERE ItemNo IN (3, 4) ORDER BY ItemNo"),
                 (QStringList{"27.5|19.25", "50|35"}));
        QCOMPARE(counter.Stored("SELECT Subtotal || ' ' || Tax || ' ' || Total || ' ' || ChangeGiven FROM sale"),
                 "13250 1176 14426 574");
        QCOMPARE(counter.Stored("SELECT count(*) || ' ' || sum(Price) FROM sale_line WHERE SaleNo = 1"), "5 13250");
        QCOMPARE(run.shop.Column("SELECT Kind || ' ' || Amount FROM sale_payment ORDER BY rowid"),
                 QStringList({"Card 10000", "Cash 5000"}));

        const QString receipt = counter.PdfText("receipts/sale-000001.pdf").simplified();
        for (const char* text : {"Sale 000001", "3 Oak chair 27.50", "Subtotal 132.50", "Tax 8.875% 11.76",
                                 "Total 144.26", "Card 100.00", "Cash 50.00", "Change 5.74"})
            QVERIFY2(receipt.contains(QLatin1String(text)), text);
        QProcess pdfinfo;  // the roll's receipt is one page, however many lines
        pdfinfo.start("pdfinfo", {run.shop.Folder() + "/receipts/sale-000001.pdf"});
        pdfinfo.waitForFinished();
        QVERIFY(QString::fromUtf8(pdfinfo.readAllStandardOutput()).simplified().contains("Pages: 1 "));

        ItemScreenDriver items(run);
        items.Show("Baker", "Al");
        items.Choose(Pay);
        QCOMPARE(items.Listed(), QStringList({"Oak chair", "Pine table"}));
        QCOMPARE(items.Cell(1, 3), "19.25");
        QCOMPARE(items.Cell(2, 3), "35.00");
    }

    void refused_data()
    {
        QTest::addColumn<QList<int>>("scans");
        QTest::addColumn<int>("soldMeanwhile");
        QTest::addColumn<QString>("cash");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lines");
        QTest::newRow("unknown number") << QList{99} << 0 << "" << "Item number 99 is not known" << 0;
        QTest::newRow("not a number") << QList<int>{} << 0 << "" << "" << 0;
        QTest::newRow("rent charge") << QList{6} << 0 << "" << "Item 6 is a rent charge, not an item for sale" << 0;
        QTest::newRow("sold before") << QList{7} << 0 << "" << "Item 7 is already sold" << 0;
        QTest::newRow("scanned twice") << QList{1, 1} << 0 << "" << "Item 1 is already on this sale" << 1;
        QTest::newRow("payments short of the total") << QList{1} << 0 << "10.88" << "Cash 10.88 taken" << 1;
        QTest::newRow("sold by another screen before Complete")
            << QList{1, 2} << 2 << "40"
            << "Item 2 was sold at another till or screen since it was scanned: nothing was written. Remove its "
               "line and scan it again."
            << 2;
    }
    void refused()
    {
        QFETCH(QList<int>, scans);
        QFETCH(int, soldMeanwhile);
        QFETCH(QString, cash);
        QFETCH(QString, message);
        QFETCH(int, lines);
        RunningShop run;
        Counter counter(run);
        if (scans.isEmpty()) counter.Type("txtScan", "12a\n");
        for (int item : scans) counter.Scan(item);
        if (!cash.isEmpty()) counter.Pay(PayKind::Cash, cash);
        if (soldMeanwhile) run.shop.Exec("UPDATE item SET DateSold = '2024-02-19' WHERE ItemNo = ?", {soldMeanwhile});
        QCOMPARE(counter.CanComplete(), soldMeanwhile != 0);
        counter.Click("cmdComplete");
        QCOMPARE(counter.Text("lblMessage"), message.isEmpty() ? "Item number 12a is not known" : message);
        if (!message.startsWith(u"Cash")) QCOMPARE(counter.MessageColour(), QColor(255, 0, 0));
        QCOMPARE(counter.Lines(), lines);
        QCOMPARE(counter.Stored("SELECT count(*) FROM sale"), "0");
        QCOMPARE(counter.Stored("SELECT count(*) FROM item WHERE DateSold = '2024-02-20'"), "0");
    }

    void paymentsRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("card beyond the total")
            << int(PayKind::Card) << "11" << "Only cash gives change: a card payment can be at most the 10.89 still due";
        QTest::newRow("three decimals") << int(PayKind::Cash) << "10.899" << "Invalid amount: 10.899; an amount has at most two decimals and is below 100000000.00";
        QTest::newRow("nothing") << int(PayKind::Cash) << "0" << "A payment must be more than 0.00";
    }
    void paymentsRefused()
    {
        QFETCH(int, kind);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        counter.Pay(PayKind(kind), amount);
        QCOMPARE(counter.Text("lblMessage"), message);
        QCOMPARE(counter.Text("lstPayments"), "");
    }

    void returns_data()
    {
        QTest::addColumn<bool>("paidOut");
        QTest::addColumn<QString>("message");
        QTest::newRow("before the pay-out") << false << "Item 1 is back on sale; refund 000002 of 10.89 in cash";
        QTest::newRow("after the pay-out") << true << "The consignor has been paid for item 1: it cannot be returned";
    }
    void returns()
    {
        QFETCH(bool, paidOut);
        QFETCH(QString, message);
        RunningShop run;
        Counter counter(run);
        counter.Sell({1, 3}, PayKind::Cash, "45");
        if (paidOut) run.shop.Exec("UPDATE item SET DatePaid = '2024-02-20' WHERE ItemNo = 1");
        run.dialogs.QueueInput("1");
        run.dialogs.QueueChoice(0);
        counter.Click("cmdReturn");
        QCOMPARE(counter.Text("lblMessage"), message);
        QCOMPARE(run.shop.Column("SELECT DateSold FROM item WHERE ItemNo = 1"),
                 QStringList{paidOut ? "2024-02-20" : "NULL"});
        QCOMPARE(counter.Stored("SELECT coalesce(Returned, 'kept') FROM sale_line WHERE SaleNo = 1 AND Line = 1"),
                 paidOut ? "kept" : "2024-02-20");
        QCOMPARE(run.shop.Rows("SELECT Kind, Subtotal, Tax, Total FROM sale ORDER BY SaleNo").join("; "),
                 paidOut ? "Sale|4000|355|4355" : "Sale|4000|355|4355; Return|-1000|-89|-1089");
        QCOMPARE(QFile::exists(run.shop.Folder() + "/receipts/sale-000002.pdf"), !paidOut);
    }

    void takings_data()
    {
        QTest::addColumn<QString>("address");  // the shop's, with its name "Corner Shop"; empty for neither
        QTest::addColumn<int>("refund");  // item 1 back: 0 on the card its sale was mostly paid by, 1 in cash, -1 not
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("day");  // the CSV's record of the day's sums
        QTest::addColumn<QStringList>("pdf");
        QTest::newRow("two sales, one with change, and a refund in cash")
            << "12 High Street\nOakdale" << 1
            << "Takings of 2/20/2024\n\nSales: 2\nReturns: 1\nItems sold: 3\nItems returned: 1\n\n"
               "Subtotal: 50.00\nTax: 4.43\nTotal: 54.43\n\nCash taken: 15.00\nChange given: 2.34\n"
               "Cash refunded: 10.89\n\nIn the drawer and on account:\nCash: 1.77\nCard: 20.00\nCheck: 32.66\n"
               "Other: 0.00"
            << "Day,2024-02-20,\"2 sales, 1 returns\",3,50.00,4.43,54.43,1.77,20.00,32.66,0.00,\r"
            << QStringList{"Corner Shop 12 High Street Oakdale Takings of 2/20/2024",
                           "Refund 3",
                           "Items sold 3 Items returned 1 Subtotal 50.00 Tax 4.43 Total 54.43",
                           "Cash taken 15.00 Change given 2.34 Cash refunded 10.89",
                           "In the drawer and on account Cash 1.77 Card 20.00 Check 32.66 Other 0.00"};
        QTest::newRow("a refund on the card: no cash refunded")
            << "" << 0
            << "Takings of 2/20/2024\n\nSales: 2\nReturns: 1\nItems sold: 3\nItems returned: 1\n\n"
               "Subtotal: 50.00\nTax: 4.43\nTotal: 54.43\n\nCash taken: 15.00\nChange given: 2.34\n"
               "Cash refunded: 0.00\n\nIn the drawer and on account:\nCash: 12.66\nCard: 9.11\nCheck: 32.66\n"
               "Other: 0.00"
            << "Day,2024-02-20,\"2 sales, 1 returns\",3,50.00,4.43,54.43,12.66,9.11,32.66,0.00,\r"
            << QStringList{"Cash taken 15.00 Change given 2.34 Cash refunded 0.00"};
        QTest::newRow("two sales, no shop name")
            << "" << -1
            << "Takings of 2/20/2024\n\nSales: 2\nReturns: 0\nItems sold: 3\nItems returned: 0\n\n"
               "Subtotal: 60.00\nTax: 5.32\nTotal: 65.32\n\nCash taken: 15.00\nChange given: 2.34\n"
               "Cash refunded: 0.00\n\nIn the drawer and on account:\nCash: 12.66\nCard: 20.00\nCheck: 32.66\n"
               "Other: 0.00"
            << "Day,2024-02-20,\"2 sales, 0 returns\",3,60.00,5.32,65.32,12.66,20.00,32.66,0.00,\r"
            << QStringList{"Marquill Takings of 2/20/2024", "Cash taken 15.00 Change given 2.34 Cash refunded 0.00"};
    }
    void takings()
    {
        QFETCH(QString, address);
        QFETCH(int, refund);
        QFETCH(QString, summary);
        QFETCH(QString, day);
        QFETCH(QStringList, pdf);
        RunningShop run;
        Counter counter(run);
        if (!address.isEmpty()) run.shop.Exec("UPDATE params SET ShopName = 'Corner Shop', ShopAddress = ?", {address});
        counter.Scan(1);
        counter.Scan(2);
        counter.Pay(PayKind::Card, "20");
        counter.Sell({}, PayKind::Cash, "15");
        counter.Sell({3}, PayKind::Check, "32.66");
        if (refund >= 0) {
            run.dialogs.QueueInput("1");
            run.dialogs.QueueChoice(refund);
            counter.Click("cmdReturn");
        }
        run.dialogs.QueueInput("");
        counter.Click("cmdTakings");
        QCOMPARE(run.dialogs.Messages(), {summary});
        QFile csv(run.shop.Folder() + "/takings/takings-2024-02-20.csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> records = csv.readAll().split('\n');
        QCOMPARE(records.size(), refund >= 0 ? 6 : 5);  // heading, the sales, the refund, the day, and the end
        QCOMPARE(records[records.size() - 2], day.toUtf8());
        const QString shown = counter.PdfText("takings/takings-2024-02-20.pdf").simplified();
        for (const QString& text : pdf) QVERIFY2(shown.contains(text), qPrintable(shown));
    }

    void saleAfterTheReceipt_data()
    {
        QTest::addColumn<bool>("receiptsBlocked");
        QTest::addColumn<bool>("newestDeleted");
        QTest::addColumn<QString>("message");
        QTest::newRow("receipt cannot be written") << true << false << "Sale 000002 complete, change 0.00; the receipt failed: ";
        QTest::newRow("newest sale deleted, number kept") << false << true << "Sale 000002 complete, change 0.00";
    }
    void saleAfterTheReceipt()
    {
        QFETCH(bool, receiptsBlocked);
        QFETCH(bool, newestDeleted);
        QFETCH(QString, message);
        RunningShop run;
        Counter counter(run);
        counter.Sell({1}, PayKind::Cash, "10.89");
        if (newestDeleted) {
            // Its lines and payments first: the server keeps them tied to their sale.
            for (const char* table : {"sale_payment", "sale_line", "sale"})
                run.shop.Exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        }
        if (receiptsBlocked) {
            QDir(run.shop.Folder() + "/receipts").removeRecursively();
            QFile blocker(run.shop.Folder() + "/receipts");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        counter.Sell({2}, PayKind::Cash, "21.78");
        QVERIFY(counter.Text("lblMessage").startsWith(message));
        QCOMPARE(counter.Stored("SELECT max(SaleNo) FROM sale"), "2");
        QCOMPARE(counter.Stored("SELECT DateSold FROM item WHERE ItemNo = 2"), "2024-02-20");
        QCOMPARE(QFile::exists(run.shop.Folder() + "/receipts/sale-000002.pdf"), !receiptsBlocked);
    }

    void serverGoesAway_data()
    {
        QTest::addColumn<bool>("completing");  // else scanning item 3
        QTest::addColumn<QString>("outage");
        QTest::newRow("scan after a restart") << false << "restarted";
        QTest::newRow("scan while it is down, Retry once it is back") << false << "retry";
        QTest::newRow("scan while it is down, Cancel, then Enter again") << false << "cancel";
        QTest::newRow("Complete after a restart") << true << "restarted";
        QTest::newRow("Complete while it is down, Retry once it is back") << true << "retry";
        QTest::newRow("Complete while it is down, Cancel, then Complete again") << true << "cancel";
    }
    void serverGoesAway()
    {
        MQT_SERVER_ONLY();
        QFETCH(bool, completing);
        QFETCH(QString, outage);
        RunningShop run;
        Counter counter(run);
        counter.Scan(1);
        counter.Scan(2);
        if (completing) counter.Pay(PayKind::Cash, "40");
        const QString sums = counter.Text("lblTotal") + ' ' + counter.Text("lstPayments");
        if (outage == u"restarted") {
            RestartTestServer();
        } else {
            StopTestServer();
            run.dialogs.QueueRetry(outage == u"retry", StartTestServer);
        }
        if (completing)
            counter.Click("cmdComplete");
        else
            counter.Scan(3);
        QCOMPARE(run.dialogs.RetryBoxes(),
                 outage == u"restarted" ? QStringList{} : QStringList{"The shop's server cannot be reached; retrying"});
        if (outage == u"cancel") {
            QCOMPARE(counter.Lines(), 2);
            QCOMPARE(counter.Text("lblTotal") + ' ' + counter.Text("lstPayments"), sums);
            QCOMPARE(counter.Text("txtScan"), completing ? "" : "3");
            QCOMPARE(counter.Stored("SELECT count(*) FROM sale"), "0");
            if (completing)
                counter.Click("cmdComplete");
            else
                QTest::keyClick(counter.Find("txtScan"), Qt::Key_Return);
        }
        QCOMPARE(run.dialogs.Errors(), QStringList{});
        if (!completing) {
            QCOMPARE(counter.Text("lblMessage"), "Item 3 added");
            QCOMPARE(counter.Lines(), 3);
            return;
        }
        QCOMPARE(counter.Text("lblMessage"), "Sale 000001 complete, change 7.34");
        QCOMPARE(counter.Lines(), 0);
        QCOMPARE(counter.Stored("SELECT count(*) || ' ' || sum(Total) FROM sale"), "1 3266");
        QCOMPARE(counter.Stored("SELECT count(*) || ' ' || sum(Price) FROM sale_line"), "2 3000");
        QCOMPARE(counter.Stored("SELECT count(*) || ' ' || sum(Amount) FROM sale_payment"), "1 4000");
        QCOMPARE(run.shop.Column("SELECT DateSold FROM item WHERE ItemNo <= 2 GROUP BY DateSold"), {"2024-02-20"});
    }

    void versionOneFileGainsTheCounter()
    {
        MQT_FILE_ONLY();  // a server shop is made at the newest version
        RunningShop run{TempShop::FirstSchema{}};
        run.shop.Exec("INSERT INTO params (Commission, Rounding, PriceOverride, Backup) VALUES (0, 0, 0, ' ')");
        run.shop.AddItem("Adams", "Al", "Blue vase", {QVariant(), QVariant(), 7.0, 10.0});
        {
            Connection connection = Connection::Open(run.shop.DatabasePath());
            AddItemNumbersAndShopAddress(connection);
            connection.Execute("PRAGMA user_version = 1");
        }
        QVERIFY(run.Start());
        QCOMPARE(run.shop.Value("PRAGMA user_version").toInt(), CurrentSchemaVersion());
        QCOMPARE(run.Shared().Settings.TaxRate, 0);
        const QStringList copies = QDir(run.shop.Folder() + "/safety").entryList({"*.mqt"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        Connection copy = Connection::OpenReadOnly(run.shop.Folder() + "/safety/" + copies.front());
        Statement version(copy, "PRAGMA user_version");
        QVERIFY(version.Step());
        QCOMPARE(version.ColumnInt64(0), 1);

        ScreenDriver counter(run, MenuEntry::Checkout);
        counter.Type("txtScan", "1\n");
        QCOMPARE(counter.Text("lblTotal"), "10.00");
    }

    void taxRateSetting_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tax");
        QTest::newRow("three decimals") << "7.125" << "0.71";
        QTest::newRow("no tax") << "0" << "0.00";
        QTest::newRow("the largest rate") << "30" << "3.00";
        QTest::newRow("beyond the largest is refused") << "30.5" << "0.89";
    }
    void taxRateSetting()
    {
        QFETCH(QString, typed);
        QFETCH(QString, tax);
        RunningShop run;
        Counter counter(run);
        ScreenDriver params(run, MenuEntry::Parameters);
        params.Type("txtTaxRate", typed);
        params.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors().isEmpty(), ReadTaxRate(typed).has_value());
        counter.Scan(1);
        QCOMPARE(counter.Text("lblTax"), tax);
        run.Start();
        QCOMPARE(run.Shared().Settings.TaxRate, ReadTaxRate(typed).value_or(8875));
    }
};

QTEST_MAIN(TestCheckout)
#include "test_checkout.moc"
