// SPDX-License-Identifier: GPL-3.0-or-later
// The End of Term screen driven through its controls: rows chosen by
// clicking, the question, what the chosen action writes, and the lists.
#include "shell/Grid.h"
#include "support/ScreenDriver.h"

#include <QFile>
#include <QSpinBox>
#include <QtTest>

using namespace mqt;
using test::RunningShop;
using test::ScreenDriver;

namespace {

const QDate Today(2027, 3, 1);

// Three ended items of two consignors; Bo Abel's are listed first.
void AddEndedItems(const test::TempShop& shop)
{
    shop.AddItem("Lee", "Ann", "Wool coat", {"Coats", "", 6.0, 12.5, "2026-09-01"});
    shop.AddItem("Abel", "Bo", "Hat", {"Hats", "", 2.0, 4.0, "2026-09-01"});
    shop.AddItem("Abel", "Bo", "Scarf", {"Hats", "", 3.0, 6.0, "2026-09-02"});
    shop.Exec("UPDATE item SET Status = 'ended', StatusDate = '2027-02-20'");
    shop.AddConsignor("Abel", "Bo");
    shop.Exec("UPDATE consignor SET EndOfTerm = 'returned'");
    shop.Exec("UPDATE params SET EndOfTerm = 'donated'");
}

}  // namespace

class TestFrmTerms : public QObject {
    Q_OBJECT
private slots:
    void donatesTheChosenRows_data()
    {
        QTest::addColumn<bool>("changedMeanwhile");
        QTest::newRow("as read") << false;
        QTest::newRow("changed at another till") << true;
    }
    void donatesTheChosenRows()
    {
        QFETCH(bool, changedMeanwhile);
        RunningShop run;
        run.clock.SetToday(Today);
        QVERIFY(run.Start());  // the first start makes the params row
        AddEndedItems(run.shop);
        ScreenDriver screen(run, MenuEntry::EndOfTerm);
        const QStringList numbers = run.shop.Column("SELECT ItemNo FROM item ORDER BY ItemNo");

        screen.ClickRow(1);  // Bo Abel's hat
        screen.ClickRow(2);
        screen.ClickRow(2);  // a second click takes the scarf off again
        screen.ClickRow(3);  // Ann Lee's coat
        QCOMPARE(screen.RowColour(2), RowWhite);
        QCOMPARE(screen.RowColour(3), RowYellow);
        run.dialogs.QueueAnswer(Yes, [&] {
            if (changedMeanwhile) run.shop.Exec("UPDATE item SET Notes = 'x' WHERE ItemDesc = 'Hat'");
        });
        screen.Click("cmdDonated");

        QCOMPARE(run.dialogs.Questions(),
                 QStringList{"Mark 2 items donated? 1 of them was agreed to be returned to their consignor."});
        if (changedMeanwhile) {
            QCOMPARE(run.dialogs.Errors().size(), 1);
            QVERIFY(run.dialogs.Errors()[0].startsWith(QStringLiteral("Item %1 ").arg(numbers[1])));
            QCOMPARE(run.shop.Value("SELECT COUNT(*) FROM item_left").toInt(), 0);
            return;
        }
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.shop.Rows("SELECT ItemDesc, LeftAs, LeftOn FROM item_left ORDER BY ItemNo"),
                 (QStringList{"Wool coat|donated|2027-03-01", "Hat|donated|2027-03-01"}));
        // The list is read again: the scarf alone is left.
        QCOMPARE(screen.Find<Grid>("Grid")->Rows(), 2);
        QCOMPARE(screen.Find<Grid>("Grid")->TextMatrix(1, 2), "Scarf");

        screen.Click("cmdDonationList");
        QVERIFY(QFile::exists(run.shop.Folder() + "/terms/donations-2027-03-01.pdf"));
        screen.ClickRow(1);
        screen.Click("cmdPickupList");
        QVERIFY(QFile::exists(run.shop.Folder() + "/terms/pickup-Abel-Bo-2027-03-01.pdf"));
        QCOMPARE(run.dialogs.Errors(), QStringList());
    }

    void withinDaysListsTermsEndingSoon()
    {
        RunningShop run;
        run.clock.SetToday(Today);
        QVERIFY(run.Start());
        run.shop.Exec("UPDATE params SET TermDays = 90");
        run.shop.AddItem("Lee", "Ann", "Lamp", {"Home", "", 5.0, 10.0, "2026-12-05"});  // ends 3/5/2027
        ScreenDriver screen(run, MenuEntry::EndOfTerm);
        QCOMPARE(screen.Find<Grid>("Grid")->Rows(), 1);
        screen.Find<QSpinBox>("txtWithinDays")->setValue(7);
        QCOMPARE(screen.Find<Grid>("Grid")->Rows(), 2);
        QCOMPARE(screen.Find<Grid>("Grid")->TextMatrix(1, 5), "Ends 3/5/2027");
    }
};

QTEST_MAIN(TestFrmTerms)
#include "test_frmterms.moc"
