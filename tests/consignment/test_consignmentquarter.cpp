// SPDX-License-Identifier: GPL-3.0-or-later
// The consignment period in the running program: a quarter of shop days with
// the counter left open overnight, and a pass killed part-way.

#include "app/frmMenu.h"
#include "consignment/ConsignmentTerms.h"
#include "support/RunningShop.h"

#include <QProcess>
#include <QtTest>

using namespace mqt;

namespace {

const QDate FirstDay(2027, 1, 4);  // a Monday

void SetQuarterTerms(const test::TempShop& shop)
{
    shop.Exec(QStringLiteral("INSERT INTO params (Commission, Rounding, PriceOverride, Backup, TermDays, GraceDays) "
                             "VALUES (40, 0, 0, ' ', 60, 0)"));
    Connection connection = shop.Connect();
    Transaction transaction(connection);
    WriteMarkdownRows(connection, {{QString(), 30, 25}, {QString(), 45, 50}});
    transaction.Commit();
}

// What the rules give an item taken in on `added` at 20.00 once the shop
// has been open on `openDays`: "price|status" and its markdowns.
struct Expected {
    QString state;
    QStringList history;
};

Expected ExpectedFor(const QDate& added, const QList<QDate>& openDays)
{
    int percent = 0;
    QStringList history;
    bool ended = false;
    for (const QDate& day : openDays) {
        const qint64 age = added.daysTo(day);
        const int due = age >= 45 ? 50 : age >= 30 ? 25 : 0;
        if (due > percent) {
            history << QStringLiteral("%1|%2|markdown %3%").arg(20 * (100 - percent)).arg(20 * (100 - due)).arg(due);
            percent = due;
        }
        ended = ended || age >= 60;
    }
    return {QStringLiteral("%1|%2").arg(20.0 * (100 - percent) / 100).arg(ended ? "ended" : "NULL"), history};
}

}  // namespace

class TestConsignmentQuarter : public QObject {
    Q_OBJECT

private slots:
    void aQuarterOfShopDays()
    {
        test::RunningShop run;
        SetQuarterTerms(run.shop);
        run.clock.SetToday(FirstDay);
        QVERIFY(run.Start());

        // Items come in on the first eight weeks' Mondays; the shop is shut
        // on Sundays and for a week in February, and the program stays open
        // from one day to the next.
        QList<QDate> openDays;
        QList<QDate> intake;
        for (QDate day = FirstDay; day < FirstDay.addDays(91); day = day.addDays(1)) {
            const bool shut = day.dayOfWeek() == Qt::Sunday || (day >= QDate(2027, 2, 8) && day < QDate(2027, 2, 15));
            if (shut) continue;
            run.clock.SetToday(day);
            run.program->Menu().CheckDayChanged();
            if (day.dayOfWeek() == Qt::Monday && intake.size() < 8) {
                intake << day;
                run.shop.AddItem(QStringLiteral("Smith"), QStringLiteral("Ann"),
                                 QStringLiteral("lamp of %1").arg(day.toString(Qt::ISODate)),
                                 {"Lamps", QVariant(), 12.0, 20.0, day});
            }
            openDays << day;
        }
        QVERIFY(run.dialogs.Errors().isEmpty());
        for (const QDate& added : intake) {
            const QString desc = QStringLiteral("lamp of %1").arg(added.toString(Qt::ISODate));
            const Expected expected = ExpectedFor(added, openDays);
            QCOMPARE(run.shop.Rows(QStringLiteral("select SalePrice, Status from item where ItemDesc = ?"), {desc})
                         .value(0),
                     expected.state);
            QCOMPARE(run.shop.Rows(QStringLiteral("select OldCents, NewCents, Reason from price_change where ItemNo = "
                                                  "(select ItemNo from item where ItemDesc = ?) order by rowid"),
                                   {desc}),
                     expected.history);
        }
        QVERIFY(run.dialogs.Messages().contains(QStringLiteral("1 item marked down")));
    }

    void aPassKilledPartWayIsAllOrNothing()
    {
        test::TempShop shop;
        SetQuarterTerms(shop);
        const QDate today = QDate::currentDate();
        shop.AddManyItems(20000);
        shop.Exec(QStringLiteral("UPDATE item SET SalePrice = 20, DateAdded = ?"), {today.addDays(-31)});

        // Killed later each time, until a run was late enough to finish: some
        // kills fall while the pass writes.
        bool done = false;
        for (int afterMs = 50; !done; afterMs += 60) {
            QVERIFY2(afterMs < 30000, "the pass never finished");
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(MQT_PROGRAM_DIR "/marquill"), {QStringLiteral("--shop"), shop.Folder()});
            QVERIFY(program.waitForStarted());
            QTest::qWait(afterMs);
            program.kill();
            program.waitForFinished();
            QFile::remove(shop.Folder() + QStringLiteral("/.Marquill.lock"));
            const int marked = shop.Value(QStringLiteral("select count(*) from item where MarkdownPercent = 25")).toInt();
            const int history = shop.Value(QStringLiteral("select count(*) from price_change")).toInt();
            const int passes = shop.Value(QStringLiteral("select count(*) from consignment_pass")).toInt();
            QVERIFY2((marked == 0 && history == 0 && passes == 0) || (marked == 20000 && history == 20000 && passes == 1),
                     qPrintable(QStringLiteral("after %1 ms: %2 marked, %3 in the history, %4 passes")
                                    .arg(afterMs).arg(marked).arg(history).arg(passes)));
            done = passes == 1;
        }
        // The pass that was done is not done again.
        shop.Exec(QStringLiteral("DELETE FROM price_change"));

        test::ScriptedDialogs dialogs;
        test::FixedClock clock(today);
        test::RecordingRunner runner;
        Program program(shop.Folder(), dialogs, clock, runner);
        QVERIFY(program.Start());
        QCOMPARE(shop.Value(QStringLiteral("select count(*) from item where SalePrice = 15")).toInt(), 20000);
        QCOMPARE(shop.Value(QStringLiteral("select count(*) from price_change")).toInt(), 0);
    }
};

QTEST_MAIN(TestConsignmentQuarter)
#include "test_consignmentquarter.moc"
