// SPDX-License-Identifier: GPL-3.0-or-later
// Rent charging at start-up, against a real shop database and a fixed day.

#include "support/RunningShop.h"

#include <QtTest>

using namespace mqt;

namespace {

const QString Smith = QStringLiteral("Smith");
const QString Ann = QStringLiteral("Ann");

// The shop's items as "description|cost price", in the order they were booked.
QStringList Items(const test::TempShop& shop)
{
    return shop.Rows(QStringLiteral("select ItemDesc, CostPrice from item order by rowid"));
}

QString Notes(const test::TempShop& shop, const QString& last)
{
    return shop.Value(QStringLiteral("select Notes from consignor where LastName = ?"), {last}).toString();
}

}  // namespace

class TestChargeRent : public QObject {
    Q_OBJECT

private slots:
    void workedExampleAcrossThreeStartUps()
    {
        test::RunningShop run;
        run.shop.AddConsignor(Smith, Ann,
                              QStringLiteral("Space B $Rent=(amount=50,due=01/15/2024,interval=1) paid by cheque"));

        QVERIFY(run.Start());
        QCOMPARE(Notes(run.shop, Smith), "Space B $Rent=(amount=50,Due=02/15/2024,interval=1) paid by cheque");
        QCOMPARE(run.shop.Rows(QStringLiteral(
                     "select LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, SalePrice, DateAdded, "
                     "DateSold, DatePaid, PayRef, Notes from item")),
                 QStringList{"Smith|Ann|Rent - 01/15/2024|$Rent|NULL|-50|0|2024-01-15|2024-01-15|NULL|NULL|NULL"});

        QVERIFY(run.Start());
        QCOMPARE(Notes(run.shop, Smith), "Space B $Rent=(amount=50,Due=03/15/2024,interval=1) paid by cheque");
        QCOMPARE(Items(run.shop), (QStringList{"Rent - 01/15/2024|-50", "Rent - 02/15/2024|-50"}));

        QVERIFY(run.Start());
        QCOMPARE(Notes(run.shop, Smith), "Space B $Rent=(amount=50,Due=03/15/2024,interval=1) paid by cheque");
        QCOMPARE(Items(run.shop).size(), 2);
        QVERIFY(run.dialogs.Errors().isEmpty());
    }

    void clauses_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("startUps");
        QTest::addColumn<QString>("notesAfter");  // empty: unchanged
        QTest::addColumn<QStringList>("items");

        const QDate feb20(2024, 2, 20);
        const QStringList none;
        const QStringList jan15{"Rent - 01/15/2024|-50"};

        QTest::newRow("upper-case word and keys are recognised")
            << "$RENT=(AMOUNT=50,DUE=01/15/2024)" << feb20 << 1 << "$Rent=(AMOUNT=50,Due=02/15/2024)" << jan15;
        QTest::newRow("a key with a leading blank is not recognised")
            << "$RENT=(AMOUNT=50, due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("no interval: periods of one month")
            << "$rent=(amount=50,due=01/15/2024)" << feb20 << 1 << "$Rent=(amount=50,Due=02/15/2024)" << jan15;
        QTest::newRow("interval 0: charged once, due date kept")
            << "$Rent=(amount=50,due=01/15/2024,interval=0)" << feb20 << 3
            << "$Rent=(amount=50,Due=01/15/2024,interval=0)" << jan15;
        QTest::newRow("month end clamps and the clamped day carries on")
            << "$Rent=(amount=10,due=01/31/2024,interval=1)" << QDate(2024, 3, 28) << 3
            << "$Rent=(amount=10,Due=03/29/2024,interval=1)"
            << QStringList{"Rent - 01/31/2024|-10", "Rent - 02/29/2024|-10"};
        QTest::newRow("a quarter")
            << "$Rent=(interval=3,amount=75.5,due=11/30/2023)" << feb20 << 2
            << "$Rent=(interval=3,amount=75.5,Due=02/29/2024)"
            << QStringList{"Rent - 11/30/2023|-75.5"};
        QTest::newRow("amount 0 is never charged")
            << "$Rent=(amount=0,due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("missing amount is never charged") << "$Rent=(due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("negative amount is never charged")
            << "$Rent=(amount=-5,due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("cents are stored as written")
            << "$Rent=(amount=50.10,due=01/15/2024)" << feb20 << 1 << "$Rent=(amount=50.10,Due=02/15/2024)"
            << QStringList{"Rent - 01/15/2024|-50.1"};
        QTest::newRow("due today is charged")
            << "$Rent=(amount=50,due=02/20/2024)" << feb20 << 1 << "$Rent=(amount=50,Due=03/20/2024)"
            << QStringList{"Rent - 02/20/2024|-50"};
        QTest::newRow("due tomorrow is not") << "$Rent=(amount=50,due=02/21/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("no due date: not before 2099") << "$Rent=(amount=50)" << feb20 << 1 << "" << none;
        QTest::newRow("no ( after the word") << "$rent is 50 a month" << feb20 << 1 << "" << none;
        QTest::newRow("( before the word only") << "(paid) $Rent=amount=50,due=01/15/2024" << feb20 << 1 << "" << none;
        QTest::newRow("no ) after the (") << "$Rent=(amount=50,due=01/15/2024" << feb20 << 1 << "" << none;
        QTest::newRow("due date that is no date") << "$Rent=(amount=50,due=02/30/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("interval beyond 16 bits") << "$Rent=(amount=50,due=01/15/2024,interval=40000)" << feb20 << 1
                                                 << "" << none;
        QTest::newRow("negative interval") << "$Rent=(amount=50,due=01/15/2024,interval=-1)" << feb20 << 1 << ""
                                           << none;
        QTest::newRow("amount too large to hold")
            << "$Rent=(amount=999999999999999999999999999999999999999999,due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("four items are all kept")
            << "$Rent=(amount=50,due=01/15/2024,interval=1,booth=7)" << feb20 << 1
            << "$Rent=(amount=50,Due=02/15/2024,interval=1,booth=7)" << jan15;
        QTest::newRow("later key overrides, earlier due item kept")
            << "$Rent=(due=01/01/2024,amount=50,due=01/15/2024)" << feb20 << 1
            << "$Rent=(due=01/01/2024,amount=50,Due=02/15/2024)" << jan15;
        QTest::newRow("quotes around an item are dropped")
            << "$Rent=(amount=50,\"note=front, left\",due=01/15/2024)" << feb20 << 1
            << "$Rent=(amount=50,note=front, left,Due=02/15/2024)" << jan15;
        QTest::newRow("several lines, text before ( dropped, the rest kept")
            << "Booth 4\r\nRent: $rent = (amount=50,due=1/15/24)\r\nO'Neil's cheque" << feb20 << 1
            << "Booth 4\r\nRent: $Rent=(amount=50,Due=02/15/2024)\r\nO'Neil's cheque" << jan15;
        QTest::newRow("a later amount overrides an empty one")
            << "$Rent=(AMOUNT=,amount=3,due=01/15/2024)" << feb20 << 1 << "$Rent=(AMOUNT=,amount=3,Due=02/15/2024)"
            << QStringList{"Rent - 01/15/2024|-3"};
        QTest::newRow("a later amount overrides one too large to hold")
            << "$Rent=(amount=999999999999999999999999999999999999999999,amount=50,due=01/15/2024)" << feb20 << 1
            << "$Rent=(amount=999999999999999999999999999999999999999999,amount=50,Due=02/15/2024)" << jan15;
        QTest::newRow("amount that is no number reads as 0: never charged")
            << "$Rent=(amount=abc,due=01/15/2024)" << feb20 << 1 << "" << none;
        QTest::newRow("interval that is no number reads as 0: charged once")
            << "$Rent=(amount=50,due=01/15/2024,interval=monthly)" << feb20 << 2
            << "$Rent=(amount=50,Due=01/15/2024,interval=monthly)" << jan15;
        QTest::newRow("a due date that is no date, mended by a later one")
            << "$Rent=(amount=50,due=next week,due=01/15/2024)" << feb20 << 1
            << "$Rent=(amount=50,due=next week,Due=02/15/2024)" << jan15;
        QTest::newRow("an interval beyond 16 bits, mended by a later one")
            << "$Rent=(amount=50,interval=40000,due=01/15/2024,interval=1)" << feb20 << 1
            << "$Rent=(amount=50,interval=40000,Due=02/15/2024,interval=1)" << jan15;
        QTest::newRow("a due date undone by a later one that is no date")
            << "$Rent=(amount=50,due=01/15/2024,due=someday)" << feb20 << 1 << "" << none;
        QTest::newRow("several periods back: one per start-up")
            << "$Rent=(amount=50,due=11/15/2023)" << feb20 << 2 << "$Rent=(amount=50,Due=01/15/2024)"
            << QStringList{"Rent - 11/15/2023|-50", "Rent - 12/15/2023|-50"};
    }

    void clauses()
    {
        QFETCH(QString, notes);
        QFETCH(QDate, today);
        QFETCH(int, startUps);
        QFETCH(QString, notesAfter);
        QFETCH(QStringList, items);

        test::RunningShop run;
        run.clock.SetToday(today);
        run.shop.AddConsignor(Smith, Ann, notes);
        for (int i = 0; i < startUps; ++i) QVERIFY(run.Start());

        QCOMPARE(Notes(run.shop, Smith), notesAfter.isEmpty() ? notes : notesAfter);
        QCOMPARE(Items(run.shop), items);
        QVERIFY(run.dialogs.Errors().isEmpty());
    }

    void unreadableClauseIsNamed_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("named");

        QTest::newRow("amount that is no number reads as 0") << "$Rent=(amount=abc,due=01/15/2024)" << false;
        QTest::newRow("amount with a dollar sign reads as 0") << "$Rent=(amount=$40,due=01/15/2024)" << false;
        QTest::newRow("empty amount reads as 0") << "$Rent=(amount=,due=01/15/2024)" << false;
        QTest::newRow("empty amount overridden by a later one") << "$Rent=(AMOUNT=,amount=3)" << false;
        QTest::newRow("amount too large to hold") << "$Rent=(amount=1" + QString(40, u'0') + ",due=01/15/2024)"
                                                  << true;
        QTest::newRow("amount too large to hold, overridden by a later one")
            << "$Rent=(amount=1" + QString(40, u'0') + ",amount=50,due=01/15/2024)" << false;
        QTest::newRow("due date that does not exist") << "$Rent=(amount=50,due=02/30/2024)" << true;
        QTest::newRow("due date that is no date") << "$Rent=(amount=50,due=next week)" << true;
        QTest::newRow("due date that is no date, mended by a later one")
            << "$Rent=(amount=50,due=next week,due=01/15/2024)" << false;
        QTest::newRow("a later due date that is no date") << "$Rent=(amount=50,due=01/15/2024,due=someday)" << true;
        QTest::newRow("interval that is no number reads as 0")
            << "$Rent=(amount=50,due=01/15/2024,interval=monthly)" << false;
        QTest::newRow("interval beyond 16 bits") << "$Rent=(amount=50,due=01/15/2024,interval=40000)" << true;
        QTest::newRow("interval beyond 16 bits, mended by a later one")
            << "$Rent=(amount=50,interval=40000,due=12/15/2024,interval=1)" << false;
        QTest::newRow("a later interval beyond 16 bits") << "$Rent=(amount=50,interval=1,interval=40000)" << true;
        QTest::newRow("no ( after the word") << "$rent is 50 a month" << true;
        QTest::newRow("no ) after the (") << "$Rent=(amount=50,due=01/15/2024" << true;
        QTest::newRow("good clause, charged") << "$Rent=(amount=50,due=01/15/2024)" << false;
        QTest::newRow("good clause, not yet due") << "$Rent=(amount=50,due=12/15/2024)" << false;
        QTest::newRow("amount 0 pauses the rent") << "$Rent=(amount=0,due=01/15/2024)" << false;
        QTest::newRow("amount read up to a word") << "$Rent=(amount=50 dollars,due=01/15/2024)" << false;
        QTest::newRow("no clause at all") << "pays by cheque" << false;
    }

    void unreadableClauseIsNamed()
    {
        QFETCH(QString, notes);
        QFETCH(bool, named);
        const QString message =
            QStringLiteral("Rent not charged for Baker, Al: the rent clause in the notes cannot be read");

        test::RunningShop run;
        run.clock.SetToday(QDate(2024, 2, 20));
        run.shop.AddConsignor(QStringLiteral("Baker"), QStringLiteral("Al"), notes);
        for (int start = 0; start < 2; ++start) {
            run.dialogs.Clear();
            QVERIFY(run.Start());
            QCOMPARE(run.dialogs.Messages(), named ? QStringList{message} : QStringList{});
        }
        if (named) {
            QCOMPARE(Notes(run.shop, QStringLiteral("Baker")), notes);
            QCOMPARE(Items(run.shop), QStringList{});
        }
    }

    void unreadableClausesShareOneMessage()
    {
        test::RunningShop run;
        run.shop.AddConsignor(QStringLiteral("Young"), QStringLiteral("Yan"), QStringLiteral("$Rent=(interval=x,interval=-2)"));
        run.shop.AddConsignor(QStringLiteral("Adams"), QStringLiteral("Al"), QStringLiteral("$Rent=(due=13/1/2024)"));
        run.shop.AddConsignor(Smith, Ann, QStringLiteral("$Rent=(amount=50,due=01/15/2024)"));
        QVERIFY(run.Start());
        QCOMPARE(run.dialogs.Messages(),
                 QStringList{"Rent not charged for Adams, Al: the rent clause in the notes cannot be read\n"
                             "Rent not charged for Young, Yan: the rent clause in the notes cannot be read"});
        QCOMPARE(Items(run.shop), QStringList{"Rent - 01/15/2024|-50"});
    }

    void existingRentItemIsNotBookedTwice()
    {
        test::RunningShop run;
        run.shop.AddConsignor(Smith, Ann, QStringLiteral("$Rent=(amount=50,due=01/15/2024)"));
        run.shop.AddItem(QStringLiteral("SMITH"), QStringLiteral("ann"), QStringLiteral("Rent - 01/15/2024"),
                         {QStringLiteral("$Rent"), {}, -45.0});
        QVERIFY(run.Start());
        QCOMPARE(Notes(run.shop, Smith), "$Rent=(amount=50,Due=02/15/2024)");
        QCOMPARE(Items(run.shop), QStringList{"Rent - 01/15/2024|-45"});
    }

    void consignorsInLastNameOrder()
    {
        test::RunningShop run;
        const QString clause = QStringLiteral("$Rent=(amount=20,due=02/01/2024)");
        run.shop.AddConsignor(QStringLiteral("Young"), QStringLiteral("Yan"), clause);
        run.shop.AddConsignor(QStringLiteral("adams"), QStringLiteral("Al"), clause);
        run.shop.AddConsignor(QStringLiteral("Zimmer"), QStringLiteral("Zoe"), QStringLiteral("$rent, see the book"));
        run.shop.AddConsignor(QStringLiteral("Miller"), QStringLiteral("Mo"), clause);
        run.shop.AddConsignor(QStringLiteral("Baker"), QStringLiteral("Bo"), QStringLiteral("no rent"));
        run.shop.AddConsignor(QString(), QStringLiteral("Nameless"), clause);
        QVERIFY(run.Start());

        QCOMPARE(run.shop.Column(QStringLiteral("select LastName from item order by rowid")),
                 (QStringList{"adams", "Miller", "Young"}));
        QCOMPARE(run.Shared().CurrentLastName, "Zimmer");
        QCOMPARE(run.Shared().CurrentFirstName, "Zoe");
        QCOMPARE(run.shop.Value(QStringLiteral("select Notes from consignor where FirstName = 'Nameless'")).toString(),
                 clause);
    }

    void failedBookingLeavesTheClauseAndStopsStartUp()
    {
        test::RunningShop run;
        const QString clause = QStringLiteral("$Rent=(amount=50,due=01/15/2024)");
        run.shop.AddConsignor(Smith, Ann, clause);
        run.shop.RefuseItemWrites(QStringLiteral("BEFORE INSERT"), QStringLiteral("the item table takes no rows"));
        QVERIFY(!run.Start());
        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY(run.dialogs.Errors().first().contains(QStringLiteral("the item table takes no rows")));
        QCOMPARE(Notes(run.shop, Smith), clause);
    }

    void failureForOneConsignorChargesNobody()
    {
        test::RunningShop run;
        const QString clause = QStringLiteral("$Rent=(amount=50,due=01/15/2024)");
        run.shop.AddConsignor(QStringLiteral("Adams"), Ann, clause);
        run.shop.AddConsignor(Smith, Ann, clause);
        run.shop.RefuseItemWrites(QStringLiteral("BEFORE INSERT WHEN NEW.LastName = 'Smith'"),
                                  QStringLiteral("no rent for Smith"));
        QVERIFY(!run.Start());
        QCOMPARE(Notes(run.shop, QStringLiteral("Adams")), clause);
        QCOMPARE(Items(run.shop), QStringList{});
    }
};

QTEST_MAIN(TestChargeRent)
#include "test_chargerent.moc"
