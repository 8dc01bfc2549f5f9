// SPDX-License-Identifier: GPL-3.0-or-later
// Deleting paid items from the menu, against a real shop database.

#include "support/RunningShop.h"
#include "utility/DeletePaidItems.h"

#include <QtTest>

using namespace mqt;

namespace {

const QString Prompt = QStringLiteral("Enter date prior to which paid items will be deleted");

// Items as "description" of every kind the purge must tell apart.
void AddItems(const test::TempShop& shop)
{
    const QString last = QStringLiteral("Smith"), first = QStringLiteral("Ann");
    const QVariant none;
    auto add = [&](const char* desc, const QVariant& category, double cost, const QVariant& sold, const QVariant& paid) {
        shop.AddItem(last, first, QLatin1String(desc), {category, none, cost, 20.0, "2024-01-02", sold, paid});
    };
    add("paid 02/28", none, 15.0, "2024-02-01", "2024-02-28");
    add("paid 03/01", none, 15.0, "2024-02-01", "2024-03-01");
    add("paid but never sold", none, 15.0, none, "2024-01-01");
    add("sold, not paid", none, 15.0, "2024-01-01", none);
    add("in stock", none, 15.0, none, none);
    add("Rent - 01/15/2024", "$Rent", -50.0, "2024-01-15", "2024-02-10");
    add("Rent - 02/15/2024", "$Rent", -50.0, "2024-02-15", none);
}

QStringList Remaining(const test::TempShop& shop)
{
    return shop.Column(QStringLiteral("select ItemDesc from item order by rowid"));
}

QStringList AllBut(const test::TempShop& shop, const QStringList& deleted)
{
    QStringList items = Remaining(shop);
    for (const QString& item : deleted) items.removeOne(item);
    return items;
}

}  // namespace

class TestDeletePaidItems : public QObject {
    Q_OBJECT

private slots:
    void deletesSoldItemsPaidBeforeTheDate_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("shownDate");
        QTest::addColumn<QStringList>("deleted");

        QTest::newRow("paid the day before goes, paid on the day stays")
            << "03/01/2024" << "3/1/2024" << QStringList{"paid 02/28", "Rent - 01/15/2024"};
        QTest::newRow("paid rent items go like any other") << "2/11/2024" << "2/11/2024"
                                                           << QStringList{"Rent - 01/15/2024"};
        QTest::newRow("a later date takes both")
            << "3/2/24" << "3/2/2024" << QStringList{"paid 02/28", "paid 03/01", "Rent - 01/15/2024"};
        QTest::newRow("month name") << "Feb 29, 2024" << "2/29/2024"
                                    << QStringList{"paid 02/28", "Rent - 01/15/2024"};
        QTest::newRow("time of day: paid on that day is before it")
            << "3/1/2024 10:30" << "3/1/2024 10:30:00"
            << QStringList{"paid 02/28", "paid 03/01", "Rent - 01/15/2024"};
        QTest::newRow("nothing paid before the date") << "1/1/2024" << "1/1/2024" << QStringList();
    }

    void deletesSoldItemsPaidBeforeTheDate()
    {
        QFETCH(QString, entered);
        QFETCH(QString, shownDate);
        QFETCH(QStringList, deleted);

        test::RunningShop run;
        AddItems(run.shop);
        const QStringList kept = AllBut(run.shop, deleted);
        QVERIFY(run.Start());
        run.dialogs.QueueInput(entered);
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);

        QCOMPARE(run.dialogs.Texts(test::ScriptedDialogs::Kind::Input), QStringList{Prompt});
        const QString count = deleted.size() == 1 ? QStringLiteral("1 item will be deleted")
                                                  : QStringLiteral("%1 items will be deleted").arg(deleted.size());
        QCOMPARE(run.dialogs.Questions(),
                 QStringList{"Are you sure you want to delete all paid items prior to " + shownDate + "\n" + count});
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.dialogs.Messages(), QStringList{QString::number(deleted.size()) + " items deleted"});
        QCOMPARE(Remaining(run.shop), kept);
    }

    void nothingIsDeleted_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("errors");

        const QStringList invalid{"Invalid date entered"};
        QTest::newRow("day that does not exist") << false << "2/30/2024" << int(Yes) << invalid;
        QTest::newRow("not a date") << false << "abc" << int(Yes) << invalid;
        QTest::newRow("empty") << false << "" << int(Yes) << invalid;
        QTest::newRow("blanks") << false << "   " << int(Yes) << invalid;
        QTest::newRow("month above 12") << false << "13/1/2024" << int(Yes) << invalid;
        QTest::newRow("cancelled input box") << true << "" << int(Yes) << invalid;
        QTest::newRow("user answers No") << false << "12/31/2099" << int(No) << QStringList();
    }

    void nothingIsDeleted()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, entered);
        QFETCH(int, answer);
        QFETCH(QStringList, errors);

        test::RunningShop run;
        AddItems(run.shop);
        const QStringList before = Remaining(run.shop);
        QVERIFY(run.Start());
        if (!cancel) run.dialogs.QueueInput(entered);
        run.dialogs.QueueAnswer(answer);
        run.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);

        QCOMPARE(run.dialogs.Errors(), errors);
        QCOMPARE(run.dialogs.Questions().size(), errors.isEmpty() ? 1 : 0);
        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(Remaining(run.shop), before);
    }

    void theSafetyCopyComesFirst_data()
    {
        QTest::addColumn<bool>("copyMade");
        QTest::addColumn<bool>("paidMeanwhile");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("deleted");
        QTest::addColumn<QStringList>("messages");

        const QStringList paid{"paid 02/28", "Rent - 01/15/2024"};
        QTest::newRow("no safety copy: nothing deleted") << false << false << 1 << QStringList() << QStringList();
        QTest::newRow("safety copy made: the paid items go")
            << true << false << 1 << paid << QStringList{"2 items deleted"};
        QTest::newRow("items changed while copying: asked again, copied once")
            << true << true << 2 << paid << QStringList{"1 items deleted"};
    }

    void theSafetyCopyComesFirst()
    {
        QFETCH(bool, copyMade);
        QFETCH(bool, paidMeanwhile);
        QFETCH(int, questions);
        QFETCH(QStringList, deleted);
        QFETCH(QStringList, messages);

        test::RunningShop run;
        AddItems(run.shop);
        const QStringList kept = AllBut(run.shop, deleted);
        QVERIFY(run.Start());
        run.dialogs.QueueInput(QStringLiteral("03/01/2024"));
        for (int i = 0; i < questions; ++i) run.dialogs.QueueAnswer(Yes);
        int copies = 0;
        const SafetyCopyMaker makeCopy = [&] {
            ++copies;
            // Another till deletes one of the counted items meanwhile.
            if (paidMeanwhile) run.shop.Exec(QStringLiteral("DELETE FROM item WHERE ItemDesc = 'paid 02/28'"));
            return copyMade;
        };
        SharedValues& shared = run.Shared();
        DeletePaidItems(shared.database.connection(), shared.Data3, run.dialogs, run.clock, makeCopy);

        QCOMPARE(copies, 1);
        QCOMPARE(run.dialogs.Questions().size(), questions);
        QCOMPARE(run.dialogs.Errors(), QStringList());
        QCOMPARE(run.dialogs.Messages(), messages);
        QCOMPARE(Remaining(run.shop), kept);
    }

    void failureHalfWayDeletesNothing()
    {
        test::RunningShop run;
        AddItems(run.shop);
        const QStringList before = Remaining(run.shop);
        run.shop.RefuseItemWrites(QStringLiteral("BEFORE DELETE WHEN substr(old.ItemDesc, 1, 4) = 'Rent'"),
                                  QStringLiteral("rent items are kept"));
        QVERIFY(run.Start());
        run.dialogs.QueueInput(QStringLiteral("12/31/2024"));
        run.dialogs.QueueAnswer(Yes);
        run.Menu().lblFunction_Click(MenuEntry::DeletePaidItems);

        QCOMPARE(run.dialogs.Errors().size(), 1);
        QVERIFY(run.dialogs.Errors().first().contains(QStringLiteral("rent items are kept")));
        QCOMPARE(run.dialogs.Messages(), QStringList());
        QCOMPARE(Remaining(run.shop), before);
    }
};

QTEST_MAIN(TestDeletePaidItems)
#include "test_deletepaiditems.moc"
