// SPDX-License-Identifier: GPL-3.0-or-later
// Writes prepared from an earlier read: the item screen's Change, Delete and
// Pay, and the counter's Complete, while another till (another connection)
// or another screen writes the same item in between. Nothing is written over
// the other write, and the refusal says what happened.

#include "item/ItemScreenDriver.h"
#include "shell/MenuEntries.h"

#include <QtTest>

using namespace mqt;
using namespace mqt::test;

namespace {

const QVariant None;

enum class Meanwhile { Sold, Paid, Returned, Repriced, Deleted };

// Another till's write on the lamp, item 1.
void WriteMeanwhile(TempShop& shop, Meanwhile write)
{
    switch (write) {
    case Meanwhile::Sold:
        shop.Exec("UPDATE item SET DateSold = '2024-02-19' WHERE ItemNo = 1");
        break;
    case Meanwhile::Paid:
        shop.Exec("UPDATE item SET DatePaid = '2024-02-19', PayRef = 'other' WHERE ItemNo = 1");
        break;
    case Meanwhile::Returned:
        shop.Exec("UPDATE item SET DateSold = NULL WHERE ItemNo = 1");
        break;
    case Meanwhile::Repriced:
        shop.Exec("UPDATE item SET SalePrice = 377.35, CostPrice = 264.15 WHERE ItemNo = 1");
        break;
    case Meanwhile::Deleted:
        shop.Exec("DELETE FROM item WHERE ItemNo = 1");
        break;
    }
}

}  // namespace

class TestLostUpdates : public QObject {
    Q_OBJECT

private slots:
    void itemScreen_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("sold");  // the lamp as listed
        QTest::addColumn<int>("meanwhile");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("stored");  // DateSold|DatePaid|SalePrice afterwards
        const QString since = "Item 1 %1 at another till or screen since you opened it: nothing was changed. Look it "
                              "up again.";
        const QString skipped = "0 Items paid; 1 of the chosen items skipped, changed at another till or screen "
                                "since the list was shown: 1 %1. Look them up again.";
        QTest::newRow("change keeps a sale made meanwhile")
            << int(Change) << false << int(Meanwhile::Sold) << since.arg("was sold") << "2024-02-19|NULL|50";
        QTest::newRow("change keeps a pay-out made meanwhile")
            << int(Change) << true << int(Meanwhile::Paid) << since.arg("was paid out") << "2024-02-01|2024-02-19|50";
        QTest::newRow("change keeps a price set meanwhile")
            << int(Change) << false << int(Meanwhile::Repriced) << since.arg("had its price changed")
            << "NULL|NULL|377.35";
        QTest::newRow("delete keeps an item sold while asking")
            << int(Delete) << false << int(Meanwhile::Sold) << since.arg("was sold") << "2024-02-19|NULL|50";
        QTest::newRow("pay skips an item returned meanwhile")
            << int(Pay) << true << int(Meanwhile::Returned) << skipped.arg("returned") << "NULL|NULL|50";
        QTest::newRow("pay skips an item paid meanwhile")
            << int(Pay) << true << int(Meanwhile::Paid) << skipped.arg("paid out") << "2024-02-01|2024-02-19|50";
    }

    void itemScreen()
    {
        QFETCH(int, action);
        QFETCH(bool, sold);
        QFETCH(int, meanwhile);
        QFETCH(QString, error);
        QFETCH(QString, stored);
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Lamp",
                         {None, None, 35.0, 50.0, "2024-01-02", sold ? QVariant("2024-02-01") : None});
        ItemScreenDriver screen(run);
        screen.Show("Jones", "Bob");
        const auto write = [&] { WriteMeanwhile(run.shop, Meanwhile(meanwhile)); };
        if (action == Delete) {
            run.dialogs.QueueAnswer(Yes, write);
            screen.Choose(Delete);
            screen.ClickRow(1);
        } else if (action == Change) {
            screen.Choose(Change);
            screen.ClickRow(1);
            screen.Type("txtNotes", "chipped");
            write();
            screen.Click("cmdUpdate");
        } else {
            screen.Choose(Pay);
            screen.Type("txtPayRef", "mine");
            write();
            screen.Click("cmdUpdate");
        }
        QCOMPARE(run.dialogs.Errors(), QStringList{error});
        QCOMPARE(QStringList({screen.Stored("Lamp", "DateSold"), screen.Stored("Lamp", "DatePaid"),
                              screen.Stored("Lamp", "SalePrice")})
                     .join(u'|'),
                 stored);
        QCOMPARE(run.shop.Value("SELECT count(*) FROM item WHERE Notes = 'chipped' OR PayRef = 'mine'").toInt(), 0);
    }

    // The counter sells only items still as it scanned them: another
    // screen's price change before Complete refuses the sale, which names
    // the line and keeps it.
    void counterSellsAtTheScannedPrice()
    {
        RunningShop run;
        run.clock.SetToday(QDate(2024, 2, 20));
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "Lamp", {None, None, 35.0, 50.0, "2024-01-02"});
        ScreenDriver counter(ScreenDriver::Started(run), MenuEntry::Checkout);
        counter.Type("txtScan", "1\n");
        WriteMeanwhile(run.shop, Meanwhile::Repriced);
        counter.Type("txtPayAmount", "60");
        counter.Click("cmdAddPayment");
        counter.Click("cmdComplete");
        QCOMPARE(counter.Text("lblMessage"), "Item 1 had its price changed at another till or screen since it was "
                                             "scanned: nothing was written. Remove its line and scan it again.");
        QCOMPARE(run.shop.Value("SELECT count(*) FROM sale").toInt(), 0);
        QCOMPARE(run.shop.Value("SELECT count(*) FROM item WHERE DateSold IS NULL").toInt(), 1);
    }

    // A consignor Change opened before another till charged rent writes
    // nothing: its boxes would put back the old rent clause.
    void consignorChangeKeepsRentCharged()
    {
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob", "$Rent=(due=1/1/2024)");
        ScreenDriver screen(ScreenDriver::Started(run), MenuEntry::Consignors);
        screen.Click("cmdShow");
        screen.ClickRow(1);
        screen.Click("optAction(1)");  // Change
        run.shop.Exec("UPDATE consignor SET Notes = '$Rent=(due=2/1/2024)'");
        screen.Type("txtPhone", "555");
        screen.Click("cmdUpdate");
        QCOMPARE(run.dialogs.Errors(), QStringList{"Consignor Jones, Bob was changed at another till or screen since "
                                                   "you opened it: nothing was changed. Look it up again."});
        QCOMPARE(run.shop.Column("SELECT Notes FROM consignor"), QStringList{"$Rent=(due=2/1/2024)"});
        QCOMPARE(run.shop.Value("SELECT count(*) FROM consignor WHERE Phone = '555'").toInt(), 0);
    }

    // Delete Paid Items deletes exactly the items its question counted:
    // one paid while the question was up makes it ask again.
    void deletePaidItemsAsksAgain()
    {
        RunningShop run;
        run.shop.AddConsignor("Jones", "Bob");
        run.shop.AddItem("Jones", "Bob", "A", {None, None, 5.0, 7.0, "2024-01-02", "2024-01-10", "2024-01-20"});
        run.shop.AddItem("Jones", "Bob", "B", {None, None, 5.0, 7.0, "2024-01-02", "2024-01-10"});
        QVERIFY(run.Start());
        run.dialogs.QueueInput("2/1/2024");
        run.dialogs.QueueAnswer(Yes, [&] {
            run.shop.Exec("UPDATE item SET DatePaid = '2024-01-25' WHERE ItemDesc = 'B'");
        });
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);
        const QString question =
            "Are you sure you want to delete all paid items prior to 2/1/2024\n%1 item%2 will be deleted";
        QCOMPARE(run.dialogs.Questions(),
                 (QStringList{question.arg(1).arg(""), "The paid items changed at another till or screen since they were "
                                               "counted.\n" + question.arg(2).arg("s")}));
        QCOMPARE(run.dialogs.Messages(), QStringList{"2 items deleted"});
        QCOMPARE(run.shop.Value("SELECT count(*) FROM item").toInt(), 0);
    }

    // The row version moves on every update, also one made behind the
    // program's back, and not when an item is first stored and numbered.
    void versionMovesOnEveryUpdate()
    {
        TempShop shop;
        shop.AddConsignor("Jones", "Bob");
        shop.AddItem("Jones", "Bob", "Lamp", {});
        QCOMPARE(shop.Value("SELECT RowVersion FROM item").toInt(), 0);
        shop.Exec("UPDATE item SET Notes = 'a'");
        shop.Exec("UPDATE item SET Notes = 'b'");
        QCOMPARE(shop.Value("SELECT RowVersion FROM item").toInt(), 2);
        shop.Exec("UPDATE consignor SET Notes = 'x'");
        QCOMPARE(shop.Value("SELECT RowVersion FROM consignor").toInt(), 1);
    }
};

QTEST_MAIN(TestLostUpdates)
#include "test_lostupdates.moc"
